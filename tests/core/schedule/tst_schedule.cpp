// The fixtures core: the round-robin schedules, the date sort and the generation both front ends use.
#include "core/records/FixtureSort.h"
#include "core/records/RecordLines.h"
#include "core/schedule/BalancedSchedule.h"
#include "core/schedule/FixtureGeneration.h"
#include "core/schedule/Schedule.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <numeric>

namespace {

const QDate kStart(2000, 3, 1);

QVector<qint16> identityOrder(int n)
{
    QVector<qint16> order(std::max(n, 0));
    std::iota(order.begin(), order.end(), qint16(0));
    return order;
}

} // namespace

class TestSchedule : public QObject
{
    Q_OBJECT

private slots:
    // Four teams play three rounds; three teams play three rounds too, each sitting one out. The
    // first leg has the higher position at home, the second leg follows with home and away exchanged.
    void workedExamples()
    {
        QCOMPARE(buildSchedule(identityOrder(4), 2, kStart, 7).lines,
                 (QStringList { "F:08-Mar-2000:1:0", "F:15-Mar-2000:2:0", "F:01-Mar-2000:3:0", "F:01-Mar-2000:2:1",
                                "F:15-Mar-2000:3:1", "F:08-Mar-2000:3:2", "F:29-Mar-2000:0:1", "F:05-Apr-2000:0:2",
                                "F:22-Mar-2000:0:3", "F:22-Mar-2000:1:2", "F:05-Apr-2000:1:3", "F:29-Mar-2000:2:3" }));
        QCOMPARE(buildSchedule(identityOrder(3), 1, kStart, 7).lines,
                 (QStringList { "F:08-Mar-2000:1:0", "F:15-Mar-2000:2:0", "F:01-Mar-2000:2:1" }));
    }

    void balancedSchedule_data()
    {
        QTest::addColumn<int>("teams");
        QTest::addColumn<int>("legs");
        for (int n = 2; n <= 24; ++n)
            for (int legs : { 1, 2 })
                QTest::addRow("%d teams, %s", n, legs == 1 ? "one leg" : "home and away") << n << legs;
    }
    // The rounds, pairs, home counts, breaks and runs the balanced schedule promises, for 2 to 24 teams.
    void balancedSchedule()
    {
        QFETCH(int, teams);
        QFETCH(int, legs);
        const int rounds = teams % 2 ? teams : teams - 1;
        const QVector<qint16> order = shuffledTeamOrder(teams, seededFractions(quint32(teams)));
        const QStringList lines = buildBalancedSchedule(order, legs, kStart, 7).lines;
        QStringList relabelled = buildBalancedSchedule(identityOrder(teams), legs, kStart, 7).lines;
        QVector<QString> venues(teams, QString(legs * rounds, u' ')); // per round: H, A, or blank for no game
        QSet<QPair<int, int>> pairs; // (home, away), and (-1 - leg, the two teams' bits)
        for (int i = 0; i < lines.size(); ++i) {
            const QStringList fields = lines[i].split(u':');
            const int round = qBound(0, int(kStart.daysTo(parseRecordDate(fields[1])) / 7), legs * rounds - 1);
            const int home = fields[2].toInt(), away = fields[3].toInt();
            QCOMPARE(fields[1], formatRecordDate(kStart.addDays(7 * round))); // the date of one of the rounds
            QCOMPARE(QString(venues[home][round]) + venues[away][round], QStringLiteral("  "));
            venues[home][round] = u'H';
            venues[away][round] = u'A';
            pairs << qMakePair(home, away) << qMakePair(-1 - round / rounds, (1 << home) | (1 << away));
            const QStringList identity = relabelled[i].split(u':'); // the draw only relabels the teams
            relabelled[i] = fixtureStoredLine(identity[1], order[identity[2].toInt()], order[identity[3].toInt()]);
        }
        QCOMPARE(lines, relabelled);
        QCOMPARE(pairs.size(), legs * teams * (teams - 1)); // as many as there are: none repeated
        qsizetype breaks = 0;
        for (const QString& venue : venues) {
            QVERIFY2(!venue.contains(QRegularExpression("HHH|AAA")), qPrintable(venue));
            breaks += venue.count(u"HH") + venue.count(u"AA");
            for (int leg = 0; leg < legs; ++leg)
                QVERIFY2(qAbs(2 * venue.mid(leg * rounds, rounds).count(u'H') - (teams - 1)) <= 1, qPrintable(venue));
        }
        QCOMPARE(breaks, teams % 2 ? 0 : legs * (teams - 2)); // the fewest in every leg: none at the change
    }

