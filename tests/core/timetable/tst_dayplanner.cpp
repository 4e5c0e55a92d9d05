#include "PlanRules.h"
#include "core/timetable/DayPlanner.h"

#include <QSet>
#include <QTest>

namespace {

// A group's round-robin by the circle method, team numbers from `first`; with an odd count one
// team sits out each round. Answers the games' indices.
QVector<int> addGroup(PlanRequest& request, int group, int first, int count, int minutes)
{
    QVector<int> circle;
    for (int slot = 0; slot < count + count % 2; ++slot)
        circle.append(slot);
    QVector<int> games;
    for (int round = 1; round < circle.size(); ++round) {
        for (int i = 0; i < circle.size() / 2; ++i) {
            const int home = circle.at(i);
            const int away = circle.at(circle.size() - 1 - i);
            if (home < count && away < count) {
                games.append(int(request.games.size()));
                request.games.append({ group, round, minutes, { first + home, first + away }, {} });
            }
        }
        circle.insert(1, circle.takeLast());
    }
    return games;
}

int addTie(PlanRequest& request, int minutes, const QVector<int>& after)
{
    request.games.append({ -1, 1, minutes, {}, after });
    return int(request.games.size()) - 1;
}

PlanRequest emptyRequest(int pitches, int days, const QString& hours)
{
    PlanRequest request;
    request.pitchCount = pitches;
    for (int day = 0; day < days; ++day)
        request.days.append(QDate(2027, 6, 12).addDays(day));
    request.hours = *readMinuteSpan(hours);
    request.changeoverMinutes = 5;
    request.restMinutes = 20;
    return request;
}

// Groups of `size` teams; then knockout ties, each waiting for the groups (letters) or the earlier
// ties (numbers from 1) listed as "AB" or "1 2", one tie per entry.
PlanRequest cup(PlanRequest request, int groups, int size, int groupMinutes, const QStringList& ties,
                int knockoutMinutes)
{
    QVector<QVector<int>> groupGames;
    for (int group = 0; group < groups; ++group)
        groupGames.append(addGroup(request, group, group * size, size, groupMinutes));
    QVector<int> tieGames;
    for (const QString& tie : ties) {
        QVector<int> after;
        if (tie.front().isLetter()) {
            for (QChar letter : tie)
                after += groupGames.at(letter.unicode() - 'A');
        } else {
            for (const QString& number : tie.split(u' '))
                after.append(tieGames.at(number.toInt() - 1));
        }
        tieGames.append(addTie(request, knockoutMinutes, after));
    }
    return request;
}

PlanRequest cupFormat(const QString& name)
{
    if (name == QLatin1String("4 teams")) // the group's first two play the final
        return cup(emptyRequest(2, 1, QStringLiteral("09:00-18:00")), 1, 4, 20, { "A" }, 30);
    if (name == QLatin1String("16 teams")) // quarter-finals 1A v 2B, 1C v 2D, 1B v 2A, 1D v 2C
        return cup(emptyRequest(3, 1, QStringLiteral("09:00-18:00")), 4, 4, 20,
                   { "AB", "CD", "AB", "CD", "1 2", "3 4", "5 6", "5 6" }, 30);
    if (name == QLatin1String("24 teams")) { // a best third's tie waits for every group it may come from
        return cup(emptyRequest(4, 2, QStringLiteral("09:00-13:00")), 6, 4, 20,
                   { "AC", "DBEF", "BACD", "FE", "CABF", "ED", "ACDE", "BF", "1 2", "3 4", "5 6", "7 8", "9 10",
                     "11 12", "13 14" },
                   30);
    }
    PlanRequest request = emptyRequest(6, 1, QStringLiteral("09:00-18:00"));
    request.restMinutes = 15;
    request.breaks.append(*readMinuteSpan(u"12:30-13:00"));
    for (int team : { 0, 5, 10 })
        request.teamHours.insert(team, *readMinuteSpan(u"10:30-18:00"));
    return cup(request, 8, 5, 15,
               { "AB", "BA", "CD", "DC", "EF", "FE", "GH", "HG", "1 2", "3 4", "5 6", "7 8", "9 10", "11 12", "13 14" },
               20);
}

QString timeOf(int minute)
{
    return minute < 1440 ? minuteText(minute) : minuteText(minute - 1440) + QStringLiteral(" on day 2");
}

} // namespace

class TestDayPlanner : public QObject
{
    Q_OBJECT

private slots:
    void readsTimes_data();
    void readsTimes();
    void plansFormats_data();
    void plansFormats();
    void samePlanEachTime();
    void refuses_data();
    void refuses();
    void summary_data();
    void summary();
};

