#include "WidgetBenchmarkMain.h"
#include "core/common/Limits.h"
#include "core/records/RecordLines.h"
#include "gui/group/GroupWindow.h"

#include <QApplication>
#include <QListView>
#include <QStringListModel>
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

// refreshList's work without the window: every display line rebuilt from its stored line.
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

// Handing 32767 ready display lines to the shown list and painting it scrolled to the end,
// where a newly added item appears.
void BM_FillDisplayList(benchmark::State& state)
{
    GroupWindow group;
    group.setTeams(teamNames());
    group.show();
    QApplication::processEvents();
    auto* view = group.findChild<QListView*>(QStringLiteral("resultList"));
    auto* model = qobject_cast<QStringListModel*>(view->model());
    const QStringList shown = buildDisplayLines(fullGroupLines(), teamNames());
    for (auto _ : state) {
        model->setStringList(shown);
        view->scrollToBottom();
        view->viewport()->repaint();
        state.PauseTiming();
        model->setStringList({});
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillDisplayList)->Unit(benchmark::kMillisecond);

// The whole of refreshList on a shown window: rebuilding and filling, then painting.
void BM_RefreshListShown(benchmark::State& state)
{
    GroupWindow group;
    group.setTeams(teamNames());
    group.setStoredLines(fullGroupLines());
    group.show();
    QApplication::processEvents();
    auto* view = group.findChild<QListView*>(QStringLiteral("resultList"));
    for (auto _ : state) {
        group.refreshList();
        view->scrollToBottom();
        view->viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations() * kMaxListLines);
}
BENCHMARK(BM_RefreshListShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
