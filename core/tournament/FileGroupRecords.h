#pragma once

#include "core/records/GroupRecords.h"
#include "core/tournament/TournamentFile.h"

// A group as a tournament file holds it, made into the records every table, report, calendar and
// web page is built from: its teams, its record lines and its points adjustments. Every path from a
// file to a table goes through here, so that none of them can leave the adjustments behind.
GroupRecords recordsOfGroup(const TournamentGroupData& group);
