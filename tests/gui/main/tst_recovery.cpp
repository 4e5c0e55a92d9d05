// A Tabulon killed with unsaved work: the copy it leaves, and the next start offering it back. The
// killed program is this executable started again as a child (see main), running the main window.
#include "ScriptedPrompts.h"
#include "StaleLock.h"
#include "TemporarySettings.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/main/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kFile = QStringLiteral(TABULON_TEST_DATA "/two_groups.trn");
const QString kKnockoutFile = QStringLiteral(TABULON_TEST_DATA "/knockout_cup.trn");
const char* const kChildOption = "--leave-unsaved-work";
// Far enough apart that the copy of each state is written before the next change comes.
constexpr int kStepGapMs = 1500;

// The unsaved changes, by name: a result added to group 1, and the final entered, corrected or
// cleared. False when the change was refused.
bool makeChange(TournamentDocument* document, const QString& change)
{
    const auto final = [document](std::optional<TieResult> result) {
        return document->setTieResult(QStringLiteral("F"), result, TournamentDocument::LaterResults::Keep);
    };
    if (change == QLatin1String("group")) {
        document->addResult(1, QStringLiteral("21-Mar-2000"), { "0", "1", "2", "1" }, 2, 0);
        return true;
    }
    if (change == QLatin1String("final 1-0"))
        return final(TieResult { { { 1, 0 } } });
    if (change == QLatin1String("final 0-3"))
        return final(TieResult { { { 0, 3 } } });
    return change == QLatin1String("final cleared") && final(std::nullopt);
}

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Veltrix"));
    QCoreApplication::setApplicationName(QStringLiteral("Tabulon"));
}

