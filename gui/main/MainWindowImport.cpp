// File > Import Results: adds the fixtures and results of a CSV file to the active group window.
// The rows are read and checked by group/ResultImport, which `tabulon-cli import` uses too.
#include "core/common/BoundedFile.h"
#include "core/records/ResultImport.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/GroupWindow.h"
#include "gui/main/MainWindow.h"
#include "gui/widgets/BusyWindow.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Prompts.h"

#include <QFileInfo>

namespace {

const QString kImportTitle = QStringLiteral("Import Results");

} // namespace

void MainWindow::importResults()
{
    const std::optional<ActiveGroup> active = activeGroupFor(kImportTitle);
    if (!active)
        return;
    GroupWindow* group = active->window;
    const QString path = showOpenDialog(fileFilter({ { QStringLiteral("CSV Files (*.csv)"), QStringLiteral("*.csv") },
                                                     { QStringLiteral("All Files (*)"), QStringLiteral("*") } }),
                                        QStringLiteral("Import Results ..."));
    if (path.isEmpty())
        return;
    BusyWindow busy(this);
    QString error;
    const std::optional<QByteArray> csv = readCsvFile(path, &error);
    if (!csv) {
        busy.done();
        Prompts::refuse(error, kImportTitle);
        return;
    }
    const GroupImport import = importIntoGroup(group->storedLines(), group->teams(), *csv);
    busy.done();
    if (!import.ok()) {
        Prompts::refuse(QStringLiteral("%1 cannot be imported; nothing was added:").arg(QFileInfo(path).fileName())
                            + u'\r' + import.refusal.join(u'\r'),
                        kImportTitle);
        return;
    }
    m_document->setItems(active->number, import.lines, TournamentDocument::ItemsChange::ImportResults);
    Prompts::message(import.summary(group->windowTitle()), kImportTitle, Prompts::Icon::Information);
}
