#include "core/tournament/ProgramFolders.h"

#include "core/tournament/DatabaseLocation.h"

#include <QDir>
#include <QFileInfo>

ProgramFolders programFolders(const QString& executableFolder)
{
    // Set by the build from the install layout, so that any prefix works.
    const QString installed
        = QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral(TABULON_INSTALLED_DATA_PATH)));
    if (QFileInfo::exists(QDir(installed).filePath(kTempDatabaseFileName)))
        return { installed, true };
    return { executableFolder, false };
}
