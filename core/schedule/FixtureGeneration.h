#pragma once

#include "core/schedule/Schedule.h"

#include <QDate>
#include <QStringList>
#include <QVector>

// File > Generate Fixtures, File > Generate Balanced Fixtures and `tabulon-cli generate` make a
// group's schedule through these two steps; they differ only in how they ask for the values and
// report the outcome, and in the kind of schedule.

// Why a group cannot be given a schedule, judged before anything is asked.
enum class FixtureRefusal {
    None,
    NotEmpty,         // the group holds fixtures or results already
    TooFewTeams,      // the group is set up with fewer than two teams
    MissingTeamNames, // fewer team names than the group's team count: numbers beyond them would name nobody
};

// `teamCount` is the count the tournament's settings give the group; `teams` its team names.
FixtureRefusal fixtureRefusal(int teamCount, const QStringList& teams, const QStringList& storedLines);

struct FixtureGeneration
{
    QStringList lines; // every line of the group afterwards, in date order
    int added = 0;     // how many of them are new fixtures
    QDate firstDate;   // of the group's first and last lines afterwards
    QDate lastDate;
    ScheduleFailure failure;
    bool ok() const { return failure.number == 0; }
};

// The kind of schedule a generation makes: buildSchedule or buildBalancedSchedule.
using ScheduleBuilder = ScheduleResult (*)(const QVector<qint16>& teamOrder, int legs, const QDate& start, int gap,
                                           int linesAlreadyStored);

// Appends the schedule `build` makes of `legs` legs for the team order, the first round on `start`
// and the rounds `gap` days apart, to the group's lines and sorts them by date. On failure nothing
// is appended and `failure` says why.
FixtureGeneration generateFixtures(const QStringList& storedLines, const QVector<qint16>& teamOrder, int legs,
                                   const QDate& start, int gap, ScheduleBuilder build = buildSchedule);
