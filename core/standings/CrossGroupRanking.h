#pragma once

#include "core/standings/LeagueRow.h"

#include <QVector>

// A team ranked against those placed the same in the other groups: its group's index and its row.
struct RankedTeam
{
    int group = 0;
    LeagueRow row;
};

// The teams in `position` (from 1) of each group that has that many, best first: by the rules in
// their order, leaving out the head-to-head ones, which cannot compare teams that never met; then
// by games won, then by group order. Teams that played different numbers of games are compared
// per game played. `groups` holds each group's table in league order.
QVector<RankedTeam> rankAcrossGroups(const QVector<QVector<LeagueRow>>& groups, const QVector<int>& rules,
                                     int position);
