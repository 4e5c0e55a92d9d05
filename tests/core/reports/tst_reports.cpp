// The reports' text and tagged lines, byte for byte, and the files they are written to.
#include "core/knockout/TieResultText.h"
#include "core/reports/BracketExport.h"
#include "core/reports/CalendarExport.h"
#include "core/reports/FixtureListReport.h"
#include "core/reports/KnockoutReport.h"
#include "core/reports/ReportExport.h"
#include "core/reports/ReportFile.h"
#include "core/reports/ReportRtf.h"
#include "core/reports/ResultsReport.h"
#include "core/reports/TaggedReportFile.h"
#include "core/reports/WebSite.h"
#include "core/timetable/SlotText.h"
#include "core/tournament/FileGroupRecords.h"
#include "core/tournament/TournamentFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QXmlStreamReader>
#include <csignal>
#include <cstdio>
#include <libical/ical.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

Q_DECLARE_METATYPE(LeagueRow)
Q_DECLARE_METATYPE(LeagueAdjustment)

namespace {

// The group whose display lines are `shown` ("R:07-Mar-2000:HT:1-0:FT:2-2:Rovers-v-United",
// "F:07-Mar-2000:Rovers-v-United"): its teams in order of appearance, its stored lines made to match.
// A line of neither form stays as it is, as a line that cannot be read.
GroupRecords groupShown(const QStringList& shown)
{
    static const QRegularExpression result(QStringLiteral("^R:([^:]*):HT:(\\d+)-(\\d+):FT:(\\d+)-(\\d+):(.*)-v-(.*)$"));
    static const QRegularExpression fixture(QStringLiteral("^F:([^:]*):(.*)-v-(.*)$"));
    QStringList teams;
    const auto number = [&teams](const QString& name) {
        if (!teams.contains(name))
            teams.append(name);
        return int(teams.indexOf(name));
    };
    QStringList stored;
    for (const QString& line : shown) {
        if (const QRegularExpressionMatch r = result.match(line); r.hasMatch())
            stored << resultStoredLine(r.captured(1), { r.captured(2), r.captured(3), r.captured(4), r.captured(5) },
                                       number(r.captured(6)), number(r.captured(7)));
        else if (const QRegularExpressionMatch f = fixture.match(line); f.hasMatch())
            stored << fixtureStoredLine(f.captured(1), number(f.captured(2)), number(f.captured(3)));
        else
            stored << line;
    }
    return GroupRecords(teams, stored);
}

const ReportHeading kHeading { QStringLiteral("Spring Cup at Riverside"), QStringLiteral("Division A"),
                               QDate(2000, 3, 15) };

// clang-format off
const QStringList kResultsTagged { "Report on Spring Cup at Riverside", "Division A", "Date : 15-Mar-2000",
    "FIXDATE, 07-Mar-2000", "RESULT, Rovers-v-United, (1-0), 2-2", "FIXDATE, 14-Mar-2000",
    "RESULT, United-v-Rovers, (0-1), 0-3", "LEAGUE TABLE", "HEADER, W, D, L, F, A, GD, Pts",
    "Rovers,  1 ,  1 ,  0 ,  5 ,  2 ,  3 ,  4 ", "United,  0 ,  1 ,  1 ,  2 ,  5 , -3 ,  1 " };
const QStringList kFixturesTagged { "Fixtures For Spring Cup at Riverside", "Division A", "Date : 15-Mar-2000",
    "FIXDATE, 07-Mar-2000", "RESULT, Rovers-v-United, , ", "FIXDATE, 14-Mar-2000", "RESULT, United-v-Rovers, , " };
// A name with a comma, markup, an ampersand and quotes; a caption no sheet name can hold.
const QStringList kOddTagged { "Report on <b>Cup</b> & Co", "Division [A]: *North?/South\\ of the county",
    "Date : 15-Mar-2000", "FIXDATE, 07-Mar-2000", "RESULT, Smith, Jones & \"<Sons>\"-v-Reds, (1-0), 2-2", "LEAGUE TABLE",
    "HEADER, W, D, L, F, A, GD, Pts", "Smith, Jones & \"<Sons>\",  1 ,  0 ,  0 ,  2 ,  1 ,  1 ,  3 " };
// Its team's points adjustment: both the name and the reason hold a comma.
const QStringList kOddAdjustedTagged = kOddTagged + QStringList { "Points Adjustments",
    "Smith, Jones & \"<Sons>\", -3 , breach, appeal lost" };
// An adjusted team whose name ends in a blank after its comma.
const QStringList kBrightonTagged = QStringList(kResultsTagged).replaceInStrings("Rovers,  1", "Brighton, Hove ,  1")
    + QStringList { "Points Adjustments", "Brighton, Hove , -3 , late" };
// clang-format on

// The report whose tagged lines are one of the lists above, built as the program builds it.
Report reportTagged(const QStringList& tagged)
{
    const QStringList results { "R:14-Mar-2000:HT:0-1:FT:0-3:United-v-Rovers",
                                "R:07-Mar-2000:HT:1-0:FT:2-2:Rovers-v-United" };
    if (tagged == kFixturesTagged)
        return buildFixtureList(kHeading, groupShown({ results[0], "F:07-Mar-2000:Rovers-v-United" }));
    const QString smith = "Smith, Jones & \"<Sons>\"";
    if (tagged.startsWith(kOddTagged[0])) {
        const QVector<LeagueAdjustment> adjusted { { smith, -3, "breach, appeal lost" } };
        return buildResultsReport({ "<b>Cup</b> & Co", kOddTagged[1], kHeading.today },
                                  groupShown({ "R:07-Mar-2000:HT:1-0:FT:2-2:" + smith + "-v-"
                                               + tagged[4].section("-v-", 1).section(", (", 0, 0) }),
                                  { {},
                                    { { smith, 1, 0, 0, 2, 1, 1, 3 } },
                                    tagged.contains("Points Adjustments") ? adjusted : QVector<LeagueAdjustment>() });
    }
    const bool brighton = tagged == kBrightonTagged;
    const QString first = brighton ? "Brighton, Hove " : "Rovers";
    return buildResultsReport(
        kHeading, groupShown(results),
        { {},
          { { first, 1, 1, 0, 5, 2, 3, 4 }, { "United", 0, 1, 1, 2, 5, -3, 1 } },
          brighton ? QVector<LeagueAdjustment> { { first, -3, "late" } } : QVector<LeagueAdjustment>() });
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// The parts of an .xlsx file (a zip archive whose local headers hold the sizes), stored or deflated.
QMap<QString, QByteArray> zipEntries(const QByteArray& zip)
{
    const auto at = [&zip](qsizetype offset, int bytes) { // little-endian, 0 beyond the end
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | quint8(offset + i < zip.size() ? zip.at(offset + i) : 0);
        return int(value);
    };
    QMap<QString, QByteArray> entries;
    for (qsizetype entry = 0; zip.mid(entry, 4) == "PK\x03\x04";) {
        const int size = at(entry + 18, 4), nameLength = at(entry + 26, 2);
        const qsizetype start = entry + 30 + nameLength + at(entry + 28, 2);
        QByteArray data = zip.mid(start, size);
        if (at(entry + 8, 2) == Z_DEFLATED) {
            QByteArray raw = std::exchange(data, QByteArray(at(entry + 22, 4), '\0'));
            z_stream stream { reinterpret_cast<Bytef*>(raw.data()), uInt(raw.size()), 0,
                              reinterpret_cast<Bytef*>(data.data()), uInt(data.size()) };
            inflateInit2(&stream, -MAX_WBITS);
            inflate(&stream, Z_FINISH);
            inflateEnd(&stream);
        }
        entries.insert(QString::fromUtf8(zip.mid(entry + 30, nameLength)), data);
        entry = start + size;
    }
    return entries;
}

// A workbook's first sheet as a reader sees it: its cells, each a text, a number or a date.
QVariantMap readWorkbook(const QString& path, QString* sheetName = nullptr, QStringList* rightAligned = nullptr)
{
    const QMap<QString, QByteArray> parts = zipEntries(contentsOf(path));
    QVariantMap cells;
    QStringList strings, styles; // the shared texts; the number format of each cell style
    QSet<int> right;             // the cell styles aligned on the right
    QMap<QString, QString> formats { { "49", "@" } };
    bool cellStyles = false;
    for (const char* part : { "sharedStrings", "styles", "workbook", "worksheets/sheet1" }) {
        for (QXmlStreamReader xml(parts.value(QStringLiteral("xl/%1.xml").arg(part))); !xml.atEnd();) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QXmlStreamAttributes attribute = xml.attributes();
            cellStyles = cellStyles || xml.name() == u"cellXfs";
            if (xml.name() == u"t")
                strings.append(xml.readElementText());
            else if (xml.name() == u"numFmt")
                formats.insert(attribute.value("numFmtId").toString(), attribute.value("formatCode").toString());
            else if (xml.name() == u"xf" && cellStyles)
                styles.append(formats.value(attribute.value("numFmtId").toString()));
            else if (xml.name() == u"alignment" && cellStyles && attribute.value("horizontal") == u"right")
                right.insert(int(styles.size()) - 1);
            else if (xml.name() == u"sheet" && sheetName && sheetName->isEmpty())
                *sheetName = attribute.value("name").toString();
            if (xml.name() != u"c")
                continue;
            const QString format = styles.value(attribute.value("s").toInt());
            // A text is written in its cell (<is><t>), or as a number into the shared texts.
            const bool inlineText = attribute.value("t") == u"inlineStr";
            if (inlineText && xml.readNextStartElement() && xml.name() == u"is")
                xml.readNextStartElement();
            const QString value = inlineText ? xml.readElementText()
                : xml.readNextStartElement() ? xml.readElementText()
                                             : QString();
            const QString cell = attribute.value("r").toString();
            if (rightAligned && right.contains(attribute.value("s").toInt()))
                rightAligned->append(cell);
            if (inlineText)
                cells.insert(cell, value);
            else if (attribute.value("t") == u"s" || format == u"@") // a blank text cell is an empty text
                cells.insert(cell, value.isEmpty() ? QString() : strings.value(value.toInt()));
            else if (format == u"dd-mmm-yyyy")
                cells.insert(cell, QDate(1899, 12, 30).addDays(value.toInt()));
            else
                cells.insert(cell, value.toInt()); // the figures are whole numbers
        }
    }
    return cells;
}

// What `call` printed on the standard error stream (descriptor 2, where libraries print).
template <typename Call>
QByteArray standardErrorOf(Call call)
{
    QTemporaryFile capture;
    if (!capture.open())
        return "(cannot capture)";
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    call();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    capture.seek(0);
    return capture.readAll();
}

// What libical reads back of a calendar, event by event.
struct CalendarRead
{
    QStringList dates; // "20000307" for an all-day event
    QStringList summaries;
    QStringList uids;
    QStringList descriptions;
};

CalendarRead readCalendar(const QByteArray& text)
{
    CalendarRead read;
    icalcomponent* calendar = icalparser_parse_string(text.constData());
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        read.dates << icaltime_as_ical_string(icalcomponent_get_dtstart(event));
        read.summaries << QString::fromUtf8(icalcomponent_get_summary(event));
        read.uids << icalcomponent_get_uid(event);
        read.descriptions << QString::fromUtf8(icalcomponent_get_description(event));
    }
    icalcomponent_free(calendar);
    return read;
}

