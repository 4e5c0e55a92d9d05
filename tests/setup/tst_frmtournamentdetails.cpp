#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "model/Tournament.h"
#include "setup/TournamentSetup.h"
#include "setup/frmTournamentDetails.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

const QString kError = QStringLiteral("ERROR");
const QString kNameMissing = QStringLiteral("Must Enter Name of Tournament");
const QString kLocationMissing = QStringLiteral("Must Enter Tournament Location");
const QString kNoRules = QStringLiteral("Must Specify at least 1 Rule");
const QString kTooFewTeams = QStringLiteral("Must have at least 2 teams in group");
const QString kPreviousCaption = QStringLiteral("Tabulon");

template <typename T>
T* control(QWidget* dialog, const QString& name)
{
    T* found = dialog->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QLineEdit* field(QWidget* dialog, const QString& name)
{
    return control<QLineEdit>(dialog, name);
}

QLineEdit* teamsField(QWidget* dialog, int group)
{
    return field(dialog, QStringLiteral("txtNoOfTeams%1").arg(group));
}

QPushButton* button(QWidget* dialog, const char* name)
{
    return control<QPushButton>(dialog, QLatin1String(name));
}

QListWidget* list(QWidget* dialog, const char* name)
{
    return control<QListWidget>(dialog, QLatin1String(name));
}

QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

int selectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

QStringList comboItems(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

void chooseGroups(QWidget* dialog, int groups)
{
    control<QRadioButton>(dialog, QStringLiteral("optGroups%1").arg(groups))->click();
}

// Picks an entry of the group title list the way the user does, which reports the choice.
void chooseGroupTitle(QWidget* dialog, const QString& title)
{
    auto* combo = control<QComboBox>(dialog, QStringLiteral("cmbGroupTitle"));
    const int index = combo->findText(title);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void fillNameAndLocation(QWidget* dialog, const QString& name = QStringLiteral("Spring Cup"),
                         const QString& location = QStringLiteral("Leeds"))
{
    field(dialog, QStringLiteral("txtTournamentName"))->setText(name);
    field(dialog, QStringLiteral("txtLocation"))->setText(location);
}

// Values no dialog would store, so that a test sees which fields a refused OK has written.
void markTournament()
{
    Tournament.RuleCount = 99;
    Tournament.RuleOrder.fill(99);
    Tournament.Indicator = 99;
    Tournament.GroupTitle = QStringLiteral("untouched");
    Tournament.TeamsInGroup.fill(99);
    Tournament.PointsForWin = 99;
    Tournament.PointsForDraw = 99;
    Tournament.IsOpen = false;
    Tournament.Saved = true;
    Tournament.FileName = QStringLiteral("old.trn");
}

// A dialog shown (not modal) with a stand-in for the main window's caption.
struct OpenDialog
{
    QWidget mainWindow;
    frmTournamentDetails dialog { &mainWindow };
    OpenDialog()
    {
        mainWindow.setWindowTitle(kPreviousCaption);
        dialog.show();
    }
};

} // namespace

class TestFrmTournamentDetails : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetProgramState();
        markTournament();
    }

    void startsWithItsInitialState()
    {
        OpenDialog open;
        QWidget* d = &open.dialog;
        QCOMPARE(d->windowTitle(), QStringLiteral("Tournament Details"));
        QCOMPARE(int(Tournament.GroupCount), 1);
        QCOMPARE(field(d, "txtTournamentName")->text(), QString());
        QCOMPARE(field(d, "txtLocation")->text(), QString());

        const QList<QPair<QString, QString>> labels = {
            { "Label1", "Tournament Name" }, { "Label2", "AT" },        { "Label3", "Tournament Location" },
            { "Label4", "Group Title" },     { "Label5", "Indicator" }, { "Label7", "SELECT LEAGUE ORDER RULES" },
            { "Label8", "Not Selected" },    { "Label9", "Selected" },
        };
        for (const auto& [name, caption] : labels)
            QCOMPARE(control<QLabel>(d, name)->text(), caption);
        QCOMPARE(control<QGroupBox>(d, "Frame1")->title(), QStringLiteral("# Groups"));
        QCOMPARE(control<QGroupBox>(d, "fraPoints")->title(), QStringLiteral("Points for Win"));
        QCOMPARE(control<QGroupBox>(d, "fraPointsForDraw")->title(), QStringLiteral("Points for Draw"));

        for (int n = 1; n <= 8; ++n) {
            auto* option = control<QRadioButton>(d, QStringLiteral("optGroups%1").arg(n));
            QCOMPARE(option->text(), QString::number(n));
            QCOMPARE(option->isChecked(), n == 1);
            auto* label = control<QLabel>(d, QStringLiteral("Label6%1").arg(n));
            QCOMPARE(label->text(), QStringLiteral("# Teams in Group %1").arg(n));
            QCOMPARE(teamsField(d, n)->text(), QStringLiteral("2"));
            QCOMPARE(label->isVisible(), n == 1);
            QCOMPARE(teamsField(d, n)->isVisible(), n == 1);
        }

        auto* title = control<QComboBox>(d, "cmbGroupTitle");
        QCOMPARE(comboItems(title), (QStringList { "Division", "Group", "Pool", "Other" }));
        QCOMPARE(title->currentIndex(), 0);
        auto* indicator = control<QComboBox>(d, "cmbIndicator");
        QCOMPARE(comboItems(indicator), (QStringList { "A, B, C, etc.", "1, 2, 3, etc.", "Premier, 1, 2, etc." }));
        QCOMPARE(indicator->currentIndex(), 0);

        QCOMPARE(entries(list(d, "lstRuleList")), QStringList());
        QCOMPARE(entries(list(d, "lstRules")),
                 (QStringList { "1. Points Scored", "4. Games Won", "2. Goal Difference", "3. Goals Scored",
                                "5. Games Between Teams" }));

        QCOMPARE(button(d, "cmdAddRule")->text(), QStringLiteral("->"));
        QCOMPARE(button(d, "cmdRemoveRule")->text(), QStringLiteral("<-"));
        QCOMPARE(button(d, "cmdMoveUp")->text(), QStringLiteral("Up"));
        QCOMPARE(button(d, "cmdMoveDown")->text(), QStringLiteral("Dn"));
        QCOMPARE(button(d, "cmdOK")->text(), QStringLiteral("&OK"));
        QCOMPARE(button(d, "cmdCancel")->text(), QStringLiteral("&Cancel"));
        QVERIFY(button(d, "cmdOK")->isDefault());

        for (int points = 2; points <= 3; ++points) {
            auto* option = control<QRadioButton>(d, QStringLiteral("optPtsForWin%1").arg(points));
            QCOMPARE(option->text(), QString::number(points));
            QCOMPARE(option->isChecked(), points == 3);
        }
        for (int points = 0; points <= 2; ++points) {
            auto* option = control<QRadioButton>(d, QStringLiteral("optPtsForDraw%1").arg(points));
            QCOMPARE(option->text(), QString::number(points));
            QCOMPARE(option->isChecked(), points == 1);
        }
    }

    void everyReachableControlHasAnAccessibleName()
    {
        OpenDialog open;
        const QList<QWidget*> widgets = open.dialog.findChildren<QWidget*>();
        int reachable = 0;
        for (QWidget* widget : widgets) {
            if (widget->focusPolicy() == Qt::NoFocus || widget->objectName().isEmpty())
                continue;
            ++reachable;
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        }
        // Two text fields, 8 + 2 + 3 options, two lists, two lists of choices, 8 counts, 6 buttons.
        QCOMPARE(reachable, 2 + 13 + 2 + 2 + 8 + 6);
    }

    void groupOptionsShowTheirTeamCounts()
    {
        OpenDialog open;
        QWidget* d = &open.dialog;
        chooseGroups(d, 4);
        QCOMPARE(int(Tournament.GroupCount), 4);
        teamsField(d, 3)->setText(QStringLiteral("abc"));
        teamsField(d, 4)->setText(QStringLiteral("1"));
        chooseGroups(d, 2);
        QCOMPARE(int(Tournament.GroupCount), 2);
        for (int n = 1; n <= 8; ++n) {
            QCOMPARE(teamsField(d, n)->isVisible(), n <= 2);
            QCOMPARE(control<QLabel>(d, QStringLiteral("Label6%1").arg(n))->isVisible(), n <= 2);
        }
        QCOMPARE(teamsField(d, 3)->text(), QStringLiteral("abc"));

        // The hidden fields' texts would be refused; OK does not look at them.
        fillNameAndLocation(d);
        ScriptedPrompts prompts;
        prompts.expect(checkSettingsText("Spring Cup", "Leeds", 2, { 2, 2 }, defaultRuleOrder()))
            .answer(Prompts::Answer::Yes);
        button(d, "cmdOK")->click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(open.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(Tournament.GroupCount), 2);
        QCOMPARE(int(Tournament.TeamsInGroup[3]), 99);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("location");
        QTest::addColumn<bool>("removeRules");
        QTest::addColumn<QString>("teams");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("rulesStored");

        QTest::newRow("empty name is refused before the location") << ""
                                                                   << "" << true << "1" << kNameMissing << false;
        QTest::newRow("empty name") << ""
                                    << "Leeds" << false << "2" << kNameMissing << false;
        QTest::newRow("empty location") << "Cup"
                                        << "" << false << "2" << kLocationMissing << false;
        QTest::newRow("every rule removed") << "Cup"
                                            << "Leeds" << true << "2" << kNoRules << false;
        QTest::newRow("one team") << "Cup"
                                  << "Leeds" << false << "1" << kTooFewTeams << true;
        QTest::newRow("1.5 teams is below 2") << "Cup"
                                              << "Leeds" << false << "1.5" << kTooFewTeams << true;
        QTest::newRow("letters only") << "Cup"
                                      << "Leeds" << false << "abc" << kTooFewTeams << true;
        QTest::newRow("empty team count") << "Cup"
                                          << "Leeds" << false << "" << kTooFewTeams << true;
        QTest::newRow("40000 teams") << "Cup"
                                     << "Leeds" << false << "40000"
                                     << QStringLiteral("Too many teams in group 1: a group holds at most 32767 teams")
                                     << true;
    }
    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, location);
        QFETCH(bool, removeRules);
        QFETCH(QString, teams);
        QFETCH(QString, message);
        QFETCH(bool, rulesStored);

        OpenDialog open;
        QWidget* d = &open.dialog;
        fillNameAndLocation(d, name, location);
        teamsField(d, 1)->setText(teams);
        control<QComboBox>(d, "cmbIndicator")->setCurrentIndex(2);
        control<QRadioButton>(d, "optPtsForWin2")->click();
        if (removeRules) {
            for (int i = 0; i < 5; ++i) {
                list(d, "lstRules")->setCurrentRow(0);
                button(d, "cmdRemoveRule")->click();
            }
            QCOMPARE(list(d, "lstRules")->count(), 0);
        }

        ScriptedPrompts prompts;
        prompts.expect(message);
        button(d, "cmdOK")->click();

        QCOMPARE(prompts.calls().size(), 1);
        const ScriptedPrompts::Call& call = prompts.lastCall();
        QCOMPARE(call.text, message);
        QCOMPARE(call.title, kError);
        QCOMPARE(call.icon, Prompts::Icon::Exclamation);
        QCOMPARE(call.buttons, Prompts::Buttons::Ok);

        // The dialog stays open as the user left it.
        QVERIFY(open.dialog.isVisible());
        QCOMPARE(field(d, "txtTournamentName")->text(), name);
        QCOMPARE(teamsField(d, 1)->text(), teams);
        QCOMPARE(int(Tournament.GroupCount), 1);
        QCOMPARE(open.mainWindow.windowTitle(), kPreviousCaption);
        QVERIFY(!Tournament.IsOpen);
        QVERIFY(Tournament.Saved);
        QCOMPARE(Tournament.FileName, QStringLiteral("old.trn"));

        // Rules, indicator and title are stored before the team counts are read; nothing of a
        // refused count and nothing after it.
        if (rulesStored) {
            QCOMPARE(int(Tournament.RuleCount), 5);
            QCOMPARE(int(Tournament.RuleOrder[2]), 4);
            QCOMPARE(int(Tournament.Indicator), 2);
            QCOMPARE(Tournament.GroupTitle, QStringLiteral("Division"));
        } else {
            QCOMPARE(int(Tournament.RuleCount), 99);
            QCOMPARE(int(Tournament.Indicator), 99);
            QCOMPARE(Tournament.GroupTitle, QStringLiteral("untouched"));
        }
        QCOMPARE(int(Tournament.TeamsInGroup[1]), 99);
        QCOMPARE(int(Tournament.PointsForWin), 99);
        QCOMPARE(int(Tournament.PointsForDraw), 99);
    }

    void laterGroupRefusedKeepsEarlierCountsStored()
    {
        OpenDialog open;
        QWidget* d = &open.dialog;
        fillNameAndLocation(d);
        chooseGroups(d, 3);
        teamsField(d, 1)->setText(QStringLiteral("5"));
        teamsField(d, 2)->setText(QStringLiteral("1"));
        teamsField(d, 3)->setText(QStringLiteral("4"));
        ScriptedPrompts prompts;
        prompts.expect(kTooFewTeams);
        button(d, "cmdOK")->click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.calls().size(), 1);
        QVERIFY(open.dialog.isVisible());
        QCOMPARE(int(Tournament.TeamsInGroup[1]), 5);
        QCOMPARE(int(Tournament.TeamsInGroup[2]), 99);
        QCOMPARE(int(Tournament.TeamsInGroup[3]), 99);
        QCOMPARE(int(Tournament.GroupCount), 3);
    }

    void blankNameAndLocationAreAccepted()
    {
        OpenDialog open;
        QWidget* d = &open.dialog;
        fillNameAndLocation(d, QStringLiteral(" "), QStringLiteral(" "));
        ScriptedPrompts prompts;
        prompts.expect(checkSettingsText(" ", " ", 1, { 2 }, defaultRuleOrder())).answer(Prompts::Answer::Yes);
        button(d, "cmdOK")->click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(open.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(open.mainWindow.windowTitle(), QStringLiteral("Tabulon -   at  "));
    }

    void teamCountsAreRounded_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("2.5 stored as 2") << "2.5" << 2;
        QTest::newRow("3.5 stored as 4") << "3.5" << 4;
        QTest::newRow("leading blanks and words") << "  6 teams" << 6;
        QTest::newRow("largest 16-bit count") << "32767" << 32767;
    }
    void teamCountsAreRounded()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        OpenDialog open;
        QWidget* d = &open.dialog;
        fillNameAndLocation(d);
        teamsField(d, 1)->setText(typed);
        ScriptedPrompts prompts;
        prompts.expect(checkSettingsText("Spring Cup", "Leeds", 1, { qint16(stored) }, defaultRuleOrder()))
            .answer(Prompts::Answer::Yes);
        button(d, "cmdOK")->click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(int(Tournament.TeamsInGroup[1]), stored);
        QVERIFY(prompts.lastCall().text.contains(QStringLiteral("Teams in Group 1 = %1\r").arg(stored)));
    }

    void checkSettingsShowsTheSettingsExactly()
    {
        OpenDialog open;
        QWidget* d = &open.dialog;
        fillNameAndLocation(d, QStringLiteral("Spring Cup"), QStringLiteral("Elland Road"));
        chooseGroups(d, 2);
        teamsField(d, 1)->setText(QStringLiteral("4"));
        teamsField(d, 2)->setText(QStringLiteral("6.5"));
        control<QComboBox>(d, "cmbIndicator")->setCurrentIndex(1);
        chooseGroupTitle(d, QStringLiteral("Pool"));
        control<QRadioButton>(d, "optPtsForWin2")->click();
        control<QRadioButton>(d, "optPtsForDraw0")->click();
        list(d, "lstRules")->setCurrentRow(4);
        button(d, "cmdMoveUp")->click();

        const QString summary = QStringLiteral("Tournament Setup\r\r"
                                               "Tournament Name = Spring Cup\r"
                                               "Location = Elland Road\r"
                                               "Number of Groups = 2\r"
                                               "Teams in Group 1 = 4\r"
                                               "Teams in Group 2 = 6\r"
                                               "RULES ORDER\r"
                                               "1. Points Scored\r"
                                               "4. Games Won\r"
                                               "2. Goal Difference\r"
                                               "5. Games Between Teams\r"
                                               "3. Goals Scored\r"
                                               "\rAre these settings correct");
        ScriptedPrompts prompts;
        prompts.expect(summary).answer(Prompts::Answer::Yes);
        button(d, "cmdOK")->click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().title, QStringLiteral("Check Settings"));
        QCOMPARE(prompts.lastCall().icon, Prompts::Icon::Question);
        QCOMPARE(prompts.lastCall().buttons, Prompts::Buttons::YesNo);

        QCOMPARE(open.dialog.result(), int(QDialog::Accepted));
        QVERIFY(!open.dialog.isVisible());
        QCOMPARE(open.mainWindow.windowTitle(), QStringLiteral("Tabulon - Spring Cup at Elland Road"));
        QCOMPARE(int(Tournament.GroupCount), 2);
        QCOMPARE(int(Tournament.TeamsInGroup[1]), 4);
        QCOMPARE(int(Tournament.TeamsInGroup[2]), 6);
        QCOMPARE(int(Tournament.RuleCount), 5);
        const std::array<qint16, 7> order = { 99, 1, 4, 2, 5, 3, 99 };
        QCOMPARE(Tournament.RuleOrder, order);
        QCOMPARE(int(Tournament.Indicator), 1);
        QCOMPARE(Tournament.GroupTitle, QStringLiteral("Pool"));
        QCOMPARE(int(Tournament.PointsForWin), 2);
        QCOMPARE(int(Tournament.PointsForDraw), 0);
        QVERIFY(Tournament.IsOpen);
        QCOMPARE(Tournament.IsOpen.value(), qint16(-1));
        QVERIFY(!Tournament.Saved);
        QCOMPARE(Tournament.FileName, QString());
    }

    void pointsAreStored_data()
    {
        QTest::addColumn<QString>("winOption");
        QTest::addColumn<QString>("drawOption");
        QTest::addColumn<int>("win");
        QTest::addColumn<int>("draw");
        QTest::newRow("defaults") << ""
                                  << "" << 3 << 1;
        QTest::newRow("2 for a win, 2 for a draw") << "optPtsForWin2"
                                                   << "optPtsForDraw2" << 2 << 2;
        QTest::newRow("3 for a win, 0 for a draw") << "optPtsForWin3"
                                                   << "optPtsForDraw0" << 3 << 0;
    }
    void pointsAreStored()
    {
        QFETCH(QString, winOption);
        QFETCH(QString, drawOption);
        QFETCH(int, win);
        QFETCH(int, draw);
        OpenDialog open;
        QWidget* d = &open.dialog;
        fillNameAndLocation(d);
        for (const QString& option : { winOption, drawOption }) {
            if (!option.isEmpty())
                control<QRadioButton>(d, option)->click();
        }
        ScriptedPrompts prompts;
        prompts.expect(checkSettingsText("Spring Cup", "Leeds", 1, { 2 }, defaultRuleOrder()))
            .answer(Prompts::Answer::Yes);
        button(d, "cmdOK")->click();
        QCOMPARE(int(Tournament.PointsForWin), win);
        QCOMPARE(int(Tournament.PointsForDraw), draw);
    }

    void noAtCheckSettingsThenCancelChangesNothingVisible()
    {
        OpenDialog open;
        QWidget* d = &open.dialog;
        fillNameAndLocation(d);
        chooseGroups(d, 2);
        teamsField(d, 2)->setText(QStringLiteral("5"));
        ScriptedPrompts prompts;
        prompts.expect(checkSettingsText("Spring Cup", "Leeds", 2, { 2, 5 }, defaultRuleOrder()))
            .answer(Prompts::Answer::No);
        button(d, "cmdOK")->click();
        QVERIFY(prompts.allAnswered());
        QVERIFY(open.dialog.isVisible());
        // The values stored before the question stay stored.
        QCOMPARE(int(Tournament.TeamsInGroup[2]), 5);
        QCOMPARE(int(Tournament.PointsForWin), 3);
        QCOMPARE(open.mainWindow.windowTitle(), kPreviousCaption);
        QVERIFY(!Tournament.IsOpen);
        QVERIFY(Tournament.Saved);

        button(d, "cmdCancel")->click();
        QVERIFY(!open.dialog.isVisible());
        QCOMPARE(open.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(int(Tournament.GroupCount), 0);
        QCOMPARE(open.mainWindow.windowTitle(), kPreviousCaption);
        QVERIFY(!Tournament.IsOpen);
        QCOMPARE(Tournament.FileName, QStringLiteral("old.trn"));
    }

    void cancelLeavesAnOpenTournamentFlagAlone()
    {
        Tournament.IsOpen = true;
        OpenDialog open;
        button(&open.dialog, "cmdCancel")->click();
        QCOMPARE(int(Tournament.GroupCount), 0);
        QVERIFY(Tournament.IsOpen);
        QCOMPARE(int(Tournament.RuleCount), 99);
    }

    void otherTitleAddsTheTypedTitle()
    {
        OpenDialog open;
        QWidget* d = &open.dialog;
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Enter New Group Title")).answer(QStringLiteral("Conference"));
        chooseGroupTitle(d, QStringLiteral("Other"));
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().kind, ScriptedPrompts::Kind::Input);
        QCOMPARE(prompts.lastCall().title, QStringLiteral("New Group Title"));
        QCOMPARE(prompts.lastCall().defaultText, QString());

        auto* combo = control<QComboBox>(d, "cmbGroupTitle");
        QCOMPARE(comboItems(combo), (QStringList { "Division", "Group", "Pool", "Conference", "Other" }));
        QCOMPARE(combo->currentText(), QStringLiteral("Conference"));

        fillNameAndLocation(d);
        prompts.expect(checkSettingsText("Spring Cup", "Leeds", 1, { 2 }, defaultRuleOrder()))
            .answer(Prompts::Answer::Yes);
        button(d, "cmdOK")->click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(Tournament.GroupTitle, QStringLiteral("Conference"));
    }

    void emptyOtherAnswerKeepsOther()
    {
        OpenDialog open;
        QWidget* d = &open.dialog;
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("Enter New Group Title")).answer(QString());
        chooseGroupTitle(d, QStringLiteral("Other"));
        auto* combo = control<QComboBox>(d, "cmbGroupTitle");
        QCOMPARE(comboItems(combo), (QStringList { "Division", "Group", "Pool", "Other" }));
        QCOMPARE(combo->currentText(), QStringLiteral("Other"));

        fillNameAndLocation(d);
        prompts.expect(checkSettingsText("Spring Cup", "Leeds", 1, { 2 }, defaultRuleOrder()))
            .answer(Prompts::Answer::Yes);
        button(d, "cmdOK")->click();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(Tournament.GroupTitle, QStringLiteral("Other"));
    }

    void otherTitlesAreNotAsked()
    {
        OpenDialog open;
        ScriptedPrompts prompts;
        chooseGroupTitle(&open.dialog, QStringLiteral("Group"));
        chooseGroupTitle(&open.dialog, QStringLiteral("Pool"));
        QCOMPARE(prompts.calls().size(), 0);
    }

    // Steps: "R<n>" selects entry n of Selected, "L<n>" of Not Selected, "none" clears both
    // selections; "->", "<-", "Up" and "Dn" press the buttons.
    void ruleButtons_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QStringList>("notSelected");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<int>("notSelectedRow");

        const QString points = "1. Points Scored", difference = "2. Goal Difference", scored = "3. Goals Scored",
                      won = "4. Games Won", between = "5. Games Between Teams";
        QTest::newRow("up moves the entry and its selection")
            << QStringList { "R1", "Up" } << QStringList { won, points, difference, scored, between } << QStringList()
            << 0 << -1;
        QTest::newRow("up on the first entry does nothing")
            << QStringList { "R0", "Up" } << QStringList { points, won, difference, scored, between } << QStringList()
            << 0 << -1;
        QTest::newRow("down moves the entry and its selection")
            << QStringList { "R2", "Dn" } << QStringList { points, won, scored, difference, between } << QStringList()
            << 3 << -1;
        QTest::newRow("down on the last entry does nothing")
            << QStringList { "R4", "Dn" } << QStringList { points, won, difference, scored, between } << QStringList()
            << 4 << -1;
        QTest::newRow("remove selects the first remaining")
            << QStringList { "R2", "<-" } << QStringList { points, won, scored, between } << QStringList { difference }
            << 0 << -1;
        QTest::newRow("add appends and selects the first left")
            << QStringList { "R0", "<-", "R0", "<-", "L1", "->" } << QStringList { difference, scored, between, won }
            << QStringList { points } << 0 << 0;
        QTest::newRow("add of the last entry leaves nothing selected there")
            << QStringList { "R3", "<-", "L0", "->" } << QStringList { points, won, difference, between, scored }
            << QStringList() << 0 << -1;
        QTest::newRow("removing every rule") << QStringList { "R0", "<-", "<-", "<-", "<-", "<-" } << QStringList()
                                             << QStringList { points, won, difference, scored, between } << -1 << -1;
        QTest::newRow("buttons without a selection do nothing")
            << QStringList { "R1", "<-", "none", "->", "<-", "Up", "Dn" }
            << QStringList { points, difference, scored, between } << QStringList { won } << -1 << -1;
    }
    void ruleButtons()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, selected);
        QFETCH(QStringList, notSelected);
        QFETCH(int, selectedRow);
        QFETCH(int, notSelectedRow);
        OpenDialog open;
        QWidget* d = &open.dialog;
        QListWidget* rules = list(d, "lstRules");
        QListWidget* ruleList = list(d, "lstRuleList");
        for (const QString& step : steps) {
            if (step == QLatin1String("->"))
                button(d, "cmdAddRule")->click();
            else if (step == QLatin1String("<-"))
                button(d, "cmdRemoveRule")->click();
            else if (step == QLatin1String("Up"))
                button(d, "cmdMoveUp")->click();
            else if (step == QLatin1String("Dn"))
                button(d, "cmdMoveDown")->click();
            else if (step == QLatin1String("none")) {
                rules->clearSelection();
                ruleList->clearSelection();
            } else if (step.startsWith(u'R'))
                rules->setCurrentRow(step.mid(1).toInt());
            else
                ruleList->setCurrentRow(step.mid(1).toInt());
        }
        QCOMPARE(entries(rules), selected);
        QCOMPARE(entries(ruleList), notSelected);
        QCOMPARE(::selectedRow(rules), selectedRow);
        QCOMPARE(::selectedRow(ruleList), notSelectedRow);
    }

    // The dialog run modally, as File > New runs it, and closed in each way the user can.
    void closingWaysCountAsCancel_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel button") << "cancel";
        QTest::newRow("Escape key") << "escape";
        QTest::newRow("close box") << "close";
    }
    void closingWaysCountAsCancel()
    {
        QFETCH(QString, way);
        QWidget mainWindow;
        mainWindow.setWindowTitle(kPreviousCaption);
        frmTournamentDetails dialog(&mainWindow);
        QWidget* seen = nullptr;
        QTimer::singleShot(0, &dialog, [&] {
            seen = QApplication::activeModalWidget();
            fillNameAndLocation(&dialog);
            chooseGroups(&dialog, 3);
            QCOMPARE(int(Tournament.GroupCount), 3);
            if (way == QLatin1String("cancel"))
                button(&dialog, "cmdCancel")->click();
            else if (way == QLatin1String("escape"))
                QTest::keyClick(field(&dialog, "txtLocation"), Qt::Key_Escape);
            else
                dialog.close();
        });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &dialog, [&] { dialog.done(-1); });
        guard.start(5000);

        const int result = dialog.exec();
        QCOMPARE(seen, &dialog);
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(int(Tournament.GroupCount), 0);
        QCOMPARE(mainWindow.windowTitle(), kPreviousCaption);
        QCOMPARE(int(Tournament.RuleCount), 99);
        QVERIFY(!Tournament.IsOpen);
    }

    void enterPressesOK()
    {
        OpenDialog open;
        ScriptedPrompts prompts;
        prompts.expect(kNameMissing);
        QTest::keyClick(field(&open.dialog, "txtLocation"), Qt::Key_Return);
        QVERIFY(prompts.allAnswered());
        QVERIFY(open.dialog.isVisible());
    }
};

QTEST_MAIN(TestFrmTournamentDetails)
#include "tst_frmtournamentdetails.moc"
