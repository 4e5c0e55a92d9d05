#include "SeasonData.h"
#include "standings/LeagueQuery.h"
#include "standings/Standings.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

namespace {

const QStringList kLeagueColumns { "Competitors Name", "Won", "Lost", "Drawn", "For", "Against", "Diff", "Pts" };
const QStringList kTempTableColumns { "Competitors Name", "Won", "Drawn", "Lost", "For", "Against", "Diff", "Pts" };

QStringList namesOf(const LeagueTable& table)
{
    QStringList names;
    for (const LeagueRow& row : table.rows)
        names.append(row.name);
    return names;
}

// Runs statements on a database file through a connection of the test's own.
bool runSql(const QString& path, const QStringList& statements, QString* error = nullptr)
{
    const QString name = QStringLiteral("test-setup");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString& sql : statements) {
            QSqlQuery query(db);
            if (ok && !query.exec(sql)) {
                ok = false;
                if (error)
                    *error = query.lastError().text();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QStringList readColumn(const QString& path, const QString& sql)
{
    const QString name = QStringLiteral("test-read");
    QStringList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(sql);
        while (query.next())
            values.append(query.value(0).toString());
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return values;
}

QString result(int home, int away, int homeGoals, int awayGoals)
{
    return QStringLiteral("R:07-Mar-2000:0:0:%1:%2:%3:%4").arg(homeGoals).arg(awayGoals).arg(home).arg(away);
}

StandingsRequest request(const QStringList& teams, const QStringList& storedLines, const QList<int>& rules)
{
    StandingsRequest r;
    r.teams = teams;
    r.storedLines = storedLines;
    r.displayLines = buildDisplayLines(storedLines, teams);
    r.ruleOrder = rules;
    return r;
}

} // namespace

class TestStandings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void reportQueryAndColumns_data();
    void reportQueryAndColumns();
    void withoutRuleFiveTempTableIsLeftAlone();
    void tiesComeInTeamNumberOrder_data();
    void tiesComeInTeamNumberOrder();
    void headToHeadThroughTheDatabase_data();
    void headToHeadThroughTheDatabase();
    void teamsWithoutResultsAppear();
    void missingDatabaseIsNotCreated();
    void databaseErrors_data();
    void databaseErrors();
    void failureKeepsTheTablesAsTheyWere();
    void anotherProgramNeverMixesRows();
    void officialTables_data();
    void officialTables();

private:
    QTemporaryDir m_folder;
    QString m_database;
};

void TestStandings::init()
{
    QVERIFY(m_folder.isValid());
    m_database = m_folder.filePath(QStringLiteral("TempDB.mdb"));
    QFile::remove(m_database);
    QVERIFY(QFile::copy(QStringLiteral(TABULON_TEMPDB), m_database));
    QFile::setPermissions(m_database, QFile::ReadOwner | QFile::WriteOwner);
}

void TestStandings::reportQueryAndColumns_data()
{
    QTest::addColumn<QList<int>>("rules");
    QTest::addColumn<QString>("reportQuery");
    QTest::addColumn<QStringList>("columns");

    QTest::newRow("1, 2 returns the league query")
        << QList<int> { 1, 2 } << kLeagueQueryFixedText + QStringLiteral("ORDER BY [Pts] DESC, [Diff] DESC")
        << kLeagueColumns;
    QTest::newRow("5, 1 returns TempTable")
        << QList<int> { 5, 1 } << QStringLiteral("SELECT * FROM TempTable") << kTempTableColumns;
    QTest::newRow("5 alone returns TempTable")
        << QList<int> { 5 } << QStringLiteral("SELECT * FROM TempTable") << kTempTableColumns;
}

void TestStandings::reportQueryAndColumns()
{
    QFETCH(QList<int>, rules);
    QFETCH(QString, reportQuery);
    QFETCH(QStringList, columns);

    const StandingsOutcome outcome
        = computeStandings(request({ "Rovers", "United" }, { result(0, 1, 2, 1) }, rules), m_database);
    QVERIFY2(outcome.ok(), qPrintable(outcome.error));
    QCOMPARE(outcome.reportQuery, reportQuery);
    QCOMPARE(outcome.table.columns, columns);
    QCOMPARE(namesOf(outcome.table), (QStringList { "Rovers", "United" }));
    QCOMPARE(outcome.table.rows[0].pts, 3);

    // The text report mode hands on yields the same rows from the database.
    QCOMPARE(readColumn(m_database, reportQuery), (QStringList { "Rovers", "United" }));
}

void TestStandings::withoutRuleFiveTempTableIsLeftAlone()
{
    QVERIFY(runSql(m_database, { "INSERT INTO TempTable VALUES ('left over', 0, 0, 0, 0, 0, 0, 0)" }));
    const StandingsOutcome outcome = computeStandings(request({ "Rovers", "United" }, {}, { 1, 2 }), m_database);
    QVERIFY2(outcome.ok(), qPrintable(outcome.error));
    QCOMPARE(readColumn(m_database, "SELECT [Competitors Name] FROM TempTable"), QStringList { "left over" });
}

void TestStandings::tiesComeInTeamNumberOrder_data()
{
    QTest::addColumn<QList<int>>("rules");
    QTest::addColumn<bool>("backwardsEngine");
    QTest::addColumn<QStringList>("expected");

    // Teams in reverse alphabetical order, so that neither name order nor the engine's own order
    // passes: 0 Zeta, 1 Epsilon, 2 Delta, 3 Gamma, 4 Beta. Epsilon beat Delta 1-0; the rest are
    // level on points and games won, and all but Delta on goal difference and goals too.
    for (bool backwards : { false, true }) {
        const char* engine = backwards ? " (engine scans backwards)" : "";
        QTest::addRow("rules 1, 2, 3%s", engine)
            << QList<int> { 1, 2, 3 } << backwards << QStringList { "Epsilon", "Zeta", "Gamma", "Beta", "Delta" };
        QTest::addRow("rule 1%s", engine)
            << QList<int> { 1 } << backwards << QStringList { "Epsilon", "Zeta", "Delta", "Gamma", "Beta" };
        QTest::addRow("rules 5, 4%s", engine)
            << QList<int> { 5, 4 } << backwards << QStringList { "Epsilon", "Zeta", "Delta", "Gamma", "Beta" };
        QTest::addRow("rule 5 alone%s", engine)
            << QList<int> { 5 } << backwards << QStringList { "Zeta", "Epsilon", "Delta", "Gamma", "Beta" };
    }
}

void TestStandings::tiesComeInTeamNumberOrder()
{
    QFETCH(QList<int>, rules);
    QFETCH(bool, backwardsEngine);
    QFETCH(QStringList, expected);

    if (backwardsEngine) {
        // Rows added to this copy get row ids in reverse team order, so an engine left to itself
        // hands equal rows back in reverse.
        QString error;
        QVERIFY2(runSql(m_database,
                        { "CREATE TRIGGER backwardsTeams AFTER INSERT ON Teams BEGIN UPDATE Teams SET rowid = "
                          "1000000 - NEW.TeamNumber WHERE rowid = NEW.rowid; END",
                          "CREATE TRIGGER backwardsLeague AFTER INSERT ON League BEGIN UPDATE League SET rowid = "
                          "1000000 - NEW.TeamNumber WHERE rowid = NEW.rowid; END" },
                        &error),
                 qPrintable(error));
    }
    const QStringList teams { "Zeta", "Epsilon", "Delta", "Gamma", "Beta" };
    const QStringList lines { result(1, 2, 1, 0), "F:07-Mar-2000:3:4" };
    const StandingsOutcome outcome = computeStandings(request(teams, lines, rules), m_database);
    QVERIFY2(outcome.ok(), qPrintable(outcome.error));
    QCOMPARE(namesOf(outcome.table), expected);

    // A report reading the text report mode hands on gets the same order.
    QString error;
    const std::optional<LeagueTable> report = readReportTable(m_database, outcome.reportQuery, &error);
    QVERIFY2(report, qPrintable(error));
    QCOMPARE(namesOf(*report), expected);
    QCOMPARE(report->columns, outcome.table.columns);
}

void TestStandings::headToHeadThroughTheDatabase_data()
{
    QTest::addColumn<QList<int>>("rules");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");

    // Teams: 0 Athletic, 1 Borough, 2 City.
    QTest::newRow("level pair: the winner of their game goes up")
        << QList<int> { 5, 1 } << QStringList { result(0, 2, 1, 0), result(1, 2, 1, 0), result(1, 0, 2, 0) }
        << QStringList { "Borough", "Athletic", "City" };
    QTest::newRow("rule 5 after rule 1 acts the same")
        << QList<int> { 1, 5 } << QStringList { result(0, 2, 1, 0), result(1, 2, 1, 0), result(1, 0, 2, 0) }
        << QStringList { "Borough", "Athletic", "City" };
    // Athletic and Borough both have 3 points, 1 win and 2 goals, but Diff +1 against -1.
    QTest::newRow("level on three figures but not Diff, rules 1, 5")
        << QList<int> { 1, 5 } << QStringList { result(1, 0, 1, 0), result(0, 2, 2, 0), result(2, 1, 3, 1) }
        << QStringList { "Athletic", "Borough", "City" };
    QTest::newRow("fixtures between them do not count")
        << QList<int> { 5, 1 } << QStringList { result(0, 2, 1, 0), result(1, 2, 1, 0), "F:08-Mar-2000:1:0" }
        << QStringList { "Athletic", "Borough", "City" };
}

void TestStandings::headToHeadThroughTheDatabase()
{
    QFETCH(QList<int>, rules);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);

