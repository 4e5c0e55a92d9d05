#pragma once

// The groups the standings benchmarks compute: a real season's size and the head-to-head rule's
// worst case.
#include "core/records/RecordLines.h"
#include "core/standings/Standings.h"

#include <QDate>
#include <QRandomGenerator>

inline QStringList teamNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QStringLiteral("Athletic Club %1 FC").arg(i, 3, 10, QLatin1Char('0')));
    return names;
}

inline QString resultLine(const QDate& date, int homeGoals, int awayGoals, int home, int away)
{
    const QString h = QString::number(homeGoals);
    const QString a = QString::number(awayGoals);
    return resultStoredLine(formatRecordDate(date), { QStringLiteral("0"), QStringLiteral("0"), h, a }, home, away);
}

// 20 teams, each meeting every other at home and away: 380 results with seeded scores.
inline StandingsRequest season()
{
    QStringList lines;
    QRandomGenerator random(2011);
    const QDate start(2011, 8, 13);
    int day = 0;
    for (int home = 0; home < 20; ++home)
        for (int away = 0; away < 20; ++away)
            if (home != away)
                lines.append(resultLine(start.addDays(day++ / 10), random.bounded(5), random.bounded(4), home, away));
    return { GroupRecords(teamNames(20), lines), 3, 1, { 1, 4, 2, 3, 5 } };
}

// 256 teams, every pair meeting once: 32640 results. Team i beats the 127 teams after it (in a
// circle) 1-0 and draws 0-0 with the one opposite, so every team has 127 wins, 127 losses, one draw,
// 127 goals each way: all level, and the head-to-head rule has a game for every pair it looks at.
inline StandingsRequest allLevel()
{
    const int n = 256;
    QStringList lines;
    const QDate start(2000, 1, 1);
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            const int distance = j - i;
            const QDate date = start.addDays(lines.size() / 128);
            if (distance == n / 2)
                lines.append(resultLine(date, 0, 0, i, j));
            else if (distance < n / 2)
                lines.append(resultLine(date, 1, 0, i, j)); // i beats j
            else
                lines.append(resultLine(date, 0, 1, i, j)); // j beats i
        }
    }
    return { GroupRecords(teamNames(n), lines), 3, 1, { 1, 4, 2, 3, 5 } };
}
