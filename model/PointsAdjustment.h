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

// A group's adjustments in team-number order, at most one per team.
using PointsAdjustments = QVector<PointsAdjustment>;

// Gives `team` the adjustment, replacing any it had; 0 points removes it.
void setPointsAdjustment(PointsAdjustments& adjustments, int team, int points, const QString& reason);

// The points `team` is adjusted by; 0 without an adjustment.
int adjustmentPoints(const PointsAdjustments& adjustments, int team);
