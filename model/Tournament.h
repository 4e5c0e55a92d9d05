#pragma once

#include "model/Flag.h"

#include <QDate>
#include <QString>
#include <array>

// The open tournament's settings and flags. There is exactly one, `Tournament`, shared by every
// window; core functions take the values they need as parameters instead of reading it.
struct TournamentState
{
    qint16 GroupCount = 0;                 // 0 = no tournament set up, else 1..8
    QString GroupTitle;                    // "Division", "Group", "Pool" or the user's own
    qint16 Indicator = 0;                  // 0 letters, 1 numbers, 2 "Premier" then numbers
    std::array<qint16, 9> TeamsInGroup {}; // slots 1..GroupCount; slot 0 unused
    qint16 RuleCount = 0;                  // 1..5
    std::array<qint16, 7> RuleOrder {};    // rule codes 1..5 in slots 1..RuleCount, most significant first
    qint16 PointsForWin = 3;               // 2 or 3
    qint16 PointsForDraw = 1;              // 0, 1 or 2
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
