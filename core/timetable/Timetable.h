#pragma once

#include "core/common/GameSlot.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// A team that can only play within certain hours of each day, by the name the groups give it.
struct TeamHours
{
    QString team;
    MinuteSpan hours;
};

// What the day is planned by, kept with the plan so that a game moved by hand is checked by the same
// rules: the pitches, the one or two days with their hours and breaks, how long games last, and how
// long a pitch and a team need between games.
struct TimetableSettings
{
    QStringList pitches;
    QVector<QDate> days; // one or two, in order
    MinuteSpan hours;    // first kick-off to last finish, each day
    int groupGameMinutes = 0;
    int knockoutGameMinutes = 0;
    int changeoverMinutes = 0;  // between the end of a game on a pitch and the next start there
    int restMinutes = 0;        // between the end of a team's game and the start of its next
    QVector<MinuteSpan> breaks; // each day, no game runs into one
    QVector<TeamHours> teamHours;
};

bool operator==(const TimetableSettings& a, const TimetableSettings& b);

// A knockout game's time and pitch: tie code ("QF1", "F", "3P") and leg (1 or 2). The bracket's
// names for its teams ("1A", "Winner QF1", "Loser SF1") are kept for a plan made before the stage
// was set up, so that the games can be shown before their teams are known.
struct KnockoutSlot
{
    QString tie;
    int leg = 1;
    QString homeName;
    QString awayName;
    GameSlot slot;
};

bool operator==(const KnockoutSlot& a, const KnockoutSlot& b);

// The tournament's timetable, apart from the group games' slots, which each group keeps beside its
// record lines (a game keeps its slot as it is edited, and loses it when it is deleted).
struct Timetable
{
    TimetableSettings settings;
    QVector<KnockoutSlot> knockout; // in time order
    // The knockout game's slot; nothing when it has none.
    std::optional<KnockoutSlot> knockoutSlot(const QString& tie, int leg) const;
};

bool operator==(const Timetable& a, const Timetable& b);

// The name of pitch `pitch` (from 0) among `pitches`; "Pitch 3" for one the list does not name, as
// where a view was not given the names.
QString pitchName(const QStringList& pitches, int pitch);
