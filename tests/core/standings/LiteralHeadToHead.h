#pragma once

// The games-between-teams rule as plainly as it reads, every display line scanned for every level pair:
// slow on purpose, the tests and the benchmark hold the indexed version to it.

#include "core/records/RecordLines.h"
#include "core/standings/LeagueRow.h"

#include <QRegularExpression>
#include <QStringList>
#include <utility>

namespace literal {

inline void separateLevelPairs(QVector<LeagueRow>& rows, const QStringList& displayLines)
{
    // The home goals run from the first "FT:" to the next "-", the away goals from there to the next ":".
    static const QRegularExpression fullTime(QStringLiteral("FT:([^-]*)(?:-([^:]*))?"));
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i + 1 < rows.size(); ++i) {
            const LeagueRow& a = rows[i];
            const LeagueRow& b = rows[i + 1];
            if (a.pts != b.pts || a.won != b.won || a.diff != b.diff || a.goalsFor != b.goalsFor)
                continue;
            for (const QString& line : displayLines) {
                const QString& upper = rows[i].name;
                if (!line.startsWith(QLatin1String("R:")) || !line.contains(upper) || !line.contains(rows[i + 1].name))
                    continue;
                const qsizetype versus = line.indexOf(QLatin1String("-v-"));
                const bool upperHome = versus >= 0 && line.indexOf(upper) < versus;
                const QRegularExpressionMatch goals = fullTime.match(line);
                const qint16 home = readNumberField(goals.captured(1)).value_or(0);
                const qint16 away = readNumberField(goals.captured(2)).value_or(0);
                if ((upperHome ? away : home) > (upperHome ? home : away))
                    std::swap(rows[i], rows[i + 1]);
            }
        }
    }
}

} // namespace literal
