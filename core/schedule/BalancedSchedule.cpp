#include "core/schedule/BalancedSchedule.h"

#include "core/records/RecordLines.h"

#include <utility>

ScheduleResult buildBalancedSchedule(const QVector<qint16>& teamOrder, int legs, const QDate& start, int gap,
                                     int linesAlreadyStored)
{
    const int n = teamOrder.size();
    const RoundDates roundDates = scheduleRoundDates(n, legs, start, gap, linesAlreadyStored);
    if (!roundDates.ok())
        return { QStringList(), roundDates.failure };

    // The fixed position of the circle; with an odd count it is the phantom, so it has no team.
    const int last = n % 2 == 0 ? n - 1 : n;
    const int rounds = last;
    ScheduleResult result;
    result.lines.reserve(static_cast<qsizetype>(fixturesPerLeg(n) * legs));
    for (int leg = 0; leg < legs; ++leg) {
        for (int i = 0; i < rounds; ++i) {
            // The second leg plays the first leg's last round first: each team's venue then changes
            // at the change of leg as it does from round to round.
            const int k = leg == 0 ? i : (i + rounds - 1) % rounds;
            const QString& date = roundDates.legs[leg][i];
            const auto append = [&](int home, int away) {
                if (home == n || away == n)
                    return; // meeting the phantom is the bye
                if (leg == 1)
                    std::swap(home, away);
                result.lines.append(fixtureStoredLine(date, teamOrder[home], teamOrder[away]));
            };
            // Alternating the fixed position's venue with the round, and the other pairs' with their
            // distance from k, gives every other team one break at most, at its game against the fixed
            // position.
            if (k % 2 == 0)
                append(k, last);
            else
                append(last, k);
            for (int j = 1; j <= (last - 1) / 2; ++j) {
                const int up = (k + j) % rounds;
                const int down = (k - j + rounds) % rounds;
                if (j % 2 == 1)
                    append(up, down);
                else
                    append(down, up);
            }
        }
    }
    return result;
}
