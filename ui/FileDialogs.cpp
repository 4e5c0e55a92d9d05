#include "ui/FileDialogs.h"

#include "ui/Prompts.h"

#include <QCoreApplication>
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

namespace {

QString runDialog(Prompts::FileRequest::Mode mode, const QString& title, const QString& filter)
{
    Prompts::FileRequest request;
    request.mode = mode;
    request.title = title;
    request.filter = qtFileFilter(filter);
    request.startFolder = QCoreApplication::applicationDirPath();
    return Prompts::file(request);
}

} // namespace

QString ShowOpenDialog(const QString& filter)
{
    return runDialog(Prompts::FileRequest::Mode::Open, kOpenDialogTitle, filter);
}

QString ShowSaveDialog(const QString& title, const QString& filter)
{
    return runDialog(Prompts::FileRequest::Mode::Save, title, filter);
}
