#include "core/reports/TaggedReportFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace {

// Enough for any number of reports made within one hundredth of a second.
constexpr int kNameAttempts = 100;

QString candidateName(const QDateTime& now, int attempt)
{
    const QString seconds = QString::number(now.time().msecsSinceStartOfDay() / 1000.0, 'f', 2);
    const QString counter = attempt > 0 ? u'-' + QString::number(attempt) : QString();
    return now.date().toString(QStringLiteral("yyyyMMdd")) + seconds + counter + QStringLiteral(".tmp");
}

} // namespace

TaggedFileOutcome writeTaggedReportFile(const QStringList& lines, const QDateTime& now, const QString& folder)
{
    QByteArray contents;
    for (const QString& line : lines)
        contents += line.toUtf8() + "\r\n";

    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QString path = QDir(folder).filePath(candidateName(now, attempt));
        QFile file(path);
        // NewOnly creates the file or fails: it never opens a file or follows a link planted there.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            const QFileInfo taken(path);
            if (taken.exists() || taken.isSymLink())
                continue;
            return { QString(),
                     QCoreApplication::translate("TaggedReportFile", "Cannot write the report file %1: %2.")
                         .arg(path, file.errorString()) };
        }
        errno = 0; // the device says "Unknown error" where a write is cut off; the system knows why
        const bool written = file.write(contents) == contents.size() && file.flush();
        const QString reason = errno != 0 ? qt_error_string(errno) : file.errorString();
        file.close();
        if (!written) {
            file.remove();
            return { QString(),
                     QCoreApplication::translate("TaggedReportFile", "Cannot write the report file %1: %2.")
                         .arg(path, reason) };
        }
        return { path, QString() };
    }
    return { QString(),
             QCoreApplication::translate("TaggedReportFile",
                                         "Cannot write the report file: every name from %1 on is taken in %2.")
                 .arg(candidateName(now, 0), QDir::toNativeSeparators(folder)) };
}

bool deleteTaggedReportFile(const QString& path)
{
    return path.isEmpty() || QFile::remove(path) || (!QFileInfo(path).isSymLink() && !QFileInfo::exists(path));
}
