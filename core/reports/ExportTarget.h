#pragma once

#include <QString>

// Why an export may not write the file at `path`, or "" when it may: every export and the web site
// refuse a symbolic link (writing through it would change a file elsewhere, which the user never
// chose), a folder, and an existing file the user may not write (replacing it would get round its
// protection). The reason names the path as given and, like the system's reasons, has no full stop.
QString exportTargetProblem(const QString& path);
