#pragma once

#include "core/reports/Report.h"

#include <QStringList>

// The fixture list of a group: every fixture and result by its team names, under their dates in
// date order, without scores and without a league table. Fails on a date that cannot be read.
Report buildFixtureList(const ReportHeading& heading, const QStringList& displayLines);
