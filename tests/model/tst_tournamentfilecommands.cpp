// File > Save and File > Open driven through the main window, with scripted dialogs.
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "app/frmMain.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"
#include "model/TournamentFile.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

const QString kSaveTitle = QStringLiteral("Save Tournament ...");
const QString kOpenTitle = QStringLiteral("Open Tournament ... ");
const QString kOverwrite = QStringLiteral("File Exists.  Overwrite ?");
const QString kUnsaved = QStringLiteral("Tournament not saved.  Are you sure you want to exit");
const QString kTitle = QStringLiteral("Tabulon - Cup, \"Spring\" at Łódź");

// Writes beyond `bytes` fail with "File too large" while it lives, as on a full disk; works for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

QStringList teamsOf(int group)
{
    if (group == 1)
        return { QStringLiteral("Beşiktaş"), QStringLiteral("Łódź, \"ŁKS\""), QStringLiteral("  Old  Boys "),
                 QStringLiteral("Rovers") };
    return { QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma") };
}

QStringList recordsOf(int group)
{
    if (group == 1)
        return { QStringLiteral("R:14-Mar-2000:1:0:02:2:1:2"), QStringLiteral("F:07-Mar-2000:0:3"),
                 QStringLiteral("R:21-Mar-2000: 1:0:3 :2:3:0") };
    return {};
}

// A tournament of two groups built by hand, as New leaves it.
void buildTournament(frmMain& window, bool saved)
{
    Tournament.GroupCount = 2;
    Tournament.GroupTitle = QStringLiteral("Pool");
    Tournament.Indicator = 2;
    Tournament.TeamsInGroup[1] = 4;
    Tournament.TeamsInGroup[2] = 3;
    Tournament.RuleCount = 2;
    Tournament.RuleOrder[1] = 5;
    Tournament.RuleOrder[2] = 3;
    Tournament.PointsForWin = 2;
    Tournament.PointsForDraw = 0;
    Tournament.IsOpen = true;
    Tournament.Saved = saved;
    Tournament.FileName.clear();
    window.setWindowTitle(kTitle);
    const QStringList captions = { QStringLiteral("1. Pool Premier"), QStringLiteral("2. Pool 1") };
    for (int g = 1; g <= 2; ++g) {
        frmGroup* group = window.groupWindow(g);
        group->setTag(QString::number(g));
        group->setWindowTitle(captions[g - 1]);
        group->setTeams(teamsOf(g));
        group->setStoredLines(recordsOf(g));
        group->RefreshList();
        window.showGroupWindow(g);
    }
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

int loadedWindows(const frmMain& window)
{
    int count = 0;
    for (int slot = 1; slot <= 8; ++slot)
        count += window.loadedGroupWindow(slot) ? 1 : 0;
    return count;
}

} // namespace

class TestTournamentFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetProgramState(); }

    void saveThenOpenRestoresTheTournament()
    {
        TemporarySettings settings;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cup.trn"));
        frmMain window;
        buildTournament(window, false);

        ScriptedPrompts prompts;
        prompts.expect(kSaveTitle).answer(path);
        window.mnuSave_Click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().fileMode, Prompts::FileRequest::Mode::Save);
        QCOMPARE(prompts.lastCall().filter, QStringLiteral("Tournament Files (*.trn)"));
        QVERIFY(Tournament.Saved);
        QCOMPARE(Tournament.FileName, path);
        QCOMPARE(window.activeGroupWindow(), window.loadedGroupWindow(2));
        const QByteArray saved = contentsOf(path);
        QVERIFY(saved.startsWith(kTitle.toUtf8() + "\r\n 2 \r\nPool\r\n 2 \r\n 4 \r\n 3 \r\n 2 \r\n 5 \r\n 3 \r\n"));

        QVERIFY(window.CloseTournament());
        Tournament = TournamentState(); // nothing may survive but the file
        prompts.expect(kOpenTitle).answer(path);
        window.mnuOpen_Click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().fileMode, Prompts::FileRequest::Mode::Open);
        QCOMPARE(prompts.lastCall().filter, QStringLiteral("Tournament Files (*.trn)"));

        QCOMPARE(window.windowTitle(), kTitle);
        QCOMPARE(Tournament.GroupCount, qint16(2));
        QCOMPARE(Tournament.GroupTitle, QStringLiteral("Pool"));
        QCOMPARE(Tournament.Indicator, qint16(2));
        QCOMPARE(Tournament.TeamsInGroup[1], qint16(4));
        QCOMPARE(Tournament.TeamsInGroup[2], qint16(3));
        QCOMPARE(Tournament.RuleCount, qint16(2));
        QCOMPARE(Tournament.RuleOrder[1], qint16(5));
        QCOMPARE(Tournament.RuleOrder[2], qint16(3));
        QCOMPARE(Tournament.PointsForWin, qint16(2));
        QCOMPARE(Tournament.PointsForDraw, qint16(0));
        QVERIFY(Tournament.IsOpen);
        QVERIFY(Tournament.Saved);
        QCOMPARE(Tournament.FileName, path);
        QCOMPARE(loadedWindows(window), 2);
        const QStringList captions = { QStringLiteral("1. Pool Premier"), QStringLiteral("2. Pool 1") };
        for (int g = 1; g <= 2; ++g) {
            frmGroup* group = window.loadedGroupWindow(g);
            QVERIFY(group);
            QVERIFY(group->isVisibleTo(&window));
            QCOMPARE(group->tag(), QString::number(g));
            QCOMPARE(group->windowTitle(), captions[g - 1]);
            QCOMPARE(group->teams(), teamsOf(g));
            QCOMPARE(group->storedLines(), recordsOf(g));
            QCOMPARE(group->displayLines(), buildDisplayLinesFor(g));
        }

        // Saved again unchanged, the file is the same byte for byte, and nothing is asked.
        prompts.expect(kSaveTitle).answer(path);
        window.mnuSave_Click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(contentsOf(path), saved);
    }

    void overwriteQuestion_data()
    {
        QTest::addColumn<bool>("existedBefore");
        QTest::newRow("new path: never asked") << false;
        QTest::newRow("existing path: asked on every save") << true;
    }
    void overwriteQuestion()
    {
        QFETCH(bool, existedBefore);
        TemporarySettings settings;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cup.trn"));
        if (existedBefore)
            writeFile(path, "older tournament\r\n");
        frmMain window;
        buildTournament(window, false);

        ScriptedPrompts prompts;
        for (int save = 1; save <= 2; ++save) {
            prompts.expect(kSaveTitle).answer(path);
            if (existedBefore)
                prompts.expect(kOverwrite).answer(Prompts::Answer::Yes);
            window.mnuSave_Click();
            QVERIFY(prompts.allAnswered());
            QVERIFY(Tournament.Saved);
            QCOMPARE(Tournament.FileName, existedBefore ? QString() : path);
            Tournament.Saved = false;
        }
        if (existedBefore) {
            QCOMPARE(prompts.calls()[1].title, QStringLiteral("Save File"));
            QCOMPARE(prompts.calls()[1].icon, Prompts::Icon::Question);
            QCOMPARE(prompts.calls()[1].buttons, Prompts::Buttons::YesNo);
        }
        QVERIFY(readTournamentFile(path).ok());
    }

    void noToOverwriteChangesNothing()
    {
        TemporarySettings settings;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cup.trn"));
        writeFile(path, "older tournament\r\n");
        frmMain window;
        buildTournament(window, false);

        ScriptedPrompts prompts;
        prompts.expect(kSaveTitle).answer(path);
        prompts.expect(kOverwrite).answer(Prompts::Answer::No);
        window.mnuSave_Click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(contentsOf(path), QByteArray("older tournament\r\n"));
        QVERIFY(!Tournament.Saved);
        QCOMPARE(Tournament.FileName, QString());
    }

    void savingToTheOpenedFileAsksNothing()
    {
        TemporarySettings settings;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cup.trn"));
        frmMain window;
        {
            buildTournament(window, true);
            ScriptedPrompts prompts;
            prompts.expect(kSaveTitle).answer(path);
            window.mnuSave_Click();
            QVERIFY(window.CloseTournament());
        }
        Tournament.FileName.clear();

        ScriptedPrompts prompts;
        prompts.expect(kOpenTitle).answer(path);
        window.mnuOpen_Click();
        window.loadedGroupWindow(2)->setStoredLines({ QStringLiteral("F:01-Apr-2000:2:0") });
        Tournament.Saved = false;
        prompts.expect(kSaveTitle).answer(path);
        window.mnuSave_Click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.calls().size(), 2);
        QVERIFY(Tournament.Saved);
        QCOMPARE(readTournamentFile(path).data->groups[1].recordLines, QStringList { "F:01-Apr-2000:2:0" });
    }

    void failedSaveKeepsTheOldFileAndTheFlags_data()
    {
        QTest::addColumn<bool>("missingFolder");
        QTest::newRow("disk full") << false;
        QTest::newRow("folder that does not exist") << true;
    }
    void failedSaveKeepsTheOldFileAndTheFlags()
    {
        QFETCH(bool, missingFolder);
        TemporarySettings settings;
        QTemporaryDir folder;
        const QString path
            = folder.filePath(missingFolder ? QStringLiteral("gone/cup.trn") : QStringLiteral("cup.trn"));
        const QByteArray oldBytes = "the last good copy\r\n";
        if (!missingFolder)
            writeFile(path, oldBytes);
        frmMain window;
        buildTournament(window, false);
        Tournament.FileName = path; // saved there before: no overwrite question

        ScriptedPrompts prompts;
        prompts.expect(kSaveTitle).answer(path);
        const QString reason
            = missingFolder ? QStringLiteral("No such file or directory.") : QStringLiteral("File too large.");
        prompts.expect(QStringLiteral("Cannot save the tournament to %1: %2").arg(path, reason))
            .answer(Prompts::Answer::Ok);
        {
            FileSizeLimit limit(64);
            window.mnuSave_Click();
        }
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().title, QStringLiteral("File Input Error"));
        QCOMPARE(prompts.lastCall().icon, Prompts::Icon::Exclamation);
        QCOMPARE(prompts.lastCall().buttons, Prompts::Buttons::Ok);
        QVERIFY(!Tournament.Saved);
        QCOMPARE(Tournament.FileName, path);
        if (missingFolder)
            QVERIFY(!QFile::exists(path));
        else
            QCOMPARE(contentsOf(path), oldBytes);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), missingFolder ? QStringList() : QStringList { "cup.trn" });
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<bool>("open");
        QTest::newRow("save dialog") << false;
        QTest::newRow("open dialog") << true;
    }
    void cancelChangesNothing()
    {
        QFETCH(bool, open);
        TemporarySettings settings;
        frmMain window;
        buildTournament(window, false);

        ScriptedPrompts prompts;
        prompts.expect(open ? kOpenTitle : kSaveTitle).answer(QString());
        if (open)
            window.mnuOpen_Click();
        else
            window.mnuSave_Click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.calls().size(), 1); // not even the unsaved question
        QVERIFY(!Tournament.Saved);
        QVERIFY(Tournament.IsOpen);
        QCOMPARE(Tournament.FileName, QString());
        QCOMPARE(window.windowTitle(), kTitle);
        QCOMPARE(loadedWindows(window), 2);
        QCOMPARE(window.loadedGroupWindow(1)->storedLines(), recordsOf(1));
    }

    void noToTheUnsavedQuestionKeepsTheTournament()
    {
        TemporarySettings settings;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("other.trn"));
        writeFile(path, contentsOf(QStringLiteral(TABULON_TEST_DATA "/windows1252.trn")));
        frmMain window;
        buildTournament(window, false);

        ScriptedPrompts prompts;
        prompts.expect(kOpenTitle).answer(path);
        prompts.expect(kUnsaved).answer(Prompts::Answer::No);
        window.mnuOpen_Click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(window.windowTitle(), kTitle);
        QVERIFY(!Tournament.Saved);
        QCOMPARE(Tournament.GroupCount, qint16(2));
        QCOMPARE(window.loadedGroupWindow(1)->teams(), teamsOf(1));
    }

    void opensTheWindowsEditionOverAnUnsavedTournament()
    {
        TemporarySettings settings;
        frmMain window;
        buildTournament(window, false);

        ScriptedPrompts prompts;
        prompts.expect(kOpenTitle).answer(QStringLiteral(TABULON_TEST_DATA "/windows1252.trn"));
        prompts.expect(kUnsaved).answer(Prompts::Answer::Yes);
        window.mnuOpen_Click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(window.windowTitle(), QStringLiteral("Tabulon - Copa Iberia at Málaga"));
        QCOMPARE(loadedWindows(window), 1);
        QCOMPARE(window.loadedGroupWindow(1)->teams().first(), QStringLiteral("Atlético Madrid"));
        QCOMPARE(window.loadedGroupWindow(1)->displayLines(),
                 QStringList({ QStringLiteral("F:07-Mar-2000:Atlético Madrid-v-Düsseldorf “Fortuna” €"),
                               QStringLiteral("R:14-Mar-2000:HT:1-0:FT:2-2:Deportivo La Coruña-v-Real Sociedad") }));
        QVERIFY(Tournament.IsOpen);
        QVERIFY(Tournament.Saved);
    }

    void openRefusals_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::newRow("file does not exist") << true;
        QTest::newRow("faulty file") << false;
    }
    void openRefusals()
    {
        QFETCH(bool, missing);
        TemporarySettings settings;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bad.trn"));
        if (!missing)
            writeFile(path,
                      "Tabulon - Cup at Leeds\r\n 1 \r\nDivision\r\n 0 \r\n 3 \r\n 1 \r\n 1 \r\n 3 \r\n 1 \r\n"
                      "1. Division A\r\n 2 \r\nRovers\r\nUnited\r\n 1 \r\nF:07-Mar-2000:0:2\r\n");
        frmMain window;
        buildTournament(window, true);

        ScriptedPrompts prompts;
        prompts.expect(kOpenTitle).answer(path);
        if (missing)
            prompts.expect(QStringLiteral("File Does Not Exist")).answer(Prompts::Answer::Ok);
        else
            prompts
                .expect(QStringLiteral("Line 15 of %1: record line 1 of group 1 names team 2, but group 1 has 2 team "
                                       "names (numbers 0 to 1).")
                            .arg(path))
                .answer(Prompts::Answer::Ok);
        window.mnuOpen_Click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.calls().size(), 2);
        QCOMPARE(prompts.lastCall().title, missing ? QStringLiteral("ERROR") : QStringLiteral("File Input Error"));
        QCOMPARE(prompts.lastCall().icon, Prompts::Icon::Exclamation);
        QCOMPARE(prompts.lastCall().buttons, Prompts::Buttons::Ok);
        QVERIFY(!Tournament.IsOpen);
        QCOMPARE(Tournament.GroupCount, qint16(0));
        QCOMPARE(loadedWindows(window), 0);
        QCOMPARE(window.windowTitle(), QStringLiteral("Tabulon"));
        QCOMPARE(Tournament.FileName, QString());
    }

    void openReplacesWindowsOfAnAbandonedNew()
    {
        // Team entry abandoned: settings and windows remain, but no tournament is open.
        TemporarySettings settings;
        frmMain window;
        buildTournament(window, true);
        Tournament.IsOpen = false;
        window.groupWindow(3)->setWindowTitle(QStringLiteral("3. Pool 2"));
        window.showGroupWindow(3);

        ScriptedPrompts prompts;
        prompts.expect(kOpenTitle).answer(QStringLiteral(TABULON_TEST_DATA "/windows1252.trn"));
        window.mnuOpen_Click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(loadedWindows(window), 1);
        QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(window.loadedGroupWindow(1)->windowTitle(), QStringLiteral("1. Grupo A"));
    }

private:
    static QStringList buildDisplayLinesFor(int group)
    {
        if (group == 1)
            return { QStringLiteral("R:14-Mar-2000:HT:1-0:FT:2-2:Łódź, \"ŁKS\"-v-  Old  Boys "),
                     QStringLiteral("F:07-Mar-2000:Beşiktaş-v-Rovers"),
                     QStringLiteral("R:21-Mar-2000:HT:1-0:FT:3-2:Rovers-v-Beşiktaş") };
        return {};
    }
};

QTEST_MAIN(TestTournamentFileCommands)
#include "tst_tournamentfilecommands.moc"
