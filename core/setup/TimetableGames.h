#pragma once

#include "core/common/GameSlot.h"
#include "core/tournament/TournamentFile.h"

#include <QString>
#include <QVector>

// A game of the timetable as every view shows it: a group game by its group and line, or a
// knockout game by its tie and leg, with its slot and the names of its teams (the bracket's names,
// "1A" or "Winner QF1", while they are not known).
struct TimetableGame
{
    int group = 0;     // from 1; 0 for a knockout game
    int position = -1; // the group game's line
    QString tie;       // the knockout game's tie code
    int leg = 1;
    GameSlot slot;
    QString stage; // the group's caption ("1. Group A"), or "Knockout"
    QString homeName;
    QString awayName;
    QString score; // "2-1" when played; a knockout game's score as its tie shows it
    bool isKnockout() const { return group == 0; }
};

// Every game with a slot, in time order (day, kick-off, pitch). Empty without a timetable.
QVector<TimetableGame> timetableGames(const TournamentData& data);
