#include "model/TournamentFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

// A device that accepts `capacity` bytes and then fails, like a disk that fills up.
class FailDevice : public QIODevice
{
public:
    explicit FailDevice(qint64 capacity)
        : m_capacity(capacity)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override
    {
        if (m_written + length > m_capacity) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_written += length;
        return length;
    }

private:
    qint64 m_capacity;
    qint64 m_written = 0;
};

// Writes beyond `bytes` fail with "File too large" while it lives, as on a full disk; works for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

TournamentData sampleTournament()
{
    TournamentData data;
    data.title = QStringLiteral("Tabulon - Cup, \"Spring\"  2024 at Łódź");
    data.GroupCount = 2;
    data.GroupTitle = QStringLiteral("Pool");
    data.Indicator = 2;
    data.TeamsInGroup[1] = 4;
    data.TeamsInGroup[2] = 3;
    data.RuleCount = 3;
    data.RuleOrder[1] = 5;
    data.RuleOrder[2] = 2;
    data.RuleOrder[3] = 1;
    data.PointsForWin = 2;
    data.PointsForDraw = 0;

    TournamentGroupData premier;
    premier.caption = QStringLiteral("1. Pool Premier");
    premier.teams = { QStringLiteral("Beşiktaş"), QStringLiteral("Łódź, \"ŁKS\""), QStringLiteral("  Rovers  "),
                      QStringLiteral("Zürich: FC") };
    // Score texts as the result editor may keep them: blanks, leading zeros, a fraction.
    premier.recordLines = { QStringLiteral("F:07-Mar-2000:0:3"), QStringLiteral("R:14-Mar-2000:1:0:2:2:1:2"),
                            QStringLiteral("R:21-Mar-2000: 1:02:2.5:3 :3:0"), QStringLiteral("F:1-Jan-1999:2:1") };
    TournamentGroupData second;
    second.caption = QStringLiteral("2. Pool 1");
    second.teams = { QStringLiteral("Alpha"), QStringLiteral(""), QStringLiteral("Ωmega") };
    data.groups = { premier, second };
    return data;
}

QByteArray crlf(const char* text)
{
    return QByteArray(text).replace("\n", "\r\n");
}

// A valid file, to be spoilt line by line in the refusal table.
const char* const kValidFile = "Tabulon - Cup at Leeds\n" //  1
                               " 1 \n" //  2 group count
                               "Division\n" //  3
                               " 0 \n" //  4 indicator
                               " 3 \n" //  5 teams in group 1
                               " 2 \n" //  6 rule count
                               " 1 \n" //  7
                               " 4 \n" //  8
                               " 3 \n" //  9 points for a win
                               " 1 \n" // 10 points for a draw
                               "1. Division A\n" // 11
                               " 3 \n" // 12 team names
                               "Rovers\n" // 13
                               "United\n" // 14
                               "City\n" // 15
                               " 2 \n" // 16 record lines
                               "F:07-Mar-2000:0:2\n" // 17
                               "R:14-Mar-2000:1:0:2:2:1:0\n"; // 18

QByteArray withLine(int number, const QByteArray& replacement)
{
    QList<QByteArray> lines = QByteArray(kValidFile).split('\n');
    lines[number - 1] = replacement;
    return lines.join('\n');
}

QByteArray cutAfterLine(int number)
{
    const QList<QByteArray> lines = QByteArray(kValidFile).split('\n');
    return lines.mid(0, number).join('\n') + '\n';
}

} // namespace

class TestTournamentFile : public QObject
{
    Q_OBJECT

private slots:
    void writesTheLayoutExactly()
    {
        TournamentData data;
        data.title = QStringLiteral("Tabulon - Cup at Leeds");
        data.GroupCount = 1;
        data.GroupTitle = QStringLiteral("Division");
        data.Indicator = 0;
        data.TeamsInGroup[1] = 3;
        data.RuleCount = 2;
        data.RuleOrder[1] = 1;
        data.RuleOrder[2] = 4;
        data.PointsForWin = 3;
        data.PointsForDraw = 1;
        data.groups = { { QStringLiteral("1. Division A"),
                          { QStringLiteral("Rovers"), QStringLiteral("United"), QStringLiteral("City") },
                          { QStringLiteral("F:07-Mar-2000:0:2"), QStringLiteral("R:14-Mar-2000:1:0:2:2:1:0") } } };
        const std::optional<QByteArray> bytes = formatTournament(data);
        QVERIFY(bytes);
        QCOMPARE(*bytes, crlf(kValidFile));
    }

