#include "ModalDialog.h"
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "app/frmMain.h"
#include "group/RecordLines.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"
#include "setup/TournamentSetup.h"
#include "setup/frmTournamentDetails.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <optional>

namespace {

const QString kCancelQuestion = QStringLiteral("Are you sure you want to cancel this tournament");

struct MainWindow
{
    TemporarySettings settings;
    frmMain window;
    MainWindow() { window.show(); }
    void trigger(const QString& action) { window.findChild<QAction*>(action)->trigger(); }

    // GroupCount, IsOpen, Saved, the group windows loaded, shown and inside the main window, caption.
    QString state() const
    {
        int loaded = 0, shown = 0;
        for (int slot = 1; slot <= 8; ++slot) {
            const frmGroup* group = window.loadedGroupWindow(slot);
            loaded += group != nullptr;
            shown += group && group->isVisible();
        }
        QString text;
        for (int value : { int(Tournament.GroupCount), int(Tournament.IsOpen.value()), int(Tournament.Saved.value()),
                           loaded, shown, int(window.mdiArea()->subWindowList().size()) })
            text += QString::number(value) + u' ';
        return text + window.windowTitle();
    }
};

// Once a prompt was unexpected every question is answered Yes, which ends team entry instead of
// asking for ever.
class TeamPrompts : public ScriptedPrompts
{
public:
    Prompts::Answer message(const Prompts::MessageRequest& request) override
    {
        const Prompts::Answer answer = ScriptedPrompts::message(request);
        return unexpected().isEmpty() || request.buttons != Prompts::Buttons::YesNo ? answer : Prompts::Answer::Yes;
    }
};

// Fills in the details dialog for `groups` groups of two teams and presses OK; `prompts` answers
// its summary with Yes.
std::function<void(frmTournamentDetails*)> acceptDetails(ScriptedPrompts& prompts, int groups, int indicator = 0,
                                                         const QString& title = QStringLiteral("Division"))
{
    prompts.expect(checkSettingsText("Spring Cup", "Leeds", groups, QList<qint16>(groups, 2), defaultRuleOrder()))
        .answer(Prompts::Answer::Yes);
    return [=](frmTournamentDetails* d) {
        d->findChild<QLineEdit*>("txtTournamentName")->setText(QStringLiteral("Spring Cup"));
        d->findChild<QLineEdit*>("txtLocation")->setText(QStringLiteral("Leeds"));
        d->findChild<QRadioButton*>(QStringLiteral("optGroups%1").arg(groups))->click();
        d->findChild<QComboBox*>("cmbIndicator")->setCurrentIndex(indicator);
        d->findChild<QComboBox*>("cmbGroupTitle")->setCurrentText(title);
        d->findChild<QPushButton*>("cmdOK")->click();
    };
}

} // namespace

