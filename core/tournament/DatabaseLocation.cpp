#include "core/tournament/DatabaseLocation.h"

#include "core/tournament/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kDatabaseNameSetting = QStringLiteral("DatabaseName");

} // namespace

QString defaultDatabasePath(const ProgramFolders& program, const QString& userDataFolder)
{
    const QString besideProgram = QDir(program.data).filePath(kTempDatabaseFileName);
    if (!program.installed && QFileInfo(program.data).isWritable())
        return besideProgram;

    const QString userCopy = QDir(userDataFolder).filePath(kTempDatabaseFileName);
    if (!QFileInfo::exists(userCopy)) {
        QDir().mkpath(userDataFolder);
        if (QFile::copy(besideProgram, userCopy))
            QFile::setPermissions(userCopy, QFile::ReadOwner | QFile::WriteOwner);
    }
    return userCopy;
}

QString settleDatabaseName(const ProgramFolders& program, const QString& userDataFolder)
{
    if (readSetting(kCompany, kProduct, kDatabaseNameSetting, QString()).isEmpty())
        writeSetting(kCompany, kProduct, kDatabaseNameSetting, defaultDatabasePath(program, userDataFolder));
    return readSetting(kCompany, kProduct, kDatabaseNameSetting, QDir(program.data).filePath(kTempDatabaseFileName));
}
