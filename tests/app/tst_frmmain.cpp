#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "app/AboutText.h"
#include "ui/FileDialogs.h"
#include "model/Settings.h"
#include "app/frmMain.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

const QString kUnsaved = QStringLiteral("Tournament not saved.  Are you sure you want to exit");

QAction* action(QWidget* window, const char* name)
{
    return window->findChild<QAction*>(QLatin1String(name));
}

// An open tournament of `groups` group windows, as New or Open leave it.
void openTournament(frmMain& window, int groups, bool saved)
{
    Tournament.GroupCount = groups;
    Tournament.IsOpen = true;
    Tournament.Saved = saved;
    window.setWindowTitle(QStringLiteral("Tabulon - Cup at Leeds"));
    for (int slot = 1; slot <= groups; ++slot) {
        window.groupWindow(slot)->setWindowTitle(QStringLiteral("%1. Division %1").arg(slot));
        window.showGroupWindow(slot);
    }
}

int visibleGroupWindows(const frmMain& window)
{
    int count = 0;
    for (int slot = 1; slot <= 8; ++slot)
        count += window.loadedGroupWindow(slot) ? 1 : 0;
    return count;
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetProgramState(); }

    void menusCarryTheirCaptions()
    {
        TemporarySettings settings;
        frmMain window;
        const auto captionsOf = [](const QList<QAction*>& items) {
            QStringList captions;
            for (QAction* item : items)
                captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
            return captions;
        };
        QCOMPARE(captionsOf(window.menuBar()->actions()), (QStringList { "&File", "&Window", "&Help" }));
        QCOMPARE(captionsOf(window.findChild<QMenu*>("mnuFile")->actions()),
                 (QStringList { "&New", "&Close", "&Open", "&Save", "-", "&Generate Fixtures", "-", "E&xit" }));
        QCOMPARE(captionsOf(window.findChild<QMenu*>("mnuWindow")->actions()),
                 (QStringList { "&Cascade", "-", "&Windows" }));
        QCOMPARE(captionsOf(window.findChild<QMenu*>("mnuHelp")->actions()), (QStringList { "&Help", "&About" }));
        for (const char* name : { "mnuNew", "mnuClose", "mnuOpen", "mnuSave", "mnuGenerateFixtures", "mnuExit",
                                  "mnuCascade", "mnuShowHelp", "mnuAbout" })
            QVERIFY2(action(&window, name), name);
    }

    void shortcutsOnTheFileItems()
    {
        TemporarySettings settings;
        frmMain window;
        QCOMPARE(action(&window, "mnuNew")->shortcut(), QKeySequence(QKeySequence::New));
        QCOMPARE(action(&window, "mnuOpen")->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(action(&window, "mnuSave")->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(action(&window, "mnuExit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    }

    void startsEmpty()
    {
        TemporarySettings settings;
        Tournament.Saved = false;
        Tournament.FileName = QStringLiteral("/old.trn");
        frmMain window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Tabulon"));
        QVERIFY(Tournament.Saved);
        QVERIFY(Tournament.FileName.isEmpty());
        QCOMPARE(Tournament.GroupCount, qint16(0));
    }

    void firstStartWritesDatabaseName()
    {
        TemporarySettings settings;
        frmMain window;
        const QString expected = QCoreApplication::applicationDirPath() + QStringLiteral("/TempDB.mdb");
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), QString()), expected);
        QCOMPARE(DatabaseName, expected);
    }

    void saveEnabledOnlyWithATournament()
    {
        TemporarySettings settings;
        frmMain window;
        window.mnuFile_Click();
        QVERIFY(!action(&window, "mnuSave")->isEnabled());
        openTournament(window, 2, true);
        window.mnuFile_Click();
        QVERIFY(action(&window, "mnuSave")->isEnabled());
        window.CloseTournament();
        window.mnuFile_Click();
        QVERIFY(!action(&window, "mnuSave")->isEnabled());
    }

    void closeAsksOnlyWhenUnsaved_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("closed");
        QTest::newRow("saved: no question") << true << false << true;
        QTest::newRow("unsaved, Yes closes") << false << true << true;
        QTest::newRow("unsaved, No keeps everything") << false << false << false;
    }
    void closeAsksOnlyWhenUnsaved()
    {
        QFETCH(bool, saved);
        QFETCH(bool, answerYes);
        QFETCH(bool, closed);
        TemporarySettings settings;
        frmMain window;
        openTournament(window, 3, saved);
        window.groupWindow(2)->appendTeam(QStringLiteral("Rovers"));

        ScriptedPrompts prompts;
        if (!saved)
            prompts.expect(kUnsaved).answer(answerYes ? Prompts::Answer::Yes : Prompts::Answer::No);
        QCOMPARE(window.CloseTournament(), closed);
        QVERIFY(prompts.allAnswered());
        if (!saved) {
            QCOMPARE(prompts.lastCall().title, QStringLiteral("Close Tournament"));
            QCOMPARE(prompts.lastCall().icon, Prompts::Icon::Question);
            QCOMPARE(prompts.lastCall().buttons, Prompts::Buttons::YesNo);
        }
        if (closed) {
            QCOMPARE(window.windowTitle(), QStringLiteral("Tabulon"));
            QCOMPARE(Tournament.GroupCount, qint16(0));
            QVERIFY(!Tournament.IsOpen);
            QVERIFY(Tournament.Saved);
            QCOMPARE(visibleGroupWindows(window), 0);
        } else {
            QCOMPARE(window.windowTitle(), QStringLiteral("Tabulon - Cup at Leeds"));
            QCOMPARE(Tournament.GroupCount, qint16(3));
            QVERIFY(Tournament.IsOpen);
            QVERIFY(!Tournament.Saved);
            QCOMPARE(visibleGroupWindows(window), 3);
            QCOMPARE(window.groupWindow(2)->teams(), QStringList { QStringLiteral("Rovers") });
        }
    }

    void yesMarksSavedSoExitAsksNothing()
    {
        TemporarySettings settings;
        frmMain window;
        openTournament(window, 1, false);
        ScriptedPrompts prompts;
        prompts.expect(kUnsaved).answer(Prompts::Answer::Yes);
        QVERIFY(window.CloseTournament());
        QVERIFY(window.close());
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.calls().size(), 1);
    }

    void exitAsksWhenUnsaved_data()
    {
        QTest::addColumn<bool>("answerYes");
        QTest::newRow("Yes ends the program") << true;
        QTest::newRow("No cancels the shut-down") << false;
    }
    void exitAsksWhenUnsaved()
    {
        QFETCH(bool, answerYes);
        TemporarySettings settings;
        frmMain window;
        window.show();
        openTournament(window, 1, false);
        ScriptedPrompts prompts;
        prompts.expect(kUnsaved).answer(answerYes ? Prompts::Answer::Yes : Prompts::Answer::No);
        action(&window, "mnuExit")->trigger();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(window.isVisible(), !answerYes);
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("Window State"), QStringLiteral("none")),
                 answerYes ? QStringLiteral("0") : QStringLiteral("none"));
    }

    void maximisedStateIsStoredAndRestored()
    {
        TemporarySettings settings;
        {
            frmMain window;
            window.showMaximized();
            QVERIFY(window.close());
        }
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("Window State"), QString()), QStringLiteral("2"));
        frmMain again;
        QVERIFY(again.windowState() & Qt::WindowMaximized);
    }

    void unknownWindowStateOpensNormal_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("not a number") << "wide";
        QTest::newRow("out of range") << "7";
        QTest::newRow("normal") << "0";
    }
    void unknownWindowStateOpensNormal()
    {
        QFETCH(QString, stored);
        TemporarySettings settings;
        WriteSetting(kCompany, kProduct, QStringLiteral("Window State"), stored);
        frmMain window;
        QCOMPARE(window.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized), Qt::WindowNoState);
    }

    void groupWindowsHaveNoCloseBox()
    {
        TemporarySettings settings;
        frmMain window;
        window.show();
        openTournament(window, 2, true);
        QMdiSubWindow* sub = window.mdiArea()->subWindowList().first();
        QVERIFY(!(sub->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(sub->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(!sub->close());
        QCOMPARE(visibleGroupWindows(window), 2);
    }

    void windowListActivatesAGroup()
    {
        TemporarySettings settings;
        frmMain window;
        window.show();
        openTournament(window, 3, true);
        QMenu* list = window.findChild<QMenu*>("mnuWindows");
        QMetaObject::invokeMethod(list, "aboutToShow");
        QStringList captions;
        for (QAction* item : list->actions())
            captions << item->text();
        QCOMPARE(captions, (QStringList { "1. Division 1", "2. Division 2", "3. Division 3" }));
        list->actions().at(1)->trigger();
        QCOMPARE(window.activeGroupWindow(), window.loadedGroupWindow(2));
    }

    void aboutBox()
    {
        TemporarySettings settings;
        frmMain window;
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Tabulon\r\r") + kAboutCredit + QStringLiteral("\r\r") + kAboutRights
                       + QStringLiteral("\r\r") + kAboutWebAddress);
        action(&window, "mnuAbout")->trigger();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().title, QStringLiteral("About Tabulon"));
        QCOMPARE(prompts.lastCall().icon, Prompts::Icon::Information);
        QCOMPARE(prompts.lastCall().buttons, Prompts::Buttons::Ok);
    }

    void fileDialogs()
    {
        const QString filter = fileFilter({ { QStringLiteral("Tournament Files (*.trn)"), QStringLiteral("*.trn") } });
        QCOMPARE(filter,
                 QStringLiteral("Tournament Files (*.trn)") + QChar(u'\0') + QStringLiteral("*.trn") + QChar(u'\0'));
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Open Tournament ... ")).answer(QString());
        prompts.expect(QStringLiteral("Save Tournament ...")).answer(QStringLiteral("/tmp/cup"));
        QCOMPARE(ShowOpenDialog(filter), QString());
        QCOMPARE(prompts.lastCall().filter, QStringLiteral("Tournament Files (*.trn)"));
        QCOMPARE(prompts.lastCall().startFolder, QCoreApplication::applicationDirPath());
        QCOMPARE(prompts.lastCall().fileMode, Prompts::FileRequest::Mode::Open);
        QCOMPARE(ShowSaveDialog(QStringLiteral("Save Tournament ..."), filter), QStringLiteral("/tmp/cup"));
        QCOMPARE(prompts.lastCall().fileMode, Prompts::FileRequest::Mode::Save);
        QVERIFY(prompts.allAnswered());
    }

    void qtFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        const QChar nul(u'\0');
        QTest::newRow("description with pattern")
            << QString(QStringLiteral("HTML Document (*.htm)") + nul + QStringLiteral("*.htm") + nul)
            << "HTML Document (*.htm)";
        QTest::newRow("description without pattern")
            << QString(QStringLiteral("Reports") + nul + QStringLiteral("*.rtf;*.txt") + nul)
            << "Reports (*.rtf *.txt)";
        QTest::newRow("two pairs") << QString(QStringLiteral("A (*.a)") + nul + QStringLiteral("*.a") + nul
                                              + QStringLiteral("B (*.b)") + nul + QStringLiteral("*.b") + nul)
                                   << "A (*.a);;B (*.b)";
    }
    void qtFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(qtFileFilter(filter), expected);
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
