#include "core/reports/ExportTarget.h"

#include <QCoreApplication>
#include <QFileInfo>

QString exportTargetProblem(const QString& path)
{
    const QFileInfo target(path);
    if (target.isSymLink())
        return QCoreApplication::translate("ExportTarget", "%1 is a symbolic link").arg(path);
    if (target.isDir() || path.endsWith(u'/'))
        return QCoreApplication::translate("ExportTarget", "%1 is a folder").arg(path);
    // The owner's write bit as well: the superuser may write anything, yet a file its owner
    // protected is not one to replace.
    if (target.exists() && (!target.isWritable() || !target.permissions().testFlag(QFileDevice::WriteOwner)))
        return QCoreApplication::translate("ExportTarget", "Existing file %1 is not writable").arg(path);
    return QString();
}