void TestDayPlanner::readsTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from"); // -1 when the text is no time
    QTest::addColumn<int>("to");
    QTest::newRow("one-digit hour") << "9:05" << 545 << -1;
    QTest::newRow("two-digit hour") << "09:05" << 545 << -1;
    QTest::newRow("last minute") << "23:59" << 1439 << -1;
    QTest::newRow("midnight at the end") << "24:00" << -1 << -1;
    QTest::newRow("one-digit minute") << "9:5" << -1 << -1;
    QTest::newRow("blank first") << " 9:05" << -1 << -1;
    QTest::newRow("span") << "12:30-13:00" << 750 << 780;
    QTest::newRow("empty span") << "13:00-13:00" << -1 << -1;
}

void TestDayPlanner::readsTimes()
{
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    if (to < 0 && text.size() <= 5) {
        QCOMPARE(readMinuteText(text).value_or(-1), from);
        if (from >= 0)
            QCOMPARE(minuteText(from), QString(text).rightJustified(5, u'0'));
        return;
    }
    const std::optional<MinuteSpan> span = readMinuteSpan(text);
    QCOMPARE(span ? span->from : -1, from);
    QCOMPARE(span ? span->to : -1, to);
}

void TestDayPlanner::plansFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("floor"); // by hand: no plan ends earlier
    // Pitches used, counted per group: at most two a group where its two games a round fit side by side.
    QTest::addColumn<int>("groupPitches");
    // Each team plays 3 games of 20 minutes with 20 minutes' rest between them (10:40), then the final.
    QTest::newRow("4 teams, 2 pitches") << "4 teams" << 11 * 60 + 30 << 2;
    // 24 group games need 8 rounds of 25 minutes on 3 pitches (12:15); the 4 quarter-finals two
    // rounds of 35 on 3 pitches (13:20), then a semi-final and the final with 20 minutes' rest before each.
    QTest::newRow("16 teams, 3 pitches") << "16 teams" << 15 * 60 << 8;
    // The 36 group games fill the 9 rounds of the first day; the 8 games of the round of 16 take two
    // rounds on the second day (10:05), and three rounds of 20 minutes' rest and 30 minutes' play follow.
    QTest::newRow("24 teams, 4 pitches, 2 days") << "24 teams" << 1440 + 12 * 60 + 35 << 12;
    // 80 group games need 14 rounds of 20 minutes on 6 pitches: 10 before lunch, 4 after (14:15);
    // the 8 games of the round of 16 take two more rounds (15:00), then three of 15 and 20 minutes.
    QTest::newRow("40 teams, 6 pitches, lunch") << "40 teams" << 16 * 60 + 45 << 32;
}

void TestDayPlanner::plansFormats()
{
    QFETCH(QString, format);
    QFETCH(int, floor);
    QFETCH(int, groupPitches);
    const PlanRequest request = cupFormat(format);
    QString refusal;
    const std::optional<DayPlan> plan = planDay(request, &refusal);
    QVERIFY2(plan, qPrintable(refusal));
    QCOMPARE(brokenPlanRules(request, plan->games), QStringList());
    int end = 0;
    for (int game = 0; game < request.games.size(); ++game)
        end = std::max(end, plan->games.at(game).start + request.games.at(game).minutes);
    QCOMPARE(plan->end, end);
    QVERIFY2(floor <= plan->leastEnd && plan->leastEnd <= plan->end, qPrintable(timeOf(plan->leastEnd)));
    const int open = openMinutesUntil(request, plan->end);
    const int leastOpen = openMinutesUntil(request, plan->leastEnd);
    qInfo("%s: ends %s, no plan before %s (%d and %d open minutes)", qPrintable(format), qPrintable(timeOf(plan->end)),
          qPrintable(timeOf(plan->leastEnd)), open, leastOpen);
    QVERIFY(open * 10 <= leastOpen * 11);
    QSet<QPair<int, int>> pitchesOfGroups;
    for (int game = 0; game < request.games.size(); ++game)
        if (request.games.at(game).group >= 0)
            pitchesOfGroups.insert({ request.games.at(game).group, plan->games.at(game).pitch });
    QVERIFY2(pitchesOfGroups.size() <= groupPitches, qPrintable(QString::number(pitchesOfGroups.size())));
}

void TestDayPlanner::samePlanEachTime()
{
    const PlanRequest request = cupFormat(QStringLiteral("40 teams"));
    const std::optional<DayPlan> first = planDay(request, nullptr);
    const std::optional<DayPlan> second = planDay(request, nullptr);
    QVERIFY(first && second);
    for (int game = 0; game < request.games.size(); ++game) {
        QCOMPARE(second->games.at(game).start, first->games.at(game).start);
        QCOMPARE(second->games.at(game).pitch, first->games.at(game).pitch);
    }
}

