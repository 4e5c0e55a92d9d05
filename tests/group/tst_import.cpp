// CSV files into a group: the rows a file may hold, and every refusal naming its line. The real seasons are
// imported in tst_cli, through tabulon-cli new.
#include "group/ResultImport.h"

#include <QTest>

class TestImport : public QObject
{
    Q_OBJECT

private slots:
    void imports_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("held");          // lines the group holds already
        QTest::addColumn<QStringList>("lines"); // the group's lines afterwards, when imported
        QTest::addColumn<QStringList>("refusal");
        const QByteArray scoreHeader = "date,home,away,home_ht,away_ht,home_ft,away_ft\n";
        QByteArray twelveUnknown = "date,home,away\n";
        for (int i = 0; i < 12; ++i)
            twelveUnknown += "2000-03-14,Rovers,Town\n";
        QStringList tenUnknown(10, QString());
        for (int i = 0; i < 10; ++i)
            tenUnknown[i] = QStringLiteral("Line %1, column away: \"Town\" is not a team of the group.").arg(i + 2);
        // clang-format off
        QTest::newRow("UTF-8 with a byte-order mark, sorted by date") << QByteArray("\xEF\xBB\xBF" "Date,HOME,Away,home_ft,away_ft\n2000-03-14,Rovers,United,2,1\n\n7-Mar-2000, United ,Łódź City,,\n")
            << 0 << QStringList { "F:07-Mar-2000:1:2", "R:14-Mar-2000:::2:1:0:1" } << QStringList();
        QTest::newRow("semicolons, quotes, Windows-1252, any column order") << QByteArray("away_ft;home_ft;away_ht;home_ht;away;home;date\r\n2;2;0;1;\"Old  Boys\";\"M\xE1laga\";01-Apr-2000\r\n\"0\";\"3\";;;\"Rovers; \"\"The\"\" Hoops\";United;01-Apr-2000\r\n")
            << 0 << QStringList { "R:01-Apr-2000:1:0:2:2:4:3", "R:01-Apr-2000:::3:0:1:5" } << QStringList();
        QTest::newRow("unknown team, a team against itself") << QByteArray("date,home,away\n2000-03-14,Rovers,Arsnal\n2000-03-21,United,United\n2000-03-28,,United\n")
            << 0 << QStringList() << QStringList { "Line 2, column away: \"Arsnal\" is not a team of the group.", "Line 3, column away: A team cannot play itself.", "Line 4, column home: No team is named." };
        QTest::newRow("dates") << QByteArray("date,home,away\n31-Feb-2000,Rovers,United\n0099-12-31,Rovers,United\n")
            << 0 << QStringList() << QStringList { "Line 2, column date: \"31-Feb-2000\" is not a date (dd-mmm-yyyy or yyyy-mm-dd).", "Line 3, column date: 0099-12-31 lies outside 01-Jan-0100 to 31-Dec-9999." };
        QTest::newRow("scores") << scoreHeader + "2000-03-14,Rovers,United,,,2,\n2000-03-14,Rovers,United,1,0,,\n2000-03-14,Rovers,United,,,2:1,x\n"
            << 0 << QStringList() << QStringList { "Line 2, column away_ft: Only one of the two full-time scores is given.", "Line 3, column home_ht: A half-time score is given without the full-time score.", "Line 4, column home_ft: A score may not contain \":\".", "Line 4, column away_ft: The score \"x\" is not a number." };
        QTest::newRow("header without an away column") << QByteArray("date,home,visitors\n2000-03-14,Rovers,United\n")
            << 0 << QStringList() << QStringList { "Line 1, column away: The header names no such column." };
        QTest::newRow("a quote out of place") << QByteArray("date,home,away\n2000-03-14,Rov\"ers,United\n")
            << 0 << QStringList() << QStringList { "Line 2: A quote is out of place (a quoted cell begins and ends with its quotes, and a quote inside it is doubled)." };
        QTest::newRow("a quote never closed") << QByteArray("date,home,away\n2000-03-14,\"Rovers,United\n")
            << 0 << QStringList() << QStringList { "Line 2: A quoted cell is never closed." };
        QTest::newRow("beyond the group's line limit") << QByteArray("date,home,away\n2000-03-14,Rovers,United\n2000-03-21,United,Rovers\n")
            << 32766 << QStringList() << QStringList { "Line 3: The group would hold more than 32767 lines." };
        QTest::newRow("ten problems named, then how many more") << twelveUnknown << 0 << QStringList() << tenUnknown + QStringList { "... and 2 more." };
        // clang-format on
    }
    void imports()
    {
        QFETCH(QByteArray, csv);
        QFETCH(int, held);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, refusal);
        const QStringList teams { "Rovers", "United", "Łódź City", " Old  Boys ", "Málaga", "Rovers; \"The\" Hoops" };
        const GroupImport import = importIntoGroup(QStringList(held, QStringLiteral("F:07-Mar-2000:0:1")), teams, csv);
        QCOMPARE(import.refusal, refusal);
        QCOMPARE(import.lines, lines);
        QCOMPARE(import.fixtures + import.results, lines.size());
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