    // Every limit is checked before any line is made: a refused schedule names its failure and has no line.
    void limits()
    {
        const auto failureOf = [](int n, int legs, const QDate& start, int gap) {
            const ScheduleResult schedule = buildSchedule(identityOrder(n), legs, start, gap);
            const bool whole = schedule.lines.size() == (schedule.ok() ? legs * n * (n - 1) / 2 : 0);
            return whole && schedule.ok() == schedule.failure.description.isEmpty() ? schedule.failure.number : -1;
        };
        QCOMPARE(failureOf(256, 1, kStart, 1), 0); // the most teams a list holds for one leg
        QCOMPARE(failureOf(257, 1, kStart, 1), kListFullFailure);
        QCOMPARE(failureOf(181, 2, kStart, 1), 0); // the most teams a list holds home and away
        QCOMPARE(failureOf(182, 2, kStart, 1), kListFullFailure);
        QCOMPARE(failureOf(4, 1, QDate(9999, 12, 17), 7), 0); // the last round on 31-Dec-9999
        QCOMPARE(failureOf(4, 1, QDate(9999, 12, 18), 7), kDateRangeFailure);
        QCOMPARE(failureOf(4, 1, kStart, 16383), 0); // round 2 x gap: 32766 days
        QCOMPARE(failureOf(4, 1, kStart, 16384), kGapOverflowFailure);
        QCOMPARE(failureOf(4, 2, kStart, 10923), kGapOverflowFailure); // the second leg starts 3 x gap on
        QCOMPARE(failureOf(1, 1, kStart, 7), kTooFewTeamsFailure);
    }

    // Fixtures are made only for an empty group of two teams or more, every one of them named.
    void refusals()
    {
        const QStringList names = { "Rovers", "United", "City" };
        QCOMPARE(fixtureRefusal(2, names, {}), FixtureRefusal::None); // names beyond the count are not used
        QCOMPARE(fixtureRefusal(3, names, { "R:07-Mar-2000:1:0:2:2:0:1" }), FixtureRefusal::NotEmpty);
        QCOMPARE(fixtureRefusal(1, names, {}), FixtureRefusal::TooFewTeams);
        QCOMPARE(fixtureRefusal(4, names, {}), FixtureRefusal::MissingTeamNames);
    }

    // The schedule joins the lines there are, all of them sorted by date (a negative gap puts the
    // second leg first); a failure appends nothing.
    void generationAppendsAndSorts()
    {
        const FixtureGeneration made = generateFixtures({ "F:05-Mar-2000:0:1" }, identityOrder(2), 2, kStart, -7);
        QCOMPARE(made.lines, QStringList({ "F:23-Feb-2000:0:1", "F:01-Mar-2000:1:0", "F:05-Mar-2000:0:1" }));
        QCOMPARE(made.added, 2);
        const FixtureGeneration full
            = generateFixtures(QStringList(32767, "F:05-Mar-2000:0:1"), identityOrder(2), 1, kStart, 7);
        QCOMPARE(full.failure.number, kListFullFailure);
        QCOMPARE(full.lines, QStringList());
        QCOMPARE(full.added, 0);
        QCOMPARE(generateFixtures({ "F:3x-Mar-2000:0:1" }, identityOrder(2), 1, kStart, 7).failure.number,
                 kSortFailureNumber);
    }

    // k = int(fraction x (n - 1)) + 1 exchanges T(k) and T(k - 1), 1000 times: 0.5 picks k = 2, 0.99 picks
    // k = 3, and 998 draws of 0 exchange the first two. Two teams keep their order whatever the draws.
    void shuffleExchangesNeighbours()
    {
        int draws = 0;
        const RandomFraction fractions = [&] { return ++draws == 1 ? 0.5 : draws == 2 ? 0.99 : 0.0; };
        QCOMPARE(shuffledTeamOrder(4, fractions), (QVector<qint16> { 0, 2, 3, 1 }));
        QCOMPARE(shuffledTeamOrder(2, seededFractions(7)), (QVector<qint16> { 0, 1 }));
    }

    // Many lines on few dates around a year end: exactly the order of the exchange sort that moves a
    // line forward only past a strictly later date. Dates are read as a file is opened: one-digit days too.
    void sortMatchesTheExchangeSort()
    {
        QRandomGenerator random(2024);
        QStringList lines;
        for (int i = 0; i < 300; ++i) {
            const QString date = formatRecordDate(QDate(2000, 12, 20).addDays(random.bounded(15)));
            lines.append(fixtureStoredLine(i % 3 ? date : date.mid(date.startsWith(u'0') ? 1 : 0), i, 0));
        }
        QStringList expected = lines;
        for (int i = 0; i < expected.size() - 1; ++i) {
            for (int j = expected.size() - 1; j > i; --j)
                if (recordDateOf(expected[j]) < recordDateOf(expected[j - 1]))
                    expected.swapItemsAt(j, j - 1);
        }
        QVERIFY(sortByRecordDate(lines));
        QCOMPARE(lines, expected);
    }
};

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
