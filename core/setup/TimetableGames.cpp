#include "core/setup/TimetableGames.h"

#include "core/knockout/TieResultText.h"

#include <algorithm>
#include <tuple>

namespace {

QString teamName(const QStringList& teams, int number)
{
    return teamNameOrPlaceholder(teams, number);
}

// The knockout game's teams as the stage knows them, else as the plan named them; the second leg
// is played at the second team's ground, so it lists that team first.
void nameKnockoutGame(const std::optional<KnockoutStage>& stage, const KnockoutSlot& planned, TimetableGame& game)
{
    QString first = planned.homeName;
    QString second = planned.awayName;
    if (stage && stage->games(planned.tie) > 0) {
        if (const std::optional<KnockoutTeam> team = stage->team(planned.tie, TieSide::First))
            first = team->name;
        if (const std::optional<KnockoutTeam> team = stage->team(planned.tie, TieSide::Second))
            second = team->name;
        if (const std::optional<TieResult> result = stage->result(planned.tie);
            result && planned.leg <= result->legs.size())
            game.score = gameScoreText(result->legs.at(planned.leg - 1));
    }
    game.homeName = planned.leg == 2 ? second : first;
    game.awayName = planned.leg == 2 ? first : second;
}

} // namespace

QVector<TimetableGame> timetableGames(const TournamentData& data)
{
    QVector<TimetableGame> games;
    if (!data.timetable)
        return games;
    for (int g = 0; g < data.groups.size(); ++g) {
        const TournamentGroupData& group = data.groups[g];
        for (int k = 0; k < group.gameSlots.size() && k < group.games.size(); ++k) {
            const std::optional<GameSlot>& slot = group.gameSlots[k];
            const std::optional<Record>& record = group.games[k];
            if (!slot || !record)
                continue;
            TimetableGame game;
            game.group = g + 1;
            game.position = k;
            game.slot = *slot;
            game.stage = group.caption;
            game.homeName = teamName(group.teams, record->home);
            game.awayName = teamName(group.teams, record->away);
            if (record->isResult)
                game.score = QStringLiteral("%1-%2").arg(record->homeFullTime).arg(record->awayFullTime);
            games.append(game);
        }
    }
    for (const KnockoutSlot& planned : data.timetable->knockout) {
        TimetableGame game;
        game.tie = planned.tie;
        game.leg = planned.leg;
        game.slot = planned.slot;
        game.stage = QStringLiteral("Knockout");
        nameKnockoutGame(data.knockout, planned, game);
        games.append(game);
    }
    std::stable_sort(games.begin(), games.end(), [](const TimetableGame& a, const TimetableGame& b) {
        return std::tie(a.slot.date, a.slot.start, a.slot.pitch) < std::tie(b.slot.date, b.slot.start, b.slot.pitch);
    });
    return games;
}
