#include "ScriptedPrompts.h"
#include "model/Tournament.h"
#include "setup/frmTournamentDetails.h"

#include <QComboBox>
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

// What the dialog has stored, each value named. init() puts values there that no dialog stores.
QString stored()
{
    const TournamentState& t = Tournament;
    QString rules;
    for (int i = 1; i <= t.RuleCount; ++i)
        rules += QString::number(t.RuleOrder[i]);
    return QString::asprintf(
        "groups %d, rules %s, indicator %d, title %s, teams %d %d %d %d, win %d, draw %d, open %d, "
        "saved %d, file %s",
        t.GroupCount, qPrintable(rules), t.Indicator, qPrintable(t.GroupTitle), t.TeamsInGroup[1], t.TeamsInGroup[2],
        t.TeamsInGroup[3], t.TeamsInGroup[4], t.PointsForWin, t.PointsForDraw, t.IsOpen.value(), t.Saved.value(),
        qPrintable(t.FileName));
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
        const QString untouched
            = "groups 3, rules , indicator 99, title untouched, teams 99 99 99 99, win 99, draw 99, ";
        const QString teamsSoFar = "groups 3, rules 4, indicator 2, title Other, teams 5 %2 99 99, win 99, draw 99, ";
        const auto refused = [&](const QString& message, const QString& storedSoFar) {
            prompts.expect(message);
            QTest::keyClick(control(d, "txtLocation"), Qt::Key_Return); // Enter presses OK
            QVERIFY(prompts.allAnswered());
            QVERIFY(d->isVisible());
            QCOMPARE(m_mainWindow.windowTitle(), QStringLiteral("Tabulon"));
            QCOMPARE(stored(), storedSoFar + "open " + open + ", saved -1, file old.trn");
        };
        refused("Must Enter Name of Tournament", untouched);
        setText("txtTournamentName", " ");
        refused("Must Enter Tournament Location", untouched);
        setText("txtLocation", " ");
        refused("Must Specify at least 1 Rule", untouched);
        control<QListWidget>(d, "lstRuleList")->setCurrentRow(1);
        click("cmdAddRule");
        refused("Must have at least 2 teams in group", teamsSoFar.arg(99));
        setText("txtNoOfTeams2", "2");
        refused("Too many teams in group 3: a group holds at most 32767 teams", teamsSoFar.arg(2));

        setText("txtNoOfTeams3", "2");
        prompts.expect(
            "Tournament Setup\r\rTournament Name =  \rLocation =  \rNumber of Groups = 3\rTeams in Group 1 = "
            "5\rTeams in Group 2 = 2\rTeams in Group 3 = 2\rRULES ORDER\r4. Games Won\r\rAre these settings "
            "correct");
        click("cmdOK");
        QVERIFY(prompts.allAnswered());
        QVERIFY(d->isVisible());
        if (way == QLatin1String("cancel"))
            click("cmdCancel");
        else if (way == QLatin1String("escape"))
            QTest::keyClick(control(d, "txtLocation"), Qt::Key_Escape);
        else
            d->close();
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QCOMPARE(m_mainWindow.windowTitle(), QStringLiteral("Tabulon"));
        QCOMPARE(stored(),
                 "groups 0, rules 4, indicator 2, title Other, teams 5 2 2 99, win 3, draw " + draw + ", open " + open
                     + ", saved -1, file old.trn");
    }

    // Team counts are read as the core reads them; only the shown groups' counts are read. OK and Yes
    // store every setting and set the caption.
    void acceptedSettings()
    {
        QCOMPARE(int(Tournament.GroupCount), 1);
        QVERIFY(control(d, "txtNoOfTeams1")->isVisible());
        QVERIFY(!control(d, "txtNoOfTeams2")->isVisible());
        setText("txtTournamentName", "100% %1"); // no placeholders in the summary
        setText("txtLocation", "%2");
        click("optGroups4");
        setText("txtNoOfTeams4", "abc"); // hidden next, so never read
        click("optGroups3");
        QVERIFY(control(d, "txtNoOfTeams3")->isVisible());
        QVERIFY(!control(d, "txtNoOfTeams4")->isVisible());
        setText("txtNoOfTeams1", "2.5");
        setText("txtNoOfTeams2", "3.5");
        setText("txtNoOfTeams3", "  32767 teams");
        control<QComboBox>(d, "cmbIndicator")->setCurrentIndex(1);
        ScriptedPrompts prompts;
        prompts.expect("Enter New Group Title").answer("Conf");
        chooseOtherTitle();
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
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_mainWindow.windowTitle(), QStringLiteral("Tabulon - 100% %1 at %2"));
        QCOMPARE(stored(),
                 "groups 3, rules 14253, indicator 1, title Conf, teams 2 4 32767 99, win 2, draw 1, open -1, saved 0, "
                 "file ");
    }

    // Rules by their codes, the selected entry in brackets. A step selects entry n of a list
    // ("Selected 1", "Not Selected 0"), clears both selections ("none") or presses a button.
    void ruleButtons_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("notSelected");
        // clang-format off
        QTest::newRow("up moves the entry and its selection") << QStringList { "Selected 1", "Up" } << "[4]1235" << "";
        QTest::newRow("up on the first entry does nothing") << QStringList { "Selected 0", "Up" } << "[1]4235" << "";
        QTest::newRow("down moves the entry and its selection") << QStringList { "Selected 2", "Dn" } << "143[2]5" << "";
        QTest::newRow("down on the last entry does nothing") << QStringList { "Selected 4", "Dn" } << "1423[5]" << "";
        QTest::newRow("remove selects the first remaining") << QStringList { "Selected 2", "<-" } << "[1]435" << "2";
        QTest::newRow("add appends and selects the first left") << QStringList { "Selected 0", "<-", "Selected 0", "<-", "Not Selected 1", "->" } << "[2]354" << "[1]";
        QTest::newRow("add of the last entry selects nothing there") << QStringList { "Selected 3", "<-", "Not Selected 0", "->" } << "[1]4253" << "";
        QTest::newRow("removing every rule") << QStringList { "Selected 0", "<-", "<-", "<-", "<-", "<-" } << "" << "14235";
        QTest::newRow("buttons without a selection do nothing") << QStringList { "Selected 1", "<-", "none", "->", "<-", "Up", "Dn" } << "1235" << "4";
        // clang-format on
    }
    void ruleButtons()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, selected);
        QFETCH(QString, notSelected);
        auto* rules = control<QListWidget>(d, "lstRules");
        auto* ruleList = control<QListWidget>(d, "lstRuleList");
        const QHash<QString, QString> buttons
            = { { "->", "cmdAddRule" }, { "<-", "cmdRemoveRule" }, { "Up", "cmdMoveUp" }, { "Dn", "cmdMoveDown" } };
        for (const QString& step : steps) {
            if (buttons.contains(step))
                click(buttons[step]);
            else if (step == QLatin1String("none"))
                rules->clearSelection(), ruleList->clearSelection();
            else
                (step.startsWith(u'S') ? rules : ruleList)->setCurrentRow(step.section(u' ', -1).toInt());
        }
        const auto codes = [](QString entries) {
            return entries.replace(QRegularExpression(QStringLiteral("(\\d)\\. [A-Za-z ]+")), QStringLiteral("\\1"))
                .remove(u'|');
        };
        QCOMPARE(codes(entries(d, "lstRules")), selected);
        QCOMPARE(codes(entries(d, "lstRuleList")), notSelected);
    }
};

QTEST_MAIN(TestFrmTournamentDetails)
#include "tst_frmtournamentdetails.moc"