    const StandingsOutcome outcome
        = computeStandings(request({ "Athletic", "Borough", "City" }, lines, rules), m_database);
    QVERIFY2(outcome.ok(), qPrintable(outcome.error));
    QCOMPARE(namesOf(outcome.table), expected);
    QCOMPARE(outcome.table.columns, kTempTableColumns);
    QCOMPARE(readColumn(m_database, outcome.reportQuery), expected);
}

void TestStandings::teamsWithoutResultsAppear()
{
    const StandingsOutcome outcome
        = computeStandings(request({ "Rovers", "United", "City" }, { "F:07-Mar-2000:0:1" }, { 1 }), m_database);
    QVERIFY2(outcome.ok(), qPrintable(outcome.error));
    QCOMPARE(outcome.table.rows.size(), 3);
    for (const LeagueRow& row : outcome.table.rows)
        QCOMPARE(row, (LeagueRow { row.name, 0, 0, 0, 0, 0, 0, 0 }));
}

void TestStandings::missingDatabaseIsNotCreated()
{
    const QString missing = m_folder.filePath(QStringLiteral("missing/TempDB.mdb"));
    const QString missingHere = m_folder.filePath(QStringLiteral("Absent.mdb"));
    for (const QString& path : { missing, missingHere }) {
        const StandingsOutcome outcome = computeStandings(request({ "Rovers" }, {}, { 1 }), path);
        QCOMPARE(outcome.error, QStringLiteral("Error 14 - unable to open database file"));
        QVERIFY(outcome.reportQuery.isEmpty());
        QVERIFY(outcome.table.rows.isEmpty());
        QVERIFY(!QFileInfo::exists(path));

        QString error;
        QVERIFY(!readReportTable(path, kTempTableQuery, &error));
        QCOMPARE(error, QStringLiteral("Error 14 - unable to open database file"));
        QVERIFY(!QFileInfo::exists(path));
    }
}