void TestDayPlanner::refuses_data()
{
    QTest::addColumn<int>("pitches");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("pause");
    QTest::addColumn<QStringList>("ties");
    QTest::addColumn<QString>("refusal");
    // 8 groups of 4 play 48 games of 20 minutes.
    const QString tooMany = QStringLiteral("48 games need at least 12 rounds of 25 minutes on 4 pitches; ");
    QTest::newRow("day too short") << 4 << 1 << "09:00-12:00"
                                   << "" << QStringList() << tooMany + "09:00-12:00 holds 7.";
    QTest::newRow("two days too short") << 4 << 2 << "09:00-10:00"
                                        << "" << QStringList() << tooMany + "09:00-10:00 on 2 days holds 4.";
    QTest::newRow("break") << 4 << 1 << "09:00-12:00"
                           << "10:00-10:30" << QStringList()
                           << tooMany + "09:00-12:00 with a break at 10:00-10:30 holds 5.";
    QTest::newRow("no pitch") << 0 << 1 << "09:00-18:00"
                              << "" << QStringList() << "There is no pitch to play on.";
    QTest::newRow("no day") << 4 << 0 << "09:00-18:00"
                            << "" << QStringList() << "A plan takes one or two days.";
    // Three games and two rests of 20 minutes take 100 minutes.
    QTest::newRow("team's hours too short")
        << 4 << 1 << "09:00-18:00"
        << "team 0 09:00-10:30" << QStringList()
        << "The games do not fit: a team's 3 games, with a rest of 20 minutes between them, need more than its "
           "hours 09:00-10:30.";
    // 13 rounds fit, but the group games take 12 of them (until 14:00) and two rounds of ties follow.
    QTest::newRow("ties after the groups too long")
        << 4 << 1 << "09:00-14:30"
        << "" << QStringList { "AB", "CD", "1 2" }
        << "The games do not fit: the group games and the knockout games after them need more than 09:00-14:30.";
}

void TestDayPlanner::refuses()
{
    QFETCH(int, pitches);
    QFETCH(int, days);
    QFETCH(QString, hours);
    QFETCH(QString, pause);
    QFETCH(QStringList, ties);
    QFETCH(QString, refusal);
    PlanRequest request = cup(emptyRequest(pitches, days, hours), 8, 4, 20, ties, 30);
    if (pause.startsWith(QLatin1String("team 0 ")))
        request.teamHours.insert(0, *readMinuteSpan(pause.mid(7)));
    else if (!pause.isEmpty())
        request.breaks.append(*readMinuteSpan(pause));
    QString reason;
    QVERIFY(!planDay(request, &reason));
    QCOMPARE(reason, refusal);
}

void TestDayPlanner::summary_data()
{
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("pitches");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("leastEnd");
    QTest::addColumn<QString>("summary");
    QTest::newRow("one day") << 40 << 4 << 950 << 930
                             << "Planned 40 games on 4 pitches, 09:00 to 15:50 on 12-Jun-2027 (no plan can end "
                                "before 15:30).";
    QTest::newRow("two days") << 51 << 4 << 1440 + 570 << 1440 + 570
                              << "Planned 51 games on 4 pitches, 09:00 on 12-Jun-2027 to 09:30 on 13-Jun-2027 (no "
                                 "plan can end before 09:30 on 13-Jun-2027).";
    QTest::newRow("bound on the first day") << 51 << 4 << 1440 + 570 << 1050
                                            << "Planned 51 games on 4 pitches, 09:00 on 12-Jun-2027 to 09:30 on "
                                               "13-Jun-2027 (no plan can end before 17:30 on 12-Jun-2027).";
    QTest::newRow("one game") << 1 << 1 << 560 << 560
                              << "Planned 1 game on 1 pitch, 09:00 to 09:20 on 12-Jun-2027 (no plan can end before "
                                 "09:20).";
}

void TestDayPlanner::summary()
{
    QFETCH(int, games);
    QFETCH(int, pitches);
    QFETCH(int, end);
    QFETCH(int, leastEnd);
    QFETCH(QString, summary);
    const PlanRequest request = emptyRequest(pitches, 2, QStringLiteral("09:00-18:00"));
    DayPlan plan;
    plan.games.fill({ 540, 0 }, games);
    plan.games.last().start = end - 20;
    plan.end = end;
    plan.leastEnd = leastEnd;
    QCOMPARE(planSummary(request, plan), summary);
}

QTEST_GUILESS_MAIN(TestDayPlanner)
#include "tst_dayplanner.moc"
