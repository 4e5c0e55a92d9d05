// tabulon-cli generate, run as a separate process.
#include "fixtures/FixtureSort.h"
#include "fixtures/Schedule.h"
#include "model/TournamentFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TABULON_CLI), QStringList { QStringLiteral("generate") } + args);
    CliRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Group 1: four teams, no lines. Group 2: three teams and a result.
TournamentData tournament()
{
    TournamentData data;
    data.title = QStringLiteral("Tabulon - Cup at Leeds");
    data.GroupCount = 2;
    data.GroupTitle = QStringLiteral("Division");
    data.TeamsInGroup = { 0, 4, 3, 1 };
    data.RuleCount = 1;
    data.RuleOrder = { 0, 1 };
    data.groups = {
        { QStringLiteral("1. Division A"), { "Rovers", "United", "City", "Town" }, {} },
        { QStringLiteral("2. Division B"), { "Athletic", "Wanderers", "Albion" }, { "R:07-Mar-2000:1:0:2:2:0:2" } },
    };
    return data;
}

} // namespace

class TestCliGenerate : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        m_path = m_folder.filePath(QStringLiteral("cup.trn"));
        QFile::remove(m_path);
        QString error;
        QVERIFY2(saveTournamentFile(tournament(), m_path, &error), qPrintable(error));
    }

    // The group gets the schedule of the core functions for the seeded order, in date order, and
    // the rest of the tournament is written back unchanged.
    void fillsAnEmptyGroup()
    {
        const CliRun run
            = runCli({ m_path, "--group", "1", "--start", "01-Mar-2000", "--gap", "7", "--home-away", "--seed", "5" });
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Added 12 fixtures to 1. Division A, 01-Mar-2000 to 05-Apr-2000.\n"));

        const TournamentReadResult read = readTournamentFile(m_path);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QStringList expected = buildSchedule(shuffledTeamOrder(4, seededFractions(5)), 2, QDate(2000, 3, 1), 7).lines;
        QVERIFY(sortByRecordDate(expected));
        QCOMPARE(read.data->groups[0].recordLines, expected);
        TournamentData unchanged = tournament();
        unchanged.groups[0].recordLines = expected;
        QCOMPARE(formatTournament(*read.data).value_or(QByteArray()),
                 formatTournament(unchanged).value_or(QByteArray("x")));
    }

    void sameSeedSameSchedule()
    {
        const QStringList args { m_path, "--group", "1", "--start", "01-Mar-2000", "--gap", "-7", "--seed", "99" };
        QCOMPARE(runCli(args).exitCode, 0);
        const QByteArray first = contentsOf(m_path);
        init();
        QCOMPARE(runCli(args).exitCode, 0);
        QCOMPARE(contentsOf(m_path), first);
        QVERIFY(first.contains("F:23-Feb-2000:"));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QStringList base { "--start", "01-Mar-2000", "--gap", "7" };
        QTest::newRow("group holds a result")
            << (QStringList { "--group", "2" } + base) << 1
            << "Cannot create fixtures unless fixture list is empty: group 2 holds 1 line.";
        QTest::newRow("group that does not exist")
            << (QStringList { "--group", "3" } + base) << 1 << "group 3 does not exist; the tournament has 2 groups.";
        QTest::newRow("round date beyond 31-Dec-9999")
            << QStringList { "--group", "1", "--start", "20-Dec-9999", "--gap", "7" } << 1
            << "Error 5 - Round 3 of the first leg would fall 14 days from 20-Dec-9999";
        QTest::newRow("round index times gap beyond 16 bits")
            << QStringList { "--group", "1", "--start", "01-Mar-2000", "--gap", "16384" } << 1 << "Error 6 - Overflow";
        QTest::newRow("gap beyond 16 bits")
            << QStringList { "--group", "1", "--start", "01-Mar-2000", "--gap", "40000" } << 2
            << "--gap needs a whole number of days from -32768 to 32767, not \"40000\".";
        QTest::newRow("start that is not a date")
            << QStringList { "--group", "1", "--start", "31-Feb-2000", "--gap", "7" } << 2
            << "--start needs a date such as 01-Mar-2000, not \"31-Feb-2000\".";
        QTest::newRow("seed that is not a number")
            << (QStringList { "--group", "1", "--seed", "x" } + base) << 2 << "--seed needs a whole number";
        QTest::newRow("missing gap") << QStringList { "--group", "1", "--start", "01-Mar-2000" } << 2 << "Usage:";
    }
    // A refusal says why on standard error, ends with a non-zero status and leaves the file alone.
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QByteArray before = contentsOf(m_path);
        const CliRun run = runCli(QStringList { m_path } + args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.out, QString());
        QCOMPARE(contentsOf(m_path), before);
    }

    void missingFile()
    {
        const QString missing = m_folder.filePath(QStringLiteral("missing.trn"));
        const CliRun run = runCli({ missing, "--group", "1", "--start", "01-Mar-2000", "--gap", "7" });
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(missing), qPrintable(run.err));
        QVERIFY(!QFile::exists(missing));
    }

private:
    QTemporaryDir m_folder;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestCliGenerate)
#include "tst_cli_generate.moc"
