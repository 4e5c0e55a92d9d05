// File > Points Adjustments: the adjustments of the active group window, as Generate Fixtures acts on it.
#include "core/tournament/TournamentDocument.h"
#include "gui/group/GroupWindow.h"
#include "gui/main/MainWindow.h"
#include "gui/standings/PointsAdjustmentsDialog.h"
#include "gui/widgets/Prompts.h"

void MainWindow::editPointsAdjustments()
{
    // The menu item is greyed out without a group window; these refusals answer a call made anyway.
    const QString title = tr("Points Adjustments");
    const std::optional<ActiveGroup> active = activeGroupFor(title);
    if (!active)
        return;
    const GroupRecords& group = m_document->group(active->number);
    PointsAdjustmentsDialog dialog(active->window->windowTitle(), group.teams(), group.adjustments(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.adjustments() == group.adjustments())
        return;
    m_document->setAdjustments(active->number, dialog.adjustments());
}
