// The group window's League Table.
#include "core/standings/Standings.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/GroupWindow.h"
#include "gui/standings/LeagueTableWindow.h"
#include "gui/widgets/BusyWindow.h"
#include "gui/widgets/Prompts.h"

#include <QGuiApplication>

void GroupWindow::showStandings()
{
    const StandingsOutcome outcome
        = computeStandings(standingsRequestFor(records(), m_document->settings()), m_databaseName);
    if (!outcome.ok()) {
        if (QGuiApplication::overrideCursor())
            QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
        Prompts::refuse(outcome.error, tr("ERROR"));
        return;
    }

    // The table belongs to the main window: a child of this window would be disabled with it.
    LeagueTableWindow table(outcome.table, windowTitle(), window() == this ? nullptr : window());
    table.exec();
}

void GroupWindow::showLeagueTable()
{
    if (!records().hasResults()) {
        Prompts::message(windowTitle() + tr(" has no results yet."), tr("League Table"), Prompts::Icon::Information);
        return;
    }
    BusyWindow busy(this);
    showStandings();
}
