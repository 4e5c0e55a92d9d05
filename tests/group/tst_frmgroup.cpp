#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "app/Settings.h"
#include "app/Twips.h"
#include "app/frmMain.h"
#include "group/RecordLines.h"
#include "group/frmCalendar.h"
#include "group/frmGroup.h"
#include "model/Limits.h"
#include "model/Tournament.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Prompts::Answer)

namespace {

const QStringList kTeams = { QStringLiteral("Rovers"), QStringLiteral("United"), QStringLiteral("Wanderers") };

template <typename T>
T* control(const QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QPushButton* button(const QWidget& window, const char* name)
{
    return control<QPushButton>(window, name);
}

QLineEdit* field(const QWidget& window, const char* name)
{
    return control<QLineEdit>(window, name);
}

QListView* list(const QWidget& window, const char* name)
{
    return control<QListView>(window, name);
}

void selectRow(QListView* view, int row)
{
    view->setCurrentIndex(view->model()->index(row, 0));
}

void chooseTeams(frmGroup& group, int home, int away)
{
    selectRow(list(group, "lstTeams"), home);
    button(group, "cmdHome")->click();
    selectRow(list(group, "lstTeams"), away);
    button(group, "cmdAway")->click();
}

void typeScores(frmGroup& group, const QString& homeHT, const QString& awayHT, const QString& home, const QString& away)
{
    field(group, "txtHomeHT")->setText(homeHT);
    field(group, "txtAwayHT")->setText(awayHT);
    field(group, "txtHomeScore")->setText(home);
    field(group, "txtAwayScore")->setText(away);
}

QStringList scoreTexts(const frmGroup& group)
{
    return { field(group, "txtHomeHT")->text(), field(group, "txtAwayHT")->text(), field(group, "txtHomeScore")->text(),
             field(group, "txtAwayScore")->text() };
}

QString today()
{
    return formatRecordDate(QDate::currentDate());
}

int px(double twips)
{
    return twipsToPixels(qRound(twips));
}

frmCalendar* openCalendar()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* calendar = qobject_cast<frmCalendar*>(window); calendar && calendar->isVisible())
            return calendar;
    }
    return nullptr;
}

// Sets the entry date through the calendar, as a user would.
void pickDate(frmGroup& group, const QDate& date)
{
    button(group, "cmdCalendar")->click();
    frmCalendar* calendar = openCalendar();
    QVERIFY(calendar);
    calendar->findChild<QCalendarWidget*>(QStringLiteral("Cal"))->setSelectedDate(date);
    calendar->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
}

