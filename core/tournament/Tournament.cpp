#include "core/tournament/Tournament.h"

TournamentState Tournament;
QString DatabaseName;

void resetProgramState()
{
    Tournament = TournamentState();
    DatabaseName.clear();
}
