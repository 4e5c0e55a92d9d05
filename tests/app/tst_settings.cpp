#include "TemporarySettings.h"
#include "model/DatabaseLocation.h"
#include "model/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QSettings>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString path(const char* name) const { return m_folder.filePath(QString::fromUtf8(name)); }

private slots:
    void readsStoredValues_data()
    {
        QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing stored") << QVariant() << "fallback";
        QTest::newRow("leading blanks removed") << QVariant(QStringLiteral("  12")) << "12";
        QTest::newRow("trailing blanks kept") << QVariant(QStringLiteral("12  ")) << "12  ";
        QTest::newRow("cut at NUL") << QVariant(QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd")) << "ab";
        QTest::newRow("empty text is not the default") << QVariant(QString()) << "";
        QTest::newRow("a rectangle is not text") << QVariant(QRect(1, 2, 3, 4)) << "fallback";
        QTest::newRow("bytes are not text") << QVariant(QByteArray("\x01\x02", 2)) << "fallback";
    }
    void readsStoredValues()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        TemporarySettings settings;
        if (stored.isValid()) {
            QSettings store(QSettings::NativeFormat, QSettings::UserScope, kCompany, kProduct);
            store.setValue(QStringLiteral("Value"), stored);
        }
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("Value"), QStringLiteral("fallback")), expected);
    }

    void unwritableStoreFailsSilently()
    {
        TemporarySettings settings;
        // The settings file's place is taken by a folder, so it can be neither read nor written.
        QVERIFY(QDir().mkpath(settings.file()));
        WriteSetting(kCompany, kProduct, QStringLiteral("Form Height"), QStringLiteral("6000"));
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("Form Height"), QStringLiteral("4890")),
                 QStringLiteral("4890"));
    }

    // The program folder holds the database; "blocked" lies under a regular file, so that no one, root
    // included, can write there.
    void settlesDatabaseName_data()
    {
        QTest::addColumn<bool>("settingStored");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("expected");
        const QString besideProgram = path("program/TempDB.mdb");
        // clang-format off
        QTest::newRow("first start") << false << "" << path("program") << besideProgram;
        QTest::newRow("empty name is written again") << true << "" << path("program") << besideProgram;
        QTest::newRow("stored name is kept") << true << "/elsewhere/Temp.mdb" << path("program") << "/elsewhere/Temp.mdb";
        QTest::newRow("program folder cannot be written") << false << "" << path("file/blocked") << path("user/Tabulon/TempDB.mdb");
        // clang-format on
    }
    void settlesDatabaseName()
    {
        QFETCH(bool, settingStored);
        QFETCH(QString, storedName);
        QFETCH(QString, programFolder);
        QFETCH(QString, expected);
        TemporarySettings settings;
        QVERIFY(QDir().mkpath(path("program")));
        QFile file(path("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        if (settingStored)
            WriteSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), storedName);

        QCOMPARE(settleDatabaseName(programFolder, path("user/Tabulon")), expected);
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), QString()), expected);
        QCOMPARE(QFileInfo::exists(path("user/Tabulon")), expected.startsWith(path("user")));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
