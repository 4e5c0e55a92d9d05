// The group window and the league table it opens: what needs the windows themselves. The record-line rules behind it
// are tested on GroupRecords in tst_recordlines.
#include "ModalDialog.h"
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "core/records/RecordLines.h"
#include "core/tournament/Settings.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/DatePickerDialog.h"
#include "gui/group/GroupWindow.h"
#include "gui/group/ResultEditDialog.h"
#include "gui/main/MainWindow.h"
#include "gui/reports/ReportWindow.h"
#include "gui/standings/LeagueTableWindow.h"
#include "gui/widgets/Twips.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

namespace {

using Answer = Prompts::Answer;
const QStringList kTeams = { "Rovers", "United", "Wanderers" };
const QStringList kScores = { "homeHalfTimeField", "awayHalfTimeField", "homeFullTimeField", "awayFullTimeField" };
const QStringList kEditScores = { "homeHalfTimeField", "awayHalfTimeField", "homeFullTimeField", "awayFullTimeField" };
const QString kFixture = QStringLiteral("F:07-Mar-2000:1:0"); // United v Rovers
// An edited item sits between these two, so that a new date may put it out of date order.
const QString kBefore = QStringLiteral("F:01-Jan-2000:0:1"), kAfter = QStringLiteral("F:01-Feb-2000:1:2");

enum class Item { Fixture, Result };
// Yes and No answer the question after OK; Refused first meets a score that could not be read back.
enum class Close { Yes, No, Cancel, Escape, CloseBox, Refused };

} // namespace

class TestGroupWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporarySettings> m_settings;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TournamentDocument> m_document;
    std::unique_ptr<GroupWindow> m_group; // three teams, nothing entered
    QString m_database;                   // where the next window computes its tables
    TournamentSettings m_tournament;      // the next opened tournament's settings

    template <typename T = QWidget>
    static T* ctl(const QWidget& window, const QString& name)
    {
        T* found = window.findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    static void click(const QWidget& window, const QString& name) { ctl<QPushButton>(window, name)->click(); }
    void click(const QString& name) { click(*m_group, name); }
    QString text(const QString& name) const { return ctl<QLineEdit>(*m_group, name)->text(); }
    QStringList texts(const QStringList& names) const
    {
        QStringList shown;
        for (const QString& name : names)
            shown << text(name);
        return shown;
    }
    QString shownLine(const QString& list, int row) const
    {
        return ctl<QListView>(*m_group, list)->model()->index(row, 0).data().toString();
    }
    // A row of the results table, its cells joined by "|".
    QString shownRow(int row) const
    {
        const QAbstractItemModel* results = ctl<QTableView>(*m_group, "resultTable")->model();
        QStringList cells;
        for (int column = 0; column < results->columnCount(); ++column)
            cells << results->index(row, column).data().toString();
        return cells.join(u'|');
    }

    // The entry buttons that can be pressed.
    QStringList enabledButtons() const
    {
        QStringList enabled;
        for (const char* name : { "homeButton", "awayButton", "addFixtureButton", "addResultButton" })
            if (ctl(*m_group, name)->isEnabled())
                enabled << name;
        return enabled;
    }

    // Selects a team (none for -1) and presses the button, or double-clicks the team without one.
    void choose(int team, const QString& button = QString())
    {
        auto* teams = ctl<QListView>(*m_group, "teamList");
        teams->setCurrentIndex(teams->model()->index(team, 0));
        if (button.isEmpty())
            emit teams->doubleClicked(teams->currentIndex());
        else
            click(button);
    }

    // A new window on group 1 of a freshly opened, saved tournament, holding `teams` and `lines`.
    void open(const QStringList& teams, const QStringList& lines = {})
    {
        m_group.reset();
        TournamentData data;
        static_cast<TournamentSettings&>(data) = m_tournament;
        data.GroupCount = 1;
        data.groups.append({ "1. Group A", teams, lines, {} });
        m_document->reset(data);
        m_group = std::make_unique<GroupWindow>(m_document.get(), 1, m_database);
    }
    void storeLines(const QStringList& lines, int selected = -1)
    {
        open(m_group->teams(), lines);
        m_group->selectResult(selected);
    }
    // Made large, the window gives `main` at least 80% of each way; made as small as it goes, it still
    // shows every button whole, below `main`.
    static void growsWithItsWindow(QWidget* window, const QWidget* main)
    {
        QVERIFY(window->windowFlags() & Qt::WindowMaximizeButtonHint);
        window->resize(1, 1);
        QTRY_COMPARE(window->size(), window->minimumSize());
        for (const QPushButton* button : window->findChildren<QPushButton*>())
            QVERIFY(window->rect().contains(button->geometry()) && button->width() >= button->sizeHint().width()
                    && button->y() > main->geometry().bottom());
        window->resize(1400, 900);
        QTRY_VERIFY(main->width() >= 1120 && main->height() >= 720);
    }
    static DatePickerDialog* openCalendar()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && qobject_cast<DatePickerDialog*>(window))
                return static_cast<DatePickerDialog*>(window);
        return nullptr;
    }
