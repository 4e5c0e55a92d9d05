#pragma once

#include <QtGlobal>

// Positions in a list are 16-bit, so a list never holds more lines than this.
constexpr int kMaxListLines = 32767;

constexpr int kMaxGroups = 8;
constexpr int kMaxRules = 6;
// Pitches of a timetable: more than any ground has.
constexpr int kMaxPitches = 64;
// Breaks of a timetable's day.
constexpr int kMaxBreaks = 24;
