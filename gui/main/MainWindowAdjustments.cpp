// File > Points Adjustments: the adjustments of the active group window, as Generate Fixtures acts on it.
#include "core/tournament/Tournament.h"
#include "gui/group/GroupWindow.h"
#include "gui/main/MainWindow.h"
#include "gui/standings/PointsAdjustmentsDialog.h"
#include "gui/widgets/Prompts.h"

void MainWindow::editPointsAdjustments()
{
    // The menu item is greyed out without a group window; these refusals answer a call made anyway.
    const QString title = QStringLiteral("Points Adjustments");
    const std::optional<ActiveGroup> active = activeGroupFor(title);
    if (!active)
        return;
    GroupWindow* group = active->window;
    PointsAdjustmentsDialog dialog(group->windowTitle(), group->teams(), group->adjustments(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.adjustments() == group->adjustments())
        return;
    group->setAdjustments(dialog.adjustments());
    Tournament.Saved = false;
}
