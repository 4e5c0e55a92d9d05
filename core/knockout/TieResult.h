#pragma once

#include <QString>
#include <QVector>
#include <optional>

// A score as the game was listed: the home team's goals first.
struct GameScore
{
    int home = 0;
    int away = 0;
};

// The result of a tie. In a two-legged tie the first-listed team is at home in the first leg, so
// the second leg's score is listed the other way round. Extra time and penalties belong to the
// deciding (last) game; the extra-time score is cumulative, as reported (1-1, then 2-1 a.e.t.).
struct TieResult
{
    QVector<GameScore> legs;
    std::optional<GameScore> extraTime;
    std::optional<GameScore> penalties;
};

enum class TieSide { First, Second };

// Who wins the tie: the higher aggregate, then the aggregate after extra time (which replaces the
// last game's full-time score), then the penalty shoot-out.
// With `awayGoals` on, a two-legged tie level on aggregate after full time goes to the team with
// more goals away from home, before any extra time; in extra time only the aggregate counts, so a
// tie still level after it goes to penalties.
// Nothing, with the reason in `refusal`, when the tie stays level without a decision or the scores
// cannot have happened.
std::optional<TieSide> decideTie(const TieResult& result, bool awayGoals, QString* refusal);
