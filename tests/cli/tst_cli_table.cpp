// tabulon-cli table, run as a separate process.
#include "TemporarySettings.h"
#include "app/Settings.h"
#include "model/TournamentFile.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

const QString kLeagueHeader = QStringLiteral("Competitors Name\tWon\tLost\tDrawn\tFor\tAgainst\tDiff\tPts");
const QString kTempTableHeader = QStringLiteral("Competitors Name\tWon\tDrawn\tLost\tFor\tAgainst\tDiff\tPts");

// Group 1: Rovers and United beat each other, City only drew; group 2: two teams, no results.
TournamentData tournament(const QList<qint16>& rules)
{
    TournamentData data;
    data.title = QStringLiteral("Tabulon - Cup at Leeds");
    data.GroupCount = 2;
    data.GroupTitle = QStringLiteral("Division");
    data.TeamsInGroup = { 0, 3, 2 };
    data.RuleCount = qint16(rules.size());
    for (int i = 0; i < rules.size(); ++i)
        data.RuleOrder[i + 1] = rules[i];
    data.groups = {
        { QStringLiteral("1. Division A"),
          { "Rovers", "United", "City" },
          { "R:07-Mar-2000:1:0:2:1:0:1", "R:14-Mar-2000:0:0:1:0:1:0", "R:21-Mar-2000:0:0:0:0:2:0",
            "R:28-Mar-2000:0:0:0:0:1:2", "F:04-Apr-2000:2:1" } },
        { QStringLiteral("2. Division B"), { "Athletic", "Wanderers" }, { "F:07-Mar-2000:0:1" } },
    };
    return data;
}

} // namespace

class TestCliTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void printsOneGroup_data();
    void printsOneGroup();
    void printsEveryGroupWithCaptions();
    void usesTheDatabaseBesideTheProgramByDefault();
    void missingDatabaseIsAnErrorAndNotCreated();
    void refusesBadArguments_data();
    void refusesBadArguments();
    void refusesUnreadableFile();

private:
    CliRun run(const QStringList& args);
    QString writeTournament(const QList<qint16>& rules);

    TemporarySettings m_settings;
    QTemporaryDir m_folder;
    QString m_database;
};

void TestCliTable::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_database = m_folder.filePath(QStringLiteral("TempDB.mdb"));
    QVERIFY(QFile::copy(QStringLiteral(TABULON_TEMPDB), m_database));
    QFile::setPermissions(m_database, QFile::ReadOwner | QFile::WriteOwner);
}

void TestCliTable::init()
{
    WriteSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), m_database);
}

CliRun TestCliTable::run(const QStringList& args)
{
    QProcess process;
    // The program reads its settings from the test's own store.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_settings.folder());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TABULON_CLI), QStringList { QStringLiteral("table") } + args);
    CliRun result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString TestCliTable::writeTournament(const QList<qint16>& rules)
{
    const QString path = m_folder.filePath(QStringLiteral("cup.trn"));
    QString error;
    if (!saveTournamentFile(tournament(rules), path, &error))
        qWarning() << error;
    return path;
}

void TestCliTable::printsOneGroup_data()
{
    QTest::addColumn<QList<qint16>>("rules");
    QTest::addColumn<QString>("expected");

    // All three have 4 points; Rovers and United also 1 win, 2 for, 2 against.
    QTest::newRow("rules 1, 2: league query, team-number order among equals")
        << QList<qint16> { 1, 2 }
        << kLeagueHeader + "\nRovers\t1\t1\t1\t2\t2\t0\t4\nUnited\t1\t1\t1\t2\t2\t0\t4\nCity\t0\t0\t2\t0\t0\t0\t2\n";
    QTest::newRow("rules 1, 5: TempTable, the last game between them decides")
        << QList<qint16> { 1, 5 }
        << kTempTableHeader + "\nUnited\t1\t1\t1\t2\t2\t0\t4\nRovers\t1\t1\t1\t2\t2\t0\t4\nCity\t0\t2\t0\t0\t0\t0\t2\n";
}

void TestCliTable::printsOneGroup()
{
    QFETCH(QList<qint16>, rules);
    QFETCH(QString, expected);
    const CliRun result = run({ writeTournament(rules), QStringLiteral("--group"), QStringLiteral("1") });
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, expected);
}

void TestCliTable::printsEveryGroupWithCaptions()
{
    const CliRun result = run({ writeTournament({ 1, 2 }) });
    QCOMPARE(result.exitCode, 0);
    const QStringList lines = result.out.split(u'\n');
    QCOMPARE(lines.mid(0, 2), (QStringList { "1. Division A", kLeagueHeader }));
    QCOMPARE(lines.mid(5),
             (QStringList { "", "2. Division B", kLeagueHeader, "Athletic\t0\t0\t0\t0\t0\t0\t0",
                            "Wanderers\t0\t0\t0\t0\t0\t0\t0", "" }));
}

void TestCliTable::usesTheDatabaseBesideTheProgramByDefault()
{
    WriteSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), QString());
    QFile::remove(m_settings.file());
    const CliRun result = run({ writeTournament({ 1 }), QStringLiteral("--group"), QStringLiteral("2") });
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.startsWith(kLeagueHeader));
}

void TestCliTable::missingDatabaseIsAnErrorAndNotCreated()
{
    const QString missing = m_folder.filePath(QStringLiteral("gone/TempDB.mdb"));
    WriteSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), missing);
    const CliRun result = run({ writeTournament({ 1 }) });
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.err.contains(QStringLiteral("Error 14 - unable to open database file")), qPrintable(result.err));
    QVERIFY(result.err.contains(missing));
    QVERIFY(!QFileInfo::exists(missing));
}

void TestCliTable::refusesBadArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");

    QTest::newRow("no file") << QStringList {} << "Usage: tabulon-cli table FILE.trn [--group N]";
    QTest::newRow("two files") << QStringList { "a.trn", "b.trn" } << "Usage: tabulon-cli table FILE.trn [--group N]";
    QTest::newRow("unknown option") << QStringList { "@FILE", "--colour" } << "Unknown option 'colour'";
    QTest::newRow("group not a number") << QStringList { "@FILE", "--group", "two" } << "--group needs a group number";
    QTest::newRow("group 0") << QStringList { "@FILE", "--group", "0" } << "--group needs a group number";
    QTest::newRow("group beyond the tournament")
        << QStringList { "@FILE", "--group", "3" } << "group 3 does not exist; the tournament has 2 groups.";
}

void TestCliTable::refusesBadArguments()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    args.replaceInStrings(QStringLiteral("@FILE"), writeTournament({ 1 }));
    const CliRun result = run(args);
    QVERIFY(result.exitCode != 0);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

void TestCliTable::refusesUnreadableFile()
{
    const QString missing = m_folder.filePath(QStringLiteral("no such cup.trn"));
    const CliRun missingRun = run({ missing });
    QCOMPARE(missingRun.exitCode, 1);
    QVERIFY2(missingRun.err.contains(missing), qPrintable(missingRun.err));

    const QString garbage = m_folder.filePath(QStringLiteral("garbage.trn"));
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Tabulon - Cup at Leeds\r\nnot a number\r\n");
    file.close();
    const CliRun garbageRun = run({ garbage });
    QCOMPARE(garbageRun.exitCode, 1);
    QCOMPARE(garbageRun.out, QString());
    QVERIFY2(garbageRun.err.contains(garbage), qPrintable(garbageRun.err));
}

QTEST_GUILESS_MAIN(TestCliTable)
#include "tst_cli_table.moc"
