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

QString calendarTitle()
{
    return MainWindow::tr("Export Calendar");
}
QString publishTitle()
{
    return MainWindow::tr("Publish Web Site");
}
QString noTournament()
{
    return MainWindow::tr("There is no open tournament!");
}

// As the report window's saves report a failure; every message ends with its full stop.
void refuseWrite(const QString& reason)
{
    Prompts::refuse(MainWindow::tr("An Error has occurred\r\r") + withFullStop(reason), MainWindow::tr("ERROR!"));
}

} // namespace

void MainWindow::exportCalendar()
{
    // With the Knockout window in front, its games are what the calendar is wanted for.
    if (m_knockoutWindow && m_mdiArea->activeSubWindow() == m_knockoutWindow) {
        exportKnockoutCalendar();
        return;
    }
    const std::optional<ActiveGroup> active = activeGroupFor(calendarTitle());
    if (!active)
        return;
    const int groupNumber = active->number;
    saveCalendar([&] {
        const QStringList pitches = m_document->timetable() ? m_document->timetable()->settings.pitches : QStringList();
        return buildCalendar({ m_document->title(),
                               groupNumber,
                               active->window->windowTitle(),
                               m_document->group(groupNumber),
                               {},
                               pitches });
    });
}

// Asks where the calendar goes, makes it and writes it there, and says how many games it holds.
void MainWindow::saveCalendar(const std::function<Calendar()>& build)
{
    const QString path = showSaveDialog(tr("Export Calendar ..."),
                                        fileFilter({ { tr("iCalendar Files (*.ics)"), QStringLiteral("*.ics") } }));
    if (path.isEmpty() || !Prompts::mayOverwrite(path))
        return;
    const Calendar calendar = build();
    QString error;
    if (!saveReportFile(calendar.text, path, &error)) {
        refuseWrite(error);
        return;
    }
    statusBar()->showMessage(
        (calendar.events == 1 ? tr("Exported 1 game to %1") : tr("Exported %n games to %1", nullptr, calendar.events))
            .arg(shownPath(path)));
}

void MainWindow::exportKnockoutCalendar()
{
    if (!m_document->knockout())
        return;
    // A stage without a start date still has the days of the games the timetable gives a slot.
    const std::optional<Timetable>& timetable = m_document->timetable();
    if (!m_document->knockout()->startDate().isValid() && (!timetable || timetable->knockout.isEmpty())) {
        Prompts::refuse(tr("The knockout stage has no dates: set it up again with the date of its "
                           "first games to export its calendar."),
                        calendarTitle());
        return;
    }
    saveCalendar([this, timetable] {
        return buildKnockoutCalendar(m_document->title(), *m_document->knockout(), QDateTime::currentDateTimeUtc(),
                                     timetable);
    });
}

void MainWindow::publishWebSite()
{
    if (!m_document->isOpen()) {
        Prompts::refuse(noTournament(), publishTitle());
        return;
    }
    const QString folder = showFolderDialog(tr("Publish Web Site ..."));
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
    statusBar()->showMessage(
        (published.pages == 1 ? tr("Published 1 page to %1") : tr("Published %n pages to %1", nullptr, published.pages))
            .arg(shownPath(folder)));
}
