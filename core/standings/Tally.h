#pragma once

#include "core/records/GroupRecords.h"

#include <QVector>

// One team's figures summed over the group's results. Sums are 64-bit, so no season overflows them.
struct TeamTally
{
    qint64 won = 0;
    qint64 drawn = 0;
    qint64 lost = 0;
    qint64 goalsFor = 0;
    qint64 against = 0;
    qint64 pts = 0;

    qint64 diff() const { return goalsFor - against; }
};

// A result that counted, as the head-to-head table reads it: team numbers and full-time goals.
struct GameResult
{
    int home = 0;
    int away = 0;
    qint64 homeGoals = 0;
    qint64 awayGoals = 0;
};

struct TallyOutcome
{
    QVector<TeamTally> tallies; // one per team number 0..teamCount-1
    QVector<GameResult> games;  // the results that counted, in the order of the lines
    int skippedLines = 0;       // result lines passed over: unreadable, or naming no team of the group
};

// Sums the full-time scores of the group's results for its teams. Fixtures and half-time scores play
// no part. A result line that cannot be read, or whose team numbers lie outside the team list, is
// passed over and counted in skippedLines.
TallyOutcome tallyResults(const GroupRecords& group, int pointsForWin, int pointsForDraw);
