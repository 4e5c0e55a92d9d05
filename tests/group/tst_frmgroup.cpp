#include "ModalDialog.h"
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "model/Settings.h"
#include "ui/Twips.h"
#include "app/frmMain.h"
#include "group/RecordLines.h"
#include "group/frmCalendar.h"
#include "group/frmEditFixture.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using Answer = Prompts::Answer;
const QStringList kTeams = { "Rovers", "United", "Wanderers" };
const QStringList kScoreFields = { "txtHomeHT", "txtAwayHT", "txtHomeScore", "txtAwayScore" };
const QString kCleared = QStringLiteral("H---|||0|0|0|0"); // see entry()
const QStringList kEditFields = { "txtHome", "txtAway", "txtHomeHT", "txtAwayHT", "txtHomeFT", "txtAwayFT" };
const QString kFixture = QStringLiteral("F:07-Mar-2000:0:2");
// An edited item sits between these two, so that a new date may put it out of date order.
const QString kBefore = QStringLiteral("F:01-Jan-2000:0:1"), kAfter = QStringLiteral("F:01-Feb-2000:1:2");

struct AddCase
{
    QString add, typed;     // Fixture or Result; the four scores joined by "|"
    int before;             // lines already stored
    QString message, lines; // the refusal, or empty; stored | shown | shown after a rebuild, after the date
};

struct EditCase
{
    QString stored, typed;   // typed: the four scores joined by "|"; empty: left as shown
    QString close;           // yes or no (to the question after OK), cancel, escape, close
    QString shown, expected; // names and scores the dialog opens with (empty: not checked); the line after
    bool byDoubleClick = false;
};

struct RenameCase
{
    int team;          // -1: none selected, nothing is asked
    QStringList typed; // the answers to "Enter New Name", in turn
    int confirm;       // -1: not asked, 0: No, 1: Yes
    bool saved;
};

} // namespace

Q_DECLARE_METATYPE(AddCase)
Q_DECLARE_METATYPE(EditCase)
Q_DECLARE_METATYPE(RenameCase)

class TestFrmGroup : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporarySettings> m_settings;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<frmGroup> m_group; // three teams, nothing entered

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

    // A prompt's title, icon and buttons in one line: "ERROR ! OK", "Confirm Delete ? YesNo".
    static QString look(const ScriptedPrompts::Call& call)
    {
        const char* icons[] = { "", "i", "!", "?" };
        return call.title + u' ' + icons[int(call.icon)] + (call.buttons == Prompts::Buttons::YesNo ? " YesNo" : " OK");
    }
    QString lastLook() const { return look(m_prompts->lastCall()); }

    // The entry in one line: Home, Away, Add Fixture, Add Result as "HAFR" with "-" for each disabled
    // one, then the two names and the four scores.
    QString entry() const
    {
        QString buttons = QStringLiteral("HAFR");
        const char* names[] = { "cmdHome", "cmdAway", "cmdAddFixture", "cmdAddResult" };
        for (int k = 0; k < 4; ++k)
            buttons[k] = ctl(*m_group, names[k])->isEnabled() ? buttons[k] : u'-';
        QStringList parts = { buttons, text("txtHome"), text("txtAway") };
        for (const QString& score : kScoreFields)
            parts << text(score);
        return parts.join(u'|');
    }

    // Selects a team (none for -1) and presses the button, or double-clicks the team without one.
    void choose(int team, const QString& button = QString())
    {
        auto* teams = ctl<QListView>(*m_group, "lstTeams");
        teams->setCurrentIndex(teams->model()->index(team, 0));
        if (button.isEmpty())
            emit teams->doubleClicked(teams->currentIndex());
        else
            click(button);
    }

    void storeLines(const QStringList& lines, int selected = -1)
    {
        m_group->setStoredLines(lines);
        m_group->RefreshList();
        m_group->selectResult(selected);
    }
    // After an edit the item is still the selected line between kBefore and kAfter, and the display
    // lines are rebuilt from the stored ones.
    void verifyItem(const QString& expected)
    {
        QCOMPARE(m_group->storedLines(), QStringList({ kBefore, expected, kAfter }));
        QCOMPARE(m_group->displayLines(), buildDisplayLines(m_group->storedLines(), kTeams));
        QCOMPARE(m_group->selectedResult(), 1);
    }

    static frmCalendar* openCalendar()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && qobject_cast<frmCalendar*>(window))
                return static_cast<frmCalendar*>(window);
        }
        return nullptr;
    }
    void pickDate(const QDate& date)
    {
        click("cmdCalendar");
        QVERIFY(openCalendar());
        ctl<QCalendarWidget>(*openCalendar(), "Cal")->setSelectedDate(date);
        click(*openCalendar(), "cmdOK");
    }

