#include "TemporarySettings.h"
#include "model/DatabaseLocation.h"
#include "model/Settings.h"

#include <QDir>
#include <QFile>
#include <QRect>
#include <QSettings>
#include <QTest>
#include <unistd.h>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void readsDefaultOnFreshStore()
    {
        TemporarySettings settings;
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("Window State"), QStringLiteral("0")),
                 QStringLiteral("0"));
        WriteSetting(kCompany, kProduct, QStringLiteral("Window State"), QStringLiteral("2"));
        QVERIFY(QFile::exists(settings.file()));
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("Window State"), QStringLiteral("0")),
                 QStringLiteral("2"));
    }

    void readsStoredValues_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("expected");

        QTest::newRow("leading blanks removed") << QVariant(QStringLiteral("  12")) << "12";
        QTest::newRow("trailing blanks removed") << QVariant(QStringLiteral("12  ")) << "12";
        QTest::newRow("cut at NUL") << QVariant(QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd")) << "ab";
        QTest::newRow("empty text is not the default") << QVariant(QString()) << "";
        QTest::newRow("a list is not text")
            << QVariant(QStringList { QStringLiteral("a"), QStringLiteral("b") }) << "fallback";
        QTest::newRow("a rectangle is not text") << QVariant(QRect(1, 2, 3, 4)) << "fallback";
        QTest::newRow("bytes are not text") << QVariant(QByteArray("\x01\x02", 2)) << "fallback";
    }
    void readsStoredValues()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        TemporarySettings settings;
        {
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

    void firstStartWritesDatabaseName()
    {
        TemporarySettings settings;
        QTemporaryDir program;
        const QString expected = QDir(program.path()).filePath(QStringLiteral("TempDB.mdb"));
        QCOMPARE(settleDatabaseName(program.path(), program.path() + QStringLiteral("/data")), expected);
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), QString()), expected);
    }

    void storedDatabaseNameIsKept()
    {
        TemporarySettings settings;
        WriteSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), QStringLiteral("/elsewhere/Temp.mdb"));
        QCOMPARE(settleDatabaseName(QStringLiteral("/program"), QStringLiteral("/data")),
                 QStringLiteral("/elsewhere/Temp.mdb"));
    }

    void emptyDatabaseNameIsWrittenAgain()
    {
        TemporarySettings settings;
        QTemporaryDir program;
        WriteSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), QString());
        const QString expected = QDir(program.path()).filePath(QStringLiteral("TempDB.mdb"));
        QCOMPARE(settleDatabaseName(program.path(), QStringLiteral("/data")), expected);
    }

    void readOnlyProgramFolderCopiesTheDatabase()
    {
        if (geteuid() == 0)
            QSKIP("root can write every folder");
        TemporarySettings settings;
        QTemporaryDir program;
        QTemporaryDir user;
        QFile database(QDir(program.path()).filePath(QStringLiteral("TempDB.mdb")));
        QVERIFY(database.open(QIODevice::WriteOnly));
        database.write("schema");
        database.close();
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);

        const QString userFolder = user.path() + QStringLiteral("/Tabulon");
        const QString settled = settleDatabaseName(program.path(), userFolder);
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(settled, userFolder + QStringLiteral("/TempDB.mdb"));
        QFile copy(settled);
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("schema"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
