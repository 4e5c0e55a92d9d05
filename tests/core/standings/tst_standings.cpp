#include "core/standings/HeadToHead.h"
#include "core/standings/LeagueQuery.h"
#include "core/standings/Standings.h"
#include "core/standings/Tally.h"
#include "core/standings/TempDatabase.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Lines = QStringList;

// Runs statements through a connection of the test's own; the error of the first that fails.
QString runSql(const QString& path, const QStringList& statements)
{
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test");
        db.setDatabaseName(path);
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0"); // a locked file fails at once
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        for (const QString& sql : statements)
            if (error.isEmpty() && !query.exec(sql))
                error = query.lastError().text() + db.lastError().text();
    }
    QSqlDatabase::removeDatabase("test");
    return error;
}

QString namesOf(const QVector<LeagueRow>& rows)
{
    QStringList names;
    for (const LeagueRow& row : rows)
        names.append(row.name);
    return names.join(u',');
}

template <typename... Number>
QString numbers(Number... values)
{
    return QStringList { QString::number(values)... }.join(u' ');
}

QString stored(int home, int away, int homeGoals, int awayGoals, const QString& halfTime = "0:0")
{
    return "R:07-Mar-2000:" + halfTime + ':' + numbers(homeGoals, awayGoals, home, away).replace(' ', ':');
}

// Z, Y and X beat each other in a circle and are level on every figure through their games with V;
// among themselves Y has the best goal difference although Z beat Y.
const Lines kCircle { stored(0, 1, 1, 0), stored(1, 2, 2, 0), stored(2, 0, 1, 0),
                      stored(0, 4, 2, 0), stored(0, 4, 1, 1), stored(1, 4, 1, 0),
                      stored(1, 4, 1, 1), stored(2, 4, 3, 0), stored(2, 4, 0, 0) };

// Z, Y, X and W on 6 points (V adds outside their games); among the four X leads, Z and Y are level
// and then Y beat Z.
const Lines kSubset { stored(1, 0, 1, 0), stored(0, 2, 1, 0), stored(2, 1, 1, 0), stored(0, 3, 0, 0),
                      stored(1, 3, 0, 0), stored(2, 3, 2, 0), stored(0, 4, 0, 0), stored(0, 4, 0, 0),
                      stored(1, 4, 0, 0), stored(1, 4, 0, 0), stored(3, 4, 1, 0), stored(3, 4, 0, 0),
                      stored(4, 2, 1, 0) };

// The request as a group window makes it, under the tournament's points and rules.
StandingsRequest request(const QStringList& teams, const QStringList& storedLines, const QList<int>& rules,
                         int pointsForWin = 3, int pointsForDraw = 1)
{
    TournamentSettings settings;
    settings.PointsForWin = static_cast<qint16>(pointsForWin);
    settings.PointsForDraw = static_cast<qint16>(pointsForDraw);
    settings.RuleCount = static_cast<qint16>(rules.size());
    std::copy(rules.begin(), rules.end(), settings.RuleOrder.begin() + 1);
    return standingsRequestFor(GroupRecords(teams, storedLines), settings);
}

} // namespace

