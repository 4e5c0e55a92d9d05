#pragma once

#include <QLocale>
#include <QString>

// Installs Tabulon's translation for the first of the locale's languages it has (from
// <data folder>/translations), and Qt's own for the standard buttons. Returns the file's language,
// or an empty text when the windows stay in English.
//
// Only the program's start calls this. tabulon-cli never installs a translator, so the core's
// messages it prints stay English: QCoreApplication::translate returns the source text when no
// translator is installed. The tests, which assert the English texts, call it only where they test a
// translation.
QString installTranslations(const QLocale& locale, const QString& dataFolder);
