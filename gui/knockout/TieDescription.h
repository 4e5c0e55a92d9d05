#pragma once

#include "core/knockout/KnockoutStage.h"
#include "core/timetable/Timetable.h"

#include <QString>
#include <QStringList>

// What the bracket shows of a tie and what a screen reader says of it, from the first-listed
// team's side: its goals first.

// The team's name, "Winner QF1" or "Loser SF1" while it is not known, or "bye".
QString tieTeamText(const KnockoutStage& stage, const QString& code, TieSide side);

// The side's goals in each game, in game order; empty without a result.
QStringList tieGoalTexts(const KnockoutStage& stage, const QString& code, TieSide side);

// The line under the teams: "agg. 3-2", "a.e.t. 2-1", "pens 4-3", as far as they were needed.
QString tieNoteText(const KnockoutStage& stage, const QString& code);

// "Quarter-final 1: Spain 2, Germany 1 after extra time", "Final: Winner SF1, Winner SF2, to be
// played", "Round of 16, tie 2: Spain, bye".
QString tieSpokenName(const KnockoutStage& stage, const QString& code);

// When and where the tie's games are played, a line for each game with a slot: "Sat 12 Jun 14:00,
// Pitch 2", "Leg 2: Sun 13 Jun 10:00, Pitch 1" when it has two games. Empty without a timetable.
QStringList tieSlotTexts(const KnockoutStage& stage, const QString& code, const std::optional<Timetable>& timetable);

// The same as a screen reader says it after the tie's name: ", Sat 12 Jun at 14:00 on Pitch 2".
QString tieSpokenSlots(const KnockoutStage& stage, const QString& code, const std::optional<Timetable>& timetable);
