#include "core/tournament/RecoveryCopy.h"

#include "core/common/SafeWrite.h"
#include "core/tournament/TournamentDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// Well within the two seconds a change may wait to be kept.
constexpr int kWriteDelayMs = 1000;

const QString kCopySuffix = QStringLiteral(".trn");
const QString kSourceSuffix = QStringLiteral(".source");
const QString kLockSuffix = QStringLiteral(".lock");

// A name of its own for every run, so that a new program never takes a dead one's files for its own.
QString newCopyBase(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("tournament-%1-%2")
                                     .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddhhmmsszzz")))
                                     .arg(QCoreApplication::applicationPid()));
}

QString baseOf(const QString& copyPath)
{
    return copyPath.chopped(kCopySuffix.size());
}

} // namespace

RecoveryCopy::RecoveryCopy(TournamentDocument* document, const QString& folder, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_base(newCopyBase(folder))
    , m_lock(m_base + kLockSuffix)
{
    // The lock lasts as long as the program: only a dead program's lock is ever taken over.
    m_lock.setStaleLockTime(0);
    // The copies hold the tournament's data: for the user's eyes alone.
    m_usable = !isLinkedFolder(folder);
    if (m_usable && QDir().mkpath(folder)
        && QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        m_lock.tryLock(0);
    m_delay.setSingleShot(true);
    m_delay.setInterval(kWriteDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &RecoveryCopy::update);
    connect(m_document, &TournamentDocument::contentChanged, this, &RecoveryCopy::changed);
    connect(m_document, &TournamentDocument::fileNameChanged, this, &RecoveryCopy::changed);
    connect(m_document, &TournamentDocument::modifiedChanged, this, &RecoveryCopy::changed);
}

RecoveryCopy::~RecoveryCopy()
{
    remove();
}

void RecoveryCopy::changed()
{
    if (!m_document->isModified()) {
        m_delay.stop();
        remove();
    } else if (!m_delay.isActive()) {
        // Changes in quick succession are written together, at most a second after the first.
        m_delay.start();
    }
}

void RecoveryCopy::update()
{
    m_delay.stop();
    if (!m_document->isModified()) {
        remove();
        return;
    }
    // A tournament still being entered cannot be written yet, and a copy nobody can lock could be
    // taken for a dead program's.
    const std::optional<QByteArray> bytes = formatTournament(m_document->data());
    if (!bytes || !m_lock.isLocked())
        return;
    writeFileSafely(m_base + kSourceSuffix, m_document->fileName().toUtf8());
    writeFileSafely(path(), *bytes);
}

void RecoveryCopy::remove()
{
    QFile::remove(path());
    QFile::remove(m_base + kSourceSuffix);
}

bool isLinkedFolder(const QString& folder)
{
    return QFileInfo(folder).isSymLink();
}

std::vector<LeftCopy> claimLeftCopies(const QString& folder)
{
    std::vector<LeftCopy> copies;
    if (isLinkedFolder(folder))
        return copies;
    // A lock without a copy is a program's that ended, or was killed, with nothing unsaved: once its
    // program is gone, taking it over and letting it go removes it.
    const QFileInfoList locks = QDir(folder).entryInfoList({ QStringLiteral("*") + kLockSuffix }, QDir::Files);
    for (const QFileInfo& lockFile : locks) {
        const QString base = lockFile.filePath().chopped(kLockSuffix.size());
        if (QFileInfo::exists(base + kCopySuffix))
            continue;
        QLockFile lock(lockFile.filePath());
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            QFile::remove(base + kSourceSuffix);
    }
    const QFileInfoList found
        = QDir(folder).entryInfoList({ QStringLiteral("*") + kCopySuffix }, QDir::Files, QDir::Time);
    for (const QFileInfo& file : found) {
        const QString base = baseOf(file.filePath());
        auto lock = std::make_unique<QLockFile>(base + kLockSuffix);
        lock->setStaleLockTime(0);
        // A running program holds its lock; a dead one's lock is stale and taken over.
        if (!lock->tryLock(0))
            continue;
        QFile source(base + kSourceSuffix);
        const QString sourceFile = source.open(QIODevice::ReadOnly) ? QString::fromUtf8(source.readAll()) : QString();
        copies.push_back({ file.filePath(), sourceFile, std::move(lock) });
    }
    return copies;
}

void deleteLeftCopy(LeftCopy& copy)
{
    const QString base = baseOf(copy.path);
    QFile::remove(copy.path);
    QFile::remove(base + kSourceSuffix);
    copy.lock.reset(); // unlocking removes the lock file
}

QString setLeftCopyAside(LeftCopy& copy)
{
    QString aside = copy.path + QStringLiteral(".damaged");
    for (int n = 1; QFileInfo::exists(aside); ++n)
        aside = copy.path + QStringLiteral(".damaged-%1").arg(n);
    QFile::rename(copy.path, aside);
    QFile::remove(baseOf(copy.path) + kSourceSuffix);
    copy.lock.reset();
    return aside;
}
