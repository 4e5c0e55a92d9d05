// tabulon-cli check and resave, run as a separate process.
#include "model/TournamentFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TABULON_CLI), args);
    CliRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kWindowsFile = QStringLiteral(TABULON_TEST_DATA "/windows1252.trn");
const QString kWindowsFileSummary = QStringLiteral("Tabulon - Copa Iberia at Málaga\n"
                                                   "1. Grupo A: 4 teams, 1 fixture, 1 result\n");

} // namespace

class TestCliTournamentFile : public QObject
{
    Q_OBJECT

private slots:
    void checkPrintsTheSummary()
    {
        const CliRun run = runCli({ QStringLiteral("check"), kWindowsFile });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, kWindowsFileSummary);
        QCOMPARE(run.err, QString());
    }

    void checkCountsEveryGroup()
    {
        const QString path = QStringLiteral(TABULON_TEST_DATA "/two_groups.trn");
        const CliRun run = runCli({ QStringLiteral("check"), path });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out,
                 QStringLiteral("Tabulon - Cup at Leeds\n"
                                "1. Division A: 3 teams, 1 fixture, 1 result\n"
                                "2. Division B: 2 teams, 0 fixtures, 1 result\n"));
    }

    void checkRefusesWithTheReadersMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("group count 9") << QByteArray("Tabulon - Cup at Leeds\r\n 9 \r\n");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("missing file") << QByteArray("(none)");
    }
    void checkRefusesWithTheReadersMessage()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bad.trn"));
        if (bytes != "(none)") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const QString expected = readTournamentFile(path).error;
        QVERIFY(!expected.isEmpty());
        const CliRun run = runCli({ QStringLiteral("check"), path });
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, expected + u'\n');
    }

    void resaveWritesUtf8()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("converted.trn"));
        const CliRun run = runCli({ QStringLiteral("resave"), kWindowsFile, path });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());

        const QByteArray written = contentsOf(path);
        QVERIFY(written.contains("Atl\xC3\xA9tico Madrid\r\n"));
        QVERIFY(!written.contains("Atl\xE9tico"));
        const TournamentReadResult original = parseTournament(contentsOf(kWindowsFile));
        QCOMPARE(written, formatTournament(*original.data).value());
        QCOMPARE(runCli({ QStringLiteral("check"), path }).out, kWindowsFileSummary);
    }

    void resaveRefusals_data()
    {
        QTest::addColumn<bool>("faultyInput");
        QTest::addColumn<QString>("errorStart");
        QTest::newRow("faulty input") << true << "Line 2 of ";
        QTest::newRow("output folder missing") << false << "Cannot save the tournament to ";
    }
    void resaveRefusals()
    {
        QFETCH(bool, faultyInput);
        QFETCH(QString, errorStart);
        QTemporaryDir folder;
        QString input = kWindowsFile;
        if (faultyInput) {
            input = folder.filePath(QStringLiteral("bad.trn"));
            QFile file(input);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Tabulon - Cup at Leeds\r\n 0 \r\n");
        }
        const QString output
            = folder.filePath(faultyInput ? QStringLiteral("out.trn") : QStringLiteral("gone/out.trn"));
        const CliRun run = runCli({ QStringLiteral("resave"), input, output });
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith(errorStart), qPrintable(run.err));
        QVERIFY(!QFile::exists(output));
    }

    void wrongArgumentsShowTheUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("check without a file") << QStringList { "check" };
        QTest::newRow("check with two files") << QStringList { "check", "a.trn", "b.trn" };
        QTest::newRow("resave without an output") << QStringList { "resave", "a.trn" };
    }
    void wrongArgumentsShowTheUsage()
    {
        QFETCH(QStringList, args);
        const CliRun run = runCli(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(QStringLiteral("Usage: tabulon-cli ") + args.first()), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestCliTournamentFile)
#include "tst_cli_tournamentfile.moc"
