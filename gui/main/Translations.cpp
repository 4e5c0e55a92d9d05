#include "gui/main/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

QString installTranslations(const QLocale& locale, const QString& dataFolder)
{
    auto* tabulon = new QTranslator(QCoreApplication::instance());
    if (!tabulon->load(locale, QStringLiteral("tabulon"), QStringLiteral("_"),
                       QDir(dataFolder).filePath(QStringLiteral("translations")))) {
        delete tabulon;
        return QString();
    }
    // Qt's own first, so that Tabulon's texts win where both translate one.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(tabulon);
    return tabulon->language();
}