// A seeded stage: `setup` may hold "third" (a third-place match), "dates" (from 01-Apr-2000, a
// week apart) and "legs:4=2" (round size = legs); `results` are "CODE result" lines as the file holds them.
KnockoutStage knockoutStage(const QStringList& seeds, const QString& setup, const QStringList& results = {})
{
    QVector<KnockoutTeam> teams;
    for (const QString& name : seeds)
        teams.append({ 0, int(teams.size()) + 1, name });
    KnockoutStage stage = *KnockoutStage::fromSeeds(teams, nullptr);
    for (const QString& word : setup.split(u' ', Qt::SkipEmptyParts)) {
        if (word == "third")
            stage.setThirdPlaceMatch(true);
        else if (word == "dates")
            stage.setSchedule(QDate(2000, 4, 1), 7);
        else if (word.startsWith("legs:"))
            stage.setLegs(word.section(u':', 1).section(u'=', 0, 0).toInt(), word.section(u'=', 1).toInt(), nullptr);
    }
    for (const QString& line : results) {
        QString refusal;
        if (!stage.setResult(line.section(u' ', 0, 0), *readTieResultText(line.section(u' ', 1), nullptr), &refusal))
            qWarning("%s: %s", qPrintable(line), qPrintable(refusal));
    }
    return stage;
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private slots:
    void examples_data()
    {
        QTest::addColumn<bool>("fixtureList");
        QTest::addColumn<QStringList>("displayLines");
        QTest::addColumn<QVector<LeagueRow>>("rows");
        QTest::addColumn<QVector<LeagueAdjustment>>("adjustments");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("tagged");
        QTest::addColumn<QStringList>("slotTexts"); // each line's, "" for none; none at all without a timetable
        QTest::addColumn<QString>("htmlLine");      // a line the exported page holds; "" for no check
        QTest::addColumn<QVariantMap>("cells");     // cells the exported workbook holds
        // Entered out of date order; the fixture is left out of the results report.
        const QStringList lines { "R:14-Mar-2000:HT:0-1:FT:0-3:United-v-Rovers", "F:07-Mar-2000:Rovers-v-United",
                                  "R:07-Mar-2000:HT:1-0:FT:2-2:Rovers-v-United" };
        // clang-format off
        const QVector<LeagueRow> rows { { "Rovers", 1, 1, 0, 5, 2, 3, 4 }, { "United", 0, 1, 1, 2, 5, -3, 1 } };
        const QStringList resultsText { "", "Report on Spring Cup at Riverside", "", "Division A", "", "Date : 15-Mar-2000", "", "", "",
                "07-Mar-2000", "Rovers-v-United                         (1-0)       2-2", "",
                "14-Mar-2000", "United-v-Rovers                         (0-1)       0-3", "", "", "League Table", "",
                "Team                    W    D    L    F    A   GD  Pts", "Rovers                  1    1    0    5    2    3    4",
                "United                  0    1    1    2    5   -3    1" };
        const QStringList footer { "", "", "", "Report Created by Tabulon", "https://www.veltrix.example/tabulon" };
        QTest::newRow("results report") << false << QStringList { lines[0], lines[2] } << rows << QVector<LeagueAdjustment>()
            << (resultsText + footer).join("\r\n") << kResultsTagged << QStringList() << QString() << QVariantMap();
        QTest::newRow("results report, a points adjustment under the table") << false << QStringList { lines[0], lines[2] } << rows
            << QVector<LeagueAdjustment> { { "United", -3, "late kick-off, twice" } }
            << (resultsText + QStringList { "", "Points Adjustments", "", "United                 -3  late kick-off, twice" } + footer).join("\r\n")
            << kResultsTagged + QStringList { "Points Adjustments", "United, -3 , late kick-off, twice" } << QStringList()
            << QString() << QVariantMap();
        QTest::newRow("fixture list") << true << QStringList { lines[0], lines[1] } << QVector<LeagueRow>() << QVector<LeagueAdjustment>()
            << QStringList { "", "Fixtures For Spring Cup at Riverside", "", "Division A", "", "Date : 15-Mar-2000", "", "", "",
                "07-Mar-2000", "Rovers-v-United                         ", "",
                "14-Mar-2000", "United-v-Rovers                         ", "", "", "",
                "Report created by Tabulon", "https://www.veltrix.example/tabulon" }.join("\r\n")
            << kFixturesTagged << QStringList() << QString() << QVariantMap { { "A6", "Rovers-v-United" } };
        // A timed game's line starts with its kick-off and pitch, a long pitch name shortened; within a day
        // the timed games come first, by kick-off.
        const QString untimed(18, ' ');
        QStringList timedText = resultsText;
        timedText[10] = "09:20 Pitch 1     " + timedText[10];
        timedText[13] = untimed + timedText[13];
        QTest::newRow("results report, a time and pitch") << false << QStringList { lines[0], lines[2] } << rows
            << QVector<LeagueAdjustment>() << (timedText + footer).join("\r\n") << kResultsTagged
            << QStringList { "", "2000-03-07 09:20 09:40 1" } << "<TR><TD>09:20 Pitch 1 &#183; Rovers-v-United</TD>"
            << QVariantMap { { "A6", "Rovers-v-United" }, { "D6", "09:20" }, { "E6", "Pitch 1" } };
        QTest::newRow("fixture list, times and pitches") << true
            << QStringList { "F:07-Mar-2000:Rovers-v-United", "F:07-Mar-2000:City-v-Ants", "F:07-Mar-2000:Bees-v-City" }
            << QVector<LeagueRow>() << QVector<LeagueAdjustment>()
            << QStringList { "", "Fixtures For Spring Cup at Riverside", "", "Division A", "", "Date : 15-Mar-2000", "", "", "",
                "07-Mar-2000", QString("09:20 North Field Rovers-v-United").leftJustified(58),
                QString("11:00 Pitch 1     Bees-v-City").leftJustified(58), (untimed + "City-v-Ants").leftJustified(58),
                "", "", "", "Report created by Tabulon", "https://www.veltrix.example/tabulon" }.join("\r\n")
            << kFixturesTagged.mid(0, 4) + QStringList { "RESULT, Rovers-v-United, , ", "RESULT, Bees-v-City, , ", "RESULT, City-v-Ants, , " }
            << QStringList { "2000-03-07 09:20 09:40 2", "", "2000-03-07 11:00 11:20 1" }
            << "<TR><TD>City-v-Ants</TD>" << QVariantMap { { "D6", "09:20" }, { "E6", "North Field Lane" }, { "E7", "Pitch 1" } };
        // clang-format on
    }
    void examples()
    {
        QFETCH(bool, fixtureList);
        QFETCH(QStringList, displayLines);
        QFETCH(QVector<LeagueRow>, rows);
        QFETCH(QVector<LeagueAdjustment>, adjustments);
        QFETCH(QString, text);
        QFETCH(QStringList, tagged);
        QFETCH(QStringList, slotTexts);
        GroupRecords group = groupShown(displayLines);
        QVector<std::optional<GameSlot>> gameSlots;
        for (const QString& slot : slotTexts)
            gameSlots.append(readSlotText(slot, 2, nullptr));
        group.setGameSlots(gameSlots);
        const QStringList pitches { "Pitch 1", "North Field Lane" };
        const Report report = fixtureList ? buildFixtureList(kHeading, group, pitches)
                                          : buildResultsReport(kHeading, group, { {}, rows, adjustments }, pitches);
        QCOMPARE(report.error, QString());
        QCOMPARE(report.text, text);
        QCOMPARE(report.taggedLines(), tagged);
        // The exports show a timed game's kick-off and pitch too, and nothing more for one without.
        QFETCH(QString, htmlLine);
        if (!htmlLine.isEmpty())
            QVERIFY(QString::fromUtf8(exportHtml(report.content)).split("\r\n").contains(htmlLine));
        QTemporaryDir temp;
        QVERIFY(saveWorkbook(report.content, withWorkbookExtension(temp.filePath("report"))));
        const QVariantMap read = readWorkbook(temp.filePath("report.xlsx"), nullptr, nullptr);
        QFETCH(QVariantMap, cells);
        for (const QString& cell : cells.keys())
            QCOMPARE(read.value(cell), cells[cell]);
        QCOMPARE(read.contains("D6"), cells.contains("D6"));
    }

    // Semi-finals in two legs, one a bye and one decided on penalties; the final to be played, then played.
    void knockoutReport_data()
    {
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("listing"); // the text between the heading and the footer
        QTest::addColumn<QStringList>("tagged");  // the tagged lines after the heading
        const QStringList semiFinals { "SF2 1-0 1-0 aet 2-1 pens 5-4" };
        // clang-format off
        const QStringList listed { "Semi-finals (01-Apr-2000 and 08-Apr-2000)",
            "SF1    Rovers                                           bye",
            "SF2    United v City (1st leg)                          1-0",
            "       City v United (2nd leg)                          2-1  a.e.t.",
            "       Winner: City on penalties (5-4)", "", "Final (15-Apr-2000)" };
        const QStringList tagged { "RESULT, Semi-finals (01-Apr-2000 and 08-Apr-2000), , ", "RESULT, SF1 Rovers, bye, ",
            "RESULT, SF2 United v City (1st leg), 1-0, ", "RESULT, City v United (2nd leg), 2-1, a.e.t.",
            "RESULT, Winner: City on penalties (5-4), , ", "RESULT, Final (15-Apr-2000), , " };
        QTest::newRow("final to be played") << semiFinals
            << listed + QStringList { "F      Rovers v City                           to be played" }
            << tagged + QStringList { "RESULT, F Rovers v City - to be played, , " };
        QTest::newRow("final played, the champion") << semiFinals + QStringList { "F 2-1" }
            << listed + QStringList { "F      Rovers v City                                    2-1", "       Winner: Rovers", "",
                                      "Champion: Rovers" }
            << tagged + QStringList { "RESULT, F Rovers v City, 2-1, ", "RESULT, Winner: Rovers, , ", "RESULT, Champion: Rovers, , " };
        // clang-format on
    }
    // Long names lose their ends, the longer first, and never a line its start; a game to be played
    // says so in the score's column.
    void knockoutLines()
    {
        QStringList sixteen;
        for (int seed = 1; seed <= 16; ++seed)
            sixteen.append(QString::number(seed));
        QVERIFY(bracketText(knockoutStage(sixteen, ""))
                    .contains("\nQF1    Winner R16-1 v Winner R16-2             to be played\n"));
        const QString text = bracketText(knockoutStage(
            { "Sporting Club of Somewhere Else", "United", "City", "Town, Leeds" }, "legs:4=2", { "SF1 1-0 0-0" }));
        QVERIFY2(text.contains("\nSF1    Sporting Club o v Town, Leeds (1st leg)          1-0\n"
                               "       Town, Leeds v Sporting Club o (2nd leg)          0-0\n"
                               "       Winner: Sporting Club of Somewhere Else\n"),
                 qPrintable(text));
    }
    void knockoutReport()
    {
        QFETCH(QStringList, results);
        QFETCH(QStringList, listing);
        QFETCH(QStringList, tagged);
        const Report report
            = ::knockoutReport({ "Spring Cup at Riverside", "Knockout", QDate(2000, 3, 15) },
                               knockoutStage({ "Rovers", "United", "City" }, "legs:4=2 dates", results));
        const QStringList heading {
            "", "Knockout Stage of Spring Cup at Riverside", "", "Knockout", "", "Date : 15-Mar-2000", "", "", ""
        };
        const QStringList footer { "", "", "", "Report created by Tabulon", "https://www.veltrix.example/tabulon" };
        QCOMPARE(report.text, (heading + listing + footer).join("\r\n"));
        QCOMPARE(report.taggedLines(), QStringList({ heading[1], "Knockout", "Date : 15-Mar-2000" }) + tagged);
        QVERIFY(exportHtml(report.content)
                    .contains("<TR><TD>City v United (2nd leg)</TD>\r\n<TD Width=50 Align=Right>2-1</TD>\r\n"
                              "<TD Width=50 Align=Right>a.e.t.</TD></TR>"));
        // A timed game has its day, kick-off and pitch on the line under it.
        Timetable timetable;
        timetable.settings.pitches = QStringList { "Pitch 1", "North Field" };
        timetable.knockout.append(
            { "F", 1, "Winner SF1", "Winner SF2", { QDate(2000, 4, 15), 14 * 60, 14 * 60 + 30, 1 } });
        const QString timed
            = ::knockoutReport({ "Spring Cup at Riverside", "Knockout", QDate(2000, 3, 15) },
                               knockoutStage({ "Rovers", "United", "City" }, "legs:4=2 dates", results), timetable)
                  .text;
        QVERIFY2(timed.contains(
                     QRegularExpression("\r\nF      Rovers v City[^\r]*\r\n       15-Apr-2000 14:00 North Field\r\n")),
                 qPrintable(timed));
    }

    // One row per game; home and away as the game lists them, cells not known yet empty.
    void bracketCsv_data()
    {
        QTest::addColumn<QStringList>("seeds");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("rows");
        // clang-format off
        QTest::newRow("one game") << QStringList { "Rovers", "City" } << "" << QStringList { "F 2-1" }
                                  << QStringList { "F,Final,1,Rovers,City,2,1,,,,,Rovers" };
        QTest::newRow("two legs, the second with the second-listed team at home, the winner on it alone")
            << QStringList { "Rovers", "City" } << "legs:2=2" << QStringList { "F 2-0 1-1" }
            << QStringList { "F,Final,1,Rovers,City,2,0,,,,,", "F,Final,2,City,Rovers,1,1,,,,,Rovers" };
        QTest::newRow("extra time and penalties") << QStringList { "Rovers", "City" } << "" << QStringList { "F 1-1 aet 2-2 pens 3-4" }
                                                  << QStringList { "F,Final,1,Rovers,City,1,1,2,2,3,4,City" };
        QTest::newRow("a bye, teams not known yet") << QStringList { "Rovers", "United", "City" } << "" << QStringList()
                                                    << QStringList { "SF1,Semi-finals,1,Rovers,,,,,,,,Rovers",
                                                                     "SF2,Semi-finals,1,United,City,,,,,,,", "F,Final,1,Rovers,,,,,,,," };
        QTest::newRow("third-place match") << QStringList { "A", "B", "C", "D" } << "third" << QStringList { "SF1 1-0" }
                                           << QStringList { "SF1,Semi-finals,1,A,D,1,0,,,,,A", "SF2,Semi-finals,1,B,C,,,,,,,",
                                                            "3P,Third-place match,1,D,,,,,,,,", "F,Final,1,A,,,,,,,," };
        QTest::newRow("names with a comma and quotes") << QStringList { "Smith, Jones", "\"Reds\"" } << "" << QStringList { "F 0-1" }
                                                       << QStringList { "F,Final,1,\"Smith, Jones\",\"\"\"Reds\"\"\",0,1,,,,,\"\"\"Reds\"\"\"" };
        // clang-format on
    }
    void bracketCsv()
    {
        QFETCH(QStringList, seeds);
        QFETCH(QString, setup);
        QFETCH(QStringList, results);
        QFETCH(QStringList, rows);
        const QByteArray header
            = "tie,round,leg,home,away,home_ft,away_ft,home_aet,away_aet,home_pens,away_pens,winner\n";
        const KnockoutStage stage = knockoutStage(seeds, setup, results);
        QCOMPARE(QString::fromUtf8(::bracketCsv(stage)), header + rows.join(u'\n') + u'\n');
        // The bracket page shows every team, escaped.
        const QByteArray page = bracketHtml("Cup", stage);
        for (const QString& team : seeds)
            QVERIFY(page.contains("<td>" + team.toHtmlEscaped().toUtf8() + "</td>"));
    }

    // A game whose teams are not known yet has its event; entering results keeps every UID.
    void knockoutCalendar()
    {
        const QStringList seeds { "Rovers", "United", "City", "Town" };
        const QString setup = "third dates legs:4=2";
        const QDateTime stamp(QDate(2000, 3, 15), QTime(12, 0), Qt::UTC);
        const QStringList results { "SF1 2-0 1-1" };
        const Calendar calendar = buildKnockoutCalendar("Tabulon - Cup", knockoutStage(seeds, setup, results), stamp);
        const CalendarRead before = readCalendar(calendar.text);
        QCOMPARE(before.dates, QStringList({ "20000401", "20000408", "20000401", "20000408", "20000415", "20000415" }));
        QCOMPARE(before.summaries,
                 QStringList({ "Rovers 2-0 Town", "Town 1-1 Rovers", "United v City", "City v United",
                               "Town v Loser SF2", "Rovers v Winner SF2" }));
        QCOMPARE(before.descriptions.first(), "Semi-final 1, leg 1\nCup");
        const QStringList later { "SF2 1-1 2-1", "3P 1-1 aet 1-1 pens 4-2" };
        const CalendarRead after = readCalendar(
            buildKnockoutCalendar("Tabulon - Cup", knockoutStage(seeds, setup, results + later), stamp).text);
        QCOMPARE(after.uids, before.uids);
        QCOMPARE(after.summaries.mid(3),
                 QStringList({ "City 2-1 United", "Town 1-1 United (a.e.t., 4-2 pens)", "Rovers v City" }));
        QCOMPARE(QSet<QString>(before.uids.begin(), before.uids.end()).size(), before.uids.size());
        QCOMPARE(buildKnockoutCalendar("Tabulon - Cup", knockoutStage(seeds, "")).events, 0);
    }

    // Entries of one date in text order without regard to case, equal ones in list order; every
    // date under its heading, the earliest too.
    void order_data()
    {
        QTest::addColumn<bool>("fixtureList");
        QTest::addColumn<QStringList>("displayLines");
        QTest::addColumn<QStringList>("tagged"); // the date and match lines
        // clang-format off
        QTest::newRow("results by half-time, full-time, then names") << false
            << QStringList { "R:01-Jan-2000:HT:0-0:FT:0-0:Late-v-Later", "R:07-Mar-1999:HT:1-0:FT:1-1:B-v-A",
                             "R:07-Mar-1999:HT:0-2:FT:3-2:C-v-D", "R:07-Mar-1999:HT:0-2:FT:1-2:E-v-F",
                             "R:07-Mar-1999:HT:0-2:FT:1-2:d-v-F", "R:31-Dec-1999:HT:0-0:FT:0-0:Early-v-Earlier" }
            << QStringList { "FIXDATE, 07-Mar-1999", "RESULT, d-v-F, (0-2), 1-2", "RESULT, E-v-F, (0-2), 1-2",
                             "RESULT, C-v-D, (0-2), 3-2", "RESULT, B-v-A, (1-0), 1-1",
                             "FIXDATE, 31-Dec-1999", "RESULT, Early-v-Earlier, (0-0), 0-0",
                             "FIXDATE, 01-Jan-2000", "RESULT, Late-v-Later, (0-0), 0-0" };
        QTest::newRow("fixtures and results mixed, a date before 1980") << true
            << QStringList { "F:07-Mar-2000:Zebras-v-Owls", "R:07-Mar-2000:HT:0-0:FT:1-1:Hawks-v-Kites",
                             "F:07-Mar-2000:bees-v-Ants", "F:07-Mar-2000:apes-v-Lions", "F:07-Mar-2000:Apes-v-Lions",
                             "F:01-Jan-1975:Old-v-Older" }
            << QStringList { "FIXDATE, 01-Jan-1975", "RESULT, Old-v-Older, , ",
                             "FIXDATE, 07-Mar-2000", "RESULT, apes-v-Lions, , ", "RESULT, Apes-v-Lions, , ",
                             "RESULT, bees-v-Ants, , ", "RESULT, Hawks-v-Kites, , ", "RESULT, Zebras-v-Owls, , " };
        QTest::newRow("names holding \"FT:\" and \"HT:\", fixture and result") << true
            << QStringList { "R:07-Feb-2001:HT:0-0:FT:1-0:HT:Town-v-FT:City", "F:07-Feb-2001:Alpha-v-FT:Town" }
            << QStringList { "FIXDATE, 07-Feb-2001", "RESULT, Alpha-v-FT:Town, , ", "RESULT, HT:Town-v-FT:City, , " };
        // clang-format on
        QStringList sameLines; // "rovers-v-united" written in 32 ways: enough for a sort to mix them
        QStringList sameTagged { "FIXDATE, 07-Mar-2000" };
        for (int letters = 0; letters < 32; ++letters) {
            QString teams = QStringLiteral("rovers-v-united");
            for (int i = 0; i < 5; ++i)
                teams[i] = letters & (1 << i) ? teams[i].toUpper() : teams[i];
            sameLines.append("F:07-Mar-2000:" + teams);
            sameTagged.append("RESULT, " + teams + ", , ");
        }
        QTest::newRow("entries equal but for case, in list order") << true << sameLines << sameTagged;
    }
    void order()
    {
        QFETCH(bool, fixtureList);
        QFETCH(QStringList, displayLines);
        QFETCH(QStringList, tagged);
        const Report report = fixtureList ? buildFixtureList(kHeading, groupShown(displayLines))
                                          : buildResultsReport(kHeading, groupShown(displayLines), LeagueTable());
        QCOMPARE(report.taggedLines().filter(QRegularExpression(QStringLiteral("^(FIXDATE|RESULT), "))), tagged);
    }

    // One result and one league row, at the edges of their columns or beyond them.
    void resultsReport_data()
    {
        QTest::addColumn<QString>("displayLine");
        QTest::addColumn<LeagueRow>("row");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("resultLine");
        QTest::addColumn<QString>("leagueLine");
        QTest::addColumn<QString>("taggedResult");
        QTest::addColumn<QString>("taggedRow");
        const QString line = QStringLiteral("R:07-Mar-2000:HT:1-0:FT:2-1:Rovers-v-United");
        const QString wider = QStringLiteral("Error 5 - Invalid procedure call or argument: the ");
        // clang-format off
        QTest::newRow("39-character match, 19-character name, 10-character score, difference -3")
            << "R:07-Mar-2000:HT:1-0:FT:1234-12345:Abcdefghijklmnopqr-v-Stuvwxyzabcdefghij"
            << LeagueRow { "Nineteen Characters", 0, 1, 1, 2, 5, -3, 1 } << ""
            << "Abcdefghijklmnopqr-v-Stuvwxyzabcdefghij (1-0)1234-12345"
            << "Nineteen Characters     0    1    1    2    5   -3    1"
            << "RESULT, Abcdefghijklmnopqr-v-Stuvwxyzabcdefghij, (1-0), 1234-12345"
            << "Nineteen Characters,  0 ,  1 ,  1 ,  2 ,  5 , -3 ,  1 ";
        QTest::newRow("40-character match, 20-character name, five-character figures")
            << "R:07-Mar-2000:HT:10-10:FT:1-1:XAbcdefghijklmnopqr-v-Stuvwxyzabcdefghij"
            << LeagueRow { "Twenty Characters FC", 12345, 0, 0, 99999, 0, -9999, 0 } << ""
            << "Abcdefghijklmnopqr-v-Stuvwxyzabcdefghij (10-10)       1-1"
            << "Twenty Characters F 12345    0    099999    0-9999    0"
            << "RESULT, XAbcdefghijklmnopqr-v-Stuvwxyzabcdefghij, (10-10), 1-1"
            << "Twenty Characters FC,  12345 ,  0 ,  0 ,  99999 ,  0 , -9999 ,  0 ";
        // A failure leaves neither text nor tagged lines.
        QTest::newRow("full-time score of 11 characters, a name holding %2") << "R:07-Mar-2000:HT:1-0:FT:12345-12345:%2 Rovers-v-United"
            << LeagueRow { "Rovers" } << wider + "full-time score \"12345-12345\" of %2 Rovers-v-United is wider than its 10-character column." << "" << "" << "" << "";
        QTest::newRow("figure of 6 digits") << line << LeagueRow { "Rovers", 1, 0, 0, 123456, 1, 1, 3 }
            << wider + "For figure 123456 of Rovers is wider than its 5-character column." << "" << "" << "" << "";
        QTest::newRow("negative figure of 6 characters") << line << LeagueRow { "Rovers", 1, 0, 0, 2, 1, -12345, 3 }
            << wider + "Diff figure -12345 of Rovers is wider than its 5-character column." << "" << "" << "" << "";
        QTest::newRow("date that is no date") << "R:31-Feb-2000:HT:1-0:FT:2-1:Rovers-v-United" << LeagueRow { "Rovers" }
            << "Error 13 - Type mismatch: the date of the result \"R:31-Feb-2000:HT:1-0:FT:2-1:Rovers-v-United\" cannot be read." << "" << "" << "" << "";
        // clang-format on
    }
    void resultsReport()
    {
        QFETCH(QString, displayLine);
        QFETCH(LeagueRow, row);
        const Report report = buildResultsReport(kHeading, groupShown({ displayLine }), { {}, { row } });
        QTEST(report.error, "error");
        const QStringList lines = report.text.split(QStringLiteral("\r\n"));
        QTEST(lines.value(10), "resultLine");
        QTEST(lines.value(16), "leagueLine");
        QTEST(report.taggedLines().value(4), "taggedResult");
        QTEST(report.taggedLines().value(7), "taggedRow");
    }

    // A name that is taken, however, is left as it was and the next one used.
    void taggedFile_data()
    {
        QTest::addColumn<QString>("planted"); // what stands at the first name beforehand
        QTest::addColumn<QString>("name");    // the file written; "" when nothing may be
        // clang-format off
        QTest::newRow("a free name") << "" << "2000030745296.57.tmp";
        QTest::newRow("a file at the name") << "file" << "2000030745296.57-1.tmp";
        QTest::newRow("a link at the name") << "link" << "2000030745296.57-1.tmp";
        QTest::newRow("a dangling link at the name") << "dangling link" << "2000030745296.57-1.tmp";
        QTest::newRow("a folder that does not exist") << "no folder" << "";
        // clang-format on
    }
    void taggedFile()
    {
        QFETCH(QString, planted);
        QFETCH(QString, name);
        QTemporaryDir temp;
        const QString first = temp.filePath(QStringLiteral("2000030745296.57.tmp"));
        const QString target = temp.filePath(QStringLiteral("target"));
        QVERIFY(writeFile(target, "kept\r\n"));
        if (planted == QLatin1String("file"))
            QVERIFY(writeFile(first, "planted\r\n"));
        if (planted.endsWith(QLatin1String("link")))
            QVERIFY(QFile::link(planted == QLatin1String("link") ? target : temp.filePath("gone"), first));
        const QString folder = planted == QLatin1String("no folder") ? temp.filePath("gone") : temp.path();

        const TaggedFileOutcome outcome = writeTaggedReportFile(
            { "Report on Cup", "Łódź,  1 " }, QDateTime(QDate(2000, 3, 7), QTime(12, 34, 56, 570)), folder);
        QCOMPARE(outcome.path, name.isEmpty() ? QString() : temp.filePath(name));
        QCOMPARE(contentsOf(target), QByteArray("kept\r\n"));
        QCOMPARE(QFileInfo(first).isSymLink(), planted.endsWith(QLatin1String("link")));
        if (planted == QLatin1String("file"))
            QCOMPARE(contentsOf(first), QByteArray("planted\r\n"));
        QCOMPARE(outcome.error.startsWith("Cannot write the report file " + folder), name.isEmpty());
        if (name.isEmpty())
            return;
        QCOMPARE(contentsOf(outcome.path), QByteArray("Report on Cup\r\n\xC5\x81\xC3\xB3\x64\xC5\xBA,  1 \r\n"));
        const QFile::Permissions userAlone = QFile::ReadUser | QFile::WriteUser;
        QCOMPARE(QFile::permissions(outcome.path) & 0x0FFF, userAlone);
        QVERIFY(deleteTaggedReportFile(outcome.path));
        QVERIFY(!QFileInfo::exists(outcome.path));
    }

    // Every line of the page; saving it twice gives the same file twice.
    void htmlPage_data()
    {
        QTest::addColumn<QStringList>("tagged");
        QTest::addColumn<QStringList>("page");
        // clang-format off
        const QString head = "<TABLE border=3 cellpadding=4 cellspacing=0>", figure = "<TD Width=30 Align=Right>";
        const QStringList footer { "</TABLE>", "<BR>Report created by Tabulon",
            "<BR><A HREF=\"https://www.veltrix.example/tabulon\">from Veltrix</A>", "</CENTER></BODY></HTML>" };
        const QStringList league { "</TABLE><BR>        ", head, "<TR><TD><h4>League Table</h4></TD></TR>",
            "<TR><TD Width=150 Align=Left>Team</TD>", figure + "W</TD>", figure + "D</TD>", figure + "L</TD>",
            figure + "F</TD>", figure + "A</TD>", figure + "GD</TD>", figure + "Pts</TD></TR>" };
        const QStringList resultsPage = QStringList { "<HTML><HEAD><TITLE>",
            "Report on Spring Cup at Riverside</TITLE></HEAD><BODY><CENTER>", "<H1>Report on Spring Cup at Riverside</H1>",
            "<H2>Division A</H2>", "<H3>Report Date : 15-Mar-2000</H3>", head,
            "<TR><TD Width=400><h5>Fixtures on 07-Mar-2000</H4></TD><TD Align=Right>Half</TD><TD Align=Right>Full</TD></TR>",
            "<TR><TD>Rovers-v-United</TD>", "<TD Width=50 Align=Right>(1-0)</TD>", "<TD Width=50 Align=Right>2-2</TD></TR>",
            "<TR><TD Width=400><h5>Fixtures on 14-Mar-2000</H4></TD><TD Align=Right>Half</TD><TD Align=Right>Full</TD></TR>",
            "<TR><TD>United-v-Rovers</TD>", "<TD Width=50 Align=Right>(0-1)</TD>", "<TD Width=50 Align=Right>0-3</TD></TR>" }
            + league + QStringList { "<TR><TD Align=Left>Rovers</TD>", figure + "1</TD>", figure + "1</TD>", figure + "0</TD>",
            figure + "5</TD>", figure + "2</TD>", figure + "3</TD>", figure + "4</TD></TR>", "<TR><TD Align=Left>United</TD>",
            figure + "0</TD>", figure + "1</TD>", figure + "1</TD>", figure + "2</TD>", figure + "5</TD>", figure + "-3</TD>",
            figure + "1</TD></TR>" } + footer;
        QTest::newRow("results worked example") << kResultsTagged << resultsPage;
        QStringList brightonPage = QStringList(resultsPage).replaceInStrings(">Rovers<", ">Brighton, Hove<");
        brightonPage.insert(brightonPage.size() - 4, "<TR><TD><h4>Points Adjustments</h4></TD></TR>");
        brightonPage.insert(brightonPage.size() - 4, "<TR><TD Align=Left>Brighton, Hove</TD><TD Width=30 Align=Right>-3</TD><TD Align=Left ColSpan=6>late</TD></TR>");
        QTest::newRow("an adjusted name with a comma and a blank before the next, whole") << kBrightonTagged << brightonPage;
        QTest::newRow("fixture list worked example, its second table empty") << kFixturesTagged << QStringList {
            "<HTML><HEAD><TITLE>", "Fixtures For Spring Cup at Riverside</TITLE></HEAD><BODY><CENTER>",
            "<H1>Fixtures For Spring Cup at Riverside</H1>", "<H2>Division A</H2>", "<H3>Report Date : 15-Mar-2000</H3>", head,
            "<TR><TD Width=400><h5>Fixtures on 07-Mar-2000</H4></TD></TR>", "<TR><TD>Rovers-v-United</TD>", "</TR>",
            "<TR><TD Width=400><h5>Fixtures on 14-Mar-2000</H4></TD></TR>", "<TR><TD>United-v-Rovers</TD>", "</TR>", "</TABLE><BR>        ",
            head } + footer;
        const QStringList oddPage = QStringList {
            "<HTML><HEAD><TITLE>", "Report on &lt;b&gt;Cup&lt;/b&gt; &amp; Co</TITLE></HEAD><BODY><CENTER>",
            "<H1>Report on &lt;b&gt;Cup&lt;/b&gt; &amp; Co</H1>", "<H2>Division [A]: *North?/South\\ of the county</H2>", "<H3>Report Date : 15-Mar-2000</H3>", head,
            "<TR><TD Width=400><h5>Fixtures on 07-Mar-2000</H4></TD><TD Align=Right>Half</TD><TD Align=Right>Full</TD></TR>",
            "<TR><TD>Smith, Jones &amp; &quot;&lt;Sons&gt;&quot;-v-Reds</TD>", "<TD Width=50 Align=Right>(1-0)</TD>", "<TD Width=50 Align=Right>2-2</TD></TR>" }
            + league + QStringList {
            "<TR><TD Align=Left>Smith, Jones &amp; &quot;&lt;Sons&gt;&quot;</TD>", figure + "1</TD>", figure + "0</TD>",
            figure + "0</TD>", figure + "2</TD>", figure + "1</TD>", figure + "1</TD>", figure + "3</TD></TR>" };
        QTest::newRow("a name with a comma, markup, an ampersand and quotes, whole and escaped") << kOddTagged << oddPage + footer;
        // Letters beyond ASCII, one beyond 16 bits, beside characters that are escaped.
        const QString other = QString::fromUtf8("Atl\u00e9tico&\u00dcnited \U0001F3C6\u00e9<");
        QTest::newRow("names beyond ASCII, in UTF-8") << QStringList(kOddTagged).replaceInStrings("Reds", other)
            << QStringList(oddPage).replaceInStrings("Reds", QString(other).replace("&", "&amp;").replace("<", "&lt;")) + footer;
        QTest::newRow("its points adjustment, name and reason whole") << kOddAdjustedTagged << oddPage + QStringList {
            "<TR><TD><h4>Points Adjustments</h4></TD></TR>", "<TR><TD Align=Left>Smith, Jones &amp; &quot;&lt;Sons&gt;&quot;</TD>"
            "<TD Width=30 Align=Right>-3</TD><TD Align=Left ColSpan=6>breach, appeal lost</TD></TR>" } + footer;
        // clang-format on
    }
    void htmlPage()
    {
        QFETCH(QStringList, tagged);
        QFETCH(QStringList, page);
        QTemporaryDir temp;
        const Report report = reportTagged(tagged);
        QCOMPARE(report.taggedLines(), tagged);
        const QByteArray html = exportHtml(report.content);
        QVERIFY(html.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(html).split("\r\n"), page + QStringList { "" });
        QVERIFY(saveReportFile(exportHtml(report.content), temp.filePath("first.htm")));
        QVERIFY(saveReportFile(exportHtml(report.content), temp.filePath("second.htm")));
        QCOMPARE(contentsOf(temp.filePath("second.htm")), contentsOf(temp.filePath("first.htm")));
    }

    void workbook_data()
    {
        QTest::addColumn<QStringList>("tagged");
        QTest::addColumn<QString>("sheetName");
        QTest::addColumn<QVariantMap>("cells");
        QTest::addColumn<QStringList>("rightAligned"); // the text cells shown on the right
        // clang-format off
        const QVariantMap resultCells { { "A1", "Report on Spring Cup at Riverside" },
            { "A2", "Division A" }, { "A3", "Date : 15-Mar-2000" }, { "A5", QDate(2000, 3, 7) }, { "A6", "Rovers-v-United" },
            { "B6", "(1-0)" }, { "C6", "2-2" }, { "A8", QDate(2000, 3, 14) }, { "A9", "United-v-Rovers" }, { "B9", "(0-1)" },
            { "C9", "0-3" }, { "A11", "League Table" }, { "A13", "Team" }, { "B13", "W" }, { "C13", "D" }, { "D13", "L" },
            { "E13", "F" }, { "F13", "A" }, { "G13", "GD" }, { "H13", "Pts" }, { "A14", "Rovers" }, { "B14", 1 }, { "C14", 1 },
            { "D14", 0 }, { "E14", 5 }, { "F14", 2 }, { "G14", 3 }, { "H14", 4 }, { "A15", "United" }, { "B15", 0 }, { "C15", 1 },
            { "D15", 1 }, { "E15", 2 }, { "F15", 5 }, { "G15", -3 }, { "H15", 1 }, { "A17", "Report created by Tabulon" },
            { "A18", "https://www.veltrix.example/tabulon" } };
        const QStringList figureHeadings { "B13", "C13", "D13", "E13", "F13", "G13", "H13" };
        QTest::newRow("results worked example, the figures' headings over them") << kResultsTagged << "Division A"
            << resultCells << figureHeadings;
        QVariantMap brightonCells = resultCells;
        brightonCells.insert({ { "A14", "Brighton, Hove" }, { "A17", "Points Adjustments" }, { "A19", "Brighton, Hove" },
            { "B19", -3 }, { "C19", "late" }, { "A21", "Report created by Tabulon" }, { "A22", "https://www.veltrix.example/tabulon" } });
        brightonCells.remove("A18");
        QTest::newRow("an adjusted name with a comma and a blank before the next, whole") << kBrightonTagged << "Division A"
            << brightonCells << figureHeadings;
        QTest::newRow("fixture list worked example") << kFixturesTagged << "Division A" << QVariantMap {
            { "A1", "Fixtures For Spring Cup at Riverside" }, { "A2", "Division A" }, { "A3", "Date : 15-Mar-2000" },
            { "A5", QDate(2000, 3, 7) }, { "A6", "Rovers-v-United" }, { "B6", "" }, { "C6", "" }, { "A8", QDate(2000, 3, 14) },
            { "A9", "United-v-Rovers" }, { "B9", "" }, { "C9", "" }, { "A11", "Report created by Tabulon" },
            { "A12", "https://www.veltrix.example/tabulon" } } << QStringList();
        const QVariantMap oddCells { { "A1", kOddTagged[0] }, { "A2", kOddTagged[1] }, { "A3", "Date : 15-Mar-2000" },
            { "A5", QDate(2000, 3, 7) }, { "A6", "Smith, Jones & \"<Sons>\"-v-Reds" }, { "B6", "(1-0)" }, { "C6", "2-2" },
            { "A8", "League Table" }, { "A10", "Team" }, { "B10", "W" }, { "C10", "D" }, { "D10", "L" }, { "E10", "F" },
            { "F10", "A" }, { "G10", "GD" }, { "H10", "Pts" }, { "A11", "Smith, Jones & \"<Sons>\"" }, { "B11", 1 }, { "C11", 0 },
            { "D11", 0 }, { "E11", 2 }, { "F11", 1 }, { "G11", 1 }, { "H11", 3 } };
        const QString oddSheet = "Division _A__ _North__South_ of";
        const auto oddWith = [&oddCells](const QVariantMap& more) { QVariantMap cells = oddCells; cells.insert(more); return cells; };
        QTest::newRow("a name with a comma whole, its figures in their columns") << kOddTagged << oddSheet
            << oddWith({ { "A13", "Report created by Tabulon" }, { "A14", "https://www.veltrix.example/tabulon" } })
            << QStringList { "B10", "C10", "D10", "E10", "F10", "G10", "H10" };
        QTest::newRow("its points adjustment under the table") << kOddAdjustedTagged << oddSheet
            << oddWith({ { "A13", "Points Adjustments" }, { "A15", kOddTagged[7].section(",", 0, 1) }, { "B15", -3 },
            { "C15", "breach, appeal lost" }, { "A17", "Report created by Tabulon" }, { "A18", "https://www.veltrix.example/tabulon" } })
            << QStringList { "B10", "C10", "D10", "E10", "F10", "G10", "H10" };
        // clang-format on
    }
    void workbook()
    {
        QFETCH(QStringList, tagged);
        QTemporaryDir temp;
        const Report report = reportTagged(tagged);
        QCOMPARE(report.taggedLines(), tagged);
        QVERIFY(saveWorkbook(report.content, withWorkbookExtension(temp.filePath("report"))));
        QFETCH(QVariantMap, cells);
        QString sheetName;
        QStringList rightAligned;
        const QVariantMap read = readWorkbook(temp.filePath("report.xlsx"), &sheetName, &rightAligned);
        QTEST(sheetName, "sheetName");
        QTEST(rightAligned, "rightAligned");
        QCOMPARE(read.keys(), cells.keys());
        for (const QString& cell : cells.keys()) {
            QCOMPARE(read[cell].typeId(), cells[cell].typeId()); // "1" would equal 1
            QCOMPARE(read[cell], cells[cell]);
        }
    }

    void rtf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("body"); // between the font settings and the closing brace
        QTest::newRow("a paragraph per line, the first empty") << "\r\n  Cup" << QByteArray("\\par\r\n  Cup\\par\r\n");
        QTest::newRow("backslash and braces") << "a\\b{c}" << QByteArray("a\\\\b\\{c\\}\\par\r\n");
        QTest::newRow("characters beyond ASCII") << "Łódź ß" << QByteArray("\\u321?\\u243?d\\u378? \\u223?\\par\r\n");
        QTest::newRow("characters beyond 32767 and beyond 16 bits")
            << QString::fromUtf8("\uFF21\U0001F600") << QByteArray("\\u-223?\\u-10179?\\u-8704?\\par\r\n");
    }
    void rtf()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, body);
        QCOMPARE(reportRtf(text),
                 "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\r\n"
                 "\\uc1\\pard\\f0\\fs20 "
                     + body + "}\r\n");
    }

    // Saved over an old file: whole, or not at all.
    void saveFile_data()
    {
        QTest::addColumn<bool>("workbook");
        QTest::addColumn<bool>("full"); // writes beyond 64 bytes fail, as on a full disk
        QTest::addColumn<QString>("error");
        QTest::newRow("saved") << false << false << "";
        QTest::newRow("disk full") << false << true << "File too large";
        QTest::newRow("workbook saved") << true << false << "";
        QTest::newRow("workbook, disk full") << true << true << "File too large";
    }
    void saveFile()
    {
        QFETCH(bool, workbook);
        QFETCH(bool, full);
        QFETCH(QString, error);
        QTemporaryDir temp;
        const QString path = temp.filePath(QStringLiteral("report"));
        QVERIFY(writeFile(path, "older\r\n"));
        const QByteArray rtf = reportRtf(QString(200, u'x'));
        rlimit normal {};
        getrlimit(RLIMIT_FSIZE, &normal);
        const rlimit limited { full ? 64 : normal.rlim_cur, normal.rlim_max };
        std::signal(SIGXFSZ, SIG_IGN);
        QString reason;
        bool saved = false;
        setrlimit(RLIMIT_FSIZE, &limited);
        // The library's own error lines stay off the terminal: the message says it all.
        const QByteArray printed = standardErrorOf([&] {
            saved = workbook ? saveWorkbook(reportTagged(kResultsTagged).content, path, &reason)
                             : saveReportFile(rtf, path, &reason);
        });
        setrlimit(RLIMIT_FSIZE, &normal);
        QCOMPARE(printed, QByteArray());
        QCOMPARE(saved, !full);
        QCOMPARE(reason, error);
        if (full || !workbook)
            QCOMPARE(contentsOf(path), full ? QByteArray("older\r\n") : rtf);
        QCOMPARE(QDir(temp.path(), QString(), QDir::Name, QDir::Files | QDir::Hidden).entryList(),
                 QStringList { "report" });
    }

    // Refused with nothing written, whatever the export: the same check stands before each.
    void refusedTargets_data()
    {
        QTest::addColumn<bool>("workbook");
        QTest::addColumn<QString>("target"); // what stands at the chosen path
        QTest::addColumn<QString>("error");  // %1: the path
        for (const bool workbook : { false, true }) {
            const QByteArray kind = workbook ? "workbook" : "RTF";
            QTest::newRow(kind + ", a link to a file elsewhere") << workbook << "link"
                                                                 << "%1 is a symbolic link";
            QTest::newRow(kind + ", a write-protected file") << workbook << "protected"
                                                             << "Existing file %1 is not writable";
            QTest::newRow(kind + ", a folder") << workbook << "folder"
                                               << "%1 is a folder";
        }
        QTest::newRow("workbook, a text longer than a cell holds")
            << true << "long name"
            << "The cell A6 would hold 40009 characters; a workbook cell holds at most 32767";
    }
    void refusedTargets()
    {
        QFETCH(bool, workbook);
        QFETCH(QString, target);
        QTemporaryDir temp;
        const QString path = temp.filePath("report.xlsx"), elsewhere = temp.filePath("elsewhere");
        QVERIFY(writeFile(elsewhere, "mine"));
        if (target == "link")
            QVERIFY(QFile::link(elsewhere, path));
        if (target == "protected") {
            QVERIFY(writeFile(path, "mine"));
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
        }
        if (target == "folder")
            QVERIFY(QDir().mkpath(path));
        Report report = reportTagged(kResultsTagged);
        if (target == "long name")
            report.content.lines[1].matchText = QString(40000, u'R') + "-v-United";
        const QStringList before
            = QDir(temp.path(), QString(), QDir::Name, QDir::AllEntries | QDir::Hidden).entryList();
        QString reason;
        const QString chosen = workbook ? withWorkbookExtension(path) : path;
        QVERIFY(workbook ? !saveWorkbook(report.content, chosen, &reason)
                         : !saveReportFile("{\\rtf1}", chosen, &reason));
        QFETCH(QString, error);
        QCOMPARE(reason, error.contains("%1") ? error.arg(chosen) : error);
        QCOMPARE(QDir(temp.path(), QString(), QDir::Name, QDir::AllEntries | QDir::Hidden).entryList(), before);
        QCOMPARE(contentsOf(elsewhere), "mine");
        if (target == "folder")
            QVERIFY(QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        if (target == "protected")
            QCOMPARE(contentsOf(path), "mine");
    }

    // Read back through libical; a later export with the first fixture played keeps every UID.
    void calendar_data()
    {
        QTest::addColumn<QString>("team");
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QStringList>("summaries");
        // A name holding "%2" is shown as typed.
        QTest::newRow("whole group, the unreadable line left out, scores as whole numbers")
            << "" << QStringList { "20000301", "20000307", "20000314", "20000321", "20000328" }
            << QStringList { "%2 Smith, Jones; Sons v Ciudad Ñ", "Rovers v %2 Smith, Jones; Sons",
                             "%2 Smith, Jones; Sons 2-1 Rovers", "Ciudad Ñ v Rovers",
                             "Rovers v %2 Smith, Jones; Sons" };
        QTest::newRow("one team's games") << "Ciudad Ñ" << QStringList { "20000301", "20000321" }
                                          << QStringList { "%2 Smith, Jones; Sons v Ciudad Ñ", "Ciudad Ñ v Rovers" };
    }
    void calendar()
    {
        QFETCH(QString, team);
        const QString caption = QStringLiteral("Division A, the long caption that a calendar line must fold");
        const QStringList lines { "F:07-Mar-2000:0:1", "R:14-Mar-2000:0:0:2:1:1:0", "R:14-Mar-2000:1:2:3",
                                  "F:21-Mar-2000:2:0", "F:28-Mar-2000:0:1",         "F:01-Mar-2000:1:2" };
        const QStringList teams { "Rovers", "%2 Smith, Jones; Sons", "Ciudad Ñ" };
        CalendarRequest request { "Tabulon - Cup at Leeds", 1, caption, GroupRecords(teams, lines), team };
        const Calendar calendar = buildCalendar(request, QDateTime(QDate(2000, 3, 15), QTime(12, 0), Qt::UTC));
        const CalendarRead read = readCalendar(calendar.text);
        QCOMPARE(calendar.events, read.summaries.size());
        QTEST(read.dates, "dates");
        QTEST(read.summaries, "summaries");
        QCOMPARE(read.descriptions.value(1), caption + "\nCup at Leeds");
        QCOMPARE(QSet<QString>(read.uids.begin(), read.uids.end()).size(), read.uids.size()); // legs of a pair differ
        request.group.replace(0, QStringLiteral("R:07-Mar-2000:0:0:1:0:0:1"));
        QCOMPARE(readCalendar(buildCalendar(request).text).uids, read.uids);
    }

    // two_groups.trn with group 2 emptied and a points adjustment in group 1; before it, group 2 had its lines.
    void webSite_data()
    {
        QTest::addColumn<QString>("earlier");   // "site": published the day before; "cut short": that publish
                                                // failed at group 2 on a full disk; "": none
        QTest::addColumn<QString>("otherFile"); // put there by the user, "" for none
        QTest::addColumn<bool>("link");         // group-1.ics a link to a file elsewhere
        QTest::addColumn<QString>("error");     // its start, "" when published
        QTest::addColumn<QString>("knockout");  // "now": the tournament has a knockout stage; "before": only
                                                // the earlier site had one
        // clang-format off
        QTest::newRow("missing folder made") << "" << "" << false << "" << "";
        QTest::newRow("earlier site replaced beside a file of the user's, group 2's pages gone") << "site" << "notes.txt" << false << "" << "";
        QTest::newRow("a publish cut short repeated") << "cut short" << "" << false << "" << "";
        QTest::newRow("folder of other files refused") << "" << "notes.txt" << false << "%1 holds other files" << "";
        QTest::newRow("another program's index refused") << "" << "index.html" << false << "%1 holds other files" << "";
        QTest::newRow("a link in the site refused, its target untouched")
            << "site" << "" << true << "Cannot write %1/group-1.ics: %1/group-1.ics is a symbolic link." << "";
        QTest::newRow("a knockout stage: its bracket page and calendar") << "" << "" << false << "" << "now";
        QTest::newRow("the earlier site's knockout pages gone with the stage") << "site" << "" << false << "" << "before";
        // clang-format on
    }
    void webSite()
    {
        QFETCH(QString, earlier);
        QFETCH(QString, otherFile);
        QFETCH(bool, link);
        QFETCH(QString, error);
        QFETCH(QString, knockout);
        QTemporaryDir temp;
        const QString db = temp.filePath("TempDB.mdb"), site = temp.filePath("site");
        QVERIFY(QFile::copy(TABULON_TEMPDB, db));
        TournamentData data = *readTournamentFile(TABULON_TEST_DATA "/two_groups.trn").data;
        data.groups[0].adjustments = { { 2, -3, "late" } };
        const QDate today(2000, 3, 15);
        if (!earlier.isEmpty()) {
            TournamentData before = data;
            if (knockout == "before")
                before.knockout = knockoutStage({ "Rovers", "City" }, "dates");
            // A fixture list beyond the 64 KiB a file may take when the disk fills up (the temporary
            // database stays below it).
            for (int copy = 0; earlier == "cut short" && copy < 3000; ++copy)
                before.groups[1].recordLines.append("F:07-Mar-2000:0:1");
            rlimit normal {};
            getrlimit(RLIMIT_FSIZE, &normal);
            const rlimit limited { earlier == "cut short" ? 65536 : normal.rlim_cur, normal.rlim_max };
            std::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &limited);
            const PublishOutcome first = publishWebSite(before, site, today.addDays(-1), db);
            setrlimit(RLIMIT_FSIZE, &normal);
            QCOMPARE(first.error,
                     earlier == "cut short" ? "Cannot write " + site + "/group-2-fixtures.htm: File too large." : "");
            QCOMPARE(QFile::exists(site + "/index.html"), earlier == "site");
        }
        data.groups[1].recordLines.clear();
        if (knockout == "now")
            data.knockout = knockoutStage({ "Rovers", "City" }, "dates", { "F 1-0" });
        if (!otherFile.isEmpty()) {
            QVERIFY(QDir().mkpath(site));
            QVERIFY(writeFile(site + '/' + otherFile, "mine"));
        }
        const QString elsewhere = temp.filePath("personal.ics");
        if (link) {
            QVERIFY(writeFile(elsewhere, "mine"));
            QVERIFY(QFile::remove(site + "/group-1.ics"));
            QVERIFY(QFile::link("../personal.ics", site + "/group-1.ics"));
        }
        const QStringList before = QDir(site).entryList(QDir::Files | QDir::System);
        const auto inode = [&site](const char* name) {
            struct stat info
            {
            };
            return ::stat(QFile::encodeName(site + '/' + name).constData(), &info) == 0 ? info.st_ino : 0;
        };
        const ino_t style = inode("style.css"), index = inode("index.html");
        const PublishOutcome published = publishWebSite(data, site, today, db);
        QVERIFY2(error.isEmpty() ? published.ok() : published.error.startsWith(error.arg(site)),
                 qPrintable(published.error));
        if (!error.isEmpty()) {
            QCOMPARE(QDir(site).entryList(QDir::Files | QDir::System), before);
            QCOMPARE(contentsOf(otherFile.isEmpty() ? elsewhere : site + '/' + otherFile), "mine");
            return;
        }
        const QStringList knockoutPages
            = data.knockout ? QStringList { "bracket.html", "knockout.htm", "knockout.ics" } : QStringList();
        QCOMPARE(published.pages, data.knockout ? 10 : 8);
        if (earlier == "site") { // the stylesheet is the same, the index of a day later is not
            QCOMPARE(inode("style.css"), style);
            QVERIFY(inode("index.html") != index);
        }
        QStringList pages = QStringList {
            "group-1-fixtures.htm", "group-1-results.htm", "group-1.html",  "group-1.ics",   "group-2.html",
            "index.html",           "style.css",           "team-1-1.html", "team-1-2.html", "team-1-3.html"
        } + knockoutPages;
        if (!otherFile.isEmpty())
            pages.append(otherFile);
        pages.sort();
        QCOMPARE(QDir(site).entryList(QDir::Files | QDir::Hidden, QDir::Name), pages);
        // The index leads to the group pages and the bracket, each group page to its printable pages.
        const auto linksOf = [](const QByteArray& page) {
            QStringList links;
            for (QXmlStreamReader reader(page); !reader.atEnd() && !reader.hasError();) {
                if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"a")
                    links << reader.attributes().value("href").toString();
            }
            return links;
        };
        const QStringList stage = data.knockout ? QStringList { "bracket.html" } : QStringList();
        QCOMPARE(linksOf(contentsOf(site + "/index.html")),
                 QStringList({ "index.html", "group-1.html", "group-2.html" }) + stage
                     + QStringList({ "group-1.html", "group-2.html" }) + stage);
        const QStringList groupLinks = linksOf(contentsOf(site + "/group-1.html"));
        QCOMPARE(groupLinks.mid(groupLinks.size() - 3),
                 QStringList({ "group-1-results.htm", "group-1-fixtures.htm", "group-1.ics" }));
        if (data.knockout) {
            QCOMPARE(contentsOf(site + "/knockout.htm"), bracketHtml("Cup at Leeds", *data.knockout));
            QCOMPARE(linksOf(contentsOf(site + "/bracket.html")).mid(4),
                     QStringList({ "knockout.htm", "knockout.ics" }));
        }
        QVERIFY(contentsOf(site + "/index.html")
                    .contains("<h2><a href=\"group-2.html\">2. Division B</a></h2><p class=\"note\">No fixtures yet"));
        // As Save HTML writes the group's report, its points adjustment included.
        const GroupRecords group = recordsOfGroup(data.groups[0]);
        const ReportHeading heading { "Cup at Leeds", "1. Division A", today };
        const QByteArray results = exportHtml(makeResultsReport(heading, group, data, db).content);
        QVERIFY(results.contains("<TD Width=30 Align=Right>-3</TD><TD Align=Left ColSpan=6>late</TD>"));
        QCOMPARE(contentsOf(site + "/group-1-results.htm"), results);
        QCOMPARE(contentsOf(site + "/group-1-fixtures.htm"), exportHtml(buildFixtureList(heading, group).content));
        QCOMPARE(readCalendar(contentsOf(site + "/group-1.ics")).summaries.size(), 2);
        if (data.knockout)
            QCOMPARE(readCalendar(contentsOf(site + "/knockout.ics")).summaries, QStringList { "Rovers 1-0 City" });
    }
};

QTEST_GUILESS_MAIN(TestReports)
#include "tst_reports.moc"
