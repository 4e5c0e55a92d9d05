#include "core/tournament/Tournament.h"

TournamentState Tournament;

void resetProgramState()
{
    Tournament = TournamentState();
}
