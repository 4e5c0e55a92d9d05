#pragma once

// The games-between-teams rule written as plainly as it reads: for every level pair, every display
// line is scanned. Slow on purpose; the tests and the benchmark hold the indexed version to it.

#include "group/RecordLines.h"
#include "standings/LeagueRow.h"

#include <QStringList>
#include <optional>
#include <utility>

namespace literal {

inline qint16 goalText(const QString& text)
{
    const std::optional<qint16> number = readNumberField(text);
    return number ? *number : 0;
}

inline void separateLevelPairs(QVector<LeagueRow>& rows, const QStringList& displayLines)
{
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i + 1 < rows.size(); ++i) {
            const bool level = rows[i].pts == rows[i + 1].pts && rows[i].won == rows[i + 1].won
                && rows[i].diff == rows[i + 1].diff && rows[i].goalsFor == rows[i + 1].goalsFor;
            if (!level)
                continue;
            for (const QString& line : displayLines) {
                const QString& upper = rows[i].name;
                const QString& lower = rows[i + 1].name;
                if (!line.startsWith(QLatin1String("R:")) || !line.contains(upper) || !line.contains(lower))
                    continue;
                const int versus = int(line.indexOf(QLatin1String("-v-")));
                const bool upperHome = versus >= 0 && line.indexOf(upper) < versus;
                qint16 home = 0;
                qint16 away = 0;
                const int ft = int(line.indexOf(QLatin1String("FT:")));
                if (ft >= 0) {
                    const int dash = int(line.indexOf(QLatin1Char('-'), ft + 3));
                    if (dash < 0) {
                        home = goalText(line.mid(ft + 3));
                    } else {
                        home = goalText(line.mid(ft + 3, dash - ft - 3));
                        const int colon = int(line.indexOf(QLatin1Char(':'), dash + 1));
                        away = goalText(colon < 0 ? line.mid(dash + 1) : line.mid(dash + 1, colon - dash - 1));
                    }
                }
                const qint16 upperGoals = upperHome ? home : away;
                const qint16 lowerGoals = upperHome ? away : home;
                if (lowerGoals > upperGoals)
                    std::swap(rows[i], rows[i + 1]);
            }
        }
    }
}

} // namespace literal
