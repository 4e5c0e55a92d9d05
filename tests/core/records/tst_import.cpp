// CSV files into a group: the rows a file may hold, and every refusal naming its line. The real seasons are
// imported in tst_cli, through tabulon-cli new.
#include "core/records/ResultImport.h"

#include <QTest>

class TestImport : public QObject
{
    Q_OBJECT

private slots:
    void imports_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("held");  // lines the group holds already
        QTest::addColumn<QStringList>("lines"); // the group's lines afterwards, when imported
        QTest::addColumn<QStringList>("refusal");
        QTest::addColumn<QString>("summary");
        const QByteArray scoreHeader = "date,home,away,home_ht,away_ht,home_ft,away_ft\n";
        QByteArray twelveUnknown = "date,home,away\n";
        for (int i = 0; i < 12; ++i)
            twelveUnknown += "2000-03-14,Rovers,Town\n";
        QStringList tenUnknown(10, QString());
        for (int i = 0; i < 10; ++i)
            tenUnknown[i] = QStringLiteral("Line %1, column away: \"Town\" is not a team of the group.").arg(i + 2);
        // Rovers v United and United v Łódź City to play, Łódź City 2-1 Rovers played, Rovers v United again.
        const QStringList schedule
            = { "F:07-Mar-2000:0:1", "F:07-Mar-2000:1:2", "R:14-Mar-2000::0:2:1:2:0", "F:21-Mar-2000:0:1" };
        const QByteArray round = scoreHeader
            + "2000-03-08,Rovers,United,,,3,0\n14-Mar-2000,Łódź City,Rovers,0,,2,1\n2000-03-07,United,Łódź "
              "City,,,,\n2000-03-28,United,Rovers,,,1,1\n";
        const QStringList afterRound = { "F:07-Mar-2000:1:2", "R:08-Mar-2000:::3:0:0:1", "R:14-Mar-2000::0:2:1:2:0",
                                         "F:21-Mar-2000:0:1", "R:28-Mar-2000:::1:1:1:0" };
        const QStringList none;
        // clang-format off
        QTest::newRow("UTF-8 with a byte-order mark, sorted by date") << QByteArray("\xEF\xBB\xBF" "Date,HOME,Away,home_ft,away_ft\n2000-03-14,Rovers,United,2,1\n\n7-Mar-2000, United ,Łódź City,,\n")
            << none << QStringList { "F:07-Mar-2000:1:2", "R:14-Mar-2000:::2:1:0:1" } << none << "Added 1 fixture and 1 result to G.";
        QTest::newRow("semicolons, quotes, Windows-1252, any column order") << QByteArray("away_ft;home_ft;away_ht;home_ht;away;home;date\r\n2;2;0;1;\"Old  Boys\";\"M\xE1laga\";01-Apr-2000\r\n\"0\";\"3\";;;\"Rovers; \"\"The\"\" Hoops\";United;01-Apr-2000\r\n")
            << none << QStringList { "R:01-Apr-2000:1:0:2:2:4:3", "R:01-Apr-2000:::3:0:1:5" } << none << "Added 2 results to G.";
        QTest::newRow("unknown team, a team against itself") << QByteArray("date,home,away\n2000-03-14,Rovers,Arsnal\n2000-03-21,United,United\n2000-03-28,,United\n")
            << none << none << QStringList { "Line 2, column away: \"Arsnal\" is not a team of the group.", "Line 3, column away: A team cannot play itself.", "Line 4, column home: No team is named." } << "";
        QTest::newRow("dates") << QByteArray("date,home,away\n31-Feb-2000,Rovers,United\n0099-12-31,Rovers,United\n2001-02-05xyz,Rovers,United\n2001/02/03,Rovers,United\n")
            << none << none << QStringList { "Line 2, column date: \"31-Feb-2000\" is not a date (dd-mmm-yyyy or yyyy-mm-dd).", "Line 3, column date: 0099-12-31 lies outside 01-Jan-0100 to 31-Dec-9999.", "Line 4, column date: \"2001-02-05xyz\" is not a date (dd-mmm-yyyy or yyyy-mm-dd).", "Line 5, column date: \"2001/02/03\" is not a date (dd-mmm-yyyy or yyyy-mm-dd)." } << "";
        QTest::newRow("scores") << scoreHeader + "2000-03-14,Rovers,United,,,2,\n2000-03-14,Rovers,United,1,0,,\n2000-03-14,Rovers,United,,,2:1,x\n2000-03-14,Rovers,United,1o,0,10,1e2\n2000-03-14,Rovers,United,0,-1,1,1\n2000-03-14,Rovers,United,5,0,1,0\n2000-03-14,\"A\rB\",United,,,1,\"0\n1\"\n"
            << none << none << QStringList { "Line 2, column away_ft: Only one of the two full-time scores is given.", "Line 3, column home_ht: A half-time score is given without the full-time score.", "Line 4, column home_ft: The score \"2:1\" is not a number.", "Line 4, column away_ft: The score \"x\" is not a number.", "Line 5, column home_ht: The score \"1o\" is not a number.", "Line 5, column away_ft: The score \"1e2\" is not a number.", "Line 6, column away_ht: The score \"-1\" is negative: scores run from 0 to 32767.", "Line 7, column home_ht: The home half-time score (5) is more than the full-time score (1).", "Line 8, column home: The cell holds a line break.", "Line 8, column away_ft: The cell holds a line break." } << "";
        QTest::newRow("header without an away column") << QByteArray("date,home,visitors\n2000-03-14,Rovers,United\n")
            << none << none << QStringList { "Line 1, column away: The header names no such column." } << "";
        QTest::newRow("a quote out of place") << QByteArray("date,home,away\n2000-03-14,Rov\"ers,United\n")
            << none << none << QStringList { "Line 2: A quote is out of place (a quoted cell begins and ends with its quotes, and a quote inside it is doubled)." } << "";
        QTest::newRow("a quote never closed") << QByteArray("date,home,away\n2000-03-14,\"Rovers,United\n")
            << none << none << QStringList { "Line 2: A quoted cell is never closed." } << "";
        QTest::newRow("beyond the group's line limit") << QByteArray("date,home,away\n2000-03-14,Rovers,United\n2000-03-21,United,Rovers\n")
            << QStringList(32766, "F:07-Mar-2000:0:1") << none << QStringList { "Line 3: The group would hold more than 32767 lines." } << "";
        QTest::newRow("ten problems named, then how many more") << twelveUnknown << none << none << tenUnknown + QStringList { "... and 2 more." } << "";
        QTest::newRow("over the schedule: replaced, already entered, added") << round << schedule << afterRound << none << "Added 1 result to G; replaced 1 fixture; 2 rows were already entered.";
        QTest::newRow("the same round again") << round << afterRound << afterRound << none << "Nothing was added to G: 4 rows were already entered.";
        QTest::newRow("results for fixtures only") << scoreHeader + "2000-03-08,Rovers,United,,,3,0\n2000-03-22,Rovers,United,,,1,0\n" << schedule
            << QStringList { "F:07-Mar-2000:1:2", "R:08-Mar-2000:::3:0:0:1", "R:14-Mar-2000::0:2:1:2:0", "R:22-Mar-2000:::1:0:0:1" } << none << "Replaced 2 fixtures of G with their results.";
        QTest::newRow("a result entered with other scores") << scoreHeader + "2000-03-08,Rovers,United,,,3,0\n2000-03-14,Łódź City,Rovers,,,1,1\n" << schedule << none
            << QStringList { "Line 3: Łódź City v Rovers on 14-Mar-2000 is already entered as 2-1, half-time 0-0; the file has 1-1 with no half-time score." } << "";
        QTest::newRow("a conflict names a team called %1 as it is") << scoreHeader + "2000-03-14,%1 Town,Rovers,,,1,1\n" << QStringList { "R:14-Mar-2000:::2:1:6:0" } << none
            << QStringList { "Line 2: %1 Town v Rovers on 14-Mar-2000 is already entered as 2-1; the file has 1-1." } << "";
        QTest::newRow("half-time scores differ, given or not") << scoreHeader + "2011-08-27,Rovers,United,,,2,0\n2011-08-28,United,Rovers,0,0,1,1\n" << QStringList { "R:27-Aug-2011:1:0:2:0:0:1", "R:28-Aug-2011:::1:1:1:0" } << none
            << QStringList { "Line 2: Rovers v United on 27-Aug-2011 is already entered as 2-0, half-time 1-0; the file has 2-0 with no half-time score.", "Line 3: United v Rovers on 28-Aug-2011 is already entered as 1-1 with no half-time score; the file has 1-1, half-time 0-0." } << "";
        QTest::newRow("teams that played on another date: a repeat, left out") << scoreHeader + "2000-03-22,Rovers,United,,,1,1\n2000-03-29,Rovers,United,,,3,0\n2000-03-15,United,Rovers,,,,\n2000-03-07,Rovers,United,,,,\n"
            << QStringList { "R:07-Mar-2000:1:0:2:0:0:1", "F:21-Mar-2000:0:1" } << QStringList { "R:07-Mar-2000:1:0:2:0:0:1", "F:15-Mar-2000:1:0", "R:22-Mar-2000:::1:1:0:1" } << none
            << "Added 1 fixture to G; replaced 1 fixture; 1 row was already entered; 1 row was left out.";
        QTest::newRow("a fixture of the file, then its result") << scoreHeader + "2000-03-07,Rovers,United,,,,\n2000-03-08,Rovers,United,,,3,0\n" << none
            << QStringList { "R:08-Mar-2000:::3:0:0:1" } << none << "Added 1 fixture to G; replaced 1 fixture.";
        QTest::newRow("no rows") << scoreHeader << schedule << schedule << none << "The file holds no fixtures or results; nothing was added to G.";
        // clang-format on
    }
    void imports()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, held);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, refusal);
        QFETCH(QString, summary);
        const QStringList teams { "Rovers", "United", "Łódź City", " Old  Boys ", "Málaga", "Rovers; \"The\" Hoops",
                                  "%1 Town" };
        // As the preview first shows the rows: every row that can be imported ticked but the repeats.
        const ImportPlan plan = planImport(held, teams, csv);
        const QStringList refused = plan.ok() ? plan.conflictLines() : plan.refusal;
        const GroupImport import
            = refused.isEmpty() ? importPlannedRows(held, plan, plan.importableRows(false)) : GroupImport();
        QCOMPARE(refused.isEmpty() ? import.refusal : refused, refusal);
        QCOMPARE(import.lines, lines);
        QCOMPARE(import.ok() && refused.isEmpty() ? import.summary("G") : QString(), summary);
    }

    // The teams of a group made from a file: a name written two ways, or holding a line break, is refused.
    void namesTeams_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("teams");
        QTest::addColumn<QStringList>("problems");
        // clang-format off
        QTest::newRow("sorted, each once") << QByteArray("date,home,away\n2000-03-14,Beta,Alpha\n2000-03-21, Alpha ,Beta\n")
                                           << QStringList { "Alpha", "Beta" } << QStringList();
        QTest::newRow("Alpha and alpha") << QByteArray("date,home,away\n2000-03-14,Alpha,Beta\n2000-03-21,Beta,alpha\n")
                                         << QStringList { "Alpha", "Beta" }
                                         << QStringList { "Line 3, column away: \"alpha\" and \"Alpha\" on line 2 are one name written two ways; two teams of a group may not share a name." };
        QTest::newRow("a line break") << QByteArray("date,home,away\n2000-03-14,\"A\rB\",Beta\n")
                                      << QStringList { "Beta" }
                                      << QStringList { "Line 2, column home: A team name may not hold a line break." };
        // clang-format on
    }
    void namesTeams()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, teams);
        QFETCH(QStringList, problems);
        QList<ImportProblem> found;
        QCOMPARE(teamNamesInCsv(csv, &found), teams);
        QCOMPARE(importProblemLines(found), problems);
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
