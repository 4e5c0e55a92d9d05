#include "core/standings/Tally.h"

TallyOutcome tallyResults(const GroupRecords& group, int pointsForWin, int pointsForDraw)
{
    const int teamCount = int(group.teams().size());
    TallyOutcome outcome;
    outcome.tallies.resize(teamCount);
    outcome.skippedLines = group.unreadableResultLines();
    const auto isTeam = [teamCount](int number) { return number >= 0 && number < teamCount; };

    for (const std::optional<Record>& record : group.games()) {
        if (!record || !record->isResult)
            continue;
        if (!isTeam(record->home) || !isTeam(record->away)) {
            ++outcome.skippedLines;
            continue;
        }
        const qint64 h = record->homeFullTime;
        const qint64 a = record->awayFullTime;
        outcome.games.append({ record->home, record->away, h, a });
        TeamTally& home = outcome.tallies[record->home];
        TeamTally& away = outcome.tallies[record->away];
        home.goalsFor += h;
        home.against += a;
        away.goalsFor += a;
        away.against += h;
        if (a < h) {
            home.pts += pointsForWin;
            ++home.won;
            ++away.lost;
        } else if (a == h) {
            home.pts += pointsForDraw;
            away.pts += pointsForDraw;
            ++home.drawn;
            ++away.drawn;
        } else {
            away.pts += pointsForWin;
            ++away.won;
            ++home.lost;
        }
    }
    return outcome;
}