    void roundTripKeepsEveryField()
    {
        const TournamentData original = sampleTournament();
        const std::optional<QByteArray> written = formatTournament(original);
        QVERIFY(written);
        QVERIFY(!written->startsWith("\xEF\xBB\xBF"));
        QVERIFY(written->contains("Be\xC5\x9F"
                                  "ikta\xC5\x9F\r\n")); // UTF-8, not a code page

        const TournamentReadResult read = parseTournament(*written);
        QVERIFY2(read.ok(), qPrintable(read.error));
        const TournamentData& data = *read.data;
        QCOMPARE(data.title, original.title);
        QCOMPARE(data.GroupCount, original.GroupCount);
        QCOMPARE(data.GroupTitle, original.GroupTitle);
        QCOMPARE(data.Indicator, original.Indicator);
        QCOMPARE(data.TeamsInGroup[1], original.TeamsInGroup[1]);
        QCOMPARE(data.TeamsInGroup[2], original.TeamsInGroup[2]);
        QCOMPARE(data.RuleCount, original.RuleCount);
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(data.RuleOrder[r], original.RuleOrder[r]);
        QCOMPARE(data.PointsForWin, original.PointsForWin);
        QCOMPARE(data.PointsForDraw, original.PointsForDraw);
        QCOMPARE(data.groups.size(), 2);
        for (int g = 0; g < 2; ++g) {
            QCOMPARE(data.groups[g].caption, original.groups[g].caption);
            QCOMPARE(data.groups[g].teams, original.groups[g].teams);
            QCOMPARE(data.groups[g].recordLines, original.groups[g].recordLines);
        }
        // A file the program wrote comes back byte for byte.
        QCOMPARE(formatTournament(data).value(), *written);
    }

    void readsTheWindowsEdition_data()
    {
        QTest::addColumn<bool>("lineFeedsOnly");
        QTest::newRow("CR LF") << false;
        QTest::newRow("LF only") << true;
    }
    void readsTheWindowsEdition()
    {
        QFETCH(bool, lineFeedsOnly);
        QFile file(QStringLiteral(TABULON_TEST_DATA "/windows1252.trn"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("Atl\xE9tico"));
        if (lineFeedsOnly)
            bytes.replace("\r\n", "\n");

        const TournamentReadResult read = parseTournament(bytes);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.data->title, QStringLiteral("Tabulon - Copa Iberia at Málaga"));
        QCOMPARE(read.data->groups[0].teams,
                 QStringList({ QStringLiteral("Atlético Madrid"), QStringLiteral("Deportivo La Coruña"),
                               QStringLiteral("Real Sociedad"), QStringLiteral("Düsseldorf “Fortuna” €") }));
        QCOMPARE(read.data->groups[0].recordLines,
                 QStringList({ QStringLiteral("F:07-Mar-2000:0:3"), QStringLiteral("R:14-Mar-2000:1:0:2:2:1:2") }));
        QCOMPARE(read.data->RuleOrder[1], qint16(1));
        QCOMPARE(read.data->RuleOrder[2], qint16(5));
    }

