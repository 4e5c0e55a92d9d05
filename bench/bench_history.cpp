// The tournament's history: undoing and redoing the largest generation a group can hold, on its own
// and with the group's window shown, and what a long session of added results costs in memory.
#include "WidgetBenchmarkMain.h"
#include "core/schedule/FixtureGeneration.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/GroupWindow.h"

#include <QApplication>
#include <QUndoStack>
#include <malloc.h>
#include <memory>

namespace {

// 181 teams home and away: 32580 fixtures, as many as fit into one group.
constexpr int kTeams = 181;

void openEmptyGroup(TournamentDocument& document, int teams)
{
    TournamentData data;
    data.GroupCount = 1;
    QStringList names;
    for (int team = 1; team <= teams; ++team)
        names.append(QStringLiteral("Athletic Club %1").arg(team));
    data.groups.append({ QStringLiteral("1. Division 1"), names, {}, {} });
    document.reset(data);
}

void generate(TournamentDocument& document)
{
    QVector<qint16> order;
    for (int team = 0; team < kTeams; ++team)
        order.append(static_cast<qint16>(team));
    const FixtureGeneration generation = generateFixtures({}, order, 2, QDate(2000, 1, 1), 1);
    document.setItems(1, generation.lines, TournamentDocument::ItemsChange::GenerateFixtures);
}

// Undo (range 0) or redo (range 1) of the generation, without a window (range 1 = 0) or with the
// group's window shown and repainted.
void BM_ReplayGeneration(benchmark::State& state)
{
    const bool redo = state.range(0) == 1;
    const bool shown = state.range(1) == 1;
    TournamentDocument document;
    openEmptyGroup(document, kTeams);
    std::unique_ptr<GroupWindow> window;
    if (shown) {
        window = std::make_unique<GroupWindow>(&document, 1, QString());
        window->show();
        QApplication::processEvents();
    }
    generate(document);
    for (auto _ : state) {
        if (redo) {
            state.PauseTiming();
            document.history()->undo();
            state.ResumeTiming();
            document.history()->redo();
        } else {
            document.history()->undo();
        }
        if (window)
            window->repaint();
        state.PauseTiming();
        if (!redo)
            document.history()->redo();
        state.ResumeTiming();
    }
    state.counters["lines"] = double(document.group(1).size());
}
BENCHMARK(BM_ReplayGeneration)
    ->ArgsProduct({ { 0, 1 }, { 0, 1 } })
    ->ArgNames({ "redo", "window" })
    ->Unit(benchmark::kMillisecond);

// The heap the history holds after 1000 results were added one by one, measured as what clearing
// it gives back.
void BM_HistoryOfAddedResults(benchmark::State& state)
{
    for (auto _ : state) {
        TournamentDocument document;
        openEmptyGroup(document, 20);
        for (int i = 0; i < 1000; ++i)
            document.addResult(1, QStringLiteral("07-Mar-2000"), { "1", "0", "2", "1" }, i % 20, (i + 1) % 20);
        const size_t held = mallinfo2().uordblks;
        document.history()->clear();
        state.counters["history_bytes"] = double(held - mallinfo2().uordblks);
        state.counters["steps"] = 1000;
    }
}
BENCHMARK(BM_HistoryOfAddedResults)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
