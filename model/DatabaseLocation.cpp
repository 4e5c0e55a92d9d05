#include "model/DatabaseLocation.h"

#include "model/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kDatabaseNameSetting = QStringLiteral("DatabaseName");

} // namespace

QString defaultDatabasePath(const QString& programFolder, const QString& userDataFolder)
{
    const QString besideProgram = QDir(programFolder).filePath(kTempDatabaseFileName);
    if (QFileInfo(programFolder).isWritable())
        return besideProgram;

    const QString userCopy = QDir(userDataFolder).filePath(kTempDatabaseFileName);
    if (!QFileInfo::exists(userCopy)) {
        QDir().mkpath(userDataFolder);
        if (QFile::copy(besideProgram, userCopy))
            QFile::setPermissions(userCopy, QFile::ReadOwner | QFile::WriteOwner);
    }
    return userCopy;
}

QString settleDatabaseName(const QString& programFolder, const QString& userDataFolder)
{
    if (ReadSetting(kCompany, kProduct, kDatabaseNameSetting, QString()).isEmpty())
        WriteSetting(kCompany, kProduct, kDatabaseNameSetting, defaultDatabasePath(programFolder, userDataFolder));
    return ReadSetting(kCompany, kProduct, kDatabaseNameSetting, QDir(programFolder).filePath(kTempDatabaseFileName));
}
