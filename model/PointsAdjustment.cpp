#include "model/PointsAdjustment.h"

#include <algorithm>

void setPointsAdjustment(PointsAdjustments& adjustments, int team, int points, const QString& reason)
{
    const auto place = std::lower_bound(adjustments.begin(), adjustments.end(), team,
                                        [](const PointsAdjustment& a, int number) { return a.team < number; });
    const bool exists = place != adjustments.end() && place->team == team;
    if (points == 0) {
        if (exists)
            adjustments.erase(place);
        return;
    }
    const PointsAdjustment adjustment { static_cast<qint16>(team), static_cast<qint16>(points), reason };
    if (exists)
        *place = adjustment;
    else
        adjustments.insert(place, adjustment);
}

int adjustmentPoints(const PointsAdjustments& adjustments, int team)
{
    for (const PointsAdjustment& adjustment : adjustments) {
        if (adjustment.team == team)
            return adjustment.points;
    }
    return 0;
}
