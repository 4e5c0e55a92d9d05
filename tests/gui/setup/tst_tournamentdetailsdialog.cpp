#include "ScriptedPrompts.h"
#include "gui/setup/TournamentDetailsDialog.h"

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

// The settings the dialog gives, each value named.
QString stored(const TournamentSettings& t)
{
    QString rules;
    for (int i = 1; i <= t.RuleCount; ++i)
        rules += QString::number(t.RuleOrder[i]);
    return QString::asprintf("groups %d, rules %s, indicator %d, title %s, teams %d %d %d %d, win %d, draw %d",
                             t.GroupCount, qPrintable(rules), t.Indicator, qPrintable(t.GroupTitle), t.TeamsInGroup[1],
                             t.TeamsInGroup[2], t.TeamsInGroup[3], t.TeamsInGroup[4], t.PointsForWin, t.PointsForDraw);
}

} // namespace

class TestTournamentDetailsDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TournamentDetailsDialog> m_dialog;
    QWidget* d = nullptr;

    void setText(const QString& name, const QString& text) { control<QLineEdit>(d, name)->setText(text); }
    void click(const QString& name) { control<QAbstractButton>(d, name)->click(); }
    void chooseOtherTitle()
    {
        auto* title = control<QComboBox>(d, "groupTitleBox");
        title->setCurrentText("Other");
        emit title->activated(title->currentIndex()); // as the user's choice reports it
    }

