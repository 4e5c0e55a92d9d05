// File > Save and File > Open driven through the main window, with scripted dialogs.
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "app/frmMain.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

const QString kTitle = QStringLiteral("Tabulon - Cup, \"Spring\" at Łódź");
const QString kWindowsFile = QStringLiteral(TABULON_TEST_DATA "/windows1252.trn");
const QString kWindowsTitle = QStringLiteral("Tabulon - Copa Iberia at Málaga");
const QByteArray kFile
    = "Tabulon - Cup, \"Spring\" at Łódź\r\n 2 \r\nPool\r\n 2 \r\n 4 \r\n 3 \r\n 2 \r\n 5 \r\n 3 \r\n"
      " 2 \r\n 0 \r\n1. Pool Premier\r\n 4 \r\nBeşiktaş\r\nŁódź, \"ŁKS\"\r\n  Old  Boys \r\nRovers\r\n"
      " 3 \r\nR:14-Mar-2000:1:0:02:2:1:2\r\nF:07-Mar-2000:0:3\r\nR:21-Mar-2000: 1:0:3 :2:3:0\r\n"
      "2. Pool 1\r\n 3 \r\nAlpha\r\nBeta\r\nGamma\r\n 0 \r\n";

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return QFile::exists(path) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

Prompts::Answer answerOf(const QString& answer)
{
    return answer == QLatin1String("Yes") ? Prompts::Answer::Yes : Prompts::Answer::No;
}

} // namespace

// Every test starts with kFile opened from cup.trn through File > Open and then changed (unsaved).
class TestFrmMainFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporarySettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<frmMain> m_window;
    QString m_opened;

