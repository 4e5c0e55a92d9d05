#pragma once

#include <QString>

// The label of group `group` (1..8) in the style chosen by `indicator`: 0 letters A, B, C...;
// 1 numbers 1, 2, 3...; any other value "Premier" for group 1, then 1, 2...
QString groupLabel(int group, int indicator);

// A group window's caption: "2. Division B".
QString groupCaption(int group, const QString& groupTitle, int indicator);
