// tabulon-cli generate, run as a separate process.
#include "CliRunner.h"
#include "fixtures/FixtureSort.h"
#include "fixtures/Schedule.h"
#include "model/TournamentFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCliGenerate : public QObject
{
    Q_OBJECT

private slots:
    void generate_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // all of standard output on success, part of standard error otherwise
        const auto row = [](const char* name, const char* args, int exitCode, const QString& message) {
            QTest::newRow(name) << QString::fromLatin1(args).split(u' ') << exitCode << message;
        };
        row("six teams home and away, seeded", "--group 1 --start 01-Mar-2000 --gap 7 --home-away --seed 5", 0,
            "Added 30 fixtures to 1. Division A, 01-Mar-2000 to 03-May-2000.\n");
        row("group holds a result", "--group 2 --start 01-Mar-2000 --gap 7", 1,
            "Cannot create fixtures unless fixture list is empty: group 2 holds 1 line.");
        row("round index times gap beyond 16 bits", "--group 1 --start 01-Mar-2000 --gap 8192", 1,
            "Error 6 - Overflow: round 4 times the gap of 8192 days is 32768 days");
        row("gap beyond 16 bits", "--group 1 --start 01-Mar-2000 --gap 40000", 2,
            "--gap needs a whole number of days from -32768 to 32767, not \"40000\".");
    }
    // A run adds the core's seeded schedule in date order and nothing else; a refusal leaves the file alone.
    void generate()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        TournamentData data;
        data.GroupCount = 2;
        data.TeamsInGroup = { 0, 6, 3 };
        data.RuleCount = 1;
        data.RuleOrder = { 0, 1 };
        data.groups = { { "1. Division A", { "Rovers", "United", "City", "Town", "Athletic", "Albion" }, {} },
                        { "2. Division B", { "Wanderers", "Rangers", "Villa" }, { "R:07-Mar-2000:1:0:2:2:0:2" } } };
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cup.trn"));
        QVERIFY(saveTournamentFile(data, path));

        const CliRun run = runCli(QStringList { "generate", path } + args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(exitCode == 0 ? run.out == message : run.err.contains(message), qPrintable(run.out + run.err));
        if (exitCode == 0) {
            QStringList& lines = data.groups[0].recordLines;
            lines = buildSchedule(shuffledTeamOrder(6, seededFractions(5)), 2, QDate(2000, 3, 1), 7).lines;
            QVERIFY(sortByRecordDate(lines));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), formatTournament(data).value_or(QByteArray()));
    }
};

QTEST_GUILESS_MAIN(TestCliGenerate)
#include "tst_cli_generate.moc"
