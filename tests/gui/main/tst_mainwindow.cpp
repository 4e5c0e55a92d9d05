// The main window: its start, window state and group windows, File > New's team entry, File > Open, Save and Save As,
// the file named at start-up, the recent files, File > Generate Fixtures (its questions, refusals and busy pointer; the
// schedule is tested in tst_schedule), File > Import Results and File > Points Adjustments.
#include "ModalDialog.h"
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "core/records/RecordLines.h"
#include "core/records/ResultImport.h"
#include "core/schedule/Schedule.h"
#include "core/setup/TournamentSetup.h"
#include "core/tournament/Settings.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/DatePickerDialog.h"
#include "gui/group/GroupWindow.h"
#include "gui/knockout/KnockoutSetupDialog.h"
#include "gui/main/ImportPreviewDialog.h"
#include "gui/main/MainWindow.h"
#include "gui/setup/TournamentDetailsDialog.h"
#include "gui/standings/PointsAdjustmentsDialog.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <csignal>
#include <memory>
#include <optional>
#include <sys/resource.h>

Q_DECLARE_METATYPE(PointsAdjustments)

namespace {

const QString kCancelQuestion = QStringLiteral("Are you sure you want to cancel this tournament");
enum class Unsaved { Yes, No };     // the answer to the unsaved question
using Gap = std::optional<QString>; // the answer to Generate Fixtures' gap prompt

// Fills in the details dialog for `groups` groups of two teams and presses OK; `prompts` answers
// its summary with Yes.
std::function<void(TournamentDetailsDialog*)> acceptDetails(ScriptedPrompts& prompts, int groups, int indicator = 0,
                                                            const QString& title = QStringLiteral("Division"))
{
    prompts.expect(checkSettingsText("Spring Cup", "Leeds", groups, QList<qint16>(groups, 2), defaultRuleOrder()))
        .answer(Prompts::Answer::Yes);
    return [=](TournamentDetailsDialog* d) {
        d->findChild<QLineEdit*>("nameField")->setText(QStringLiteral("Spring Cup"));
        d->findChild<QLineEdit*>("locationField")->setText(QStringLiteral("Leeds"));
        d->findChild<QRadioButton*>(QStringLiteral("groupCountButton%1").arg(groups))->click();
        d->findChild<QComboBox*>("indicatorBox")->setCurrentIndex(indicator);
        d->findChild<QComboBox*>("groupTitleBox")->setCurrentText(title);
        d->findChild<QPushButton*>("okButton")->click();
    };
}

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

// Each test starts with a fresh settings store and a shown main window.
class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporarySettings> m_settings;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_opened;
    QAction* action(const char* name) const { return m_window->findChild<QAction*>(QLatin1String(name)); }
    TournamentDocument* document() const { return m_window->document(); }

    // An open, saved tournament of `groups` groups, as Open leaves it; group 1 holds `teams` and `lines`.
    void openTournament(int groups, const QStringList& teams = {}, const QStringList& lines = {})
    {
        TournamentData data;
        data.title = QStringLiteral("Tabulon - Cup at Leeds");
        data.GroupCount = static_cast<qint16>(groups);
        data.TeamsInGroup[1] = static_cast<qint16>(teams.size());
        for (int slot = 1; slot <= groups; ++slot)
            data.groups.append({ QStringLiteral("%1. Division %1").arg(slot),
                                 slot == 1 ? teams : QStringList(),
                                 slot == 1 ? lines : QStringList(),
                                 {} });
        document()->reset(data);
    }
    // The caption as the window manager shows it: "*" after the title of an unsaved tournament.
    QString shownCaption() const
    {
        return m_window->windowTitle().replace(QStringLiteral("[*]"),
                                               m_window->isWindowModified() ? QStringLiteral("*") : QString());
    }
    // A change of the kind every command makes: the tournament is now unsaved.
    void markUnsaved() { document()->setAdjustments(1, document()->group(1).adjustments()); }

    // After team entry, kept or cancelled: every group window is loaded and shown inside the main
    // window, or none is.
    void verifyState(int groupCount, bool open, bool saved, int groupWindows, const QString& caption) const
    {
        QCOMPARE(int(document()->settings().GroupCount), groupCount);
        QCOMPARE(document()->isOpen(), open);
        QCOMPARE(!document()->isModified(), saved);
        for (int slot = 1; slot <= 8; ++slot) {
            const GroupWindow* group = m_window->loadedGroupWindow(slot);
            QCOMPARE(group != nullptr, slot <= groupWindows);
            QVERIFY(!group || group->isVisible());
        }
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), groupWindows);
        QCOMPARE(m_window->activeGroupWindow(), m_window->loadedGroupWindow(1));
        QCOMPARE(shownCaption(), saved ? caption : caption + u'*');
    }

    // kFile opened from cup.trn through File > Open and then changed (unsaved).
    void openCup()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_opened = m_folder->filePath(QStringLiteral("cup.trn"));
        QVERIFY(writeFile(m_opened, kFile));
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Open Tournament ... ")).answer(m_opened);
        m_window->open();
        QCOMPARE(prompts.lastCall().filter, QStringLiteral("Tournament Files (*.trn)"));
        QCOMPARE(prompts.lastCall().startFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QVERIFY(document()->isOpen());
        QVERIFY(!document()->isModified());
        markUnsaved();
        // Saved again, the file comes back byte for byte (the save table); these are read by other windows.
        const TournamentSettings& t = document()->settings();
        QCOMPARE(QList<int>({ t.GroupCount, t.Indicator, t.TeamsInGroup[1], t.TeamsInGroup[2], t.RuleCount,
                              t.RuleOrder[1], t.RuleOrder[2], t.PointsForWin, t.PointsForDraw }),
                 QList<int>({ 2, 2, 4, 3, 2, 5, 3, 2, 0 }));
    }

