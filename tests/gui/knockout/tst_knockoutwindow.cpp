// The Knockout window: what each tie says to a screen reader, a result entered through its dialog,
// the question about later results, the arrow keys, and File > Set Up Knockout Stage's refusals.
#include "ModalDialog.h"
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "core/knockout/TieResultText.h"
#include "core/reports/KnockoutReport.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/knockout/BracketView.h"
#include "gui/knockout/KnockoutSetupDialog.h"
#include "gui/knockout/KnockoutWindow.h"
#include "gui/knockout/TieBox.h"
#include "gui/knockout/TieResultDialog.h"
#include "gui/main/MainWindow.h"
#include "gui/reports/ReportWindow.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QUndoStack>

namespace {

const QStringList kTeams = { "Spain", "Germany", "France", "Brazil", "Italy", "England", "Japan", "Chile" };

// Results by tie, "QF1=2-1;QF2=1-1 aet 2-1".
QVector<QPair<QString, TieResult>> resultsOf(const QString& text)
{
    QVector<QPair<QString, TieResult>> results;
    for (const QString& entry : text.split(';', Qt::SkipEmptyParts)) {
        const std::optional<TieResult> result = readTieResultText(entry.section('=', 1), nullptr);
        results.append({ entry.section('=', 0, 0), *result });
    }
    return results;
}

// A seeded stage of the first `entrants` of kTeams, every round of `legs` games but the final.
KnockoutStage seededStage(int entrants, int legs = 1, bool thirdPlace = true)
{
    QVector<KnockoutTeam> seeds;
    for (int i = 0; i < entrants; ++i)
        seeds.append({ 0, i + 1, kTeams[i] });
    KnockoutStage stage = *KnockoutStage::fromSeeds(seeds, nullptr);
    for (int size = stage.size(); size > 2; size /= 2)
        stage.setLegs(size, legs, nullptr);
    stage.setThirdPlaceMatch(thirdPlace);
    return stage;
}

} // namespace

class TestKnockoutWindow : public QObject
{
    Q_OBJECT

    TournamentDocument m_document;
    std::unique_ptr<KnockoutWindow> m_window;

    // The window on a seeded stage with `results` entered.
    void showStage(int entrants, int legs, const QString& results)
    {
        KnockoutStage stage = seededStage(entrants, legs);
        for (const auto& [code, result] : resultsOf(results))
            QVERIFY2(stage.setResult(code, result, nullptr), qPrintable(code));
        m_document.setKnockoutStage(stage);
        m_window = std::make_unique<KnockoutWindow>(&m_document);
        m_window->show();
    }
    TieBox* box(const QString& code) const { return m_window->bracket()->tieBox(code); }
    QString spoken(const QString& code) const { return box(code)->accessibleName(); }

private slots:
    void spokenNames_data()
    {
        QTest::addColumn<int>("entrants");
        QTest::addColumn<int>("legs");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        const auto row
            = [](const char* name, int entrants, int legs, const char* results, const char* code, const char* spoken) {
                  QTest::newRow(name) << entrants << legs << results << code << spoken;
              };
        row("won", 8, 1, "QF1=2-1", "QF1", "Quarter-final 1: Spain 2, Chile 1");
        row("first leg alone", 8, 2, "QF1=2-1", "QF1",
            "Quarter-final 1: Spain 2, Chile 1 in the first leg, second leg to be played");
        row("after extra time", 8, 1, "QF1=1-1 aet 2-1", "QF1", "Quarter-final 1: Spain 2, Chile 1 after extra time");
        row("on penalties", 8, 1, "QF1=1-1 aet 1-1 pens 3-4", "QF1",
            "Quarter-final 1: Spain 1, Chile 1 after extra time, Chile won on penalties 4-3");
        row("two legs, the second listed the other way", 8, 2, "QF1=3-0 2-1", "QF1",
            "Quarter-final 1: Spain 4, Chile 2 on aggregate");
        row("to be played, a team not known", 8, 1, "QF1=0-3", "SF1", "Semi-final 1: Chile, Winner QF2, to be played");
        row("third place, not known", 8, 1, "", "3P", "Third-place match: Loser SF1, Loser SF2, to be played");
        row("bye", 3, 1, "", "SF1", "Semi-final 1: Spain, bye");
    }
    // Each tie's box says who plays, the score from the first-listed team's side and how it was decided.
    void spokenNames()
    {
        QFETCH(int, entrants);
        QFETCH(int, legs);
        QFETCH(QString, results);
        QFETCH(QString, code);
        QFETCH(QString, name);
        showStage(entrants, legs, results);
        QCOMPARE(spoken(code), name);
    }