private slots:
    void init()
    {
        m_settings = std::make_unique<TemporarySettings>();
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_document = std::make_unique<TournamentDocument>();
        m_database.clear();
        m_tournament = TournamentSettings();
        open(kTeams);
    }

    void cleanup()
    {
        // An unexpected prompt has failed the test already.
        const bool answered = m_prompts->allAnswered();
        m_group.reset();
        m_document.reset();
        m_prompts.reset(); // even after a failure: the next test installs its own
        QVERIFY(answered);
    }

    // Every group window opens at the shared "Form Height" (a damaged one counts as none) and writes
    // its height back; it keeps its width and springs back to its minimum height (in twips). Every
    // control has a name for screen readers and lies inside the window.
    void sharesItsHeight()
    {
        writeSetting(kCompany, kProduct, "Form Height", "tall");
        MainWindow main;
        main.show();
        main.document()->start(QStringLiteral("Tabulon - Cup at Leeds"), TournamentSettings());
        const auto frame = [&main](int group) {
            if (!main.loadedGroupWindow(group)) // each window opens as its group is added
                main.document()->addGroup(QStringLiteral("%1. Division %1").arg(group));
            return qobject_cast<QMdiSubWindow*>(main.loadedGroupWindow(group)->parentWidget());
        };
        const auto twips = [](int width, int height) { return QSize(twipsToPixels(width), twipsToPixels(height)); };
        // Every control has a name for screen readers, lies inside the window and overlaps no other.
        const auto laidOut = [](GroupWindow* group) {
            const QWidget* entry = group->findChild<QWidget*>("entryArea");
            const QList<QWidget*> controls = entry->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            for (const QWidget* control : controls) {
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
                QVERIFY2(entry->rect().contains(control->geometry()), qPrintable(control->objectName()));
                for (const QWidget* other : controls)
                    QVERIFY2(other == control || !other->geometry().intersects(control->geometry()),
                             qPrintable(control->objectName() + " " + other->objectName()));
            }
        };
        QCOMPARE(frame(1)->height(), twips(0, 8100).height()); // a damaged height counts as none
        QVERIFY(frame(1)->width() >= twips(9600, 0).width());
        frame(1)->resize(twips(12000, 6000));
        QCOMPARE(frame(1)->size(), twips(12000, 6000));
        QCOMPARE(frame(2)->height(), twips(0, 6000).height()); // the height last used
        frame(2)->resize(twips(3000, 3000));
        QCOMPARE(frame(2)->size(), twips(6435, 4890)); // never smaller than it always was
        QCOMPARE(readSetting(kCompany, kProduct, "Form Height", QString()), QStringLiteral("4890"));
        laidOut(main.loadedGroupWindow(2));
        // At 1400x900, with the league table beside them, the results take at least half the width.
        GroupWindow* group = main.loadedGroupWindow(1);
        group->setLeagueTablePanelShown(true);
        frame(1)->resize(1400, 900);
        QTRY_VERIFY(ctl(*group, "resultTable")->width() >= 700);
        QVERIFY(ctl(*group, "leagueTablePanel")->isVisible());
        laidOut(group);
        frame(1)->showMaximized(); // the window takes the whole area
        QTRY_COMPARE(frame(1)->size(), main.mdiArea()->viewport()->size());
        laidOut(group);
    }

    // Home, then away, then the add buttons; a team cannot meet itself, and Clear starts again.
    void choosingTeamsStepsThroughTheEntryStates()
    {
        const QStringList entry = QStringList { "homeTeamField", "awayTeamField" } + kScores;
        choose(-1, "homeButton"); // without a selection nothing happens
        QCOMPARE(enabledButtons(), QStringList({ "homeButton" }));
        choose(1, "homeButton");
        QCOMPARE(enabledButtons(), QStringList({ "awayButton" }));
        m_prompts->expect("Unable to play same team home and away").answer(Answer::Ok);
        choose(1, "awayButton");
        QCOMPARE(enabledButtons(), QStringList({ "awayButton" }));
        choose(2, "awayButton");
        QCOMPARE(enabledButtons(), QStringList({ "homeButton", "addFixtureButton", "addResultButton" }));
        choose(0, "homeButton"); // home again keeps the add buttons
        QCOMPARE(enabledButtons(), QStringList({ "awayButton", "addFixtureButton", "addResultButton" }));
        ctl<QLineEdit>(*m_group, "awayHalfTimeField")->setText("3");
        click("clearButton");
        QCOMPARE(enabledButtons(), QStringList({ "homeButton" }));
        QCOMPARE(texts(entry), QStringList({ "", "", "0", "0", "0", "0" }));
        choose(2); // a double click picks home, the next one away
        choose(0);
        QCOMPARE(texts(entry), QStringList({ "Wanderers", "Rovers", "0", "0", "0", "0" }));
    }

    // The new item goes last, selected, and the entry is cleared for the next one (the scores lose
    // their blanks). An unusable score or a full list is refused: nothing is stored and the entry
    // stays as typed, to be corrected.
    void addingStoresTheItemLast_data()
    {
        QTest::addColumn<Item>("item");
        QTest::addColumn<QStringList>("scores");
        QTest::addColumn<int>("before"); // lines already stored
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored"); // the new line, dated today
        QTest::addColumn<QString>("shown");  // its row in the table, %1 for today
        const QString full = "This group already holds 32767 fixtures and results, as many as a group can hold.\r"
                             "Delete an item before adding another.";
        const QString typo = "The home full-time score is not valid.\rThe score \"1o\" is not a number.";
        const QString halfTime = "The home half-time score (5) is more than the full-time score (1).";
        const QStringList zeros = { "0", "0", "0", "0" };
        QTest::newRow("fixture ignores the scores") << Item::Fixture << QStringList { "5", "x", "5", "5" } << 1 << ""
                                                    << "F::0:2"
                                                    << "%1|Rovers||Wanderers|";
        QTest::newRow("result, blanks trimmed") << Item::Result << QStringList { " 1", "1 ", "  2  ", "\t1" } << 1 << ""
                                                << "R::1:1:2:1:0:2"
                                                << "%1|Rovers|2-1|Wanderers|1-1";
        QTest::newRow("1o typed for 10 refused")
            << Item::Result << QStringList { "0", "0", "1o", "2" } << 1 << typo << ""
            << "";
        QTest::newRow("half-time above full-time refused")
            << Item::Result << QStringList { "5", "0", "1", "0" } << 1 << halfTime << ""
            << "";
        QTest::newRow("full list refuses a fixture") << Item::Fixture << zeros << 32767 << full << ""
                                                     << "";
        QTest::newRow("full list refuses a result") << Item::Result << zeros << 32767 << full << ""
                                                    << "";
    }
    void addingStoresTheItemLast()
    {
        QFETCH(Item, item);
        QFETCH(QStringList, scores);
        QFETCH(int, before);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        const QStringList lines(before, QStringLiteral("F:31-Dec-9999:1:2")); // later, yet new items go last
        storeLines(lines);
        choose(0, "homeButton");
        choose(2, "awayButton");
        for (int k = 0; k < 4; ++k)
            ctl<QLineEdit>(*m_group, kScores[k])->setText(scores[k]);
        if (!message.isEmpty())
            m_prompts->expect(message).answer(Answer::Ok);
        click(item == Item::Fixture ? "addFixtureButton" : "addResultButton");

        const QString today = formatRecordDate(QDate::currentDate());
        QCOMPARE(m_group->storedLines(), stored.isEmpty() ? lines : lines + QStringList { stored.insert(2, today) });
        QCOMPARE(!m_document->isModified(), stored.isEmpty());
        QCOMPARE(text("entryDateField"), today);
        if (!message.isEmpty()) {
            QCOMPARE(texts(kScores), scores);
            return;
        }
        QCOMPARE(m_group->selectedResult(), before);
        QCOMPARE(shownRow(before), shown.arg(today));
        QCOMPARE(texts(kScores), QStringList({ "0", "0", "0", "0" }));
        QCOMPARE(enabledButtons(), QStringList({ "homeButton" }));
    }

    // The name prompt starts with the current name, and after a refusal with the refused text; a
    // rename, like a sort that moves lines, is a change to save. An unchanged name asks nothing more.
    void renameAndSortMarkTheTournamentUnsaved()
    {
        const QString separator = teamNameProblem("a-v-b");
        m_prompts->expect("Enter New Name").answer("United");
        choose(1, "editNameButton");
        QVERIFY(!m_document->isModified());
        m_group->setWindowTitle("1. Division A");
        m_prompts->expect("Enter New Name").answer("Un-v-ited");
        m_prompts->expect(separator).answer(Answer::Ok);
        m_prompts->expect("Enter New Name").answer(" rovers");
        m_prompts->expect("There is already a team called \"Rovers\" in 1. Division A.").answer(Answer::Ok);
        m_prompts->expect("Enter New Name").answer("City");
        m_prompts->expect("Are you sure you want to change\rUnited to City").answer(Answer::Yes);
        click("editNameButton");
        QCOMPARE(m_prompts->calls().at(0).defaultText, QStringLiteral("United"));
        QCOMPARE(m_prompts->calls().at(3).defaultText, QStringLiteral("Un-v-ited"));
        QCOMPARE(m_prompts->calls().at(5).defaultText, QStringLiteral(" rovers"));
        QCOMPARE(m_group->teams().at(1), QStringLiteral("City"));
        QCOMPARE(shownLine("teamList", 1), QStringLiteral("City"));
        QVERIFY(m_document->isModified());

        storeLines({ kBefore, kAfter });
        click("sortButton");
        QVERIFY(!m_document->isModified());
        storeLines({ kAfter, kBefore });
        click("sortButton");
        QCOMPARE(m_group->storedLines(), QStringList({ kBefore, kAfter }));
        QCOMPARE(shownRow(0), QStringLiteral("01-Jan-2000|Rovers||City|"));
        QVERIFY(m_document->isModified());
    }

    // No line is ever cut short (the list scrolls sideways), and a row is tall enough for the
    // accents above capitals.
    void listsShowWholeLines()
    {
        const QString longName = QStringLiteral("Östersunds Fotbollsklubb Ungdomsakademi och Damlag");
        open({ "A", longName }, { "F:07-Mar-2000:0:0", "F:07-Mar-2000:0:1" }); // a team cannot play itself
        m_group->show();
        m_group->resize(m_group->minimumSize());
        auto* results = ctl<QTableView>(*m_group, "resultTable");
        QCOMPARE(results->textElideMode(), Qt::ElideNone);
        QCOMPARE(results->columnSpan(0, 0), 5); // the line that cannot be read, across the row
        QCOMPARE(shownRow(0), QStringLiteral("F:07-Mar-2000:0:0||||"));
        QVERIFY(results->columnWidth(3) >= results->fontMetrics().horizontalAdvance(longName));
        QVERIFY(results->rowHeight(1) > results->fontMetrics().height()); // room for the margins around the text
        QVERIFY(results->horizontalScrollBar()->maximum() > 0);
    }

    // Inside the main window the group's access keys win over the menus': Alt+H is "&Home", not Help. Alt+A
    // presses Away, and Alt+R in a score field presses Add Result instead of typing "r".
    void accessKeysPressTheGroupsButtons()
    {
        MainWindow main;
        main.show();
        TournamentData data;
        data.GroupCount = 1;
        data.groups.append({ QStringLiteral("1. Division 1"), kTeams, {}, {} });
        main.document()->reset(data);
        main.activateGroupWindow(1);
        GroupWindow* group = main.loadedGroupWindow(1);
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto* teams = ctl<QListView>(*group, "teamList");
        teams->setFocus();
        teams->setCurrentIndex(teams->model()->index(2, 0));
        QTest::keyClick(teams, Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(ctl<QLineEdit>(*group, "homeTeamField")->text(), QStringLiteral("Wanderers"));
        teams->setCurrentIndex(teams->model()->index(0, 0));
        QTest::keyClick(teams, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(ctl<QLineEdit>(*group, "awayTeamField")->text(), kTeams[0]);
        auto* score = ctl<QLineEdit>(*group, "homeFullTimeField");
        score->setFocus();
        score->setText("1");
        QTest::keyClick(score, Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(group->storedLines().size(), 1);
        QVERIFY2(group->storedLines()[0].startsWith("R:"), qPrintable(group->storedLines()[0]));
        QVERIFY(!score->text().contains(u'r'));
    }

    // Every access key of the window belongs to one control only.
    void accessKeysAreUnique()
    {
        QStringList keys;
        for (const QAbstractButton* button : m_group->findChildren<QAbstractButton*>())
            keys << QKeySequence::mnemonic(button->text()).toString();
        for (const QLabel* label : m_group->findChildren<QLabel*>())
            if (label->buddy())
                keys << QKeySequence::mnemonic(label->text()).toString();
        keys.removeAll(QString());
        keys.sort();
        QStringList shared;
        for (int i = 1; i < keys.size(); ++i)
            if (keys[i] == keys[i - 1])
                shared << keys[i];
        QCOMPARE(shared, QStringList());
        QVERIFY(keys.contains("Alt+T")); // Edit Date
    }

    // Without a selection Delete asks nothing and neither edit opens a dialog; a line too short to read
    // is refused. Delete asks first, Enter answering No, and only Yes removes the selected item.
    void deleteAndEditNeedASelection()
    {
        storeLines({ kBefore, "R:07-Mar-2000:1:0:2", kAfter });
        ModalDialog<QDialog> unexpected([](QDialog* dialog) { dialog->reject(); });
        for (const char* button : { "deleteButton", "editResultButton", "editDateButton" })
            click(button);
        QVERIFY(!unexpected.wasShown());
        m_group->selectResult(1);
        m_prompts->expect("This item cannot be edited: the line has too few fields.").answer(Answer::Ok);
        click("editResultButton");
        m_prompts->expect("Are you sure you want to delete this item ?").answer(Answer::No);
        click("deleteButton");
        QCOMPARE(m_group->storedLines().size(), 3);
        QVERIFY(!m_document->isModified());
        m_prompts->expect("Are you sure you want to delete this item ?").answer(Answer::Yes);
        click("deleteButton");
        QCOMPARE(m_prompts->lastCall().defaultAnswer, Answer::No); // Enter deletes nothing
        QCOMPARE(m_group->storedLines(), QStringList({ kBefore, kAfter }));
        QCOMPARE(shownRow(1), QStringLiteral("01-Feb-2000|United||Wanderers|"));
        QCOMPARE(m_group->selectedResult(), -1);
        QVERIFY(m_document->isModified());
    }

    // A press moves the date one day, a held button once more after 250 ms, then every 50 ms. The calendar
    // opens at the entry date and the window rests meanwhile; Cancel or Escape keeps the date, OK takes its own.
    void dateButtonsAndCalendar()
    {
        const QDate today = QDate::currentDate();
        auto* timer = m_group->findChild<QTimer*>("dateRepeatTimer");
        QTest::mousePress(ctl(*m_group, "nextDateButton"), Qt::RightButton); // any mouse button
        QCOMPARE(text("entryDateField"), formatRecordDate(today.addDays(1)));
        QCOMPARE(timer->interval(), 250);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QCOMPARE(timer->interval(), 50);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QTest::mouseRelease(ctl(*m_group, "nextDateButton"), Qt::RightButton);
        QVERIFY(!timer->isActive());
        QCOMPARE(text("entryDateField"), formatRecordDate(today.addDays(3)));
        QTest::mouseClick(ctl(*m_group, "previousDateButton"), Qt::LeftButton);
        const QString entry = formatRecordDate(today.addDays(2));
        QCOMPARE(text("entryDateField"), entry);

        click("calendarButton");
        QVERIFY(openCalendar());
        QVERIFY(!m_group->isEnabled());
        auto* cal = ctl<QCalendarWidget>(*openCalendar(), "calendar");
        QCOMPARE(cal->selectedDate(), today.addDays(2));
        // A record date keeps a four-digit year; the dialog can be moved by its title and read aloud.
        QCOMPARE(cal->minimumDate(), QDate(100, 1, 1));
        QCOMPARE(cal->maximumDate(), QDate(9999, 12, 31));
        for (const char* part : { "qt_calendar_prevmonth", "qt_calendar_nextmonth", "qt_calendar_calendarview" })
            QVERIFY2(!ctl(*cal, part)->accessibleName().isEmpty(), part);
        QTest::mouseClick(ctl(*m_group, "nextDateButton"), Qt::LeftButton);
        cal->setSelectedDate(QDate(2010, 12, 24));
        QTest::keyClick(openCalendar(), Qt::Key_Escape);
        QCOMPARE(text("entryDateField"), entry);
        QVERIFY(m_group->isEnabled());
        QTRY_VERIFY(!openCalendar());
        click("calendarButton");
        ctl<QCalendarWidget>(*openCalendar(), "calendar")->setSelectedDate(QDate(2010, 12, 24));
        click(*openCalendar(), "okButton");
        QCOMPARE(text("entryDateField"), QStringLiteral("24-Dec-2010"));
    }

    // The dialog shows the item; after OK and Yes it stores the scores as typed, and after No, Cancel, Escape
    // or its close box nothing changes. An unusable score is refused and the dialog stays open on it.
    void resultEditReplacesTheItemOnlyWhenConfirmed_data()
    {
        QTest::addColumn<Close>("close");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Yes: stored as typed") << Close::Yes << "R:07-Mar-2000: 1:0 :02:3:1:0";
        QTest::newRow("No to the question") << Close::No << kFixture;
        QTest::newRow("Cancel") << Close::Cancel << kFixture;
        QTest::newRow("Escape") << Close::Escape << kFixture;
        QTest::newRow("close box") << Close::CloseBox << kFixture;
        QTest::newRow("1o refused, then corrected") << Close::Refused << "R:07-Mar-2000: 1:0 :02:3:1:0";
    }
    void resultEditReplacesTheItemOnlyWhenConfirmed()
    {
        QFETCH(Close, close);
        QFETCH(QString, expected);
        storeLines({ kBefore, kFixture, kAfter }, 1);
        if (close == Close::Refused)
            m_prompts->expect("The away full-time score is not valid.\rThe score \"1o\" is not a number.");
        if (close == Close::Yes || close == Close::No || close == Close::Refused)
            m_prompts->expect("Are you sure you want to make this change")
                .answer(close == Close::No ? Answer::No : Answer::Yes);
        QStringList shown;
        ModalDialog<ResultEditDialog> driver([&](ResultEditDialog* dialog) {
            for (const QString& name : QStringList { "homeTeamField", "awayTeamField" } + kEditScores)
                shown << ctl<QLineEdit>(*dialog, name)->text();
            const QStringList typed = { " 1", "0 ", "02", "3" };
            for (int k = 0; k < 4; ++k)
                ctl<QLineEdit>(*dialog, kEditScores[k])->setText(typed[k]);
            auto* awayScore = ctl<QLineEdit>(*dialog, "awayFullTimeField");
            if (close == Close::Refused) {
                awayScore->setText("1o");
                click(*dialog, "okButton");
                QVERIFY(dialog->isVisible());
                QCOMPARE(dialog->focusWidget(), awayScore);
                QCOMPARE(m_group->storedLines()[1], kFixture);
                awayScore->setText(typed[3]);
            }
            if (close == Close::Escape)
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (close == Close::CloseBox)
                dialog->close();
            else
                click(*dialog, close == Close::Cancel ? "cancelButton" : "okButton");
            if (close == Close::No) { // back to the scores as typed, which only Cancel drops
                QVERIFY(dialog->isVisible());
                for (int k = 0; k < 4; ++k)
                    QCOMPARE(ctl<QLineEdit>(*dialog, kEditScores[k])->text(), typed[k]);
                click(*dialog, "cancelButton");
            }
        });
        auto* results = ctl<QTableView>(*m_group, "resultTable");
        emit results->doubleClicked(results->currentIndex()); // as the Edit button does

        QCOMPARE(shown, QStringList({ "United", "Rovers", "0", "0", "0", "0" }));
        QCOMPARE(m_group->storedLines(), QStringList({ kBefore, expected, kAfter }));
        QCOMPARE(shownRow(1),
                 expected == kFixture ? "07-Mar-2000|United||Rovers|" : "07-Mar-2000|United|2-3|Rovers|1-0");
        QCOMPARE(!m_document->isModified(), expected == kFixture);
    }

    // The table follows each change as the document reports it: one row put in, changed or taken out,
    // and only a change of the whole list (a sort) starts the rows anew; each row shows its game.
    void resultTableFollowsEachChange()
    {
        storeLines({ kFixture, "R:07-Mar-2000:2:1:3:1:1:0", "F:2000:0" });
        QAbstractItemModel* results = ctl<QTableView>(*m_group, "resultTable")->model();
        QSignalSpy reset(results, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(results, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(results, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(results, &QAbstractItemModel::dataChanged);
        m_document->addResult(1, "14-Mar-2000", { "", "", "1", "0" }, 0, 2);
        m_document->replaceItem(1, 0, "R:07-Mar-2000:0:0:1:1:0:1");
        m_document->removeItem(1, 1);
        m_document->history()->undo();
        QCOMPARE(reset.size(), 0);
        QCOMPARE((QList<int> { int(inserted.size()), int(removed.size()), int(changed.size()) }),
                 QList<int>({ 2, 1, 1 }));
        QCOMPARE(inserted.last().at(1).toInt(), 1);
        QCOMPARE(shownRow(0), QStringLiteral("07-Mar-2000|Rovers|1-1|United|0-0"));
        QCOMPARE(shownRow(1), QStringLiteral("07-Mar-2000|United|3-1|Rovers|2-1"));
        QCOMPARE(shownRow(2), QStringLiteral("F:2000:0||||"));
        QCOMPARE(shownRow(3), QStringLiteral("14-Mar-2000|Rovers|1-0|Wanderers|"));
        m_document->setItems(1, m_document->group(1).storedLines().mid(1), TournamentDocument::ItemsChange::Sort);
        QCOMPARE(reset.size(), 1);
        QCOMPARE(results->rowCount(), 3);
    }

    // A score typed into a fixture's Score cell and Enter make it a result, one step to undo, and open the next
    // fixture's Score cell; a text that is no score is refused and stays to be corrected. HT is typed the same way.
    // A digit typed on a selected row starts its score; a correction stays; Tab leaves the table.
    // After each entry the panel beside the results shows what the League Table window shows.
    void typedScoresMakeResults()
    {
        QTemporaryDir folder;
        m_tournament.RuleCount = 1;
        m_tournament.RuleOrder = { 0, 1 };
        m_database = folder.filePath("TempDB.mdb");
        QVERIFY(QFile::copy(TABULON_TEMPDB, m_database));
        QFile::setPermissions(m_database, QFile::ReadOwner | QFile::WriteOwner);
        open(kTeams, { kFixture, "F:14-Mar-2000:0:2", "F:21-Mar-2000:2:1" });
        m_group->setLeagueTablePanelShown(true);
        m_group->show();
        QVERIFY(QTest::qWaitForWindowActive(m_group.get()));
        auto* results = ctl<QTableView>(*m_group, "resultTable");
        const auto panelMatchesTheWindow = [&] {
            const QAbstractItemModel* panel = ctl<QTableView>(*m_group, "leagueTablePanel")->model();
            QStringList fromPanel, fromWindow;
            for (int row = 0; row < panel->rowCount(); ++row) {
                QStringList cells; // Team, W, D, L, F, A, GD, Pts
                for (int column : { 1, 3, 4, 5, 6, 7, 8, 9 })
                    cells << panel->index(row, column).data().toString();
                fromPanel << cells.join(u',');
            }
            ModalDialog<LeagueTableWindow> driver([&](LeagueTableWindow* window) {
                const QAbstractItemModel* grid = ctl<QTableView>(*window, "leagueTableView")->model();
                QStringList order; // the window's columns, by the panel's names
                for (const char* heading :
                     { "Competitors Name", "Won", "Drawn", "Lost", "For", "Against", "Diff", "Pts" })
                    for (int column = 0; column < grid->columnCount(); ++column)
                        if (grid->headerData(column, Qt::Horizontal).toString() == QLatin1String(heading))
                            order << QString::number(column);
                for (int row = 0; row < grid->rowCount(); ++row) {
                    QStringList cells;
                    for (const QString& column : order)
                        cells << grid->index(row, column.toInt()).data().toString();
                    fromWindow << cells.join(u',');
                }
                window->accept();
            });
            click("leagueTableButton");
            QCOMPARE(fromPanel, fromWindow);
            // The keyboard is back in the window, on the table whose cell the button took the focus from.
            QTRY_COMPARE(QApplication::focusWidget(), results);
            results->edit(results->currentIndex());
        };
        const auto type = [&](const QString& text) {
            auto* editor = qobject_cast<QLineEdit*>(results->indexWidget(results->currentIndex()));
            QVERIFY(editor);
            editor->clear();
            QTest::keyClicks(editor, text);
            QTest::keyClick(editor, Qt::Key_Return);
        };
        results->setCurrentIndex(results->model()->index(0, 2));
        results->edit(results->currentIndex());
        type("2-1");
        QCOMPARE(m_group->storedLines()[0], QStringLiteral("R:07-Mar-2000:::2:1:1:0"));
        QCOMPARE(m_document->history()->count(), 1);
        QCOMPARE(results->currentIndex(), results->model()->index(1, 2));
        panelMatchesTheWindow();
        m_prompts->expect("\"x\" is not a score: type the two teams' goals, such as 2-1.");
        type("x");
        QCOMPARE(qobject_cast<QLineEdit*>(results->indexWidget(results->currentIndex()))->text(), QStringLiteral("x"));
        type("1 1");
        panelMatchesTheWindow();
        type("0:3");
        panelMatchesTheWindow();
        QCOMPARE(m_group->storedLines()[2], QStringLiteral("R:21-Mar-2000:::0:3:2:1"));
        m_document->history()->undo();
        QCOMPARE(m_group->storedLines()[2], QStringLiteral("F:21-Mar-2000:2:1"));
        // A digit typed on a row selected by the keyboard starts its Score cell; a correction stays on its row.
        m_group->selectResult(0);
        QTest::keyClick(results, '0');
        QCOMPARE(results->currentIndex(), results->model()->index(0, 2));
        auto* editor = qobject_cast<QLineEdit*>(results->indexWidget(results->currentIndex()));
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("0"));
        QTest::keyClicks(editor, "-5");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(m_group->storedLines()[0], QStringLiteral("R:07-Mar-2000:::0:5:1:0"));
        QCOMPARE(results->currentIndex(), results->model()->index(0, 2));
        // Half-time scores go down their column.
        m_prompts->expect("The home half-time score (3) is more than the full-time score (0).");
        results->setCurrentIndex(results->model()->index(0, 4));
        results->edit(results->currentIndex());
        type("3-0");
        type("0-0");
        QCOMPARE(m_group->storedLines()[0], QStringLiteral("R:07-Mar-2000:0:0:0:5:1:0"));
        QCOMPARE(results->currentIndex(), results->model()->index(1, 4));
        type("1-1");
        QCOMPARE(m_group->storedLines()[1], QStringLiteral("R:14-Mar-2000:1:1:1:1:0:2"));
        // Tab takes the score and leaves the table, Shift+Tab leaves it backwards: neither wraps inside it.
        results->setCurrentIndex(results->model()->index(2, 2));
        results->edit(results->currentIndex());
        editor = qobject_cast<QLineEdit*>(results->indexWidget(results->currentIndex()));
        QTest::keyClicks(editor, "4-4");
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(m_group->storedLines()[2], QStringLiteral("R:21-Mar-2000:::4:4:2:1"));
        QCOMPARE(QApplication::focusWidget(), ctl(*m_group, "leagueTableButton"));
        results->setFocus();
        QTest::keyClick(results, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), ctl(*m_group, "awayFullTimeField"));
    }

    // Both reports show in their window, which copies, prints (here to a PDF file) and saves as RTF
    // what it shows; however it closes, the report's tagged file goes with it.
    void reportsShowInTheirWindow()
    {
        QTemporaryDir folder;
        m_tournament.RuleCount = 1;
        m_tournament.RuleOrder = { 0, 1 };
        m_database = folder.filePath("TempDB.mdb");
        QVERIFY(QFile::copy(TABULON_TEMPDB, m_database));
        QFile::setPermissions(m_database, QFile::ReadOwner | QFile::WriteOwner);
        storeLines({ kFixture, "f:07-Mar-2000:0:1" }); // a fixture, and a line that cannot be read
        m_prompts->expect("1. Group A has no results yet.");
        click("resultsReportButton");
        storeLines({ "f:07-Mar-2000:0:1" });
        m_prompts->expect("1. Group A has no fixtures yet.");
        click("fixtureListButton");
        storeLines({ kFixture }); // a fixture list needs no result
        const QString pdf = folder.filePath("report.pdf"), rtf = folder.filePath("report.rtf");
        m_prompts->expect("Print").answer(pdf);
        m_prompts->expect("Print").answer(folder.filePath("gone/report.pdf"));
        m_prompts->expect(
            QStringLiteral("The report could not be printed on %1.").arg(folder.filePath("gone/report.pdf")));
        m_prompts->expect("Save Report ...").answer(rtf);
        m_prompts->expect("Save Report ...").answer(folder.filePath("report")); // gets ".htm"
        m_prompts->expect("Save Report ...").answer(folder.filePath("report")); // gets ".xlsx"
        // Not through a link to a file elsewhere: refused with the reason, as every export refuses it.
        const QString link = folder.filePath("link.rtf");
        QVERIFY(QFile::link(pdf, link));
        m_prompts->expect("Save Report ...").answer(link);
        m_prompts->expect("File Exists.  Overwrite ?").answer(Prompts::Answer::Yes);
        m_prompts->expect("An Error has occurred\r\r" + link + " is a symbolic link.");
        QStringList shown;
        QStringList taggedFiles;
        const auto show = [&](const QString& button, const std::function<void(ReportWindow*)>& close) {
            ModalDialog<ReportWindow> driver([&](ReportWindow* window) {
                shown << ctl<QPlainTextEdit>(*window, "reportText")->toPlainText();
                taggedFiles << window->taggedFile();
                QVERIFY(QFileInfo::exists(window->taggedFile()));
                close(window);
            });
            click(button);
        };
        show("fixtureListButton", [&](ReportWindow* window) {
            growsWithItsWindow(window, ctl(*window, "reportText"));
            ModalDialog<QPrintPreviewDialog> preview([](QPrintPreviewDialog* dialog) {
                QCOMPARE(dialog->findChild<QPrintPreviewWidget*>()->pageCount(), 1);
                dialog->reject();
            });
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window, Qt::Key_V, Qt::AltModifier); // no other button of the window answers Alt+V
            QTRY_VERIFY(preview.wasShown());
            click(*window, "copyButton");
            click(*window, "printButton");
            click(*window, "printButton");
            click(*window, "saveRtfButton");
            QVERIFY(QFile::remove(window->taggedFile())); // the exports are made from the report itself
            click(*window, "saveHtmlButton");
            click(*window, "saveExcelButton");
            click(*window, "saveRtfButton");
            QTest::keyClick(window, Qt::Key_Escape);
        });
        storeLines({ "R:07-Mar-2000:1:0:2:1:0:1", kFixture });
        show("resultsReportButton", [&](ReportWindow* window) { click(*window, "closeButton"); });
        // A tagged file that cannot be written (the temporary folder is a file) does not hide the report;
        // the exports that need it say why instead of asking where to save.
        const QString notAFolder = folder.filePath("not-a-folder");
        QVERIFY(QFile(notAFolder).open(QIODevice::WriteOnly));
        const std::optional<QByteArray> temporaryFolder
            = qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
        qputenv("TMPDIR", QFile::encodeName(notAFolder));
        ModalDialog<ReportWindow> untagged([&](ReportWindow* window) {
            QVERIFY(window->taggedFile().isEmpty());
            QVERIFY(window->taggedFileError().startsWith("Cannot write the report file " + notAFolder));
            m_prompts->expect("An Error has occurred\r\r" + window->taggedFileError());
            m_prompts->expect("An Error has occurred\r\r" + window->taggedFileError());
            click(*window, "saveHtmlButton");
            click(*window, "saveExcelButton");
            click(*window, "closeButton");
        });
        click("resultsReportButton");
        temporaryFolder ? qputenv("TMPDIR", *temporaryFolder) : qunsetenv("TMPDIR");
        QVERIFY(untagged.wasShown());
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[0].contains("\nUnited-v-Rovers                         \n"));
        QVERIFY(shown[1].contains("\nRovers-v-United                         (1-0)       2-1\n"));
        QCOMPARE(QGuiApplication::clipboard()->text(), shown[0]);
        QVERIFY(QFileInfo(pdf).size() > 0);
        QVERIFY(QFileInfo(rtf).size() > 0);
        QFile page(folder.filePath("report.htm"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("<H1>Fixtures For </H1>")); // from the report, not the view
        QVERIFY(QFileInfo(folder.filePath("report.xlsx")).size() > 0);
        QCOMPARE(taggedFiles.size(), 2);
        for (const QString& tagged : std::as_const(taggedFiles))
            QVERIFY(!QFileInfo::exists(tagged));
        QVERIFY(m_group->isEnabled());
    }

    // Rules 1, 5: Rovers beat United 2-1, United beat Rovers 1-0, and a team with a long name has a fixture.
    // While the table is shown the group window rests, and has the focus back after; nothing in it is cut or editable;
    // each row says why it is there.
    void leagueTableButton()
    {
        QTemporaryDir folder;
        m_tournament.RuleCount = 2;
        m_tournament.RuleOrder = { 0, 1, 5 };
        m_database = folder.filePath("TempDB.mdb");
        QVERIFY(QFile::copy(TABULON_TEMPDB, m_database));
        QFile::setPermissions(m_database, QFile::ReadOwner | QFile::WriteOwner);
        open({ "Rovers", "United", "Borussia Verein für Leibesübungen Mönchengladbach 1900 e.V." },
             { "R:07-Mar-2000:1:0:2:1:0:1", "R:14-Mar-2000:0:0:1:0:1:0", "F:21-Mar-2000:2:0" });
        m_group->show();
        QVERIFY(QTest::qWaitForWindowActive(m_group.get()));
        ctl(*m_group, "leagueTableButton")->setFocus();
        QStringList seen;
        QStringList why; // each row's tooltip, which is also its accessible description
        ModalDialog<LeagueTableWindow> driver([&](LeagueTableWindow* window) {
            auto* grid = ctl<QTableView>(*window, "leagueTableView");
            for (int r = -1, width = 0; r < grid->model()->rowCount(); ++r, width = 0) {
                QStringList cells;
                for (int c = 0; c < grid->model()->columnCount(); width += grid->columnWidth(c++))
                    cells << (r < 0 ? grid->model()->headerData(c, Qt::Horizontal) : grid->model()->index(r, c).data())
                                 .toString();
                seen << cells.join(u',');
                const QModelIndex last = grid->model()->index(r, grid->model()->columnCount() - 1);
                if (r >= 0)
                    why << last.data(Qt::ToolTipRole).toString();
                QCOMPARE(last.siblingAtColumn(0).data(Qt::AccessibleDescriptionRole), last.data(Qt::ToolTipRole));
                QVERIFY(grid->columnWidth(0) > grid->fontMetrics().horizontalAdvance(cells[0]));
                QVERIFY(grid->viewport()->width() >= width);
            }
            const QCursor* cursor = QGuiApplication::overrideCursor(); // the hourglass ends once the table is there
            QVERIFY(!cursor || cursor->shape() != Qt::WaitCursor);
            QVERIFY(!m_group->isEnabled());
            QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
            QCOMPARE(window->windowTitle(), QStringLiteral("League Table - 1. Group A"));
            growsWithItsWindow(window, grid);
            click(*window, "closeButton");
        });
        click("leagueTableButton");
        QCOMPARE(seen,
                 (QStringList { "Competitors Name,Won,Drawn,Lost,For,Against,Diff,Pts", "United,1,0,1,2,2,0,3",
                                "Rovers,1,0,1,2,2,0,3",
                                "Borussia Verein für Leibesübungen Mönchengladbach 1900 e.V.,0,0,0,0,0,0,0" }));
        QCOMPARE(
            why,
            (QStringList { "", "level on 3 points; lost the last deciding game between them", "points 0 against 3" }));
        QVERIFY(m_group->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), ctl(*m_group, "leagueTableButton")); // the keyboard works on

        // A missing file is not created: the computation says why and shows no table.
        const QString absent = folder.filePath("Absent.mdb");
        m_database = absent;
        storeLines(m_group->storedLines());
        m_prompts->expect("Error 14 - unable to open database file").answer(Answer::Ok);
        click("leagueTableButton");
        QVERIFY(m_group->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!QFileInfo::exists(absent));

        // Without a result the group says so, and computes nothing that would fail on the missing file.
        storeLines({ kFixture });
        m_prompts->expect("1. Group A has no results yet.");
        click("leagueTableButton");
    }
};

QTEST_MAIN(TestGroupWindow)
#include "tst_groupwindow.moc"
