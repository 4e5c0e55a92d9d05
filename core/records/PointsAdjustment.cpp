#include "core/records/PointsAdjustment.h"

int addPointsAdjustment(PointsAdjustments& adjustments, int team, int points, const QString& reason)
{
    if (points == 0)
        return -1;
    // After the last of this team or a lower one; a file edited by hand need not be in order.
    int place = 0;
    for (int i = 0; i < adjustments.size(); ++i) {
        if (adjustments[i].team <= team)
            place = i + 1;
    }
    adjustments.insert(place, PointsAdjustment { static_cast<qint16>(team), static_cast<qint16>(points), reason });
    return place;
}

int removePointsAdjustments(PointsAdjustments& adjustments, int team)
{
    return int(adjustments.removeIf([team](const PointsAdjustment& a) { return a.team == team; }));
}

int adjustmentPoints(const PointsAdjustments& adjustments, int team)
{
    int points = 0;
    for (const PointsAdjustment& adjustment : adjustments) {
        if (adjustment.team == team)
            points += adjustment.points;
    }
    return points;
}
