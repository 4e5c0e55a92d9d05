#include "core/reports/WebSite.h"

#include "core/reports/ExportTarget.h"
#include "core/reports/ReportFile.h"
#include "core/reports/SitePages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace {

const QString kIndexName = QStringLiteral("index.html");
// Marks an index as one this program wrote, so that publishing again may replace the folder's files.
const QByteArray kGeneratorMarker = "<meta name=\"generator\" content=\"Tabulon\" />";

// Why the folder may not take the site, or "" when it may: it is empty, its index was written by
// this program, or it holds nothing but group pages (a publish cut short before its index).
QString folderProblem(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return QCoreApplication::translate("WebSite", "%1 is a file, not a folder.").arg(folder);
    if (!info.exists())
        return QString();
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    QFile index(dir.filePath(kIndexName));
    if (entries.isEmpty() || (index.open(QIODevice::ReadOnly) && index.readAll().contains(kGeneratorMarker))
        || std::all_of(entries.cbegin(), entries.cend(), isSiteFileName))
        return QString();
    return QCoreApplication::translate("WebSite",
                                       "%1 holds other files and no site published by Tabulon; choose an empty folder.")
        .arg(folder);
}

// Whether the file at `path` holds exactly `contents`, read a piece at a time.
bool sameContents(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    if (file.size() != contents.size() || !file.open(QIODevice::ReadOnly))
        return false;
    QByteArray piece(65536, Qt::Uninitialized);
    for (qsizetype at = 0; at < contents.size();) {
        const qint64 read = file.read(piece.data(), piece.size());
        if (read <= 0 || read > contents.size() - at
            || std::memcmp(piece.constData(), contents.constData() + at, size_t(read)) != 0)
            return false;
        at += read;
    }
    return true;
}

bool isPage(const QString& name)
{
    return name.endsWith(QLatin1String(".htm")) || name.endsWith(QLatin1String(".html"));
}

// Makes the folder and any missing folder above it; the system's reason on failure.
QString makeFolder(const QString& folder)
{
    errno = 0;
    if (QDir().mkpath(folder))
        return QString();
    const int reason = errno;
    return reason != 0
        ? QCoreApplication::translate("WebSite", "Cannot make the folder %1: %2.").arg(folder, qt_error_string(reason))
        : QCoreApplication::translate("WebSite", "Cannot make the folder %1.").arg(folder);
}

} // namespace

PublishOutcome publishWebSite(const TournamentData& tournament, const QString& folder, const QDate& today,
                              const QString& databaseName, const QDateTime& stamp)
{
    const auto failed = [](const QString& error) { return PublishOutcome { error, 0 }; };
    const QString problem = folderProblem(folder);
    if (!problem.isEmpty())
        return failed(problem);

    const QDir dir(folder);
    QStringList names = siteFileNames(tournament);
    names.removeOne(kIndexName);
    names.sort();
    names.append(kIndexName); // checked in the order they were always checked
    const QSet<QString> published(names.cbegin(), names.cend());
    // The folder is made and every file checked when the first file is ready, so that a report that
    // cannot be made, a link or a protected file in the way leaves the site as it was. Files come
    // from two threads at once; the first to come prepares the folder while the other waits.
    QMutex preparing;
    bool prepared = false;
    QString preparedError;
    std::atomic<int> pages { 0 };
    const auto prepare = [&] {
        const QMutexLocker lock(&preparing);
        if (prepared)
            return preparedError;
        prepared = true;
        preparedError = makeFolder(folder);
        for (const QString& each : names) {
            if (!preparedError.isEmpty())
                break;
            const QString problem = exportTargetProblem(dir.filePath(each));
            if (!problem.isEmpty())
                preparedError
                    = QCoreApplication::translate("WebSite", "Cannot write %1: %2.").arg(dir.filePath(each), problem);
        }
        return preparedError;
    };
    const auto write = [&](const QString& name, const QByteArray& contents) {
        const QString notReady = prepare();
        if (!notReady.isEmpty())
            return notReady;
        // A page that is already there as it would be written stays as it is, so publishing again
        // after a few results rewrites only the pages they changed.
        if (sameContents(dir.filePath(name), contents)) {
            pages += isPage(name) ? 1 : 0;
            return QString();
        }
        QString error;
        if (!saveReportFile(contents, dir.filePath(name), &error))
            return QCoreApplication::translate("WebSite", "Cannot write %1: %2.").arg(dir.filePath(name), error);
        pages += isPage(name) ? 1 : 0;
        return QString();
    };
    // The index comes last, so that it never links to a page not yet written.
    const QString error = makeSiteFiles(tournament, today, databaseName, write, stamp);
    if (!error.isEmpty())
        return failed(error);
    // Then the pages of groups no longer published, which the new index no longer links to. Only
    // files under the site's own names go; a link under such a name was not made here and stays.
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QFileInfo page(dir.filePath(name));
        if (!isSiteFileName(name) || published.contains(name) || page.isSymLink())
            continue;
        QFile stale(page.filePath());
        if (!stale.remove())
            return failed(QCoreApplication::translate("WebSite", "Cannot remove %1: %2.")
                              .arg(page.filePath(), stale.errorString()));
    }
    return PublishOutcome { QString(), pages.load() };
}
