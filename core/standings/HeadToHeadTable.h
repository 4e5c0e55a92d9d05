#pragma once

#include "core/standings/LeagueRow.h"
#include "core/standings/Tally.h"

#include <QHash>
#include <QList>
#include <QVector>

// A team's figures in the games among one set of teams level with it.
struct HeadToHeadFigures
{
    qint64 pts = 0;
    qint64 diff = 0;
    qint64 goalsFor = 0;

    bool operator==(const HeadToHeadFigures& other) const
    {
        return pts == other.pts && diff == other.diff && goalsFor == other.goalsFor;
    }
};

// Per team number, its figures at every stage it took part in: first among all the teams level
// with it on the rules before the head-to-head table, then among those of them still level, and so on.
using HeadToHeadStages = QHash<int, QVector<HeadToHeadFigures>>;

// The head-to-head table rule (6). `rows` come ordered by every other rule and then team number,
// each with its team number. Every run of rows level on the rules `rulesBefore` is ordered by a
// table of the games among its teams alone: points (`pointsForWin`, `pointsForDraw`), then goal
// difference, then goals scored in those games. Teams still level but fewer than the run are ordered
// again by the games among themselves alone; teams level throughout keep their order, that is the
// rules after this one and then team number. The figures of every stage go into `stages`.
void orderByHeadToHeadTable(QVector<LeagueRow>& rows, const QList<int>& rulesBefore, const QVector<GameResult>& games,
                            int pointsForWin, int pointsForDraw, HeadToHeadStages* stages);
