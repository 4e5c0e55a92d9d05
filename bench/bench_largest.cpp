// tabulon-cli end to end on the largest tournament in practice: 8 groups of 181 teams, every team
// meeting every other at home and away (32,580 results a group). Each benchmark runs one command
// as a user would, from start to exit, so reading the file, the tables and the writing all count.
#include "CoreBenchmarkMain.h"
#include "core/records/RecordLines.h"
#include "core/tournament/TournamentFile.h"

#include <QDate>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kGroups = 8;
constexpr int kTeams = 181;

TournamentData largestSeason()
{
    TournamentData data;
    data.title = QStringLiteral("Tabulon - Largest League at Leeds");
    data.GroupCount = kGroups;
    data.GroupTitle = QStringLiteral("Division");
    data.RuleCount = 5;
    for (int r = 1; r <= 5; ++r)
        data.RuleOrder[r] = static_cast<qint16>(r);
    QRandomGenerator random(181);
    for (int g = 1; g <= kGroups; ++g) {
        data.TeamsInGroup[g] = kTeams;
        TournamentGroupData group;
        group.caption = QStringLiteral("%1. Division %2").arg(g).arg(QChar(u'A' + g - 1));
        for (int t = 0; t < kTeams; ++t)
            group.teams.append(QStringLiteral("Athletic Club %1 of %2").arg(t + 1).arg(g));
        int game = 0;
        for (int home = 0; home < kTeams; ++home) {
            for (int away = 0; away < kTeams; ++away) {
                if (home == away)
                    continue;
                const QString date = formatRecordDate(QDate(2000, 8, 1).addDays(game++ / 90));
                const int h = random.bounded(5), a = random.bounded(4);
                group.recordLines.append(resultStoredLine(
                    date, { QString::number(h / 2), QString::number(a / 2), QString::number(h), QString::number(a) },
                    home, away));
            }
        }
        data.groups.append(group);
    }
    return data;
}

// The tournament saved once for every benchmark of the run, in a folder of its own.
class LargestFile
{
public:
    static LargestFile& instance()
    {
        static LargestFile file;
        return file;
    }
    QString path() const { return m_folder.filePath(QStringLiteral("largest.trn")); }
    QString folder() const { return m_folder.path(); }
    bool ok() const { return m_ok; }

private:
    LargestFile() { m_ok = saveTournamentFile(largestSeason(), path()); }
    QTemporaryDir m_folder;
    bool m_ok = false;
};

// Runs tabulon-cli with the arguments, `{file}` standing for the tournament and `{out}` for a path
// in its folder; the benchmark ends with an error when the command fails.
void runCli(benchmark::State& state, QStringList arguments)
{
    const LargestFile& file = LargestFile::instance();
    if (!file.ok()) {
        state.SkipWithError("the tournament could not be written");
        return;
    }
    arguments.replaceInStrings(QStringLiteral("{file}"), file.path());
    arguments.replaceInStrings(QStringLiteral("{out}"), file.folder() + QStringLiteral("/out"));
    for (auto _ : state) {
        QProcess cli;
        cli.setStandardOutputFile(QProcess::nullDevice());
        cli.start(QStringLiteral(TABULON_CLI), arguments);
        if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
            state.SkipWithError(
                qPrintable(QStringLiteral("tabulon-cli %1 failed: %2")
                               .arg(arguments.first(), QString::fromLocal8Bit(cli.readAllStandardError()))));
            break;
        }
    }
}

void BM_Check(benchmark::State& state)
{
    runCli(state, { QStringLiteral("check"), QStringLiteral("{file}") });
}
void BM_Table(benchmark::State& state)
{
    runCli(state, { QStringLiteral("table"), QStringLiteral("{file}") });
}
void BM_Report(benchmark::State& state)
{
    runCli(state,
           { QStringLiteral("report"), QStringLiteral("{file}"), QStringLiteral("--group"), QStringLiteral("1") });
}
void BM_ReportHtml(benchmark::State& state)
{
    runCli(state,
           { QStringLiteral("report"), QStringLiteral("{file}"), QStringLiteral("--group"), QStringLiteral("1"),
             QStringLiteral("--format"), QStringLiteral("html") });
}
void BM_ReportWorkbook(benchmark::State& state)
{
    runCli(state,
           { QStringLiteral("report"), QStringLiteral("{file}"), QStringLiteral("--group"), QStringLiteral("1"),
             QStringLiteral("--format"), QStringLiteral("xlsx"), QStringLiteral("--output"),
             QStringLiteral("{out}.xlsx") });
}
void BM_Calendar(benchmark::State& state)
{
    runCli(state,
           { QStringLiteral("calendar"), QStringLiteral("{file}"), QStringLiteral("--group"), QStringLiteral("1"),
             QStringLiteral("--output"), QStringLiteral("{out}.ics") });
}
void BM_Publish(benchmark::State& state)
{
    runCli(state, { QStringLiteral("publish"), QStringLiteral("{file}"), QStringLiteral("{out}-site") });
}

BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Table)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReportHtml)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReportWorkbook)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Calendar)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Publish)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runCoreBenchmarks(argc, argv);
}
