#pragma once

#include "core/records/GroupRecords.h"
#include "core/reports/Report.h"
#include "core/reports/ReportOrder.h"
#include "core/standings/LeagueRow.h"
#include "core/tournament/TournamentSettings.h"

#include <QStringList>

// The results report of a group: its results under their dates, in date order, then its league
// table and, when the group has any, its points adjustments with their reasons. Fixtures and lines that cannot be read
// are passed over; `table` holds the league rows in league order. Fails, naming the value, on a date that cannot be
// read, a full-time score wider than its 10-character column or a figure wider than its 5-character column.
// In a group with a timetable each result's line starts with its kick-off and pitch, named from `pitches`.
Report buildResultsReport(const ReportHeading& heading, const GroupRecords& group, const LeagueTable& table,
                          const QStringList& pitches = {}, ReportForms forms = ReportForms::TextAndContent);

// The same from the group's entries as sortedReportEntries() gives them (its results are taken),
// for a group whose report fits (resultsReportFits).
Report buildResultsReport(const ReportHeading& heading, const QVector<ReportEntry>& sortedEntries,
                          const LeagueTable& table, ReportForms forms = ReportForms::TextAndContent);

// Whether buildResultsReport makes the report rather than failing, found without making it.
bool resultsReportFits(const GroupRecords& group, const LeagueTable& table);

// The same, with the league rows computed as the League Table window computes them, in the
// temporary database at `databaseName`. A database failure is the report's failure.
Report makeResultsReport(const ReportHeading& heading, const GroupRecords& group, const TournamentSettings& settings,
                         const QString& databaseName, const QStringList& pitches = {},
                         ReportForms forms = ReportForms::TextAndContent);
