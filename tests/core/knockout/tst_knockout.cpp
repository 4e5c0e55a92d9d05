#include "core/knockout/BracketSeeding.h"
#include "core/knockout/KnockoutStage.h"

#include <QFile>
#include <QSet>
#include <QTest>

namespace {

// "2-1" as a game's score, nothing for an empty text.
std::optional<GameScore> score(const QString& text)
{
    const int dash = text.indexOf('-', 1); // "3--1" is a negative score
    return text.isEmpty() ? std::nullopt
                          : std::optional<GameScore>({ text.left(dash).toInt(), text.mid(dash + 1).toInt() });
}

// Legs separated by blanks ("1-0 2-0"), then the extra-time score and the shoot-out.
TieResult tie(const QString& legs, const QString& extraTime = {}, const QString& penalties = {})
{
    TieResult result;
    for (const QString& leg : legs.split(' '))
        result.legs.append(*score(leg));
    result.extraTime = score(extraTime);
    result.penalties = score(penalties);
    return result;
}

QString nameOf(const std::optional<KnockoutTeam>& team)
{
    return team ? team->name : QStringLiteral("?");
}

} // namespace

Q_DECLARE_METATYPE(TieResult)

class TestKnockout : public QObject
{
    Q_OBJECT

private slots:
    void winnerRule_data()
    {
        QTest::addColumn<TieResult>("result");
        QTest::addColumn<bool>("awayGoals");
        QTest::addColumn<QString>("outcome"); // "first", "second" or the refusal

        const QString levelAfterFullTime = "The tie is level after full time: enter the score after extra time.";
        const QString noExtraTime = "Extra time is played only when the tie is level after full time.";
        const QString noShootOut = "A penalty shoot-out is held only when the tie is level after extra time.";
        QTest::newRow("aggregate, second leg reversed") << tie("1-0 2-0") << false << "second";
        QTest::newRow("extra time") << tie("1-1", "1-2") << false << "second";
        QTest::newRow("second leg's shoot-out") << tie("1-0 1-0", "1-0", "4-3") << false << "second";
        QTest::newRow("away goals off") << tie("2-1 1-0") << false << levelAfterFullTime;
        QTest::newRow("away goals on") << tie("2-1 1-0") << true << "second";
        QTest::newRow("away goals on, one game") << tie("1-1", "2-1") << true << "first";
        QTest::newRow("away goals on, no extra time") << tie("2-1 1-0", "2-0") << true << noExtraTime;
        QTest::newRow("away goals on, not in extra time") << tie("1-1 1-1", "2-2", "5-4") << true << "second";
        QTest::newRow("level, no extra time") << tie("0-0", {}, "5-4") << false << levelAfterFullTime;
        QTest::newRow("no extra time after a win") << tie("2-1", "3-1") << false << noExtraTime;
        QTest::newRow("extra time below full time")
            << tie("2-2", "1-3") << false << "The score after extra time cannot be lower than the full-time score.";
        QTest::newRow("level after extra time")
            << tie("1-1", "1-1") << false << "The tie is level after extra time: enter the penalty shoot-out.";
        QTest::newRow("shoot-out after a win") << tie("1-1", "2-1", "5-4") << false << noShootOut;
        QTest::newRow("level pens") << tie("1-1", "1-1", "4-4") << false << "A penalty shoot-out cannot end level.";
        QTest::newRow("negative") << tie("0-0", "0-0", "3--1") << false << "A score cannot be negative.";
    }
    void winnerRule()
    {
        QFETCH(TieResult, result);
        QFETCH(bool, awayGoals);
        QFETCH(QString, outcome);
        QString refusal;
        const std::optional<TieSide> side = decideTie(result, awayGoals, &refusal);
        QCOMPARE(side ? QString(*side == TieSide::First ? "first" : "second") : refusal, outcome);
    }

    void tieNames_data()
    {
        QTest::addColumn<QString>("name"); // of the tie whose code is the row's tag
        QTest::newRow("R16-3") << "Round of 16, tie 3";
        QTest::newRow("QF2") << "Quarter-final 2";
        QTest::newRow("SF1") << "Semi-final 1";
        QTest::newRow("F") << "Final";
        QTest::newRow("3P") << "Third-place match";
        QTest::newRow("R16-9") << "";
    }
    void tieNames()
    {
        QFETCH(QString, name);
        const QString code = QTest::currentDataTag();
        const std::optional<TieId> tie = readTieCode(code);
        QCOMPARE(tie ? tieName(*tie) : QString(), name);
        QVERIFY(!tie || tieCode(*tie) == code);
    }

    // Every count of entrants: the seeding order's properties, and byes to the top seeds.
    void seeding()
    {
        QCOMPARE(seedOrder(8), QVector<int>({ 1, 8, 4, 5, 2, 7, 3, 6 }));
        for (int entrants = 1; entrants <= 65; ++entrants) {
            QVector<KnockoutTeam> seeds;
            for (int seed = 1; seed <= entrants; ++seed)
                seeds.append({ 0, seed, QString::number(seed) });
            QString refusal;
            const std::optional<KnockoutStage> stage = KnockoutStage::fromSeeds(seeds, &refusal);
            QCOMPARE(refusal, entrants >= 2 && entrants <= 64 ? "" : "A knockout stage has 2 to 64 entrants.");
            if (!stage)
                continue;
            const int size = stage->size();
            QVERIFY(size >= entrants && size < 2 * entrants);
            const QVector<int> order = seedOrder(size);
            QVERIFY(order.indexOf(1) / (size / 2) != order.indexOf(2) / (size / 2));
            QSet<int> quarters;
            for (int seed = 1; seed <= size; ++seed) {
                const int place = order.indexOf(seed);
                QCOMPARE(order.count(seed), 1);
                QCOMPARE(seed + order[place ^ 1], size + 1);
                if (seed <= 4)
                    quarters.insert(place * 4 / size);
                // The top seeds, and only they, have byes, and move on at once.
                const QString code = tieCode({ size, place / 2 + 1 });
                QCOMPARE(stage->isBye(code), seed <= size - entrants || seed > entrants);
                QCOMPARE(stage->winner(code) ? stage->winner(code)->number : 0,
                         stage->isBye(code) ? std::min(seed, size + 1 - seed) : 0);
            }
            QCOMPARE(quarters.size(), std::min(size, 4));
        }
    }