void TestStandings::databaseErrors_data()
{
    QTest::addColumn<QStringList>("damage");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QList<int>>("rules");
    QTest::addColumn<QString>("error");

    QTest::newRow("League missing") << QStringList { "DROP TABLE League" } << QByteArray() << QList<int> { 1 }
                                    << "Error 1 - no such table: League";
    QTest::newRow("Teams missing") << QStringList { "DROP TABLE Teams" } << QByteArray() << QList<int> { 1 }
                                   << "Error 1 - no such table: Teams";
    QTest::newRow("TempTable missing with rule 5") << QStringList { "DROP TABLE TempTable" } << QByteArray()
                                                   << QList<int> { 5 } << "Error 1 - no such table: TempTable";
    QTest::newRow("not a database") << QStringList() << QByteArray("This is not a database file, just text.\n")
                                    << QList<int> { 1 } << "Error 26 - file is not a database";
}

void TestStandings::databaseErrors()
{
    QFETCH(QStringList, damage);
    QFETCH(QByteArray, contents);
    QFETCH(QList<int>, rules);
    QFETCH(QString, error);

    if (!damage.isEmpty())
        QVERIFY(runSql(m_database, damage));
    if (!contents.isEmpty()) {
        QFile file(m_database);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents.repeated(200));
    }
    const StandingsOutcome outcome = computeStandings(request({ "Rovers", "United" }, {}, rules), m_database);
    QCOMPARE(outcome.error, error);
    QVERIFY(outcome.reportQuery.isEmpty());
}

