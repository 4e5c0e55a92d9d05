#include "gui/knockout/TieDescription.h"

#include "core/knockout/TieResultText.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// The goals of `side` in game `game` (from 0): the first-listed team is at home in the first
// leg and away in the second.
int goalsOf(const GameScore& score, int game, TieSide side)
{
    const bool home = (game == 0) == (side == TieSide::First);
    return home ? score.home : score.away;
}

// The side's goals over the tie; with `extraTime` the deciding game counts as it ended after it.
int aggregateOf(const TieResult& result, TieSide side, bool extraTime)
{
    int goals = 0;
    for (int game = 0; game < result.legs.size(); ++game) {
        const bool decided = extraTime && result.extraTime && game == result.legs.size() - 1;
        goals += goalsOf(decided ? *result.extraTime : result.legs[game], game, side);
    }
    return goals;
}

// A score of the deciding game turned to the first-listed team's side.
QString firstSideScore(const TieResult& result, const GameScore& score)
{
    const int game = int(result.legs.size()) - 1;
    return gameScoreText({ goalsOf(score, game, TieSide::First), goalsOf(score, game, TieSide::Second) });
}

QString nameOf(const std::optional<KnockoutTeam>& team)
{
    return team ? team->name : QString();
}

// The slots of the tie's games by leg, those without one left out.
QVector<KnockoutSlot> slotsOf(const KnockoutStage& stage, const QString& code,
                              const std::optional<Timetable>& timetable)
{
    QVector<KnockoutSlot> planned;
    for (int leg = 1; timetable && leg <= stage.games(code); ++leg) {
        if (const std::optional<KnockoutSlot> slot = timetable->knockoutSlot(code, leg))
            planned.append(*slot);
    }
    return planned;
}

QString dayText(const QDate& date)
{
    return QLocale().toString(date, QStringLiteral("ddd d MMM"));
}

} // namespace

QString tieTeamText(const KnockoutStage& stage, const QString& code, TieSide side)
{
    if (const std::optional<KnockoutTeam> team = stage.team(code, side))
        return team->name;
    const std::optional<TieId> tie = readTieCode(code);
    if (!tie || tie->roundSize >= stage.size())
        return QCoreApplication::translate("TieDescription", "bye"); // a first-round place without a team
    const int feeder = 2 * tie->number - (side == TieSide::First ? 1 : 0);
    if (tie->thirdPlace)
        return QCoreApplication::translate("TieDescription", "Loser ") + tieCode({ 4, side == TieSide::First ? 1 : 2 });
    return QCoreApplication::translate("TieDescription", "Winner ") + tieCode({ 2 * tie->roundSize, feeder });
}

QStringList tieGoalTexts(const KnockoutStage& stage, const QString& code, TieSide side)
{
    QStringList goals;
    if (const std::optional<TieResult> result = stage.result(code))
        for (int game = 0; game < result->legs.size(); ++game)
            goals.append(QString::number(goalsOf(result->legs[game], game, side)));
    return goals;
}

QString tieNoteText(const KnockoutStage& stage, const QString& code)
{
    const std::optional<TieResult> result = stage.result(code);
    if (!result)
        return QString();
    QStringList notes;
    if (result->legs.size() > 1)
        notes.append(QCoreApplication::translate("TieDescription", "agg. %1-%2")
                         .arg(aggregateOf(*result, TieSide::First, true))
                         .arg(aggregateOf(*result, TieSide::Second, true)));
    if (result->extraTime)
        notes.append(QCoreApplication::translate("TieDescription", "a.e.t. ")
                     + firstSideScore(*result, *result->extraTime));
    if (result->penalties)
        notes.append(QCoreApplication::translate("TieDescription", "pens ")
                     + firstSideScore(*result, *result->penalties));
    return notes.join(QStringLiteral("  "));
}

QString tieSpokenName(const KnockoutStage& stage, const QString& code)
{
    const std::optional<TieId> tie = readTieCode(code);
    const QString name = (tie ? shownTieName(*tie) : code) + QStringLiteral(": ");
    const QString first = tieTeamText(stage, code, TieSide::First);
    const QString second = tieTeamText(stage, code, TieSide::Second);
    if (stage.isBye(code))
        return name + nameOf(stage.team(code, stage.team(code, TieSide::First) ? TieSide::First : TieSide::Second))
            + QCoreApplication::translate("TieDescription", ", bye");
    const std::optional<TieResult> result = stage.result(code);
    if (!result)
        return name + first + QStringLiteral(", ") + second
            + QCoreApplication::translate("TieDescription", ", to be played");
    const int firstGoals = aggregateOf(*result, TieSide::First, true);
    const int secondGoals = aggregateOf(*result, TieSide::Second, true);
    QString spoken = name
        + QStringLiteral("%1 %2, %3 %4").arg(first, QString::number(firstGoals), second, QString::number(secondGoals));
    if (result->legs.size() > 1)
        spoken += QCoreApplication::translate("TieDescription", " on aggregate");
    else if (stage.games(code) == 2)
        spoken += QCoreApplication::translate("TieDescription", " in the first leg, second leg to be played");
    if (result->extraTime)
        spoken += QCoreApplication::translate("TieDescription", " after extra time");
    const QString winner = nameOf(stage.winner(code));
    if (result->penalties) {
        const bool firstWon = winner == first;
        const GameScore& shootOut = *result->penalties;
        const int game = int(result->legs.size()) - 1;
        const int firstPens = goalsOf(shootOut, game, TieSide::First);
        const int secondPens = goalsOf(shootOut, game, TieSide::Second);
        spoken += QCoreApplication::translate("TieDescription", ", %1 won on penalties %2-%3")
                      .arg(winner, QString::number(firstWon ? firstPens : secondPens),
                           QString::number(firstWon ? secondPens : firstPens));
    } else if (firstGoals == secondGoals && !winner.isEmpty()) {
        spoken += QCoreApplication::translate("TieDescription", ", %1 won on away goals").arg(winner);
    }
    return spoken;
}

QStringList tieSlotTexts(const KnockoutStage& stage, const QString& code, const std::optional<Timetable>& timetable)
{
    QStringList texts;
    for (const KnockoutSlot& game : slotsOf(stage, code, timetable)) {
        const QString text = QCoreApplication::translate("TieDescription", "%1 %2, %3")
                                 .arg(dayText(game.slot.date), minuteText(game.slot.start),
                                      pitchName(timetable->settings.pitches, game.slot.pitch));
        texts.append(stage.games(code) == 2
                         ? QCoreApplication::translate("TieDescription", "Leg %1: %2").arg(game.leg).arg(text)
                         : text);
    }
    return texts;
}

QString tieSpokenSlots(const KnockoutStage& stage, const QString& code, const std::optional<Timetable>& timetable)
{
    QString spoken;
    for (const KnockoutSlot& game : slotsOf(stage, code, timetable)) {
        const QString pitch = pitchName(timetable->settings.pitches, game.slot.pitch);
        spoken += stage.games(code) == 2
            ? QCoreApplication::translate("TieDescription", ", leg %1 %2 at %3 on %4")
                  .arg(QString::number(game.leg), dayText(game.slot.date), minuteText(game.slot.start), pitch)
            : QCoreApplication::translate("TieDescription", ", %1 at %2 on %3")
                  .arg(dayText(game.slot.date), minuteText(game.slot.start), pitch);
    }
    return spoken;
}
