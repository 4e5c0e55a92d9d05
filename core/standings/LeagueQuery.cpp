#include "core/standings/LeagueQuery.h"

namespace {

QString orderClause(int ruleCode)
{
    switch (ruleCode) {
    case 1:
        return QStringLiteral("[Pts] DESC");
    case 2:
        return QStringLiteral("[Diff] DESC");
    case 3:
        return QStringLiteral("[For] DESC");
    case 4:
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
        if (code == 5) {
            query.headToHead = true;
            continue;
        }
        if (code == 6) {
            query.headToHeadTable = true;
            query.rulesBeforeTable = ruleOrder.mid(0, ruleOrder.indexOf(6));
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
