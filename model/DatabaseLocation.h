#pragma once

#include <QString>

// The file name of the temporary database that the build puts beside the program.
inline const QString kTempDatabaseFileName = QStringLiteral("TempDB.mdb");

// The path stored as "DatabaseName" on the first start: the copy in the program folder when
// that folder can be written, otherwise a copy made in `userDataFolder` (an installed program
// cannot write its own folder, and the database is rewritten on every league table).
QString defaultDatabasePath(const QString& programFolder, const QString& userDataFolder);

// Settles `DatabaseName` at start-up from the settings store, writing the default on first start.
QString settleDatabaseName(const QString& programFolder, const QString& userDataFolder);
