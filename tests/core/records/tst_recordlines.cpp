#include "core/common/TypedDate.h"
#include "core/records/GroupRecords.h"
#include "core/records/LinesChange.h"

#include <QLocale>
#include <QTest>

namespace {

const QStringList kTeams = { "Rovers", " United ", "Wanderers" };

} // namespace

class TestRecordLines : public QObject
{
    Q_OBJECT

private slots:
    // A change between two lists of lines makes either list again from the other, equal lines
    // included, and keeps no line that both lists share in their order.
    void linesChangeGoesBothWays_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("empty");
        const QStringList abc { "a", "b", "c" };
        QTest::newRow("unchanged") << abc << abc << true;
        QTest::newRow("into an empty list") << QStringList() << abc << false;
        QTest::newRow("emptied") << abc << QStringList() << false;
        QTest::newRow("equal lines reordered")
            << QStringList { "x", "a", "x", "b" } << QStringList { "a", "x", "b", "x" } << false;
        QTest::newRow("some gone, some new, ends kept")
            << QStringList { "s", "a", "b", "c", "e" } << QStringList { "s", "c", "n", "a", "e" } << false;
    }
    void linesChangeGoesBothWays()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(bool, empty);
        const LinesChange change(before, after);
        QCOMPARE(change.apply(before), after);
        QCOMPARE(change.revert(after), before);
        QCOMPARE(change.isEmpty(), empty);
    }

    // Every reader and writer must ignore the user's locale: run them all under a German one.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // A record date is read as stored; a date typed by hand in any of the forms a date is written in, with English
    // month names in any letter case.
    void recordDatesAreReadAndWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // invalid: not a record date
        QTest::addColumn<QString>("written");
        QTest::addColumn<QDate>("typed"); // invalid: not a typed date
        const QDate none;
        QTest::newRow("two-digit day") << "07-Mar-2000" << QDate(2000, 3, 7) << "07-Mar-2000" << QDate(2000, 3, 7);
        QTest::newRow("one-digit day: the cancel date")
            << "1-Jan-1798" << QDate(1798, 1, 1) << "01-Jan-1798" << QDate(1798, 1, 1);
        QTest::newRow("upper-case month")
            << "31-DEC-1999" << QDate(1999, 12, 31) << "31-Dec-1999" << QDate(1999, 12, 31);
        QTest::newRow("May, German Mai") << "01-May-2024" << QDate(2024, 5, 1) << "01-May-2024" << QDate(2024, 5, 1);
        QTest::newRow("no such day") << "31-Feb-2000" << none << "" << none;
        QTest::newRow("German month") << "07-Mrz-2000" << none << "" << none;
        QTest::newRow("typed: year first") << "2000-03-07" << none << "" << QDate(2000, 3, 7);
        QTest::newRow("typed: blanks") << " 3  Aug 2011 " << none << "" << QDate(2011, 8, 3);
        QTest::newRow("typed: month in full") << "3 august 2011" << none << "" << QDate(2011, 8, 3);
        QTest::newRow("typed: calendar's garble refused") << "0 2021" << none << "" << none;
        QTest::newRow("typed: two-digit year refused") << "3 Aug 11" << none << "" << none;
    }
    void recordDatesAreReadAndWritten()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QFETCH(QString, written);
        QFETCH(QDate, typed);
        QCOMPARE(parseRecordDate(text), date);
        QCOMPARE(date.isValid() ? formatRecordDate(date) : QString(), written);
        QCOMPARE(readTypedDate(text).value_or(QDate()), typed);
    }

    // Each stored line is read by the one splitting rule and shown with names and whole-number
    // scores; a line that cannot be read is shown as stored, so that the two lists stay parallel.
    void storedLinesAreReadAndShown_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown"); // as stored when the line cannot be read
        // clang-format off
        QTest::newRow("fixture") << "F:07-Mar-2000:0:2" << "F:07-Mar-2000:Rovers-v-Wanderers";
        QTest::newRow("result") << "R:07-Mar-2000:1:0:2:2:2:1" << "R:07-Mar-2000:HT:1-0:FT:2-2:Wanderers-v-United";
        QTest::newRow("02, blanks, a stored negative, blank as 0") << "R:07-Mar-2000:02: 2 :-1::0:1"
                                                                   << "R:07-Mar-2000:HT:2-2:FT:-1-0:Rovers-v-United";
        QTest::newRow("16-bit minimum") << "R:07-Mar-2000:4:-32768:0:0:0:1" << "R:07-Mar-2000:HT:4--32768:FT:0-0:Rovers-v-United";
        QTest::newRow("date trimmed") << "F: 7-Mar-2000 :0:1" << "F:7-Mar-2000:Rovers-v-United";
        QTest::newRow("teams outside the list") << "R:07-Mar-2000:1:1:1:1:-1:7"
                                                << "R:07-Mar-2000:HT:1-1:FT:1-1:<no team -1>-v-<no team 7>";
        QTest::newRow("prefix case matters") << "f:07-Mar-2000:0:1" << "f:07-Mar-2000:0:1";
        QTest::newRow("a field missing") << "R:07-Mar-2000:1:0:2:2:0" << "R:07-Mar-2000:1:0:2:2:0";
        QTest::newRow("score beyond 16 bits") << "R:07-Mar-2000:32768:0:0:0:0:1" << "R:07-Mar-2000:32768:0:0:0:0:1";
        QTest::newRow("score x, not 0") << "R:20-Dec-2026:1:1:2:x:0:2" << "R:20-Dec-2026:1:1:2:x:0:2";
        QTest::newRow("score 2.5") << "R:20-Dec-2026:1:1:2.5:2:0:2" << "R:20-Dec-2026:1:1:2.5:2:0:2";
        QTest::newRow("score 1e2") << "R:20-Dec-2026:1:1:1e2:2:0:2" << "R:20-Dec-2026:1:1:1e2:2:0:2";
        QTest::newRow("score 4 goals") << "R:20-Dec-2026:4 goals:1:4:2:0:2" << "R:20-Dec-2026:4 goals:1:4:2:0:2";
        QTest::newRow("a team plays itself") << "R:07-Mar-2000:0:0:3:1:0:0" << "R:07-Mar-2000:0:0:3:1:0:0";
        QTest::newRow("a fixture of a team against itself") << "F:07-Mar-2000:2:2" << "F:07-Mar-2000:2:2";
        // clang-format on
    }
    void storedLinesAreReadAndShown()
    {
        QFETCH(QString, line);
        QFETCH(QString, shown);
        QCOMPARE(readRecordLine(line).has_value(), shown != line);
        const QStringList teams = { "Rovers", "United", "Wanderers" };
        QCOMPARE(buildDisplayLines({ line, line }, teams), QStringList({ shown, shown }));
        // Only what can be read gives a league table, a results report or a fixture list something to show.
        QCOMPARE(GroupRecords(teams, { line }).hasResults(), shown != line && line.startsWith(u'R'));
        QCOMPARE(GroupRecords(teams, { line }).hasMatches(), shown != line);
    }

    // Every display line is made from its stored line by the same rule, whichever way the line came:
    // names as the team list has them, scores as whole numbers. Removing drops the same position from
    // both lists; replacing a line and renaming a team rebuild the display lines, the stored lines unchanged.
    void changesKeepTheListsParallel()
    {
        GroupRecords records(kTeams, { "F:01-Jan-2030:0:1" });
        records.insert(1, "F:02-Jan-2030:1:2");
        records.insert(2, "R:03-Jan-2030:02::2 :0:2:1");
        records.remove(0);
        records.remove(5); // no such item
        const QStringList stored = { "F:02-Jan-2030:1:2", "R:03-Jan-2030:02::2 :0:2:1" };
        QCOMPARE(records.storedLines(), stored);
        QCOMPARE(
            records.displayLines(),
            QStringList({ "F:02-Jan-2030: United -v-Wanderers", "R:03-Jan-2030:HT:2-0:FT:2-0:Wanderers-v- United " }));
        records.replace(0, "F:04-Jan-2030:1:0");
        QCOMPARE(
            records.displayLines(),
            QStringList({ "F:04-Jan-2030: United -v-Rovers", "R:03-Jan-2030:HT:2-0:FT:2-0:Wanderers-v- United " }));
        records.renameTeam(1, "City");
        records.renameTeam(3, "Town"); // no such team
        QCOMPARE(records.teams(), QStringList({ "Rovers", "City", "Wanderers" }));
        QCOMPARE(records.storedLines(), QStringList({ "F:04-Jan-2030:1:0", stored[1] }));
        QCOMPARE(records.displayLines(),
                 QStringList({ "F:04-Jan-2030:City-v-Rovers", "R:03-Jan-2030:HT:2-0:FT:2-0:Wanderers-v-City" }));
        // A line an older edition wrote with a score typed "1:0" shows as stored; tables and reports skip it.
        records.setStoredLines({ "R:03-Jan-2030:1:0:0:2:2:1:0", "F:04-Jan-2030:1:0" });
        QCOMPARE(records.displayLines().first(), QStringLiteral("R:03-Jan-2030:1:0:0:2:2:1:0"));
        QCOMPARE(records.games().first().has_value(), false);
        QCOMPARE(records.games().last()->home, 1);
    }

    // The calendar opens at the item's date; the new date replaces the old one and every other
    // field stays as stored. Only fixture and result lines take a date.
    void redatingKeepsTheOtherFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QDate>("opensAt"); // invalid: the line shows no date
        QTest::addColumn<QString>("redated");
        QTest::newRow("scores and blanks kept")
            << "R:07-Mar-2000: 1:0 :02:2:2:1" << QDate(2000, 3, 7) << "R:31-Dec-2001: 1:0 :02:2:2:1";
        QTest::newRow("one-digit day from elsewhere") << "F:7-Mar-2000:0:2" << QDate(2000, 3, 7) << "F:31-Dec-2001:0:2";
        QTest::newRow("no date yet") << "F:3x-Dec-2000:0:1" << QDate() << "F:31-Dec-2001:0:1";
        QTest::newRow("no fixture or result") << "Note: 07-Mar-2000" << QDate() << "Note: 07-Mar-2000";
    }
    void redatingKeepsTheOtherFields()
    {
        QFETCH(QString, line);
        QFETCH(QDate, opensAt);
        QFETCH(QString, redated);
        GroupRecords records(kTeams, { "F:01-Jan-2000:0:1", line });
        QCOMPARE(records.recordDate(1), opensAt);
        QCOMPARE(records.redate(1, QDate(2001, 12, 31)), redated != line);
        QCOMPARE(records.storedLines(), QStringList({ "F:01-Jan-2000:0:1", redated }));
        QCOMPARE(records.displayLines(), buildDisplayLines(records.storedLines(), kTeams));
    }

    // The result editor shows the team names and whole-number scores (0-0 for a fixture); confirmed
    // as it opens, it stores them. A number beyond 16 bits is shown as stored.
    void resultEditShowsTheItem_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("shown"); // home, away, HT home, HT away, FT home, FT away; none: no edit
        QTest::addColumn<QString>("confirmed");
        QTest::addColumn<QString>("error");
        const QString none;
        QTest::newRow("02 as a whole number, a damaged score as stored")
            << "R:07-Mar-2000:02:1:2.5: 3 :02:1" << QStringList { "Wanderers", " United ", "2", "1", "2.5", "3" }
            << "R:07-Mar-2000:2:1:2.5:3:2:1" << none;
        QTest::newRow("team outside the list")
            << "R:07-Mar-2000:1:0:2:2:0:9" << QStringList { "Rovers", "<no team 9>", "1", "0", "2", "2" }
            << "R:07-Mar-2000:1:0:2:2:0:9" << none;
        QTest::newRow("beyond 16 bits shown as stored")
            << "R:07-Mar-2000:40000:0:0:0:0:70000"
            << QStringList { "Rovers", "<no team 70000>", "40000", "0", "0", "0" }
            << "R:07-Mar-2000:40000:0:0:0:0:70000" << none;
        QTest::newRow("too few fields") << "R:07-Mar-2000:1:0:2" << QStringList() << none
                                        << "the line has too few fields";
        QTest::newRow("no fixture or result") << "f:07-Mar-2000:0:1" << QStringList() << none << none;
    }
    void resultEditShowsTheItem()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, shown);
        QFETCH(QString, confirmed);
        QFETCH(QString, error);
        QString reason;
        const std::optional<GroupRecords::ResultEdit> edit = GroupRecords(kTeams, { line }).resultEdit(0, &reason);
        QCOMPARE(reason, error);
        QCOMPARE(edit.has_value(), !shown.isEmpty());
        if (!edit)
            return;
        QCOMPARE(QStringList({ edit->homeName, edit->awayName })
                     + QStringList(edit->scores.begin(), edit->scores.end()),
                 shown);
        QCOMPARE(completedResultLine(edit->dateText, edit->scores, edit->homeNumber, edit->awayNumber), confirmed);
    }

    // A score is blank or a whole number from 0 to 32767, and no half-time score is above its full-time
    // score: result entry, the result editor and the import refuse anything else, naming the field.
    void scoresAreChecked_data()
    {
        QTest::addColumn<QStringList>("scores"); // HT home, HT away, FT home, FT away
        QTest::addColumn<QString>("refusal");    // of the first problem; empty when the scores can be stored
        const QString home = "The home half-time score is not valid.\r";
        const QString away = "The away full-time score is not valid.\r";
        // clang-format off
        QTest::newRow("leading zero, blanks around, blank") << QStringList { " 02", "", "3 ", "0" } << "";
        QTest::newRow("1o typed for 10") << QStringList { "1o", "0", "10", "0" } << home + "The score \"1o\" is not a number.";
        QTest::newRow("1e2") << QStringList { "0", "0", "0", "1e2" } << away + "The score \"1e2\" is not a number.";
        QTest::newRow("2.5") << QStringList { "0", "0", "0", "2.5" } << away + "The score \"2.5\" is not a number.";
        QTest::newRow("1:0") << QStringList { "0", "0", "0", "1:0" } << away + "The score \"1:0\" is not a number.";
        QTest::newRow("a sign") << QStringList { "0", "0", "0", "+1" } << away + "The score \"+1\" is not a number.";
        QTest::newRow("negative") << QStringList { " -3", "0", "0", "0" } << home + "The score \" -3\" is negative: scores run from 0 to 32767.";
        QTest::newRow("beyond 16 bits") << QStringList { "0", "0", "0", "32768" } << away + "The score \"32768\" is too large: scores run from 0 to 32767.";
        QTest::newRow("home half-time above full-time") << QStringList { "5", "0", "1", "0" } << "The home half-time score (5) is more than the full-time score (1).";
        QTest::newRow("away half-time above full-time") << QStringList { "0", "03", "0", "2" } << "The away half-time score (3) is more than the full-time score (2).";
        QTest::newRow("half-time without full-time") << QStringList { "5", "0", "", "0" } << "";
        // clang-format on
    }
    void scoresAreChecked()
    {
        QFETCH(QStringList, scores);
        QFETCH(QString, refusal);
        const QList<ScoreProblem> problems = resultScoreProblems({ scores[0], scores[1], scores[2], scores[3] });
        QCOMPARE(problems.isEmpty() ? QString() : scoreRefusal(problems.first()), refusal);
    }

    // "-v-" in a name would split the display line; two teams of one name would merge in reports.
    void unusableNamesAreRefused()
    {
        QCOMPARE(teamNameProblem("Rovers v United"), QString());
        QCOMPARE(teamNameProblem("Rovers-v-United"),
                 "A team name may not contain \"-v-\": it separates the two teams of a fixture.");
        QCOMPARE(teamNameProblem("A\rB"), "A team name may not hold a line break.");
        const QStringList teams = { "Alpha", "Beta" };
        QCOMPARE(teamNameProblem(" alpha ", teams, "1. Division A"),
                 "There is already a team called \"Alpha\" in 1. Division A.");
        QCOMPARE(teamNameProblem("ALPHA", teams, "1. Division A", 0), QString()); // its own name in capitals
        QCOMPARE(teamNameProblem("Gamma", teams, "1. Division A"), QString());
    }
};

QTEST_GUILESS_MAIN(TestRecordLines)
#include "tst_recordlines.moc"
