// File > Set Up Knockout Stage: the set-up dialog, checked against the tournament before it closes.
#include "core/setup/KnockoutSetup.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/knockout/KnockoutSetupDialog.h"
#include "gui/main/MainWindow.h"
#include "gui/widgets/Prompts.h"

void MainWindow::setUpKnockoutStage()
{
    const QString title = tr("Set Up Knockout Stage");
    // The menu item is greyed out without groups; this answers a call made anyway.
    if (!m_document->hasGroups()) {
        Prompts::refuse(tr("There is no open tournament!"), title);
        return;
    }
    if (m_document->knockout() && !m_document->knockout()->results().isEmpty()
        && !Prompts::ask(tr("The knockout stage has results. Setting it up again replaces it and its "
                            "results. Do you want to go on?"),
                         title, Prompts::Answer::No))
        return;
    std::optional<KnockoutStage> stage;
    KnockoutSetupDialog dialog(
        int(m_document->data().groups.size()),
        [&](const KnockoutSetup& setup, QString* refusal) {
            stage = ::setUpKnockoutStage(m_document->data(), setup, m_databaseName, refusal);
            return stage.has_value();
        },
        this);
    if (dialog.exec() != QDialog::Accepted || !stage)
        return;
    m_document->setKnockoutStage(stage);
    activateKnockoutWindow();
}
