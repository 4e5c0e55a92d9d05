#pragma once

#include "core/common/GameSlot.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QVector>
#include <optional>

// One game to place. Teams are numbered across the whole tournament from 0; a knockout game whose
// teams are not known yet lists none, and waits instead for the games that decide them.
struct PlanGame
{
    int group = -1;  // index from 0; -1 for a knockout game
    int round = 1;   // a group game's round, from 1: a group's rounds start in order
    int minutes = 0; // how long it lasts
    QVector<int> teams;
    // Games (indices into PlanRequest::games) that decide its teams or must be played first (a
    // tie's first leg): it starts no sooner than the rest after each of them ends.
    QVector<int> after;
};

// Everything the planner needs: the pitches, the days and their hours and breaks, the changeover
// on a pitch and the least rest of a team, and the games. Every group game ends before the first
// knockout game starts.
struct PlanRequest
{
    int pitchCount = 0;
    QVector<QDate> days; // one or two, in order
    MinuteSpan hours;    // each day
    QVector<MinuteSpan> breaks;
    int changeoverMinutes = 0;
    int restMinutes = 0;
    QVector<PlanGame> games;
    QMap<int, MinuteSpan> teamHours; // by team: the only hours, each day, it can play in
};

// Where a game went: minutes from midnight of the first day (a game on the second day starts at
// 1440 or later) and the pitch, from 0.
struct PlannedGame
{
    int start = 0;
    int pitch = 0;
};

struct DayPlan
{
    QVector<PlannedGame> games; // parallel to PlanRequest::games
    int end = 0;                // when the last game ends, as PlannedGame::start counts
    int leastEnd = 0;           // no plan that keeps every rule ends before this
};

// Places every game so that every rule holds (see the request), the day ends as early as it can,
// then the teams' rests are as even as they can be, then each group keeps to the same pitches. The
// same request always gives the same plan. Nothing, with the reason and the numbers in `refusal`,
// when the days cannot hold the games:
// "48 games need at least 12 rounds of 25 minutes on 4 pitches; 09:00-12:00 holds 7."
std::optional<DayPlan> planDay(const PlanRequest& request, QString* refusal);

// "Planned 40 games on 4 pitches, 09:00 to 15:50 on 12-Jun-2027 (no plan can end before 15:30)."
QString planSummary(const PlanRequest& request, const DayPlan& plan);
