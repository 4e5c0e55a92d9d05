#include "core/standings/HeadToHead.h"

#include <QHash>
#include <utility>

namespace {

// The games of each pair of teams, whichever is at home, in the order they were played.
class GamesBetween
{
public:
    explicit GamesBetween(const QVector<GameResult>& games)
    {
        for (const GameResult& game : games) {
            if (game.home != game.away)
                m_byPair[key(game.home, game.away)].append(&game);
        }
    }

    QVector<const GameResult*> of(int a, int b) const { return m_byPair.value(key(a, b)); }

private:
    static quint64 key(int a, int b)
    {
        const auto [low, high] = std::minmax(a, b);
        return (quint64(quint32(low)) << 32) | quint32(high);
    }

    QHash<quint64, QVector<const GameResult*>> m_byPair;
};

} // namespace

bool isLevelPair(const LeagueRow& upper, const LeagueRow& lower)
{
    return upper.pts == lower.pts && upper.won == lower.won && upper.diff == lower.diff
        && upper.goalsFor == lower.goalsFor;
}

void separateLevelPairs(QVector<LeagueRow>& rows, const QVector<GameResult>& games)
{
    if (rows.size() < 2)
        return;
    const GamesBetween between(games);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i + 1 < rows.size(); ++i) {
            if (!isLevelPair(rows[i], rows[i + 1]))
                continue;
            for (const GameResult* game : between.of(rows[i].teamNumber, rows[i + 1].teamNumber)) {
                const bool upperIsHome = game->home == rows[i].teamNumber;
                const qint64 upperGoals = upperIsHome ? game->homeGoals : game->awayGoals;
                const qint64 lowerGoals = upperIsHome ? game->awayGoals : game->homeGoals;
                if (lowerGoals > upperGoals)
                    std::swap(rows[i], rows[i + 1]);
            }
        }
    }
}
