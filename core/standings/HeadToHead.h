#pragma once

#include "core/standings/LeagueRow.h"
#include "core/standings/Tally.h"

#include <QVector>

// Neighbouring rows are level when they agree on Pts, Won, Diff and For, whatever the rule order.
bool isLevelPair(const LeagueRow& upper, const LeagueRow& lower);

// The games-between-teams rule: in exactly two passes from the top, every level pair of neighbours
// is compared on the games whose home and away are those two teams (by team number), in the order
// of `games`; whenever the lower team scored more in such a game the two rows change places at
// once, so the last decisive game between them decides.
void separateLevelPairs(QVector<LeagueRow>& rows, const QVector<GameResult>& games);
