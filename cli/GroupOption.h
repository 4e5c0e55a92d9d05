#pragma once

#include "core/tournament/TournamentDocument.h"
#include "core/tournament/TournamentFile.h"

#include <QString>
#include <optional>

// --group N, for the commands that act on one group of a tournament file.

// The group number as typed: a whole number from 1. Nothing, with the refusal in `error`, else.
std::optional<int> readGroupOption(const QString& text, QString* error);

// The tournament file at `path`, read with File > Open's checks, holding group `number` (0: any
// group). Nothing, with the refusal in `error`, when it cannot be read or has no such group.
std::optional<TournamentData> readTournamentWithGroup(const QString& path, int number, QString* error);

// The same file opened as the document the commands that change a tournament work on: false, with
// the refusal in `error` and the document unchanged, when the file cannot be read or has no such group.
bool openTournamentWithGroup(TournamentDocument& document, const QString& path, int number, QString* error);
