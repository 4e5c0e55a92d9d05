#pragma once

#include "core/standings/HeadToHeadTable.h"
#include "core/standings/LeagueRow.h"
#include "core/standings/Tally.h"

#include <QList>
#include <QStringList>

// Why each row of a league table stands below the row above it: the first rule in `ruleOrder` that
// separates the two, with the lower team's value against the upper team's ("level on 4 points;
// goals scored in their games 2 against 4"), or "level on every rule: team order". The first row
// has an empty text. `stages` are the head-to-head table's figures, `games` the results the
// games-between-teams rule read.
QStringList whyTexts(const QVector<LeagueRow>& rows, const QList<int>& ruleOrder, const HeadToHeadStages& stages,
                     const QVector<GameResult>& games);
