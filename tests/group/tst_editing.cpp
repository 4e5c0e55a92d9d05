#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "group/RecordLines.h"
#include "group/frmCalendar.h"
#include "group/frmEditFixture.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

const QString kConfirm = QStringLiteral("Are you sure you want to make this change");
const QString kConfirmTitle = QStringLiteral("Change Result");
const QStringList kTeams = { QStringLiteral("Rovers"), QStringLiteral("United"), QStringLiteral("City") };

// A group window holding `lines`, with line `selected` chosen in the results list.
std::unique_ptr<frmGroup> groupWith(const QStringList& lines, int selected)
{
    auto window = std::make_unique<frmGroup>();
    window->setTeams(kTeams);
    window->setStoredLines(lines);
    window->RefreshList();
    if (selected >= 0)
        window->selectResult(selected);
    return window;
}

template <typename Widget>
Widget* child(QWidget* parent, const char* name)
{
    return parent->findChild<Widget*>(QLatin1String(name));
}

// Runs `start` (which opens a modal dialog) and, once the dialog is up, `interact` on it. A guard
// closes whatever modal dialog is still open after a few seconds so that a failing test ends.
// Answers whether a dialog of the type appeared at all.
template <typename Dialog>
bool withDialog(const std::function<void()>& start, const std::function<void(Dialog*)>& interact)
{
    bool seen = false;
    QTimer guard;
    QTimer::singleShot(0, &guard, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        interact(dialog);
    });
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* open = QApplication::activeModalWidget())
            open->close();
    });
    guard.start(5000);
    start();
    // A dialog that was never opened leaves the queued interaction pending: let it run now.
    QCoreApplication::processEvents();
    return seen;
}

void setScores(frmEditFixture* dialog, const QStringList& scores)
{
    const char* names[] = { "txtHomeHT", "txtAwayHT", "txtHomeFT", "txtAwayFT" };
    for (int k = 0; k < scores.size(); ++k)
        child<QLineEdit>(dialog, names[k])->setText(scores[k]);
}

void click(QWidget* dialog, const char* name)
{
    child<QPushButton>(dialog, name)->click();
}

