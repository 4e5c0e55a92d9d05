#include "core/tournament/FileGroupRecords.h"

GroupRecords recordsOfGroup(const TournamentGroupData& group)
{
    return GroupRecords(group.teams, group.recordLines, group.games, group.adjustments, group.gameSlots);
}
