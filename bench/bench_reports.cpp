// The results report of a full group (32767 results, 256 teams) from its games to the
// report text and the tagged lines, and on to the shown window and both exports; and what
// building the text by replacing it whole at every addition would cost instead.
#include "WidgetBenchmarkMain.h"
#include "core/records/RecordLines.h"
#include "core/reports/ReportExport.h"
#include "core/reports/ResultsReport.h"
#include "gui/reports/ReportWindow.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const ReportHeading kHeading { QStringLiteral("Spring Cup at Riverside"), QStringLiteral("1. Division A"),
                               QDate(2000, 3, 15) };

QStringList teamNames()
{
    QStringList names;
    for (int i = 0; i < 256; ++i)
        names.append(QStringLiteral("Athletic Club %1 FC").arg(i, 3, 10, QLatin1Char('0')));
    return names;
}

// Results between 256 teams on dates spread over ten years, in no order, with seeded scores.
GroupRecords results(int count)
{
    QRandomGenerator random(2000);
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        const int home = random.bounded(256);
        const int away = (home + 1 + random.bounded(255)) % 256;
        const ScoreTexts scores { QString::number(random.bounded(4)), QString::number(random.bounded(4)),
                                  QString::number(random.bounded(8)), QString::number(random.bounded(8)) };
        lines.append(
            resultStoredLine(formatRecordDate(QDate(1995, 1, 1).addDays(random.bounded(3650))), scores, home, away));
    }
    return GroupRecords(teamNames(), lines);
}

LeagueTable leagueTable()
{
    LeagueTable table;
    for (const QString& name : teamNames())
        table.rows.append({ name, 100, 56, 100, 400, 400, 0, 356 });
    return table;
}

void BM_ResultsReport(benchmark::State& state)
{
    const GroupRecords lines = results(int(state.range(0)));
    const LeagueTable table = leagueTable();
    for (auto _ : state) {
        const Report report = buildResultsReport(kHeading, lines, table);
        benchmark::DoNotOptimize(report.text.constData());
    }
}
BENCHMARK(BM_ResultsReport)->Arg(2000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The whole way a user waits for: the report built and its window shown and painted.
void BM_ResultsReportShown(benchmark::State& state)
{
    const GroupRecords lines = results(int(state.range(0)));
    const LeagueTable table = leagueTable();
    for (auto _ : state) {
        const Report report = buildResultsReport(kHeading, lines, table);
        ReportWindow window(report.text, report.content, QString());
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_ResultsReportShown)->Arg(32767)->Unit(benchmark::kMillisecond);

// The same report, then its text put together again by replacing the whole text with the old text
// and one more line, as a view that can only be given its whole text would be filled. Each line is
// one addition here, which is fewer than the steps that make it.
void BM_ResultsReportWholeTextReplaced(benchmark::State& state)
{
    const GroupRecords lines = results(int(state.range(0)));
    const LeagueTable table = leagueTable();
    for (auto _ : state) {
        const Report report = buildResultsReport(kHeading, lines, table);
        QString text;
        for (const QString& line : report.text.split(QStringLiteral("\r\n")))
            text = QString(text).append(line).append(QStringLiteral("\r\n"));
        benchmark::DoNotOptimize(text.constData());
    }
}
BENCHMARK(BM_ResultsReportWholeTextReplaced)->Arg(2000)->Unit(benchmark::kMillisecond);

// Both exports of the full report, from its tagged lines to the page's bytes and to the saved
// workbook.
void BM_ExportHtml(benchmark::State& state)
{
    const Report report = buildResultsReport(kHeading, results(int(state.range(0))), leagueTable());
    for (auto _ : state) {
        const QByteArray page = exportHtml(report.content);
        benchmark::DoNotOptimize(page.constData());
    }
}
BENCHMARK(BM_ExportHtml)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_SaveWorkbook(benchmark::State& state)
{
    const Report report = buildResultsReport(kHeading, results(int(state.range(0))), leagueTable());
    QTemporaryDir folder;
    for (auto _ : state) {
        if (!saveWorkbook(report.content, folder.filePath(QStringLiteral("report.xlsx"))))
            state.SkipWithError("the workbook was not saved");
    }
}
BENCHMARK(BM_SaveWorkbook)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