private slots:
    void init()
    {
        m_window.reset();
        m_settings = std::make_unique<TemporarySettings>();
        m_window = std::make_unique<MainWindow>();
        m_window->show();
    }
    void cleanup() { QVERIFY(!QGuiApplication::overrideCursor()); }

    // The state read at the start is written back on closing; a damaged one counts as normal.
    void restoresWindowState_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("maximised") << "2" << true;
        QTest::newRow("not a number") << "wide" << false;
        QTest::newRow("first start: the screen's free area") << "" << true;
    }
    void restoresWindowState()
    {
        QFETCH(QString, stored);
        QFETCH(bool, maximised);
        if (!stored.isEmpty())
            writeSetting(kCompany, kProduct, QStringLiteral("Window State"), stored);
        MainWindow window;
        QCOMPARE(bool(window.windowState() & Qt::WindowMaximized), maximised);
        QVERIFY(window.screen()->availableGeometry().contains(window.geometry())); // restored, it stays on screen
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
        QVERIFY(window.close());
        QCOMPARE(readSetting(kCompany, kProduct, QStringLiteral("Window State"), QString()), maximised ? "2" : "0");
    }

    // A group window lives as long as its tournament, group 1 in front after opening; the window list activates
    // one. Tile lays eight side by side; Cascade leaves every group's title in sight, inside a smaller area too,
    // with the last in front.
    void groupWindowsStayListedAndCascade()
    {
        m_window->showNormal();
        m_window->resize(1800, 900);
        openTournament(8);
        QCOMPARE(m_window->activeGroupWindow(), m_window->loadedGroupWindow(1));
        const QList<QMdiSubWindow*> windows = m_window->mdiArea()->subWindowList();
        QVERIFY(!windows.first()->close());
        QVERIFY(windows.first()->isVisible());
        QMenu* list = m_window->findChild<QMenu*>("windowListMenu");
        emit list->aboutToShow();
        QStringList captions;
        for (const QAction* item : list->actions())
            captions << item->text();
        QCOMPARE(captions.mid(0, 3), (QStringList { "1. Division 1", "2. Division 2", "3. Division 3" }));
        QCOMPARE(captions.size(), 8);
        list->actions().at(1)->trigger();
        QCOMPARE(m_window->activeGroupWindow(), m_window->loadedGroupWindow(2));
        action("tileAction")->trigger();
        for (int i = 0; i < windows.size(); ++i) {
            QVERIFY(m_window->mdiArea()->viewport()->rect().contains(windows[i]->geometry()));
            for (int j = 0; j < i; ++j)
                QVERIFY(!windows[i]->geometry().intersects(windows[j]->geometry()));
        }
        m_window->resize(800, 500);
        action("cascadeAction")->trigger();
        for (int i = 0; i < windows.size(); ++i) {
            QVERIFY(m_window->mdiArea()->viewport()->rect().contains(windows[i]->geometry()));
            const int titleBar = windows[i]->widget()->geometry().top();
            QVERIFY(i == 0 || windows[i]->y() == 0 || windows[i]->y() - windows[i - 1]->y() >= titleBar);
        }
        QCOMPARE(m_window->activeGroupWindow(), m_window->loadedGroupWindow(8));
    }

    // On a 1366x768 and a 1920x1080 screen, and with a height remembered from a taller one: eight groups open in a
    // cascade inside the area with every caption in sight and group 1 in front; Tile lays them inside it, none
    // covering another, and Cascade again leaves every caption in sight. One group fills the area; at the size a
    // window opens at, the results show every column without scrolling sideways.
    void groupWindowsFitTheArea_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }
    void groupWindowsFitTheArea()
    {
        QFETCH(QSize, screen);
        writeSetting(kCompany, kProduct, QStringLiteral("Form Height"), QStringLiteral("30000"));
        m_window->showNormal();
        m_window->resize(screen);
        QRect area; // once a tournament shows the area in place of the start panel
        const auto captionsInSight = [&] {
            const QList<QMdiSubWindow*> stack = m_window->mdiArea()->subWindowList(QMdiArea::StackingOrder);
            for (int i = 0; i < stack.size(); ++i) {
                QVERIFY(area.contains(stack[i]->geometry()));
                const QRect caption(stack[i]->pos(), QSize(stack[i]->width(), stack[i]->widget()->y()));
                for (int j = i + 1; j < stack.size(); ++j)
                    QVERIFY2(!stack[j]->geometry().intersects(caption), qPrintable(stack[i]->windowTitle()));
            }
        };
        openTournament(8, { "Borussia Mönchengladbach", "Wolverhampton Wanderers" },
                       { "F:07-Mar-2000:0:1", "R:14-Mar-2000:0:0:1:0:1:0" });
        area = m_window->mdiArea()->viewport()->rect();
        captionsInSight();
        QCOMPARE(m_window->mdiArea()->subWindowList(QMdiArea::StackingOrder).last()->widget(),
                 m_window->loadedGroupWindow(1));
        QVERIFY(
            !m_window->loadedGroupWindow(1)->findChild<QTableView*>("resultTable")->horizontalScrollBar()->isVisible());
        action("tileAction")->trigger();
        const QList<QMdiSubWindow*> windows = m_window->mdiArea()->subWindowList();
        for (int i = 0; i < windows.size(); ++i) {
            QVERIFY(area.contains(windows[i]->geometry()));
            QVERIFY(windows[i]->rect().contains(windows[i]->widget()->geometry())); // its controls scroll
            for (int j = 0; j < i; ++j)
                QVERIFY(!windows[i]->geometry().intersects(windows[j]->geometry()));
        }
        action("cascadeAction")->trigger();
        captionsInSight();
        // Placed windows were not resized by the user: the height they share stays.
        QCOMPARE(readSetting(kCompany, kProduct, QStringLiteral("Form Height"), QString()), QStringLiteral("30000"));
        openTournament(1, { "Borussia Mönchengladbach", "Wolverhampton Wanderers" }, { "F:07-Mar-2000:0:1" });
        QCOMPARE(m_window->mdiArea()->subWindowList().constFirst()->geometry(), area);
        QVERIFY(
            !m_window->loadedGroupWindow(1)->findChild<QTableView*>("resultTable")->horizontalScrollBar()->isVisible());
    }

    // The first start stores the database beside the program. Shortcuts work before their menu was ever
    // opened, and F10 opens the File menu, each item with an access key of its own; Save and the commands that need a
    // group follow the tournament at once.
    void startsReady()
    {
        const QString database = QCoreApplication::applicationDirPath() + QStringLiteral("/TempDB.mdb");
        QCOMPARE(readSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), QString()), database);
        QCOMPARE(m_window->databaseName(), database);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QVERIFY(!action("saveAction")->isEnabled());
        // Without a tournament or a group window these are greyed out, not refused.
        const QStringList needing
            = { "generateFixturesAction", "generateBalancedFixturesAction", "importResultsAction",
                "exportCalendarAction",   "publishWebSiteAction",           "pointsAdjustmentsAction" };
        const auto enabled = [&] {
            QStringList on;
            for (const QString& name : needing)
                if (action(qPrintable(name))->isEnabled())
                    on << name;
            return on;
        };
        QCOMPARE(enabled(), QStringList());
        openTournament(1);
        QCOMPARE(m_window->loadedGroupWindow(1)->databaseName(), database); // where its tables are computed
        QVERIFY(action("saveAction")->isEnabled());
        QCOMPARE(enabled(), needing);
        QVERIFY(m_window->closeTournament()); // saved: nothing asked
        QCOMPARE(enabled(), QStringList());
        {
            ScriptedPrompts noTournament;
            noTournament.expect(QStringLiteral("There is no open tournament!"));
            m_window->editPointsAdjustments();
            QVERIFY(noTournament.allAnswered());
        }
        openTournament(1);
        markUnsaved();
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Open Tournament ... ")).answer(QString());
        QTest::keyClick(m_window.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(prompts.allAnswered());
        auto* file = m_window->findChild<QMenu*>("fileMenu");
        QTest::keyClick(m_window.get(), Qt::Key_F10);
        QTRY_VERIFY(file->isVisible());
        file->close();
        QStringList keys; // each item of the File menu has an access key of its own
        for (const QAction* item : file->actions())
            if (!item->isSeparator() && item->isVisible())
                keys << QKeySequence::mnemonic(item->text()).toString();
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    }

    // Help is a window of its own beside the program, opened once however often it is asked for.
    void helpStaysOpenBesideTheProgram()
    {
        ScriptedPrompts noPrompts; // a missing guide fails the test instead of waiting for an answer
        action("showHelpAction")->trigger();
        action("showHelpAction")->trigger();
        const QList<QWidget*> help = m_window->findChildren<QWidget*>("helpWindow");
        QCOMPARE(help.size(), 1);
        QVERIFY(help.first()->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // File > New with eight groups, labelled Premier, 1, 2... Group 1's answers try the rules of team entry: an
    // empty name and No ask the same number again, a name holding the display separator or another team's name
    // (letter case and blanks aside) is refused and asked again, blanks and commas are kept; a lone "v" or "-V-"
    // is a name.
    void newTournament()
    {
        const QStringList labels = { "Premier", "1", "2", "3", "4", "5", "6", "7" };
        ScriptedPrompts prompts;
        ModalDialog<TournamentDetailsDialog> details(acceptDetails(prompts, 8, 2, QStringLiteral("Group")));
        prompts.expect("Enter Team 1").answer(QString());
        prompts.expect(kCancelQuestion).answer(Prompts::Answer::No);
        prompts.expect("Enter Team 1").answer("A-v-B");
        prompts.expect(teamNameProblem("-v-"));
        prompts.expect("Enter Team 1").answer(" Smith,  J. ");
        prompts.expect("Enter Team 2").answer("smith,  j.");
        prompts.expect("There is already a team called \" Smith,  J. \" in 1. Group Premier.");
        prompts.expect("Enter Team 2").answer("Jones");
        for (int n = 2; n <= 8; ++n) {
            prompts.expect("Enter Team 1").answer(QStringLiteral("T%1 - v - 1").arg(n));
            prompts.expect("Enter Team 2").answer(QStringLiteral("x-V-%1").arg(n));
        }
        action("newAction")->trigger();
        QVERIFY(prompts.allAnswered());
        verifyState(8, true, false, 8, QStringLiteral("Tabulon - Spring Cup at Leeds"));
        const QList<ScriptedPrompts::Call> calls = prompts.calls(); // the summary, then group 1's seven
        QCOMPARE(calls[2].defaultAnswer, Prompts::Answer::No);      // Enter twice on an empty name keeps the set-up
        QCOMPARE(calls[5].defaultText, QStringLiteral("A-v-B"));    // the refused name, to correct
        QCOMPARE(calls[8].defaultText, QStringLiteral("smith,  j."));
        QCOMPARE(m_window->loadedGroupWindow(1)->teams(), (QStringList { " Smith,  J. ", "Jones" }));
        for (int n = 1; n <= 8; ++n) {
            const QString caption = QStringLiteral("%1. Group %2").arg(n).arg(labels[n - 1]);
            const GroupWindow* group = m_window->loadedGroupWindow(n);
            QCOMPARE(m_window->mdiArea()->subWindowList()[n - 1]->windowTitle(), caption);
            QCOMPARE(group->group(), n);
            if (n > 1)
                QCOMPARE(group->teams(),
                         (QStringList { QStringLiteral("T%1 - v - 1").arg(n), QStringLiteral("x-V-%1").arg(n) }));
        }
    }

    // Cancelling while group 2's teams are asked unloads groups 1 and 2 (group 3 was never made) and keeps the
    // settings and caption; Save is disabled, and the tournament closes as usual, asking first when unsaved.
    void cancelledTeamEntry_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<Unsaved>("answer");
        QTest::addColumn<bool>("closed"); // the tournament closed, rather than kept as it was
        QTest::newRow("Close after Yes") << "closeAction" << Unsaved::Yes << true;
        QTest::newRow("New after Yes, details cancelled") << "newAction" << Unsaved::Yes << true;
        QTest::newRow("New, No keeps the tournament") << "newAction" << Unsaved::No << false;
        QTest::newRow("Close, No keeps the tournament") << "closeAction" << Unsaved::No << false;
        QTest::newRow("Exit after Yes") << "exitAction" << Unsaved::Yes << false;
        QTest::newRow("Exit, No cancels the shut-down") << "exitAction" << Unsaved::No << false;
    }
    void cancelledTeamEntry()
    {
        QFETCH(QString, command);
        QFETCH(Unsaved, answer);
        QFETCH(bool, closed);
        ScriptedPrompts prompts;
        ModalDialog<TournamentDetailsDialog> details(acceptDetails(prompts, 3));
        const QStringList names = { "Rovers", "United", "City", "" };
        for (int i = 0; i < names.size(); ++i)
            prompts.expect(QStringLiteral("Enter Team %1").arg(i % 2 + 1)).answer(names[i]);
        prompts.expect(kCancelQuestion).answer(Prompts::Answer::Yes);
        action("newAction")->trigger();
        QVERIFY(prompts.allAnswered());
        const QString caption = QStringLiteral("Tabulon - Spring Cup at Leeds");
        verifyState(3, true, false, 0, caption);
        QVERIFY(!action("saveAction")->isEnabled());

        prompts.expect("Tournament not saved.  Are you sure you want to exit")
            .answer(answer == Unsaved::Yes ? Prompts::Answer::Yes : Prompts::Answer::No);
        std::optional<ModalDialog<TournamentDetailsDialog>> again; // a wrong dialog is closed by the first one's guard
        if (command == QLatin1String("newAction") && answer != Unsaved::No)
            again.emplace([](TournamentDetailsDialog* d) { d->findChild<QPushButton*>("cancelButton")->click(); });
        action(qPrintable(command))->trigger();
        QVERIFY(prompts.allAnswered());
        QVERIFY(!again || again->wasShown());
        QCOMPARE(prompts.lastCall().defaultAnswer, Prompts::Answer::No); // Enter keeps the tournament
        const bool exited = command == QLatin1String("exitAction") && answer == Unsaved::Yes;
        QCOMPARE(m_window->isVisible(), !exited);
        QCOMPARE(readSetting(kCompany, kProduct, QStringLiteral("Window State"), QString()).isEmpty(), !exited);
        if (closed)
            verifyState(0, false, true, 0, QStringLiteral("Tabulon"));
        else
            verifyState(3, true, false, 0, caption);
    }

    void generates_data()
    {
        QTest::addColumn<int>("teams");
        QTest::addColumn<bool>("active");       // whether group 1's window is the active one
        QTest::addColumn<int>("legs");          // the answer to the first question; 0: refused before it, -1 Cancel
        QTest::addColumn<QDate>("start");       // invalid: the calendar is cancelled
        QTest::addColumn<Gap>("gap");           // nullopt: the prompt cancelled
        QTest::addColumn<QString>("message");   // the refusal, if any
        QTest::addColumn<QStringList>("lines"); // after the run; before it too when it is refused
        QTest::addColumn<QString>("typed");     // the start date typed, then Enter; "": picked in the calendar
        const QDate start(2000, 3, 1);
        const QStringList result = { "R:07-Mar-2000:1:0:2:2:0:3" }, none;
        const auto row
            = [&](const char* name, int teams, int legs, const QDate& date, const Gap& gap, const QString& message,
                  const QStringList& lines, bool active = true, const QString& typed = QString()) {
                  QTest::newRow(name) << teams << active << legs << date << gap << message << lines << typed;
              };
        row("no open tournament", 0, 0, start, Gap(), "There is no open tournament!", none);
        row("group holds a single result", 4, 0, start, Gap(), "Cannot create fixtures unless\rfixture list is empty.",
            result);
        row("a single team", 1, 0, start, Gap(), "Cannot create fixtures for a group\rwith fewer than two teams.",
            none);
        row("no group window after a cancelled team entry", 4, 0, start, Gap(),
            "Error 91 - No group window is active: choose the group from the Window menu.", none, false);
        // Two teams keep their order through the shuffle, so their schedule is known exactly.
        row("one leg", 2, 1, start, Gap("7"), "", { "F:01-Mar-2000:1:0" });
        row("gap left empty: gap 0", 2, 2, start, Gap(""), "", { "F:01-Mar-2000:1:0", "F:01-Mar-2000:0:1" });
        row("Cancel or Escape at home and away: nothing happens", 2, -1, start, Gap(), "", none);
        row("calendar cancelled: nothing happens", 2, 2, QDate(), Gap(), "", none);
        row("start date typed", 2, 1, QDate(2011, 8, 3), Gap("7"), "", { "F:03-Aug-2011:1:0" }, true, "3 Aug 2011");
        row("typed start that is no date refused, kept", 2, 2, QDate(), Gap(),
            "\"0 2021\" is not a date: type it as 07-Mar-2000, 2000-03-07 or 7 Mar 2000.", none, true, "0 2021");
        row("gap beyond 16 bits", 2, 2, start, Gap("40000"),
            "Error 6 - Overflow: a gap of \"40000\" days is beyond 32767 days.", none);
        row("gap cancelled: nothing happens", 2, 2, start, Gap(), "", none);
        row("gap typed as a word", 2, 2, start, Gap("seven"),
            "Error 13 - Type mismatch: a gap of \"seven\" is not a number of days.", none);
    }
    // A refusal or failure shows its message and changes nothing; a run fills the group in date order.
    void generates()
    {
        QFETCH(int, teams);
        QFETCH(bool, active);
        QFETCH(int, legs);
        QFETCH(QDate, start);
        QFETCH(Gap, gap);
        QFETCH(QString, message);
        QFETCH(QStringList, lines);
        QFETCH(QString, typed);
        if (teams > 0)
            openTournament(1, QStringList { "Rovers", "United", "City", "Town" }.mid(0, teams),
                           message.isEmpty() ? QStringList() : lines);
        if (active)
            m_window->activateGroupWindow(1);
        else
            m_window->mdiArea()->setActiveSubWindow(nullptr);
        std::optional<ModalDialog<DatePickerDialog>> calendar;
        ScriptedPrompts prompts;
        if (legs != 0) // also after Cancel, so that a calendar shown by mistake cannot hang the test
            calendar.emplace([&](DatePickerDialog* dialog) {
                auto* field = dialog->findChild<QLineEdit*>("dateText");
                if (!typed.isEmpty()) {
                    QTest::keyClicks(field, typed); // over the date shown, which is selected
                    QTest::keyClick(field, Qt::Key_Return);
                    QCOMPARE(field->text(), typed);
                    if (dialog->isVisible())
                        dialog->cancel();
                    return;
                }
                dialog->findChild<QCalendarWidget*>("calendar")->setSelectedDate(start);
                dialog->findChild<QPushButton*>(start.isValid() ? "okButton" : "cancelButton")->click();
            });
        if (legs != 0)
            prompts.expect("Do you want home and away fixtures")
                .answer(legs == 2       ? Prompts::Answer::Yes
                            : legs == 1 ? Prompts::Answer::No
                                        : Prompts::Answer::Cancel);
        if (legs > 0 && start.isValid())
            prompts.expect("Enter the default number of days between fixtures (e.g. 7)").answer(gap);
        if (!message.isEmpty())
            prompts.expect(message);
        m_window->generateFixtures();

        QVERIFY(prompts.allAnswered());
        QCOMPARE(calendar && calendar->wasShown(), legs > 0);
        QCOMPARE(teams > 0 ? document()->group(1).storedLines() : QStringList(), lines);
        QCOMPARE(!document()->isModified(), !message.isEmpty() || !gap);
        QVERIFY(m_window->isEnabled());
        if (legs > 0 && start.isValid())
            QCOMPARE(prompts.calls()[1].defaultText, QStringLiteral("7"));
    }

    // The knockout set-up takes a start date typed in any form a date is written in; a text that is no date is
    // refused and stays to be corrected, the dialog open.
    void knockoutStartDateIsTyped()
    {
        QDate taken;
        KnockoutSetupDialog dialog(1, [&](const KnockoutSetup& setup, QString*) {
            taken = setup.startDate;
            return true;
        });
        dialog.show();
        dialog.findChild<QLineEdit*>("fileField")->setText(kWindowsFile); // any file that can be read
        dialog.findChild<QCheckBox*>("datedBox")->setChecked(true);
        auto* field = dialog.findChild<QWidget*>("startDateField")->findChild<QLineEdit*>("dateText");
        ScriptedPrompts prompts;
        prompts.expect("\"30 Jun\" is not a date: type it as 07-Mar-2000, 2000-03-07 or 7 Mar 2000.");
        for (const QString typed : { "30 Jun", "30-Jun-2018" }) {
            field->selectAll();
            QTest::keyClicks(field, typed);
            dialog.findChild<QPushButton*>("okButton")->click();
            QCOMPARE(field->text(), typed);
        }
        QVERIFY(prompts.allAnswered());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(taken, QDate(2018, 6, 30));
    }

    // Each row saves twice with `keys` to `target`, which first holds "older" when it is cup.trn or the question is
    // asked. Save writes the tournament's file without a question; the file Save As writes becomes the tournament's.
    void save_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("overwrite"); // the answer to "File Exists.  Overwrite ?", "" when not asked
        QTest::addColumn<QString>("reason");    // of the failure, "" when the save succeeds
        const QKeySequence save(Qt::CTRL | Qt::Key_S), saveAs(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        // clang-format off
        QTest::newRow("Save As, dialog cancelled") << saveAs << "" << "" << "";
        QTest::newRow("Save: to the opened file, never asked") << save << "cup.trn" << "" << "";
        QTest::newRow("Save As the opened file: no question") << saveAs << "cup.trn" << "" << "";
        QTest::newRow("Save As a new path: the tournament's file now") << saveAs << "other.trn" << "" << "";
        QTest::newRow("typed without an extension: .trn added") << saveAs << "other" << "" << "";
        QTest::newRow("Save As an existing path: asked once, then its file") << saveAs << "other.trn" << "Yes" << "";
        QTest::newRow("No to the overwrite question") << saveAs << "other.trn" << "No" << "";
        QTest::newRow("disk full: old file kept") << save << "cup.trn" << "" << "File too large.";
        QTest::newRow("folder that does not exist") << saveAs << "gone/cup.trn" << "" << "No such file or directory.";
        // clang-format on
    }
    void save()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, target);
        QFETCH(QString, overwrite);
        QFETCH(QString, reason);
        openCup();
        const bool asks = keys != QKeySequence(Qt::CTRL | Qt::Key_S);
        const QString typed = target.isEmpty() ? target : m_folder->filePath(target);
        const QString path = target == QLatin1String("other") ? typed + QStringLiteral(".trn") : typed;
        const bool proceeds = !target.isEmpty() && overwrite != QLatin1String("No");
        const bool written = proceeds && reason.isEmpty();
        const bool existed = target == QStringLiteral("cup.trn") || !overwrite.isEmpty();
        QVERIFY(!existed || writeFile(path, "older\r\n"));
        m_window->activateGroupWindow(1);
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        rlimit normal {};
        getrlimit(RLIMIT_FSIZE, &normal);
        const rlimit full { reason.startsWith(u"File too large") ? 64 : normal.rlim_cur, normal.rlim_max };
        std::signal(SIGXFSZ, SIG_IGN); // writes beyond 64 bytes then fail, as on a full disk, for root too
        ScriptedPrompts prompts;
        for (int save = 1; save <= 2; ++save) {
            markUnsaved();
            if (asks)
                prompts.expect(QStringLiteral("Save Tournament ...")).answer(typed);
            if (!overwrite.isEmpty() && (save == 1 || !written)) // not again once it is the tournament's file
                prompts.expect(QStringLiteral("File Exists.  Overwrite ?")).answer(answerOf(overwrite));
            if (target == QLatin1String("cup.trn") && (save == 1 || !written)) // "older" was written by another program
                prompts
                    .expect(QStringLiteral("cup.trn was changed by another program since you opened it. Overwrite it?"))
                    .answer(Prompts::Answer::Yes);
            if (!reason.isEmpty())
                prompts.expect(QStringLiteral("Cannot save the tournament to %1: %2").arg(path, reason));
            setrlimit(RLIMIT_FSIZE, &full);
            QTest::keySequence(m_window.get(), keys);
            setrlimit(RLIMIT_FSIZE, &normal);
            QVERIFY(prompts.allAnswered());
            if (asks)
                QCOMPARE(prompts.calls().first().startFolder, m_folder->path()); // where the opened file lies
            if (!overwrite.isEmpty())                                            // Enter must not destroy the old file
                QCOMPARE(prompts.calls().at(1).defaultAnswer, Prompts::Answer::No);
            QCOMPARE(!document()->isModified(), written);
            QCOMPARE(document()->fileName(), written ? path : m_opened);
        }
        QCOMPARE(contentsOf(path), written ? kFile : existed ? QByteArray("older\r\n") : QByteArray("(none)"));
        QCOMPARE(m_window->activeGroupWindow(), m_window->loadedGroupWindow(1)); // where the user was
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files).size(),
                 target.startsWith(QLatin1String("other")) ? 2 : 1);
    }

    void pointsAdjustments_data()
    {
        QTest::addColumn<int>("team"); // of the opened cup's group 1, whose Łódź has -3 points
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("button");    // "" for none
        QTest::addColumn<QString>("close");     // m_okButton, m_cancelButton or Enter (in the reason)
        QTest::addColumn<QString>("message");   // the refusal, "" when none
        QTest::addColumn<QStringList>("shown"); // the table's points before closing
        QTest::addColumn<PointsAdjustments>("kept");
        const PointsAdjustment lodz { 1, -3, "late kick-off" };
        const PointsAdjustment typed { 2, 2, "appeal, won" };
        const QString zero = QStringLiteral("An adjustment of 0 points is none: Remove takes one away.");
        const auto row = [](const char* name, int team, int points, const char* button, const char* close,
                            const QString& message, const QStringList& shown, const PointsAdjustments& kept) {
            QTest::newRow(name) << team << points << button << close << message << shown << kept;
        };
        row("added for Old Boys, kept by OK", 2, 2, "addButton", "okButton", "", { "-3", "2" }, { lodz, typed });
        row("changed for Łódź, dropped by Cancel", 1, -5, "changeButton", "cancelButton", "", { "-5" }, { lodz });
        row("removed from Łódź", 1, 0, "removeButton", "okButton", "", {}, {});
        row("a second one for Łódź, after the first", 1, -1, "addButton", "okButton", "", { "-3", "-1" },
            { lodz, { 1, -1, "appeal, won" } });
        row("none to change for Rovers", 3, 1, "changeButton", "cancelButton",
            "Rovers has no points adjustment to change or remove.", { "-3" }, { lodz });
        row("0 points refused", 2, 0, "addButton", "cancelButton", zero, { "-3" }, { lodz });
        row("typed, not added, kept by OK", 2, 2, "", "okButton", "", { "-3" }, { lodz, typed });
        row("typed, not added, kept by Enter", 2, 2, "", "Enter", "", { "-3" }, { lodz, typed });
        row("typed with 0 points: Enter refuses it and the dialog stays", 2, 0, "", "Enter", zero, { "-3" }, { lodz });
    }
    // The dialog acts on the active group window; what OK keeps marks the tournament unsaved, is saved with it and
    // comes back with it.
    void pointsAdjustments()
    {
        QFETCH(int, team);
        QFETCH(int, points);
        QFETCH(QString, button);
        QFETCH(QString, close);
        QFETCH(QString, message);
        QFETCH(QStringList, shown);
        QFETCH(PointsAdjustments, kept);
        openCup();
        document()->setAdjustments(1, { { 1, -3, "late kick-off" } });
        QVERIFY(document()->save(m_opened));
        m_window->activateGroupWindow(1);
        ScriptedPrompts prompts;
        if (!message.isEmpty())
            prompts.expect(message);
        ModalDialog<PointsAdjustmentsDialog> dialog([&](PointsAdjustmentsDialog* d) {
            for (QWidget* control : d->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                QVERIFY2(control->focusPolicy() == Qt::NoFocus || !control->accessibleName().isEmpty(),
                         qPrintable(control->objectName()));
            d->findChild<QComboBox*>("teamBox")->setCurrentIndex(team);
            d->findChild<QSpinBox*>("pointsField")->setValue(points);
            auto* reason = d->findChild<QLineEdit*>("reasonField");
            reason->setText("appeal, won");
            if (!button.isEmpty())
                d->findChild<QPushButton*>(button)->click();
            const auto* table = d->findChild<QTableWidget*>("adjustmentTable");
            QStringList points;
            for (int row = 0; row < table->rowCount(); ++row)
                points.append(table->item(row, 1)->text());
            QCOMPARE(points, shown);
            if (close == QLatin1String("Enter"))
                QTest::keyClick(reason, Qt::Key_Return);
            else
                d->findChild<QPushButton*>(close)->click();
            QCOMPARE(d->isVisible(), close == QLatin1String("Enter") && !message.isEmpty()); // a refused entry stays
            if (d->isVisible())
                d->reject();
        });
        m_window->editPointsAdjustments();
        QVERIFY(dialog.wasShown());
        QVERIFY(prompts.allAnswered());
        QCOMPARE(document()->group(1).adjustments(), kept);
        QCOMPARE(!document()->isModified(), kept.size() == 1); // unchanged
        m_window->save();
        prompts.expect(QStringLiteral("Open Tournament ... ")).answer(m_opened);
        m_window->open();
        QCOMPARE(document()->group(1).adjustments(), kept);
    }

    void open_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("unsaved");   // the answer to the unsaved question, "" when not asked
        QTest::addColumn<QString>("message");   // a refusal's text, %1 for the path
        QTest::addColumn<QString>("title");     // the caption afterwards
        QTest::addColumn<QString>("firstLine"); // group 1's first display line afterwards
        QTest::addColumn<bool>("atStart");      // named on the command line of a fresh start, not chosen in the dialog
        const QString cup = QStringLiteral("R:14-Mar-2000:HT:1-0:FT:2-2:Łódź, \"ŁKS\"-v-  Old  Boys ");
        // clang-format off
        const QString windows = QStringLiteral("F:07-Mar-2000:Atlético Madrid-v-Düsseldorf “Fortuna” €");
        const QString faulty = QStringLiteral("Line 2 of %1: the group count is 9; it must be 1 to 8.");
        QTest::newRow("dialog cancelled") << "" << "" << "" << kTitle << cup << false;
        QTest::newRow("No to the unsaved question") << kWindowsFile << "No" << "" << kTitle << cup << false;
        QTest::newRow("file does not exist") << "missing.trn" << "Yes" << "File Does Not Exist" << "Tabulon" << "" << false;
        QTest::newRow("faulty file") << "bad.trn" << "Yes" << faulty << "Tabulon" << "" << false;
        QTest::newRow("Windows edition, nothing open") << kWindowsFile << "" << "" << kWindowsTitle << windows << false;
        QTest::newRow("a line that cannot be read: shown as stored, named after the open") << "old.trn" << "Yes"
            << "1 record line could not be read. They are kept as they are and saved back unchanged, but league tables and reports leave them out:\rGroup 1, record line 1: \"R:14-Mar-2000:1:0:0:2:2:1:2\" (the line has too many fields)"
            << kTitle << "R:14-Mar-2000:1:0:0:2:2:1:2" << false;
        QTest::newRow("named at start: good file") << kWindowsFile << "" << "" << kWindowsTitle << windows << true;
        QTest::newRow("named at start: damaged file") << "bad.trn" << "" << faulty << "Tabulon" << "" << true;
        QTest::newRow("named at start: missing file") << "missing.trn" << "" << "File Does Not Exist" << "Tabulon" << "" << true;
        // clang-format on
    }
    void open()
    {
        QFETCH(QString, file);
        QFETCH(QString, unsaved);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, firstLine);
        QFETCH(bool, atStart);
        openCup();
        const QString path = file.isEmpty() ? file : QDir(m_folder->path()).filePath(file);
        QVERIFY(writeFile(m_folder->filePath(QStringLiteral("bad.trn")), "Tabulon - Cup\r\n 9 \r\n"));
        QVERIFY(writeFile(m_folder->filePath(QStringLiteral("old.trn")),
                          QByteArray(kFile).replace("R:14-Mar-2000:1:0:02:2:1:2", "R:14-Mar-2000:1:0:0:2:2:1:2")));
        if (file == kWindowsFile && unsaved.isEmpty())
            document()->reset(TournamentData()); // closed already
        ScriptedPrompts prompts;
        if (!atStart)
            prompts.expect(QStringLiteral("Open Tournament ... ")).answer(path);
        if (!unsaved.isEmpty())
            prompts.expect(QStringLiteral("Tournament not saved.  Are you sure you want to exit"))
                .answer(answerOf(unsaved));
        if (!message.isEmpty())
            prompts.expect(QString(message).replace(QStringLiteral("%1"), path));
        if (atStart) {
            document()->reset(TournamentData()); // a fresh start
            QCOMPARE(m_window->openTournamentFile(path), message.isEmpty());
        } else {
            m_window->open();
        }
        QVERIFY(prompts.allAnswered());
        QCOMPARE(shownCaption(), document()->isModified() ? title + u'*' : title);
        if (!unsaved.isEmpty()) // Yes would drop the unsaved changes, so Enter answers No
            QCOMPARE(prompts.calls().value(1).defaultAnswer, Prompts::Answer::No);
        const int windows = title == kTitle ? 2 : title == kWindowsTitle ? 1 : 0;
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), windows);
        // Ctrl+S works without the File menu ever having been opened.
        QCOMPARE(action("saveAsAction")->isEnabled(), windows > 0);
        QCOMPARE(action("saveAction")->isEnabled(), windows > 0 && document()->isModified());
        QCOMPARE(document()->isOpen(), windows > 0);
        QCOMPARE(!document()->isModified(), title != kTitle || file == QLatin1String("old.trn"));
        const GroupWindow* group = m_window->loadedGroupWindow(1);
        QCOMPARE(group ? group->displayLines().value(0) : QString(), firstLine);
    }

    // File > Import Results shows what each row does and imports the rows ticked, as one step to undo; a
    // repeat starts unticked and a conflict cannot be ticked. A refused file changes nothing and names the line
    // at fault.
    void importsResults_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<bool>("tick");      // the first row, by the keyboard
        QTest::addColumn<QString>("press");  // the preview's button, "" for Enter
        QTest::addColumn<QString>("counts"); // the preview's counts, "" when there is no preview
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("lines"); // group 1's lines afterwards
        const QByteArray repeatAndConflict = "date,home,away,home_ft,away_ft\n2000-03-14,Rovers,United,1,1\n"
                                             "2000-03-07,Rovers,United,3,0\n2000-03-21,United,Rovers,0,0\n";
        const QString counts = "1 to add, 0 to replace a fixture, 0 already entered, 1 to repeat a game played, 1 in "
                               "conflict; a row in conflict cannot be imported.";
        const QStringList played = { "R:07-Mar-2000:1:0:2:0:0:1" };
        // clang-format off
        QTest::newRow("imported") << QByteArray("date,home,away\n2000-03-14,United,Rovers\n") << false << ""
            << "1 to add, 0 to replace a fixture, 0 already entered, 0 to repeat a game played, 0 in conflict."
            << "Added 1 fixture to 1. Division 1." << played + QStringList { "F:14-Mar-2000:1:0" };
        QTest::newRow("the repeat left unticked") << repeatAndConflict << false << "" << counts
            << "Added 1 result to 1. Division 1; 2 rows were left out." << played + QStringList { "R:21-Mar-2000:::0:0:1:0" };
        QTest::newRow("the repeat ticked") << repeatAndConflict << true << "okButton" << counts
            << "Added 2 results to 1. Division 1; 1 row was left out." << played + QStringList { "R:14-Mar-2000:::1:1:0:1", "R:21-Mar-2000:::0:0:1:0" };
        QTest::newRow("cancelled") << repeatAndConflict << true << "cancelButton" << counts << "" << played;
        QTest::newRow("refused") << QByteArray("date,home,away\n2000-03-14,Rovers,Rovers\n") << false << "" << ""
            << "season.csv cannot be imported; nothing was added:\rLine 2, column away: A team cannot play itself." << played;
        // clang-format on
    }
    void importsResults()
    {
        QFETCH(QByteArray, csv);
        QFETCH(bool, tick);
        QFETCH(QString, press);
        QFETCH(QString, counts);
        QFETCH(QString, message);
        QFETCH(QStringList, lines);
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(QStringLiteral("season.csv")), csv));
        const QStringList played = { "R:07-Mar-2000:1:0:2:0:0:1" };
        openTournament(2, { "Rovers", "United" }, played);
        m_window->activateGroupWindow(1);
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Import Results ...")).answer(folder.filePath(QStringLiteral("season.csv")));
        if (!message.isEmpty())
            prompts.expect(message);
        ModalDialog<ImportPreviewDialog> preview([&](ImportPreviewDialog* d) {
            QCOMPARE(d->findChild<QLabel*>("countsLabel")->text(), counts);
            for (QWidget* control : d->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                QVERIFY2(control->focusPolicy() == Qt::NoFocus || !control->accessibleName().isEmpty(),
                         qPrintable(control->objectName()));
            auto* table = d->findChild<QTableWidget*>("rowTable");
            for (int row = 0; row < table->rowCount(); ++row) {
                const QString action = table->item(row, 6)->text();
                QCOMPARE(table->item(row, 0)->checkState(), action == "Add" ? Qt::Checked : Qt::Unchecked);
                QCOMPARE(bool(table->item(row, 0)->flags() & Qt::ItemIsUserCheckable), !action.startsWith("Conflict"));
            }
            if (tick) {
                QCOMPARE(table->item(1, 6)->text(),
                         "Conflict: Rovers v United on 07-Mar-2000 is already entered as "
                         "2-0, half-time 1-0; the file has 3-0 with no half-time score");
                table->setCurrentCell(0, 0);
                QTest::keyClick(table, Qt::Key_Space);
            }
            if (press.isEmpty())
                QTest::keyClick(table, Qt::Key_Return); // OK is the default button
            else
                d->findChild<QPushButton*>(press)->click();
        });
        action("importResultsAction")->trigger();
        QCOMPARE(preview.wasShown(), !counts.isEmpty());
        QVERIFY(prompts.allAnswered());
        QCOMPARE(document()->group(1).storedLines(), lines);
        QCOMPARE(document()->isModified(), lines != played);
        document()->history()->undo(); // one step
        QCOMPARE(document()->group(1).storedLines(), played);
    }

    // A season's file over its schedule with thirty results typed in on the schedule's dates: the games played on
    // other dates are repeats, left out, and every team has its 38 games.
    void importsSeasonOverTypedResults()
    {
        const QString csvPath = QStringLiteral(TABULON_TEST_DATA "/seasons/eng_premier_league_2011_12.csv");
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QList<ImportProblem> problems;
        const QStringList teams = teamNamesInCsv(csv.readAll(), &problems);
        QStringList lines = buildSchedule(shuffledTeamOrder(20, seededFractions(5)), 2, QDate(2011, 8, 13), 7, 0).lines;
        for (int i = 0; i < 30; ++i)
            lines[i * 12].replace(0, 1, "R").insert(kRecordDatePosition + kRecordDateLength, ":1:0:2:0");
        openTournament(2, teams, lines);
        m_window->activateGroupWindow(1);
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Import Results ...")).answer(csvPath);
        prompts.expect("Replaced 350 fixtures of 1. Division 1 with their results; 30 rows were left out.");
        ModalDialog<ImportPreviewDialog> preview([&](ImportPreviewDialog* d) {
            QCOMPARE(
                d->findChild<QLabel*>("countsLabel")->text(),
                "0 to add, 350 to replace a fixture, 0 already entered, 30 to repeat a game played, 0 in conflict.");
            d->findChild<QPushButton*>("okButton")->click();
        });
        action("importResultsAction")->trigger();
        QVERIFY(prompts.allAnswered());
        QMap<int, int> games;
        for (const QString& line : document()->group(1).storedLines()) {
            const std::optional<Record> record = readRecordLine(line);
            QVERIFY(record && record->isResult);
            ++games[record->home];
            ++games[record->away];
        }
        QCOMPARE(games.values(), QList<int>(20, 38));
    }

    // Publish Web Site and Export Calendar say on the status bar what they wrote. A folder not there yet is made;
    // the site shows the group's points adjustment as its results report does.
    void exportsSayWhatTheyWrote_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("target"); // within a fresh folder
        QTest::addColumn<QString>("status"); // %1: the target
        QTest::newRow("publish into a folder not there yet") << "publishWebSiteAction"
                                                             << "Publish Web Site ..."
                                                             << "new/site"
                                                             << "Published 9 pages to %1";
        QTest::newRow("calendar of the active group") << "exportCalendarAction"
                                                      << "Export Calendar ..."
                                                      << "cup.ics"
                                                      << "Exported 3 games to %1";
    }
    void exportsSayWhatTheyWrote()
    {
        QFETCH(QString, menu);
        QFETCH(QString, dialog);
        QFETCH(QString, target);
        QFETCH(QString, status);
        openCup();
        document()->setAdjustments(1, { { 1, -3, "late kick-off" } });
        m_window->activateGroupWindow(1);
        QTemporaryDir folder;
        const QString path = folder.filePath(target);
        // The folder is typed into the program's own folder dialog, which takes a name not there yet.
        const bool publish = menu == QLatin1String("publishWebSiteAction");
        ModalDialog<QFileDialog> folderDialog([&](QFileDialog* d) {
            QCOMPARE(d->windowTitle(), dialog);
            auto* name = d->findChild<QLineEdit*>("fileNameEdit");
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return); // a refusal's message box is closed by the guard
            if (d->isVisible())
                QMetaObject::invokeMethod(d, "reject");
        });
        std::optional<ScriptedPrompts> prompts;
        if (!publish) {
            prompts.emplace().expect(dialog).answer(path);
        }
        action(qPrintable(menu))->trigger();
        QCOMPARE(folderDialog.wasShown(), publish);
        QVERIFY(!prompts || prompts->allAnswered());
        QCOMPARE(m_window->statusBar()->currentMessage(), status.arg(QDir::toNativeSeparators(path)));
        if (publish)
            QVERIFY(contentsOf(path + "/group-1-results.htm").contains("late kick-off"));
    }

    // Delete in group 1, then Ctrl+Z while group 2 is in front: group 1 comes back to the front with the line
    // at its place, selected, and the caption's "*" goes, the tournament being as it was opened; Ctrl+Y
    // deletes the line again. The Edit menu names each step.
    void undoAndRedo()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_opened = m_folder->filePath(QStringLiteral("cup.trn"));
        QVERIFY(writeFile(m_opened, kFile));
        QVERIFY(m_window->openTournamentFile(m_opened));
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        GroupWindow* group = m_window->loadedGroupWindow(1);
        const QStringList lines = group->storedLines();
        QCOMPARE(shownCaption(), kTitle);
        QVERIFY(!action("undoAction")->isEnabled());
        group->selectResult(1);
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Are you sure you want to delete this item ?")).answer(Prompts::Answer::Yes);
        group->findChild<QPushButton*>(QStringLiteral("deleteButton"))->click();
        QCOMPARE(group->storedLines().size(), lines.size() - 1);
        QCOMPARE(shownCaption(), kTitle + u'*');
        QVERIFY(action("saveAction")->isEnabled());
        QCOMPARE(action("undoAction")->text(), QStringLiteral("&Undo Delete"));

        m_window->activateGroupWindow(2);
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(group->storedLines(), lines);
        QCOMPARE(m_window->activeGroupWindow(), group);
        QCOMPARE(group->selectedResult(), 1);
        QCOMPARE(shownCaption(), kTitle);
        QVERIFY(!action("saveAction")->isEnabled()); // as after a save
        QCOMPARE(action("redoAction")->text(), QStringLiteral("&Redo Delete"));
        QTest::keyClick(m_window.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(group->storedLines().size(), lines.size() - 1);
        QCOMPARE(shownCaption(), kTitle + u'*');
        QVERIFY(prompts.allAnswered());
    }

    // A file another Tabulon window holds opens read-only or not at all; Save goes to Save As, which cannot write
    // over the file either until the other window lets it go.
    void sharesAFileWithAnotherWindow_data()
    {
        QTest::addColumn<QString>("answer"); // to the read-only question
        QTest::newRow("read-only") << "Yes";
        QTest::newRow("not opened") << "No";
    }
    void sharesAFileWithAnotherWindow()
    {
        QFETCH(QString, answer);
        openCup();
        MainWindow second;
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("cup.trn is open in another Tabulon window. Open it read-only?"))
            .answer(answerOf(answer));
        QCOMPARE(second.openTournamentFile(m_opened), answer == QLatin1String("Yes"));
        QVERIFY(prompts.allAnswered());
        QCOMPARE(second.document()->isOpen(), second.isReadOnly());
        if (!second.isReadOnly())
            return;
        QCOMPARE(second.windowTitle(), kTitle + QStringLiteral("[*] (read-only)"));
        second.document()->renameTeam(1, 0, QStringLiteral("Leeds"));
        prompts.expect(QStringLiteral("Save Tournament ...")).answer(m_opened);
        prompts.expect(QStringLiteral("cup.trn is open in Tabulon; close it there first."));
        second.save();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(contentsOf(m_opened), kFile);
        document()->reset(TournamentData()); // closed in the first window
        prompts.expect(QStringLiteral("Save Tournament ...")).answer(m_opened);
        second.save();
        QVERIFY(prompts.allAnswered());
        QVERIFY(contentsOf(m_opened).contains("\r\nLeeds\r\n"));
        QVERIFY(!second.isReadOnly());
        QCOMPARE(second.windowTitle(), kTitle + QStringLiteral("[*]"));
    }

    // Save asks before it writes over a file another program changed since it was opened or saved; No keeps
    // that program's file, Save As writes elsewhere.
    void asksBeforeOverwritingAChangedFile_data()
    {
        QTest::addColumn<Prompts::Answer>("answer");
        QTest::newRow("No: the other program's file kept") << Prompts::Answer::No;
        QTest::newRow("Yes: overwritten") << Prompts::Answer::Yes;
        QTest::newRow("Save As another file") << Prompts::Answer::SaveAs;
    }
    void asksBeforeOverwritingAChangedFile()
    {
        QFETCH(Prompts::Answer, answer);
        openCup();
        const QString other = m_folder->filePath(QStringLiteral("other.trn"));
        document()->renameTeam(1, 0, QStringLiteral("Leeds"));
        QVERIFY(writeFile(m_opened, "changed\r\n"));
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("cup.trn was changed by another program since you opened it. Overwrite it?"))
            .answer(answer);
        if (answer == Prompts::Answer::SaveAs)
            prompts.expect(QStringLiteral("Save Tournament ...")).answer(other);
        action("saveAction")->trigger();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.calls().first().defaultAnswer, Prompts::Answer::No);
        QCOMPARE(contentsOf(m_opened).contains("\r\nLeeds\r\n"), answer == Prompts::Answer::Yes);
        QCOMPARE(contentsOf(m_opened) == "changed\r\n", answer != Prompts::Answer::Yes);
        QCOMPARE(contentsOf(other).contains("\r\nLeeds\r\n"), answer == Prompts::Answer::SaveAs);
        QCOMPARE(document()->isModified(), answer == Prompts::Answer::No);
        if (answer == Prompts::Answer::No)
            return;
        markUnsaved(); // what this window wrote itself is no change by another program
        action("saveAction")->trigger();
        QVERIFY(!document()->isModified());
    }

    // The unsaved question's Save saves, asking for a name the first time, and then goes on; cancelled, nothing
    // is discarded.
    void unsavedQuestionCanSave_data()
    {
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<QString>("name"); // typed in the Save dialog, "" for Cancel
        QTest::newRow("to its own file, then closed") << true << "";
        QTest::newRow("a new tournament named, then closed") << false << "new.trn";
        QTest::newRow("a new tournament, name cancelled: kept open") << false << "";
    }
    void unsavedQuestionCanSave()
    {
        QFETCH(bool, hasFile);
        QFETCH(QString, name);
        m_folder = std::make_unique<QTemporaryDir>();
        if (hasFile)
            openCup();
        else
            document()->reset(*parseTournament(kFile).data); // never saved
        document()->renameTeam(1, 0, QStringLiteral("Leeds"));
        const QString saved = hasFile ? m_opened : m_folder->filePath(name);
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Tournament not saved.  Are you sure you want to exit"))
            .answer(Prompts::Answer::Save);
        if (!hasFile)
            prompts.expect(QStringLiteral("Save Tournament ...")).answer(name.isEmpty() ? name : saved);
        const bool closes = hasFile || !name.isEmpty();
        QCOMPARE(m_window->closeTournament(), closes);
        QVERIFY(prompts.allAnswered());
        QCOMPARE(document()->isOpen(), !closes);
        QCOMPARE(document()->isModified(), !closes);
        QCOMPARE(contentsOf(saved).contains("\r\nLeeds\r\n"), closes);
    }

    // With no tournament open the window says what to do first: New, Open and the recent files, each named for a
    // screen reader; it makes way while a tournament is open.
    void showsWhatToDoFirst()
    {
        auto* panel = m_window->findChild<QWidget*>(QStringLiteral("startPanel"));
        QVERIFY(panel->isVisible());
        QVERIFY(!m_window->mdiArea()->isVisible());
        openCup();
        QVERIFY(!panel->isVisible());
        QVERIFY(m_window->mdiArea()->isVisible());
        document()->reset(TournamentData());
        QVERIFY(panel->isVisible());
        const QList<QPushButton*> buttons = panel->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 3); // New, Open, cup.trn
        for (const QPushButton* button : buttons)
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->text()));
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Open Tournament ... ")).answer(QString());
        panel->findChild<QPushButton*>(QStringLiteral("startOpenButton"))->click();
        QVERIFY(prompts.allAnswered());
        auto* recent = panel->findChild<QPushButton*>(QStringLiteral("startRecentButton1"));
        QVERIFY(recent->text().endsWith(QStringLiteral("cup.trn")));
        recent->click();
        QCOMPARE(document()->fileName(), QFileInfo(m_opened).absoluteFilePath());
        QVERIFY(!panel->isVisible());
    }

    // Files opened or saved are listed newest first, five at most. One that has gone since is taken off
    // the list with a message, after the unsaved question.
    void listsRecentFiles()
    {
        openCup();
        QVERIFY(document()->save(m_opened));
        QStringList opened;
        for (const char* name : { "a.trn", "b.trn", "c.trn", "d.trn", "e.trn" }) {
            opened.prepend(m_folder->filePath(QLatin1String(name)));
            QVERIFY(writeFile(opened.first(), kFile));
            QVERIFY(m_window->openTournamentFile(opened.first()));
        }
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Save Tournament ...")).answer(m_folder->filePath(QStringLiteral("saved.trn")));
        m_window->saveAs();
        QVERIFY(m_window->openTournamentFile(opened[2])); // c.trn comes first again
        const auto listed = [this] {
            QMenu* file = m_window->findChild<QMenu*>("fileMenu");
            emit file->aboutToShow();
            QStringList captions;
            for (const QAction* item : file->actions())
                if (item->objectName().startsWith(u"recentFileAction") && item->isVisible())
                    captions << item->text();
            return captions;
        };
        const auto numbered = [this](const QStringList& names) {
            QStringList captions;
            for (int n = 1; n <= names.size(); ++n)
                captions << QStringLiteral("&%1 %2").arg(n).arg(m_folder->filePath(names[n - 1]));
            return captions;
        };
        QCOMPARE(listed(), numbered({ "c.trn", "saved.trn", "e.trn", "d.trn", "b.trn" }));

        QVERIFY(QFile::remove(opened[0]));
        markUnsaved();
        prompts.expect(QStringLiteral("Tournament not saved.  Are you sure you want to exit"))
            .answer(Prompts::Answer::Yes);
        prompts.expect(opened[0]
                       + QStringLiteral(" no longer exists, so it has been taken off the list of recent tournaments."));
        action("recentFileAction3")->trigger();
        QVERIFY(prompts.allAnswered());
        QVERIFY(!document()->isOpen());
        QCOMPARE(listed(), numbered({ "c.trn", "saved.trn", "d.trn", "b.trn" }));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
