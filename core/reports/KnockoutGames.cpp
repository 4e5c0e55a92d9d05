#include "core/reports/KnockoutGames.h"

#include "core/knockout/TieResultText.h"
#include "core/records/RecordLines.h"

namespace {

// Who fills a side of a tie while it is not known: the winner of the tie before it in the
// bracket, or for the third-place match a semi-final's loser.
QString placeholderName(const TieId& tie, TieSide side)
{
    const int feeder = side == TieSide::First ? 1 : 2;
    if (tie.thirdPlace)
        return QStringLiteral("Loser ") + tieCode({ 4, feeder });
    return QStringLiteral("Winner ") + tieCode({ tie.roundSize * 2, 2 * (tie.number - 1) + feeder });
}

} // namespace

QVector<KnockoutGame> knockoutGames(const KnockoutStage& stage)
{
    QVector<KnockoutGame> games;
    for (const QString& code : stage.tieCodes()) {
        const TieId tie = *readTieCode(code);
        const std::optional<KnockoutTeam> first = stage.team(code, TieSide::First);
        const std::optional<KnockoutTeam> second = stage.team(code, TieSide::Second);
        const std::optional<TieResult> result = stage.result(code);
        KnockoutGame game;
        game.code = code;
        game.round = tie.thirdPlace ? tieName(tie) : roundName(tie.roundSize);
        game.tie = tieName(tie);
        if (stage.isBye(code)) {
            game.bye = true;
            game.home = first ? first : second;
            game.homeName = game.home->name;
            game.winner = game.home;
            game.date = stage.gameDate(code, 1);
            games.append(game);
            continue;
        }
        const QString firstName = first ? first->name : placeholderName(tie, TieSide::First);
        const QString secondName = second ? second->name : placeholderName(tie, TieSide::Second);
        game.legs = stage.games(code);
        for (int leg = 1; leg <= game.legs; ++leg) {
            KnockoutGame played = game;
            const bool firstAtHome = leg % 2 == 1;
            played.leg = leg;
            played.home = firstAtHome ? first : second;
            played.away = firstAtHome ? second : first;
            played.homeName = firstAtHome ? firstName : secondName;
            played.awayName = firstAtHome ? secondName : firstName;
            played.date = stage.gameDate(code, leg);
            if (result && result->legs.size() >= leg)
                played.fullTime = result->legs[leg - 1];
            if (played.deciding()) {
                if (result) {
                    played.extraTime = result->extraTime;
                    played.penalties = result->penalties;
                }
                played.winner = stage.winner(code);
            }
            games.append(played);
        }
    }
    return games;
}

QString finalScoreText(const KnockoutGame& game)
{
    if (game.extraTime)
        return gameScoreText(*game.extraTime);
    return game.fullTime ? gameScoreText(*game.fullTime) : QString();
}

QStringList scoreMarks(const KnockoutGame& game)
{
    QStringList marks;
    if (game.extraTime)
        marks.append(QStringLiteral("a.e.t."));
    if (game.penalties)
        marks.append(gameScoreText(*game.penalties) + QStringLiteral(" pens"));
    return marks;
}

QString roundDates(const QVector<KnockoutGame>& games, const QString& round)
{
    QStringList dates;
    for (const KnockoutGame& game : games) {
        const QString date = formatRecordDate(game.date);
        if (game.round == round && game.date.isValid() && !dates.contains(date))
            dates.append(date);
    }
    return dates.join(QStringLiteral(" and "));
}
