#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "app/frmMain.h"
#include "group/RecordLines.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"
#include "setup/TournamentSetup.h"
#include "setup/frmTournamentDetails.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

const QString kUnsaved = QStringLiteral("Tournament not saved.  Are you sure you want to exit");
const QString kCancelQuestion = QStringLiteral("Are you sure you want to cancel this tournament");
const QString kTitle = QStringLiteral("Tabulon - Spring Cup at Leeds");

// Scripted prompts that cannot loop for ever: once a few prompts were unexpected, a question is
// answered Yes, which ends team entry, so a failing test ends instead of hanging.
class BoundedPrompts : public ScriptedPrompts
{
public:
    Prompts::Answer message(const Prompts::MessageRequest& request) override
    {
        const Prompts::Answer answer = ScriptedPrompts::message(request);
        if (unexpected().size() >= 3 && request.buttons == Prompts::Buttons::YesNo)
            return Prompts::Answer::Yes;
        return answer;
    }
    QString input(const Prompts::InputRequest& request) override
    {
        if (onInput)
            onInput(request);
        return ScriptedPrompts::input(request);
    }

    std::function<void(const Prompts::InputRequest&)> onInput;
};

// Rejects whatever modal dialog is still open after a few seconds, so that a failing test
// cannot leave the details dialog waiting for ever.
class ModalGuard
{
public:
    ModalGuard()
    {
        m_timer.setInterval(5000);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

struct Details
{
    int groups = 1;
    QString teams = QStringLiteral("2");
    int indicator = 0;
    QString groupTitle = QStringLiteral("Division");
};

// Queues `steps` to run on the details dialog as soon as it is shown modally; `shown` tells
// whether it was.
void whenDetailsShown(std::function<void(frmTournamentDetails*)> steps, bool* shown)
{
    *shown = false;
    QTimer::singleShot(0, [steps, shown] {
        auto* details = qobject_cast<frmTournamentDetails*>(QApplication::activeModalWidget());
        *shown = details != nullptr;
        if (details)
            steps(details);
    });
}

void acceptDetails(frmTournamentDetails* dialog, const Details& details)
{
    dialog->findChild<QLineEdit*>("txtTournamentName")->setText(QStringLiteral("Spring Cup"));
    dialog->findChild<QLineEdit*>("txtLocation")->setText(QStringLiteral("Leeds"));
    dialog->findChild<QRadioButton*>(QStringLiteral("optGroups%1").arg(details.groups))->click();
    for (int n = 1; n <= details.groups; ++n)
        dialog->findChild<QLineEdit*>(QStringLiteral("txtNoOfTeams%1").arg(n))->setText(details.teams);
    dialog->findChild<QComboBox*>("cmbIndicator")->setCurrentIndex(details.indicator);
    auto* title = dialog->findChild<QComboBox*>("cmbGroupTitle");
    title->setCurrentIndex(title->findText(details.groupTitle));
    dialog->findChild<QPushButton*>("cmdOK")->click();
}

void cancelDetails(frmTournamentDetails* dialog)
{
    dialog->findChild<QPushButton*>("cmdCancel")->click();
}

// The summary question answered Yes for a tournament of `details`.
void expectAccepted(ScriptedPrompts& prompts, const Details& details)
{
    const qint16 count = *readNumberField(details.teams);
    prompts
        .expect(checkSettingsText("Spring Cup", "Leeds", details.groups, QList<qint16>(details.groups, count),
                                  defaultRuleOrder()))
        .answer(Prompts::Answer::Yes);
}

void triggerNew(frmMain& window)
{
    window.findChild<QAction*>("mnuNew")->trigger();
}

int loadedWindows(const frmMain& window)
{
    int count = 0;
    for (int slot = 1; slot <= 8; ++slot)
        count += window.loadedGroupWindow(slot) ? 1 : 0;
    return count;
}

// An open tournament of `groups` windows, as an earlier New or Open left it.
void openOldTournament(frmMain& window, int groups, bool saved)
{
    Tournament.GroupCount = groups;
    Tournament.IsOpen = true;
    Tournament.Saved = saved;
    window.setWindowTitle(QStringLiteral("Tabulon - Old Cup at York"));
    for (int slot = 1; slot <= groups; ++slot) {
        window.groupWindow(slot)->setWindowTitle(QStringLiteral("%1. Old %1").arg(slot));
        window.groupWindow(slot)->setTeams({ QStringLiteral("Old A"), QStringLiteral("Old B") });
        window.showGroupWindow(slot);
    }
}

} // namespace

class TestNewTournament : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetProgramState(); }

    void noQuestionWithoutATournament()
    {
        TemporarySettings settings;
        frmMain window;
        window.show();
        BoundedPrompts prompts;
        ModalGuard guard;
        bool shown = false;
        whenDetailsShown(cancelDetails, &shown);
        triggerNew(window);
        QVERIFY(shown);
        QCOMPARE(prompts.calls().size(), 0);
        QCOMPARE(int(Tournament.GroupCount), 0);
        QCOMPARE(loadedWindows(window), 0);
        QCOMPARE(window.windowTitle(), QStringLiteral("Tabulon"));
    }

    void noToTheCloseQuestionKeepsTheOldTournament()
    {
        TemporarySettings settings;
        frmMain window;
        window.show();
        openOldTournament(window, 2, false);
        BoundedPrompts prompts;
        prompts.expect(kUnsaved).answer(Prompts::Answer::No);
        ModalGuard guard;
        bool shown = false;
        whenDetailsShown(cancelDetails, &shown);
        triggerNew(window);
        QTest::qWait(0);
        QVERIFY(!shown);
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().title, QStringLiteral("Close Tournament"));
        QCOMPARE(int(Tournament.GroupCount), 2);
        QVERIFY(Tournament.IsOpen);
        QVERIFY(!Tournament.Saved);
        QCOMPARE(window.windowTitle(), QStringLiteral("Tabulon - Old Cup at York"));
        QCOMPARE(loadedWindows(window), 2);
        QCOMPARE(window.loadedGroupWindow(2)->teams(), (QStringList { "Old A", "Old B" }));
    }

    void cancelledDetailsLeaveNoTournament_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::newRow("saved tournament closed without a question") << true;
        QTest::newRow("unsaved tournament closed after Yes") << false;
    }
    void cancelledDetailsLeaveNoTournament()
    {
        QFETCH(bool, saved);
        TemporarySettings settings;
        frmMain window;
        window.show();
        openOldTournament(window, 3, saved);
        BoundedPrompts prompts;
        if (!saved)
            prompts.expect(kUnsaved).answer(Prompts::Answer::Yes);
        ModalGuard guard;
        bool shown = false;
        whenDetailsShown(cancelDetails, &shown);
        triggerNew(window);
        QVERIFY(shown);
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.calls().size(), saved ? 0 : 1);
        QCOMPARE(int(Tournament.GroupCount), 0);
        QVERIFY(!Tournament.IsOpen);
        QVERIFY(Tournament.Saved);
        QCOMPARE(window.windowTitle(), QStringLiteral("Tabulon"));
        QCOMPARE(loadedWindows(window), 0);
        QCOMPARE(window.mdiArea()->subWindowList().size(), 0);
    }

    void windowsAreCaptionedByIndicator_data()
    {
        QTest::addColumn<int>("indicator");
        QTest::addColumn<QString>("groupTitle");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("letters") << 0 << "Division"
                                 << QStringList { "1. Division A", "2. Division B", "3. Division C" };
        QTest::newRow("numbers") << 1 << "Pool" << QStringList { "1. Pool 1", "2. Pool 2", "3. Pool 3" };
        QTest::newRow("premier") << 2 << "Group" << QStringList { "1. Group Premier", "2. Group 1", "3. Group 2" };
    }
    void windowsAreCaptionedByIndicator()
    {
        QFETCH(int, indicator);
        QFETCH(QString, groupTitle);
        QFETCH(QStringList, captions);
        TemporarySettings settings;
        frmMain window;
        window.show();
        Details details;
        details.groups = 3;
        details.indicator = indicator;
        details.groupTitle = groupTitle;

        BoundedPrompts prompts;
        expectAccepted(prompts, details);
        for (int n = 1; n <= 3; ++n) {
            prompts.expect(QStringLiteral("Enter Team 1")).answer(QStringLiteral("Team %1a").arg(n));
            prompts.expect(QStringLiteral("Enter Team 2")).answer(QStringLiteral("Team %1b").arg(n));
        }
        ModalGuard guard;
        bool shown = false;
        whenDetailsShown([details](frmTournamentDetails* d) { acceptDetails(d, details); }, &shown);
        triggerNew(window);
        QVERIFY(shown);
        QVERIFY(prompts.allAnswered());

        // Each group's prompts carry its window's caption, with an empty default.
        const QList<ScriptedPrompts::Call> calls = prompts.calls().mid(1);
        QCOMPARE(calls.size(), 6);
        for (int i = 0; i < calls.size(); ++i) {
            QCOMPARE(calls[i].kind, ScriptedPrompts::Kind::Input);
            QCOMPARE(calls[i].title, QStringLiteral("Add Teams to ") + captions[i / 2]);
            QCOMPARE(calls[i].defaultText, QString());
        }

        for (int n = 1; n <= 3; ++n) {
            frmGroup* group = window.loadedGroupWindow(n);
            QVERIFY(group);
            QCOMPARE(group->windowTitle(), captions[n - 1]);
            QCOMPARE(group->tag(), QString::number(n));
            QCOMPARE(group->teams(),
                     (QStringList { QStringLiteral("Team %1a").arg(n), QStringLiteral("Team %1b").arg(n) }));
            QVERIFY(group->isVisible());
            QCOMPARE(group->storedLines(), QStringList());
        }
        QCOMPARE(loadedWindows(window), 3);
        QStringList subWindowTitles;
        for (QMdiSubWindow* sub : window.mdiArea()->subWindowList())
            subWindowTitles.append(sub->windowTitle());
        QCOMPARE(subWindowTitles, captions);

        QCOMPARE(window.windowTitle(), kTitle);
        QCOMPARE(int(Tournament.GroupCount), 3);
        QVERIFY(Tournament.IsOpen);
        QVERIFY(!Tournament.Saved);
        QCOMPARE(Tournament.FileName, QString());
    }

    void teamEntryPrompts_data()
    {
        QTest::addColumn<QStringList>("answers"); // "?" stands for an answer the step before asks about
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QStringList>("teams");
        QTest::newRow("empty name and No asks the same number again")
            << QStringList { "", "No", "Rovers", "United" }
            << QStringList { "Enter Team 1", kCancelQuestion, "Enter Team 1", "Enter Team 2" }
            << QStringList { "Rovers", "United" };
        QTest::newRow("empty second name and No twice")
            << QStringList { "Rovers", "", "No", "", "No", "United" }
            << QStringList { "Enter Team 1", "Enter Team 2",  kCancelQuestion,
                             "Enter Team 2", kCancelQuestion, "Enter Team 2" }
            << QStringList { "Rovers", "United" };
        QTest::newRow("names kept as typed")
            << QStringList { " Smith, J. ", "A  B,,C" } << QStringList { "Enter Team 1", "Enter Team 2" }
            << QStringList { " Smith, J. ", "A  B,,C" };
        QTest::newRow("duplicates kept") << QStringList { "Rovers", "Rovers" }
                                         << QStringList { "Enter Team 1", "Enter Team 2" }
                                         << QStringList { "Rovers", "Rovers" };
        QTest::newRow("the display separator is refused and asked again")
            << QStringList { "Rovers-v-United", "OK", "Rovers", "United" }
            << QStringList { "Enter Team 1", teamNameProblem("-v-"), "Enter Team 1", "Enter Team 2" }
            << QStringList { "Rovers", "United" };
        QTest::newRow("a lone v with blanks is a name")
            << QStringList { "Rovers - v - United", "x-V-y" } << QStringList { "Enter Team 1", "Enter Team 2" }
            << QStringList { "Rovers - v - United", "x-V-y" };
    }
    void teamEntryPrompts()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, prompts);
        QFETCH(QStringList, teams);
        TemporarySettings settings;
        frmMain window;
        window.show();
        Details details;

        BoundedPrompts scripted;
        expectAccepted(scripted, details);
        for (int i = 0; i < prompts.size(); ++i) {
            if (answers[i] == QLatin1String("No"))
                scripted.expect(prompts[i]).answer(Prompts::Answer::No);
            else if (answers[i] == QLatin1String("OK"))
                scripted.expect(prompts[i]);
            else
                scripted.expect(prompts[i]).answer(answers[i]);
        }
        ModalGuard guard;
        bool shown = false;
        whenDetailsShown([details](frmTournamentDetails* d) { acceptDetails(d, details); }, &shown);
        triggerNew(window);
        QVERIFY(scripted.allAnswered());
        QCOMPARE(scripted.calls().size(), prompts.size() + 1);

        for (const ScriptedPrompts::Call& call : scripted.calls().mid(1)) {
            if (call.text == kCancelQuestion) {
                QCOMPARE(call.title, QStringLiteral("Cancel Tournament"));
                QCOMPARE(call.icon, Prompts::Icon::Question);
                QCOMPARE(call.buttons, Prompts::Buttons::YesNo);
            } else if (call.kind == ScriptedPrompts::Kind::Message) {
                QCOMPARE(call.title, QStringLiteral("ERROR"));
                QCOMPARE(call.icon, Prompts::Icon::Exclamation);
                QCOMPARE(call.buttons, Prompts::Buttons::Ok);
            }
        }
        QVERIFY(window.loadedGroupWindow(1));
        QCOMPARE(window.loadedGroupWindow(1)->teams(), teams);
    }

    void cancelDuringTheSecondGroupClosesEveryWindow()
    {
        TemporarySettings settings;
        frmMain window;
        window.show();
        Details details;
        details.groups = 3;

        BoundedPrompts prompts;
        expectAccepted(prompts, details);
        prompts.expect(QStringLiteral("Enter Team 1")).answer(QStringLiteral("Rovers"));
        prompts.expect(QStringLiteral("Enter Team 2")).answer(QStringLiteral("United"));
        prompts.expect(QStringLiteral("Enter Team 1")).answer(QStringLiteral("City"));
        prompts.expect(QStringLiteral("Enter Team 2")).answer(QString());
        prompts.expect(kCancelQuestion).answer(Prompts::Answer::Yes);
        ModalGuard guard;
        bool shown = false;
        whenDetailsShown([details](frmTournamentDetails* d) { acceptDetails(d, details); }, &shown);
        triggerNew(window);
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.calls().at(3).title, QStringLiteral("Add Teams to 2. Division B"));

        QCOMPARE(loadedWindows(window), 0);
        QCOMPARE(window.mdiArea()->subWindowList().size(), 0);
        QCOMPARE(window.activeGroupWindow(), nullptr);
        // The settings, the caption and the flags stay as the details dialog left them.
        QCOMPARE(int(Tournament.GroupCount), 3);
        QVERIFY(Tournament.IsOpen);
        QVERIFY(!Tournament.Saved);
        QCOMPARE(window.windowTitle(), kTitle);
    }

    void eachWindowIsMadeJustBeforeItsTeamsAreAsked()
    {
        TemporarySettings settings;
        frmMain window;
        window.show();
        Details details;
        details.groups = 3;

        BoundedPrompts prompts;
        QStringList seen; // at every prompt: the windows that exist, and whether the newest is shown
        prompts.onInput = [&](const Prompts::InputRequest&) {
            const int count = loadedWindows(window);
            frmGroup* newest = window.loadedGroupWindow(count);
            seen.append(QStringLiteral("%1 %2").arg(count).arg(newest && newest->isVisible() ? "shown" : "hidden"));
        };
        expectAccepted(prompts, details);
        for (int n = 1; n <= 3; ++n) {
            prompts.expect(QStringLiteral("Enter Team 1")).answer(QStringLiteral("A"));
            prompts.expect(QStringLiteral("Enter Team 2")).answer(QStringLiteral("B"));
        }
        ModalGuard guard;
        bool shown = false;
        whenDetailsShown([details](frmTournamentDetails* d) { acceptDetails(d, details); }, &shown);
        triggerNew(window);
        QVERIFY(prompts.allAnswered());
        QCOMPARE(seen, (QStringList { "1 shown", "1 shown", "2 shown", "2 shown", "3 shown", "3 shown" }));
    }

    // The state a cancelled team entry leaves: settings and caption of the new tournament, no window.
    void cancelledTeamEntryState_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Close") << "mnuClose";
        QTest::newRow("New") << "mnuNew";
        QTest::newRow("Exit") << "mnuExit";
    }
    void cancelledTeamEntryState()
    {
        QFETCH(QString, command);
        TemporarySettings settings;
        frmMain window;
        window.show();
        Details details;
        details.groups = 4;

        BoundedPrompts prompts;
        expectAccepted(prompts, details);
        prompts.expect(QStringLiteral("Enter Team 1")).answer(QString());
        prompts.expect(kCancelQuestion).answer(Prompts::Answer::Yes);
        ModalGuard guard;
        bool shown = false;
        whenDetailsShown([details](frmTournamentDetails* d) { acceptDetails(d, details); }, &shown);
        triggerNew(window);
        QVERIFY(prompts.allAnswered());
        QCOMPARE(int(Tournament.GroupCount), 4);
        QCOMPARE(loadedWindows(window), 0);

        // Save stays disabled and the window list is empty.
        auto* fileMenu = window.findChild<QMenu*>("mnuFile");
        emit fileMenu->aboutToShow();
        QVERIFY(!window.findChild<QAction*>("mnuSave")->isEnabled());
        auto* windowList = window.findChild<QMenu*>("mnuWindows");
        emit windowList->aboutToShow();
        QCOMPARE(windowList->actions().size(), 0);

        prompts.expect(kUnsaved).answer(Prompts::Answer::Yes);
        if (command == QLatin1String("mnuNew"))
            whenDetailsShown(cancelDetails, &shown);
        window.findChild<QAction*>(command)->trigger();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(loadedWindows(window), 0);
        if (command == QLatin1String("mnuExit")) {
            QVERIFY(!window.isVisible());
            return;
        }
        QVERIFY(shown || command != QLatin1String("mnuNew"));
        QCOMPARE(int(Tournament.GroupCount), 0);
        QVERIFY(!Tournament.IsOpen);
        QVERIFY(Tournament.Saved);
        QCOMPARE(window.windowTitle(), QStringLiteral("Tabulon"));
    }
};

QTEST_MAIN(TestNewTournament)
#include "tst_newtournament.moc"
