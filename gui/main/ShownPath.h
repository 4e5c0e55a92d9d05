#pragma once

#include <QString>

// A path as the program shows it to the user: absolute, in the system's separators, the home
// folder shortened to "~" ("~/leagues/spring.trn").
QString shownPath(const QString& path);
