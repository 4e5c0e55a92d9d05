#include "ScriptedPrompts.h"
#include "model/Tournament.h"
#include "setup/frmTournamentDetails.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <memory>

namespace {

template <typename T = QWidget>
T* control(QWidget* dialog, const QString& name)
{
    if (T* found = dialog->findChild<T*>(name))
        return found;
    qFatal("no control %s", qPrintable(name));
}

// A list's or drop-down list's entries, the selected one of a list in brackets.
QString entries(QWidget* d, const QString& name)
{
    auto* list = qobject_cast<QListWidget*>(control(d, name));
    const QAbstractItemModel* model = list ? list->model() : control<QComboBox>(d, name)->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString text = model->index(row, 0).data().toString();
        texts.append(list && list->item(row)->isSelected() ? u'[' + text + u']' : text);
    }
    return texts.join(u'|');
}

// What the dialog has stored: group count, rule codes, indicator, title, team counts of groups 1-4, points for
// a win and a draw, IsOpen, Saved, file name. init() puts values there that no dialog stores.
QString stored()
{
    const TournamentState& t = Tournament;
    QString text = QString::number(t.GroupCount) + u' ';
    for (int i = 1; i <= t.RuleCount; ++i)
        text += QString::number(t.RuleOrder[i]);
    text += u' ' + QString::number(t.Indicator) + u' ' + t.GroupTitle;
    for (int value : { t.TeamsInGroup[1], t.TeamsInGroup[2], t.TeamsInGroup[3], t.TeamsInGroup[4], t.PointsForWin,
                       t.PointsForDraw, t.IsOpen.value(), t.Saved.value() })
        text += u' ' + QString::number(value);
    return text + u' ' + t.FileName;
}

} // namespace

class TestFrmTournamentDetails : public QObject
{
    Q_OBJECT

    QWidget m_mainWindow; // stands in for the main window, whose caption the dialog sets
    std::unique_ptr<frmTournamentDetails> m_dialog;
    QWidget* d = nullptr;

    void setText(const QString& name, const QString& text) { control<QLineEdit>(d, name)->setText(text); }
    void click(const QString& name) { control<QAbstractButton>(d, name)->click(); }
    void chooseOtherTitle()
    {
        auto* title = control<QComboBox>(d, "cmbGroupTitle");
        title->setCurrentText("Other");
        emit title->activated(title->currentIndex()); // as the user's choice reports it
    }

private slots:
    void init()
    {
        resetProgramState();
        Tournament.Indicator = Tournament.PointsForWin = Tournament.PointsForDraw = 99;
        Tournament.GroupTitle = QStringLiteral("untouched");
        Tournament.TeamsInGroup.fill(99);
        Tournament.FileName = QStringLiteral("old.trn");
        m_mainWindow.setWindowTitle(QStringLiteral("Tabulon"));
        m_dialog = std::make_unique<frmTournamentDetails>(&m_mainWindow);
        d = m_dialog.get();
        d->show();
    }

    void startsWithItsInitialState()
    {
        QCOMPARE(d->windowTitle(), QStringLiteral("Tournament Details"));
        QCOMPARE(int(Tournament.GroupCount), 1);
        const QString captions = "Label2=AT|Frame1=# Groups|Label68=# Teams in Group 8|Label7=SELECT LEAGUE ORDER "
                                 "RULES|cmdAddRule=->|cmdMoveDown=Dn|fraPointsForDraw=Points for Draw|cmdOK=&OK";
        for (const QString& pair : captions.split(u'|')) {
            QWidget* widget = control(d, pair.section(u'=', 0, 0));
            const QString text = widget->property(qobject_cast<QGroupBox*>(widget) ? "title" : "text").toString();
            QCOMPARE(text, pair.section(u'=', 1));
        }
        QVERIFY(control(d, "txtNoOfTeams1")->isVisible() && !control(d, "Label62")->isVisible());
        QCOMPARE(entries(d, "cmbIndicator"), QStringLiteral("A, B, C, etc.|1, 2, 3, etc.|Premier, 1, 2, etc."));
    }

