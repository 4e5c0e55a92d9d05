// File > Import Results: adds the fixtures and results of a CSV file to the active group window.
// The rows are read, checked and judged by core/records/ResultImport, as `tabulon-cli import` does;
// a preview shows what each row does and imports the rows ticked in it.
#include "core/common/BoundedFile.h"
#include "core/records/ResultImport.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/GroupWindow.h"
#include "gui/main/ImportPreviewDialog.h"
#include "gui/main/MainWindow.h"
#include "gui/widgets/BusyWindow.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Prompts.h"

#include <QFileInfo>

namespace {

QString importTitle()
{
    return MainWindow::tr("Import Results");
}

} // namespace

void MainWindow::importResults()
{
    const std::optional<ActiveGroup> active = activeGroupFor(importTitle());
    if (!active)
        return;
    GroupWindow* group = active->window;
    const QString path = showOpenDialog(fileFilter({ { tr("CSV Files (*.csv)"), QStringLiteral("*.csv") },
                                                     { tr("All Files (*)"), QStringLiteral("*") } }),
                                        tr("Import Results ..."));
    if (path.isEmpty())
        return;
    BusyWindow busy(this);
    QString error;
    const std::optional<QByteArray> csv = readCsvFile(path, &error);
    if (!csv) {
        busy.done();
        Prompts::refuse(error, importTitle());
        return;
    }
    const ImportPlan plan = planImport(group->storedLines(), group->teams(), *csv);
    busy.done();
    const QString fileName = QFileInfo(path).fileName();
    const auto refuse = [&](const QStringList& refusal) {
        Prompts::refuse(tr("%1 cannot be imported; nothing was added:").arg(fileName) + u'\r' + refusal.join(u'\r'),
                        importTitle());
    };
    if (!plan.ok()) {
        refuse(plan.refusal);
        return;
    }
    ImportPreviewDialog preview(fileName, plan.rows, group->teams(), this);
    if (preview.exec() != QDialog::Accepted)
        return;
    const GroupImport import = importPlannedRows(group->storedLines(), plan, preview.tickedRows());
    if (!import.ok()) {
        refuse(import.refusal);
        return;
    }
    if (import.lines != group->storedLines())
        m_document->setItems(active->number, import.lines, TournamentDocument::ItemsChange::ImportResults);
    Prompts::message(import.summary(group->windowTitle()), importTitle(), Prompts::Icon::Information);
}
