#include "group/RecordLines.h"

#include <QLocale>
#include <QTest>

class TestRecordLines : public QObject
{
    Q_OBJECT

private slots:
    void numberFieldsFollowTheReadingRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("value");

        QTest::newRow("plain digits") << "3" << true << 3;
        QTest::newRow("leading zero") << "02" << true << 2;
        QTest::newRow("half rounds down to even") << "2.5" << true << 2;
        QTest::newRow("half rounds up to even") << "3.5" << true << 4;
        QTest::newRow("negative half to even") << "-0.5" << true << 0;
        QTest::newRow("above half rounds up") << "2.51" << true << 3;
        QTest::newRow("leading blank skipped") << " 3" << true << 3;
        QTest::newRow("leading tab skipped") << "\t3" << true << 3;
        QTest::newRow("trailing blank ignored") << "1 " << true << 1;
        QTest::newRow("trailing text ignored") << "4 goals" << true << 4;
        QTest::newRow("fraction without integer part") << ".6" << true << 1;
        QTest::newRow("point without fraction") << "5." << true << 5;
        QTest::newRow("explicit sign") << "+4" << true << 4;
        QTest::newRow("negative") << "-7" << true << -7;
        QTest::newRow("exponent") << "1e3" << true << 1000;
        QTest::newRow("exponent without digits") << "1e" << true << 1;
        QTest::newRow("no number") << "abc" << true << 0;
        QTest::newRow("empty") << "" << true << 0;
        QTest::newRow("sign alone") << "-" << true << 0;
        QTest::newRow("largest 16-bit") << "32767" << true << 32767;
        QTest::newRow("smallest 16-bit") << "-32768" << true << -32768;
        QTest::newRow("one beyond 16 bits") << "32768" << false << 0;
        QTest::newRow("one below 16 bits") << "-32769" << false << 0;
        QTest::newRow("rounds beyond 16 bits") << "32767.5" << false << 0;
        QTest::newRow("exponent beyond 16 bits") << "1e9" << false << 0;
        QTest::newRow("beyond a double") << "1e400" << false << 0;
    }
    void numberFieldsFollowTheReadingRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QFETCH(int, value);
        const std::optional<qint16> number = readNumberField(text);
        QCOMPARE(number.has_value(), fits);
        if (fits)
            QCOMPARE(int(*number), value);
    }

    void recordDatesAreRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");

        QTest::newRow("two-digit day") << "07-Mar-2000" << QDate(2000, 3, 7);
        QTest::newRow("one-digit day") << "7-Mar-2000" << QDate(2000, 3, 7);
        QTest::newRow("cancel date") << "1-Jan-1798" << QDate(1798, 1, 1);
        QTest::newRow("lower-case month") << "07-mar-2000" << QDate(2000, 3, 7);
        QTest::newRow("upper-case month") << "31-DEC-1999" << QDate(1999, 12, 31);
        QTest::newRow("blanks around") << " 07-Mar-2000 " << QDate(2000, 3, 7);
        QTest::newRow("leap day") << "29-Feb-2000" << QDate(2000, 2, 29);
        QTest::newRow("no such day") << "31-Feb-2000" << QDate();
        QTest::newRow("day zero") << "00-Mar-2000" << QDate();
        QTest::newRow("foreign month") << "07-Mrz-2000" << QDate();
        QTest::newRow("two-digit year") << "07-Mar-00" << QDate();
        QTest::newRow("three-digit day") << "007-Mar-2000" << QDate();
        QTest::newRow("day not a number") << "0x-Mar-2000" << QDate();
        QTest::newRow("slashes") << "07/03/2000" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void recordDatesAreRead()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(parseRecordDate(text), date);
    }

    void recordDatesAreWrittenInEnglishWhateverTheLocale_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("one-digit day padded") << QDate(2000, 3, 7) << "07-Mar-2000";
        QTest::newRow("year end") << QDate(1999, 12, 31) << "31-Dec-1999";
        QTest::newRow("May") << QDate(2024, 5, 1) << "01-May-2024";
        QTest::newRow("three-digit year padded") << QDate(100, 1, 1) << "01-Jan-0100";
    }
    void recordDatesAreWrittenInEnglishWhateverTheLocale()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString written = formatRecordDate(date);
        QLocale::setDefault(before);
        QCOMPARE(written, text);
        QCOMPARE(written.size(), kRecordDateLength);
        QCOMPARE(parseRecordDate(written), date);
    }

    void storedLinesAreSplitAtTheirColons_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("isResult");
        QTest::addColumn<QString>("dateText");
        QTest::addColumn<QList<int>>("numbers"); // HT home, HT away, FT home, FT away, home, away

        QTest::newRow("fixture") << "F:07-Mar-2000:0:3" << true << false << "07-Mar-2000"
                                 << QList<int> { 0, 0, 0, 0, 0, 3 };
        QTest::newRow("result") << "R:07-Mar-2000:1:0:2:2:0:3" << true << true << "07-Mar-2000"
                                << QList<int> { 1, 0, 2, 2, 0, 3 };
        QTest::newRow("result with blank and zero-led scores")
            << "R:07-Mar-2000: 3:02:2.5:3.5:1:2" << true << true << "07-Mar-2000" << QList<int> { 3, 2, 2, 4, 1, 2 };
        QTest::newRow("result with empty scores")
            << "R:07-Mar-2000::::x:4:5" << true << true << "07-Mar-2000" << QList<int> { 0, 0, 0, 0, 4, 5 };
        QTest::newRow("date kept untrimmed")
            << "F: 7-Mar-2000:1:2" << true << false << " 7-Mar-2000" << QList<int> { 0, 0, 0, 0, 1, 2 };
        QTest::newRow("last field runs to the end")
            << "F:07-Mar-2000:1:2:9" << true << false << "07-Mar-2000" << QList<int> { 0, 0, 0, 0, 1, 2 };
        QTest::newRow("neither prefix") << "X:07-Mar-2000:0:3" << false << false << "" << QList<int>();
        QTest::newRow("prefix case matters") << "f:07-Mar-2000:0:3" << false << false << "" << QList<int>();
        QTest::newRow("fixture missing a team") << "F:07-Mar-2000:0" << false << false << "" << QList<int>();
        QTest::newRow("result missing a field") << "R:07-Mar-2000:1:0:2:2:0" << false << true << "" << QList<int>();
        QTest::newRow("team number beyond 16 bits") << "F:07-Mar-2000:0:40000" << false << false << "" << QList<int>();
        QTest::newRow("empty line") << "" << false << false << "" << QList<int>();
    }
    void storedLinesAreSplitAtTheirColons()
    {
        QFETCH(QString, line);
        QFETCH(bool, readable);
        QFETCH(bool, isResult);
        QFETCH(QString, dateText);
        QFETCH(QList<int>, numbers);

        QString error;
        const std::optional<Record> record = readRecordLine(line, &error);
        QCOMPARE(record.has_value(), readable);
        if (!readable) {
            QVERIFY(!error.isEmpty());
            return;
        }
        QCOMPARE(record->isResult, isResult);
        QCOMPARE(record->dateText, dateText);
        const QList<int> read = { record->homeHalfTime, record->awayHalfTime, record->homeFullTime,
                                  record->awayFullTime, record->home,         record->away };
        QCOMPARE(read, numbers);
    }

    void storedAndDisplayLinesAreBuiltField_data()
    {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("expected");
        const ScoreTexts scores
            = { QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("02"), QStringLiteral("2") };
        QTest::newRow("fixture stored") << fixtureStoredLine(QStringLiteral("07-Mar-2000"), 0, 3)
                                        << "F:07-Mar-2000:0:3";
        QTest::newRow("fixture stored, large team numbers")
            << fixtureStoredLine(QStringLiteral("07-Mar-2000"), 10, 32767) << "F:07-Mar-2000:10:32767";
        QTest::newRow("result stored") << resultStoredLine(QStringLiteral("07-Mar-2000"), scores, 0, 3)
                                       << "R:07-Mar-2000:1:0:02:2:0:3";
        QTest::newRow("fixture shown") << fixtureDisplayLine(QStringLiteral("07-Mar-2000"), QStringLiteral("Rovers"),
                                                             QStringLiteral("United"))
                                       << "F:07-Mar-2000:Rovers-v-United";
        QTest::newRow("result shown") << resultDisplayLine(QStringLiteral("07-Mar-2000"), scores,
                                                           QStringLiteral("Rovers"), QStringLiteral("United"))
                                      << "R:07-Mar-2000:HT:1-0:FT:02-2:Rovers-v-United";
    }
    void storedAndDisplayLinesAreBuiltField()
    {
        QFETCH(QString, built);
        QFETCH(QString, expected);
        QCOMPARE(built, expected);
    }

    void displayLinesAreRebuiltFromStoredLines_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");

        QTest::newRow("fixture") << "F:07-Mar-2000:0:2"
                                 << "F:07-Mar-2000:Rovers-v-Wanderers";
        QTest::newRow("result") << "R:07-Mar-2000:1:0:2:2:2:1"
                                << "R:07-Mar-2000:HT:1-0:FT:2-2:Wanderers-v-United";
        QTest::newRow("zero-led score shown as a whole number") << "R:07-Mar-2000:02:0:2:02:0:1"
                                                                << "R:07-Mar-2000:HT:2-0:FT:2-2:Rovers-v-United";
        QTest::newRow("halves to even") << "R:07-Mar-2000:2.5:3.5:0:0:0:1"
                                        << "R:07-Mar-2000:HT:2-4:FT:0-0:Rovers-v-United";
        QTest::newRow("empty and text scores read as 0") << "R:07-Mar-2000::abc: 3:1 :0:1"
                                                         << "R:07-Mar-2000:HT:0-0:FT:3-1:Rovers-v-United";
        QTest::newRow("negative and extreme scores") << "R:07-Mar-2000:-1:0:-32768:32767:0:1"
                                                     << "R:07-Mar-2000:HT:-1-0:FT:-32768-32767:Rovers-v-United";
        QTest::newRow("date trimmed") << "F: 7-Mar-2000 :0:1"
                                      << "F:7-Mar-2000:Rovers-v-United";
        QTest::newRow("team beyond the list") << "F:07-Mar-2000:0:7"
                                              << "F:07-Mar-2000:Rovers-v-<no team 7>";
        QTest::newRow("negative team") << "R:07-Mar-2000:1:1:1:1:-1:0"
                                       << "R:07-Mar-2000:HT:1-1:FT:1-1:<no team -1>-v-Rovers";
        QTest::newRow("unreadable line kept as stored") << "X:07-Mar-2000:0:1"
                                                        << "X:07-Mar-2000:0:1";
        QTest::newRow("short line kept as stored") << "R:07-Mar-2000:1"
                                                   << "R:07-Mar-2000:1";
    }
    void displayLinesAreRebuiltFromStoredLines()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        const QStringList teams = { QStringLiteral("Rovers"), QStringLiteral("United"), QStringLiteral("Wanderers") };
        QCOMPARE(displayLineFor(stored, teams), shown);
    }

    void rebuildingKeepsTheListsParallel()
    {
        const QStringList teams = { QStringLiteral("Rovers"), QStringLiteral("United") };
        QVERIFY(buildDisplayLines({}, teams).isEmpty());
        const QStringList stored = { QStringLiteral("F:07-Mar-2000:0:1"), QStringLiteral("junk"),
                                     QStringLiteral("R:08-Mar-2000:1:0:2:2:1:0") };
        const QStringList shown = buildDisplayLines(stored, teams);
        QCOMPARE(shown,
                 QStringList({ QStringLiteral("F:07-Mar-2000:Rovers-v-United"), QStringLiteral("junk"),
                               QStringLiteral("R:08-Mar-2000:HT:1-0:FT:2-2:United-v-Rovers") }));
    }

    void placeholderMarksAMissingTeam_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 0 << "Rovers";
        QTest::newRow("last") << 1 << "United";
        QTest::newRow("one past the end") << 2 << "<no team 2>";
        QTest::newRow("negative") << -1 << "<no team -1>";
    }
    void placeholderMarksAMissingTeam()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QCOMPARE(teamNameOrPlaceholder({ QStringLiteral("Rovers"), QStringLiteral("United") }, number), name);
    }

    void scoreTextsThatCannotBeReadBackAreNamed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("blank") << "" << false;
        QTest::newRow("leading zero") << "02" << false;
        QTest::newRow("fraction") << "2.5" << false;
        QTest::newRow("text") << "abc" << false;
        QTest::newRow("largest") << "32767" << false;
        QTest::newRow("colon") << "1:2" << true;
        QTest::newRow("colon alone") << ":" << true;
        QTest::newRow("beyond 16 bits") << "40000" << true;
        QTest::newRow("below 16 bits") << "-40000" << true;
    }
    void scoreTextsThatCannotBeReadBackAreNamed()
    {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QCOMPARE(!scoreTextProblem(text).isEmpty(), refused);
    }

    void teamNamesHoldingTheSeparatorAreNamed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << "Rovers" << false;
        QTest::newRow("blank v") << "Rovers v United" << false;
        QTest::newRow("hyphenated") << "Stoke-on-Trent" << false;
        QTest::newRow("separator") << "Rovers-v-United" << true;
        QTest::newRow("separator at the end") << "Rovers-v-" << true;
    }
    void teamNamesHoldingTheSeparatorAreNamed()
    {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        QCOMPARE(!teamNameProblem(name).isEmpty(), refused);
    }

    void arraySearchAnswersTheLastMatch_data()
    {
        QTest::addColumn<QVariantList>("array");
        QTest::addColumn<int>("iLen");
        QTest::addColumn<QVariant>("lookFor");
        QTest::addColumn<int>("answer");

        const QVariantList numbers = { 5, 7, 5 };
        QTest::newRow("last of two matches") << numbers << 2 << QVariant(5) << 2;
        QTest::newRow("single match") << numbers << 2 << QVariant(7) << 1;
        QTest::newRow("no match") << numbers << 2 << QVariant(9) << -1;
        QTest::newRow("iLen 0 compares element 0 only") << numbers << 0 << QVariant(5) << 0;
        QTest::newRow("iLen 0 does not reach element 1") << numbers << 0 << QVariant(7) << -1;
        QTest::newRow("iLen 1 stops before the last match") << numbers << 1 << QVariant(5) << 0;
        QTest::newRow("iLen beyond the array") << numbers << 10 << QVariant(5) << 2;
        QTest::newRow("negative iLen") << numbers << -1 << QVariant(5) << -1;
        QTest::newRow("empty array") << QVariantList() << 3 << QVariant(5) << -1;
        QTest::newRow("texts") << QVariantList { QStringLiteral("Rovers"), QStringLiteral("United") } << 1
                               << QVariant(QStringLiteral("United")) << 1;
        QTest::newRow("dates") << QVariantList { QDate(2000, 3, 7), QDate(2000, 3, 8) } << 1
                               << QVariant(QDate(2000, 3, 7)) << 0;
    }
    void arraySearchAnswersTheLastMatch()
    {
        QFETCH(QVariantList, array);
        QFETCH(int, iLen);
        QFETCH(QVariant, lookFor);
        QFETCH(int, answer);
        QCOMPARE(int(ArraySearch(array, static_cast<qint16>(iLen), lookFor)), answer);
    }
};

QTEST_GUILESS_MAIN(TestRecordLines)
#include "tst_recordlines.moc"