    // Each correction brings the next refusal, in the order OK checks them; No at "Check Settings"
    // keeps the dialog open with steps 4 to 7 stored; each way of closing it then counts as Cancel.
    void refusalsThenNoThenClose_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("wasOpen");
        QTest::addColumn<QString>("draw"); // points for a draw
        QTest::newRow("Cancel button") << "cancel" << false << "1";
        QTest::newRow("Escape key") << "escape" << true << "2";
        QTest::newRow("close box") << "close" << false << "0";
    }
    void refusalsThenNoThenClose()
    {
        QFETCH(QString, way);
        QFETCH(bool, wasOpen);
        QFETCH(QString, draw);
        Tournament.IsOpen = wasOpen;
        click("optGroups3");
        click("optPtsForDraw" + draw);
        setText("txtNoOfTeams1", "5");
        setText("txtNoOfTeams2", "abc");
        setText("txtNoOfTeams3", "32767.5");
        control<QComboBox>(d, "cmbIndicator")->setCurrentIndex(2);
        for (int i = 0; i < 5; ++i)
            control<QListWidget>(d, "lstRules")->setCurrentRow(0), click("cmdRemoveRule");
        ScriptedPrompts prompts;
        prompts.expect("Enter New Group Title"); // answered with nothing: "Other" stays chosen
        chooseOtherTitle();
        QCOMPARE(entries(d, "cmbGroupTitle"), QStringLiteral("Division|Group|Pool|Other"));
        const QString open = QString::number(Tournament.IsOpen.value());
        const auto refused = [&](const QString& message, const QString& storedSoFar) {
            prompts.expect(message);
            QTest::keyClick(control(d, "txtLocation"), Qt::Key_Return); // Enter presses OK
            QVERIFY(prompts.allAnswered() && d->isVisible());
            QCOMPARE(prompts.lastCall().title, QStringLiteral("ERROR"));
            QCOMPARE(prompts.lastCall().icon, Prompts::Icon::Exclamation);
            QCOMPARE(m_mainWindow.windowTitle(), QStringLiteral("Tabulon"));
            QCOMPARE(stored(), storedSoFar.arg(open));
        };
        refused("Must Enter Name of Tournament", "3  99 untouched 99 99 99 99 99 99 %1 -1 old.trn");
        setText("txtTournamentName", " ");
        refused("Must Enter Tournament Location", "3  99 untouched 99 99 99 99 99 99 %1 -1 old.trn");
        setText("txtLocation", " ");
        refused("Must Specify at least 1 Rule", "3  99 untouched 99 99 99 99 99 99 %1 -1 old.trn");
        control<QListWidget>(d, "lstRuleList")->setCurrentRow(1);
        click("cmdAddRule");
        refused("Must have at least 2 teams in group", "3 4 2 Other 5 99 99 99 99 99 %1 -1 old.trn");
        setText("txtNoOfTeams2", "1.6");
        refused("Must have at least 2 teams in group", "3 4 2 Other 5 99 99 99 99 99 %1 -1 old.trn");
        setText("txtNoOfTeams2", "2");
        refused("Too many teams in group 3: a group holds at most 32767 teams",
                "3 4 2 Other 5 2 99 99 99 99 %1 -1 old.trn");

        setText("txtNoOfTeams3", "2");
        prompts.expect(
            "Tournament Setup\r\rTournament Name =  \rLocation =  \rNumber of Groups = 3\rTeams in Group 1 = "
            "5\rTeams in Group 2 = 2\rTeams in Group 3 = 2\rRULES ORDER\r4. Games Won\r\rAre these settings "
            "correct");
        click("cmdOK");
        QVERIFY(prompts.allAnswered() && d->isVisible());
        if (way == QLatin1String("cancel"))
            click("cmdCancel");
        else if (way == QLatin1String("escape"))
            QTest::keyClick(control(d, "txtLocation"), Qt::Key_Escape);
        else
            d->close();
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QCOMPARE(m_mainWindow.windowTitle(), QStringLiteral("Tabulon"));
        QCOMPARE(stored(), QStringLiteral("0 4 2 Other 5 2 2 99 3 %1 %2 -1 old.trn").arg(draw, open));
    }

    void acceptedSettings()
    {
        setText("txtTournamentName", "100% %1"); // no placeholders in the summary
        setText("txtLocation", "%2");
        click("optGroups4");
        setText("txtNoOfTeams4", "abc"); // hidden next, so never read
        click("optGroups3");
        QVERIFY(control(d, "txtNoOfTeams3")->isVisible() && !control(d, "txtNoOfTeams4")->isVisible());
        setText("txtNoOfTeams1", "2.5");
        setText("txtNoOfTeams2", "3.5");
        setText("txtNoOfTeams3", "  32767 teams");
        control<QComboBox>(d, "cmbIndicator")->setCurrentIndex(1);
        ScriptedPrompts prompts;
        prompts.expect("Enter New Group Title").answer("Conf");
        chooseOtherTitle();
        QCOMPARE(prompts.lastCall().title + prompts.lastCall().defaultText, QStringLiteral("New Group Title"));
        QCOMPARE(entries(d, "cmbGroupTitle"), QStringLiteral("Division|Group|Pool|Conf|Other"));
        QCOMPARE(control<QComboBox>(d, "cmbGroupTitle")->currentText(), QStringLiteral("Conf"));
        click("optPtsForWin2");
        control<QListWidget>(d, "lstRules")->setCurrentRow(4);
        click("cmdMoveUp");

        prompts
            .expect(
                "Tournament Setup\r\rTournament Name = 100% %1\rLocation = %2\rNumber of Groups = 3\rTeams in Group "
                "1 = 2\rTeams in Group 2 = 4\rTeams in Group 3 = 32767\rRULES ORDER\r1. Points Scored\r4. Games "
                "Won\r2. Goal Difference\r5. Games Between Teams\r3. Goals Scored\r\rAre these settings correct")
            .answer(Prompts::Answer::Yes);
        click("cmdOK");
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().title, QStringLiteral("Check Settings"));
        QCOMPARE(prompts.lastCall().icon, Prompts::Icon::Question);
        QCOMPARE(prompts.lastCall().buttons, Prompts::Buttons::YesNo);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_mainWindow.windowTitle(), QStringLiteral("Tabulon - 100% %1 at %2"));
        QCOMPARE(stored(), QStringLiteral("3 14253 1 Conf 2 4 32767 99 2 1 -1 0 "));
    }

    // Rules by their codes, the selected entry in brackets. Steps: "R<n>" selects entry n of
    // Selected, "L<n>" of Not Selected, "none" clears both; "->", "<-", "Up", "Dn" press buttons.
    void ruleButtons_data()
    {
        QTest::addColumn<QString>("stepsAndOutcome"); // steps = Selected/Not Selected
        QTest::newRow("up moves the entry and its selection") << "R1 Up = [4]1235/";
        QTest::newRow("up on the first entry does nothing") << "R0 Up = [1]4235/";
        QTest::newRow("down moves the entry and its selection") << "R2 Dn = 143[2]5/";
        QTest::newRow("down on the last entry does nothing") << "R4 Dn = 1423[5]/";
        QTest::newRow("remove selects the first remaining") << "R2 <- = [1]435/2";
        QTest::newRow("add appends and selects the first left") << "R0 <- R0 <- L1 -> = [2]354/[1]";
        QTest::newRow("add of the last entry selects nothing there") << "R3 <- L0 -> = [1]4253/";
        QTest::newRow("removing every rule") << "R0 <- <- <- <- <- = /14235";
        QTest::newRow("buttons without a selection do nothing") << "R1 <- none -> <- Up Dn = 1235/4";
    }
    void ruleButtons()
    {
        QFETCH(QString, stepsAndOutcome);
        auto* rules = control<QListWidget>(d, "lstRules");
        auto* ruleList = control<QListWidget>(d, "lstRuleList");
        const QHash<QString, QString> buttons
            = { { "->", "cmdAddRule" }, { "<-", "cmdRemoveRule" }, { "Up", "cmdMoveUp" }, { "Dn", "cmdMoveDown" } };
        for (const QString& step : stepsAndOutcome.section(" = ", 0, 0).split(u' ')) {
            if (buttons.contains(step))
                click(buttons[step]);
            else if (step == QLatin1String("none"))
                rules->clearSelection(), ruleList->clearSelection();
            else
                (step.startsWith(u'R') ? rules : ruleList)->setCurrentRow(step.mid(1).toInt());
        }
        QString outcome = entries(d, "lstRules") + u'/' + entries(d, "lstRuleList");
        outcome.replace(QRegularExpression(QStringLiteral("(\\d)\\. [A-Za-z ]+")), QStringLiteral("\\1")).remove(u'|');
        QCOMPARE(outcome, stepsAndOutcome.section(" = ", 1));
    }
};

QTEST_MAIN(TestFrmTournamentDetails)
#include "tst_frmtournamentdetails.moc"