// A press and release followed by the double click, as the window system delivers them.
void doubleClickRow(QListView* view, int row)
{
    const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

void emitTimeout(QTimer* timer)
{
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

} // namespace

class TestFrmGroup : public QObject
{
    Q_OBJECT

private:
    // A group window with three teams and nothing entered, on a fresh settings store.
    std::unique_ptr<TemporarySettings> m_settings;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<frmGroup> m_group;

    frmGroup& group() { return *m_group; }

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
        m_prompts.reset();
        m_settings.reset();
    }

    void controlsCarryTheirCaptionsAndPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top"); // -1 where the window's height decides
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("toolTip");

        QTest::newRow("Label2") << "Label2"
                                << "Date" << 360 << 120 << 615 << 255 << true << "";
        QTest::newRow("txtDate") << "txtDate" << today() << 1080 << 120 << 1335 << 285 << true << "";
        QTest::newRow("cmdCalendar") << "cmdCalendar"
                                     << "..." << 2400 << 120 << 255 << 255 << true << "Select Date";
        QTest::newRow("cmdDatePlus") << "cmdDatePlus"
                                     << "+" << 2760 << 120 << 255 << 255 << true << "Increment Date";
        QTest::newRow("cmdDateMinus") << "cmdDateMinus"
                                      << "-" << 3120 << 120 << 255 << 255 << true << "Decrease Date";
        QTest::newRow("cmdEdit") << "cmdEdit"
                                 << "&Edit Name" << 4200 << 120 << 1095 << 375 << true << "";
        QTest::newRow("lstTeams") << "lstTeams"
                                  << "" << 360 << -1 << 3735 << -1 << true << "";
        QTest::newRow("cmdHome") << "cmdHome"
                                 << "&Home" << 4200 << 600 << 1095 << 375 << true << "";
        QTest::newRow("cmdAway") << "cmdAway"
                                 << "&Away" << 4200 << 1080 << 1095 << 375 << false << "";
        QTest::newRow("cmdClear") << "cmdClear"
                                  << "&Clear" << 4200 << 1560 << 1095 << 375 << true << "";
        QTest::newRow("lblTeams") << "lblTeams"
                                  << "Teams" << 360 << -1 << 735 << 255 << true << "";
        QTest::newRow("lblHT") << "lblHT"
                               << "HT" << 3120 << -1 << 375 << 255 << true << "";
        QTest::newRow("lblFT") << "lblFT"
                               << "FT" << 3720 << -1 << 375 << 255 << true << "";
        QTest::newRow("txtHome") << "txtHome"
                                 << "" << 360 << -1 << 2655 << 285 << true << "";
        QTest::newRow("txtHomeHT") << "txtHomeHT"
                                   << "0" << 3120 << -1 << 375 << 285 << true << "";
        QTest::newRow("txtHomeScore") << "txtHomeScore"
                                      << "0" << 3720 << -1 << 375 << 285 << true << "";
        QTest::newRow("lblVersus") << "lblVersus"
                                   << "--V--" << 1560 << -1 << 375 << 255 << true << "";
        QTest::newRow("txtAway") << "txtAway"
                                 << "" << 360 << -1 << 2655 << 285 << true << "";
        QTest::newRow("txtAwayHT") << "txtAwayHT"
                                   << "0" << 3120 << -1 << 375 << 285 << true << "";
        QTest::newRow("txtAwayScore") << "txtAwayScore"
                                      << "0" << 3720 << -1 << 375 << 285 << true << "";
        QTest::newRow("cmdAddFixture") << "cmdAddFixture"
                                       << "Add &Fixture" << 4200 << -1 << 1095 << 375 << false << "";
        QTest::newRow("cmdAddResult") << "cmdAddResult"
                                      << "Add &Result" << 4200 << -1 << 1095 << 375 << false << "";
        QTest::newRow("lstResults") << "lstResults"
                                    << "" << 360 << -1 << 5055 << -1 << true << "";
        QTest::newRow("cmdLeagueTable") << "cmdLeagueTable"
                                        << "&League Table" << 5400 << 90 << 855 << 615 << true << "";
        QTest::newRow("cmdReport") << "cmdReport"
                                   << "Results Re&port" << 5400 << 840 << 855 << 615 << true << "";
        QTest::newRow("cmdFixtureList") << "cmdFixtureList"
                                        << "Fi&xture List" << 5400 << 1560 << 855 << 615 << true << "";
        QTest::newRow("cmdDelete") << "cmdDelete"
                                   << "&Delete" << 5400 << -1 << 855 << 375 << true << "";
        QTest::newRow("cmdEditResult") << "cmdEditResult"
                                       << "Ed&it" << 5400 << -1 << 855 << 375 << true << "";
        QTest::newRow("cmdEditDate") << "cmdEditDate"
                                     << "Edit D&ate" << 5400 << -1 << 855 << 375 << true << "";
        QTest::newRow("cmdSortFixtures") << "cmdSortFixtures"
                                         << "&Sort" << 5400 << -1 << 855 << 315 << true << "";
    }
    void controlsCarryTheirCaptionsAndPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, enabled);
        QFETCH(QString, toolTip);

        QWidget* widget = group().findChild<QWidget*>(name);
        QVERIFY(widget);
        if (auto* pushButton = qobject_cast<QPushButton*>(widget))
            QCOMPARE(pushButton->text(), caption);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), caption);
        else if (auto* lineEdit = qobject_cast<QLineEdit*>(widget))
            QCOMPARE(lineEdit->text(), caption);
        QCOMPARE(widget->x(), px(left));
        QCOMPARE(widget->width(), px(width));
        if (top >= 0)
            QCOMPARE(widget->y(), px(top));
        if (height >= 0)
            QCOMPARE(widget->height(), px(height));
        QCOMPARE(widget->isEnabled(), enabled);
        QCOMPARE(widget->toolTip(), toolTip);
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(name));
    }

    void fieldsTheProgramFillsAreReadOnlyAndSkippedByTab_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("txtDate") << "txtDate" << true;
        QTest::newRow("txtHome") << "txtHome" << true;
        QTest::newRow("txtAway") << "txtAway" << true;
        QTest::newRow("txtHomeHT") << "txtHomeHT" << false;
        QTest::newRow("txtAwayScore") << "txtAwayScore" << false;
    }
    void fieldsTheProgramFillsAreReadOnlyAndSkippedByTab()
    {
        QFETCH(QString, name);
        QFETCH(bool, readOnly);
        auto* lineEdit = group().findChild<QLineEdit*>(name);
        QCOMPARE(lineEdit->isReadOnly(), readOnly);
        QCOMPARE(bool(lineEdit->focusPolicy() & Qt::TabFocus), !readOnly);
    }

    void accessibleNamesSayWhatAControlIs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("home half-time") << "txtHomeHT"
                                        << "Home half-time score";
        QTest::newRow("away half-time") << "txtAwayHT"
                                        << "Away half-time score";
        QTest::newRow("home full-time") << "txtHomeScore"
                                        << "Home full-time score";
        QTest::newRow("away full-time") << "txtAwayScore"
                                        << "Away full-time score";
        QTest::newRow("date") << "txtDate"
                              << "Entry date";
        QTest::newRow("teams") << "lstTeams"
                               << "Teams";
        QTest::newRow("results") << "lstResults"
                                 << "Fixtures and results";
        QTest::newRow("plus") << "cmdDatePlus"
                              << "Increment Date";
    }
    void accessibleNamesSayWhatAControlIs()
    {
        QFETCH(QString, name);
        QFETCH(QString, accessibleName);
        QCOMPARE(group().findChild<QWidget*>(name)->accessibleName(), accessibleName);
    }

    void timerWaitsAQuarterSecondAtFirst()
    {
        auto* timer = group().findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 250);
    }

    // The outer height H decides the vertical places: lstTeams at 0.1 H for 0.3 H, the labels
    // 0.03 H below it, and so on down to lstResults.
    void controlsFollowTheWindowHeight_data()
    {
        QTest::addColumn<int>("formHeight");
        QTest::newRow("smallest") << 4890;
        QTest::newRow("taller") << 6000;
        QTest::newRow("much taller") << 9990;
    }
    void controlsFollowTheWindowHeight()
    {
        QFETCH(int, formHeight);
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        group().resize(px(6435), px(formHeight));
        const double h = formHeight;
        const double labels = 0.1 * h + 0.3 * h + 0.03 * h;
        const double home = labels + 0.05 * h;
        const double versus = home + 0.07 * h;
        const double away = versus + 0.05 * h;
        const double results = away + 0.1 * h;
        const QList<std::pair<const char*, double>> tops = {
            { "lstTeams", 0.1 * h },
            { "lblTeams", labels },
            { "lblHT", labels },
            { "lblFT", labels },
            { "txtHome", home },
            { "txtHomeHT", home },
            { "txtHomeScore", home },
            { "cmdAddFixture", home },
            { "cmdDelete", home },
            { "lblVersus", versus },
            { "txtAway", away },
            { "txtAwayHT", away },
            { "txtAwayScore", away },
            { "cmdAddResult", home + 600 },
            { "cmdEditResult", home + 600 },
            { "lstResults", results },
            { "cmdEditDate", results },
            { "cmdSortFixtures", results + 480 },
            { "cmdEdit", 120 },
            { "cmdHome", 600 },
        };
        for (const auto& [name, top] : tops)
            QVERIFY2(group().findChild<QWidget*>(QLatin1String(name))->y() == px(top), name);
        QCOMPARE(list(group(), "lstTeams")->height(), px(0.3 * h));
        QCOMPARE(list(group(), "lstResults")->height(), px(0.2 * h));
    }

    void scoreFieldsStandUnderTheirHeadings()
    {
        group().resize(px(6435), px(4890));
        for (const char* column : { "HT", "FT" }) {
            const QWidget* heading = group().findChild<QWidget*>(QStringLiteral("lbl%1").arg(QLatin1String(column)));
            const QWidget* home = group().findChild<QWidget*>(
                QStringLiteral("txtHome%1").arg(QLatin1String(column[0] == 'H' ? "HT" : "Score")));
            const QWidget* away = group().findChild<QWidget*>(
                QStringLiteral("txtAway%1").arg(QLatin1String(column[0] == 'H' ? "HT" : "Score")));
            QCOMPARE(home->x(), heading->x());
            QCOMPARE(away->x(), heading->x());
            QVERIFY(heading->geometry().bottom() <= home->y());
            QVERIFY(home->geometry().bottom() < away->y());
        }
        const QWidget* results = list(group(), "lstResults");
        QVERIFY(field(group(), "txtAway")->geometry().bottom() < results->y());
    }

    void standaloneWindowKeepsItsWidthAndMinimumHeight()
    {
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        group().resize(px(6435), px(3000));
        QCOMPARE(group().height(), px(4890));
        group().resize(px(8000), px(5400));
        QCOMPARE(group().width(), px(6435));
        QCOMPARE(group().height(), px(5400));
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("Form Height"), QString()), QStringLiteral("5400"));
    }

    void loadedHeightComesFromTheSharedSetting_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("height");
        QTest::newRow("no setting") << "" << 4890;
        QTest::newRow("taller") << "6000" << 6000;
        QTest::newRow("too small springs back") << "1000" << 4890;
        QTest::newRow("not a number") << "tall" << 4890;
    }
    void loadedHeightComesFromTheSharedSetting()
    {
        QFETCH(QString, stored);
        QFETCH(int, height);
        if (!stored.isEmpty())
            WriteSetting(kCompany, kProduct, QStringLiteral("Form Height"), stored);
        frmGroup loaded;
        QCOMPARE(loaded.height(), px(height));
        QCOMPARE(loaded.width(), px(6435));
    }

    void windowInsideTheMainWindowSizesItsFrame()
    {
        WriteSetting(kCompany, kProduct, QStringLiteral("Form Height"), QStringLiteral("6000"));
        frmMain main;
        main.show();
        frmGroup* inner = main.groupWindow(1);
        main.showGroupWindow(1);
        auto* frame = qobject_cast<QMdiSubWindow*>(inner->parentWidget());
        QVERIFY(frame);
        QCOMPARE(frame->width(), px(6435));
        QCOMPARE(frame->height(), px(6000));
        // The layout rules speak of the outer height, frame included.
        QCOMPARE(list(*inner, "lstTeams")->y(), px(600));

        frame->resize(px(6435), px(2000));
        QCOMPARE(frame->height(), px(4890));
        QCOMPARE(list(*inner, "lstTeams")->y(), px(489));
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("Form Height"), QString()), QStringLiteral("4890"));

        frame->resize(px(9000), px(7500));
        QCOMPARE(frame->width(), px(6435));
        QCOMPARE(frame->height(), px(7500));
        QCOMPARE(ReadSetting(kCompany, kProduct, QStringLiteral("Form Height"), QString()), QStringLiteral("7500"));
    }

    void choosingTeamsStepsThroughTheEntryStates()
    {
        QPushButton* home = button(group(), "cmdHome");
        QPushButton* away = button(group(), "cmdAway");

        home->click(); // nothing selected
        QVERIFY(home->isEnabled());
        QVERIFY(field(group(), "txtHome")->text().isEmpty());

        selectRow(list(group(), "lstTeams"), 1);
        home->click();
        QCOMPARE(field(group(), "txtHome")->text(), QStringLiteral("United"));
        QVERIFY(!home->isEnabled());
        QVERIFY(away->isEnabled());
        QVERIFY(!button(group(), "cmdAddFixture")->isEnabled());

        selectRow(list(group(), "lstTeams"), 2);
        away->click();
        QCOMPARE(field(group(), "txtAway")->text(), QStringLiteral("Wanderers"));
        QVERIFY(home->isEnabled());
        QVERIFY(!away->isEnabled());
        QVERIFY(button(group(), "cmdAddFixture")->isEnabled());
        QVERIFY(button(group(), "cmdAddResult")->isEnabled());

        // Choosing home again keeps the add buttons.
        selectRow(list(group(), "lstTeams"), 0);
        home->click();
        QCOMPARE(field(group(), "txtHome")->text(), QStringLiteral("Rovers"));
        QVERIFY(away->isEnabled());
        QVERIFY(button(group(), "cmdAddResult")->isEnabled());
    }

    void sameTeamHomeAndAwayIsRefused()
    {
        selectRow(list(group(), "lstTeams"), 1);
        button(group(), "cmdHome")->click();
        m_prompts->expect(QStringLiteral("Unable to play same team home and away")).answer(Prompts::Answer::Ok);
        button(group(), "cmdAway")->click();
        QCOMPARE(m_prompts->lastCall().title, QStringLiteral("ERROR"));
        QCOMPARE(m_prompts->lastCall().icon, Prompts::Icon::Exclamation);
        QCOMPARE(m_prompts->lastCall().buttons, Prompts::Buttons::Ok);
        QVERIFY(field(group(), "txtAway")->text().isEmpty());
        QVERIFY(button(group(), "cmdAway")->isEnabled());
        QVERIFY(!button(group(), "cmdHome")->isEnabled());
        QVERIFY(!button(group(), "cmdAddFixture")->isEnabled());
    }

    void doubleClicksPickHomeThenAway()
    {
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        QListView* teams = list(group(), "lstTeams");
        doubleClickRow(teams, 2);
        QCOMPARE(field(group(), "txtHome")->text(), QStringLiteral("Wanderers"));
        doubleClickRow(teams, 0);
        QCOMPARE(field(group(), "txtAway")->text(), QStringLiteral("Rovers"));
        QVERIFY(button(group(), "cmdAddFixture")->isEnabled());
    }

    void doubleClickOnAResultPressesEdit_data()
    {
        QTest::addColumn<bool>("editEnabled");
        QTest::newRow("edit enabled") << true;
        QTest::newRow("edit disabled") << false;
    }
    void doubleClickOnAResultPressesEdit()
    {
        QFETCH(bool, editEnabled);
        group().setStoredLines({ QStringLiteral("F:07-Mar-2000:0:1") });
        group().RefreshList();
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        QPushButton* edit = button(group(), "cmdEditResult");
        // Only whether the button is pressed matters here, not what editing then does.
        QObject::disconnect(edit, &QPushButton::clicked, &group(), nullptr);
        edit->setEnabled(editEnabled);
        QSignalSpy pressed(edit, &QPushButton::clicked);
        QListView* results = list(group(), "lstResults");
        doubleClickRow(results, 0);
        QCOMPARE(pressed.count(), editEnabled ? 1 : 0);
    }

    void accessKeysPressTheirButtons()
    {
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        QApplication::setActiveWindow(&group());
        selectRow(list(group(), "lstTeams"), 1);
        QTest::keyClick(&group(), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(field(group(), "txtHome")->text(), QStringLiteral("United"));
        // Alt+A belongs to "&Away" and "Edit D&ate" alike; as with any shared access key it moves
        // the focus between them rather than pressing either.
        selectRow(list(group(), "lstTeams"), 0);
        QTest::keyClick(&group(), Qt::Key_A, Qt::AltModifier);
        QTest::qWait(150);
        QVERIFY(field(group(), "txtAway")->text().isEmpty());
        button(group(), "cmdAway")->click();
        QTest::keyClick(&group(), Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(group().storedLines(), QStringList({ QStringLiteral("F:%1:1:0").arg(today()) }));
    }

    void addingWithoutAnAwayTeamDoesNothing()
    {
        selectRow(list(group(), "lstTeams"), 1);
        button(group(), "cmdHome")->click();
        group().cmdAddFixture_Click();
        group().cmdAddResult_Click();
        QVERIFY(group().storedLines().isEmpty());
        QVERIFY(group().displayLines().isEmpty());
        QVERIFY(Tournament.Saved);
    }

    void addedFixtureHasTheExactLines()
    {
        chooseTeams(group(), 0, 2);
        typeScores(group(), QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5"));
        button(group(), "cmdAddFixture")->click();

        const QString date = today();
        QCOMPARE(group().storedLines(), QStringList({ QStringLiteral("F:%1:0:2").arg(date) }));
        QCOMPARE(group().displayLines(), QStringList({ QStringLiteral("F:%1:Rovers-v-Wanderers").arg(date) }));
        QCOMPARE(group().selectedResult(), 0);
        QVERIFY(!Tournament.Saved);
        // Cleared for the next item on the same date.
        QVERIFY(field(group(), "txtHome")->text().isEmpty());
        QVERIFY(field(group(), "txtAway")->text().isEmpty());
        QCOMPARE(scoreTexts(group()), QStringList({ "0", "0", "0", "0" }));
        QCOMPARE(field(group(), "txtDate")->text(), date);
        QVERIFY(button(group(), "cmdHome")->isEnabled());
        QVERIFY(!button(group(), "cmdAddFixture")->isEnabled());
        QVERIFY(!button(group(), "cmdAddResult")->isEnabled());
    }

    void addedResultHasTheExactLines_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("stored"); // after the date
        QTest::addColumn<QString>("shown"); // after the date, as entered
        QTest::addColumn<QString>("rebuilt"); // after the date, after RefreshList

        QTest::newRow("plain") << QStringList { "1", "0", "2", "2" } << ":1:0:2:2:0:2"
                               << ":HT:1-0:FT:2-2:Rovers-v-Wanderers"
                               << ":HT:1-0:FT:2-2:Rovers-v-Wanderers";
        QTest::newRow("blanks trimmed") << QStringList { " 3", "1 ", "  2  ", "\t0" } << ":3:1:2:0:0:2"
                                        << ":HT:3-1:FT:2-0:Rovers-v-Wanderers"
                                        << ":HT:3-1:FT:2-0:Rovers-v-Wanderers";
        QTest::newRow("zero-led shown until rebuilt") << QStringList { "02", "0", "02", "1" } << ":02:0:02:1:0:2"
                                                      << ":HT:02-0:FT:02-1:Rovers-v-Wanderers"
                                                      << ":HT:2-0:FT:2-1:Rovers-v-Wanderers";
        QTest::newRow("blank and fraction allowed") << QStringList { "", "2.5", "3.5", "x" } << "::2.5:3.5:x:0:2"
                                                    << ":HT:-2.5:FT:3.5-x:Rovers-v-Wanderers"
                                                    << ":HT:0-2:FT:4-0:Rovers-v-Wanderers";
    }
    void addedResultHasTheExactLines()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, rebuilt);

        chooseTeams(group(), 0, 2);
        typeScores(group(), typed[0], typed[1], typed[2], typed[3]);
        button(group(), "cmdAddResult")->click();

        const QString date = today();
        QCOMPARE(group().storedLines(), QStringList({ QStringLiteral("R:") + date + stored }));
        QCOMPARE(group().displayLines(), QStringList({ QStringLiteral("R:") + date + shown }));
        QCOMPARE(group().selectedResult(), 0);
        QVERIFY(!Tournament.Saved);
        QCOMPARE(scoreTexts(group()), QStringList({ "0", "0", "0", "0" }));

        group().RefreshList();
        QCOMPARE(group().displayLines(), QStringList({ QStringLiteral("R:") + date + rebuilt }));
        QCOMPARE(group().storedLines(), QStringList({ QStringLiteral("R:") + date + stored }));
    }

    void newItemsGoAtTheEndAndAreSelected()
    {
        group().setStoredLines({ QStringLiteral("F:01-Jan-2030:1:2"), QStringLiteral("F:02-Jan-2030:2:1") });
        group().RefreshList();
        chooseTeams(group(), 1, 0);
        button(group(), "cmdAddFixture")->click();
        QCOMPARE(group().storedLines().size(), 3);
        QCOMPARE(group().storedLines().last(), QStringLiteral("F:%1:1:0").arg(today()));
        QCOMPARE(group().displayLines().last(), QStringLiteral("F:%1:United-v-Rovers").arg(today()));
        QCOMPARE(group().selectedResult(), 2);
    }

    void unreadableScoresAreRefusedAndNothingStored_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("colon in home half-time")
            << QStringList { "1:0", "0", "2", "2" }
            << "The home half-time score is not valid.\rA score may not contain \":\".";
        QTest::newRow("colon in away full-time")
            << QStringList { "1", "0", "2", ":" }
            << "The away full-time score is not valid.\rA score may not contain \":\".";
        QTest::newRow("beyond 16 bits")
            << QStringList { "1", "0", "40000", "2" }
            << "The home full-time score is not valid.\rThe score \"40000\" is too large: scores run from -32768 to "
               "32767.";
    }
    void unreadableScoresAreRefusedAndNothingStored()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        group().setStoredLines({ QStringLiteral("F:01-Jan-2030:1:2") });
        group().RefreshList();
        const QStringList shownBefore = group().displayLines();

        chooseTeams(group(), 0, 2);
        typeScores(group(), typed[0], typed[1], typed[2], typed[3]);
        m_prompts->expect(message).answer(Prompts::Answer::Ok);
        button(group(), "cmdAddResult")->click();

        QCOMPARE(m_prompts->lastCall().title, QStringLiteral("ERROR"));
        QCOMPARE(m_prompts->lastCall().icon, Prompts::Icon::Exclamation);
        QCOMPARE(group().storedLines(), QStringList({ QStringLiteral("F:01-Jan-2030:1:2") }));
        QCOMPARE(group().displayLines(), shownBefore);
        QVERIFY(Tournament.Saved);
        // The entry stays as typed, ready to be corrected.
        QCOMPARE(scoreTexts(group()), typed);
        QCOMPARE(field(group(), "txtAway")->text(), QStringLiteral("Wanderers"));
        QVERIFY(button(group(), "cmdAddResult")->isEnabled());
    }

    void fullListRefusesAnotherItem_data()
    {
        QTest::addColumn<QString>("addButton");
        QTest::newRow("fixture") << "cmdAddFixture";
        QTest::newRow("result") << "cmdAddResult";
    }
    void fullListRefusesAnotherItem()
    {
        QFETCH(QString, addButton);
        const QStringList full(kMaxListLines, QStringLiteral("F:01-Jan-2030:0:1"));
        group().setStoredLines(full);
        group().RefreshList();

        chooseTeams(group(), 0, 2);
        m_prompts
            ->expect(QStringLiteral("This group already holds 32767 fixtures and results, as many as a group can "
                                    "hold.\rDelete an item before adding another."))
            .answer(Prompts::Answer::Ok);
        group().findChild<QPushButton*>(addButton)->click();
        QCOMPARE(m_prompts->lastCall().title, QStringLiteral("ERROR"));
        QCOMPARE(group().storedLines().size(), kMaxListLines);
        QCOMPARE(group().displayLines().size(), kMaxListLines);
        QVERIFY(Tournament.Saved);
    }

    void clearResetsTheEntryButKeepsTheDate()
    {
        pickDate(group(), QDate(2001, 4, 9));
        chooseTeams(group(), 0, 1);
        typeScores(group(), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"));
        button(group(), "cmdClear")->click();
        QVERIFY(field(group(), "txtHome")->text().isEmpty());
        QVERIFY(field(group(), "txtAway")->text().isEmpty());
        QCOMPARE(scoreTexts(group()), QStringList({ "0", "0", "0", "0" }));
        QCOMPARE(field(group(), "txtDate")->text(), QStringLiteral("09-Apr-2001"));
        QVERIFY(button(group(), "cmdHome")->isEnabled());
        QVERIFY(!button(group(), "cmdAway")->isEnabled());
        QVERIFY(!button(group(), "cmdAddResult")->isEnabled());
        QVERIFY(Tournament.Saved);
    }

    void deleteRemovesTheSamePositionFromBothLists_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<Prompts::Answer>("answer");
        QTest::addColumn<QStringList>("remaining"); // stored lines
        const QStringList all = { "F:01-Jan-2030:0:1", "R:02-Jan-2030:1:0:2:2:1:2", "F:03-Jan-2030:2:0" };
        QTest::newRow("first, yes") << 0 << Prompts::Answer::Yes << QStringList { all[1], all[2] };
        QTest::newRow("middle, yes") << 1 << Prompts::Answer::Yes << QStringList { all[0], all[2] };
        QTest::newRow("last, yes") << 2 << Prompts::Answer::Yes << QStringList { all[0], all[1] };
        QTest::newRow("middle, no") << 1 << Prompts::Answer::No << all;
    }
    void deleteRemovesTheSamePositionFromBothLists()
    {
        QFETCH(int, selected);
        QFETCH(Prompts::Answer, answer);
        QFETCH(QStringList, remaining);
        group().setStoredLines({ "F:01-Jan-2030:0:1", "R:02-Jan-2030:1:0:2:2:1:2", "F:03-Jan-2030:2:0" });
        group().RefreshList();
        group().selectResult(selected);

        m_prompts->expect(QStringLiteral("Are you sure you want to delete this item ?")).answer(answer);
        button(group(), "cmdDelete")->click();
        QCOMPARE(m_prompts->lastCall().title, QStringLiteral("Confirm Delete"));
        QCOMPARE(m_prompts->lastCall().icon, Prompts::Icon::Question);
        QCOMPARE(m_prompts->lastCall().buttons, Prompts::Buttons::YesNo);

        QCOMPARE(group().storedLines(), remaining);
        QCOMPARE(group().displayLines(), buildDisplayLines(remaining, kTeams));
        const bool deleted = answer == Prompts::Answer::Yes;
        QCOMPARE(bool(Tournament.Saved), !deleted);
        if (deleted)
            QCOMPARE(group().selectedResult(), -1);
        else
            QCOMPARE(group().selectedResult(), selected);
    }

    void deletingTheLastItemEmptiesBothLists()
    {
        chooseTeams(group(), 0, 1);
        button(group(), "cmdAddFixture")->click();
        Tournament.Saved = true;
        m_prompts->expect(QStringLiteral("Are you sure you want to delete this item ?")).answer(Prompts::Answer::Yes);
        button(group(), "cmdDelete")->click();
        QVERIFY(group().storedLines().isEmpty());
        QVERIFY(group().displayLines().isEmpty());
        QVERIFY(!Tournament.Saved);
    }

    void deleteWithoutASelectionAsksNothing()
    {
        group().setStoredLines({ QStringLiteral("F:01-Jan-2030:0:1") });
        group().RefreshList();
        button(group(), "cmdDelete")->click(); // an unexpected prompt would fail the test
        QCOMPARE(group().storedLines().size(), 1);
        QVERIFY(Tournament.Saved);
    }

    void renameRebuildsTheDisplayAndLeavesSavedAlone_data()
    {
        QTest::addColumn<bool>("savedBefore");
        QTest::newRow("saved tournament") << true;
        QTest::newRow("unsaved tournament") << false;
    }
    void renameRebuildsTheDisplayAndLeavesSavedAlone()
    {
        QFETCH(bool, savedBefore);
        const QStringList stored = { "F:01-Jan-2030:0:1", "R:02-Jan-2030:1:0:2:2:1:2" };
        group().setStoredLines(stored);
        group().RefreshList();
        group().selectResult(1);
        Tournament.Saved = savedBefore;
        selectRow(list(group(), "lstTeams"), 1);

        m_prompts->expect(QStringLiteral("Enter New Name")).answer(QStringLiteral("City"));
        m_prompts->expect(QStringLiteral("Are you sure you want to change\rUnited to City"))
            .answer(Prompts::Answer::Yes);
        button(group(), "cmdEdit")->click();

        QCOMPARE(m_prompts->calls().at(0).title, QStringLiteral("Change Name"));
        QVERIFY(m_prompts->calls().at(0).defaultText.isEmpty());
        QCOMPARE(m_prompts->calls().at(1).title, QStringLiteral("Change Name"));
        QCOMPARE(m_prompts->calls().at(1).icon, Prompts::Icon::Question);
        QCOMPARE(m_prompts->calls().at(1).buttons, Prompts::Buttons::YesNo);
        QCOMPARE(group().teams(), QStringList({ "Rovers", "City", "Wanderers" }));
        QCOMPARE(group().storedLines(), stored);
        QCOMPARE(group().displayLines(),
                 QStringList({ "F:01-Jan-2030:Rovers-v-City", "R:02-Jan-2030:HT:1-0:FT:2-2:City-v-Wanderers" }));
        QCOMPARE(group().selectedResult(), -1);
        QCOMPARE(bool(Tournament.Saved), savedBefore);
    }

    void renameThatIsNotConfirmedChangesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("confirmAsked");
        QTest::newRow("prompt cancelled") << "" << false;
        QTest::newRow("change declined") << "City" << true;
    }
    void renameThatIsNotConfirmedChangesNothing()
    {
        QFETCH(QString, typed);
        QFETCH(bool, confirmAsked);
        group().setStoredLines({ QStringLiteral("F:01-Jan-2030:0:1") });
        group().RefreshList();
        const QStringList shown = group().displayLines();
        selectRow(list(group(), "lstTeams"), 0);
        m_prompts->expect(QStringLiteral("Enter New Name")).answer(typed);
        if (confirmAsked)
            m_prompts->expect(QStringLiteral("Are you sure you want to change\rRovers to City"))
                .answer(Prompts::Answer::No);
        button(group(), "cmdEdit")->click();
        QCOMPARE(group().teams(), kTeams);
        QCOMPARE(group().displayLines(), shown);
    }

    void renameWithoutASelectionAsksNothing()
    {
        button(group(), "cmdEdit")->click();
        QCOMPARE(group().teams(), kTeams);
    }

    void renameToANameHoldingTheSeparatorIsRefusedAndAskedAgain()
    {
        group().setStoredLines({ QStringLiteral("F:01-Jan-2030:0:2") });
        group().RefreshList();
        selectRow(list(group(), "lstTeams"), 2);
        m_prompts->expect(QStringLiteral("Enter New Name")).answer(QStringLiteral("Home-v-Away"));
        m_prompts->expect(teamNameProblem(QStringLiteral("Home-v-Away"))).answer(Prompts::Answer::Ok);
        m_prompts->expect(QStringLiteral("Enter New Name")).answer(QStringLiteral("Athletic"));
        m_prompts->expect(QStringLiteral("Are you sure you want to change\rWanderers to Athletic"))
            .answer(Prompts::Answer::Yes);
        button(group(), "cmdEdit")->click();
        QCOMPARE(m_prompts->calls().at(1).title, QStringLiteral("ERROR"));
        QCOMPARE(m_prompts->calls().at(1).icon, Prompts::Icon::Exclamation);
        QCOMPARE(group().teams(), QStringList({ "Rovers", "United", "Athletic" }));
        QCOMPARE(group().displayLines(), QStringList({ "F:01-Jan-2030:Rovers-v-Athletic" }));
    }

    void refusedSeparatorNameThenCancelChangesNothing()
    {
        selectRow(list(group(), "lstTeams"), 0);
        m_prompts->expect(QStringLiteral("Enter New Name")).answer(QStringLiteral("a-v-b"));
        m_prompts->expect(teamNameProblem(QStringLiteral("a-v-b"))).answer(Prompts::Answer::Ok);
        m_prompts->expect(QStringLiteral("Enter New Name")).answer(QString());
        button(group(), "cmdEdit")->click();
        QCOMPARE(group().teams(), kTeams);
    }

    void teamBeyondTheListShowsAPlaceholder()
    {
        group().setStoredLines({ QStringLiteral("F:01-Jan-2030:0:5"), QStringLiteral("R:02-Jan-2030:1:0:1:0:9:1") });
        group().RefreshList();
        QCOMPARE(
            group().displayLines(),
            QStringList({ "F:01-Jan-2030:Rovers-v-<no team 5>", "R:02-Jan-2030:HT:1-0:FT:1-0:<no team 9>-v-United" }));
        QCOMPARE(group().displayLines().size(), group().storedLines().size());
    }

    // Holding "+" moves the date at the press, once more after 250 ms, then every 50 ms.
    void heldDateButtonRepeats_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<Qt::MouseButton>("mouseButton");
        QTest::addColumn<int>("step");
        QTest::newRow("plus, left button") << "cmdDatePlus" << Qt::LeftButton << 1;
        QTest::newRow("plus, right button") << "cmdDatePlus" << Qt::RightButton << 1;
        QTest::newRow("minus, middle button") << "cmdDateMinus" << Qt::MiddleButton << -1;
        QTest::newRow("minus, left button") << "cmdDateMinus" << Qt::LeftButton << -1;
    }
    void heldDateButtonRepeats()
    {
        QFETCH(QString, buttonName);
        QFETCH(Qt::MouseButton, mouseButton);
        QFETCH(int, step);
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        pickDate(group(), QDate(2000, 6, 15));
        QPushButton* dateButton = group().findChild<QPushButton*>(buttonName);
        auto* timer = group().findChild<QTimer*>(QStringLiteral("Timer1"));
        QLineEdit* date = field(group(), "txtDate");

        QTest::mousePress(dateButton, mouseButton);
        QCOMPARE(date->text(), formatRecordDate(QDate(2000, 6, 15).addDays(step)));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 250);
        QCOMPARE(bool(bDateUp), step > 0);

        emitTimeout(timer);
        QCOMPARE(date->text(), formatRecordDate(QDate(2000, 6, 15).addDays(2 * step)));
        QCOMPARE(timer->interval(), 50);
        emitTimeout(timer);
        QCOMPARE(date->text(), formatRecordDate(QDate(2000, 6, 15).addDays(3 * step)));

        QTest::mouseRelease(dateButton, mouseButton);
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 250);
        // The release itself moves nothing.
        QCOMPARE(date->text(), formatRecordDate(QDate(2000, 6, 15).addDays(3 * step)));

        // A second press waits 250 ms again before repeating.
        QTest::mousePress(dateButton, mouseButton);
        QCOMPARE(timer->interval(), 250);
        QTest::mouseRelease(dateButton, mouseButton);
        QCOMPARE(date->text(), formatRecordDate(QDate(2000, 6, 15).addDays(4 * step)));
    }

    void heldButtonRepeatsInRealTime()
    {
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        pickDate(group(), QDate(2000, 6, 15));
        QPushButton* plus = button(group(), "cmdDatePlus");
        QTest::mousePress(plus, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(parseRecordDate(field(group(), "txtDate")->text()) >= QDate(2000, 6, 18), 5000);
        QTest::mouseRelease(plus, Qt::LeftButton);
        const QString stopped = field(group(), "txtDate")->text();
        QTest::qWait(200);
        QCOMPARE(field(group(), "txtDate")->text(), stopped);
    }

    void dateCrossesMonthAndYearEnds_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QString>("shown");
        QTest::newRow("year end forward") << QDate(1999, 12, 31) << "cmdDatePlus"
                                          << "01-Jan-2000";
        QTest::newRow("year start back") << QDate(2000, 1, 1) << "cmdDateMinus"
                                         << "31-Dec-1999";
        QTest::newRow("leap day forward") << QDate(2000, 2, 28) << "cmdDatePlus"
                                          << "29-Feb-2000";
        QTest::newRow("month start back") << QDate(2001, 3, 1) << "cmdDateMinus"
                                          << "28-Feb-2001";
        QTest::newRow("last four-digit day stays") << QDate(9999, 12, 31) << "cmdDatePlus"
                                                   << "31-Dec-9999";
    }
    void dateCrossesMonthAndYearEnds()
    {
        QFETCH(QDate, start);
        QFETCH(QString, buttonName);
        QFETCH(QString, shown);
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        pickDate(group(), start);
        QPushButton* dateButton = group().findChild<QPushButton*>(buttonName);
        QTest::mouseClick(dateButton, Qt::LeftButton);
        QCOMPARE(field(group(), "txtDate")->text(), shown);
    }

    void spaceOnADateButtonMovesOneDay()
    {
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        pickDate(group(), QDate(2000, 6, 15));
        QPushButton* plus = button(group(), "cmdDatePlus");
        plus->setFocus();
        QTest::keyClick(plus, Qt::Key_Space);
        QCOMPARE(field(group(), "txtDate")->text(), QStringLiteral("16-Jun-2000"));
        QPushButton* minus = button(group(), "cmdDateMinus");
        minus->setFocus();
        QTest::keyClick(minus, Qt::Key_Space);
        QTest::keyClick(minus, Qt::Key_Space);
        QCOMPARE(field(group(), "txtDate")->text(), QStringLiteral("14-Jun-2000"));
    }

    void calendarDisablesTheWindowUntilItCloses_data()
    {
        QTest::addColumn<QString>("closeWith");
        QTest::addColumn<QString>("shown");
        QTest::newRow("OK") << "cmdOK"
                            << "24-Dec-2010";
        QTest::newRow("Cancel") << "cmdCancel"
                                << "07-Mar-2000";
        QTest::newRow("Escape") << "escape"
                                << "07-Mar-2000";
    }
    void calendarDisablesTheWindowUntilItCloses()
    {
        QFETCH(QString, closeWith);
        QFETCH(QString, shown);
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        pickDate(group(), QDate(2000, 3, 7));
        QCOMPARE(field(group(), "txtDate")->text(), QStringLiteral("07-Mar-2000"));

        button(group(), "cmdCalendar")->click();
        frmCalendar* calendar = openCalendar();
        QVERIFY(calendar);
        QVERIFY(!group().isEnabled());
        QVERIFY(calendar->isEnabled());
        // It starts at the entry date.
        auto* cal = calendar->findChild<QCalendarWidget*>(QStringLiteral("Cal"));
        QCOMPARE(cal->selectedDate(), QDate(2000, 3, 7));
        cal->setSelectedDate(QDate(2010, 12, 24));
        if (closeWith == QLatin1String("escape"))
            QTest::keyClick(calendar, Qt::Key_Escape);
        else
            calendar->findChild<QPushButton*>(closeWith)->click();

        QCOMPARE(field(group(), "txtDate")->text(), shown);
        QVERIFY(group().isEnabled());
        QTRY_VERIFY(!openCalendar());
    }

    void dateButtonsRestWhileTheCalendarIsOpen()
    {
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        pickDate(group(), QDate(2000, 3, 7));
        button(group(), "cmdCalendar")->click();
        frmCalendar* calendar = openCalendar();
        QVERIFY(calendar);
        QTest::mousePress(button(group(), "cmdDatePlus"), Qt::RightButton);
        QTest::mouseRelease(button(group(), "cmdDatePlus"), Qt::RightButton);
        QTest::mouseClick(button(group(), "cmdDateMinus"), Qt::LeftButton);
        QVERIFY(!group().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        calendar->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        QCOMPARE(field(group(), "txtDate")->text(), QStringLiteral("07-Mar-2000"));
    }

    void calendarOkWithTheSameDateKeepsIt()
    {
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        button(group(), "cmdCalendar")->click();
        frmCalendar* calendar = openCalendar();
        QVERIFY(calendar);
        calendar->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QCOMPARE(field(group(), "txtDate")->text(), today());
        QVERIFY(group().isEnabled());
    }

    void closingTheWindowWithTheCalendarOpenLeavesNoDialog()
    {
        group().show();
        QVERIFY(QTest::qWaitForWindowExposed(&group()));
        button(group(), "cmdCalendar")->click();
        QPointer<frmCalendar> calendar = openCalendar();
        QVERIFY(calendar);
        m_group.reset();
        QTRY_VERIFY(!calendar);
        m_group = std::make_unique<frmGroup>();
    }
};

QTEST_MAIN(TestFrmGroup)
#include "tst_frmgroup.moc"
