#pragma once

#include "core/knockout/KnockoutTemplate.h"
#include "core/setup/TimetableGames.h"
#include "core/timetable/DayPlanner.h"
#include "core/timetable/Timetable.h"
#include "core/tournament/TournamentDocument.h"
#include "core/tournament/TournamentFile.h"

#include <QString>
#include <QVector>
#include <optional>

// The knockout games to plan when no stage is set up yet: the first round as `knockoutTemplate`
// places it, each round's legs, and a third-place match when asked for.
struct KnockoutPlanShape
{
    KnockoutTemplate knockoutTemplate;
    bool thirdPlaceMatch = false;
};

// A plan ready for TournamentDocument::setTimetable, and its one-line summary.
struct PlannedDay
{
    Timetable timetable;
    TournamentDocument::GroupSlots groupSlots;
    QString summary; // "Planned 40 games on 4 pitches, ..."
};

// Plans every group game without a result, and the knockout games of the stage that is set up or,
// when none is, of `shape`; a played game keeps its slot, and the games left start after the last
// played game on the days ends (and the longer of a changeover and a rest after it). A group's
// rounds follow its list order. Nothing, with the reason in `refusal`, when the days cannot hold
// the games or the settings name a team the groups lack.
std::optional<PlannedDay> planTournamentDay(const TournamentData& data, const TimetableSettings& settings,
                                            const std::optional<KnockoutPlanShape>& shape, QString* refusal);