void TestStandings::failureKeepsTheTablesAsTheyWere()
{
    QVERIFY(computeStandings(request({ "Rovers", "United" }, { result(0, 1, 1, 0) }, { 1 }), m_database).ok());
    QVERIFY(runSql(m_database, { "DROP TABLE TempTable" }));

    // League and Teams are emptied and refilled before TempTable is found missing; all of it is undone.
    const StandingsOutcome outcome
        = computeStandings(request({ "Athletic", "Borough", "City" }, { result(2, 0, 4, 0) }, { 5 }), m_database);
    QVERIFY(!outcome.ok());
    QCOMPARE(readColumn(m_database, "SELECT [Competitors Name] FROM Teams ORDER BY TeamNumber"),
             (QStringList { "Rovers", "United" }));
    QCOMPARE(readColumn(m_database, "SELECT Pts FROM League ORDER BY TeamNumber"), (QStringList { "3", "0" }));
}

// A second program keeps rewriting the same file with its own teams; every computation here must
// still read back exactly its own rows.
void TestStandings::anotherProgramNeverMixesRows()
{
    std::atomic<bool> stop { false };
    std::atomic<int> foreignWrites { 0 };
    std::thread other([&] {
        const QString name = QStringLiteral("other-program");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(m_database);
            db.open();
            while (!stop) {
                QSqlQuery query(db);
                if (!query.exec("BEGIN IMMEDIATE"))
                    continue;
                query.exec("DELETE FROM Teams");
                query.exec("DELETE FROM League");
                for (int i = 0; i < 7; ++i) {
                    query.exec(QStringLiteral("INSERT INTO Teams VALUES (%1, 'Foreign %1')").arg(i));
                    query.exec(QStringLiteral("INSERT INTO League VALUES (%1, 9, 0, 0, 9, 0, 9, 99)").arg(i));
                }
                query.exec("COMMIT");
                ++foreignWrites;
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    });

    const QStringList teams { "Rovers", "United", "City" };
    for (int i = 0; i < 60; ++i) {
        const StandingsOutcome outcome
            = computeStandings(request(teams, { result(2, 1, 1, 0), result(1, 0, 1, 0) }, { 1, 5 }), m_database);
        if (!outcome.ok() || namesOf(outcome.table) != QStringList { "United", "City", "Rovers" }) {
            stop = true;
            other.join();
            QFAIL(qPrintable(QStringLiteral("computation %1: %2 %3")
                                 .arg(i)
                                 .arg(outcome.error, namesOf(outcome.table).join(QStringLiteral(", ")))));
        }
    }
    stop = true;
    other.join();
    QVERIFY(foreignWrites > 0);
}

void TestStandings::officialTables_data()
{
    QTest::addColumn<QString>("season");
    QTest::addColumn<QList<int>>("rules");

    QTest::newRow("Premier League 2011-12, rules 1, 2, 3") << "eng_premier_league_2011_12" << QList<int> { 1, 2, 3 };
    QTest::newRow("Premier League 2011-12, rules 1, 4, 2, 3, 5")
        << "eng_premier_league_2011_12" << QList<int> { 1, 4, 2, 3, 5 };
    QTest::newRow("Euro 2024 group E, rules 1, 2, 3, 5") << "euro_2024_group_e" << QList<int> { 1, 2, 3, 5 };
    QTest::newRow("World Cup 2018 group B, rules 1, 2, 3") << "world_cup_2018_group_b" << QList<int> { 1, 2, 3 };
}

void TestStandings::officialTables()
{
    QFETCH(QString, season);
    QFETCH(QList<int>, rules);

    const Season data = loadSeason(season);
    QVERIFY(!data.officialTable.isEmpty());
    QCOMPARE(data.teams.size(), data.officialTable.size());

    StandingsRequest r;
    r.teams = data.teams;
    r.storedLines = data.storedLines;
    r.displayLines = data.displayLines;
    r.ruleOrder = rules;
    const StandingsOutcome outcome = computeStandings(r, m_database);
    QVERIFY2(outcome.ok(), qPrintable(outcome.error));
    QCOMPARE(outcome.skippedLines, 0);
    QCOMPARE(outcome.table.rows.size(), data.officialTable.size());
    for (int i = 0; i < data.officialTable.size(); ++i) {
        const LeagueRow& official = data.officialTable[i];
        const LeagueRow& computed = outcome.table.rows[i];
        if (!(computed == official))
            QFAIL(qPrintable(QStringLiteral("position %1: %2 (%3 pts, %4 diff, %5 for), officially %6 (%7 pts)")
                                 .arg(i + 1)
                                 .arg(computed.name)
                                 .arg(computed.pts)
                                 .arg(computed.diff)
                                 .arg(computed.goalsFor)
                                 .arg(official.name)
                                 .arg(official.pts)));
    }
}

QTEST_GUILESS_MAIN(TestStandings)
#include "tst_standings.moc"
