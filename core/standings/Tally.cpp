#include "core/standings/Tally.h"

#include "core/records/RecordLines.h"

#include <optional>

TallyOutcome tallyResults(const QStringList& storedLines, int teamCount, int pointsForWin, int pointsForDraw)
{
    TallyOutcome outcome;
    outcome.tallies.resize(qMax(teamCount, 0));
    const auto isTeam = [teamCount](int number) { return number >= 0 && number < teamCount; };

    for (const QString& line : storedLines) {
        if (!line.startsWith(QLatin1String("R:")))
            continue;
        const std::optional<Record> record = readRecordLine(line);
        if (!record || !record->isResult || !isTeam(record->home) || !isTeam(record->away)) {
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
