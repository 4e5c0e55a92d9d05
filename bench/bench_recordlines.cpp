#include "WidgetBenchmarkMain.h"
#include "core/common/Limits.h"
#include "core/records/RecordLines.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/GroupWindow.h"

#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>

// A full group: 32767 stored lines, fixtures and results alternating, between 20 teams.
namespace {

constexpr int kTeamCount = 20;

QStringList teamNames()
{
    QStringList teams;
    for (int team = 0; team < kTeamCount; ++team)
        teams.append(QStringLiteral("Athletic Club %1").arg(team + 1));
    return teams;
}

QStringList fullGroupLines()
{
    QStringList lines;
    lines.reserve(kMaxListLines);
    const QDate start(2000, 1, 1);
    for (int i = 0; i < kMaxListLines; ++i) {
        const QString date = formatRecordDate(start.addDays(i / 10));
        const int home = i % kTeamCount;
        const int away = (i / kTeamCount + home + 1) % kTeamCount;
        if (i % 2 == 0)
            lines.append(fixtureStoredLine(date, home, away));
        else
            lines.append(resultStoredLine(
                date,
                { QString::number(i % 3), QString::number(i % 2), QString::number(i % 5), QString::number(i % 4) },
                home, away));
    }
    return lines;
}

// A tournament of one group holding `lines` between the 20 teams.
void openGroup(TournamentDocument& document, const QStringList& lines)
{
    TournamentData data;
    data.GroupCount = 1;
    data.groups.append({ QStringLiteral("1. Division 1"), teamNames(), lines, {} });
    document.reset(data);
}

// A rename's work without the window: every display line rebuilt from its stored line.
void BM_BuildDisplayLines(benchmark::State& state)
{
    const QStringList stored = fullGroupLines();
    const QStringList teams = teamNames();
    for (auto _ : state) {
        QStringList shown = buildDisplayLines(stored, teams);
        benchmark::DoNotOptimize(shown);
    }
    state.SetItemsProcessed(state.iterations() * stored.size());
}
BENCHMARK(BM_BuildDisplayLines)->Unit(benchmark::kMillisecond);

// The shown results table of a group window. A benchmark whose table is gone ends with an error
// before its loop (which then never runs), and the benchmark run in CI fails on it.
QTableView* shownTable(GroupWindow& group, benchmark::State& state)
{
    group.show();
    QApplication::processEvents();
    auto* view = group.findChild<QTableView*>(QStringLiteral("resultTable"));
    if (!view)
        state.SkipWithError("the group window has no results table named resultTable");
    return view;
}

// A full group handed to a shown window at once, as opening a file does, and painted scrolled to
// the end, where a newly added item appears.
void BM_ShowFullGroup(benchmark::State& state)
{
    TournamentDocument document;
    openGroup(document, {});
    GroupWindow group(&document, 1, QString());
    QTableView* view = shownTable(group, state);
    const QStringList lines = fullGroupLines();
    for (auto _ : state) {
        openGroup(document, lines);
        view->scrollToBottom();
        view->viewport()->repaint();
        state.PauseTiming();
        openGroup(document, {});
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowFullGroup)->Unit(benchmark::kMillisecond);

// A team renamed in a full group on a shown window: every display line rebuilt, shown and painted.
void BM_RenameShown(benchmark::State& state)
{
    TournamentDocument document;
    openGroup(document, fullGroupLines());
    GroupWindow group(&document, 1, QString());
    QTableView* view = shownTable(group, state);
    int round = 0;
    for (auto _ : state) {
        document.renameTeam(1, 0, QStringLiteral("Renamed %1").arg(++round));
        view->scrollToBottom();
        view->viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations() * kMaxListLines);
}
BENCHMARK(BM_RenameShown)->Unit(benchmark::kMillisecond);

// One fixture added to a group one short of full, on a shown window: the new line joins the list
// alone and is painted at the end.
void BM_AddToFullGroupShown(benchmark::State& state)
{
    TournamentDocument document;
    const QStringList lines = fullGroupLines().mid(1);
    openGroup(document, lines);
    GroupWindow group(&document, 1, QString());
    QTableView* view = shownTable(group, state);
    for (auto _ : state) {
        document.addFixture(1, QStringLiteral("07-Mar-2000"), 0, 1);
        view->scrollToBottom();
        view->viewport()->repaint();
        state.PauseTiming();
        document.removeItem(1, kMaxListLines - 1);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddToFullGroupShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