private slots:
    void init()
    {
        m_dialog = std::make_unique<TournamentDetailsDialog>();
        d = m_dialog.get();
        d->show();
    }

    // Each correction brings the next refusal, in the order OK checks them; No at "Check Settings"
    // keeps the dialog open; each way of closing it then counts as Cancel and gives no tournament.
    void refusalsThenNoThenClose_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel button") << "cancel";
        QTest::newRow("Escape key") << "escape";
        QTest::newRow("close box") << "close";
    }
    void refusalsThenNoThenClose()
    {
        QFETCH(QString, way);
        click("groupCountButton3");
        setText("teamCountField1", "5");
        setText("teamCountField2", "abc");
        setText("teamCountField3", "32767.5");
        control<QComboBox>(d, "indicatorBox")->setCurrentIndex(2);
        for (int i = 0; i < 5; ++i)
            control<QListWidget>(d, "selectedRuleList")->setCurrentRow(0), click("removeRuleButton");
        ScriptedPrompts prompts;
        prompts.expect("Enter New Group Title"); // answered with nothing: "Other" stays chosen
        chooseOtherTitle();
        QCOMPARE(entries(d, "groupTitleBox"), QStringLiteral("Division|Group|Pool|Other"));
        const auto refused = [&](const QString& message) {
            prompts.expect(message);
            QTest::keyClick(control(d, "locationField"), Qt::Key_Return); // Enter presses OK
            QVERIFY(prompts.allAnswered());
            QVERIFY(d->isVisible());
            QCOMPARE(m_dialog->title(), QString());
        };
        refused("Must Enter Name of Tournament");
        setText("nameField", " ");
        refused("Must Enter Tournament Location");
        setText("locationField", " ");
        refused("Must Specify at least 1 Rule");
        control<QListWidget>(d, "unselectedRuleList")
            ->setCurrentRow(2); // after the head-to-head table offered at the start
        click("addRuleButton");
        refused("Must have at least 2 teams in group");
        setText("teamCountField2", "2");
        refused("Too many teams in group 3: a group holds at most 32767 teams");

        setText("teamCountField3", "2");
        prompts.expect(
            "Tournament Setup\r\rTournament Name =  \rLocation =  \rNumber of Groups = 3\rTeams in Group 1 = "
            "5\rTeams in Group 2 = 2\rTeams in Group 3 = 2\rRULES ORDER\r4. Games Won\r\rAre these settings "
            "correct");
        click("okButton");
        QVERIFY(prompts.allAnswered());
        QVERIFY(d->isVisible());
        if (way == QLatin1String("cancel"))
            click("cancelButton");
        else if (way == QLatin1String("escape"))
            QTest::keyClick(control(d, "locationField"), Qt::Key_Escape);
        else
            d->close();
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QCOMPARE(m_dialog->title(), QString());
    }

    // Team counts are read as the core reads them; only the shown groups' counts are read. OK and Yes
    // give every setting and the title.
    void acceptedSettings()
    {
        setText("nameField", "100% %1"); // no placeholders in the summary
        setText("locationField", "%2");
        click("groupCountButton4");
        setText("teamCountField4", "abc"); // hidden next, so never read
        click("groupCountButton3");
        QVERIFY(control(d, "teamCountField3")->isVisible());
        QVERIFY(!control(d, "teamCountField4")->isVisible());
        setText("teamCountField1", "2.5");
        setText("teamCountField2", "3.5");
        setText("teamCountField3", "  32767 teams");
        control<QComboBox>(d, "indicatorBox")->setCurrentIndex(1);
        ScriptedPrompts prompts;
        prompts.expect("Enter New Group Title").answer("Conf");
        chooseOtherTitle();
        QCOMPARE(entries(d, "groupTitleBox"), QStringLiteral("Division|Group|Pool|Conf|Other"));
        QCOMPARE(control<QComboBox>(d, "groupTitleBox")->currentText(), QStringLiteral("Conf"));
        click("winPointsButton2");
        control<QListWidget>(d, "selectedRuleList")->setCurrentRow(4);
        click("moveUpButton");

        prompts
            .expect(
                "Tournament Setup\r\rTournament Name = 100% %1\rLocation = %2\rNumber of Groups = 3\rTeams in Group "
                "1 = 2\rTeams in Group 2 = 4\rTeams in Group 3 = 32767\rRULES ORDER\r1. Points Scored\r4. Games "
                "Won\r2. Goal Difference\r5. Games Between Teams\r3. Goals Scored\r\rAre these settings correct")
            .answer(Prompts::Answer::Yes);
        click("okButton");
        QVERIFY(prompts.allAnswered());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->title(), QStringLiteral("Tabulon - 100% %1 at %2"));
        QCOMPARE(stored(m_dialog->settings()),
                 "groups 3, rules 14253, indicator 1, title Conf, teams 2 4 32767 0, win 2, draw 1");
    }

    // An arrow moves the selected rule to the end of the other list and selects the first one left
    // there; Up and Down move it within the order and keep it selected. Without a selection nothing moves.
    void ruleButtons()
    {
        auto* rules = control<QListWidget>(d, "selectedRuleList");
        auto* left = control<QListWidget>(d, "unselectedRuleList");
        // Both lists by their rule codes, the selected entry in brackets.
        const auto lists = [this] {
            QStringList shown = { entries(d, "selectedRuleList"), entries(d, "unselectedRuleList") };
            return shown
                .replaceInStrings(QRegularExpression(QStringLiteral("(\\d)\\. [A-Za-z -]+")), QStringLiteral("\\1"))
                .replaceInStrings(QStringLiteral("|"), QString());
        };
        const auto press = [&](QListWidget* list, int row, const char* button) {
            list->setCurrentRow(row);
            click(button);
            return lists();
        };
        QCOMPARE(press(rules, 1, "moveUpButton"), QStringList({ "[4]1235", "6" }));
        QCOMPARE(press(rules, 0, "moveUpButton"), QStringList({ "[4]1235", "6" })); // already first
        QCOMPARE(press(rules, 2, "moveDownButton"), QStringList({ "413[2]5", "6" }));
        QCOMPARE(press(rules, 4, "moveDownButton"), QStringList({ "4132[5]", "6" })); // already last
        QCOMPARE(press(rules, 1, "removeRuleButton"), QStringList({ "[4]325", "61" }));
        QCOMPARE(press(rules, 0, "removeRuleButton"), QStringList({ "[3]25", "614" }));
        rules->clearSelection();
        left->clearSelection();
        for (const char* button : { "removeRuleButton", "addRuleButton", "moveUpButton", "moveDownButton" })
            click(button);
        QCOMPARE(lists(), QStringList({ "325", "614" }));
        QCOMPARE(press(left, 1, "addRuleButton"), QStringList({ "3251", "[6]4" }));
        QCOMPARE(press(left, 0, "addRuleButton"), QStringList({ "32516", "[4]" }));
        QCOMPARE(press(left, 0, "addRuleButton"), QStringList({ "325164", "" })); // nothing left to select
        rules->setCurrentRow(0);
        for (int i = 0; i < 6; ++i)
            click("removeRuleButton");
        QCOMPARE(lists(), QStringList({ "", "325164" }));
    }
};

QTEST_MAIN(TestTournamentDetailsDialog)
#include "tst_tournamentdetailsdialog.moc"
