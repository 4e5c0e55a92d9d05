#include "LiteralHeadToHead.h"
#include "standings/HeadToHead.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// A row with the four figures that decide whether neighbours are level.
LeagueRow row(const QString& name, qint64 pts = 4, qint64 won = 1, qint64 diff = 0, qint64 goalsFor = 3)
{
    LeagueRow r;
    r.name = name;
    r.pts = pts;
    r.won = won;
    r.diff = diff;
    r.goalsFor = goalsFor;
    r.against = goalsFor - diff;
    return r;
}

QVector<LeagueRow> levelRows(const QStringList& names)
{
    QVector<LeagueRow> rows;
    for (const QString& name : names)
        rows.append(row(name));
    return rows;
}

QStringList namesOf(const QVector<LeagueRow>& rows)
{
    QStringList names;
    for (const LeagueRow& r : rows)
        names.append(r.name);
    return names;
}

QString result(const QString& home, const QString& away, const QString& ft, const QString& ht = QStringLiteral("0-0"))
{
    return QStringLiteral("R:01-Jan-2000:HT:%1:FT:%2:%3-v-%4").arg(ht, ft, home, away);
}

} // namespace

Q_DECLARE_METATYPE(LeagueRow)

class TestHeadToHead : public QObject
{
    Q_OBJECT

private slots:
    void readsFullTimeGoals_data();
    void readsFullTimeGoals();
    void separatesLevelPairs_data();
    void separatesLevelPairs();
    void comparesAllFourFigures_data();
    void comparesAllFourFigures();
    void matchesPlainScanOnRandomGroups();
};

void TestHeadToHead::readsFullTimeGoals_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("home");
    QTest::addColumn<int>("away");

    QTest::newRow("plain result") << result("A", "B", "2-1", "3-0") << 2 << 1;
    QTest::newRow("leading zero") << result("A", "B", "02-10") << 2 << 10;
    QTest::newRow("halves to the even neighbour") << result("A", "B", "2.5-3.5") << 2 << 4;
    QTest::newRow("not a number counts 0") << result("A", "B", "x-") << 0 << 0;
    QTest::newRow("beyond 16 bits counts 0") << result("A", "B", "40000-1") << 0 << 1;
    QTest::newRow("no full-time score") << QStringLiteral("F:01-Jan-2000:A-v-B") << 0 << 0;
    QTest::newRow("away text runs to the end") << QStringLiteral("R:FT:4-5") << 4 << 5;
}

void TestHeadToHead::readsFullTimeGoals()
{
    QFETCH(QString, line);
    QFETCH(int, home);
    QFETCH(int, away);
    const HeadToHeadGoals goals = readHeadToHeadGoals(line);
    QCOMPARE(int(goals.home), home);
    QCOMPARE(int(goals.away), away);
}

