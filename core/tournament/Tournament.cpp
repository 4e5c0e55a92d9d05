#include "core/tournament/Tournament.h"

TournamentState Tournament;
QString DatabaseName;
QString ReportTempPath;

void resetProgramState()
{
    Tournament = TournamentState();
    DatabaseName.clear();
    ReportTempPath.clear();
}
