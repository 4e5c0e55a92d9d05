// File > Export Calendar and File > Publish Web Site: the windows' side of the calendar and the web
// site, which the core makes and writes.
#include "core/common/FailureText.h"
#include "core/common/FullStop.h"
#include "core/common/Limits.h"
#include "core/reports/CalendarExport.h"
#include "core/reports/ReportFile.h"
#include "core/reports/WebSite.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/GroupWindow.h"
#include "gui/main/MainWindow.h"
#include "gui/main/ShownPath.h"
#include "gui/widgets/BusyWindow.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

namespace {

const QString kCalendarTitle = QStringLiteral("Export Calendar");
const QString kPublishTitle = QStringLiteral("Publish Web Site");
const QString kNoTournament = QStringLiteral("There is no open tournament!");

// As the report window's saves report a failure; every message ends with its full stop.
void refuseWrite(const QString& reason)
{
    Prompts::refuse(QStringLiteral("An Error has occurred\r\r") + withFullStop(reason), QStringLiteral("ERROR!"));
}

} // namespace

void MainWindow::exportCalendar()
{
    // With the Knockout window in front, its games are what the calendar is wanted for.
    if (m_knockoutWindow && m_mdiArea->activeSubWindow() == m_knockoutWindow) {
        exportKnockoutCalendar();
        return;
    }
    const std::optional<ActiveGroup> active = activeGroupFor(kCalendarTitle);
    if (!active)
        return;
    const int groupNumber = active->number;
    saveCalendar([&] {
        return buildCalendar(
            { m_document->title(), groupNumber, active->window->windowTitle(), m_document->group(groupNumber) });
    });
}

// Asks where the calendar goes, makes it and writes it there, and says how many games it holds.
void MainWindow::saveCalendar(const std::function<Calendar()>& build)
{
    const QString path = showSaveDialog(QStringLiteral("Export Calendar ..."),
                                        fileFilter({ { kCalendarFilter, QStringLiteral("*.ics") } }));
    if (path.isEmpty() || !Prompts::mayOverwrite(path))
        return;
    const Calendar calendar = build();
    QString error;
    if (!saveReportFile(calendar.text, path, &error)) {
        refuseWrite(error);
        return;
    }
    statusBar()->showMessage(QStringLiteral("Exported %1 %2 to %3")
                                 .arg(QString::number(calendar.events),
                                      calendar.events == 1 ? QStringLiteral("game") : QStringLiteral("games"),
                                      shownPath(path)));
}

void MainWindow::exportKnockoutCalendar()
{
    if (!m_document->knockout())
        return;
    if (!m_document->knockout()->startDate().isValid()) {
        Prompts::refuse(QStringLiteral("The knockout stage has no dates: set it up again with the date of its "
                                       "first games to export its calendar."),
                        kCalendarTitle);
        return;
    }
    saveCalendar([this] { return buildKnockoutCalendar(m_document->title(), *m_document->knockout()); });
}

void MainWindow::publishWebSite()
{
    if (!m_document->isOpen()) {
        Prompts::refuse(kNoTournament, kPublishTitle);
        return;
    }
    const QString folder = showFolderDialog(QStringLiteral("Publish Web Site ..."));
    if (folder.isEmpty())
        return;
    const TournamentData data = m_document->data();
    BusyWindow busy(this);
    // A folder typed in the dialog that is not there yet is made, as tabulon-cli publish makes it.
    const PublishOutcome published = ::publishWebSite(data, folder, QDate::currentDate(), m_databaseName);
    busy.done();
    if (!published.ok()) {
        refuseWrite(published.error);
        return;
    }
    statusBar()->showMessage(QStringLiteral("Published %1 %2 to %3")
                                 .arg(QString::number(published.pages),
                                      published.pages == 1 ? QStringLiteral("page") : QStringLiteral("pages"),
                                      shownPath(folder)));
}
