#include "core/common/Limits.h"
#include "core/records/RecordLines.h"
#include "core/setup/GroupCaption.h"
#include "core/tournament/Tournament.h"
#include "gui/group/GroupWindow.h"
#include "gui/main/MainWindow.h"
#include "gui/setup/TournamentDetailsDialog.h"
#include "gui/widgets/Prompts.h"

namespace {

const QString kCancelQuestion = QStringLiteral("Are you sure you want to cancel this tournament");
const QString kCancelTitle = QStringLiteral("Cancel Tournament");

// Asks for the group's team names one by one. False when the user cancels the tournament.
bool enterTeams(GroupWindow* group, int teamCount, const QString& caption)
{
    const QString title = QStringLiteral("Add Teams to ") + caption;
    for (int k = 1; k <= teamCount; ++k) {
        // A refused name comes back in the prompt, to be corrected rather than typed again.
        QString refused;
        for (;;) {
            const QString name = Prompts::input(QStringLiteral("Enter Team ") + QString::number(k), title, refused)
                                     .value_or(QString());
            refused.clear();
            if (name.isEmpty()) {
                // Yes throws the whole set-up away, so it is not what Enter presses.
                if (Prompts::ask(kCancelQuestion, kCancelTitle, Prompts::Answer::No))
                    return false;
                continue;
            }
            // "-v-" separates the two teams of a display line, and two teams of one name would
            // merge in reports: such a name is refused.
            const QString problem = teamNameProblem(name, group->teams(), caption);
            if (!problem.isEmpty()) {
                Prompts::refuse(problem, QStringLiteral("ERROR"));
                refused = name;
                continue;
            }
            // Kept exactly as typed: blanks and commas belong to the name.
            group->appendTeam(name);
            break;
        }
    }
    return true;
}

} // namespace

void MainWindow::newTournament()
{
    if (Tournament.GroupCount >= 1 && !closeTournament())
        return;

    {
        TournamentDetailsDialog details(this, this);
        details.exec();
    }
    if (Tournament.GroupCount == 0)
        return;

    for (int n = 1; n <= Tournament.GroupCount && n <= kMaxGroups; ++n) {
        const QString caption = groupCaption(n, Tournament.GroupTitle, Tournament.Indicator);
        GroupWindow* group = groupWindow(n);
        group->setWindowTitle(caption);
        showGroupWindow(n);
        group->setTag(QString::number(n));
        if (!enterTeams(group, Tournament.TeamsInGroup[n], caption)) {
            // Only the windows made so far exist; the settings and the caption stay as they are.
            for (int slot = 1; slot <= n; ++slot)
                unloadGroupWindow(slot);
            return;
        }
    }
}