private slots:
    void init()
    {
        resetProgramState();
        m_settings = std::make_unique<TemporarySettings>();
        m_folder = std::make_unique<QTemporaryDir>();
        m_window = std::make_unique<frmMain>();
        m_opened = m_folder->filePath(QStringLiteral("cup.trn"));
        QVERIFY(writeFile(m_opened, kFile));
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Open Tournament ... ")).answer(m_opened);
        m_window->mnuOpen_Click();
        QCOMPARE(prompts.lastCall().filter, QStringLiteral("Tournament Files (*.trn)"));
        QCOMPARE(prompts.lastCall().startFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QVERIFY(Tournament.IsOpen);
        QVERIFY(Tournament.Saved);
        Tournament.Saved = false;
        // Saved again, the file comes back byte for byte (the save table); these are read by other windows.
        const auto& t = Tournament;
        QCOMPARE(QList<int>({ t.GroupCount, t.Indicator, t.TeamsInGroup[1], t.TeamsInGroup[2], t.RuleCount,
                              t.RuleOrder[1], t.RuleOrder[2], t.PointsForWin, t.PointsForDraw }),
                 QList<int>({ 2, 2, 4, 3, 2, 5, 3, 2, 0 }));
        QCOMPARE(m_window->loadedGroupWindow(2)->tag(), QStringLiteral("2"));
    }

    // Each row saves twice to `target`, which first holds "older" when it is cup.trn or the question is asked.
    void save_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("overwrite"); // the answer to "File Exists.  Overwrite ?", "" when not asked
        QTest::addColumn<QString>("reason");    // of the failure, "" when the save succeeds
        // clang-format off
        QTest::newRow("dialog cancelled") << "" << "" << "";
        QTest::newRow("to the opened file: never asked") << "cup.trn" << "" << "";
        QTest::newRow("to a new path: remembered, then never asked") << "other.trn" << "" << "";
        QTest::newRow("typed without an extension: .trn added") << "other" << "" << "";
        QTest::newRow("to an existing path: asked on every save") << "other.trn" << "Yes" << "";
        QTest::newRow("No to the overwrite question") << "other.trn" << "No" << "";
        QTest::newRow("disk full: old file kept") << "cup.trn" << "" << "File too large.";
        QTest::newRow("folder that does not exist") << "gone/cup.trn" << "" << "No such file or directory.";
        // clang-format on
    }
    void save()
    {
        QFETCH(QString, target);
        QFETCH(QString, overwrite);
        QFETCH(QString, reason);
        const QString typed = target.isEmpty() ? target : m_folder->filePath(target);
        const QString path = target == QLatin1String("other") ? typed + QStringLiteral(".trn") : typed;
        const bool proceeds = !target.isEmpty() && overwrite != QLatin1String("No");
        const bool written = proceeds && reason.isEmpty();
        const bool existed = target == QStringLiteral("cup.trn") || !overwrite.isEmpty();
        QVERIFY(!existed || writeFile(path, "older\r\n"));
        m_window->activateGroupWindow(1);
        rlimit normal {};
        getrlimit(RLIMIT_FSIZE, &normal);
        const rlimit full { reason.startsWith(u"File too large") ? 64 : normal.rlim_cur, normal.rlim_max };
        std::signal(SIGXFSZ, SIG_IGN); // writes beyond 64 bytes then fail, as on a full disk, for root too
        ScriptedPrompts prompts;
        for (int save = 1; save <= 2; ++save) {
            Tournament.Saved = false;
            prompts.expect(QStringLiteral("Save Tournament ...")).answer(typed);
            if (!overwrite.isEmpty())
                prompts.expect(QStringLiteral("File Exists.  Overwrite ?")).answer(answerOf(overwrite));
            if (!reason.isEmpty())
                prompts.expect(QStringLiteral("Cannot save the tournament to %1: %2").arg(path, reason));
            setrlimit(RLIMIT_FSIZE, &full);
            m_window->mnuSave_Click();
            setrlimit(RLIMIT_FSIZE, &normal);
            QVERIFY(prompts.allAnswered());
            QCOMPARE(prompts.calls().first().startFolder, m_folder->path()); // where the opened file lies
            if (!overwrite.isEmpty())                                        // Enter must not destroy the old file
                QCOMPARE(prompts.calls().at(1).defaultAnswer, Prompts::Answer::No);
            QCOMPARE(Tournament.Saved, written);
            QCOMPARE(Tournament.FileName, written && !existed ? path : m_opened);
        }
        QCOMPARE(contentsOf(path), written ? kFile : existed ? QByteArray("older\r\n") : QByteArray("(none)"));
        QCOMPARE(m_window->activeGroupWindow(), m_window->loadedGroupWindow(proceeds ? 2 : 1));
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files).size(),
                 target.startsWith(QLatin1String("other")) ? 2 : 1);
    }

    void open_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("unsaved");   // the answer to the unsaved question, "" when not asked
        QTest::addColumn<QString>("message");   // a refusal's text, %1 for the path
        QTest::addColumn<QString>("title");     // the caption afterwards
        QTest::addColumn<QString>("firstLine"); // group 1's first display line afterwards
        const QString cup = QStringLiteral("R:14-Mar-2000:HT:1-0:FT:2-2:Łódź, \"ŁKS\"-v-  Old  Boys ");
        // clang-format off
        QTest::newRow("dialog cancelled") << "" << "" << "" << kTitle << cup;
        QTest::newRow("No to the unsaved question") << kWindowsFile << "No" << "" << kTitle << cup;
        QTest::newRow("file does not exist") << "missing.trn" << "Yes" << "File Does Not Exist" << "Tabulon" << "";
        QTest::newRow("faulty file") << "bad.trn" << "Yes" << "Line 2 of %1: the group count is 9; it must be 1 to 8." << "Tabulon" << "";
        QTest::newRow("Windows edition over an abandoned New") << kWindowsFile << "" << "" << kWindowsTitle << "F:07-Mar-2000:Atlético Madrid-v-Düsseldorf “Fortuna” €";
        QTest::newRow("a line that cannot be read: shown as stored, named after the open") << "old.trn" << "Yes"
            << "1 record line could not be read. They are kept as they are and saved back unchanged, but league tables and reports leave them out:\rGroup 1, record line 1: \"R:14-Mar-2000:1:0:0:2:2:1:2\" (the line has too many fields)"
            << kTitle << "R:14-Mar-2000:1:0:0:2:2:1:2";
        // clang-format on
    }
    void open()
    {
        QFETCH(QString, file);
        QFETCH(QString, unsaved);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, firstLine);
        const QString path = file.isEmpty() ? file : QDir(m_folder->path()).filePath(file);
        QVERIFY(writeFile(m_folder->filePath(QStringLiteral("bad.trn")), "Tabulon - Cup\r\n 9 \r\n"));
        QVERIFY(writeFile(m_folder->filePath(QStringLiteral("old.trn")),
                          QByteArray(kFile).replace("R:14-Mar-2000:1:0:02:2:1:2", "R:14-Mar-2000:1:0:0:2:2:1:2")));
        if (file == kWindowsFile && unsaved.isEmpty())
            Tournament.IsOpen = false; // team entry abandoned: the windows remain, no tournament is open
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Open Tournament ... ")).answer(path);
        if (!unsaved.isEmpty())
            prompts.expect(QStringLiteral("Tournament not saved.  Are you sure you want to exit"))
                .answer(answerOf(unsaved));
        // Yes would drop the unsaved changes, so Enter answers No.
        const auto unsavedQuestionDefault = [&prompts] { return prompts.calls().value(1).defaultAnswer; };
        if (!message.isEmpty())
            prompts.expect(QString(message).replace(QStringLiteral("%1"), path));
        m_window->mnuOpen_Click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(m_window->windowTitle(), title);
        if (!unsaved.isEmpty())
            QCOMPARE(unsavedQuestionDefault(), Prompts::Answer::No);
        const int windows = title == kTitle ? 2 : title == kWindowsTitle ? 1 : 0;
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), windows);
        // Ctrl+S works without the File menu ever having been opened.
        QCOMPARE(m_window->findChild<QAction*>("mnuSave")->isEnabled(), windows > 0);
        QCOMPARE(Tournament.IsOpen, windows > 0);
        QCOMPARE(Tournament.Saved, title != kTitle || file == QLatin1String("old.trn"));
        const frmGroup* group = m_window->loadedGroupWindow(1);
        QCOMPARE(group ? group->displayLines().value(0) : QString(), firstLine);
    }
};

QTEST_MAIN(TestFrmMainFiles)
#include "tst_frmmainfiles.moc"
