#include "core/tournament/TournamentFileLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

TournamentFileLock::TournamentFileLock() = default;
TournamentFileLock::~TournamentFileLock() = default;
TournamentFileLock::TournamentFileLock(TournamentFileLock&&) noexcept = default;
TournamentFileLock& TournamentFileLock::operator=(TournamentFileLock&&) noexcept = default;

QString TournamentFileLock::lockPathFor(const QString& path)
{
    const QFileInfo file(path);
    return file.absoluteDir().filePath(QLatin1Char('.') + file.fileName() + QStringLiteral(".lock"));
}

TournamentFileLock::Result TournamentFileLock::lock(const QString& path)
{
    unlock();
    m_path = path;
    auto lock = std::make_unique<QLockFile>(lockPathFor(path));
    // Held as long as the file is open, however long: only a dead process's lock is stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return Result::Locked;
    }
    return lock->error() == QLockFile::LockFailedError ? Result::InUse : Result::NotLockable;
}

void TournamentFileLock::unlock()
{
    m_lock.reset(); // unlocking removes the lock file
    m_path.clear();
}

bool TournamentFileLock::isLocked() const
{
    return m_lock && m_lock->isLocked();
}

QString fileInUseMessage(const QString& path)
{
    return QCoreApplication::translate("TournamentFileLock", "%1 is open in Tabulon; close it there first.")
        .arg(QFileInfo(path).fileName());
}
