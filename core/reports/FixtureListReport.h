#pragma once

#include "core/records/GroupRecords.h"
#include "core/reports/Report.h"
#include "core/reports/ReportOrder.h"

// The fixture list of a group: every fixture and result by its team names, under their dates in
// date order, without scores and without a league table. Lines that cannot be read are left out.
// Fails on a date that cannot be read. In a group with a timetable each game's line starts with its
// kick-off and pitch, named from `pitches`.
Report buildFixtureList(const ReportHeading& heading, const GroupRecords& group, const QStringList& pitches = {},
                        ReportForms forms = ReportForms::TextAndContent);

// The same from the group's entries as sortedReportEntries() gives them, for a group whose list
// fits (fixtureListFits).
Report buildFixtureList(const ReportHeading& heading, const QVector<ReportEntry>& sortedEntries,
                        ReportForms forms = ReportForms::TextAndContent);

// Whether buildFixtureList makes the list rather than failing, found without making it.
bool fixtureListFits(const GroupRecords& group);