    // Eight seeds: winners move on, the semi-final losers meet for third place, and a changed
    // result that changes who plays a later tie with a result is refused until that result is cleared.
    void progression()
    {
        QVector<KnockoutTeam> seeds;
        for (const QString& name : QStringList { "A", "B", "C", "D", "E", "F", "G", "H" })
            seeds.append({ 0, int(seeds.size() + 1), name });
        KnockoutStage stage = *KnockoutStage::fromSeeds(seeds, nullptr);
        stage.setThirdPlaceMatch(true);
        QCOMPARE(stage.tieCodes(), QStringList({ "QF1", "QF2", "QF3", "QF4", "SF1", "SF2", "3P", "F" }));
        QString refusal;
        QVERIFY(stage.setLegs(4, 2, &refusal));
        QVERIFY(!stage.setResult("SF1", tie("1-0"), &refusal));
        QCOMPARE(refusal, "Who plays in Semi-final 1 is not known yet.");
        for (const QString& code : QStringList { "QF1", "QF2", "QF3", "QF4" })
            QVERIFY(stage.setResult(code, tie("1-0"), &refusal));
        QVERIFY(!stage.setResult("SF1", tie("1-0"), &refusal));
        QCOMPARE(refusal, "Semi-final 1 is played in two legs: enter the full-time score of each leg.");
        QVERIFY(stage.setResult("SF1", tie("0-0 1-0"), &refusal)); // D beats A
        QVERIFY(!stage.setLegs(4, 1, &refusal));
        QCOMPARE(refusal,
                 "Results have been entered in the Semi-finals: clear them before changing the number of legs.");
        QVERIFY(stage.setResult("SF2", tie("2-0 1-1"), &refusal)); // B beats C
        QVERIFY(stage.setResult("3P", tie("0-1"), &refusal) && stage.setResult("F", tie("3-0"), &refusal));
        QCOMPARE(nameOf(stage.team("3P", TieSide::First)) + nameOf(stage.team("3P", TieSide::Second)), "AC");
        QCOMPARE(nameOf(stage.winner("3P")) + nameOf(stage.team("F", TieSide::Second)) + nameOf(stage.champion()),
                 "CBD");

        // H instead of A in the first semi-final: its result goes, and with it the final's and third place's.
        QCOMPARE(stage.laterResultsChangedBy("QF1", tie("0-1")), QStringList({ "SF1", "3P", "F" }));
        QCOMPARE(stage.laterResultsChangedBy("QF1", tie("3-1")), QStringList());
        QCOMPARE(stage.laterResultsChangedBy("QF4", std::nullopt), QStringList({ "SF2", "3P", "F" }));
        QVERIFY(!stage.setResult("QF1", tie("0-1"), &refusal));
        QCOMPARE(refusal,
                 "Changing this result changes who plays in Semi-final 1, Third-place match and Final, "
                 "which already have results.");
        QCOMPARE(nameOf(stage.team("SF1", TieSide::First)), "A");
        stage.clearResults(stage.laterResultsChangedBy("QF1", tie("0-1")));
        QVERIFY(stage.setResult("QF1", tie("0-1"), &refusal));
        QCOMPARE(nameOf(stage.team("SF1", TieSide::First)) + nameOf(stage.team("SF2", TieSide::First)), "HB");
        QVERIFY(!stage.result("F") && stage.result("SF2"));
    }

    // The 2018 World Cup from its round of 16, the pairs placed as played; every team and winner as reported.
    void worldCup2018()
    {
        QFile file(TABULON_TEST_DATA "/world_cup_2018/knockout.csv");
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QVector<QStringList> rows;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts).mid(1))
            rows.append(line.split(','));
        QVector<KnockoutStage::Place> places;
        for (const QStringList& row : rows.mid(0, 8))
            places << KnockoutTeam { 0, 0, row[1] } << KnockoutTeam { 0, 0, row[2] };
        KnockoutStage stage = *KnockoutStage::fromPlaces(places, nullptr);
        stage.setThirdPlaceMatch(true);
        for (const QStringList& row : rows) {
            QString refusal;
            QCOMPARE(nameOf(stage.team(row[0], TieSide::First)) + '-' + nameOf(stage.team(row[0], TieSide::Second)),
                     row[1] + '-' + row[2]);
            QVERIFY2(stage.setResult(row[0], tie(row[3], row[4], row[5]), &refusal), qPrintable(refusal));
            QCOMPARE(nameOf(stage.winner(row[0])), row[6]);
        }
        QCOMPARE(nameOf(stage.winner("3P")) + ' ' + nameOf(stage.champion()), "Belgium France");
    }
};

QTEST_GUILESS_MAIN(TestKnockout)
#include "tst_knockout.moc"
