#include "group/frmGroup.h"

QString frmGroup::PopulateResults(bool)
{
    return QString();
}

void frmGroup::cmdLeagueTable_Click() { }
