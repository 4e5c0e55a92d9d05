// The unsaved work a Tabulon that died left behind, offered back at start-up. The copies are kept
// by core/tournament/RecoveryCopy while a tournament is unsaved.
#include "core/reports/Report.h"
#include "core/tournament/RecoveryCopy.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/main/MainWindow.h"
#include "gui/main/ShownPath.h"
#include "gui/widgets/Prompts.h"

#include <QStandardPaths>

namespace {

const QString kRecoveryTitle = QStringLiteral("Tabulon");

} // namespace

QString MainWindow::recoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

void MainWindow::offerRecovery()
{
    if (!m_recovery->isUsable()) {
        Prompts::refuse(tr("The recovery folder %1 is a link to another place, so Tabulon does not use it. This time, "
                           "unsaved work will not be kept safe from a crash.")
                            .arg(shownPath(recoveryFolder())),
                        kRecoveryTitle);
        return;
    }
    for (LeftCopy& copy : claimLeftCopies(recoveryFolder())) {
        const TournamentReadResult read = readTournamentFile(copy.path);
        if (!read.ok()) {
            const QString aside = setLeftCopyAside(copy);
            Prompts::refuse(tr("Unsaved changes left by a Tabulon that was not closed properly cannot be "
                               "recovered:\r%1\rThe copy is kept as %2.")
                                .arg(read.error, shownPath(aside)),
                            kRecoveryTitle);
            continue;
        }
        const QString where = copy.sourceFile.isEmpty() ? tr("not saved yet") : shownPath(copy.sourceFile);
        const Prompts::Answer answer = Prompts::message(
            { tr("Tabulon was not closed properly. Recover the unsaved changes to %1 (%2)?")
                  .arg(shortTitleOf(read.data->title), where),
              kRecoveryTitle, Prompts::Icon::Question, Prompts::Buttons::RecoverDiscard, Prompts::Answer::Yes });
        if (answer == Prompts::Answer::Yes) {
            // Unsaved, under its own file's name, so that Save writes it there; the document's own
            // copy takes over from the dead program's.
            m_document->recover(*read.data, copy.sourceFile);
            deleteLeftCopy(copy);
            // One tournament is open at a time: any other copy waits for the next start.
            return;
        }
        deleteLeftCopy(copy);
    }
}