    // With a timetable a tie shows when and where each of its games is played, and says so; a plan
    // made later shows at once.
    void showsTimesAndPitches()
    {
        QLocale::setDefault(QLocale::c());
        showStage(8, 2, "");
        Timetable timetable;
        timetable.settings.pitches = QStringList { "Pitch 1", "North" };
        timetable.knockout = { { "QF1", 1, {}, {}, { QDate(2027, 6, 12), 840, 870, 1 } },
                               { "QF1", 2, {}, {}, { QDate(2027, 6, 13), 600, 630, 0 } },
                               { "F", 1, {}, {}, { QDate(2027, 6, 13), 960, 990, 0 } } };
        m_document.setTimetable(timetable, {}, "Plan the Day");
        QCOMPARE(box("QF1")->slotTexts(),
                 QStringList({ "Leg 1: Sat 12 Jun 14:00, North", "Leg 2: Sun 13 Jun 10:00, Pitch 1" }));
        QCOMPARE(spoken("F"), "Final: Winner SF1, Winner SF2, to be played, Sun 13 Jun at 16:00 on Pitch 1");
        QCOMPARE(spoken("QF1"),
                 "Quarter-final 1: Spain, Chile, to be played, leg 1 Sat 12 Jun at 14:00 on North, leg 2 "
                 "Sun 13 Jun at 10:00 on Pitch 1");
        QCOMPARE(box("SF1")->slotTexts(), QStringList());
        QCOMPARE(box("SF1")->height(), TieBox::boxSize(box("SF1")->font(), {}, 2, 2).height());
        m_document.setTimetable(std::nullopt, {}, "Plan the Day");
        QCOMPARE(box("QF1")->slotTexts(), QStringList());
    }

