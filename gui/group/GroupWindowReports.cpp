// The group window's reports: Results Report and Fixture List.
#include "core/reports/FixtureListReport.h"
#include "core/reports/ResultsReport.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/GroupWindow.h"
#include "gui/reports/ReportWindow.h"
#include "gui/widgets/BusyWindow.h"
#include "gui/widgets/FocusReturn.h"
#include "gui/widgets/Prompts.h"

void GroupWindow::showResultsReport()
{
    showReport(ReportKind::Results);
}

void GroupWindow::showFixtureList()
{
    showReport(ReportKind::FixtureList);
}

void GroupWindow::showReport(ReportKind kind)
{
    // The fixture list lists results as well, so only a group with neither has nothing for it.
    const bool results = kind == ReportKind::Results;
    if (results ? !records().hasResults() : !records().hasMatches()) {
        const QString missing = results ? tr(" has no results yet.") : tr(" has no fixtures yet.");
        const QString title = results ? tr("Results Report") : tr("Fixture List");
        Prompts::message(windowTitle() + missing, title, Prompts::Icon::Information);
        return;
    }
    // Taken before the window rests, which moves the focus away.
    const FocusReturn focusReturn;
    const ReportHeading heading { shortTitleOf(m_document->title()), windowTitle(), QDate::currentDate() };
    Report report;
    {
        BusyWindow busy(this);
        const QStringList pitches = m_document->timetable() ? m_document->timetable()->settings.pitches : QStringList();
        report = results ? makeResultsReport(heading, records(), m_document->settings(), m_databaseName, pitches)
                         : buildFixtureList(heading, records(), pitches);
    }
    showReportWindow(report, this);
}
