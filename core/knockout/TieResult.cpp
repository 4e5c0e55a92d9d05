#include "TieResult.h"

#include <QCoreApplication>

namespace {

QString shootOutOnlyWhenLevel()
{
    return QCoreApplication::translate("TieResult",
                                       "A penalty shoot-out is held only when the tie is level after extra time.");
}

struct Tally
{
    int first = 0;
    int second = 0;
};

// The score of game `index` from the first-listed team's side: it is at home in the odd legs.
Tally fromFirstSide(const GameScore& score, int index)
{
    return index % 2 == 0 ? Tally { score.home, score.away } : Tally { score.away, score.home };
}

std::optional<TieSide> refuse(QString* refusal, const QString& text)
{
    if (refusal)
        *refusal = text;
    return std::nullopt;
}

std::optional<TieSide> sideAhead(const Tally& tally)
{
    if (tally.first == tally.second)
        return std::nullopt;
    return tally.first > tally.second ? TieSide::First : TieSide::Second;
}

bool isNegative(const std::optional<GameScore>& score)
{
    return score && (score->home < 0 || score->away < 0);
}

} // namespace

std::optional<TieSide> decideTie(const TieResult& result, bool awayGoals, QString* refusal)
{
    const int games = result.legs.size();
    if (games < 1 || games > 2)
        return refuse(refusal, QCoreApplication::translate("TieResult", "A tie is played in one game or in two legs."));
    bool negative = isNegative(result.extraTime) || isNegative(result.penalties);
    for (const GameScore& leg : result.legs)
        negative = negative || isNegative(leg);
    if (negative)
        return refuse(refusal, QCoreApplication::translate("TieResult", "A score cannot be negative."));

    const int last = games - 1;
    Tally aggregate;
    Tally awayScored;
    for (int index = 0; index < games; ++index) {
        const Tally game = fromFirstSide(result.legs[index], index);
        aggregate.first += game.first;
        aggregate.second += game.second;
        if (index % 2 == 0)
            awayScored.second += game.second;
        else
            awayScored.first += game.first;
    }
    std::optional<TieSide> winner = sideAhead(aggregate);
    if (!winner && awayGoals && games == 2)
        winner = sideAhead(awayScored);

    if (winner) {
        if (result.extraTime)
            return refuse(refusal,
                          QCoreApplication::translate(
                              "TieResult", "Extra time is played only when the tie is level after full time."));
        if (result.penalties)
            return refuse(refusal, shootOutOnlyWhenLevel());
        return winner;
    }
    if (!result.extraTime)
        return refuse(refusal,
                      QCoreApplication::translate(
                          "TieResult", "The tie is level after full time: enter the score after extra time."));
    const GameScore& fullTime = result.legs[last];
    if (result.extraTime->home < fullTime.home || result.extraTime->away < fullTime.away)
        return refuse(refusal,
                      QCoreApplication::translate(
                          "TieResult", "The score after extra time cannot be lower than the full-time score."));

    const Tally lastFullTime = fromFirstSide(fullTime, last);
    const Tally lastExtraTime = fromFirstSide(*result.extraTime, last);
    winner = sideAhead({ aggregate.first - lastFullTime.first + lastExtraTime.first,
                         aggregate.second - lastFullTime.second + lastExtraTime.second });
    if (winner) {
        if (result.penalties)
            return refuse(refusal, shootOutOnlyWhenLevel());
        return winner;
    }
    if (!result.penalties)
        return refuse(refusal,
                      QCoreApplication::translate("TieResult",
                                                  "The tie is level after extra time: enter the penalty shoot-out."));
    winner = sideAhead(fromFirstSide(*result.penalties, last));
    if (!winner)
        return refuse(refusal, QCoreApplication::translate("TieResult", "A penalty shoot-out cannot end level."));
    return winner;
}
