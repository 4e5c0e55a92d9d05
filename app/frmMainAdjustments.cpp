// File > Points Adjustments: the adjustments of the active group window, as Generate Fixtures acts on it.
#include "app/frmMain.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"
#include "standings/frmPointsAdjustments.h"
#include "ui/Prompts.h"

void frmMain::mnuPointsAdjustments_Click()
{
    frmGroup* group = Tournament.IsOpen ? activeGroupWindow() : nullptr;
    if (!group) {
        Prompts::refuse(QStringLiteral("No group window is active: choose the group from the Window menu."),
                        QStringLiteral("Points Adjustments"));
        return;
    }
    frmPointsAdjustments dialog(group->windowTitle(), group->teams(), group->adjustments(), this);
    if (dialog.exec() != QDialog::Accepted || dialog.adjustments() == group->adjustments())
        return;
    group->setAdjustments(dialog.adjustments());
    Tournament.Saved = false;
}
