#pragma once

#include <QString>
#include <optional>

// --group N, for the commands that act on one group of a tournament file.

// The group number as typed: a whole number from 1. Nothing, with the refusal in `error`, else.
std::optional<int> readGroupOption(const QString& text, QString* error);

// Why a tournament of `groupCount` groups has no group `number`; "" when it has one.
QString missingGroup(int number, int groupCount);
