// CSV files into a group: the rows a file may hold, every refusal naming its line, and six real
// seasons whose imported results give their official figures.
#include "group/ResultImport.h"
#include "setup/SeasonFromCsv.h"
#include "standings/Standings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

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

    // Each season made into a one-group tournament gives every team its official figures; the
    // official points include any deduction, which results alone do not know of.
    void seasonsGiveOfficialFigures_data()
    {
        QTest::addColumn<QString>("season");
        for (const char* season : { "eng_premier_league_2011_12", "eng_premier_league_2023_24", "esp_la_liga_2014_15",
                                    "euro_2012_group_a", "euro_2024_group_e", "world_cup_2018_group_b" })
            QTest::newRow(season) << QString::fromLatin1(season);
    }
    void seasonsGiveOfficialFigures()
    {
        QFETCH(QString, season);
        const QString base = QStringLiteral(TABULON_TEST_DATA "/seasons/") + season;
        SeasonRequest request { QStringLiteral("Season"), QStringLiteral("Europe") };
        request.groupFiles.append({ season, contentsOf(base + QStringLiteral(".csv")) });
        const SeasonFromCsv made = seasonFromCsv(request);
        QCOMPARE(made.refusal, QStringList());
        const TournamentGroupData& group = made.tournament->groups.first();

        QTemporaryDir folder;
        const QString database = folder.filePath(QStringLiteral("TempDB.mdb"));
        QVERIFY(QFile::copy(QStringLiteral(TABULON_TEMPDB), database));
        QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
        const StandingsOutcome outcome = computeStandings(
            standingsRequestFor(GroupRecords(group.teams, group.recordLines), *made.tournament), database);
        QVERIFY2(outcome.ok(), qPrintable(outcome.error));

        QHash<QString, int> deducted;
        for (const QByteArray& line : contentsOf(base + QStringLiteral(".adjustments.csv")).split('\n').mid(1))
            if (!line.isEmpty())
                deducted[QString::fromUtf8(line.split(',')[0])] += line.split(',')[1].toInt();
        const QList<QByteArray> official = contentsOf(base + QStringLiteral(".table.csv")).trimmed().split('\n').mid(1);
        QCOMPARE(outcome.table.rows.size(), official.size());
        QCOMPARE(group.teams.size(), official.size());
        for (const QByteArray& line : official) { // pos,team,played,won,drawn,lost,gf,ga,gd,pts
            const QList<QByteArray> f = line.split(',');
            const QString team = QString::fromUtf8(f[1]);
            const auto row = std::find_if(outcome.table.rows.cbegin(), outcome.table.rows.cend(),
                                          [&](const LeagueRow& r) { return r.name == team; });
            QVERIFY2(row != outcome.table.rows.cend(), qPrintable(team));
            QCOMPARE(QList<qint64>({ row->won, row->drawn, row->lost, row->goalsFor, row->against, row->pts }),
                     QList<qint64>({ f[3].toInt(), f[4].toInt(), f[5].toInt(), f[6].toInt(), f[7].toInt(),
                                     f[9].toInt() - deducted.value(team) }));
        }
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
