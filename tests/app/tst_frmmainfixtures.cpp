// File > Generate Fixtures: the questions, the refusals and the busy pointer. The schedule itself
// is tested in tst_schedule.
#include "ModalDialog.h"
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "app/frmMain.h"
#include "group/RecordLines.h"
#include "group/frmCalendar.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <optional>

class TestFrmMainFixtures : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetProgramState(); }
    void cleanup() { QVERIFY(!QGuiApplication::overrideCursor()); }

    void generates_data()
    {
        QTest::addColumn<int>("teams");
        QTest::addColumn<bool>("active"); // whether group 1's window is the active one
        QTest::addColumn<int>("legs");    // the answer to the first question; 0: refused before it
        QTest::addColumn<QDate>("start"); // invalid: the calendar is cancelled
        QTest::addColumn<QString>("gap");
        QTest::addColumn<bool>("gapCancelled");
        QTest::addColumn<QString>("message");   // the refusal, if any
        QTest::addColumn<QStringList>("lines"); // after the run; before it too when it is refused
        const QDate start(2000, 3, 1);
        const QString today = formatRecordDate(QDate::currentDate());
        const QStringList result = { "R:07-Mar-2000:1:0:2:2:0:3" }, none;
        QTest::newRow("no open tournament")
            << 0 << true << 0 << start << "" << false << "There is no open tournament!" << none;
        QTest::newRow("group holds a single result")
            << 4 << true << 0 << start << "" << false << "Cannot create fixtures unless\rfixture list is empty."
            << result;
        QTest::newRow("a single team") << 1 << true << 0 << start << "" << false
                                       << "Cannot create fixtures for a group\rwith fewer than two teams." << none;
        QTest::newRow("no group window after a cancelled team entry")
            << 4 << false << 0 << start << "" << false
            << "Error 91 - No group window is active: choose the group to fill from the Window menu." << none;
        // Two teams keep their order through the shuffle, so their schedule is known exactly.
        QTest::newRow("one leg") << 2 << true << 1 << start << "7" << false << ""
                                 << QStringList { "F:01-Mar-2000:1:0" };
        QTest::newRow("calendar cancelled, gap left empty: today, gap 0")
            << 2 << true << 2 << QDate() << "" << false << ""
            << QStringList { "F:" + today + ":1:0", "F:" + today + ":0:1" };
        QTest::newRow("gap beyond 16 bits")
            << 2 << true << 2 << start << "40000" << false
            << "Error 6 - Overflow: a gap of \"40000\" days is beyond 32767 days." << none;
        QTest::newRow("gap cancelled: nothing happens") << 2 << true << 2 << start << "" << true << "" << none;
        QTest::newRow("gap typed as a word")
            << 2 << true << 2 << start << "seven" << false
            << "Error 13 - Type mismatch: a gap of \"seven\" is not a number of days." << none;
    }
    // A refusal or failure shows its message and changes nothing; a run fills the group in date order.
    void generates()
    {
        QFETCH(int, teams);
        QFETCH(bool, active);
        QFETCH(int, legs);
        QFETCH(QDate, start);
        QFETCH(QString, gap);
        QFETCH(bool, gapCancelled);
        QFETCH(QString, message);
        QFETCH(QStringList, lines);
        TemporarySettings settings;
        frmMain window;
        Tournament.IsOpen = teams > 0;
        Tournament.TeamsInGroup[1] = static_cast<qint16>(teams);
        frmGroup* group = window.groupWindow(1);
        group->setTag(QStringLiteral("1"));
        group->setTeams(QStringList { "Rovers", "United", "City", "Town" }.mid(0, teams));
        group->setStoredLines(message.isEmpty() ? QStringList() : lines);
        if (active)
            window.activateGroupWindow(1);
        std::optional<ModalDialog<frmCalendar>> calendar;
        ScriptedPrompts prompts;
        if (legs > 0) {
            calendar.emplace([&](frmCalendar* dialog) {
                QCOMPARE(dialog->findChild<QLabel*>("lblMessage")->text(), QStringLiteral("Select the start date"));
                dialog->findChild<QCalendarWidget*>("Cal")->setSelectedDate(start);
                dialog->findChild<QPushButton*>(start.isValid() ? "cmdOK" : "cmdCancel")->click();
            });
            prompts.expect("Do you want home and away fixtures")
                .answer(legs == 2 ? Prompts::Answer::Yes : Prompts::Answer::No);
            auto& gapPrompt = prompts.expect("Enter the default number of days between fixtures (e.g. 7)").answer(gap);
            if (gapCancelled)
                gapPrompt.cancel();
        }
        if (!message.isEmpty())
            prompts.expect(message);
        window.mnuGenerateFixtures_Click();

        QVERIFY(prompts.allAnswered());
        QCOMPARE(calendar && calendar->wasShown(), legs > 0);
        QCOMPARE(group->storedLines(), lines);
        QCOMPARE(bool(Tournament.Saved), !message.isEmpty() || gapCancelled);
        QVERIFY(window.isEnabled());
        if (!message.isEmpty())
            QCOMPARE(prompts.lastCall().title,
                     message.startsWith("Error") ? "Error Generating Fixtures" : "Generation Error");
        if (legs > 0) {
            QCOMPARE(prompts.calls()[0].title, QStringLiteral("Home & Away"));
            QCOMPARE(prompts.calls()[1].title, QStringLiteral("Fixture Gap"));
            QCOMPARE(prompts.calls()[1].defaultText, QStringLiteral("7"));
        }
    }
};

QTEST_MAIN(TestFrmMainFixtures)
#include "tst_frmmainfixtures.moc"
