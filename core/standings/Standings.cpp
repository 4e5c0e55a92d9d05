#include "core/standings/Standings.h"

#include "core/standings/HeadToHead.h"
#include "core/standings/HeadToHeadTable.h"
#include "core/standings/LeagueQuery.h"
#include "core/standings/Tally.h"
#include "core/standings/TempDatabase.h"
#include "core/standings/WhyTexts.h"

#include <optional>

namespace {

// TempTable keeps its rows in the order they were written; rowid makes that explicit.
const QString kTempTableInOrder = QStringLiteral("SELECT * FROM [TempTable] ORDER BY rowid");

} // namespace

StandingsRequest standingsRequestFor(const GroupRecords& group, const TournamentSettings& settings)
{
    return { group, settings.PointsForWin, settings.PointsForDraw, settings.rulesInOrder() };
}

StandingsOutcome computeStandings(const StandingsRequest& request, const QString& databaseName)
{
    StandingsOutcome outcome;
    const QStringList& teams = request.group.teams();
    TallyOutcome tally = tallyResults(request.group, request.pointsForWin, request.pointsForDraw);
    QVector<LeagueAdjustment> adjustments;
    for (const PointsAdjustment& adjustment : request.group.adjustments()) {
        if (adjustment.team < 0 || adjustment.team >= tally.tallies.size())
            continue;
        tally.tallies[adjustment.team].pts += adjustment.points;
        adjustments.append({ teams[adjustment.team], adjustment.points, adjustment.reason });
    }
    outcome.skippedLines = tally.skippedLines;
    const LeagueQuery query = buildLeagueQuery(request.ruleOrder);

    TempDatabase database(databaseName);
    const auto failed = [&]() {
        outcome.error = database.errorMessage();
        database.rollback();
        return outcome;
    };
    if (!database.open() || !database.beginTransaction())
        return failed();
    if (!database.replaceLeague(tally.tallies) || !database.replaceTeams(teams))
        return failed();

    std::optional<LeagueTable> table = database.readTable(query.orderedText);
    if (!table)
        return failed();
    const bool reordered = query.headToHead || query.headToHeadTable;
    HeadToHeadStages stages;
    if (query.headToHeadTable)
        orderByHeadToHeadTable(table->rows, query.rulesBeforeTable, tally.games, request.pointsForWin,
                               request.pointsForDraw, &stages);
    if (query.headToHead)
        separateLevelPairs(table->rows, tally.games);
    if (reordered) {
        if (!database.replaceTempTable(table->rows))
            return failed();
        std::optional<LeagueTable> written = database.readTable(kTempTableInOrder);
        if (!written)
            return failed();
        for (int i = 0; i < written->rows.size() && i < table->rows.size(); ++i)
            written->rows[i].teamNumber = table->rows[i].teamNumber;
        table = std::move(written);
    }
    if (!database.commit())
        return failed();

    outcome.table = *table;
    outcome.table.adjustments = adjustments;
    outcome.table.why = whyTexts(outcome.table.rows, request.ruleOrder, stages, tally.games);
    outcome.reportQuery = reordered ? kTempTableQuery : query.text;
    return outcome;
}

std::optional<LeagueTable> readReportTable(const QString& databaseName, const QString& reportQuery, QString* error)
{
    QString sql = reportQuery;
    if (reportQuery == kTempTableQuery)
        sql = kTempTableInOrder;
    else if (reportQuery.startsWith(kLeagueQueryFixedText))
        sql = withTeamNumberOrder(reportQuery);
    TempDatabase database(databaseName);
    std::optional<LeagueTable> table;
    if (database.open())
        table = database.readTable(sql);
    if (!table && error)
        *error = database.errorMessage();
    return table;
}
