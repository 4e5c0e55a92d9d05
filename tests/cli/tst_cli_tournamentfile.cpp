// tabulon-cli check and resave, run as a separate process.
#include "CliRunner.h"
#include "model/TournamentFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kWindowsFile = QStringLiteral(TABULON_TEST_DATA "/windows1252.trn");

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCliTournamentFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString file(const char* name) const { return m_folder.filePath(QString::fromUtf8(name)); }

private slots:
    void commands_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString folderMessage
            = QStringLiteral("Cannot read %1: it is a folder, not a tournament file.\n").arg(m_folder.path());
        // clang-format off
        QTest::newRow("check, two groups") << QStringList { "check", TABULON_TEST_DATA "/two_groups.trn" } << 0 << "Tabulon - Cup at Leeds\n1. Division A: 3 teams, 1 fixture, 1 result\n2. Division B: 2 teams, 0 fixtures, 1 result\n" << "";
        QTest::newRow("resave, Windows edition to UTF-8") << QStringList { "resave", kWindowsFile, file("utf8.trn") } << 0 << "Wrote " + file("utf8.trn") + "\n" << "";
        QTest::newRow("check, missing file") << QStringList { "check", file("none.trn") } << 1 << "" << QStringLiteral("Cannot read %1: No such file or directory.\n").arg(file("none.trn"));
        QTest::newRow("resave, unreadable input") << QStringList { "resave", m_folder.path(), file("out.trn") } << 1 << "" << folderMessage;
        QTest::newRow("resave, missing folder") << QStringList { "resave", kWindowsFile, file("gone/out.trn") } << 1 << "" << QStringLiteral("Cannot save the tournament to %1: No such file or directory.\n").arg(file("gone/out.trn"));
        QTest::newRow("check without a file") << QStringList { "check" } << 2 << "" << "Usage: tabulon-cli check FILE.trn\n";
        // clang-format on
    }
    void commands()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const CliRun run = runCli(args);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err, err);
        QVERIFY(!QFile::exists(file("out.trn")) && !QFile::exists(file("gone")));
        if (args.size() == 3 && exitCode == 0) {
            const QByteArray written = contentsOf(args[2]);
            QVERIFY(written.contains("Atl\xC3\xA9tico Madrid\r\n"));
            QCOMPARE(written, formatTournament(*parseTournament(contentsOf(kWindowsFile)).data).value());
        }
    }
};

QTEST_GUILESS_MAIN(TestCliTournamentFile)
#include "tst_cli_tournamentfile.moc"
