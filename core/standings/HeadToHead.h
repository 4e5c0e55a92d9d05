#pragma once

#include "core/standings/LeagueRow.h"

#include <QStringList>
#include <QStringView>

// Neighbouring rows are level when they agree on Pts, Won, Diff and For, whatever the rule order.
bool isLevelPair(const LeagueRow& upper, const LeagueRow& lower);

// The full-time goals of a result display line "R:date:HT:h-a:FT:h-a:Home-v-Away": the field after
// the fifth ":", cut at its first "-", each part read as a record number field (0 when it is not a
// number or does not fit).
struct HeadToHeadGoals
{
    qint16 home = 0;
    qint16 away = 0;
};
HeadToHeadGoals readHeadToHeadGoals(QStringView line);

// The games-between-teams rule: in exactly two passes from the top, every level pair of neighbours
// is compared on the result lines (those beginning "R:") in which both names occur, in the order of
// `displayLines`; whenever the lower team scored more in such a game the two rows change places at
// once, so the last decisive game between them decides. A team's side in a line is home when the
// first occurrence of the upper team's name starts before the first "-v-". Names are matched as
// case-sensitive substrings, so "Rovers" also matches the lines of "Old Rovers".
void separateLevelPairs(QVector<LeagueRow>& rows, const QStringList& displayLines);
