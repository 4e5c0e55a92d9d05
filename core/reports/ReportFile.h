#pragma once

#include <QByteArray>
#include <QString>

// Saves a report (RTF, or the bytes tabulon-cli writes) to `path` through a temporary file that
// replaces the old one only once it is whole: on failure any old file stays as it was and `error`
// holds the system's reason. A link, a folder or a file the user may not write is refused
// (exportTargetProblem) with nothing written.
bool saveReportFile(const QByteArray& contents, const QString& path, QString* error = nullptr);
