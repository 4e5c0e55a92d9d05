#pragma once

#include <QString>
#include <QVector>

// Points a competition gives or takes outside the results (negative for a deduction), with the
// reason the secretary records for the clubs.
struct PointsAdjustment
{
    qint16 team = 0; // team number within the group
    qint16 points = 0;
    QString reason;

    bool operator==(const PointsAdjustment& other) const
    {
        return team == other.team && points == other.points && reason == other.reason;
    }
};

// A group's adjustments. A team may have several (a deduction, and a later one for another
// breach), each with its own reason; they are kept in team-number order, a team's in the order made.
using PointsAdjustments = QVector<PointsAdjustment>;

// Adds an adjustment for `team` after those it has already; 0 points adds nothing. The position
// it was placed at, or -1.
int addPointsAdjustment(PointsAdjustments& adjustments, int team, int points, const QString& reason);

// Removes every adjustment of `team`; how many there were.
int removePointsAdjustments(PointsAdjustments& adjustments, int team);

// The points `team` is adjusted by, all its adjustments together; 0 without one.
int adjustmentPoints(const PointsAdjustments& adjustments, int team);
