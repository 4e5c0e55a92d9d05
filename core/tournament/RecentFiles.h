#pragma once

#include <QStringList>

// The tournaments last opened or saved, newest first, kept in the settings store.
inline constexpr int kRecentFileCount = 5;

QStringList recentFiles();
// Puts `path` first; an earlier mention of it and anything beyond the fifth go.
void rememberRecentFile(const QString& path);
void forgetRecentFile(const QString& path);
