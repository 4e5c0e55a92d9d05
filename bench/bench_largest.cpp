// tabulon-cli end to end on the largest tournament in practice: 8 groups of 181 teams, every team
// meeting every other at home and away (32,580 results a group). Each benchmark runs one command
// as a user would, from start to exit, so reading the file, the tables and the writing all count.
#include "CoreBenchmarkMain.h"
#include "core/records/RecordLines.h"
#include "core/tournament/TournamentFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

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

// What a run of tabulon-cli came to: its error text when it failed, and its largest resident memory.
struct CliRun
{
    bool ok = false;
    QString errors;
    long kilobytes = 0;
};

// Spawned and waited for here rather than through QProcess, so that wait4 tells its memory.
CliRun runOnce(const QStringList& arguments, const QString& errorFile)
{
    std::vector<QByteArray> texts { QByteArrayLiteral(TABULON_CLI) };
    for (const QString& argument : arguments)
        texts.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    const QByteArray errors = QFile::encodeName(errorFile);
    posix_spawn_file_actions_t streams;
    posix_spawn_file_actions_init(&streams);
    posix_spawn_file_actions_addopen(&streams, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&streams, 2, errors.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = 0;
    int status = 0;
    rusage usage {};
    const bool ran = posix_spawn(&child, argv[0], &streams, nullptr, argv.data(), environ) == 0
        && wait4(child, &status, 0, &usage) == child;
    posix_spawn_file_actions_destroy(&streams);
    CliRun run { ran && WIFEXITED(status) && WEXITSTATUS(status) == 0, QString(), usage.ru_maxrss };
    if (!run.ok) {
        QFile text(errorFile);
        run.errors = text.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(text.readAll()) : QString();
    }
    return run;
}

// Runs tabulon-cli with the arguments, `{file}` standing for the tournament and `{out}` for a path
// in its folder and `{site}` for what `nextSite` gives before each run, once untimed first when
// `warmUp`. The
// benchmark ends with an error when the command fails; its counter rss_MB is the command's largest
// resident memory.
void runCli(benchmark::State& state, QStringList arguments, bool warmUp = false,
            const std::function<QString()>& nextSite = {})
{
    const LargestFile& file = LargestFile::instance();
    if (!file.ok()) {
        state.SkipWithError("the tournament could not be written");
        return;
    }
    arguments.replaceInStrings(QStringLiteral("{file}"), file.path());
    arguments.replaceInStrings(QStringLiteral("{out}"), file.folder() + QStringLiteral("/out"));
    const QString errorFile = file.folder() + QStringLiteral("/errors.txt");
    const auto failed = [&](const CliRun& run) {
        state.SkipWithError(qPrintable(QStringLiteral("tabulon-cli %1 failed: %2").arg(arguments.first(), run.errors)));
    };
    const auto withSite = [&] {
        QStringList these = arguments;
        if (nextSite)
            these.replaceInStrings(QStringLiteral("{site}"), nextSite());
        return these;
    };
    if (warmUp) {
        const CliRun run = runOnce(withSite(), errorFile);
        if (!run.ok)
            return failed(run);
    }
    long largest = 0;
    for (auto _ : state) {
        QStringList these = arguments;
        if (nextSite) {
            state.PauseTiming();
            these = withSite();
            // The run before wrote hundreds of megabytes; they reach the disk before this run is
            // timed, as they would have long before a user publishes again.
            sync();
            state.ResumeTiming();
        }
        const CliRun run = runOnce(these, errorFile);
        if (!run.ok) {
            failed(run);
            break;
        }
        largest = std::max(largest, run.kilobytes);
    }
    state.counters["rss_MB"] = double(largest) / 1024.0;
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
// A site published for the first time: every file is new. Each run takes a folder never used, as
// a user's first publish does; one just emptied would make the file system seek out the inodes it
// has just freed.
void BM_PublishNewFolder(benchmark::State& state)
{
    const QString sites = LargestFile::instance().folder() + QStringLiteral("/new-sites");
    int run = 0;
    const auto nextFolder = [&] { return QStringLiteral("%1/%2").arg(sites).arg(++run); };
    runCli(state, { QStringLiteral("publish"), QStringLiteral("{file}"), QStringLiteral("{site}") }, false, nextFolder);
    QDir(sites).removeRecursively();
}
// Published again into the site already there: only what changed is written.
void BM_PublishAgain(benchmark::State& state)
{
    runCli(state, { QStringLiteral("publish"), QStringLiteral("{file}"), QStringLiteral("{site}") }, true,
           [] { return LargestFile::instance().folder() + QStringLiteral("/out-site"); });
}

BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Table)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReportHtml)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReportWorkbook)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Calendar)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PublishNewFolder)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PublishAgain)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runCoreBenchmarks(argc, argv);
}
