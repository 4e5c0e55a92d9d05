#pragma once

#include "core/records/GroupRecords.h"
#include "core/reports/Report.h"

// The fixture list of a group: every fixture and result by its team names, under their dates in
// date order, without scores and without a league table. Lines that cannot be read are left out.
// Fails on a date that cannot be read.
Report buildFixtureList(const ReportHeading& heading, const GroupRecords& group);

// Whether buildFixtureList makes the list rather than failing, found without making it.
bool fixtureListFits(const GroupRecords& group);
