// Saving and opening the largest tournament a file can hold in practice: 8 groups of 256 teams,
// each with 32767 record lines. Opening is what File > Open does: the file read and checked, and
// every group's games read into the document.
#include "core/records/RecordLines.h"
#include "core/tournament/TournamentDocument.h"
#include "core/tournament/TournamentFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kGroups = 8;
constexpr int kTeams = 256;
constexpr int kRecordLines = 32767;

TournamentData largestTournament()
{
    TournamentData data;
    data.title = QStringLiteral("Tabulon - Benchmark Cup at Łódź");
    data.GroupCount = kGroups;
    data.GroupTitle = QStringLiteral("Division");
    data.Indicator = 0;
    data.RuleCount = 5;
    for (int r = 1; r <= 5; ++r)
        data.RuleOrder[r] = static_cast<qint16>(r);
    data.PointsForWin = 3;
    data.PointsForDraw = 1;
    for (int g = 1; g <= kGroups; ++g) {
        data.TeamsInGroup[g] = kTeams;
        TournamentGroupData group;
        group.caption = QStringLiteral("%1. Division %2").arg(g).arg(QChar(u'A' + g - 1));
        for (int t = 0; t < kTeams; ++t)
            group.teams.append(QStringLiteral("Team %1 of group %2 Beşiktaş").arg(t).arg(g));
        const QDate start(2000, 1, 1);
        for (int k = 0; k < kRecordLines; ++k) {
            const QString date = formatRecordDate(start.addDays(k % 3650));
            const int home = k % kTeams;
            const int away = (k / kTeams + home + 1) % kTeams;
            if (k % 2 == 0)
                group.recordLines.append(fixtureStoredLine(date, home, away));
            else
                group.recordLines.append(resultStoredLine(
                    date,
                    { QString::number(k % 3), QString::number(k % 2), QString::number(k % 5), QString::number(k % 4) },
                    home, away));
        }
        data.groups.append(group);
    }
    return data;
}

void BM_SaveTournament(benchmark::State& state)
{
    const TournamentData data = largestTournament();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("largest.trn"));
    for (auto _ : state) {
        QString error;
        if (!saveTournamentFile(data, path, &error))
            state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_SaveTournament)->Unit(benchmark::kMillisecond);

// Writes the largest tournament to `path` for a reading benchmark; false (and the benchmark skipped) on failure.
bool saveLargestTournament(const QString& path, benchmark::State& state)
{
    QString error;
    if (saveTournamentFile(largestTournament(), path, &error))
        return true;
    state.SkipWithError(qPrintable(error));
    return false;
}

void BM_OpenTournament(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("largest.trn"));
    if (!saveLargestTournament(path, state))
        return;
    for (auto _ : state) {
        TournamentDocument document;
        const TournamentReadResult read = document.open(path);
        if (!read.ok()) {
            state.SkipWithError(qPrintable(read.error));
            break;
        }
        benchmark::DoNotOptimize(document.group(kGroups).games().size());
    }
}
BENCHMARK(BM_OpenTournament)->Unit(benchmark::kMillisecond);

// The reading and checking alone, without the display lines.
void BM_ReadTournamentFile(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("largest.trn"));
    if (!saveLargestTournament(path, state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(readTournamentFile(path).ok());
}
BENCHMARK(BM_ReadTournamentFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