    void entersResult_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("typed"); // full time, extra time, penalties; none for no dialog
        QTest::addColumn<QString>("refusal");   // "" when taken
        QTest::addColumn<QString>("semiFinal"); // SF1 afterwards
        const QString notKnown = "Semi-final 1: Winner QF1, Winner QF2, to be played";
        QTest::newRow("won") << "QF1" << QStringList { "2-1", "", "" } << ""
                             << "Semi-final 1: Spain, Winner QF2, to be played";
        QTest::newRow("on penalties") << "QF1" << QStringList { "0-0", "1-1", "2-4" } << ""
                                      << "Semi-final 1: Chile, Winner QF2, to be played";
        QTest::newRow("no score") << "QF1" << QStringList { "2:1", "", "" }
                                  << "\"2:1\" is no score: type the home team's goals, a dash and the away team's "
                                     "goals, such as 2-1."
                                  << notKnown;
        QTest::newRow("level") << "QF1" << QStringList { "1-1", "", "" }
                               << "The tie is level after full time: enter the score after extra time." << notKnown;
        QTest::newRow("teams not known") << "SF1" << QStringList()
                                         << "Who plays in Semi-final 1 is not known yet: enter the results of the "
                                            "ties before it first."
                                         << notKnown;
    }
    // A refused result keeps the dialog open with what was typed; one taken moves the winner on. A tie
    // not ready to be played says so instead.
    void entersResult()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, typed);
        QFETCH(QString, refusal);
        QFETCH(QString, semiFinal);
        showStage(8, 1, "");
        ScriptedPrompts prompts;
        if (!refusal.isEmpty())
            prompts.expect(refusal);
        ModalDialog<TieResultDialog> dialog([&](TieResultDialog* d) {
            QVERIFY(d->findChild<QPushButton*>("clearButton")->isHidden());
            const QStringList fields = { "firstLegField", "extraTimeField", "penaltiesField" };
            for (int i = 0; i < fields.size(); ++i)
                d->findChild<QLineEdit*>(fields[i])->setText(typed[i]);
            d->findChild<QPushButton*>("okButton")->click();
            QCOMPARE(d->isVisible(), !refusal.isEmpty());
            QCOMPARE(d->findChild<QLineEdit*>("firstLegField")->text(), typed[0]);
            if (d->isVisible())
                d->reject();
        });
        QTest::keyClick(box(code), Qt::Key_Return);
        QCOMPARE(dialog.wasShown(), !typed.isEmpty());
        QVERIFY(prompts.allAnswered());
        QCOMPARE(spoken("SF1"), semiFinal);
    }

    void laterResults_data()
    {
        QTest::addColumn<Prompts::Answer>("answer");
        QTest::addColumn<QString>("quarterFinal");
        QTest::addColumn<QString>("semiFinal");
        QTest::newRow("No changes nothing") << Prompts::Answer::No << "Quarter-final 1: Spain 2, Chile 1"
                                            << "Semi-final 1: Spain 1, Italy 0";
        QTest::newRow("Yes clears the semi-final") << Prompts::Answer::Yes << "Quarter-final 1: Spain 0, Chile 1"
                                                   << "Semi-final 1: Chile, Italy, to be played";
    }
    // A changed winner asks before the later result goes; undo brings it back on screen.
    void laterResults()
    {
        QFETCH(Prompts::Answer, answer);
        QFETCH(QString, quarterFinal);
        QFETCH(QString, semiFinal);
        showStage(8, 1, "QF1=2-1;QF2=0-1;SF1=1-0");
        ScriptedPrompts prompts;
        prompts
            .expect("Changing this result changes who plays in Semi-final 1, which already has a result. Clear "
                    "the later results?")
            .answer(answer);
        ModalDialog<TieResultDialog> dialog([&](TieResultDialog* d) {
            QVERIFY(!d->findChild<QPushButton*>("clearButton")->isHidden());
            d->findChild<QLineEdit*>("firstLegField")->setText("0-1");
            d->findChild<QPushButton*>("okButton")->click();
        });
        const int steps = m_document.history()->index();
        m_window->enterResult("QF1");
        QVERIFY(dialog.wasShown());
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().defaultAnswer, Prompts::Answer::No);
        QCOMPARE(spoken("QF1"), quarterFinal);
        QCOMPARE(spoken("SF1"), semiFinal);
        QCOMPARE(m_document.history()->index(), steps + (answer == Prompts::Answer::Yes ? 1 : 0));
        m_document.history()->setIndex(steps);
        QCOMPARE(spoken("SF1"), "Semi-final 1: Spain 1, Italy 0");
    }

    // The report button shows the stage's report, the champion at its end.
    void showsReport()
    {
        showStage(4, 1, "SF1=1-0;SF2=0-2;F=1-1 aet 1-1 pens 5-4");
        ModalDialog<ReportWindow> report([](ReportWindow* window) {
            const QString text = window->findChild<QPlainTextEdit*>("reportText")->toPlainText();
            QVERIFY2(text.contains("\nChampion: Spain\n"), qPrintable(text));
            window->reject();
        });
        m_window->findChild<QPushButton*>("reportButton")->click();
        QVERIFY(report.wasShown());
    }

    // On an A4 page the knockout report keeps each of its lines on one printed line, the scores
    // and marks with their games.
    void printedReport()
    {
        const Report report = knockoutReport({ "Cup", "Knockout", QDate(2000, 3, 15) }, seededStage(8, 2, false));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QTextDocument document;
        layOutReport(document, report.text, &printer);
        QCOMPARE(document.pageSize(), QSizeF(printer.pageLayout().paintRectPixels(printer.resolution()).size()));
        for (QTextBlock line = document.begin(); line.isValid(); line = line.next())
            QVERIFY2(line.layout()->lineCount() == 1, qPrintable(line.text()));
    }

    void arrowKeys_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("right to the next round") << "QF4" << int(Qt::Key_Right) << "SF2";
        QTest::newRow("left to the first tie feeding it") << "SF2" << int(Qt::Key_Left) << "QF3";
        QTest::newRow("down the round") << "QF2" << int(Qt::Key_Down) << "QF3";
        QTest::newRow("up the round") << "SF2" << int(Qt::Key_Up) << "SF1";
        QTest::newRow("nothing above the first") << "QF1" << int(Qt::Key_Up) << "QF1";
        QTest::newRow("third place below the final") << "F" << int(Qt::Key_Down) << "3P";
        QTest::newRow("final above third place") << "3P" << int(Qt::Key_Up) << "F";
        QTest::newRow("nothing after the final") << "F" << int(Qt::Key_Right) << "F";
    }
    void arrowKeys()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        showStage(8, 1, "");
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        box(from)->setFocus();
        QTest::keyClick(box(from), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), box(to));
    }

    void setsUpStage_data()
    {
        QTest::addColumn<QString>("entrants"); // the button chosen
        QTest::addColumn<QByteArray>("file");  // the template, or a device's path; empty for none at the path
        QTest::addColumn<bool>("played");      // group B's last game
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("spoken"); // the first semi-final
        const QByteArray firstRound = "tie,home,away\nSF1,1A,2B\nSF2,1B,2A\n";
        const QString spainItaly = "Semi-final 1: Spain, Italy, to be played";
        QTest::newRow("set up") << "templateButton" << firstRound << true << "" << spainItaly;
        QTest::newRow("group B unfinished")
            << "templateButton" << firstRound << false
            << "2. Group 2 still has games to play: enter every result before the knockout stage is set up."
            << "";
        QTest::newRow("no file") << "templateButton" << QByteArray() << true << ""
                                 << "";
        QTest::newRow("not a regular file")
            << "templateButton" << QByteArray("/dev/zero") << true << "Cannot read /dev/zero: it is not a regular file."
            << "";
        QTest::newRow("winners against runners-up")
            << "winnersRunnersUpButton" << QByteArray() << true << "" << spainItaly;
        QTest::newRow("seeded draw") << "seededDrawButton" << QByteArray() << true << ""
                                     << "Semi-final 1: Japan, Italy, to be played";
        QTest::newRow("seeded list typed") << "typedListButton" << QByteArray() << true << ""
                                           << "Semi-final 1: Chile, Japan, to be played";
    }
    // Refused set-ups keep the dialog open; a stage set up opens the Knockout window, listed with the groups.
    void setsUpStage()
    {
        QFETCH(QString, entrants);
        QFETCH(QByteArray, file);
        QFETCH(bool, played);
        QFETCH(QString, refusal);
        QFETCH(QString, spoken);
        TemporarySettings settings;
        MainWindow main;
        main.show();
        TournamentData data;
        data.title = "Tabulon - Cup at Leeds";
        data.GroupCount = 2;
        data.RuleCount = 2;
        data.RuleOrder[1] = 1;
        data.RuleOrder[2] = 2; // goal difference: Japan's 3-0 ranks above Spain's 2-0
        data.PointsForWin = 3;
        data.PointsForDraw = 1;
        data.groups.append({ "1. Group 1", { "Spain", "Chile" }, { "R:01-Jun-2024:0:0:2:0:0:1" }, {} });
        data.groups.append(
            { "2. Group 2", { "Japan", "Italy" }, { played ? "R:01-Jun-2024:0:0:3:0:0:1" : "F:01-Jun-2024:0:1" }, {} });
        data.TeamsInGroup[1] = data.TeamsInGroup[2] = 2;
        main.document()->reset(data);
        QTemporaryDir folder;
        const bool device = file.startsWith('/');
        const QString path = device ? QString(file) : folder.filePath("template.csv");
        QFile out(path);
        if (!file.isEmpty() && !device)
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && out.flush());
        if (file.isEmpty() && entrants == "templateButton")
            refusal = QString("Cannot read %1: No such file or directory.").arg(path);
        ScriptedPrompts prompts;
        if (!refusal.isEmpty())
            prompts.expect(refusal);
        ModalDialog<KnockoutSetupDialog> dialog([&](KnockoutSetupDialog* d) {
            for (QWidget* control : d->findChildren<QWidget*>())
                QVERIFY2(control->focusPolicy() == Qt::NoFocus || !control->accessibleName().isEmpty()
                             || control->objectName().startsWith("qt_"),
                         qPrintable(control->objectName()));
            QTest::keyClicks(d->findChild<QLineEdit*>("fileField"), "x"); // a file typed is the template
            QVERIFY(d->findChild<QRadioButton*>("templateButton")->isChecked());
            d->findChild<QLineEdit*>("fileField")->setText(path);
            d->findChild<QPlainTextEdit*>("typedListField")->setPlainText("Chile\n\nItaly\nSpain\nJapan\n");
            d->findChild<QRadioButton*>(entrants)->setChecked(true);
            d->findChild<QPushButton*>("okButton")->click();
            QCOMPARE(d->isVisible(), !refusal.isEmpty());
            QCOMPARE(d->findChild<QLineEdit*>("fileField")->text(), path);
            if (d->isVisible())
                d->reject();
        });
        main.findChild<QAction*>("setUpKnockoutAction")->trigger();
        QVERIFY(dialog.wasShown());
        QVERIFY2(prompts.allAnswered(), qPrintable(prompts.calls().isEmpty() ? "" : prompts.lastCall().text));
        QCOMPARE(main.knockoutWindow() != nullptr, refusal.isEmpty());
        QCOMPARE(main.mdiArea()->subWindowList().size(), refusal.isEmpty() ? 3 : 2);
        auto* windows = main.findChild<QMenu*>("windowListMenu");
        emit windows->aboutToShow();
        QCOMPARE(windows->findChild<QAction*>("knockoutWindowAction") != nullptr, refusal.isEmpty());
        if (main.knockoutWindow())
            QCOMPARE(main.knockoutWindow()->bracket()->tieBox("SF1")->accessibleName(), spoken);
        // Undone, the stage and its window go; a file opened with a stage brings its window, one closed takes it.
        main.document()->history()->undo();
        QVERIFY(!main.knockoutWindow());
        main.document()->history()->redo();
        main.document()->reset(main.document()->data());
        QCOMPARE(main.knockoutWindow() != nullptr, refusal.isEmpty());
        QVERIFY(main.closeTournament());
        QVERIFY(main.mdiArea()->subWindowList().isEmpty());
    }
};

QTEST_MAIN(TestKnockoutWindow)
#include "tst_knockoutwindow.moc"
