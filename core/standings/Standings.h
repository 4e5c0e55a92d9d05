#pragma once

#include "core/records/GroupRecords.h"
#include "core/standings/LeagueRow.h"
#include "core/tournament/TournamentSettings.h"

#include <QList>
#include <QStringList>
#include <optional>

// Everything a group's league table is computed from: the group (its teams, games and points
// adjustments) under the tournament's points and rules.
struct StandingsRequest
{
    GroupRecords group;
    int pointsForWin = 3;
    int pointsForDraw = 1;
    QList<int> ruleOrder; // rule codes, most significant first
};

StandingsRequest standingsRequestFor(const GroupRecords& group, const TournamentSettings& settings);

struct StandingsOutcome
{
    QString error;        // "Error <code> - <text>" from the database; empty on success
    QString reportQuery;  // the league query, or "SELECT * FROM TempTable" with a head-to-head rule
    LeagueTable table;    // the rows read back inside the computation's transaction
    int skippedLines = 0; // result lines passed over (unreadable, or naming no team of the group)

    bool ok() const { return error.isEmpty(); }
};

// Tallies the results and adds the points adjustments to Pts, rewrites League and Teams in the temporary database at
// `databaseName`, orders the rows by the league query (teams equal on every rule in team-number order), orders level
// teams by the head-to-head table and then, with the games-between-teams rule, separates level neighbours, and with
// either of them rewrites TempTable. All of it happens in one transaction, so the rows returned are this computation's
// own even when another program uses the same file; on failure nothing is kept and `error` says why.
StandingsOutcome computeStandings(const StandingsRequest& request, const QString& databaseName);

// Reads the rows that a text from report mode (the league query, or "SELECT * FROM TempTable")
// yields from the temporary database, in the order the League Table window shows them: teams equal
// on every rule in team-number order, TempTable in the order it was written. Nothing, with
// "Error <code> - <text>" in `error`, when the database fails.
std::optional<LeagueTable> readReportTable(const QString& databaseName, const QString& reportQuery, QString* error);
