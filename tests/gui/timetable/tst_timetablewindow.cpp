// The Timetable window, the results table's time and pitch, and the Plan the Day dialog.
#include "ModalDialog.h"
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "core/setup/DayPlanning.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/ResultsTableModel.h"
#include "gui/main/MainWindow.h"
#include "gui/timetable/PlanDayDialog.h"
#include "gui/timetable/TimetableSheets.h"
#include "gui/timetable/TimetableView.h"
#include "gui/timetable/TimetableWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace {

QStringList accessibleNames(const TimetableWindow& window)
{
    QStringList names;
    for (const GameBox* box : window.findChild<TimetableView*>("timetableView")->boxes())
        names.append(box->accessibleName());
    return names;
}

} // namespace

class TestTimetableWindow : public QObject
{
    Q_OBJECT

private slots:
    // cup_day.trn with no least rest, Alpha v Gamma at 10:20 on Pitch 3 and Echo v Foxtrot at 11:30: the timetable
    // comes through the document after the tournament was opened without one.
    void init()
    {
        TournamentData data = *readTournamentFile(QStringLiteral(TABULON_TEST_DATA "/cup_day.trn")).data;
        Timetable timetable = *data.timetable;
        timetable.settings.restMinutes = 0;
        TournamentDocument::GroupSlots planned = { data.groups[0].gameSlots, data.groups[1].gameSlots };
        planned[0][2] = GameSlot { timetable.settings.days.first(), 620, 640, 2 };
        planned[1][0] = GameSlot { timetable.settings.days.first(), 690, 710, 0 };
        data.timetable.reset();
        for (TournamentGroupData& group : data.groups)
            group.gameSlots.clear();
        m_document = std::make_unique<TournamentDocument>();
        m_document->reset(data);
        m_window = std::make_unique<TimetableWindow>(m_document.get());
        m_window->show();
        QCOMPARE(m_window->findChild<QStackedWidget*>()->currentWidget()->objectName(), "noTimetableLabel");
        m_document->setTimetable(timetable, planned, QStringLiteral("Plan the Day"));
    }
    void cleanup()
    {
        m_window.reset();
        m_document.reset();
    }

    void showsEveryGame()
    {
        QCOMPARE(accessibleNames(*m_window),
                 QStringList({ "10:00 Pitch 1: 1. Group A, Alpha v Beta", "10:00 Pitch 2: 1. Group A, Gamma v Delta",
                               "10:20 Pitch 3: 1. Group A, Alpha v Gamma", "10:50 Pitch 2: 1. Group A, Beta v Delta",
                               "11:30 Pitch 1: 2. Group B, Echo v Foxtrot", "14:00 Pitch 1: Final, 1A v 1B" }));
        QCOMPARE(m_window->findChild<QLabel*>("pitchHead3")->text(), "Pitch 3");
    }

    void keyboardMoveOntoATeamsGameIsRefused()
    {
        ScriptedPrompts prompts;
        prompts.expect("Alpha plays Gamma on Pitch 3 at 10:20.");
        auto* box = m_window->findChild<GameBox*>("game_1_1");
        box->setFocus();
        const int steps = m_document->history()->count();
        QTest::keyClick(box, Qt::Key_Down, Qt::ControlModifier);
        QVERIFY(prompts.allAnswered());
        QCOMPARE(m_document->history()->count(), steps);
        QCOMPARE(m_document->group(1).gameSlots().at(0)->start, 600);
    }

    void keyboardMoveIsOneStep()
    {
        ScriptedPrompts prompts;
        auto* box = m_window->findChild<GameBox*>("game_1_4");
        box->setFocus();
        const int steps = m_document->history()->count();
        QTest::keyClick(box, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(m_document->history()->count(), steps + 1);
        QCOMPARE(m_document->history()->undoText(), "Move Game");
        auto* moved = qobject_cast<GameBox*>(m_window->focusWidget());
        QVERIFY(moved);
        QCOMPARE(moved->accessibleName(), "10:45 Pitch 2: 1. Group A, Beta v Delta");
        m_document->history()->undo();
        QVERIFY(accessibleNames(*m_window).contains("10:50 Pitch 2: 1. Group A, Beta v Delta"));
    }

    // A PDF of a page per pitch, or a sheet per team listing its games' times, pitches and opponents.
    void printsTheDay()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("day.pdf");
        ScriptedPrompts prompts;
        prompts.expect("Save Timetable as PDF").answer(path);
        m_window->findChild<QPushButton*>("pdfButton")->click();
        QVERIFY(prompts.allAnswered());
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
        const TournamentData data = m_document->data();
        const QString teams
            = teamSheetsHtml("Cup", data.timetable->settings, timetableGames(data), { "Alpha", "Beta" });
        QVERIFY(teams.contains("<h2>Alpha</h2>"));
        QVERIFY(teams.contains("<td>10:20</td><td>Pitch 3</td><td>Gamma</td>"));
        QVERIFY(teams.indexOf("<h2>Beta</h2>") > teams.indexOf("<td>10:20</td><td>Pitch 3</td><td>Gamma</td>"));
        const QString pitches = pitchSheetsHtml("Cup", data.timetable->settings, timetableGames(data));
        QVERIFY(pitches.contains("<td>11:30</td><td>2. Group B</td><td>Echo v Foxtrot</td><td>2-1</td>"));
    }