    void skipsAByteOrderMark()
    {
        const TournamentReadResult read = parseTournament("\xEF\xBB\xBF" + crlf(kValidFile));
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.data->title, QStringLiteral("Tabulon - Cup at Leeds"));
    }

    void acceptsWhatTheProgramCouldHaveWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("teamCountLine");
        QTest::addColumn<int>("names");
        QTest::newRow("team count differs from the names") << withLine(5, " 7 ") << 7 << 3;
        QTest::newRow("numbers without blanks") << withLine(5, "3") << 3 << 3;
        QTest::newRow("blank lines after the last block") << QByteArray(kValidFile) + "\n\n  \n" << 3 << 3;
        QTest::newRow("last line without its line end") << QByteArray(kValidFile).chopped(1) << 3 << 3;
        QTest::newRow("no record lines") << cutAfterLine(15) + " 0 \n" << 3 << 3;
        QTest::newRow("no team names") << QByteArray(kValidFile).split('\n').mid(0, 11).join('\n') + "\n 0 \n 0 \n"
                                       << 3 << 0;
    }
    void acceptsWhatTheProgramCouldHaveWritten()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, teamCountLine);
        QFETCH(int, names);
        const TournamentReadResult read = parseTournament(bytes);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.data->TeamsInGroup[1], qint16(teamCountLine));
        QCOMPARE(read.data->groups[0].teams.size(), names);
    }

    void refusesAFaultyFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("message");

        QTest::newRow("empty file") << QByteArray() << 1
                                    << "Line 1: the file ends early; this line should hold the tournament title.";
        QTest::newRow("group count not a number")
            << withLine(2, "one") << 2 << "Line 2: \"one\" is not a number; this line should hold the group count.";
        QTest::newRow("group count empty")
            << withLine(2, "   ") << 2 << "Line 2: \"   \" is not a number; this line should hold the group count.";
        QTest::newRow("group count 0") << withLine(2, " 0 ") << 2 << "Line 2: the group count is 0; it must be 1 to 8.";
        QTest::newRow("group count 9") << withLine(2, " 9 ") << 2 << "Line 2: the group count is 9; it must be 1 to 8.";
        QTest::newRow("group count negative")
            << withLine(2, "-3 ") << 2 << "Line 2: the group count is -3; it must be 1 to 8.";
        QTest::newRow("group count beyond 16 bits")
            << withLine(2, " 4294967297 ") << 2 << "Line 2: the group count is 4294967297; it must be 1 to 8.";
        QTest::newRow("group count of absurd length")
            << withLine(2, QByteArray(" ") + QByteArray(500, '7')) << 2
            << "Line 2: the group count is 777777777777...; it must be 1 to 8.";
        QTest::newRow("label style 3") << withLine(4, " 3 ") << 4
                                       << "Line 4: the group label style is 3; it must be 0, 1 or 2.";
        QTest::newRow("team count 1") << withLine(5, " 1 ") << 5
                                      << "Line 5: the team count of group 1 is 1; it must be 2 to 32767.";
        QTest::newRow("team count 32768")
            << withLine(5, " 32768 ") << 5 << "Line 5: the team count of group 1 is 32768; it must be 2 to 32767.";
        QTest::newRow("rule count 0") << withLine(6, " 0 ") << 6
                                      << "Line 6: the number of league order rules is 0; it must be 1 to 5.";
        QTest::newRow("rule count 6") << withLine(6, " 6 ") << 6
                                      << "Line 6: the number of league order rules is 6; it must be 1 to 5.";
        QTest::newRow("rule code 0") << withLine(7, " 0 ") << 7
                                     << "Line 7: league order rule 1 is 0; it must be 1 to 5.";
        QTest::newRow("rule code 6") << withLine(8, " 6 ") << 8
                                     << "Line 8: league order rule 2 is 6; it must be 1 to 5.";
        QTest::newRow("points for a win 1")
            << withLine(9, " 1 ") << 9 << "Line 9: the number of points for a win is 1; it must be 2 or 3.";
        QTest::newRow("points for a win 4")
            << withLine(9, " 4 ") << 9 << "Line 9: the number of points for a win is 4; it must be 2 or 3.";
        QTest::newRow("points for a draw 3")
            << withLine(10, " 3 ") << 10 << "Line 10: the number of points for a draw is 3; it must be 0, 1 or 2.";
        QTest::newRow("points for a draw a fraction")
            << withLine(10, " 1.5 ") << 10
            << "Line 10: \" 1.5 \" is not a number; this line should hold the number of points for a draw.";
        QTest::newRow("team name count negative")
            << withLine(12, "-1 ") << 12
            << "Line 12: the number of team names of group 1 is -1; it must be 0 to 32767.";
        QTest::newRow("team name count beyond the list limit")
            << withLine(12, " 40000 ") << 12
            << "Line 12: the number of team names of group 1 is 40000; it must be 0 to 32767.";
        QTest::newRow("record count beyond the list limit")
            << withLine(16, " 32768 ") << 16
            << "Line 16: the number of record lines of group 1 is 32768; it must be 0 to 32767.";
        QTest::newRow("record count not a number")
            << withLine(16, "F:07-Mar-2000:0:2") << 16
            << "Line 16: \"F:07-Mar-2000:0:2\" is not a number; this line should hold the number of record lines of "
               "group 1.";
        QTest::newRow("record line without a prefix")
            << withLine(17, "X:07-Mar-2000:0:2") << 17
            << "Line 17: record line 1 of group 1 begins with neither \"F:\" nor \"R:\": \"X:07-Mar-2000:0:2\".";
        QTest::newRow("prefix in lower case")
            << withLine(17, "f:07-Mar-2000:0:2") << 17
            << "Line 17: record line 1 of group 1 begins with neither \"F:\" nor \"R:\": \"f:07-Mar-2000:0:2\".";
        QTest::newRow("fixture with too few fields")
            << withLine(17, "F:07-Mar-2000:0") << 17
            << "Line 17: record line 1 of group 1 has 1 fields after its date; a fixture has 2: \"F:07-Mar-2000:0\".";
        QTest::newRow("fixture with an extra field")
            << withLine(17, "F:07-Mar-2000:0:2:1") << 17
            << "Line 17: record line 1 of group 1 has 3 fields after its date; a fixture has 2: "
               "\"F:07-Mar-2000:0:2:1\".";
        QTest::newRow("result with too few fields")
            << withLine(18, "R:14-Mar-2000:1:0:2:1:0") << 18
            << "Line 18: record line 2 of group 1 has 5 fields after its date; a result has 6: "
               "\"R:14-Mar-2000:1:0:2:1:0\".";
        QTest::newRow("result with an extra field")
            << withLine(18, "R:14-Mar-2000:1:0:2:2:1:0:0") << 18
            << "Line 18: record line 2 of group 1 has 7 fields after its date; a result has 6: "
               "\"R:14-Mar-2000:1:0:2:2:1:0:0\".";
        QTest::newRow("unreadable date") << withLine(17, "F:31-Feb-2000:0:2") << 17
                                         << "Line 17: record line 1 of group 1 has no readable date: \"31-Feb-2000\".";
        QTest::newRow("date in another language")
            << withLine(17, "F:07-Mrz-2000:0:2") << 17
            << "Line 17: record line 1 of group 1 has no readable date: \"07-Mrz-2000\".";
        QTest::newRow("score beyond 16 bits")
            << withLine(18, "R:14-Mar-2000:1:0:40000:2:1:0") << 18
            << "Line 18: record line 2 of group 1 cannot be read: the number \"40000\" does not fit 16 bits.";
        QTest::newRow("team number beyond 16 bits")
            << withLine(17, "F:07-Mar-2000:0:65538") << 17
            << "Line 17: record line 1 of group 1 cannot be read: the number \"65538\" does not fit 16 bits.";
        QTest::newRow("away team outside the list")
            << withLine(17, "F:07-Mar-2000:0:3") << 17
            << "Line 17: record line 1 of group 1 names team 3, but group 1 has 3 team names (numbers 0 to 2).";
        QTest::newRow("home team negative")
            << withLine(18, "R:14-Mar-2000:1:0:2:2:-1:0") << 18
            << "Line 18: record line 2 of group 1 names team -1, but group 1 has 3 team names (numbers 0 to 2).";
        QTest::newRow("record line but no team names")
            << QByteArray(kValidFile).split('\n').mid(0, 11).join('\n') + "\n 0 \n 1 \nF:07-Mar-2000:0:1\n"
            << 14 << "Line 14: record line 1 of group 1 names team 0, but group 1 has no team names.";
        QTest::newRow("ends in the settings")
            << cutAfterLine(7) << 8 << "Line 8: the file ends early; this line should hold league order rule 2.";
        QTest::newRow("ends in the team names")
            << cutAfterLine(14) << 15 << "Line 15: the file ends early; this line should hold team name 3 of group 1.";
        QTest::newRow("ends in the record lines")
            << cutAfterLine(17) << 18
            << "Line 18: the file ends early; this line should hold record line 2 of group 1.";
        QTest::newRow("ends before the second group")
            << withLine(2, " 2 ") << 19
            << "Line 19: the file ends early; this line should hold the caption of group 2.";
        QTest::newRow("text after the last block")
            << QByteArray(kValidFile) + "F:21-Mar-2000:1:2\n"
            << 19 << "Line 19: text follows the last group's record lines: \"F:21-Mar-2000:1:2\".";
    }
    void refusesAFaultyFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, message);
        const TournamentReadResult read = parseTournament(crlf(bytes.constData()));
        QVERIFY(!read.ok());
        QCOMPARE(read.error, message);
        QCOMPARE(read.line, line);
    }

    void fileMessagesNameThePath()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bad.trn"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(withLine(2, " 9 "));
        file.close();
        TournamentReadResult read = readTournamentFile(path);
        QCOMPARE(read.error, QStringLiteral("Line 2 of %1: the group count is 9; it must be 1 to 8.").arg(path));

        const QString missing = folder.filePath(QStringLiteral("missing.trn"));
        read = readTournamentFile(missing);
        QVERIFY(!read.ok());
        QCOMPARE(read.line, 0);
        QVERIFY2(read.error.startsWith(QStringLiteral("Cannot read %1: ").arg(missing)), qPrintable(read.error));
        QVERIFY2(read.error.contains(QStringLiteral("No such file")), qPrintable(read.error));

        read = readTournamentFile(folder.path());
        QVERIFY(!read.ok());
        QVERIFY2(read.error.contains(QStringLiteral("it is a folder")), qPrintable(read.error));
    }

    void refusesToWriteWhatCouldNotBeReadBack_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("team name with a line break") << 0;
        QTest::newRow("caption with a carriage return") << 1;
        QTest::newRow("more groups than windows") << 2;
        QTest::newRow("no league order rule") << 3;
    }
    void refusesToWriteWhatCouldNotBeReadBack()
    {
        QFETCH(int, fault);
        TournamentData data = sampleTournament();
        if (fault == 0)
            data.groups[1].teams[0] = QStringLiteral("Two\nLines");
        else if (fault == 1)
            data.groups[0].caption = QStringLiteral("1. Pool\rA");
        else if (fault == 2)
            data.GroupCount = 3;
        else
            data.RuleCount = 0;
        QString error;
        QVERIFY(!formatTournament(data, &error));
        QVERIFY(!error.isEmpty());
    }

    void failingDeviceReportsItsReason()
    {
        FailDevice device(100);
        QString error;
        QVERIFY(!writeTournament(sampleTournament(), device, &error));
        QCOMPARE(error, QStringLiteral("No space left on device"));
    }

    void savesThroughATemporaryFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cup.trn"));
        QString error;
        QVERIFY2(saveTournamentFile(sampleTournament(), path, &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), formatTournament(sampleTournament()).value());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { QStringLiteral("cup.trn") });
    }

    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("missingFolder");
        QTest::newRow("disk full") << false;
        QTest::newRow("folder that does not exist") << true;
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(bool, missingFolder);
        QTemporaryDir folder;
        const QString path = missingFolder ? folder.filePath(QStringLiteral("gone/cup.trn"))
                                           : folder.filePath(QStringLiteral("cup.trn"));
        const QByteArray oldBytes = "the last good copy\r\n";
        if (!missingFolder) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(oldBytes);
        }

        QString error;
        bool saved = true;
        {
            FileSizeLimit limit(64);
            saved = saveTournamentFile(sampleTournament(), path, &error);
        }
        QVERIFY(!saved);
        QVERIFY2(error.startsWith(QStringLiteral("Cannot save the tournament to %1: ").arg(path)), qPrintable(error));
        QVERIFY2(error.endsWith(missingFolder ? QStringLiteral("No such file or directory.")
                                              : QStringLiteral("File too large.")),
                 qPrintable(error));
        if (missingFolder) {
            QVERIFY(!QFile::exists(path));
        } else {
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), oldBytes);
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList { QStringLiteral("cup.trn") });
        }
    }

    void decodesTheWholeCodePage()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString text = decodeWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x41), QChar(u'A'));
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x8A), QChar(0x0160));
        QCOMPARE(text.at(0x9F), QChar(0x0178));
        QCOMPARE(text.at(0x81), QChar(0x0081));
        QCOMPARE(text.at(0xE9), QChar(0x00E9));
        QCOMPARE(text.at(0xFF), QChar(0x00FF));
    }
};

QTEST_GUILESS_MAIN(TestTournamentFile)
#include "tst_tournamentfile.moc"
