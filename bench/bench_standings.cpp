// League tables end to end through the temporary database, and the head-to-head rule at its worst:
// a whole group level on points, wins, goal difference and goals.
#include "core/records/RecordLines.h"
#include "core/standings/HeadToHead.h"
#include "core/standings/Standings.h"
#include "tests/core/standings/LiteralHeadToHead.h"

#include <QCoreApplication>
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

QStringList teamNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QStringLiteral("Athletic Club %1 FC").arg(i, 3, 10, QLatin1Char('0')));
    return names;
}

QString resultLine(const QDate& date, int homeGoals, int awayGoals, int home, int away)
{
    const QString h = QString::number(homeGoals);
    const QString a = QString::number(awayGoals);
    return resultStoredLine(formatRecordDate(date), { QStringLiteral("0"), QStringLiteral("0"), h, a }, home, away);
}

// 20 teams, each meeting every other at home and away: 380 results with seeded scores.
StandingsRequest season()
{
    StandingsRequest request;
    request.teams = teamNames(20);
    QRandomGenerator random(2011);
    const QDate start(2011, 8, 13);
    int day = 0;
    for (int home = 0; home < 20; ++home)
        for (int away = 0; away < 20; ++away)
            if (home != away)
                request.storedLines.append(
                    resultLine(start.addDays(day++ / 10), random.bounded(5), random.bounded(4), home, away));
    request.displayLines = buildDisplayLines(request.storedLines, request.teams);
    request.ruleOrder = { 1, 4, 2, 3, 5 };
    return request;
}

// 256 teams, every pair meeting once: 32640 results. Team i beats the 127 teams after it (in a
// circle) 1-0 and draws 0-0 with the one opposite, so every team has 127 wins, 127 losses, one draw,
// 127 goals each way: all level, and the head-to-head rule has a game for every pair it looks at.
StandingsRequest allLevel()
{
    const int n = 256;
    StandingsRequest request;
    request.teams = teamNames(n);
    const QDate start(2000, 1, 1);
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const int distance = j - i;
            const QDate date = start.addDays(request.storedLines.size() / 128);
            if (distance == n / 2)
                request.storedLines.append(resultLine(date, 0, 0, i, j));
            else if (distance < n / 2)
                request.storedLines.append(resultLine(date, 1, 0, i, j)); // i beats j
            else
                request.storedLines.append(resultLine(date, 0, 1, i, j)); // j beats i
        }
    }
    request.displayLines = buildDisplayLines(request.storedLines, request.teams);
    request.ruleOrder = { 1, 4, 2, 3, 5 };
    return request;
}

// The rows as the league query hands them to the head-to-head rule: all level, in team-number order.
QVector<LeagueRow> levelRows(const StandingsRequest& request)
{
    QVector<LeagueRow> rows;
    for (const QString& name : request.teams)
        rows.append({ name, 127, 1, 127, 127, 127, 0, 127 * 3 + 1 });
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

void BM_AllLevel256HeadToHeadIndexed(benchmark::State& state)
{
    const StandingsRequest request = allLevel();
    const QVector<LeagueRow> rows = levelRows(request);
    for (auto _ : state) {
        QVector<LeagueRow> working = rows;
        separateLevelPairs(working, request.displayLines);
        benchmark::DoNotOptimize(working);
    }
}
BENCHMARK(BM_AllLevel256HeadToHeadIndexed)->Unit(benchmark::kMillisecond);

// Every display line scanned for every level pair, in both passes.
void BM_AllLevel256HeadToHeadLiteral(benchmark::State& state)
{
    const StandingsRequest request = allLevel();
    const QVector<LeagueRow> rows = levelRows(request);
    for (auto _ : state) {
        QVector<LeagueRow> working = rows;
        literal::separateLevelPairs(working, request.displayLines);
        benchmark::DoNotOptimize(working);
    }
}
BENCHMARK(BM_AllLevel256HeadToHeadLiteral)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // Qt SQL finds its drivers through the application
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Both versions must leave the same order before their speeds mean anything.
    const StandingsRequest request = allLevel();
    QVector<LeagueRow> indexed = levelRows(request);
    QVector<LeagueRow> plain = indexed;
    separateLevelPairs(indexed, request.displayLines);
    literal::separateLevelPairs(plain, request.displayLines);
    if (indexed != plain) {
        fprintf(stderr, "indexed and literal head-to-head orders differ\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
