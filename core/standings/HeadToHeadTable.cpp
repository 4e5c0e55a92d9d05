#include "core/standings/HeadToHeadTable.h"

#include <algorithm>
#include <vector>

namespace {

using TeamIterator = std::vector<int>::iterator;

struct TableRules
{
    const QVector<GameResult>& games;
    int pointsForWin;
    int pointsForDraw;
    HeadToHeadStages& stages;
};

bool ranksAbove(const HeadToHeadFigures& a, const HeadToHeadFigures& b)
{
    if (a.pts != b.pts)
        return a.pts > b.pts;
    if (a.diff != b.diff)
        return a.diff > b.diff;
    return a.goalsFor > b.goalsFor;
}

// Orders the teams [first, last) by their games among themselves, then each smaller set still level.
void orderAmong(TeamIterator first, TeamIterator last, const TableRules& rules)
{
    const auto size = last - first;
    if (size < 2)
        return;
    QHash<int, HeadToHeadFigures> figures;
    for (auto team = first; team != last; ++team)
        figures.insert(*team, {});
    for (const GameResult& game : rules.games) {
        const auto home = figures.find(game.home);
        const auto away = figures.find(game.away);
        if (home == figures.end() || away == figures.end() || game.home == game.away)
            continue;
        home->goalsFor += game.homeGoals;
        home->diff += game.homeGoals - game.awayGoals;
        away->goalsFor += game.awayGoals;
        away->diff += game.awayGoals - game.homeGoals;
        if (game.homeGoals > game.awayGoals) {
            home->pts += rules.pointsForWin;
        } else if (game.homeGoals < game.awayGoals) {
            away->pts += rules.pointsForWin;
        } else {
            home->pts += rules.pointsForDraw;
            away->pts += rules.pointsForDraw;
        }
    }
    for (auto team = first; team != last; ++team)
        rules.stages[*team].append(figures.value(*team));
    std::stable_sort(first, last, [&figures](int a, int b) { return ranksAbove(figures.value(a), figures.value(b)); });
    // A set that the games did not split at all stays as it is: asking them again changes nothing.
    for (auto run = first; run != last;) {
        auto end = run + 1;
        while (end != last && figures.value(*end) == figures.value(*run))
            ++end;
        if (end - run < size)
            orderAmong(run, end, rules);
        run = end;
    }
}

bool levelOn(const LeagueRow& a, const LeagueRow& b, const QList<int>& rules)
{
    return std::all_of(rules.begin(), rules.end(),
                       [&](int code) { return ruleFigure(a, code) == ruleFigure(b, code); });
}

} // namespace

void orderByHeadToHeadTable(QVector<LeagueRow>& rows, const QList<int>& rulesBefore, const QVector<GameResult>& games,
                            int pointsForWin, int pointsForDraw, HeadToHeadStages* stages)
{
    HeadToHeadStages unused;
    const TableRules rules { games, pointsForWin, pointsForDraw, stages ? *stages : unused };
    for (int first = 0; first < rows.size();) {
        int last = first + 1;
        while (last < rows.size() && levelOn(rows[first], rows[last], rulesBefore))
            ++last;
        if (last - first > 1) {
            QHash<int, LeagueRow> byTeam;
            std::vector<int> teams;
            for (int i = first; i < last; ++i) {
                byTeam.insert(rows[i].teamNumber, rows[i]);
                teams.push_back(rows[i].teamNumber);
            }
            orderAmong(teams.begin(), teams.end(), rules);
            for (int i = first; i < last; ++i)
                rows[i] = byTeam.value(teams[size_t(i - first)]);
        }
        first = last;
    }
}