// The child: Tabulon with `path` open and the changes made one by one, left running until it is killed.
int leaveUnsavedWork(const QString& path, const QStringList& changes)
{
    MainWindow window;
    window.show();
    if (!window.openTournamentFile(path))
        return 1;
    for (int n = 0; n < changes.size(); ++n)
        QTimer::singleShot(n * kStepGapMs, &window,
                           [&window, change = changes[n]] { makeChange(window.document(), change); });
    return QApplication::exec();
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

QStringList copiesIn(const QString& folder, const QString& pattern)
{
    return QDir(folder).entryList({ pattern }, QDir::Files);
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void recoversWhatAKilledTabulonLeft_data()
    {
        // Recover, Discard, Damaged for a copy that cannot be read, Running for a Tabulon not killed
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("changes");
        const QStringList group { "group" };
        QTest::newRow("Recover, then Save") << "Recover" << kFile << group;
        QTest::newRow("Discard") << "Discard" << kFile << group;
        QTest::newRow("a damaged copy is kept aside") << "Damaged" << kFile << group;
        QTest::newRow("a Tabulon still running keeps its work") << "Running" << kFile << group;
        QTest::newRow("the final entered and corrected after a group change")
            << "Recover" << kKnockoutFile << QStringList { "group", "final 1-0", "final 0-3" };
        QTest::newRow("the final entered, then a group change, then the final cleared")
            << "Recover" << kKnockoutFile << QStringList { "final 1-0", "group", "final cleared" };
    }
    void recoversWhatAKilledTabulonLeft()
    {
        QFETCH(QString, answer);
        QFETCH(QString, file);
        QFETCH(QStringList, changes);
        TemporarySettings settings; // the child inherits the data folder
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cup.trn"));
        QVERIFY(QFile::copy(file, path));
        const QByteArray original = contentsOf(path);
        TournamentDocument expected;
        QVERIFY(expected.open(path).ok());
        for (const QString& change : changes)
            QVERIFY2(makeChange(&expected, change), qPrintable(change));
        const QByteArray unsaved = *formatTournament(expected.data());

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    { QLatin1String(kChildOption), path, changes.join(QLatin1Char(',')) });
        QVERIFY(child.waitForStarted());
        QTest::qWait(int(changes.size() - 1) * kStepGapMs + 3000);
        const bool running = answer == QLatin1String("Running");
        if (!running) {
            child.kill(); // SIGKILL: nothing of the program's own runs on the way out
            QVERIFY(child.waitForFinished());
        }
        const QString recovery = MainWindow::recoveryFolder();
        QCOMPARE(QFileInfo(recovery).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
        const QStringList copies = copiesIn(recovery, QStringLiteral("*.trn"));
        QCOMPARE(copies.size(), 1);
        const QString copy = QDir(recovery).filePath(copies.first());
        QCOMPARE(contentsOf(copy), unsaved);
        if (answer == QLatin1String("Damaged")) {
            QFile damaged(copy);
            QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("Tabulon - Cup at Leeds\r\n 9 \r\n") > 0);
        }

        MainWindow window;
        ScriptedPrompts prompts;
        if (answer == QLatin1String("Damaged"))
            prompts.expect(
                QStringLiteral("Unsaved changes left by a Tabulon that was not closed properly cannot be "
                               "recovered:\rLine 2 of %1: the group count is 9; it must be 1 to 8.\rThe copy is "
                               "kept as %1.damaged.")
                    .arg(copy));
        else if (!running)
            prompts
                .expect(
                    QStringLiteral("Tabulon was not closed properly. Recover the unsaved changes to Cup at Leeds (%1)?")
                        .arg(path))
                .answer(answer == QLatin1String("Recover") ? Prompts::Answer::Yes : Prompts::Answer::No);
        window.offerRecovery();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(copiesIn(recovery, QStringLiteral("*.trn.damaged")).size(),
                 answer == QLatin1String("Damaged") ? 1 : 0);
        QCOMPARE(window.document()->isOpen(), answer == QLatin1String("Recover"));
        if (running) {
            QCOMPARE(copiesIn(recovery, QStringLiteral("*.trn")), copies);
            child.kill();
            QVERIFY(child.waitForFinished());
            return;
        }
        if (answer != QLatin1String("Recover")) {
            QCOMPARE(copiesIn(recovery, QStringLiteral("*.trn")), QStringList());
            QCOMPARE(contentsOf(path), original);
            return;
        }
        QVERIFY(window.document()->isModified());
        QCOMPARE(window.document()->fileName(), path);
        window.save(); // to the tournament's own file, without a question
        QCOMPARE(contentsOf(path), unsaved);
        QCOMPARE(copiesIn(recovery, QStringLiteral("*.trn")), QStringList());
    }

    // A recovery folder that is a link is left alone, said once at the start; the locks of Tabulons that ended
    // or were killed with nothing unsaved go at the next start, a running one's stays.
    void keepsTheRecoveryFolderTidy()
    {
        TemporarySettings settings;
        const QString recovery = MainWindow::recoveryFolder();
        QTemporaryDir target;
        QVERIFY(QFile::setPermissions(target.path(), QFileInfo(QDir::tempPath()).permissions()));
        const QFile::Permissions mode = QFileInfo(target.path()).permissions();
        QVERIFY(QDir().mkpath(QFileInfo(recovery).path()));
        QVERIFY(QFile::link(target.path(), recovery));
        {
            MainWindow window;
            ScriptedPrompts prompts;
            prompts.expect(QStringLiteral("The recovery folder %1 is a link to another place, so Tabulon does not use "
                                          "it. This time, unsaved work will not be kept safe from a crash.")
                               .arg(recovery));
            window.offerRecovery();
            QVERIFY(prompts.allAnswered());
            QCOMPARE(QFileInfo(target.path()).permissions(), mode);
            QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList());
        }
        QVERIFY(QFile::remove(recovery));
        QVERIFY(QDir().mkpath(recovery));
        QVERIFY(writeStaleLock(recovery + QStringLiteral("/tournament-20260101000000000-1.lock")));
        MainWindow running; // the lock of a Tabulon still running
        MainWindow window;
        ScriptedPrompts prompts;
        window.offerRecovery();
        QCOMPARE(copiesIn(recovery, QStringLiteral("*.lock")).size(), 2); // its own and the one running
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    nameApplication();
    if (argc == 4 && QByteArray(argv[1]) == kChildOption)
        return leaveUnsavedWork(QFile::decodeName(argv[2]), QString::fromUtf8(argv[3]).split(QLatin1Char(',')));
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
