#include "CrossGroupRanking.h"

#include <algorithm>

namespace {

qint64 played(const LeagueRow& row)
{
    return row.won + row.drawn + row.lost;
}

// Above zero when `a` ranks higher by this figure, per game played when their counts differ; the
// cross products stay exact, where a division would round.
int compareFigure(qint64 a, const LeagueRow& rowA, qint64 b, const LeagueRow& rowB)
{
    const qint64 playedA = played(rowA);
    const qint64 playedB = played(rowB);
    const qint64 left = playedA == playedB ? a : a * playedB;
    const qint64 right = playedA == playedB ? b : b * playedA;
    return left > right ? 1 : left < right ? -1 : 0;
}

} // namespace

QVector<RankedTeam> rankAcrossGroups(const QVector<QVector<LeagueRow>>& groups, const QVector<int>& rules, int position)
{
    QVector<RankedTeam> teams;
    for (int group = 0; group < groups.size(); ++group) {
        if (position >= 1 && position <= groups[group].size())
            teams.append({ group, groups[group][position - 1] });
    }
    const auto higher = [&rules](const RankedTeam& a, const RankedTeam& b) {
        for (const int rule : rules) {
            const std::optional<qint64> figureA = ruleFigure(a.row, rule);
            if (!figureA)
                continue;
            if (const int order = compareFigure(*figureA, a.row, *ruleFigure(b.row, rule), b.row))
                return order > 0;
        }
        if (const int order = compareFigure(a.row.won, a.row, b.row.won, b.row))
            return order > 0;
        return a.group < b.group;
    };
    std::sort(teams.begin(), teams.end(), higher);
    return teams;
}
