// Sorting a group's items by date and generating the largest schedules a group can hold.
#include "core/common/Limits.h"
#include "core/records/FixtureSort.h"
#include "core/records/RecordLines.h"
#include "core/schedule/BalancedSchedule.h"
#include "core/schedule/FixtureGeneration.h"
#include "core/schedule/Schedule.h"

#include <benchmark/benchmark.h>

namespace {

// `count` fixture lines, one date per line, latest first.
QStringList linesInReverseDateOrder(int count)
{
    QStringList lines;
    lines.reserve(count);
    const QDate first(2000, 1, 1);
    for (int i = count - 1; i >= 0; --i)
        lines.append(fixtureStoredLine(formatRecordDate(first.addDays(i)), i % 20, (i + 1) % 20));
    return lines;
}

// The exchange sort the stable sort replaced, as it was written: scanning from the end, reading
// both dates afresh at every comparison. Kept here only to measure what the replacement saves.
void exchangeSort(QStringList& lines)
{
    for (int i = 0; i < lines.size() - 1; ++i) {
        for (int j = lines.size() - 1; j > i; --j) {
            const QDate later = parseRecordDate(lines.at(j).mid(kRecordDatePosition, kRecordDateLength));
            const QDate earlier = parseRecordDate(lines.at(j - 1).mid(kRecordDatePosition, kRecordDateLength));
            if (later < earlier)
                lines.swapItemsAt(j, j - 1);
        }
    }
}

void BM_SortReverseDateOrder(benchmark::State& state)
{
    const QStringList reversed = linesInReverseDateOrder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        QStringList lines = reversed;
        lines.detach();
        state.ResumeTiming();
        const bool sorted = sortByRecordDate(lines);
        benchmark::DoNotOptimize(sorted);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SortReverseDateOrder)->Arg(2000)->Arg(kMaxListLines)->Unit(benchmark::kMillisecond);

void BM_ExchangeSortReverseDateOrder(benchmark::State& state)
{
    const QStringList reversed = linesInReverseDateOrder(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QStringList lines = reversed;
        exchangeSort(lines);
        benchmark::DoNotOptimize(lines);
    }
}
// Quadratic: 32767 lines would take minutes, so a smaller list is measured and the time scaled
// by (32767 / 2000)^2.
BENCHMARK(BM_ExchangeSortReverseDateOrder)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(3);

// File > Generate Fixtures at the largest home-and-away group: schedule, sort, display lines.
void generateHomeAndAway(benchmark::State& state, ScheduleBuilder build)
{
    const int n = static_cast<int>(state.range(0));
    QStringList teams;
    for (int i = 0; i < n; ++i)
        teams.append(QStringLiteral("Team %1").arg(i));
    const QDate start(2000, 3, 1);
    for (auto _ : state) {
        const QVector<qint16> order = shuffledTeamOrder(n, seededFractions(7));
        ScheduleResult schedule = build(order, 2, start, 7, 0);
        sortByRecordDate(schedule.lines);
        const QStringList display = buildDisplayLines(schedule.lines, teams);
        benchmark::DoNotOptimize(display);
        state.counters["lines"] = static_cast<double>(schedule.lines.size());
    }
}

void BM_GenerateHomeAndAway(benchmark::State& state)
{
    generateHomeAndAway(state, buildSchedule);
}
BENCHMARK(BM_GenerateHomeAndAway)->Arg(181)->Unit(benchmark::kMillisecond);

// File > Generate Balanced Fixtures, the same group: its lines come round by round, not position by position.
void BM_GenerateBalancedHomeAndAway(benchmark::State& state)
{
    generateHomeAndAway(state, buildBalancedSchedule);
}
BENCHMARK(BM_GenerateBalancedHomeAndAway)->Arg(181)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
