#pragma once

#include "core/common/Flag.h"
#include "core/tournament/TournamentSettings.h"

#include <QString>

// The open tournament's settings and flags. There is exactly one, `Tournament`, shared by every
// window; core functions take the values they need as parameters instead of reading it.
struct TournamentState : TournamentSettings
{
    Flag IsOpen = false;
    Flag Saved = true;
    QString FileName;
};

extern TournamentState Tournament;

// Puts the program-wide state back to what it is when the program starts.
void resetProgramState();