private slots:
    void init()
    {
        resetProgramState();
        Tournament.Saved = true;
        m_settings = std::make_unique<TemporarySettings>();
        m_prompts = std::make_unique<ScriptedPrompts>();
        m_group = std::make_unique<frmGroup>();
        m_group->setTeams(kTeams);
    }

    void cleanup()
    {
        QVERIFY2(m_prompts->unexpected().isEmpty(), qPrintable(m_prompts->unexpected().join(u'|')));
        QVERIFY(m_prompts->allAnswered());
        m_group.reset();
        m_prompts.reset(); // before the next test installs its own
        m_settings.reset();
    }

    // Inside the main window the window opens at the shared "Form Height", keeps its width, springs
    // back to 4890 twips, writes its height back and places its controls by it (all in twips).
    void controlsFollowTheSharedHeight_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("heights"); // opened, asked, kept
        QTest::newRow("taller setting, made too small") << "6000" << QList<int> { 6000, 3000, 4890 };
        QTest::newRow("no setting, made taller") << "" << QList<int> { 4890, 9990, 9990 };
        QTest::newRow("damaged setting") << "tall" << QList<int> { 4890, 5400, 5400 };
    }
    void controlsFollowTheSharedHeight()
    {
        QFETCH(QString, stored);
        QFETCH(QList<int>, heights);
        if (!stored.isEmpty())
            WriteSetting(kCompany, kProduct, "Form Height", stored);
        frmMain main;
        main.show();
        frmGroup* inner = main.groupWindow(1);
        main.showGroupWindow(1);
        auto* frame = qobject_cast<QMdiSubWindow*>(inner->parentWidget());
        QVERIFY(frame);
        QCOMPARE(frame->size(), QSize(twipsToPixels(6435), twipsToPixels(heights[0])));
        frame->resize(twipsToPixels(9000), twipsToPixels(heights[1]));
        QCOMPARE(frame->size(), QSize(twipsToPixels(6435), twipsToPixels(heights[2])));
        QCOMPARE(ReadSetting(kCompany, kProduct, "Form Height", QString()), QString::number(heights[2]));

        const double h = heights[2], labels = 0.1 * h + 0.3 * h + 0.03 * h, home = labels + 0.05 * h;
        const double away = home + 0.07 * h + 0.05 * h, results = away + 0.1 * h;
        const auto line = [](auto... values) { return QStringList { QVariant(values).toString()... }.join(u' '); };
        const auto px = [](double twips) { return twipsToPixels(qRound(twips)); };
        // clang-format off
        const QList<std::tuple<const char*, const char*, double, double, double, double, const char*>> controls = {
            { "cmdCalendar",     "...",             2400, 120,           255,  255,     "Select Date" },
            { "cmdDatePlus",     "+",               2760, 120,           255,  255,     "Increment Date" },
            { "cmdDateMinus",    "-",               3120, 120,           255,  255,     "Decrease Date" },
            { "cmdHome",         "&Home",           4200, 600,           1095, 375,     "" },
            { "lstTeams",        "",                360,  0.1 * h,       3735, 0.3 * h, "" },
            { "lblHT",           "HT",              3120, labels,        375,  255,     "" },
            { "lblFT",           "FT",              3720, labels,        375,  255,     "" },
            { "txtHomeHT",       "0",               3120, home,          375,  285,     "" },
            { "txtAwayScore",    "0",               3720, away,          375,  285,     "" },
            { "cmdAddResult",    "Add &Result",     4200, home + 600,    1095, 375,     "" },
            { "lstResults",      "",                360,  results,       5055, 0.2 * h, "" },
            { "cmdReport",       "Results Re&port", 5400, 840,           855,  615,     "" },
            { "cmdSortFixtures", "&Sort",           5400, results + 480, 855,  315,     "" },
        };
        // clang-format on
        QStringList shown, expected;
        for (const auto& [name, caption, left, top, width, height, tip] : controls) {
            const QWidget* w = ctl(*inner, name);
            shown << line(name, w->property("text"), w->x(), w->y(), w->width(), w->height(), w->toolTip());
            expected << line(name, caption, px(left), px(top), px(width), px(height), tip);
            QVERIFY2(!w->accessibleName().isEmpty(), name);
        }
        QCOMPARE(shown, expected);
        // The fields the program fills are read-only and skipped by Tab; the score fields take typing.
        for (const char* name : { "txtDate", "txtHome", "txtAway" })
            QVERIFY(ctl<QLineEdit>(*inner, name)->isReadOnly() && !(ctl(*inner, name)->focusPolicy() & Qt::TabFocus));
        QVERIFY(!ctl<QLineEdit>(*inner, "txtHomeHT")->isReadOnly());
    }

    void choosingTeamsStepsThroughTheEntryStates()
    {
        QCOMPARE(entry(), kCleared);
        choose(-1, "cmdHome"); // without a selection nothing happens
        QCOMPARE(entry(), kCleared);
        choose(1, "cmdHome");
        QCOMPARE(entry(), QStringLiteral("-A--|United||0|0|0|0"));
        m_group->cmdAddResult_Click(); // nothing without an away team
        m_prompts->expect("Unable to play same team home and away").answer(Answer::Ok);
        choose(1, "cmdAway");
        QCOMPARE(lastLook(), QStringLiteral("ERROR ! OK"));
        QCOMPARE(entry(), QStringLiteral("-A--|United||0|0|0|0"));
        choose(2, "cmdAway");
        QCOMPARE(entry(), QStringLiteral("H-FR|United|Wanderers|0|0|0|0"));
        choose(0, "cmdHome"); // home again keeps the add buttons
        QCOMPARE(entry(), QStringLiteral("-AFR|Rovers|Wanderers|0|0|0|0"));
        ctl<QLineEdit>(*m_group, "txtAwayHT")->setText("3");
        click("cmdClear");
        QCOMPARE(entry(), kCleared);
        QVERIFY(m_group->storedLines().isEmpty() && m_group->displayLines().isEmpty() && Tournament.Saved);
        choose(2); // a double click picks home, the next one away
        choose(0);
        QCOMPARE(entry(), QStringLiteral("H-FR|Wanderers|Rovers|0|0|0|0"));
    }

    // Scores lose their blanks at both ends and show as typed until the next rebuild. A score
    // that could not be read back, or a full list, is refused and nothing is stored.
    void addedItemsHaveTheExactLines_data()
    {
        QTest::addColumn<AddCase>("c");
        const QString full = "This group already holds 32767 fixtures and results, as many as a group can hold.\r"
                             "Delete an item before adding another.";
        const QString colon = "The home half-time score is not valid.\rA score may not contain \":\".";
        const QString large = "The away full-time score is not valid.\r"
                              "The score \"40000\" is too large: scores run from -32768 to 32767.";
        // clang-format off
        QTest::newRow("fixture ignores the scores")  << AddCase { "Fixture", "5|5|5|5", 1, "", "|:|:" };
        QTest::newRow("result")                      << AddCase { "Result", "1|0|2|2", 1, "",
                                                                  ":1:0:2:2|:HT:1-0:FT:2-2:|:HT:1-0:FT:2-2:" };
        QTest::newRow("blanks trimmed")              << AddCase { "Result", " 3|1 |  2  |\t0", 1, "",
                                                                  ":3:1:2:0|:HT:3-1:FT:2-0:|:HT:3-1:FT:2-0:" };
        QTest::newRow("02 shown until rebuilt")      << AddCase { "Result", "02|0|02|1", 1, "",
                                                                  ":02:0:02:1|:HT:02-0:FT:02-1:|:HT:2-0:FT:2-1:" };
        QTest::newRow("blank and fractions allowed") << AddCase { "Result", "|2.5|3.5|x", 1, "",
                                                                  "::2.5:3.5:x|:HT:-2.5:FT:3.5-x:|:HT:0-2:FT:4-0:" };
        QTest::newRow("colon refused")               << AddCase { "Result", "1:0|0|2|2", 1, colon, "" };
        QTest::newRow("beyond 16 bits refused")      << AddCase { "Result", "1|0|2|40000", 1, large, "" };
        QTest::newRow("full list refuses a fixture") << AddCase { "Fixture", "0|0|0|0", 32767, full, "" };
        QTest::newRow("full list refuses a result")  << AddCase { "Result", "0|0|0|0", 32767, full, "" };
        // clang-format on
    }
    void addedItemsHaveTheExactLines()
    {
        QFETCH(AddCase, c);
        pickDate(QDate(2030, 2, 1));
        const QStringList before(c.before, QStringLiteral("F:01-Jan-2030:1:2")); // earlier, yet new items go last
        storeLines(before);
        choose(0, "cmdHome");
        choose(2, "cmdAway");
        for (int k = 0; k < 4; ++k)
            ctl<QLineEdit>(*m_group, kScoreFields[k])->setText(c.typed.split(u'|')[k]);
        if (!c.message.isEmpty())
            m_prompts->expect(c.message).answer(Answer::Ok);
        click("cmdAdd" + c.add);

        QStringList lines = before, shown = buildDisplayLines(before, kTeams);
        const QString start = c.add.left(1) + ":01-Feb-2030";
        const QStringList parts = c.lines.split(u'|');
        if (c.message.isEmpty()) {
            lines << start + parts[0] + ":0:2";
            shown << start + parts[1] + "Rovers-v-Wanderers";
        }
        QCOMPARE(m_group->storedLines(), lines);
        QCOMPARE(m_group->displayLines(), shown);
        QCOMPARE(bool(Tournament.Saved), !c.message.isEmpty());
        if (!c.message.isEmpty()) { // the entry stays as typed, to be corrected
            QCOMPARE(lastLook(), QStringLiteral("ERROR ! OK"));
            QCOMPARE(entry(), "H-FR|Rovers|Wanderers|" + c.typed);
            return;
        }
        QCOMPARE(m_group->selectedResult(), 1);
        QCOMPARE(entry(), kCleared); // the date stays for the next item
        QCOMPARE(text("txtDate"), QStringLiteral("01-Feb-2030"));
        m_group->RefreshList();
        QCOMPARE(m_group->displayLines().last(), start + parts[2] + "Rovers-v-Wanderers");
        QCOMPARE(m_group->storedLines(), lines);
    }

    void deleteRemovesTheSamePositionFromBothLists_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected"); // -1: none, and nothing is asked
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("first, yes") << 3 << 0 << true << QList<int> { 1, 2 };
        QTest::newRow("middle, yes") << 3 << 1 << true << QList<int> { 0, 2 };
        QTest::newRow("last, yes") << 3 << 2 << true << QList<int> { 0, 1 };
        QTest::newRow("middle, no") << 3 << 1 << false << QList<int> { 0, 1, 2 };
        QTest::newRow("only item, yes") << 1 << 0 << true << QList<int>();
        QTest::newRow("no selection") << 3 << -1 << true << QList<int> { 0, 1, 2 };
    }
    void deleteRemovesTheSamePositionFromBothLists()
    {
        QFETCH(int, count);
        QFETCH(int, selected);
        QFETCH(bool, yes);
        QFETCH(QList<int>, kept);
        const QStringList all = { "F:01-Jan-2030:0:1", "R:02-Jan-2030:1:0:2:2:1:2", "F:03-Jan-2030:2:0" };
        storeLines(all.mid(0, count), selected);
        if (selected >= 0)
            m_prompts->expect("Are you sure you want to delete this item ?").answer(yes ? Answer::Yes : Answer::No);
        click("cmdDelete");

        if (selected >= 0)
            QCOMPARE(lastLook(), QStringLiteral("Confirm Delete ? YesNo"));
        QStringList remaining;
        for (int k : kept)
            remaining << all[k];
        QCOMPARE(m_group->storedLines(), remaining);
        QCOMPARE(m_group->displayLines(), buildDisplayLines(remaining, kTeams));
        const bool deleted = remaining.size() < count;
        QCOMPARE(bool(Tournament.Saved), !deleted);
        QCOMPARE(m_group->selectedResult(), deleted ? -1 : selected);
    }

    // Renaming changes lstTeams and the display lines, never a stored line nor Tournament.Saved.
    void renameRebuildsTheDisplayOnly_data()
    {
        QTest::addColumn<RenameCase>("c");
        QTest::newRow("confirmed, saved") << RenameCase { 1, { "City" }, 1, true };
        QTest::newRow("confirmed, unsaved") << RenameCase { 1, { "City" }, 1, false };
        QTest::newRow("prompt cancelled") << RenameCase { 1, { "" }, -1, true };
        QTest::newRow("change declined") << RenameCase { 1, { "City" }, 0, true };
        QTest::newRow("separator refused, asked again") << RenameCase { 1, { "Home-v-Away", "City" }, 1, true };
        QTest::newRow("separator refused, then cancelled") << RenameCase { 1, { "a-v-b", "" }, -1, true };
        QTest::newRow("no team selected") << RenameCase { -1, {}, -1, true };
    }
    void renameRebuildsTheDisplayOnly()
    {
        QFETCH(RenameCase, c);
        const QStringList stored = { "F:01-Jan-2030:0:1", "R:02-Jan-2030:1:0:2:2:1:2" };
        storeLines(stored, 1);
        Tournament.Saved = c.saved;
        for (const QString& name : c.typed) {
            m_prompts->expect("Enter New Name").answer(name);
            if (!teamNameProblem(name).isEmpty())
                m_prompts->expect(teamNameProblem(name)).answer(Answer::Ok);
        }
        if (c.confirm >= 0)
            m_prompts->expect("Are you sure you want to change\rUnited to City")
                .answer(c.confirm ? Answer::Yes : Answer::No);
        choose(c.team, "cmdEdit");

        QStringList looks; // every name prompt "Change Name" without a default, every refusal "ERROR"
        for (const ScriptedPrompts::Call& call : m_prompts->calls())
            looks << look(call) + call.defaultText;
        looks.removeAll(QStringLiteral("Change Name  OK"));
        looks.removeAll(QStringLiteral("ERROR ! OK"));
        QCOMPARE(looks, c.confirm >= 0 ? QStringList { "Change Name ? YesNo" } : QStringList());
        QStringList teams = kTeams;
        if (c.confirm == 1)
            teams[1] = QStringLiteral("City");
        QCOMPARE(m_group->teams(), teams);
        QCOMPARE(m_group->storedLines(), stored);
        QCOMPARE(m_group->displayLines(), buildDisplayLines(stored, teams));
        QCOMPARE(m_group->selectedResult(), c.confirm == 1 ? -1 : 1);
        QCOMPARE(bool(Tournament.Saved), c.saved);
    }

    // A press moves the date one day, a held button once more after 250 ms, then every 50 ms.
    void heldDateButtonRepeats_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("first");
        QTest::newRow("plus over the year end") << "Plus" << QDate(1999, 12, 31) << "01-Jan-2000";
        QTest::newRow("minus over the year start") << "Minus" << QDate(2000, 1, 1) << "31-Dec-1999";
    }
    void heldDateButtonRepeats()
    {
        QFETCH(QString, button);
        QFETCH(QDate, start);
        QFETCH(QString, first);
        pickDate(start);
        auto* dateButton = ctl<QPushButton>(*m_group, "cmdDate" + button);
        auto* timer = m_group->findChild<QTimer*>("Timer1");
        QVERIFY(timer && !timer->isActive() && timer->interval() == 250);
        const int step = button == QLatin1String("Plus") ? 1 : -1;
        QTest::mousePress(dateButton, Qt::RightButton); // any mouse button
        QCOMPARE(text("txtDate"), first);
        QVERIFY(timer->isActive() && timer->interval() == 250 && bool(bDateUp) == (step > 0));
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QCOMPARE(timer->interval(), 50);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QTest::mouseRelease(dateButton, Qt::RightButton);
        QVERIFY(!timer->isActive() && timer->interval() == 250);
        QCOMPARE(text("txtDate"), formatRecordDate(start.addDays(3 * step)));
    }

    // The calendar opens at the entry date; while it is open the window rests, and cancelling it
    // (the Escape key counts as Cancel) keeps the entry date.
    void calendarDisablesTheWindowUntilItCloses()
    {
        pickDate(QDate(2000, 3, 7));
        click("cmdCalendar");
        frmCalendar* calendar = openCalendar();
        QVERIFY(calendar && !m_group->isEnabled() && calendar->isEnabled());
        auto* cal = ctl<QCalendarWidget>(*calendar, "Cal");
        QCOMPARE(cal->selectedDate(), QDate(2000, 3, 7));
        QTest::mouseClick(ctl(*m_group, "cmdDatePlus"), Qt::LeftButton);
        cal->setSelectedDate(QDate(2010, 12, 24));
        QTest::keyClick(calendar, Qt::Key_Escape);
        QCOMPARE(text("txtDate"), QStringLiteral("07-Mar-2000"));
        QVERIFY(m_group->isEnabled());
        QTRY_VERIFY(!openCalendar());
    }

    // The dialog shows whole-number scores (0 for a fixture), stores its texts unchanged after
    // OK and Yes, and changes nothing after No, Cancel, Escape or its close box.
    void resultEditReplacesTheItemOnlyWhenConfirmed_data()
    {
        QTest::addColumn<EditCase>("c");
        const QString result = QStringLiteral("R:07-Mar-2000:02:1:2.5:3.5:2:1"), unknown = "R:07-Mar-2000:1:0:2:2:0:9";
        // clang-format off
        QTest::newRow("fixture untouched becomes 0-0")
            << EditCase { kFixture, "", "yes", "Rovers|Wanderers|0|0|0|0", "R:07-Mar-2000:0:0:0:0:0:2" };
        QTest::newRow("02 and halves stored as whole numbers")
            << EditCase { result, "", "yes", "Wanderers|United|2|1|2|4", "R:07-Mar-2000:2:1:2:4:2:1" };
        QTest::newRow("blanks kept")
            << EditCase { kFixture, " 1|0 | 3 |2", "yes", "", "R:07-Mar-2000: 1:0 : 3 :2:0:2" };
        QTest::newRow("blank, 02, 2.5 allowed")
            << EditCase { kFixture, "|02|2.5|-3", "yes", "", "R:07-Mar-2000::02:2.5:-3:0:2" };
        QTest::newRow("team outside the list")
            << EditCase { unknown, "1|1|2|2", "yes", "Rovers|<no team 9>|1|0|2|2", "R:07-Mar-2000:1:1:2:2:0:9" };
        QTest::newRow("No to the question") << EditCase { kFixture, "5|5|5|5", "no", "", kFixture };
        QTest::newRow("Cancel, opened by double-clicking")
            << EditCase { kFixture, "5|5|5|5", "cancel", "", kFixture, true };
        QTest::newRow("Escape") << EditCase { kFixture, "5|5|5|5", "escape", "", kFixture };
        QTest::newRow("close box") << EditCase { kFixture, "5|5|5|5", "close", "", kFixture };
        // clang-format on
    }
    void resultEditReplacesTheItemOnlyWhenConfirmed()
    {
        QFETCH(EditCase, c);
        storeLines({ kBefore, c.stored, kAfter }, 1);
        if (c.close == QLatin1String("yes") || c.close == QLatin1String("no"))
            m_prompts->expect("Are you sure you want to make this change")
                .answer(c.close == QLatin1String("yes") ? Answer::Yes : Answer::No);
        QStringList shown = { EditedRecord }; // the record so far, then the fields as the dialog opens
        ModalDialog<frmEditFixture> driver([&](frmEditFixture* dialog) {
            shown = QStringList { EditedRecord };
            for (const QString& name : kEditFields)
                shown << ctl<QLineEdit>(*dialog, name)->text();
            for (int k = 0; k < 4 && !c.typed.isEmpty(); ++k)
                ctl<QLineEdit>(*dialog, kEditFields[k + 2])->setText(c.typed.split(u'|')[k]);
            if (c.close == QLatin1String("escape"))
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (c.close == QLatin1String("close"))
                dialog->close();
            else
                click(*dialog, c.close == QLatin1String("cancel") ? "cmdCancel" : "cmdOK");
        });
        auto* results = ctl<QListView>(*m_group, "lstResults");
        if (c.byDoubleClick)
            emit results->doubleClicked(results->currentIndex());
        else
            click("cmdEditResult");

        QVERIFY(driver.wasShown());
        QCOMPARE(shown.takeFirst(), QStringLiteral("R:07-Mar-2000"));
        if (!c.shown.isEmpty())
            QCOMPARE(shown.join(u'|'), c.shown);
        verifyItem(c.expected);
        const bool changed = c.close == QLatin1String("yes");
        QCOMPARE(bool(Tournament.Saved), !changed);
        QCOMPARE(EditedRecord.isEmpty(), !changed);
        if (changed)
            QCOMPARE(lastLook(), QStringLiteral("Change Result ? YesNo"));
    }
    // A score that could not be read back is refused; the dialog stays open on that field, nothing
    // is stored, and the corrected score is stored afterwards.
    void unusableScoreIsRefusedAndTheDialogStaysOpen_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("colon in home half-time") << 2 << "1:2";
        QTest::newRow("70000 in away half-time") << 3 << "70000";
        QTest::newRow("32767.5 rounds beyond 16 bits") << 4 << "32767.5";
    }
    void unusableScoreIsRefusedAndTheDialogStaysOpen()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        storeLines({ kBefore, kFixture, kAfter }, 1);
        QVERIFY(!scoreTextProblem(text).isEmpty());
        m_prompts->expect(scoreTextProblem(text)).answer(Answer::Ok);
        m_prompts->expect("Are you sure you want to make this change").answer(Answer::Yes);
        QStringList afterRefusal;
        ModalDialog<frmEditFixture> driver([&](frmEditFixture* dialog) {
            ctl<QLineEdit>(*dialog, kEditFields[field])->setText(text);
            click(*dialog, "cmdOK");
            afterRefusal << (dialog->isVisible() ? "open" : "closed") << EditedRecord
                         << dialog->focusWidget()->objectName() << m_group->storedLines()[1]
                         << (bool(Tournament.Saved) ? "saved" : "changed");
            ctl<QLineEdit>(*dialog, kEditFields[field])->setText("1");
            click(*dialog, "cmdOK");
        });
        click("cmdEditResult");

        QCOMPARE(look(m_prompts->calls()[0]), QStringLiteral("ERROR ! OK"));
        QCOMPARE(afterRefusal, QStringList({ "open", "R:07-Mar-2000", kEditFields[field], kFixture, "saved" }));
        QStringList scores = { "0", "0", "0", "0" };
        scores[field - 2] = QStringLiteral("1");
        verifyItem("R:07-Mar-2000:" + scores.join(u':') + ":0:2");
    }

    // Without a selection neither edit opens a dialog; a line too short to read is refused.
    void nothingToEdit_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message"); // empty: nothing selected, nothing asked
        QTest::newRow("result edit, no selection") << kFixture << "cmdEditResult" << QString();
        QTest::newRow("date edit, no selection") << kFixture << "cmdEditDate" << QString();
        QTest::newRow("line with too few fields") << "R:07-Mar-2000:1:0:2"
                                                  << "cmdEditResult"
                                                  << "This item cannot be edited: the line has too few fields.";
    }
    void nothingToEdit()
    {
        QFETCH(QString, line);
        QFETCH(QString, button);
        QFETCH(QString, message);
        storeLines({ kBefore, line, kAfter }, message.isEmpty() ? -1 : 1);
        if (!message.isEmpty())
            m_prompts->expect(message).answer(Answer::Ok);
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                opened = dialog->close();
        });
        click(button);
        QCoreApplication::processEvents(); // no dialog came: let the check above run now

        QVERIFY(!opened);
        if (!message.isEmpty())
            QCOMPARE(lastLook(), QStringLiteral("Edit Result ! OK"));
        QCOMPARE(m_group->storedLines(), QStringList({ kBefore, line, kAfter }));
        QVERIFY(Tournament.Saved);
    }

    // The calendar opens at the item's date; OK rewrites the date in place, even unchanged.
    void dateEditRewritesTheDate_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QDate>("picked");  // invalid: as it opened
        QTest::addColumn<QString>("close"); // empty: the Escape key
        QTest::addColumn<QString>("expected");
        const QString result = QStringLiteral("R:07-Mar-2000: 1:0 :02:2:2:1");
        QTest::newRow("same date still rewrites") << result << QDate() << "cmdOK" << result;
        QTest::newRow("out of date order, scores and blanks kept") << result << QDate(2001, 12, 31) << "cmdOK"
                                                                   << "R:31-Dec-2001: 1:0 :02:2:2:1";
        QTest::newRow("one-digit day from elsewhere") << "F:7-Mar-2000:0:2" << QDate(2000, 3, 8) << "cmdOK"
                                                      << "F:08-Mar-2000:0:2";
        QTest::newRow("Cancel") << kFixture << QDate(2010, 1, 1) << "cmdCancel" << kFixture;
        QTest::newRow("Escape") << kFixture << QDate(2010, 1, 1) << "" << kFixture;
    }
    void dateEditRewritesTheDate()
    {
        QFETCH(QString, stored);
        QFETCH(QDate, picked);
        QFETCH(QString, close);
        QFETCH(QString, expected);
        storeLines({ kBefore, stored, kAfter }, 1);
        QDate opened;
        ModalDialog<frmCalendar> driver([&](frmCalendar* calendar) {
            auto* cal = ctl<QCalendarWidget>(*calendar, "Cal");
            opened = cal->selectedDate();
            if (picked.isValid())
                cal->setSelectedDate(picked);
            if (close.isEmpty())
                QTest::keyClick(calendar, Qt::Key_Escape);
            else
                click(*calendar, close);
        });
        click("cmdEditDate");

        QCOMPARE(opened, QDate(2000, 3, 7));
        verifyItem(expected);
        QCOMPARE(bool(Tournament.Saved), close != QLatin1String("cmdOK"));
        if (close != QLatin1String("cmdOK"))
            QCOMPARE(CalendarDate, QDate(1798, 1, 1));
    }

    void editDialogLayout()
    {
        frmEditFixture dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Result"));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QStringList captions;
        for (const char* name : { "Label1", "Label2", "Label3", "cmdOK", "cmdCancel" })
            captions << ctl(dialog, name)->property("text").toString();
        QCOMPARE(captions, QStringList({ "Teams", "HT", "FT", "&OK", "&Cancel" }));
        // Columns under their headings, the home row above the away row.
        const auto at = [&](const QString& name) { return ctl(dialog, name)->geometry(); };
        for (int k = 0; k < 3; ++k) {
            const QRect heading = at(QStringLiteral("Label%1").arg(k + 1)), home = at(kEditFields[2 * k]);
            const QRect away = at(kEditFields[2 * k + 1]);
            QVERIFY(home.left() == heading.left() && away.left() == heading.left());
            QVERIFY(heading.bottom() <= home.top() && home.bottom() <= away.top());
        }
        for (const char* name : { "txtHome", "txtAway" })
            QVERIFY(ctl<QLineEdit>(dialog, name)->isReadOnly() && !(ctl(dialog, name)->focusPolicy() & Qt::TabFocus));
        QVERIFY(ctl(dialog, "txtHomeNumber")->isHidden() && ctl(dialog, "txtAwayNumber")->isHidden());
    }
};

QTEST_MAIN(TestFrmGroup)
#include "tst_frmgroup.moc"
