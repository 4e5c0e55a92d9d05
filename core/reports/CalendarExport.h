#pragma once

#include "core/knockout/KnockoutStage.h"
#include "core/records/GroupRecords.h"
#include "core/timetable/Timetable.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// A group's games as an iCalendar file (RFC 5545) that a phone's calendar can import or subscribe to.

inline const QString kCalendarFilter = QStringLiteral("iCalendar Files (*.ics)");

struct CalendarRequest
{
    QString title; // the tournament's title as the file holds it
    int groupNumber = 1;
    QString groupCaption;
    GroupRecords group;
    QString team;        // only this team's games; every game when empty
    QStringList pitches; // the timetable's, naming the pitches of the group's slots
};

struct Calendar
{
    QByteArray text;
    int events = 0;
};

// One event per fixture and result: all day, or from kick-off to the end in local time with its
// pitch as the location when the game has a slot ("Home v Away", "Home 2-1 Away" with the full-time
// score as the display line shows it); lines that cannot be read are left out. Each event's UID
// comes from the title, the group, the two teams and the leg (the game's place among the group's
// games between the same two teams in date order), so that a calendar that reads the file again
// updates its events, a fixture that became a result included, instead of adding copies.
Calendar buildCalendar(const CalendarRequest& request, const QDateTime& stamp = QDateTime::currentDateTimeUtc());

// The knockout games of a stage with dates or with slots in `timetable`, one event each (byes are no
// games), all day or timed as above: "Home v
// Away" until the result, with "Winner QF1" or "Loser SF1" for a team not known yet, then "Home
// 2-1 Away" with the score after extra time and "(a.e.t., 4-3 pens)" when the game needed them.
// Each event's UID comes from the title, the tie and the leg. A stage without dates or slots has no
// events.
Calendar buildKnockoutCalendar(const QString& title, const KnockoutStage& stage,
                               const QDateTime& stamp = QDateTime::currentDateTimeUtc(),
                               const std::optional<Timetable>& timetable = std::nullopt);
