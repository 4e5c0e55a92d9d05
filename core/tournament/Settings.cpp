#include "core/tournament/Settings.h"

#include <QSettings>

namespace {

QSettings openStore(const QString& company, const QString& product)
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, company, product);
}

} // namespace

QString cutAtNul(const QString& text)
{
    QString result = text;
    qsizetype first = 0;
    qsizetype last = result.size();
    while (first < last && result.at(first) == u' ')
        ++first;
    while (last > first && result.at(last - 1) == u' ')
        --last;
    result = result.mid(first, last - first);
    const qsizetype nul = result.indexOf(QChar(u'\0'));
    if (nul >= 0)
        result.truncate(nul);
    return result;
}

QString readSetting(const QString& company, const QString& product, const QString& valueName,
                    const QString& defaultValue)
{
    if (company.isEmpty() || product.isEmpty())
        return defaultValue;
    QSettings store = openStore(company, product);
    if (store.status() != QSettings::NoError)
        return defaultValue;
    const QVariant value = store.value(valueName);
    if (!value.isValid() || value.typeId() != QMetaType::QString)
        return defaultValue;
    // A value is kept as text followed by a NUL, so the blanks cut from its end are none of its own.
    return cutAtNul(value.toString() + QChar(u'\0'));
}

void writeSetting(const QString& company, const QString& product, const QString& valueName, const QString& text)
{
    if (company.isEmpty() || product.isEmpty())
        return;
    QSettings store = openStore(company, product);
    store.setValue(valueName, text);
    store.sync();
}
