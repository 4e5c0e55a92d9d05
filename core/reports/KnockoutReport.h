#pragma once

#include "core/knockout/KnockoutStage.h"
#include "core/reports/Report.h"
#include "core/timetable/Timetable.h"

#include <optional>

// The knockout report: under a heading per round (with its dates when the stage has them), each
// tie's games with their scores (after extra time, marked "a.e.t."), "to be played" until a result
// is entered, then the tie's winner, with the shoot-out when there was one; byes, the third-place
// match, and the champion once decided.
// Its tagged lines are RESULT lines as the fixture list and results report write them, so every
// export of a report lays it out. The windows pass the caption they show ("Knockout"). A game the
// timetable gives a slot has its day, kick-off and pitch on the line under it.
Report knockoutReport(const ReportHeading& heading, const KnockoutStage& stage,
                      const std::optional<Timetable>& timetable = std::nullopt);

// The rounds and the champion alone, without the report's heading and footer.
Report knockoutListing(const KnockoutStage& stage);
