// tabulon-cli table, run as a separate process on tests/data/two_groups.trn (rules 1, 4): group 1 has
// Rovers, United and City, a fixture and a 2-2 draw; group 2 a 2-3 between two non-ASCII names.
#include "CliRunner.h"
#include "TemporarySettings.h"
#include "model/Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestCliTable : public QObject
{
    Q_OBJECT

private slots:
    void table_data()
    {
        QTest::addColumn<QString>("args"); // "@" stands for the test's folder, "%" for the file
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");  // all of standard output on success, part of standard error otherwise
        QTest::addColumn<QString>("database"); // the DatabaseName setting; none: the copy beside the program
        const auto row = [](const char* name, const char* args, int exitCode, const QString& text,
                            const char* database = "@/TempDB.mdb") {
            QTest::newRow(name) << QString(args) << exitCode << text << QString(database);
        };
        const QString usage = "Usage: tabulon-cli table FILE.trn [--group N]";
        const QString header = "Competitors Name\tWon\tLost\tDrawn\tFor\tAgainst\tDiff\tPts\n";
        const QString groupB = header + "Beşiktaş\t1\t0\t0\t3\t2\t1\t3\nŁódź\t0\t1\t0\t2\t3\t-1\t0\n";
        row("one group", "% --group 2", 0, groupB);
        row("every group, the database beside the program", "%", 0,
            "1. Division A\n" + header + "Rovers\t0\t0\t1\t2\t2\t0\t1\nUnited\t0\t0\t1\t2\t2\t0\t1\n"
                + "City\t0\t0\t0\t0\t0\t0\t0\n\n2. Division B\n" + groupB,
            "");
        row("no file", "", 2, usage);
        row("unknown option", "% --colour", 2, "Unknown option 'colour'");
        row("group not a number", "% --group two", 2, "--group needs a group number");
        row("group beyond the tournament", "% --group 3", 1, "group 3 does not exist; the tournament has 2 groups.");
        row("missing file", "@/none.trn", 1, "@/none.trn");
        row("missing database", "%", 1, "Error 14 - unable to open database file (temporary database @/Absent.mdb)",
            "@/Absent.mdb");
    }

    void table()
    {
        QFETCH(QString, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(QString, database);
        const QString folder = m_folder.path();
        QFile::copy(TABULON_TEMPDB, folder + "/TempDB.mdb");
        QFile::setPermissions(folder + "/TempDB.mdb", QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(m_settings.file());
        if (!database.isEmpty())
            WriteSetting(kCompany, kProduct, "DatabaseName", database.replace('@', folder));
        args.replace('@', folder).replace('%', TABULON_TEST_DATA "/two_groups.trn");
        const CliRun run = runCli(QStringList { "table" } + args.split(' ', Qt::SkipEmptyParts), m_settings.folder());
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(exitCode == 0 ? run.err : run.out, QString());
        message.replace('@', folder);
        QVERIFY2(exitCode == 0 ? run.out == message : run.err.contains(message), qPrintable(run.out + run.err));
        QVERIFY(!QFileInfo::exists(folder + "/Absent.mdb"));
    }

private:
    TemporarySettings m_settings;
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TestCliTable)
#include "tst_cli_table.moc"
