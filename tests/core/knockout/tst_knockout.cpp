#include "core/knockout/BracketSeeding.h"
#include "core/knockout/KnockoutFormats.h"
#include "core/knockout/KnockoutStage.h"
#include "core/knockout/KnockoutTemplate.h"
#include "core/standings/CrossGroupRanking.h"

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

// Groups split by "|", rows by ";", each row "won drawn lost for against", three points a win.
QVector<QVector<LeagueRow>> tables(const QString& text)
{
    QVector<QVector<LeagueRow>> groups;
    for (const QString& group : text.split('|')) {
        groups.append(QVector<LeagueRow>());
        for (const QString& line : group.split(';')) {
            const QStringList f = line.split(' ', Qt::SkipEmptyParts);
            LeagueRow row { {}, f[0].toInt(), f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt() };
            row.diff = row.goalsFor - row.against;
            row.pts = 3 * row.won + row.drawn;
            groups.last().append(row);
        }
    }
    return groups;
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

    void crossGroupRanking_data()
    {
        QTest::addColumn<QString>("groups");
        QTest::addColumn<int>("rules"); // rule codes as digits
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("ranking"); // group letters, best first

        QTest::newRow("points") << "2 0 1 3 2 | 2 1 0 3 2" << 1234 << 1 << "BA";
        QTest::newRow("difference first") << "3 0 0 3 2 | 1 1 1 6 1" << 2134 << 1 << "BA";
        QTest::newRow("head-to-head left out") << "1 1 1 3 3 | 1 1 1 5 5" << 5613 << 1 << "BA";
        QTest::newRow("then wins, then group order") << "0 3 0 2 2 | 1 0 2 2 2 | 1 0 2 2 2" << 1 << 1 << "BCA";
        QTest::newRow("per game") << "2 1 1 5 3 | 2 0 0 2 0" << 1 << 1 << "BA";
        QTest::newRow("per game, level on points") << "2 2 0 4 2 | 1 1 0 3 1" << 123 << 1 << "BA";
        QTest::newRow("groups with that place")
            << "2 0 0 2 0; 1 0 1 2 2 | 2 0 0 2 0 | 2 0 0 2 0; 1 1 0 2 1" << 1 << 2 << "CA";
    }
    void crossGroupRanking()
    {
        QFETCH(QString, groups);
        QFETCH(int, rules);
        QFETCH(int, position);
        QFETCH(QString, ranking);
        QVector<int> codes;
        for (const QChar digit : QString::number(rules))
            codes.append(digit.digitValue());
        QString letters;
        for (const RankedTeam& team : rankAcrossGroups(tables(groups), codes, position))
            letters += QChar('A' + team.group);
        QCOMPARE(letters, ranking);
    }

    void knockoutTemplate_data()
    {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QString>("thirdsByRank"); // group letters, best first
        QTest::addColumn<QString>("outcome");      // the places ("B3" the third of group B, "-" a bye) or the refusal

        const auto row = [](const char* tag, const QString& csv, const char* thirdsByRank, const QString& outcome) {
            QTest::newRow(tag) << csv << QString(thirdsByRank) << outcome;
        };
        const QString head = "tie,home,away\n";
        // The best two thirds fill QF1 (A, B or D) and QF3 (A or D).
        const QString quarters = head + "QF1,1A,3ABD\nQF2,1B,2C\nQF3,1C,3AD\nQF4,1D,bye\n";
        const QString published = quarters + "thirds,DA,QF3=D QF1=A\n";
        row("best-ranked first", quarters, "DABC", "A1 D3 B1 C2 C1 A3 D1 -");
        row("published", published, "DABC", "A1 A3 B1 C2 C1 D3 D1 -");
        // The best third, A, in QF1 would leave none for QF3.
        row("not published", published, "ABCD", "A1 B3 B1 C2 C1 A3 D1 -");
        row("no fit", published, "BCAD",
            "The thirds of groups BC cannot all be given a place the template allows them.");
        row("too few thirds", quarters, "A", "The template takes 2 third-placed teams; the groups have 1.");
        row("no such team", head + "SF1,1A,4B\nSF2,1B,2A", "",
            "The template names \"4B\", but group B has no team in that place.");
        row("header", "tie,first,second\nF,1A,1B", "", "Line 1: the header must be \"tie,home,away\".");
        row("not a slot", head + "SF1,1A,2B\nSF2,1B,A1", "",
            "Line 3: \"A1\" is not a slot: write 1A for the winner of group A, 2C for the "
            "runner-up of group C, 3ADEF for one of the best third-placed teams of groups A, "
            "D, E or F, or bye.");
        row("among groups", head + "F,1A,2AB", "",
            "Line 2: \"2AB\" is not a slot: only third-placed teams are chosen among groups.");
        row("twice", head + "SF1,1A,2B\nSF2,1B,1A", "", "Line 3: \"1A\" is already in the template.");
        row("two byes", head + "SF1,1A,bye\nSF2,bye,bye", "", "Line 3: a tie cannot have two byes.");
        row("a team in two places", head + "SF1,1A,3B\nSF2,1B,3AB", "",
            "Line 3: \"3AB\" can be the same team as \"3B\" on line 2: a team has one place in the bracket.");
        row("100,000 ties", head + QString("R16-1,1A,2B\n").repeated(100000), "",
            "A template has 1, 2, 4, 8, 16 or 32 ties; this one has 100000.");
        row("user's text as it stands", quarters + "thirds,%1%2,QF1=A QF3=D", "",
            "Line 6: \"%1%2\" is not a set of groups: write the letters of the 2 groups whose thirds qualify.");
        row("three ties", head + "QF1,1A,2B\nQF2,1B,2A\nQF3,1C,2C", "",
            "A template has 1, 2, 4, 8, 16 or 32 ties; this one has 3.");
        row("order", head + "SF2,1A,2B\nSF1,1B,2A", "",
            "Line 2: \"SF2\" should be tie \"SF1\": the first round's ties are listed in order.");
        row("thirds' groups", quarters + "thirds,ABD,QF1=A QF3=D", "",
            "Line 6: \"ABD\" is not a set of groups: write the letters of the 2 groups "
            "whose thirds qualify.");
        row("thirds' tie", quarters + "thirds,AD,QF2=A QF3=D", "",
            "Line 6: \"QF2=A\" is not a tie and a group, as R16-3=F for a tie with a "
            "third's place.");
        row("third not allowed", quarters + "thirds,AB,QF1=A QF3=B", "",
            "Line 6: the third of group B cannot play in QF3.");
        row("third twice", quarters + "thirds,AD,QF1=A QF1=D", "",
            "Line 6: each of the 2 thirds needs a tie of its own.");
        row("thirds again", published + "thirds,AD,QF1=D QF3=A", "",
            "Line 7: the thirds of groups AD are already placed on line 6.");
    }
    void knockoutTemplate()
    {
        QFETCH(QString, csv);
        QFETCH(QString, thirdsByRank);
        QFETCH(QString, outcome);
        QString refusal;
        const std::optional<KnockoutTemplate> read = readKnockoutTemplate(csv.toUtf8(), &refusal);
        QVector<QVector<KnockoutTeam>> groups(4);
        for (int group = 0; group < 4; ++group) {
            for (int number = 1; number <= 3; ++number)
                groups[group].append({ group + 1, number, QChar('A' + group) + QString::number(number) });
        }
        QVector<int> ranking;
        for (const QChar group : thirdsByRank)
            ranking.append(group.unicode() - 'A');
        const std::optional<QVector<KnockoutStage::Place>> placed
            = read ? templatePlaces(*read, groups, ranking, &refusal) : std::nullopt;
        QStringList names;
        for (const KnockoutStage::Place& place : placed ? *placed : QVector<KnockoutStage::Place>())
            names << (place ? place->name : "-");
        QCOMPARE(placed ? names.join(' ') : refusal, outcome);
        // Asked only whether it reads, without the reason: the same answer.
        const std::optional<KnockoutTemplate> asked = readKnockoutTemplate(csv.toUtf8(), nullptr);
        QCOMPARE(asked.has_value(), read.has_value());
        QCOMPARE(asked && templatePlaces(*asked, groups, ranking, nullptr).has_value(), placed.has_value());
    }

    // The formats ready made: the thirds' table read whole and placing the European
    // Championships' round of 16 as played, and winners against runners-up as the 2018 World Cup.
    void formats_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("groups");       // league order, groups split by "|"
        QTest::addColumn<QString>("thirdsByRank"); // group letters
        QTest::addColumn<QString>("firstRound");
        QTest::newRow("Euro 2024") << bestThirdsTemplate()
                                   << "Germany Switzerland Hungary Scotland|Spain Italy Croatia Albania|England "
                                      "Denmark Slovenia Serbia|Austria France Netherlands Poland|Romania Belgium "
                                      "Slovakia Ukraine|Portugal Turkey Georgia Czechia"
                                   << "DFECAB"
                                   << "Spain-Georgia Germany-Denmark Portugal-Slovenia France-Belgium "
                                      "England-Slovakia Switzerland-Italy Romania-Netherlands Austria-Turkey";
        QTest::newRow("Euro 2020") << bestThirdsTemplate()
                                   << "Italy Wales Switzerland Turkey|Belgium Denmark Finland Russia|Netherlands "
                                      "Austria Ukraine Macedonia|England Croatia Czechia Scotland|Sweden Spain "
                                      "Slovakia Poland|France Germany Portugal Hungary"
                                   << "FDACBE"
                                   << "Belgium-Portugal Italy-Austria France-Switzerland Croatia-Spain "
                                      "Netherlands-Czechia Wales-Denmark Sweden-Ukraine England-Germany";
        QTest::newRow("four groups") << winnersAgainstRunnersUpTemplate(4) << "A1 A2|B1 B2|C1 C2|D1 D2"
                                     << ""
                                     << "A1-B2 C1-D2 B1-A2 D1-C2";
        QFile worldCup(TABULON_TEST_DATA "/world_cup_2018/template.csv");
        QVERIFY(worldCup.open(QIODevice::ReadOnly));
        QCOMPARE(winnersAgainstRunnersUpTemplate(8), worldCup.readAll());
        QCOMPARE(knockoutFormatsFor(6),
                 QVector<KnockoutFormat>({ KnockoutFormat::BestThirds, KnockoutFormat::SeededDraw }));
        QCOMPARE(knockoutFormatsFor(3), QVector<KnockoutFormat>({ KnockoutFormat::SeededDraw }));
    }
    void formats()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, groups);
        QFETCH(QString, thirdsByRank);
        QFETCH(QString, firstRound);
        QString refusal;
        const std::optional<KnockoutTemplate> read = readKnockoutTemplate(csv, &refusal);
        QVERIFY2(read, qPrintable(refusal));
        QCOMPARE(read->thirds.size(), thirdsByRank.isEmpty() ? 0 : 15);
        QVector<QVector<KnockoutTeam>> teams;
        for (const QString& group : groups.split('|')) {
            teams.append(QVector<KnockoutTeam>());
            for (const QString& name : group.split(' '))
                teams.last().append({ int(teams.size()), int(teams.last().size()), name });
        }
        QVector<int> ranking;
        for (const QChar group : thirdsByRank)
            ranking.append(group.unicode() - 'A');
        const std::optional<QVector<KnockoutStage::Place>> places = templatePlaces(*read, teams, ranking, &refusal);
        QVERIFY2(places, qPrintable(refusal));
        QStringList ties;
        for (int place = 0; place < places->size(); place += 2)
            ties.append(places->at(place)->name + '-' + places->at(place + 1)->name);
        QCOMPARE(ties.join(' '), firstRound);
    }

    // What a stage refuses: a team in two places, and games past the last day a calendar holds.
    void stageRefusals()
    {
        const KnockoutTeam senegal { 8, 3, "Senegal" };
        QString refusal;
        QVERIFY(!KnockoutStage::fromPlaces(
            { KnockoutTeam { 1, 1, "Uruguay" }, senegal, KnockoutTeam { 3, 1, "France" }, senegal }, &refusal));
        QCOMPARE(refusal, "Senegal has two places in the bracket, in Semi-final 1 and Semi-final 2.");
        KnockoutStage stage = *KnockoutStage::fromPlaces({ senegal, KnockoutTeam { 1, 1, "Uruguay" } }, nullptr);
        QVERIFY(stage.setSchedule(QDate(3000, 12, 31), 5, &refusal));
        stage = *KnockoutStage::fromPlaces(
            { senegal, KnockoutTeam { 1, 1, "Uruguay" }, std::nullopt, KnockoutTeam { 2, 1, "Spain" } }, nullptr);
        QVERIFY(!stage.setSchedule(QDate(3000, 12, 28), 4, &refusal));
        QCOMPARE(refusal,
                 "The knockout games would be played from 28-Dec-3000 to 01-Jan-3001; a calendar holds the "
                 "days from 01-Jan-0100 to 31-Dec-3000.");
        QVERIFY(!stage.startDate().isValid());
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
        QVERIFY(!stage.setResult("SF1", tie("1-0 0-1 2-2"), &refusal));
        QCOMPARE(refusal, "Semi-final 1 is played in two legs: enter the full-time score of each leg.");
        QVERIFY(stage.setResult("SF1", tie("0-0"), &refusal)); // the first leg alone decides nothing yet
        QVERIFY(!stage.winner("SF1"));
        QVERIFY(!stage.setResult("SF1", tie("1-0", "1-0"), &refusal));
        QCOMPARE(refusal, "Extra time and penalties belong to the second leg of Semi-final 1.");
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
                 "Changing this result changes who plays in Semi-final 1, the third-place match and the Final, "
                 "which already have results.");
        QCOMPARE(nameOf(stage.team("SF1", TieSide::First)), "A");
        stage.clearResults(stage.laterResultsChangedBy("QF1", tie("0-1")));
        QVERIFY(stage.setResult("QF1", tie("0-1"), &refusal));
        QCOMPARE(nameOf(stage.team("SF1", TieSide::First)) + nameOf(stage.team("SF2", TieSide::First)), "HB");
        QVERIFY(!stage.result("F") && stage.result("SF2"));
    }

    // The 2018 World Cup from its group winners and runners-up placed by its template; every team
    // and winner as reported.
    void worldCup2018()
    {
        QFile templateFile(TABULON_TEST_DATA "/world_cup_2018/template.csv");
        QVERIFY(templateFile.open(QIODevice::ReadOnly));
        QString refusal;
        const std::optional<KnockoutTemplate> knockoutTemplate = readKnockoutTemplate(templateFile.readAll(), &refusal);
        QVERIFY2(knockoutTemplate, qPrintable(refusal));
        QVector<QVector<KnockoutTeam>> groups;
        for (const char* group : { "Uruguay Russia", "Spain Portugal", "France Denmark", "Croatia Argentina",
                                   "Brazil Switzerland", "Sweden Mexico", "Belgium England", "Colombia Japan" }) {
            groups.append(QVector<KnockoutTeam>());
            for (const QString& name : QString(group).split(' '))
                groups.last().append({ int(groups.size()), int(groups.last().size() + 1), name });
        }
        QFile file(TABULON_TEST_DATA "/world_cup_2018/knockout.csv");
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QVector<QStringList> rows;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts).mid(1))
            rows.append(line.split(','));
        KnockoutStage stage
            = *KnockoutStage::fromPlaces(*templatePlaces(*knockoutTemplate, groups, {}, nullptr), nullptr);
        stage.setThirdPlaceMatch(true);
        for (const QStringList& row : rows) {
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
