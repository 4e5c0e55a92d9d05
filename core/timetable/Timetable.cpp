#include "core/timetable/Timetable.h"

bool operator==(const TimetableSettings& a, const TimetableSettings& b)
{
    const auto sameSpan = [](const MinuteSpan& x, const MinuteSpan& y) { return x.from == y.from && x.to == y.to; };
    const auto sameSpans = [&sameSpan](const QVector<MinuteSpan>& x, const QVector<MinuteSpan>& y) {
        return std::equal(x.cbegin(), x.cend(), y.cbegin(), y.cend(), sameSpan);
    };
    const auto sameHours = [&sameSpan](const TeamHours& x, const TeamHours& y) {
        return x.team == y.team && sameSpan(x.hours, y.hours);
    };
    return a.pitches == b.pitches && a.days == b.days && sameSpan(a.hours, b.hours)
        && a.groupGameMinutes == b.groupGameMinutes && a.knockoutGameMinutes == b.knockoutGameMinutes
        && a.changeoverMinutes == b.changeoverMinutes && a.restMinutes == b.restMinutes && sameSpans(a.breaks, b.breaks)
        && std::equal(a.teamHours.cbegin(), a.teamHours.cend(), b.teamHours.cbegin(), b.teamHours.cend(), sameHours);
}

bool operator==(const KnockoutSlot& a, const KnockoutSlot& b)
{
    return a.tie == b.tie && a.leg == b.leg && a.homeName == b.homeName && a.awayName == b.awayName && a.slot == b.slot;
}

bool operator==(const Timetable& a, const Timetable& b)
{
    return a.settings == b.settings && a.knockout == b.knockout;
}

std::optional<KnockoutSlot> Timetable::knockoutSlot(const QString& tie, int leg) const
{
    for (const KnockoutSlot& slot : knockout) {
        if (slot.tie == tie && slot.leg == leg)
            return slot;
    }
    return std::nullopt;
}

QString pitchName(const QStringList& pitches, int pitch)
{
    return pitch >= 0 && pitch < pitches.size() ? pitches.at(pitch) : QStringLiteral("Pitch %1").arg(pitch + 1);
}
