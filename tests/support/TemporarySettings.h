#pragma once

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

// Points the per-user settings store and data folder at a fresh temporary folder for as long as
// it lives, so a test never reads or writes the real user's settings or unsaved work.
class TemporarySettings
{
public:
    TemporarySettings()
        : m_dataHome(qgetenv("XDG_DATA_HOME"))
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_folder.path() + QStringLiteral("/data")));
    }
    ~TemporarySettings() { qputenv("XDG_DATA_HOME", m_dataHome); }
    QString folder() const { return m_folder.path(); }
    QString file() const { return m_folder.path() + QStringLiteral("/Veltrix/Tabulon.conf"); }

private:
    QTemporaryDir m_folder;
    QByteArray m_dataHome;
};