class TestNewTournament : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetProgramState(); }

    // Eight groups captioned by indicator. Group 1's answers try the rules of team entry: an empty
    // name and No ask the same number again, a name holding the display separator is refused and
    // asked again, blanks, commas and duplicates are kept; a lone "v" or "-V-" is a name.
    void newTournament_data()
    {
        QTest::addColumn<int>("indicator");
        QTest::addColumn<QString>("groupTitle");
        QTest::addColumn<QString>("labels");
        QTest::newRow("letters") << 0 << QStringLiteral("Division") << "A B C D E F G H";
        QTest::newRow("numbers") << 1 << QStringLiteral("Pool") << "1 2 3 4 5 6 7 8";
        QTest::newRow("premier") << 2 << QStringLiteral("Group") << "Premier 1 2 3 4 5 6 7";
    }
    void newTournament()
    {
        QFETCH(int, indicator);
        QFETCH(QString, groupTitle);
        QFETCH(QString, labels);
        MainWindow main;
        TeamPrompts prompts;
        ModalDialog<frmTournamentDetails> details(acceptDetails(prompts, 8, indicator, groupTitle));
        prompts.expect("Enter Team 1").answer(QString());
        prompts.expect(kCancelQuestion).answer(Prompts::Answer::No);
        prompts.expect("Enter Team 1").answer("A-v-B");
        prompts.expect(teamNameProblem("-v-"));
        prompts.expect("Enter Team 1").answer(" Smith,  J. ");
        prompts.expect("Enter Team 2").answer(" Smith,  J. ");
        QStringList addTeamsTitles;
        for (int n = 1; n <= 8; ++n) {
            addTeamsTitles.append(
                QStringLiteral("Add Teams to %1. %2 %3").arg(n).arg(groupTitle, labels.section(u' ', n - 1, n - 1)));
            if (n > 1) {
                prompts.expect("Enter Team 1").answer(QStringLiteral("T%1 - v - 1").arg(n));
                prompts.expect("Enter Team 2").answer(QStringLiteral("x-V-%1").arg(n));
            }
        }
        main.trigger("mnuNew");
        QVERIFY(prompts.allAnswered());
        QCOMPARE(main.state(), QStringLiteral("8 -1 0 8 8 8 Tabulon - Spring Cup at Leeds"));
        const QList<ScriptedPrompts::Call> calls = prompts.calls();
        QCOMPARE(calls[2].title, QStringLiteral("Cancel Tournament"));
        QCOMPARE(calls[2].icon, Prompts::Icon::Question);
        QCOMPARE(calls[4].title, QStringLiteral("ERROR"));
        QCOMPARE(calls[4].icon, Prompts::Icon::Exclamation);
        QStringList titles;
        for (const ScriptedPrompts::Call& call : calls) {
            if (call.kind == ScriptedPrompts::Kind::Input && !titles.contains(call.title))
                titles.append(call.title + call.defaultText);
        }
        QCOMPARE(titles, addTeamsTitles);
        QCOMPARE(main.window.loadedGroupWindow(1)->teams(), (QStringList { " Smith,  J. ", " Smith,  J. " }));
        for (int n = 1; n <= 8; ++n) {
            const frmGroup* group = main.window.loadedGroupWindow(n);
            QCOMPARE(QStringLiteral("Add Teams to ") + group->windowTitle(), addTeamsTitles[n - 1]);
            QCOMPARE(main.window.mdiArea()->subWindowList()[n - 1]->windowTitle(), group->windowTitle());
            QCOMPARE(group->tag(), QString::number(n));
            if (n > 1)
                QCOMPARE(group->teams(),
                         (QStringList { QStringLiteral("T%1 - v - 1").arg(n), QStringLiteral("x-V-%1").arg(n) }));
            QCOMPARE(group->storedLines(), QStringList());
        }
    }

    // Cancelling while group 2's teams are asked unloads groups 1 and 2 (group 3 was never made)
    // and keeps the new settings and caption; Save is disabled, the window list empty, and the
    // tournament closes as usual.
    void cancelledTeamEntry_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer"); // to the unsaved question; "" = saved, so not asked
        QTest::addColumn<QString>("state");
        const QString closed = QStringLiteral("0 0 -1 0 0 0 Tabulon");
        const QString kept = QStringLiteral("3 -1 0 0 0 0 Tabulon - Spring Cup at Leeds");
        QTest::newRow("Close after Yes") << "mnuClose" << QStringLiteral("Yes") << closed;
        QTest::newRow("New after Yes, details cancelled") << "mnuNew" << QStringLiteral("Yes") << closed;
        QTest::newRow("New when saved asks nothing") << "mnuNew" << QString() << closed;
        QTest::newRow("New, No keeps the tournament") << "mnuNew" << QStringLiteral("No") << kept;
        QTest::newRow("Exit after Yes") << "mnuExit" << QStringLiteral("Yes") << kept;
    }
    void cancelledTeamEntry()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QString, state);
        MainWindow main;
        TeamPrompts prompts;
        ModalDialog<frmTournamentDetails> details(acceptDetails(prompts, 3));
        const QStringList names = { "Rovers", "United", "City", "" };
        for (int i = 0; i < names.size(); ++i)
            prompts.expect(QStringLiteral("Enter Team %1").arg(i % 2 + 1)).answer(names[i]);
        prompts.expect(kCancelQuestion).answer(Prompts::Answer::Yes);
        main.trigger("mnuNew");
        QVERIFY(prompts.allAnswered());
        QCOMPARE(main.state(), QStringLiteral("3 -1 0 0 0 0 Tabulon - Spring Cup at Leeds"));
        emit main.window.findChild<QMenu*>("mnuFile")->aboutToShow();
        QVERIFY(!main.window.findChild<QAction*>("mnuSave")->isEnabled());
        auto* windowList = main.window.findChild<QMenu*>("mnuWindows");
        emit windowList->aboutToShow();
        QCOMPARE(windowList->actions().size(), 0);

        Tournament.Saved = answer.isEmpty();
        if (!answer.isEmpty())
            prompts.expect("Tournament not saved.  Are you sure you want to exit")
                .answer(answer == "Yes" ? Prompts::Answer::Yes : Prompts::Answer::No);
        std::optional<ModalDialog<frmTournamentDetails>> again; // a wrong dialog is closed by the first one's guard
        if (command == QLatin1String("mnuNew") && answer != QLatin1String("No"))
            again.emplace([](frmTournamentDetails* d) { d->findChild<QPushButton*>("cmdCancel")->click(); });
        main.trigger(command);
        QVERIFY(prompts.allAnswered());
        QVERIFY(!again || again->wasShown());
        QCOMPARE(main.window.isVisible(), command != QLatin1String("mnuExit"));
        QCOMPARE(main.state(), state);
    }
};

QTEST_MAIN(TestNewTournament)
#include "tst_newtournament.moc"