    // The results table shows the time and pitch while there is a timetable, and takes them typed.
    void resultsTableTakesATimeAndPitch()
    {
        ResultsTableModel model(m_document.get(), 1);
        QCOMPARE(model.columnCount(), int(ResultsTableModel::ColumnCount));
        QCOMPARE(model.headerData(ResultsTableModel::Time, Qt::Horizontal).toString(), "Time");
        const QModelIndex time = model.index(0, ResultsTableModel::Time);
        const QModelIndex pitch = model.index(0, ResultsTableModel::Pitch);
        QCOMPARE(pitch.data().toString(), "Pitch 1");
        QCOMPARE(model.scoreProblem(time, "25:00"), "\"25:00\" is no time: type the kick-off as HH:MM, such as 10:25.");
        QCOMPARE(model.scoreProblem(pitch, "Pitch 9"),
                 "\"Pitch 9\" is no pitch of the timetable: type its name or its number, 1 to 3.");
        QCOMPARE(model.scoreProblem(time, "10:05"), "Alpha plays Gamma on Pitch 3 at 10:20.");
        QVERIFY(!model.setData(time, "10:05"));
        QVERIFY(model.setData(time, "09:35"));
        QCOMPARE(time.data().toString(), "09:35");
        QCOMPARE(m_document->history()->undoText(), "Move Game");
        m_document->setTimetable(std::nullopt, {}, QStringLiteral("Clear"));
        QCOMPARE(model.columnCount(), int(ResultsTableModel::Time));
    }

    // A break that is no span of time is refused, naming it; the dialog stays open with what was typed.
    void planDayRefusesABadBreak()
    {
        std::optional<TimetableSettings> planned;
        PlanDayDialog dialog(m_document->data(), [&](const TimetableSettings& settings, const auto&, QString*) {
            planned = settings;
            return true;
        });
        dialog.show();
        for (QWidget* control : dialog.findChildren<QWidget*>())
            QVERIFY2(control->focusPolicy() == Qt::NoFocus || !control->accessibleName().isEmpty()
                         || control->objectName().startsWith("qt_"),
                     qPrintable(control->objectName()));
        auto* breaks = dialog.findChild<QPlainTextEdit*>("breaksField");
        breaks->setPlainText("12:30-13:00\nlunch");
        ScriptedPrompts prompts;
        prompts.expect("The break \"lunch\" is no span of time: type each break as 12:30-13:00.");
        dialog.findChild<QPushButton*>("okButton")->click();
        QVERIFY(prompts.allAnswered());
        QVERIFY(dialog.isVisible() && !planned);
        QCOMPARE(breaks->toPlainText(), "12:30-13:00\nlunch");
        breaks->setPlainText("12:30-13:00\n15:00-15:15");
        // Hours typed for a team but not added are taken, not lost.
        auto* hours = dialog.findChild<QLineEdit*>("teamHoursField");
        hours->selectAll();
        QTest::keyClicks(hours, "10:30-18:00");
        dialog.findChild<QPushButton*>("okButton")->click();
        QVERIFY(!dialog.isVisible() && planned);
        QCOMPARE(planned->breaks.size(), 2);
        QCOMPARE(planned->teamHours.last().team, dialog.findChild<QComboBox*>("teamHoursTeamList")->currentText());
        QCOMPARE(planned->teamHours.last().hours.from, 10 * 60 + 30);
        QCOMPARE(planned->pitches, m_document->timetable()->settings.pitches);
    }

    // File > Plan the Day on a tournament without a plan: the dialog's defaults, the plan as one step, its
    // summary, and the Timetable window; planning again asks first, and No keeps the plan.
    void planDayFromTheFileMenu()
    {
        TemporarySettings temporary;
        MainWindow main;
        main.show();
        TournamentData data = m_document->data();
        data.timetable.reset();
        for (TournamentGroupData& group : data.groups)
            group.gameSlots.clear();
        main.document()->reset(data);
        TimetableSettings settings;
        settings.pitches = QStringList { "Pitch 1", "Pitch 2", "Pitch 3" };
        settings.days = { QDate(2027, 6, 12) }; // the fixtures' day
        settings.hours = { 9 * 60, 18 * 60 };
        settings.groupGameMinutes = 20;
        settings.knockoutGameMinutes = 30;
        settings.changeoverMinutes = 5;
        settings.restMinutes = 20;
        QString refusal;
        const std::optional<PlannedDay> expected = planTournamentDay(data, settings, std::nullopt, &refusal);
        QVERIFY2(expected, qPrintable(refusal));
        ScriptedPrompts prompts;
        prompts.expect(expected->summary);
        ModalDialog<PlanDayDialog> dialog([](PlanDayDialog* d) {
            d->findChild<QPlainTextEdit*>("pitchesField")->setPlainText("3");
            d->findChild<QPushButton*>("okButton")->click();
        });
        main.findChild<QAction*>("planDayAction")->trigger();
        QVERIFY(dialog.wasShown() && prompts.allAnswered());
        QCOMPARE(main.document()->timetable()->settings, settings);
        QCOMPARE(main.document()->history()->undoText(), "Plan the Day");
        QVERIFY(main.timetableWindow());
        auto* windows = main.findChild<QMenu*>("windowListMenu");
        emit windows->aboutToShow();
        QVERIFY(windows->findChild<QAction*>("timetableWindowAction"));

        prompts
            .expect("The day is planned already. Planning it again gives every game not yet played a new time and "
                    "pitch. Do you want to go on?")
            .answer(Prompts::Answer::No);
        const int steps = main.document()->history()->count();
        main.findChild<QAction*>("planDayAction")->trigger();
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().defaultAnswer, Prompts::Answer::No);
        QCOMPARE(main.document()->history()->count(), steps);
        main.document()->reset(TournamentData());
        QTRY_VERIFY(main.mdiArea()->subWindowList().isEmpty());
    }

private:
    std::unique_ptr<TournamentDocument> m_document;
    std::unique_ptr<TimetableWindow> m_window;
};

QTEST_MAIN(TestTimetableWindow)
#include "tst_timetablewindow.moc"
