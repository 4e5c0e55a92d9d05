#pragma once

#include <QByteArray>
#include <QString>

// The one way the program writes a file of its own: `bytes` go to a temporary file beside `path`,
// which replaces the old file only once it is whole and flushed. On failure the old file stays as it
// was, no temporary file is left behind, and `error` holds the system's reason.
bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr);