// Answers OK or Cancel in the calendar after choosing `date` (unless invalid).
void pickDate(frmCalendar* calendar, const QDate& date, const char* button)
{
    if (date.isValid())
        child<QCalendarWidget>(calendar, "Cal")->setSelectedDate(date);
    click(calendar, button);
}

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetProgramState();
        Tournament.Saved = true;
    }

    void dialogShowsTheItem_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("shown"); // home, away, HT home, HT away, FT home, FT away
        QTest::addColumn<QStringList>("numbers");

        QTest::newRow("fixture shows 0 scores")
            << "F:07-Mar-2000:0:2" << QStringList { "Rovers", "City", "0", "0", "0", "0" } << QStringList { "0", "2" };
        QTest::newRow("result shows whole-number scores")
            << "R:07-Mar-2000:02:1:2.5:3.5:2:1" << QStringList { "City", "United", "2", "1", "2", "4" }
            << QStringList { "2", "1" };
        QTest::newRow("team number outside the list shows a placeholder")
            << "R:07-Mar-2000:1:0:2:2:0:9"
            << QStringList { "Rovers", teamNameOrPlaceholder(kTeams, 9), "1", "0", "2", "2" }
            << QStringList { "0", "9" };
        QTest::newRow("negative team number shows a placeholder")
            << "F:07-Mar-2000:-1:1" << QStringList { teamNameOrPlaceholder(kTeams, -1), "United", "0", "0", "0", "0" }
            << QStringList { "-1", "1" };
        QTest::newRow("unreadable numbers are shown as stored")
            << "R:07-Mar-2000:70000:0:1:1:0:99999"
            << QStringList { "Rovers", teamNameOrPlaceholder(kTeams, 99999), "70000", "0", "1", "1" }
            << QStringList { "0", "99999" };
    }
    void dialogShowsTheItem()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, numbers);
        TemporarySettings settings;
        ScriptedPrompts prompts;
        auto window = groupWith({ QStringLiteral("F:01-Jan-2000:0:1"), stored }, 1);

        QStringList seen;
        QStringList seenNumbers;
        QString recordWhileOpen;
        const bool opened = withDialog<frmEditFixture>(
            [&] { window->cmdEditResult_Click(); },
            [&](frmEditFixture* dialog) {
                for (const char* name : { "txtHome", "txtAway", "txtHomeHT", "txtAwayHT", "txtHomeFT", "txtAwayFT" })
                    seen << child<QLineEdit>(dialog, name)->text();
                seenNumbers << child<QLineEdit>(dialog, "txtHomeNumber")->text()
                            << child<QLineEdit>(dialog, "txtAwayNumber")->text();
                recordWhileOpen = EditedRecord;
                click(dialog, "cmdCancel");
            });
        QVERIFY(opened);
        QCOMPARE(seen, shown);
        QCOMPARE(seenNumbers, numbers);
        QCOMPARE(recordWhileOpen, QStringLiteral("R:07-Mar-2000"));
        QCOMPARE(window->storedLines().at(1), stored);
        QVERIFY(prompts.calls().isEmpty());
    }

    void confirmedEditReplacesTheLine_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("typed"); // HT home, HT away, FT home, FT away; empty = untouched
        QTest::addColumn<QString>("expected");

        QTest::newRow("fixture untouched becomes a 0-0 result")
            << "F:07-Mar-2000:0:2" << QStringList() << "R:07-Mar-2000:0:0:0:0:0:2";
        QTest::newRow("stored 02 confirmed unchanged stores 2")
            << "R:07-Mar-2000:02:1:02:2:1:0" << QStringList() << "R:07-Mar-2000:2:1:2:2:1:0";
        QTest::newRow("blanks around a score are kept")
            << "F:07-Mar-2000:0:2" << QStringList { " 1", "0 ", " 3 ", "2" } << "R:07-Mar-2000: 1:0 : 3 :2:0:2";
        QTest::newRow("blank, 02 and 2.5 are allowed")
            << "F:07-Mar-2000:0:2" << QStringList { "", "02", "2.5", "-3" } << "R:07-Mar-2000::02:2.5:-3:0:2";
        QTest::newRow("16-bit limits are allowed") << "F:07-Mar-2000:1:2" << QStringList { "32767", "-32768", "0", "0" }
                                                   << "R:07-Mar-2000:32767:-32768:0:0:1:2";
        QTest::newRow("team number outside the list is kept")
            << "R:07-Mar-2000:1:0:2:2:0:9" << QStringList { "1", "1", "2", "2" } << "R:07-Mar-2000:1:1:2:2:0:9";
    }
    void confirmedEditReplacesTheLine()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, typed);
        QFETCH(QString, expected);
        TemporarySettings settings;
        ScriptedPrompts prompts;
        prompts.expect(kConfirm).answer(Prompts::Answer::Yes);
        const QString before = QStringLiteral("F:01-Jan-2000:0:1");
        const QString after = QStringLiteral("R:09-Sep-1999:1:1:1:1:2:1");
        auto window = groupWith({ before, stored, after }, 1);

        QVERIFY(withDialog<frmEditFixture>([&] { window->cmdEditResult_Click(); },
                                           [&](frmEditFixture* dialog) {
                                               setScores(dialog, typed);
                                               click(dialog, "cmdOK");
                                           }));

        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().title, kConfirmTitle);
        QCOMPARE(prompts.lastCall().icon, Prompts::Icon::Question);
        QCOMPARE(prompts.lastCall().buttons, Prompts::Buttons::YesNo);
        QCOMPARE(window->storedLines(), QStringList({ before, expected, after }));
        QCOMPARE(window->displayLines(), buildDisplayLines(window->storedLines(), kTeams));
        QCOMPARE(window->selectedResult(), 1);
        QVERIFY(!Tournament.Saved);
    }

    void declinedEditChangesNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("No to the question") << "no";
        QTest::newRow("Cancel button") << "cancel";
        QTest::newRow("Escape key") << "escape";
        QTest::newRow("close box") << "close";
    }
    void declinedEditChangesNothing()
    {
        QFETCH(QString, way);
        TemporarySettings settings;
        ScriptedPrompts prompts;
        if (way == QLatin1String("no"))
            prompts.expect(kConfirm).answer(Prompts::Answer::No);
        const QStringList lines = { QStringLiteral("F:07-Mar-2000:0:2"), QStringLiteral("R:08-Mar-2000:1:0:2:2:1:2") };
        auto window = groupWith(lines, 1);
        const QStringList display = window->displayLines();

        QVERIFY(withDialog<frmEditFixture>([&] { window->cmdEditResult_Click(); },
                                           [&](frmEditFixture* dialog) {
                                               setScores(dialog, { "5", "5", "5", "5" });
                                               if (way == QLatin1String("no"))
                                                   click(dialog, "cmdOK");
                                               else if (way == QLatin1String("cancel"))
                                                   click(dialog, "cmdCancel");
                                               else if (way == QLatin1String("escape"))
                                                   QTest::keyClick(dialog, Qt::Key_Escape);
                                               else
                                                   dialog->close();
                                           }));

        QVERIFY(prompts.allAnswered());
        QVERIFY(EditedRecord.isEmpty());
        QCOMPARE(window->storedLines(), lines);
        QCOMPARE(window->displayLines(), display);
        QVERIFY(Tournament.Saved);
    }

    void unusableScoreIsRefusedAndTheDialogStaysOpen_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("colon in home half-time") << "txtHomeHT"
                                                 << "1:2";
        QTest::newRow("colon alone in away full-time") << "txtAwayFT"
                                                       << ":";
        QTest::newRow("70000 in away half-time") << "txtAwayHT"
                                                 << "70000";
        QTest::newRow("-32769 in home full-time") << "txtHomeFT"
                                                  << "-32769";
        QTest::newRow("32767.5 rounds beyond 16 bits") << "txtHomeHT"
                                                       << "32767.5";
    }
    void unusableScoreIsRefusedAndTheDialogStaysOpen()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        TemporarySettings settings;
        ScriptedPrompts prompts;
        const QString problem = scoreTextProblem(text);
        QVERIFY(!problem.isEmpty());
        prompts.expect(problem);
        const QStringList lines = { QStringLiteral("F:07-Mar-2000:0:2") };
        auto window = groupWith(lines, 0);

        bool openAfterRefusal = false;
        QString recordAfterRefusal;
        QString focusAfterRefusal;
        QVERIFY(withDialog<frmEditFixture>(
            [&] { window->cmdEditResult_Click(); },
            [&](frmEditFixture* dialog) {
                child<QLineEdit>(dialog, qPrintable(field))->setText(text);
                click(dialog, "cmdOK");
                openAfterRefusal = dialog->isVisible() && QApplication::activeModalWidget() == dialog;
                recordAfterRefusal = EditedRecord;
                focusAfterRefusal = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
                click(dialog, "cmdCancel");
            }));

        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.calls().size(), 1); // no "Are you sure" after a refusal
        QCOMPARE(prompts.lastCall().title, QStringLiteral("ERROR"));
        QCOMPARE(prompts.lastCall().icon, Prompts::Icon::Exclamation);
        QCOMPARE(prompts.lastCall().buttons, Prompts::Buttons::Ok);
        QVERIFY(openAfterRefusal);
        QCOMPARE(recordAfterRefusal, QStringLiteral("R:07-Mar-2000"));
        QCOMPARE(focusAfterRefusal, field);
        QCOMPARE(window->storedLines(), lines);
        QVERIFY(Tournament.Saved);
    }

    void correctedScoreIsStoredAfterARefusal()
    {
        TemporarySettings settings;
        ScriptedPrompts prompts;
        prompts.expect(scoreTextProblem(QStringLiteral("2:1")));
        prompts.expect(kConfirm).answer(Prompts::Answer::Yes);
        auto window = groupWith({ QStringLiteral("F:07-Mar-2000:0:2") }, 0);

        QVERIFY(withDialog<frmEditFixture>([&] { window->cmdEditResult_Click(); },
                                           [&](frmEditFixture* dialog) {
                                               setScores(dialog, { "2:1" });
                                               click(dialog, "cmdOK");
                                               setScores(dialog, { "2", "1" });
                                               click(dialog, "cmdOK");
                                           }));

        QVERIFY(prompts.allAnswered());
        QCOMPARE(window->storedLines(), QStringList { QStringLiteral("R:07-Mar-2000:2:1:0:0:0:2") });
        QVERIFY(!Tournament.Saved);
    }

    void unreadableLineIsRefusedWithoutADialog()
    {
        TemporarySettings settings;
        ScriptedPrompts prompts;
        prompts.expect(QStringLiteral("This item cannot be edited: the line has too few fields."));
        const QStringList lines = { QStringLiteral("R:07-Mar-2000:1:0:2") };
        auto window = groupWith(lines, 0);

        QVERIFY(!withDialog<frmEditFixture>([&] { window->cmdEditResult_Click(); },
                                            [&](frmEditFixture* dialog) { click(dialog, "cmdCancel"); }));
        QVERIFY(prompts.allAnswered());
        QCOMPARE(prompts.lastCall().title, QStringLiteral("Edit Result"));
        QCOMPARE(window->storedLines(), lines);
    }

    void editingNeedsASelection_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("dateEdit");
        const QStringList one = { QStringLiteral("F:07-Mar-2000:0:2") };
        QTest::newRow("result edit, empty list") << QStringList() << false;
        QTest::newRow("result edit, no selection") << one << false;
        QTest::newRow("date edit, empty list") << QStringList() << true;
        QTest::newRow("date edit, no selection") << one << true;
    }
    void editingNeedsASelection()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, dateEdit);
        TemporarySettings settings;
        ScriptedPrompts prompts;
        auto window = groupWith(lines, -1);
        QCOMPARE(window->selectedResult(), -1);

        const bool opened = withDialog<QDialog>(
            [&] {
                if (dateEdit)
                    window->cmdEditDate_Click();
                else
                    window->cmdEditResult_Click();
            },
            [](QDialog* dialog) { dialog->reject(); });
        QVERIFY(!opened);
        QCOMPARE(window->storedLines(), lines);
        QVERIFY(Tournament.Saved);
        QVERIFY(prompts.calls().isEmpty());
    }

    void dateEditRewritesTheDate_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QString>("expected");

        QTest::newRow("same date rewrites the line unchanged")
            << "R:07-Mar-2000:1:0:2:2:0:1" << QDate() << "R:07-Mar-2000:1:0:2:2:0:1";
        QTest::newRow("fixture moves to another date")
            << "F:07-Mar-2000:0:2" << QDate(2001, 12, 31) << "F:31-Dec-2001:0:2";
        QTest::newRow("result keeps its scores and blanks")
            << "R:07-Mar-2000: 1:0 :02:2:2:1" << QDate(1999, 1, 5) << "R:05-Jan-1999: 1:0 :02:2:2:1";
        QTest::newRow("one-digit day from elsewhere keeps every field")
            << "F:7-Mar-2000:0:2" << QDate(2000, 3, 8) << "F:08-Mar-2000:0:2";
    }
    void dateEditRewritesTheDate()
    {
        QFETCH(QString, stored);
        QFETCH(QDate, picked);
        QFETCH(QString, expected);
        TemporarySettings settings;
        ScriptedPrompts prompts;
        // The item in the middle, so that the new date may put it out of date order.
        const QString before = QStringLiteral("F:01-Jan-2000:0:1");
        const QString after = QStringLiteral("F:01-Feb-2000:1:2");
        auto window = groupWith({ before, stored, after }, 1);

        QDate shownAtOpen;
        QVERIFY(withDialog<frmCalendar>([&] { window->cmdEditDate_Click(); },
                                        [&](frmCalendar* calendar) {
                                            shownAtOpen = child<QCalendarWidget>(calendar, "Cal")->selectedDate();
                                            pickDate(calendar, picked, "cmdOK");
                                        }));

        QCOMPARE(shownAtOpen, parseRecordDate(splitRecordLine(stored)->dateText));
        QCOMPARE(window->storedLines(), QStringList({ before, expected, after }));
        QCOMPARE(window->displayLines(), buildDisplayLines(window->storedLines(), kTeams));
        QCOMPARE(window->selectedResult(), 1);
        QVERIFY(!Tournament.Saved);
        QVERIFY(prompts.calls().isEmpty());
    }

    void cancelledDateEditChangesNothing_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Escape key") << true;
    }
    void cancelledDateEditChangesNothing()
    {
        QFETCH(bool, byEscape);
        TemporarySettings settings;
        ScriptedPrompts prompts;
        const QStringList lines = { QStringLiteral("F:07-Mar-2000:0:2"), QStringLiteral("R:08-Mar-2000:1:0:2:2:1:2") };
        auto window = groupWith(lines, 0);
        const QStringList display = window->displayLines();

        QVERIFY(withDialog<frmCalendar>([&] { window->cmdEditDate_Click(); },
                                        [&](frmCalendar* calendar) {
                                            child<QCalendarWidget>(calendar, "Cal")->setSelectedDate(QDate(2010, 1, 1));
                                            if (byEscape)
                                                QTest::keyClick(calendar, Qt::Key_Escape);
                                            else
                                                click(calendar, "cmdCancel");
                                        }));

        QCOMPARE(CalendarDate, calendarCancelDate());
        QCOMPARE(window->storedLines(), lines);
        QCOMPARE(window->displayLines(), display);
        QVERIFY(Tournament.Saved);
    }

    void dialogLayout()
    {
        TemporarySettings settings;
        frmEditFixture dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Result"));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(child<QLabel>(&dialog, "Label1")->text(), QStringLiteral("Teams"));
        QCOMPARE(child<QLabel>(&dialog, "Label2")->text(), QStringLiteral("HT"));
        QCOMPARE(child<QLabel>(&dialog, "Label3")->text(), QStringLiteral("FT"));
        QCOMPARE(child<QPushButton>(&dialog, "cmdOK")->text(), QStringLiteral("&OK"));
        QCOMPARE(child<QPushButton>(&dialog, "cmdCancel")->text(), QStringLiteral("&Cancel"));

        for (const char* name : { "txtHome", "txtAway" }) {
            QLineEdit* field = child<QLineEdit>(&dialog, name);
            QVERIFY(field->isReadOnly());
            QVERIFY(!(field->focusPolicy() & Qt::TabFocus));
        }
        for (const char* name : { "txtHomeHT", "txtAwayHT", "txtHomeFT", "txtAwayFT" }) {
            QLineEdit* field = child<QLineEdit>(&dialog, name);
            QVERIFY(!field->isReadOnly());
            QVERIFY(field->focusPolicy() & Qt::TabFocus);
        }
        for (const char* name : { "txtHomeNumber", "txtAwayNumber" })
            QVERIFY(child<QLineEdit>(&dialog, name)->isHidden());

        // Columns under their headings, the home row above the away row.
        const auto geometry = [&](const char* name) { return child<QWidget>(&dialog, name)->geometry(); };
        QCOMPARE(geometry("txtHome").left(), geometry("Label1").left());
        QCOMPARE(geometry("txtHomeHT").left(), geometry("Label2").left());
        QCOMPARE(geometry("txtHomeFT").left(), geometry("Label3").left());
        for (const char* column : { "", "HT", "FT" }) {
            const QByteArray home = QByteArray("txtHome") + column;
            const QByteArray away = QByteArray("txtAway") + column;
            QCOMPARE(geometry(away.constData()).left(), geometry(home.constData()).left());
            QVERIFY(geometry(away.constData()).top() >= geometry(home.constData()).bottom());
            QVERIFY(geometry(home.constData()).top() >= geometry("Label1").bottom());
        }
        QVERIFY(geometry("txtHome").right() < geometry("txtHomeHT").left());
        QVERIFY(geometry("txtHomeHT").right() < geometry("txtHomeFT").left());
        QVERIFY(geometry("txtHomeFT").right() < geometry("cmdOK").left());
        QVERIFY(dialog.rect().contains(geometry("cmdCancel")));
    }

    void everyControlHasAnAccessibleName()
    {
        TemporarySettings settings;
        frmEditFixture dialog;
        const QList<QWidget*> controls = dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(controls.size() >= 13);
        for (QWidget* control : controls)
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        QCOMPARE(child<QWidget>(&dialog, "txtHomeHT")->accessibleName(), QStringLiteral("Home half-time score"));
        QCOMPARE(child<QWidget>(&dialog, "txtAwayFT")->accessibleName(), QStringLiteral("Away full-time score"));
    }

    void buttonsOfTheGroupWindowStartTheEditing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Edit") << "cmdEditResult";
        QTest::newRow("Edit Date") << "cmdEditDate";
    }
    void buttonsOfTheGroupWindowStartTheEditing()
    {
        QFETCH(QString, button);
        TemporarySettings settings;
        ScriptedPrompts prompts;
        auto window = groupWith({ QStringLiteral("F:07-Mar-2000:0:2") }, 0);
        auto* pressed = window->findChild<QPushButton*>(button);
        if (!pressed)
            QSKIP("the group window has no such button yet");
        pressed->setEnabled(true);
        const bool opened = withDialog<QDialog>([&] { pressed->click(); }, [](QDialog* dialog) { dialog->reject(); });
        QVERIFY(opened);
        QCOMPARE(window->storedLines(), QStringList { QStringLiteral("F:07-Mar-2000:0:2") });
        QVERIFY(Tournament.Saved);
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
