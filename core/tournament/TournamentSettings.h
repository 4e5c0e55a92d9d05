#pragma once

#include "core/common/Limits.h"

#include <QList>
#include <QString>
#include <array>

// The league-order rules by the codes a tournament file stores for them.
enum class LeagueRule {
    Points = 1,
    GoalDifference = 2,
    GoalsScored = 3,
    GamesWon = 4,
    GamesBetweenTeams = 5,
    HeadToHeadTable = 6,
};

// What a tournament is set up with, as the file holds it and the program keeps it while it is open.
struct TournamentSettings
{
    qint16 GroupCount = 0;                              // 0 = no tournament set up, else 1..kMaxGroups
    QString GroupTitle;                                 // "Division", "Group", "Pool" or the user's own
    qint16 Indicator = 0;                               // 0 letters, 1 numbers, 2 "Premier" then numbers
    std::array<qint16, kMaxGroups + 1> TeamsInGroup {}; // slots 1..GroupCount; slot 0 unused
    qint16 RuleCount = 0;                               // 1..kMaxRules
    std::array<qint16, 7> RuleOrder {};                 // rule codes in slots 1..RuleCount, most significant first
    qint16 PointsForWin = 3;                            // 2 or 3
    qint16 PointsForDraw = 1;                           // 0, 1 or 2

    // The rule codes of slots 1..RuleCount, most significant first; a count beyond the slots is cut short.
    QList<int> rulesInOrder() const
    {
        QList<int> rules;
        for (int slot = 1; slot <= RuleCount && slot < int(RuleOrder.size()); ++slot)
            rules.append(RuleOrder[slot]);
        return rules;
    }
};
