// League tables end to end through the temporary database, and the head-to-head rule at its worst:
// a whole group level on points, wins, goal difference and goals.
#include "CoreBenchmarkMain.h"
#include "StandingsGroups.h"
#include "core/records/RecordLines.h"
#include "core/standings/HeadToHead.h"
#include "core/standings/Standings.h"
#include "core/standings/Tally.h"

#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A scratch copy of the built database, so that the benchmark never writes the one beside the program.
class ScratchDatabase
{
public:
    ScratchDatabase()
    {
        m_path = m_folder.filePath(QStringLiteral("TempDB.mdb"));
        QFile::copy(QStringLiteral(TABULON_TEMPDB), m_path);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }
    QString path() const { return m_path; }

private:
    QTemporaryDir m_folder;
    QString m_path;
};

// The rows as the league query hands them to the head-to-head rule: all level, in team-number order.
QVector<LeagueRow> levelRows(const StandingsRequest& request)
{
    QVector<LeagueRow> rows;
    const QStringList& teams = request.group.teams();
    for (int i = 0; i < teams.size(); ++i) {
        rows.append({ teams[i], 127, 1, 127, 127, 127, 0, 127 * 3 + 1 });
        rows.last().teamNumber = i;
    }
    return rows;
}

void BM_Season380EndToEnd(benchmark::State& state)
{
    const StandingsRequest request = season();
    ScratchDatabase database;
    for (auto _ : state) {
        const StandingsOutcome outcome = computeStandings(request, database.path());
        if (!outcome.ok() || outcome.table.rows.size() != 20)
            state.SkipWithError(qPrintable(outcome.error));
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_Season380EndToEnd)->Unit(benchmark::kMillisecond);

void BM_AllLevel256EndToEnd(benchmark::State& state)
{
    const StandingsRequest request = allLevel();
    ScratchDatabase database;
    for (auto _ : state) {
        const StandingsOutcome outcome = computeStandings(request, database.path());
        if (!outcome.ok() || outcome.table.rows.size() != 256)
            state.SkipWithError(qPrintable(outcome.error));
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_AllLevel256EndToEnd)->Unit(benchmark::kMillisecond);

void BM_AllLevel256HeadToHead(benchmark::State& state)
{
    const StandingsRequest request = allLevel();
    const QVector<LeagueRow> rows = levelRows(request);
    const QVector<GameResult> games = tallyResults(request.group, 3, 1).games;
    for (auto _ : state) {
        QVector<LeagueRow> working = rows;
        separateLevelPairs(working, games);
        benchmark::DoNotOptimize(working);
    }
}
BENCHMARK(BM_AllLevel256HeadToHead)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runCoreBenchmarks(argc, argv);
}
