#pragma once

#include "core/setup/TimetableGames.h"
#include "core/tournament/TournamentFile.h"

#include <QString>

// Why `game` cannot move to `to` (the first rule the move would break: "Alpha plays Gamma on Pitch
// 1 at 10:25."), or empty when it can.
QString moveProblem(const TournamentData& data, const TimetableGame& game, const GameSlot& to);

// The game's group caption, or its tie's shown name ("Quarter-final 2", "Final, leg 2"): how windows
// and messages name it.
QString shownStage(const TimetableGame& game);
