#include "core/common/Limits.h"
#include "core/records/RecordLines.h"
#include "core/setup/GroupCaption.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/main/MainWindow.h"
#include "gui/setup/TournamentDetailsDialog.h"
#include "gui/widgets/Prompts.h"

namespace {

QString cancelQuestion()
{
    return MainWindow::tr("Are you sure you want to cancel this tournament");
}
QString cancelTitle()
{
    return MainWindow::tr("Cancel Tournament");
}

// Asks for the team names of `group` one by one. False when the user cancels the tournament.
bool enterTeams(TournamentDocument* document, int group, int teamCount, const QString& caption)
{
    const QString title = MainWindow::tr("Add Teams to ") + caption;
    for (int k = 1; k <= teamCount; ++k) {
        // A refused name comes back in the prompt, to be corrected rather than typed again.
        QString refused;
        for (;;) {
            const QString name = Prompts::input(MainWindow::tr("Enter Team ") + QString::number(k), title, refused)
                                     .value_or(QString());
            refused.clear();
            if (name.isEmpty()) {
                // Yes throws the whole set-up away, so it is not what Enter presses.
                if (Prompts::ask(cancelQuestion(), cancelTitle(), Prompts::Answer::No))
                    return false;
                continue;
            }
            // "-v-" separates the two teams of a display line, and two teams of one name would
            // merge in reports: such a name is refused.
            const QString problem = teamNameProblem(name, document->group(group).teams(), caption);
            if (!problem.isEmpty()) {
                Prompts::refuse(problem, MainWindow::tr("ERROR"));
                refused = name;
                continue;
            }
            // Kept exactly as typed: blanks and commas belong to the name.
            document->addTeam(group, name);
            break;
        }
    }
    return true;
}

} // namespace

void MainWindow::newTournament()
{
    if (m_document->isOpen() && !closeTournament())
        return;

    TournamentDetailsDialog details(this);
    if (details.exec() != QDialog::Accepted)
        return;
    const TournamentSettings settings = details.settings();
    m_document->start(details.title(), settings);

    // Each group's window opens as its teams are asked for.
    for (int n = 1; n <= settings.GroupCount && n <= kMaxGroups; ++n) {
        const QString caption = groupCaption(n, settings.GroupTitle, settings.Indicator);
        m_document->addGroup(caption);
        if (!enterTeams(m_document, n, settings.TeamsInGroup[n], caption)) {
            // The windows made so far go; the settings and the caption stay as they are.
            m_document->dropGroups();
            return;
        }
    }
    showGroupOneInFront();
}
