#include "core/standings/LeagueRow.h"

#include "core/tournament/TournamentSettings.h"

QVariant leagueRowValue(const LeagueRow& row, const QString& column)
{
    if (column == QLatin1String("Competitors Name"))
        return row.name;
    if (column == QLatin1String("Won"))
        return row.won;
    if (column == QLatin1String("Drawn"))
        return row.drawn;
    if (column == QLatin1String("Lost"))
        return row.lost;
    if (column == QLatin1String("For"))
        return row.goalsFor;
    if (column == QLatin1String("Against"))
        return row.against;
    if (column == QLatin1String("Diff"))
        return row.diff;
    if (column == QLatin1String("Pts"))
        return row.pts;
    return QVariant();
}

std::optional<qint64> ruleFigure(const LeagueRow& row, int ruleCode)
{
    switch (LeagueRule(ruleCode)) {
    case LeagueRule::Points:
        return row.pts;
    case LeagueRule::GoalDifference:
        return row.diff;
    case LeagueRule::GoalsScored:
        return row.goalsFor;
    case LeagueRule::GamesWon:
        return row.won;
    default:
        return std::nullopt;
    }
}