class TestStandings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_database = m_folder.filePath("TempDB.mdb");
        QFile::remove(m_database);
        QVERIFY(QFile::copy(TABULON_TEMPDB, m_database));
        QFile::setPermissions(m_database, QFile::ReadOwner | QFile::WriteOwner);
    }

    // Only the full-time scores of readable result lines between the group's teams count: here a 0-0 draw
    // that brings no points, an away win 0-1 after 3-0 at half-time, and a draw whose sums pass 16 bits.
    void tally()
    {
        const TallyOutcome outcome
            = tallyResults(GroupRecords({ "A", "B" },
                                        { stored(0, 1, 0, 0), stored(0, 1, 0, 1, "3:0"), stored(1, 0, 32767, 32767),
                                          "F:07-Mar-2000:0:1", "r:07-Mar-2000:0:0:2:1:0:1", " " + stored(0, 1, 2, 1),
                                          "R:07-Mar-2000:0:0:2:1:0", stored(0, 2, 2, 1), stored(-1, 0, 2, 1) }),
                           3, 0);
        QStringList figures;
        for (const TeamTally& t : outcome.tallies)
            figures << numbers(t.won, t.drawn, t.lost, t.goalsFor, t.against, t.pts);
        QCOMPARE(figures, (QStringList { "0 2 1 32767 32768 0", "1 2 0 32768 32767 3" }));
        QCOMPARE(outcome.skippedLines, 3);
    }

    // A game counts between two teams only when they are its home and away: "Old Rovers v City" is no
    // game of Rovers, though the one name holds the other. City and Rovers never met, so team order stands.
    void gamesBetweenTeamsAreTheirsAlone()
    {
        const StandingsOutcome outcome
            = computeStandings(request({ "City", "Old Rovers", "Rovers", "Town" },
                                       { stored(1, 0, 1, 0), stored(0, 3, 2, 0), stored(2, 3, 2, 1) }, { 1, 2, 3, 5 }),
                               m_database);
        QCOMPARE(namesOf(outcome.table.rows), QStringLiteral("City,Rovers,Old Rovers,Town"));
        QCOMPARE(outcome.table.why.value(1), QStringLiteral("level on every rule: team order"));
    }

    // The report mode hands its query on; a report reading it gets the same table.
    void ordersThroughTheDatabase_data()
    {
        QTest::addColumn<QList<int>>("rules");
        QTest::addColumn<int>("pointsForWin");
        QTest::addColumn<int>("pointsForDraw");
        QTest::addColumn<bool>("backwardsEngine");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<QString>("expected");

        // Teams 0 Z, 1 Y, 2 X, 3 W, 4 V: neither name order nor the engine's own order passes. Y beat X;
        // the others are level on points and games won, and all but X on goal difference and goals too.
        const Lines beaten { stored(1, 2, 1, 0), "F:07-Mar-2000:3:4" };
        const Lines level { stored(2, 3, 1, 0), stored(3, 2, 1, 0) }; // X and W beat each other
        const Lines swing { stored(1, 2, 1, 0), stored(3, 1, 3, 0) }; // Y: 3 points but a goal difference of -2
        const auto row = [](const QString& name, const QList<int>& rules, const Lines& lines, const char* expected,
                            bool backwards, int win = 3, int draw = 1) {
            QTest::newRow(qPrintable(name)) << rules << win << draw << backwards << lines << QString(expected);
        };
        for (bool backwards : { false, true }) {
            const QString engine = backwards ? ", engine scans backwards" : "";
            row("rules 1, 2, 3" + engine, { 1, 2, 3 }, beaten, "Y,Z,W,V,X", backwards);
            row("rules 2, 1" + engine, { 2, 1 }, swing, "W,Z,V,X,Y", backwards);
            row("rules 5, 1" + engine, { 5, 1 }, beaten, "Y,Z,X,W,V", backwards);
            row("rule 5 alone" + engine, { 5 }, beaten, "Z,Y,X,W,V", backwards);
            row("rules 1, 5, 4: head-to-head" + engine, { 1, 5, 4 }, level, "W,X,Z,Y,V", backwards);
        }
        row("rules 1, 5: pairs leave Z above Y, whom it beat", { 1, 5 }, kCircle, "Z,Y,X,V,W", false);
        row("rules 1, 6: the table of their games puts Y first", { 1, 6 }, kCircle, "Y,Z,X,V,W", false);
        for (bool backwards : { false, true })
            row(QString("rules 1, 6: reapplied to the two still level") + (backwards ? ", engine scans backwards" : ""),
                { 1, 6 }, kSubset, "V,X,Y,Z,W", backwards);
        // Z and Y on 3 points; Z beat Y, Y has the better goal difference and more goals.
        const Lines beatenBetter { stored(0, 1, 1, 0), stored(2, 0, 1, 0), stored(1, 3, 5, 0), stored(2, 4, 0, 0) };
        row("rules 1, 6, 2, 3: their game before goal difference", { 1, 6, 2, 3 }, beatenBetter, "X,Z,Y,V,W", false);
        row("rules 1, 2, 3, 6: goal difference first", { 1, 2, 3, 6 }, beatenBetter, "X,Y,Z,V,W", false);
        row("rules 1, 3, 6: goals scored first", { 1, 3, 6 }, beatenBetter, "X,Y,Z,V,W", false);

        // Z and Y drew, X beat W.
        const Lines drawn { stored(0, 1, 0, 0), stored(2, 3, 1, 0) };
        row("2 points for a win, 2 for a draw", { 1 }, drawn, "Z,Y,X,W,V", false, 2, 2);
        row("3 points for a win, 0 for a draw", { 1 }, drawn, "X,Z,Y,W,V", false, 3, 0);
    }

    void ordersThroughTheDatabase()
    {
        QFETCH(QList<int>, rules);
        QFETCH(int, pointsForWin);
        QFETCH(int, pointsForDraw);
        QFETCH(bool, backwardsEngine);
        QFETCH(Lines, lines);
        QFETCH(QString, expected);
        // Rows added get row ids in reverse team order: an engine left to itself hands equal rows back in reverse.
        const QString trigger = "CREATE TRIGGER backwards%1 AFTER INSERT ON %1 BEGIN UPDATE %1 SET rowid = 1000000 - "
                                "NEW.TeamNumber WHERE rowid = NEW.rowid; END";
        if (backwardsEngine)
            QCOMPARE(runSql(m_database, { trigger.arg("Teams"), trigger.arg("League") }), QString());
        const StandingsOutcome outcome = computeStandings(
            request({ "Z", "Y", "X", "W", "V" }, lines, rules, pointsForWin, pointsForDraw), m_database);
        QCOMPARE(namesOf(outcome.table.rows), expected);
        const std::optional<LeagueTable> report = readReportTable(m_database, outcome.reportQuery, nullptr);
        QVERIFY(report);
        QCOMPARE(report->columns, outcome.table.columns);
        QCOMPARE(namesOf(report->rows), expected);
    }

    void officialTables_data()
    {
        QTest::addColumn<QList<int>>("rules");
        // A full 20-team double round robin (380 results) and two groups of four, against the published tables.
        for (const char* season : { "eng_premier_league_2011_12", "euro_2024_group_e", "world_cup_2018_group_b" })
            QTest::addRow("%s, rules 1, 4, 2, 3, 5", season) << QList<int> { 1, 4, 2, 3, 5 };
        QTest::newRow("eng_premier_league_2011_12, rules 1, 2, 3") << QList<int> { 1, 2, 3 };
    }

    // tests/data/seasons holds every match as "date,home,away,home_ht,away_ht,home_ft,away_ft" and the
    // official table as "pos,team,played,won,drawn,lost,gf,ga,gd,pts", each under a header line.
    void officialTables()
    {
        QFETCH(QList<int>, rules);
        const auto csv = [](const QString& suffix) {
            QFile file(TABULON_TEST_DATA "/seasons/" + QString(QTest::currentDataTag()).section(',', 0, 0) + suffix);
            return file.open(QIODevice::ReadOnly) ? QString(file.readAll()).split('\n', Qt::SkipEmptyParts).mid(1)
                                                  : Lines();
        };
        QStringList teams, lines, official, computed;
        for (const QString& line : csv(".csv")) {
            const QStringList f = line.trimmed().split(u',');
            for (const QString& team : { f[1], f[2] })
                if (!teams.contains(team))
                    teams << team;
            lines << stored(teams.indexOf(f[1]), teams.indexOf(f[2]), f[5].toInt(), f[6].toInt(), f[3] + ':' + f[4]);
        }
        for (const QString& line : csv(".table.csv"))
            official << line.section(',', 1, 1) + ' ' + line.trimmed().section(',', 3).replace(',', ' ');
        const StandingsOutcome outcome = computeStandings(request(teams, lines, rules), m_database);
        for (const LeagueRow& r : outcome.table.rows)
            computed << r.name + ' ' + numbers(r.won, r.drawn, r.lost, r.goalsFor, r.against, r.diff, r.pts);
        QVERIFY(official.size() >= 4 && outcome.skippedLines == 0);
        QCOMPARE(computed, official);
    }

    void explainsEachRow_data()
    {
        QTest::addColumn<QList<int>>("rules");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<QStringList>("why"); // of each row, teams Z, Y, X, W, V
        const QString points = "points in their games 0 against 3";
        const QString teamOrder = "level on every rule: team order";
        QTest::newRow("rules 1, 6: the table of their games, then points")
            << QList<int> { 1, 6 } << kCircle
            << QStringList { "", "level on 7 points; goal difference in their games 0 against 1",
                             "level on 7 points; goal difference in their games -1 against 0", "points 3 against 7",
                             "points 0 against 3" };
        QTest::newRow("rules 1, 6: a smaller set asked again")
            << QList<int> { 1, 6 } << kSubset
            << QStringList { "", "points 6 against 8", "level on 6 points; points in their games 4 against 6",
                             "level on 6 points; " + points, "level on 6 points; points in their games 2 against 4" };
        QTest::newRow("rule 6 alone: goals scored in their games, then team order")
            << QList<int> { 6 } << Lines { stored(0, 1, 2, 1), stored(1, 2, 1, 0), stored(2, 0, 1, 0) }
            << QStringList { "", points, "goals scored in their games 1 against 2", points, teamOrder };
        QTest::newRow("rules 1, 2, 3, 4: level on every rule")
            << QList<int> { 1, 2, 3, 4 } << kCircle
            << QStringList { "", teamOrder, teamOrder, "points 3 against 7", "points 0 against 3" };
        QTest::newRow("rules 4, 3, 1, 2: one of a kind in the singular")
            << QList<int> { 4, 3, 1, 2 } << Lines { stored(0, 3, 1, 0), stored(1, 4, 2, 0), stored(2, 3, 1, 1) }
            << QStringList { "", "level on 1 game won; goals scored 1 against 2", "games won 0 against 1",
                             "level on 0 games won, 1 goal scored, 1 point; goal difference -1 against 0",
                             "level on 0 games won; goals scored 0 against 1" };
        const QString lost = "level on 7 points; lost the last deciding game between them";
        QTest::newRow("rules 1, 5: each pair's last deciding game")
            << QList<int> { 1, 5 } << kCircle
            << QStringList { "", lost, lost, "points 3 against 7", "points 0 against 3" };
    }
    void explainsEachRow()
    {
        QFETCH(QList<int>, rules);
        QFETCH(Lines, lines);
        const StandingsOutcome outcome
            = computeStandings(request({ "Z", "Y", "X", "W", "V" }, lines, rules), m_database);
        QTEST(outcome.table.why, "why");
    }

    // The write lock is taken as the transaction begins: a second program filling the same file
    // waits for the computation to end instead of mixing its rows into it.
    void transactionLocksTheFileAtOnce()
    {
        TempDatabase database(m_database);
        QVERIFY(database.open());
        QVERIFY(database.beginTransaction());
        const QString locked = runSql(m_database, { "BEGIN IMMEDIATE" });
        QVERIFY2(locked.contains("database is locked"), qPrintable(locked));
        QVERIFY(database.commit());
        QCOMPARE(runSql(m_database, { "BEGIN IMMEDIATE", "COMMIT" }), QString());
    }

    // Write-ahead logging keeps the file whole through a power cut. A file damaged all the same is
    // named in the message with how to restore it, and the one made anew orders tables again.
    void damagedFileIsNamedAndMadeAnew()
    {
        const StandingsRequest twoTeams = request({ "A", "B" }, { stored(0, 1, 1, 0) }, { 1 });
        QVERIFY(computeStandings(twoTeams, m_database).ok());
        QFile header(m_database);
        QVERIFY(header.open(QIODevice::ReadOnly));
        QCOMPARE(header.read(20).mid(18, 2), QByteArray("\x02\x02")); // the file's WAL version bytes
        for (const char* suffix : { "", "-wal", "-shm" })
            QFile::remove(m_database + suffix);
        QFile damaged(m_database);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();
        QCOMPARE(computeStandings(twoTeams, m_database).error,
                 QStringLiteral("The temporary database \"%1\" is damaged (Error 26 - file is not a database).\r"
                                "To restore it, close Tabulon and delete that file: Tabulon makes a new one when it "
                                "starts again.")
                     .arg(m_database));
        QVERIFY(createTempDatabase(m_database));
        QCOMPARE(namesOf(computeStandings(twoTeams, m_database).table.rows), QStringLiteral("A,B"));
    }

private:
    QTemporaryDir m_folder;
    QString m_database;
};

QTEST_GUILESS_MAIN(TestStandings)
#include "tst_standings.moc"
