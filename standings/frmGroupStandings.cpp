#include "app/BusyWindow.h"
#include "app/Prompts.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"
#include "standings/Standings.h"
#include "standings/frmLeagueTable.h"

#include <QGuiApplication>

QString frmGroup::PopulateResults(bool bHidden)
{
    StandingsRequest request;
    request.teams = teams();
    request.storedLines = storedLines();
    request.displayLines = displayLines();
    request.pointsForWin = Tournament.PointsForWin;
    request.pointsForDraw = Tournament.PointsForDraw;
    const int ruleCount = qBound(0, int(Tournament.RuleCount), int(Tournament.RuleOrder.size()) - 1);
    for (int slot = 1; slot <= ruleCount; ++slot)
        request.ruleOrder.append(Tournament.RuleOrder[slot]);

    const StandingsOutcome outcome = computeStandings(request, DatabaseName);
    if (!outcome.ok()) {
        if (QGuiApplication::overrideCursor())
            QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
        Prompts::refuse(outcome.error, QStringLiteral("ERROR"));
        return QString();
    }
    if (bHidden)
        return outcome.reportQuery;

    // The table belongs to the main window: a child of this window would be disabled with it.
    frmLeagueTable table(outcome.table, window() == this ? nullptr : window());
    table.exec();
    return QString();
}

void frmGroup::cmdLeagueTable_Click()
{
    if (displayLines().isEmpty())
        return;
    BusyWindow busy(this);
    PopulateResults(false);
}
