#include "core/tournament/RecentFiles.h"

#include "core/tournament/Settings.h"

namespace {

QString settingName(int n)
{
    return QStringLiteral("Recent File %1").arg(n);
}

void storeRecentFiles(const QStringList& paths)
{
    for (int n = 1; n <= kRecentFileCount; ++n)
        writeSetting(kCompany, kProduct, settingName(n), paths.value(n - 1));
}

} // namespace

QStringList recentFiles()
{
    QStringList paths;
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const QString path = readSetting(kCompany, kProduct, settingName(n), QString());
        if (!path.isEmpty() && !paths.contains(path))
            paths.append(path);
    }
    return paths;
}

void rememberRecentFile(const QString& path)
{
    QStringList paths = recentFiles();
    paths.removeAll(path);
    paths.prepend(path);
    storeRecentFiles(paths.mid(0, kRecentFileCount));
}

void forgetRecentFile(const QString& path)
{
    QStringList paths = recentFiles();
    paths.removeAll(path);
    storeRecentFiles(paths);
}
