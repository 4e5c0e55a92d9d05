#pragma once

#include <QFile>
#include <QProcess>
#include <QSysInfo>

// Writes at `lockPath` the lock a program killed while it held it leaves behind: it names a process
// of this machine that has ended.
inline bool writeStaleLock(const QString& lockPath)
{
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    if (!ended.waitForStarted())
        return false;
    const qint64 pid = ended.processId();
    ended.waitForFinished();
    QFile lock(lockPath);
    return lock.open(QIODevice::WriteOnly)
        && lock.write(QStringLiteral("%1\ntrue\n%2\n").arg(pid).arg(QSysInfo::machineHostName()).toUtf8()) > 0;
}
