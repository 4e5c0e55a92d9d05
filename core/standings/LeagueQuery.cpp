#include "core/standings/LeagueQuery.h"

#include "core/tournament/TournamentSettings.h"

namespace {

QString orderClause(int ruleCode)
{
    switch (LeagueRule(ruleCode)) {
    case LeagueRule::Points:
        return QStringLiteral("[Pts] DESC");
    case LeagueRule::GoalDifference:
        return QStringLiteral("[Diff] DESC");
    case LeagueRule::GoalsScored:
        return QStringLiteral("[For] DESC");
    case LeagueRule::GamesWon:
        return QStringLiteral("[Won] DESC");
    default:
        return QString();
    }
}

} // namespace

// Rows equal on every clause would otherwise come in whatever order the engine's sorter leaves them;
// team-number order makes every computation of the same results give the same table.
QString withTeamNumberOrder(const QString& leagueQuery)
{
    const bool anyClause = leagueQuery.size() > kLeagueQueryFixedText.size();
    return leagueQuery
        + (anyClause ? QStringLiteral(", [Teams].[TeamNumber]") : QStringLiteral("ORDER BY [Teams].[TeamNumber]"));
}

LeagueQuery buildLeagueQuery(const QList<int>& ruleOrder)
{
    LeagueQuery query;
    query.text = kLeagueQueryFixedText;
    bool anyClause = false;
    for (int code : ruleOrder) {
        if (LeagueRule(code) == LeagueRule::GamesBetweenTeams) {
            query.headToHead = true;
            continue;
        }
        if (LeagueRule(code) == LeagueRule::HeadToHeadTable) {
            query.headToHeadTable = true;
            query.rulesBeforeTable = ruleOrder.mid(0, ruleOrder.indexOf(int(LeagueRule::HeadToHeadTable)));
            continue;
        }
        const QString clause = orderClause(code);
        if (clause.isEmpty())
            continue;
        query.text += anyClause ? QStringLiteral(", ") : QStringLiteral("ORDER BY ");
        query.text += clause;
        anyClause = true;
    }
    // The team number lets the head-to-head table find a row's games and the why texts name team order.
    query.orderedText = withTeamNumberOrder(query.text);
    query.orderedText.replace(0, 7, QStringLiteral("SELECT [Teams].[TeamNumber], "));
    return query;
}