void TestHeadToHead::separatesLevelPairs_data()
{
    QTest::addColumn<QStringList>("queryOrder");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");

    const QStringList ab { QStringLiteral("A"), QStringLiteral("B") };
    const QStringList ba { QStringLiteral("B"), QStringLiteral("A") };
    const QStringList abc { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") };

    QTest::newRow("two games: the later decides")
        << ab << QStringList { result("A", "B", "2-1"), result("B", "A", "1-0") } << ba;
    QTest::newRow("two games in the opposite order")
        << ab << QStringList { result("B", "A", "1-0"), result("A", "B", "2-1") } << ab;
    QTest::newRow("a drawn game changes nothing") << ab << QStringList { result("B", "A", "1-1") } << ab;
    QTest::newRow("no game keeps the query order") << ab << QStringList { result("A", "C", "0-5") } << ab;
    QTest::newRow("lower team wins away") << ab << QStringList { result("A", "B", "0-1") } << ba;
    QTest::newRow("half-time scores do not count")
        << ab << QStringList { result("A", "B", "1-0", QStringLiteral("0-3")) } << ab;
    QTest::newRow("a fixture line does not count")
        << ab
        << QStringList { QStringLiteral("F:01-Jan-2000:B-v-A"), QStringLiteral("F:01-Jan-2000:HT:0-0:FT:3-0:B-v-A") }
        << ab;
    QTest::newRow("scores read with halves to even") << ab << QStringList { result("A", "B", "2.5-3") } << ba;
    QTest::newRow("names match case-sensitively")
        << QStringList { QStringLiteral("united"), QStringLiteral("City") }
        << QStringList { result(QStringLiteral("United"), QStringLiteral("City"), "0-2") }
        << QStringList { QStringLiteral("united"), QStringLiteral("City") };
    QTest::newRow("three-team circle: C beat A and B, B beat A")
        << abc << QStringList { result("B", "A", "1-0"), result("C", "A", "1-0"), result("C", "B", "1-0") }
        << QStringList { QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("A") };
    QTest::newRow("three teams: B beat A, C beat B, A and C never met")
        << abc << QStringList { result("B", "A", "1-0"), result("C", "B", "1-0") }
        << QStringList { QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C") };
    QTest::newRow("four teams: D beat all, the rest drawn, two passes only")
        << QStringList { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D") }
        << QStringList { result("A", "B", "1-1"), result("A", "C", "0-0"), result("B", "C", "2-2"),
                         result("D", "A", "1-0"), result("D", "B", "1-0"), result("D", "C", "1-0") }
        << QStringList { QStringLiteral("A"), QStringLiteral("D"), QStringLiteral("B"), QStringLiteral("C") };
    QTest::newRow("Rovers also matches the lines of Old Rovers")
        << QStringList { QStringLiteral("Rovers"), QStringLiteral("United") }
        << QStringList { result(QStringLiteral("Old Rovers"), QStringLiteral("United"), "0-1") }
        << QStringList { QStringLiteral("United"), QStringLiteral("Rovers") };
    // "Rovers" first occurs inside "Old Rovers", before "-v-", so whichever of the two is upper is
    // read as the home side and keeps its place.
    QTest::newRow("Rovers inside Old Rovers is read as the home side")
        << QStringList { QStringLiteral("Rovers"), QStringLiteral("Old Rovers") }
        << QStringList { result(QStringLiteral("Old Rovers"), QStringLiteral("Rovers"), "1-0") }
        << QStringList { QStringLiteral("Rovers"), QStringLiteral("Old Rovers") };
}

void TestHeadToHead::separatesLevelPairs()
{
    QFETCH(QStringList, queryOrder);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);

    QVector<LeagueRow> rows = levelRows(queryOrder);
    separateLevelPairs(rows, lines);
    QCOMPARE(namesOf(rows), expected);

    QVector<LeagueRow> plain = levelRows(queryOrder);
    literal::separateLevelPairs(plain, lines);
    QCOMPARE(namesOf(plain), expected);
}

void TestHeadToHead::comparesAllFourFigures_data()
{
    QTest::addColumn<LeagueRow>("lower");
    QTest::addColumn<bool>("exchanged");

    // B beat A; the upper row A is always row("A") = 4 pts, 1 won, diff 0, 3 for.
    QTest::newRow("level on all four") << row("B") << true;
    QTest::newRow("points differ") << row("B", 3) << false;
    QTest::newRow("games won differ") << row("B", 4, 0) << false;
    QTest::newRow("level on three figures but not Diff") << row("B", 4, 1, -2) << false;
    QTest::newRow("goals scored differ") << row("B", 4, 1, 0, 4) << false;
    QTest::newRow("Drawn, Lost and Against play no part") << [] {
        LeagueRow r = row("B");
        r.drawn = 5;
        r.lost = 7;
        return r;
    }() << true;
}

void TestHeadToHead::comparesAllFourFigures()
{
    QFETCH(LeagueRow, lower);
    QFETCH(bool, exchanged);
    QVector<LeagueRow> rows { row("A"), lower };
    separateLevelPairs(rows, { result("A", "B", "0-2") });
    QCOMPARE(rows.first().name, exchanged ? QStringLiteral("B") : QStringLiteral("A"));
}

// Names built from overlapping pieces (so that names occur inside other names, inside dates and
// scores, and twice in one line), lines of every kind, and figures with many level neighbours.
void TestHeadToHead::matchesPlainScanOnRandomGroups()
{
    QRandomGenerator random(20240611);
    const QStringList pieces { "A", "B", "AB", "Ro", "vers", "Old ", "1", "0", "R", ":", "-", "v", "FT", "-v-", "é" };
    const QStringList scores { "0", "1", "2", "3", "02", "2.5", "x", "", "-1" };
    const auto pick = [&random](const QStringList& list) { return list[random.bounded(int(list.size()))]; };

    for (int round = 0; round < 3000; ++round) {
        const int teamCount = 2 + random.bounded(10);
        QVector<LeagueRow> rows;
        for (int t = 0; t < teamCount; ++t) {
            QString name;
            const int parts = random.bounded(4); // now and then an empty name, which occurs everywhere
            for (int p = 0; p < parts; ++p)
                name += pick(pieces);
            rows.append(row(name, 3 + random.bounded(2), 1, random.bounded(2), 2));
        }
        QStringList lines;
        const int lineCount = random.bounded(40);
        for (int l = 0; l < lineCount; ++l) {
            const QString home = rows[random.bounded(teamCount)].name;
            const QString away = rows[random.bounded(teamCount)].name;
            switch (random.bounded(4)) {
            case 0:
                lines.append(QStringLiteral("F:01-Jan-2000:%1-v-%2").arg(home, away));
                break;
            case 1:
                lines.append(pick(pieces) + pick(pieces) + home + pick(pieces) + away);
                break;
            default:
                lines.append(
                    result(home, away, pick(scores) + u'-' + pick(scores), pick(scores) + u'-' + pick(scores)));
            }
        }
        QVector<LeagueRow> indexed = rows;
        QVector<LeagueRow> plain = rows;
        separateLevelPairs(indexed, lines);
        literal::separateLevelPairs(plain, lines);
        if (indexed != plain) {
            qWarning() << "teams" << namesOf(rows) << "lines" << lines;
            QCOMPARE(namesOf(indexed), namesOf(plain));
        }
    }
}

QTEST_GUILESS_MAIN(TestHeadToHead)
#include "tst_headtohead.moc"
