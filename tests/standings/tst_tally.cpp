#include "standings/Tally.h"

#include <QTest>

namespace {

// Won, Drawn, Lost, For, Against, Pts of one team.
using Figures = QList<qint64>;

Figures figuresOf(const TeamTally& t)
{
    return { t.won, t.drawn, t.lost, t.goalsFor, t.against, t.pts };
}

} // namespace

class TestTally : public QObject
{
    Q_OBJECT

private slots:
    void tallies_data();
    void tallies();
    void everyTeamGetsATally();
    void sumsPassSixteenBits();
};

void TestTally::tallies_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("pointsForWin");
    QTest::addColumn<int>("pointsForDraw");
    QTest::addColumn<Figures>("team0");
    QTest::addColumn<Figures>("team1");
    QTest::addColumn<int>("skipped");

    QTest::newRow("home win") << QStringList { "R:07-Mar-2000:0:0:2:1:0:1" } << 3 << 1 << Figures { 1, 0, 0, 2, 1, 3 }
                              << Figures { 0, 0, 1, 1, 2, 0 } << 0;
    QTest::newRow("away win, two points a win") << QStringList { "R:07-Mar-2000:0:0:0:3:0:1" } << 2 << 1
                                                << Figures { 0, 0, 1, 0, 3, 0 } << Figures { 1, 0, 0, 3, 0, 2 } << 0;
    QTest::newRow("0-0 draw") << QStringList { "R:07-Mar-2000:0:0:0:0:0:1" } << 3 << 1 << Figures { 0, 1, 0, 0, 0, 1 }
                              << Figures { 0, 1, 0, 0, 0, 1 } << 0;
    QTest::newRow("draw with 0 points for a draw") << QStringList { "R:07-Mar-2000:1:1:2:2:0:1" } << 3 << 0
                                                   << Figures { 0, 1, 0, 2, 2, 0 } << Figures { 0, 1, 0, 2, 2, 0 } << 0;
    QTest::newRow("draw with 2 points for a draw") << QStringList { "R:07-Mar-2000:1:1:2:2:1:0" } << 3 << 2
                                                   << Figures { 0, 1, 0, 2, 2, 2 } << Figures { 0, 1, 0, 2, 2, 2 } << 0;
    QTest::newRow("half-time scores do not count") << QStringList { "R:07-Mar-2000:3:0:0:1:0:1" } << 3 << 1
                                                   << Figures { 0, 0, 1, 0, 1, 0 } << Figures { 1, 0, 0, 1, 0, 3 } << 0;
    QTest::newRow("two results count twice, For sums home and away")
        << QStringList { "R:07-Mar-2000:0:0:2:1:0:1", "R:14-Mar-2000:0:0:3:1:1:0" } << 3 << 1
        << Figures { 1, 0, 1, 3, 4, 3 } << Figures { 1, 0, 1, 4, 3, 3 } << 0;
    QTest::newRow("fixtures do not count") << QStringList { "F:07-Mar-2000:0:1", "F:14-Mar-2000:1:0" } << 3 << 1
                                           << Figures { 0, 0, 0, 0, 0, 0 } << Figures { 0, 0, 0, 0, 0, 0 } << 0;
    QTest::newRow("scores read as record numbers") << QStringList { "R:07-Mar-2000:0:0:02:2.5:0:1" } << 3 << 1
                                                   << Figures { 0, 1, 0, 2, 2, 1 } << Figures { 0, 1, 0, 2, 2, 1 } << 0;
    QTest::newRow("prefix must be exact")
        << QStringList { "r:07-Mar-2000:0:0:2:1:0:1", " R:07-Mar-2000:0:0:2:1:0:1" } << 3 << 1
        << Figures { 0, 0, 0, 0, 0, 0 } << Figures { 0, 0, 0, 0, 0, 0 } << 0;
    QTest::newRow("unreadable and foreign lines are passed over")
        << QStringList { "R:07-Mar-2000:0:0:2:1:0", "R:07-Mar-2000:0:0:2:1:0:2", "R:07-Mar-2000:0:0:2:1:-1:0",
                         "R:07-Mar-2000:0:0:99999:1:0:1", "R:07-Mar-2000:0:0:1:0:1:0" }
        << 3 << 1 << Figures { 0, 0, 1, 0, 1, 0 } << Figures { 1, 0, 0, 1, 0, 3 } << 4;
}

void TestTally::tallies()
{
    QFETCH(QStringList, lines);
    QFETCH(int, pointsForWin);
    QFETCH(int, pointsForDraw);
    QFETCH(Figures, team0);
    QFETCH(Figures, team1);
    QFETCH(int, skipped);

    const TallyOutcome outcome = tallyResults(lines, 2, pointsForWin, pointsForDraw);
    QCOMPARE(outcome.tallies.size(), 2);
    QCOMPARE(figuresOf(outcome.tallies[0]), team0);
    QCOMPARE(figuresOf(outcome.tallies[1]), team1);
    QCOMPARE(outcome.skippedLines, skipped);
}

void TestTally::everyTeamGetsATally()
{
    const TallyOutcome outcome = tallyResults({ QStringLiteral("R:07-Mar-2000:0:0:1:0:0:1") }, 4, 3, 1);
    QCOMPARE(outcome.tallies.size(), 4);
    QCOMPARE(figuresOf(outcome.tallies[3]), (Figures { 0, 0, 0, 0, 0, 0 }));
}

void TestTally::sumsPassSixteenBits()
{
    // 3 results of 32767-0 give 98301 goals and 9 points: beyond what 16 bits hold.
    const QStringList lines(3, QStringLiteral("R:07-Mar-2000:0:0:32767:0:0:1"));
    const TallyOutcome outcome = tallyResults(lines, 2, 3, 1);
    QCOMPARE(outcome.tallies[0].goalsFor, qint64(98301));
    QCOMPARE(outcome.tallies[1].diff(), qint64(-98301));
}

QTEST_GUILESS_MAIN(TestTally)
#include "tst_tally.moc"
