#include "group/RecordLines.h"

#include <QLocale>
#include <QTest>

class TestRecordLines : public QObject
{
    Q_OBJECT

private slots:
    // Every reader and writer must ignore the user's locale: run them all under a German one.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void recordDatesAreReadAndWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // invalid: not a record date
        QTest::addColumn<QString>("written");
        QTest::newRow("two-digit day") << "07-Mar-2000" << QDate(2000, 3, 7) << "07-Mar-2000";
        QTest::newRow("one-digit day: the cancel date") << "1-Jan-1798" << QDate(1798, 1, 1) << "01-Jan-1798";
        QTest::newRow("upper-case month") << "31-DEC-1999" << QDate(1999, 12, 31) << "31-Dec-1999";
        QTest::newRow("May, German Mai") << "01-May-2024" << QDate(2024, 5, 1) << "01-May-2024";
        QTest::newRow("no such day") << "31-Feb-2000" << QDate() << "";
        QTest::newRow("German month") << "07-Mrz-2000" << QDate() << "";
    }
    void recordDatesAreReadAndWritten()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QFETCH(QString, written);
        QCOMPARE(parseRecordDate(text), date);
        QCOMPARE(date.isValid() ? formatRecordDate(date) : QString(), written);
    }

    // Each stored line is read by the one splitting rule and shown with names and whole-number
    // scores; a line that cannot be read is shown as stored, so that the two lists stay parallel.
    void storedLinesAreReadAndShown_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QList<int>>("numbers"); // HT home, HT away, FT home, FT away, home, away
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("fixture") << "F:07-Mar-2000:0:2" << QList<int> { 0, 0, 0, 0, 0, 2 }
                                 << "F:07-Mar-2000:Rovers-v-Wanderers";
        QTest::newRow("result") << "R:07-Mar-2000:1:0:2:2:2:1" << QList<int> { 1, 0, 2, 2, 2, 1 }
                                << "R:07-Mar-2000:HT:1-0:FT:2-2:Wanderers-v-United";
        QTest::newRow("02, halves and text") << "R:07-Mar-2000:02:2.5:3.5:x:0:1" << QList<int> { 2, 2, 4, 0, 0, 1 }
                                             << "R:07-Mar-2000:HT:2-2:FT:4-0:Rovers-v-United";
        QTest::newRow("blank before, text after, 16-bit minimum") << "R:07-Mar-2000: 4 goals:-32768:0:0:0:1"
            << QList<int> { 4, -32768, 0, 0, 0, 1 } << "R:07-Mar-2000:HT:4--32768:FT:0-0:Rovers-v-United";
        QTest::newRow("date trimmed") << "F: 7-Mar-2000 :0:1" << QList<int> { 0, 0, 0, 0, 0, 1 }
                                      << "F:7-Mar-2000:Rovers-v-United";
        QTest::newRow("teams outside the list") << "R:07-Mar-2000:1:1:1:1:-1:7" << QList<int> { 1, 1, 1, 1, -1, 7 }
                                                << "R:07-Mar-2000:HT:1-1:FT:1-1:<no team -1>-v-<no team 7>";
        QTest::newRow("prefix case matters") << "f:07-Mar-2000:0:1" << QList<int>() << "f:07-Mar-2000:0:1";
        QTest::newRow("a field missing") << "R:07-Mar-2000:1:0:2:2:0" << QList<int>() << "R:07-Mar-2000:1:0:2:2:0";
        QTest::newRow("score rounding beyond 16 bits") << "R:07-Mar-2000:32767.5:0:0:0:0:1" << QList<int>()
                                                       << "R:07-Mar-2000:32767.5:0:0:0:0:1";
        QTest::newRow("team beyond 16 bits") << "F:07-Mar-2000:0:40000" << QList<int>() << "F:07-Mar-2000:0:40000";
        // clang-format on
    }
    void storedLinesAreReadAndShown()
    {
        QFETCH(QString, line);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, shown);
        QString error;
        const std::optional<Record> r = readRecordLine(line, &error);
        QCOMPARE(error.isEmpty(), !numbers.isEmpty());
        if (r)
            QCOMPARE(
                QList<int>({ r->homeHalfTime, r->awayHalfTime, r->homeFullTime, r->awayFullTime, r->home, r->away }),
                numbers);
        const QStringList teams = { "Rovers", "United", "Wanderers" };
        QCOMPARE(buildDisplayLines({ line, line }, teams), QStringList({ shown, shown }));
        QVERIFY(buildDisplayLines({}, teams).isEmpty());
    }

    void arraySearchAnswersTheLastMatch_data()
    {
        QTest::addColumn<QVariantList>("array");
        QTest::addColumn<int>("iLen");
        QTest::addColumn<QVariant>("lookFor");
        QTest::addColumn<int>("answer");
        const QVariantList numbers = { 5, 7, 5 };
        QTest::newRow("last of two matches") << numbers << 2 << QVariant(5) << 2;
        QTest::newRow("no match") << numbers << 2 << QVariant(9) << -1;
        QTest::newRow("iLen 0 compares element 0 only") << numbers << 0 << QVariant(7) << -1;
        QTest::newRow("iLen 1 stops before the last match") << numbers << 1 << QVariant(5) << 0;
        QTest::newRow("texts") << QVariantList { "Rovers", "United" } << 1 << QVariant("United") << 1;
        QTest::newRow("dates, iLen beyond the array")
            << QVariantList { QDate(2000, 3, 7) } << 5 << QVariant(QDate(2000, 3, 7)) << 0;
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
