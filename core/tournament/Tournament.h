#pragma once

#include "core/common/Flag.h"
#include "core/tournament/TournamentSettings.h"

#include <QDate>
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

// The other program-wide values that windows exchange.
extern QString DatabaseName;   // path of the temporary database file
extern QDate CalendarDate;     // the date handed to and from the calendar dialog
extern Flag bDateUp;           // direction of the date buttons' auto-repeat
extern QString EditedRecord;   // the record line handed to and from the result editor
extern QString ReportTempPath; // the tagged file of the report last built

// The calendar dialog answers with this date when the user cancels.
QDate calendarCancelDate();

// Puts the program-wide state back to what it is when the program starts.
void resetProgramState();
