#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Points the per-user settings store at a fresh temporary folder for as long as it lives, so a
// test never reads or writes the real user's settings.
class TemporarySettings
{
public:
    TemporarySettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path()); }
    QString folder() const { return m_folder.path(); }
    QString file() const { return m_folder.path() + QStringLiteral("/Veltrix/Tabulon.conf"); }

private:
    QTemporaryDir m_folder;
};
