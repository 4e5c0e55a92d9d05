#pragma once

#include "core/timetable/DayPlanner.h"

#include <QStringList>
#include <algorithm>

// The rules of a plan, checked from the request and the planned games alone, knowing nothing of how
// the planner works: every rule a plan breaks, as a text naming the games.
inline QStringList brokenPlanRules(const PlanRequest& request, const QVector<PlannedGame>& plan)
{
    QStringList broken;
    const QVector<PlanGame>& games = request.games;
    if (plan.size() != games.size())
        return { QStringLiteral("%1 games planned for %2").arg(plan.size()).arg(games.size()) };
    const auto end = [&](int i) { return plan.at(i).start + games.at(i).minutes; };
    const auto shareTeam = [&](int i, int j) {
        return std::any_of(games.at(i).teams.begin(), games.at(i).teams.end(),
                           [&](int team) { return games.at(j).teams.contains(team); });
    };
    int groupEnd = 0;
    int firstKnockout = INT_MAX;
    for (int i = 0; i < games.size(); ++i) {
        const PlanGame& game = games.at(i);
        const int day = plan.at(i).start / 1440;
        const int minute = plan.at(i).start % 1440;
        if (plan.at(i).pitch < 0 || plan.at(i).pitch >= request.pitchCount)
            broken << QStringLiteral("game %1 on no pitch").arg(i);
        if (plan.at(i).start < 0 || day >= request.days.size() || minute < request.hours.from
            || minute + game.minutes > request.hours.to)
            broken << QStringLiteral("game %1 outside the hours").arg(i);
        for (const MinuteSpan& pause : request.breaks)
            if (minute < pause.to && minute + game.minutes > pause.from)
                broken << QStringLiteral("game %1 runs into a break").arg(i);
        for (int team : game.teams) {
            const MinuteSpan hours = request.teamHours.value(team, request.hours);
            if (minute < hours.from || minute + game.minutes > hours.to)
                broken << QStringLiteral("game %1 outside team %2's hours").arg(i).arg(team);
        }
        for (int before : game.after)
            if (plan.at(i).start < end(before) + request.restMinutes)
                broken << QStringLiteral("game %1 starts before game %2 ends and a rest").arg(i).arg(before);
        if (game.group >= 0)
            groupEnd = std::max(groupEnd, end(i));
        else
            firstKnockout = std::min(firstKnockout, plan.at(i).start);
        for (int j = i + 1; j < games.size(); ++j) {
            const auto apart
                = [&](int gap) { return plan.at(j).start >= end(i) + gap || plan.at(i).start >= end(j) + gap; };
            if (plan.at(i).pitch == plan.at(j).pitch && !apart(request.changeoverMinutes))
                broken << QStringLiteral("games %1 and %2 share a pitch").arg(i).arg(j);
            if (shareTeam(i, j) && !apart(request.restMinutes))
                broken << QStringLiteral("games %1 and %2 leave a team no rest").arg(i).arg(j);
            const PlanGame& other = games.at(j);
            if (game.group >= 0 && game.group == other.group && game.round != other.round) {
                const int early = game.round < other.round ? i : j;
                const int late = early == i ? j : i;
                if (plan.at(late).start < plan.at(early).start)
                    broken << QStringLiteral("game %1 of a later round starts before game %2").arg(late).arg(early);
            }
        }
    }
    if (groupEnd > firstKnockout)
        broken << QStringLiteral("a knockout game starts before the group games end");
    return broken;
}

// Minutes within the hours and outside the breaks, from the first day's first kick-off to `to`.
inline int openMinutesUntil(const PlanRequest& request, int to)
{
    int minutes = 0;
    for (int day = 0; day < request.days.size(); ++day) {
        for (int minute = request.hours.from; minute < request.hours.to && day * 1440 + minute < to; ++minute) {
            const bool paused = std::any_of(request.breaks.begin(), request.breaks.end(),
                                            [minute](const MinuteSpan& pause) { return pause.contains(minute); });
            minutes += paused ? 0 : 1;
        }
    }
    return minutes;
}
