#include "core/setup/MoveCheck.h"

#include "core/knockout/KnockoutRounds.h"

#include <QCoreApplication>
#include <optional>
#include <utility>

namespace {

bool isSameGame(const TimetableGame& a, const TimetableGame& b)
{
    return a.isKnockout() ? b.isKnockout() && a.tie == b.tie && a.leg == b.leg
                          : a.group == b.group && a.position == b.position;
}

QString pitchName(const TimetableSettings& settings, int pitch)
{
    return pitch >= 0 && pitch < settings.pitches.size() ? settings.pitches.at(pitch) : QString::number(pitch + 1);
}

QString spanText(const MinuteSpan& span)
{
    return minuteText(span.from) + QLatin1Char('-') + minuteText(span.to);
}

// Whether the games [aStart, aEnd) and [bStart, bEnd) come closer than `gap` minutes.
bool closerThan(int aStart, int aEnd, int bStart, int bEnd, int gap)
{
    return aStart < bEnd + gap && bStart < aEnd + gap;
}

QString teamProblem(const TimetableSettings& settings, const QString& team, const TimetableGame& other,
                    const GameSlot& to)
{
    const GameSlot& at = other.slot;
    if (closerThan(to.start, to.end, at.start, at.end, 0)) {
        const QString opponent = other.homeName == team ? other.awayName : other.homeName;
        return QCoreApplication::translate("MoveCheck", "%1 plays %2 on %3 at %4.")
            .arg(team, opponent, pitchName(settings, at.pitch), minuteText(at.start));
    }
    if (at.start < to.start)
        return QCoreApplication::translate("MoveCheck", "%1 needs %2 minutes' rest after its game at %3.")
            .arg(team)
            .arg(settings.restMinutes)
            .arg(minuteText(at.start));
    return QCoreApplication::translate("MoveCheck", "%1 needs %2 minutes' rest before its game at %3.")
        .arg(team)
        .arg(settings.restMinutes)
        .arg(minuteText(at.start));
}

} // namespace

QString shownStage(const TimetableGame& game)
{
    if (!game.isKnockout())
        return game.stage;
    const std::optional<TieId> tie = readTieCode(game.tie);
    const QString name = tie ? shownTieName(*tie) : game.tie;
    return game.leg > 1 ? QCoreApplication::translate("MoveCheck", "%1, leg %2").arg(name).arg(game.leg) : name;
}

QString moveProblem(const TournamentData& data, const TimetableGame& game, const GameSlot& to)
{
    if (!data.timetable)
        return QCoreApplication::translate("MoveCheck", "The tournament has no timetable.");
    const TimetableSettings& settings = data.timetable->settings;
    if (!settings.days.contains(to.date))
        return QCoreApplication::translate("MoveCheck", "%1 is not a day of the timetable.")
            .arg(to.date.toString(QStringLiteral("dd-MMM-yyyy")));
    if (to.pitch < 0 || to.pitch >= settings.pitches.size())
        return QCoreApplication::translate("MoveCheck", "The timetable has no pitch %1.").arg(to.pitch + 1);
    const int minutes = game.isKnockout() ? settings.knockoutGameMinutes : settings.groupGameMinutes;
    if (to.end - to.start != minutes)
        return (game.isKnockout() ? QCoreApplication::translate("MoveCheck", "A knockout game lasts %1 minutes.")
                                  : QCoreApplication::translate("MoveCheck", "A group game lasts %1 minutes."))
            .arg(minutes);
    if (to.start < settings.hours.from)
        return QCoreApplication::translate("MoveCheck", "%1 is before the first kick-off at %2.")
            .arg(minuteText(to.start), minuteText(settings.hours.from));
    if (to.end > settings.hours.to)
        return QCoreApplication::translate("MoveCheck", "A game at %1 ends at %2, after the last finish at %3.")
            .arg(minuteText(to.start), minuteText(to.end), minuteText(settings.hours.to));
    for (const MinuteSpan& pause : settings.breaks) {
        if (pause.contains(to.start))
            return QCoreApplication::translate("MoveCheck", "%1 lies in the break %2.")
                .arg(minuteText(to.start), spanText(pause));
        if (closerThan(to.start, to.end, pause.from, pause.to, 0))
            return QCoreApplication::translate("MoveCheck", "A game at %1 runs into the break %2.")
                .arg(minuteText(to.start), spanText(pause));
    }

    const QVector<TimetableGame> games = timetableGames(data);
    for (const TimetableGame& other : games) {
        if (isSameGame(other, game) || other.slot.date != to.date || other.slot.pitch != to.pitch)
            continue;
        if (closerThan(to.start, to.end, other.slot.start, other.slot.end, settings.changeoverMinutes))
            return QCoreApplication::translate("MoveCheck", "%1 holds %2, %3 v %4 at %5.")
                .arg(pitchName(settings, to.pitch), shownStage(other), other.homeName, other.awayName,
                     minuteText(other.slot.start));
    }
    for (const QString& team : { game.homeName, game.awayName }) {
        for (const TimetableGame& other : games) {
            if (isSameGame(other, game) || other.slot.date != to.date
                || (other.homeName != team && other.awayName != team))
                continue;
            if (closerThan(to.start, to.end, other.slot.start, other.slot.end, settings.restMinutes))
                return teamProblem(settings, team, other, to);
        }
        for (const TeamHours& hours : settings.teamHours) {
            if (hours.team == team && (to.start < hours.hours.from || to.end > hours.hours.to))
                return QCoreApplication::translate("MoveCheck", "%1 plays only between %2 and %3.")
                    .arg(team, minuteText(hours.hours.from), minuteText(hours.hours.to));
        }
    }

    // The knockout stage follows the groups: its first game starts once every group game is over.
    using Moment = std::pair<QDate, int>;
    std::optional<Moment> lastGroupEnd;
    std::optional<Moment> firstKnockoutStart;
    for (const TimetableGame& other : games) {
        if (isSameGame(other, game))
            continue;
        if (other.isKnockout()
            && (!firstKnockoutStart || Moment(other.slot.date, other.slot.start) < *firstKnockoutStart))
            firstKnockoutStart = Moment(other.slot.date, other.slot.start);
        if (!other.isKnockout() && (!lastGroupEnd || Moment(other.slot.date, other.slot.end) > *lastGroupEnd))
            lastGroupEnd = Moment(other.slot.date, other.slot.end);
    }
    if (!game.isKnockout() && firstKnockoutStart && Moment(to.date, to.end) > *firstKnockoutStart)
        return QCoreApplication::translate("MoveCheck", "A group game must end by the first knockout game at %1.")
            .arg(minuteText(firstKnockoutStart->second));
    if (game.isKnockout() && lastGroupEnd && Moment(to.date, to.start) < *lastGroupEnd)
        return QCoreApplication::translate("MoveCheck",
                                           "A knockout game cannot start before the group games end at %1.")
            .arg(minuteText(lastGroupEnd->second));
    return QString();
}
