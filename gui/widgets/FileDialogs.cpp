#include "gui/widgets/FileDialogs.h"

#include "core/tournament/Settings.h"
#include "gui/widgets/Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

QString fileFilter(std::initializer_list<std::pair<QString, QString>> pairs)
{
    QString filter;
    for (const auto& [description, pattern] : pairs)
        filter += description + QChar(u'\0') + pattern + QChar(u'\0');
    return filter;
}

QString qtFileFilter(const QString& nulSeparatedFilter)
{
    const QStringList parts = nulSeparatedFilter.split(QChar(u'\0'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        if (description.isEmpty() && pattern.isEmpty())
            break;
        // Qt reads the patterns from the parentheses; add them when the description has none.
        QString qtPattern = pattern;
        qtPattern.replace(u';', u' ');
        if (description.contains(u'(') && description.endsWith(u')'))
            filters.append(description);
        else
            filters.append(QStringLiteral("%1 (%2)").arg(description, qtPattern));
    }
    return filters.join(QLatin1String(";;"));
}

QString firstExtension(const QString& nulSeparatedFilter)
{
    const QStringList parts = nulSeparatedFilter.split(QChar(u'\0'));
    if (parts.size() < 2)
        return QString();
    const QString pattern = parts[1].section(u';', 0, 0).trimmed();
    if (!pattern.startsWith(QLatin1String("*.")) || pattern.indexOf(u'*', 1) >= 0 || pattern.contains(u'?'))
        return QString();
    return pattern.mid(1);
}

QString withExtension(const QString& path, const QString& extension)
{
    if (path.isEmpty() || extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path.endsWith(u'.') ? path + extension.mid(1) : path + extension;
}

namespace {

const QString kLastFolderSetting = QStringLiteral("Last Folder");

QString runDialog(Prompts::FileRequest::Mode mode, const QString& title, const QString& filter)
{
    Prompts::FileRequest request;
    request.mode = mode;
    request.title = title;
    request.filter = qtFileFilter(filter);
    // An installed program's folder is a system folder: start where the user last kept a file.
    request.startFolder = readSetting(kCompany, kProduct, kLastFolderSetting,
                                      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString path = Prompts::file(request);
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!path.isEmpty() && folder.isDir())
        writeSetting(kCompany, kProduct, kLastFolderSetting, folder.absoluteFilePath());
    return path;
}

} // namespace

QString showOpenDialog(const QString& filter, const QString& title)
{
    return runDialog(Prompts::FileRequest::Mode::Open, title, filter);
}

QString showSaveDialog(const QString& title, const QString& filter)
{
    // A name typed without an extension gets the filter's, or the open dialog would hide the file.
    return withExtension(runDialog(Prompts::FileRequest::Mode::Save, title, filter), firstExtension(filter));
}

QString showFolderDialog(const QString& title)
{
    return runDialog(Prompts::FileRequest::Mode::Folder, title, QString());
}
