// Planning the cup day of a large tournament: 8 groups of 6 teams (120 group games) and a 16-team
// knockout stage on 6 pitches.
#include "CoreBenchmarkMain.h"
#include "core/timetable/DayPlanner.h"

namespace {

PlanRequest largeCupDay()
{
    PlanRequest request;
    request.pitchCount = 6;
    request.days = { QDate(2027, 6, 12) };
    request.hours = { 8 * 60, 20 * 60 };
    request.changeoverMinutes = 5;
    request.restMinutes = 15;
    QVector<QVector<int>> groups(8);
    for (int group = 0; group < 8; ++group) {
        // The circle method: the first team stays, the others turn one place a round.
        QVector<int> circle { 0, 1, 2, 3, 4, 5 };
        for (int round = 1; round <= 5; ++round) {
            for (int i = 0; i < 3; ++i) {
                groups[group].append(int(request.games.size()));
                request.games.append(
                    { group, round, 15, { group * 6 + circle.at(i), group * 6 + circle.at(5 - i) }, {} });
            }
            circle.insert(1, circle.takeLast());
        }
    }
    // Round of 16: 1A v 2B, 1B v 2A, ...; then quarter-finals, semi-finals, third place and final.
    QVector<int> previous;
    for (int tie = 0; tie < 8; ++tie) {
        const int pair = tie / 2 * 2;
        previous.append(int(request.games.size()));
        request.games.append({ -1, 1, 20, {}, groups.at(pair) + groups.at(pair + 1) });
    }
    while (previous.size() > 1) {
        QVector<int> next;
        for (int tie = 0; tie < previous.size(); tie += 2) {
            next.append(int(request.games.size()));
            request.games.append({ -1, 1, 20, {}, { previous.at(tie), previous.at(tie + 1) } });
        }
        if (next.size() == 1)
            request.games.append({ -1, 1, 20, {}, previous }); // third place
        previous = next;
    }
    return request;
}

void BM_PlanLargeCupDay(benchmark::State& state)
{
    const PlanRequest request = largeCupDay();
    for (auto _ : state) {
        const std::optional<DayPlan> plan = planDay(request, nullptr);
        if (!plan) {
            state.SkipWithError("no plan");
            return;
        }
        state.counters["end"] = plan->end;
        state.counters["leastEnd"] = plan->leastEnd;
    }
}
BENCHMARK(BM_PlanLargeCupDay)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runCoreBenchmarks(argc, argv);
}
