#include "core/schedule/Schedule.h"

#include "core/common/Limits.h"
#include "core/records/RecordLines.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <limits>

namespace {

constexpr int kShuffleExchanges = 1000;

QString legName(int leg)
{
    return leg == 0 ? QCoreApplication::translate("Schedule", "first leg")
                    : QCoreApplication::translate("Schedule", "second leg");
}

} // namespace

RandomFraction seededFractions(quint32 seed)
{
    return [generator = QRandomGenerator(seed)]() mutable { return generator.generateDouble(); };
}

qint64 fixturesPerLeg(qint64 n)
{
    return n * (n - 1) / 2;
}

QVector<qint16> shuffledTeamOrder(int n, const RandomFraction& nextFraction)
{
    QVector<qint16> order;
    order.reserve(std::max(n, 0));
    for (int i = 0; i < n; ++i)
        order.append(static_cast<qint16>(i));
    if (n < 2)
        return order;
    for (int exchange = 0; exchange < kShuffleExchanges; ++exchange) {
        // A source that strays outside [0, 1) must not reach past either end of the order.
        const int offset = std::clamp(static_cast<int>(nextFraction() * (n - 1)), 0, n - 2);
        const int k = offset + 1;
        std::swap(order[k], order[k - 1]);
    }
    return order;
}

RoundDates scheduleRoundDates(int n, int legs, const QDate& start, int gap, int linesAlreadyStored)
{
    const auto failed = [](int number, const QString& description) {
        RoundDates refused;
        refused.failure = { number, description };
        return refused;
    };
    if (n < 2)
        return failed(kTooFewTeamsFailure,
                      QCoreApplication::translate("Schedule",
                                                  "A group needs at least two teams to have fixtures; this one has %1.")
                          .arg(n));
    if (legs != 1 && legs != 2)
        return failed(kTooFewTeamsFailure,
                      QCoreApplication::translate("Schedule", "A schedule has one or two legs, not %1.").arg(legs));
    if (!start.isValid() || start < earliestRecordDate() || start > latestRecordDate())
        return failed(kDateRangeFailure,
                      QCoreApplication::translate("Schedule", "The start date must lie between %1 and %2.")
                          .arg(formatRecordDate(earliestRecordDate()), formatRecordDate(latestRecordDate())));

    const qint64 fixtureCount = fixturesPerLeg(n) * legs;
    if (linesAlreadyStored + fixtureCount > kMaxListLines)
        return failed(
            kListFullFailure,
            QCoreApplication::translate("Schedule",
                                        "%1 teams make %2 fixtures %3; with the %4 lines already stored that is more "
                                        "than the %5 lines a group can hold.")
                .arg(n)
                .arg(fixtureCount)
                .arg(legs == 2 ? QCoreApplication::translate("Schedule", "home and away")
                               : QCoreApplication::translate("Schedule", "in one leg"))
                .arg(linesAlreadyStored)
                .arg(kMaxListLines));

    const int rounds = n % 2 == 0 ? n - 1 : n;
    // The second leg starts rounds x gap days after the first, so its index reaches `rounds`.
    const qint64 largestIndex = legs == 2 ? rounds : rounds - 1;
    const qint64 largestOffset = largestIndex * gap;
    if (largestOffset > std::numeric_limits<qint16>::max() || largestOffset < std::numeric_limits<qint16>::min())
        return failed(kGapOverflowFailure,
                      QCoreApplication::translate("Schedule",
                                                  "Overflow: round %1 times the gap of %2 days is %3 days, "
                                                  "beyond the %4 days a round can lie from the start.")
                          .arg(largestIndex)
                          .arg(gap)
                          .arg(largestOffset)
                          .arg(std::numeric_limits<qint16>::max()));

    // Round dates of both legs, leg by leg: date i of leg l lies (l x rounds + i) x gap days on.
    RoundDates roundDates;
    roundDates.legs.resize(legs);
    for (int leg = 0; leg < legs; ++leg) {
        for (int i = 0; i < rounds; ++i) {
            const QDate date = start.addDays(static_cast<qint64>(leg) * rounds * gap + static_cast<qint64>(i) * gap);
            if (date > latestRecordDate() || date < earliestRecordDate())
                return failed(
                    kDateRangeFailure,
                    QCoreApplication::translate("Schedule",
                                                "Round %1 of the %2 would fall %3 days from %4, outside the dates "
                                                "%5 to %6.")
                        .arg(i + 1)
                        .arg(legName(leg))
                        .arg(static_cast<qint64>(leg) * rounds * gap + static_cast<qint64>(i) * gap)
                        .arg(formatRecordDate(start), formatRecordDate(earliestRecordDate()),
                             formatRecordDate(latestRecordDate())));
            roundDates.legs[leg].append(formatRecordDate(date));
        }
    }
    return roundDates;
}

ScheduleResult buildSchedule(const QVector<qint16>& teamOrder, int legs, const QDate& start, int gap,
                             int linesAlreadyStored)
{
    const int n = teamOrder.size();
    const RoundDates roundDates = scheduleRoundDates(n, legs, start, gap, linesAlreadyStored);
    if (!roundDates.ok())
        return { QStringList(), roundDates.failure };

    ScheduleResult result;
    result.lines.reserve(static_cast<qsizetype>(fixturesPerLeg(n) * legs));
    const int last = n - 1;
    for (int leg = 0; leg < legs; ++leg) {
        const bool firstLeg = leg == 0;
        QVector<QString> dates = roundDates.legs[leg];
        const auto append = [&](const QString& date, int lower, int higher) {
            // The first leg has the higher position at home; the second leg mirrors it.
            const int home = firstLeg ? teamOrder[higher] : teamOrder[lower];
            const int away = firstLeg ? teamOrder[lower] : teamOrder[higher];
            result.lines.append(fixtureStoredLine(date, home, away));
        };
        for (int a = 0; a <= n - 2; ++a) {
            const QString byeDate = dates[a];
            for (int b = a + 1; b <= n - 2; ++b)
                append(dates[b], a, b);
            append(n % 2 == 0 ? byeDate : dates[last], a, last);
            // Turning the dates one place towards the front moves every pairing of the next
            // position one round on.
            std::rotate(dates.begin(), dates.begin() + 1, dates.end());
        }
    }
    return result;
}
