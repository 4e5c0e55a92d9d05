#pragma once

#include "core/schedule/Schedule.h"

// A round robin with balanced venues, built by the circle method as Berger tables are: position k
// of the team order plays the last position in round k, and the positions k + j and k - j (modulo
// the rounds) play each other. With an odd team count a phantom last position is added, and
// meeting it is the bye. Home and away alternate with j and, for the last position, with the round,
// so that within a leg:
// - every team is at home in (n - 1) / 2 of its games, rounded up or down;
// - there are n - 2 breaks (a team at home, or away, in two rounds running) for an even n and
//   none for an odd n, the least a round robin allows, and no team has more than one;
// - no team plays three home or three away games in a row (a bye separates the games around it).
//
// The second leg exchanges home and away and opens with the return of the first leg's last round,
// then follows the first leg's order. Every team's venue therefore changes at the change of leg,
// which adds no break and no run of three. The price: the pairs of that last round meet again
// straight away, and with an odd count the team sitting it out sits out the next round too.
// Opening with any other round avoids the rematch but adds two breaks (one with an odd count).

// The stored fixture lines ("F:" date ":" home ":" away) of `legs` legs (1 or 2) for the team order
// `teamOrder`, round by round, the first round on `start` and the rounds `gap` days apart, as
// buildSchedule dates them. The same limits apply: on failure `lines` is empty.
ScheduleResult buildBalancedSchedule(const QVector<qint16>& teamOrder, int legs, const QDate& start, int gap,
                                     int linesAlreadyStored = 0);
