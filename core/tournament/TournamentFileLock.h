#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Marks a tournament file as in use while a Tabulon window holds it or tabulon-cli writes it, so
// that no two programs overwrite each other's work: a hidden lock file beside it (".cup.trn.lock")
// naming the process that holds it. A lock whose process is no longer running, killed or crashed,
// is taken over, so none blocks a file for ever. A folder where no lock can be made (read-only)
// leaves the file unlocked: nothing can be saved there either.
class TournamentFileLock
{
public:
    TournamentFileLock();
    ~TournamentFileLock();
    TournamentFileLock(TournamentFileLock&&) noexcept;
    TournamentFileLock& operator=(TournamentFileLock&&) noexcept;

    enum class Result { Locked, InUse, NotLockable };
    // Gives up any lock held and locks `path`. InUse when another running program holds it; the
    // same process holding it in another lock counts as another program too, as another window would.
    Result lock(const QString& path);
    void unlock();
    // The file last asked for, locked or not; "" after unlock().
    QString path() const { return m_path; }
    bool isLocked() const;

    static QString lockPathFor(const QString& path);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// The refusal for a file another program holds: "cup.trn is open in Tabulon; close it there first."
QString fileInUseMessage(const QString& path);
