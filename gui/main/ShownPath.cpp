#include "gui/main/ShownPath.h"

#include <QDir>
#include <QFileInfo>

QString shownPath(const QString& path)
{
    const QString home = QDir::homePath() + u'/';
    const QString absolute = QFileInfo(path).absoluteFilePath();
    return QDir::toNativeSeparators(absolute.startsWith(home) ? u'~' + absolute.mid(home.size() - 1) : absolute);
}
