#pragma once

#include <QDateTime>
#include <QDir>
#include <QString>
#include <QStringList>

struct TaggedFileOutcome
{
    QString path;  // the file written; empty on failure
    QString error; // why nothing was written; empty on success

    bool ok() const { return error.isEmpty(); }
};

// Writes a report's tagged lines, each followed by CR LF, in UTF-8 into a new file of `folder`
// named from `now`: "yyyyMMdd", the seconds since midnight, ".tmp" (20000307 45296.57 .tmp run
// together). The file is made anew, readable and writable by the user alone; a name that is
// taken, by a file or by a link, is left alone and the next name ("...-1.tmp") tried instead. On
// failure no file is left behind.
TaggedFileOutcome writeTaggedReportFile(const QStringList& lines, const QDateTime& now = QDateTime::currentDateTime(),
                                        const QString& folder = QDir::tempPath());

// Deletes the tagged file once its report is closed; true when it is gone.
bool deleteTaggedReportFile(const QString& path);
