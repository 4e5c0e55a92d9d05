#pragma once

#include "core/tournament/ProgramFolders.h"

#include <QString>

// The file name of the temporary database that the build puts beside the program.
inline const QString kTempDatabaseFileName = QStringLiteral("TempDB.mdb");

// The path stored as "DatabaseName" on the first start: the supplied copy when the program runs
// from a folder it can write, otherwise a copy made in `userDataFolder` (the database is rewritten
// on every league table, and an installed program leaves its own folders alone).
QString defaultDatabasePath(const ProgramFolders& program, const QString& userDataFolder);

// Settles the temporary database's path at start-up from the "DatabaseName" setting, writing the
// default on first start.
QString settleDatabaseName(const ProgramFolders& program, const QString& userDataFolder);
