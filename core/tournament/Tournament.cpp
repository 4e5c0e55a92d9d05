#include "core/tournament/Tournament.h"

TournamentState Tournament;
QString DatabaseName;
QDate CalendarDate;
Flag bDateUp;
QString EditedRecord;
QString ReportTempPath;

QDate calendarCancelDate()
{
    return QDate(1798, 1, 1);
}

void resetProgramState()
{
    Tournament = TournamentState();
    DatabaseName.clear();
    CalendarDate = QDate();
    bDateUp = false;
    EditedRecord.clear();
    ReportTempPath.clear();
}
