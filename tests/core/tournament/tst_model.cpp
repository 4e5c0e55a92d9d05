// The model core: the .trn reader and writer, the settings store and the database's place, and report fields.
#include "TemporarySettings.h"
#include "core/common/BoundedFile.h"
#include "core/common/ExtractField.h"
#include "core/common/Windows1252.h"
#include "core/tournament/DatabaseLocation.h"
#include "core/tournament/Settings.h"
#include "core/tournament/TournamentDocument.h"
#include "core/tournament/TournamentFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

namespace {

// A valid file (UTF-8, LF line ends), spoilt line by line in the refusal table. Lines 1 to 10: title, group count,
// group title, label style, team count, rule count, rules 1 and 2, points for a win and for a draw; 11: caption;
// 12 to 15: team names; 16 to 18: record lines, with score texts as the result editor may keep them.
const char* const kValidFile = "Tabulon - Cup, \"Spring\" at Łódź\n 1 \nDivision\n 0 \n 3 \n 2 \n 1 \n 4 \n 3 \n 1 \n"
                               "1. Division A\n 3 \nBeşiktaş\nŁódź, \"ŁKS\"\n  Old  Boys \n"
                               " 2 \nF:07-Mar-2000:0:2\nR:14-Mar-2000: 1:02:2:3 :1:0\n";

QByteArray crlf(const QByteArray& text)
{
    return QByteArray(text).replace("\n", "\r\n");
}

// Lines 19 to 28: points adjustments of team 0 (1 point, no reason) and team 2 (-3).
const QByteArray kAdjustedFile
    = QByteArray(kValidFile) + "POINTS ADJUSTMENTS\n 2 \n 1 \n 0 \n 1 \n\n 1 \n 2 \n-3 \nPSR breach, \"appeal\"\n";

// Lines 29 to 51: a knockout stage of the three teams, the first given a bye, a two-legged final.
const QByteArray kKnockoutFile = kAdjustedFile
    + "KNOCKOUT STAGE\n 4 \n 1 \n 0 \nBeşiktaş\n-1 \n 0 \n\n 1 \n 1 \nŁódź, \"ŁKS\"\n 1 \n 2 \n  Old  Boys \n"
      " 1 \n 2 \n 0 \n 1 \n2000-04-01\n 7 \n 2 \nSF2 1-1 aet 1-1 pens 5-4\nF 2-0 0-1\n";

// Lines 52 to 75: a timetable on two pitches, a team with hours, both group games and the final's first leg.
const QByteArray kTimetableFile = kKnockoutFile
    + "TIMETABLE\n 2 \nPitch 1\nPitch 2\n 1 \n2027-06-12\n09:00\n18:00\n 20 \n 30 \n 5 \n 20 \n 1 \n12:30-13:00\n"
      " 1 \nŁódź, \"ŁKS\"\n10:30-18:00\n 2 \n1 1 2027-06-12 09:00 09:20 1\n1 2 2027-06-12 09:45 10:05 2\n"
      " 1 \nF 1 2027-06-12 14:00 14:30 2\nWinner SF1\nWinner SF2\n";

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray withLine(int number, const QByteArray& replacement, const QByteArray& file = kValidFile)
{
    QList<QByteArray> lines = file.split('\n');
    lines[number - 1] = replacement;
    return lines.join('\n');
}

QByteArray cutAfterLine(int number)
{
    return QByteArray(kValidFile).split('\n').mid(0, number).join('\n') + '\n';
}

// A file the reader refuses; the bytes get CR LF line ends.
void refusal(const char* name, const QByteArray& bytes, int line, const char* reason)
{
    QTest::newRow(name) << crlf(bytes) << line << QString::fromUtf8(reason) << QByteArray() << QString();
}

// A file the reader accepts, and how the program writes it back (with CR LF).
void accepted(const char* name, const QByteArray& bytes, const QByteArray& rewritten = kValidFile)
{
    QTest::newRow(name) << bytes << 0 << QString() << crlf(rewritten) << QString();
}

// A file that opens although one record line cannot be read: the line is kept as stored.
void keptUnreadable(const char* name, const QByteArray& bytes, const char* reason)
{
    QTest::newRow(name) << bytes << 0 << QString() << crlf(bytes) << QString::fromUtf8(reason);
}

} // namespace

class TestModel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString path(const char* name) const { return m_folder.filePath(QString::fromUtf8(name)); }

private slots:
    void readsOrRefuses_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line"); // of the fault, 0 when the file is accepted
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QByteArray>("rewritten");
        QTest::addColumn<QString>("unreadable"); // why the one unreadable record line cannot be read
        // clang-format off
        accepted("as the program writes it: the same bytes", crlf(kValidFile));
        accepted("LF line ends", kValidFile);
        accepted("byte-order mark", "\xEF\xBB\xBF" + crlf(kValidFile));
        accepted("team count differs from the names", withLine(5, " 7 "), withLine(5, " 7 "));
        accepted("numbers without blanks", withLine(5, "3"));
        accepted("blank lines after the last block", QByteArray(kValidFile) + "\n\n  \n");
        accepted("last line without its line end", QByteArray(kValidFile).chopped(1));
        accepted("no record lines", cutAfterLine(15) + " 0 \n", cutAfterLine(15) + " 0 \n");
        accepted("no team names", cutAfterLine(11) + " 0 \n 0 \n", cutAfterLine(11) + " 0 \n 0 \n");
        accepted("a lone CR ends a line", QByteArray(kValidFile).replace('\n', '\r'));
        accepted("one line in the Windows code page", withLine(15, "M\xE1laga"), withLine(15, "Málaga"));
        accepted("label style 3, labelled like 2", withLine(4, " 3 "), withLine(4, " 3 "));
        keptUnreadable("fixture, extra field", withLine(17, "F:07-Mar-2000:0:2:1"), "the line has too many fields");
        keptUnreadable("result with a score typed 1:0", withLine(18, "R:14-Mar-2000:1:0:0:2:2:1:0"), "the line has too many fields");
        keptUnreadable("score beyond 16 bits", withLine(18, "R:14-Mar-2000:1:0:40000:2:1:0"), "the number \"40000\" does not fit 16 bits");
        keptUnreadable("score x: no 2-0 for a 2-2", withLine(18, "R:14-Mar-2000:1:1:2:x:1:0"), "the score \"x\" is not a whole number");
        keptUnreadable("score 2.5", withLine(18, "R:14-Mar-2000:1:0:2.5:2:1:0"), "the score \"2.5\" is not a whole number");
        keptUnreadable("a team plays itself", withLine(18, "R:07-Mar-2000:0:0:3:1:0:0"), "team 0 plays itself");
        keptUnreadable("a fixture of a team against itself", withLine(17, "F:07-Mar-2000:2:2"), "team 2 plays itself");
        accepted("two teams of one name, as older files may hold", withLine(14, "beşiktaş"), withLine(14, "beşiktaş"));
        accepted("a stored negative score", withLine(18, "R:14-Mar-2000:-1:0:2:2:1:0"), withLine(18, "R:14-Mar-2000:-1:0:2:2:1:0"));
        refusal("empty file", {}, 1, "the file ends early; this line should hold the tournament title.");
        refusal("group count not a number", withLine(2, "one"), 2, "\"one\" is not a number; this line should hold the group count.");
        refusal("group count 9", withLine(2, " 9 "), 2, "the group count is 9; it must be 1 to 8.");
        refusal("group count beyond 32 bits", withLine(2, " 4294967297 "), 2, "the group count is 4294967297; it must be 1 to 8.");
        refusal("group count of absurd length", withLine(2, " " + QByteArray(500, '7')), 2, "the group count is 777777777777...; it must be 1 to 8.");
        refusal("team count 1", withLine(5, " 1 "), 5, "the team count of group 1 is 1; it must be 2 to 32767.");
        refusal("team count 32768", withLine(5, " 32768 "), 5, "the team count of group 1 is 32768; it must be 2 to 32767.");
        accepted("rule code 6, the head-to-head table", withLine(8, " 6 "), withLine(8, " 6 "));
        refusal("rule count 7", withLine(6, " 7 "), 6, "the number of league order rules is 7; it must be 1 to 6.");
        refusal("rule code 7", withLine(8, " 7 "), 8, "league order rule 2 is 7; it must be 1 to 6.");
        refusal("points for a win 4", withLine(9, " 4 "), 9, "the number of points for a win is 4; it must be 2 or 3.");
        refusal("points for a draw 3", withLine(10, " 3 "), 10, "the number of points for a draw is 3; it must be 0, 1 or 2.");
        refusal("points for a draw a fraction", withLine(10, " 1.5 "), 10, "\" 1.5 \" is not a number; this line should hold the number of points for a draw.");
        refusal("team name count beyond the list", withLine(12, " 40000 "), 12, "the number of team names of group 1 is 40000; it must be 0 to 32767.");
        refusal("record count beyond the list", withLine(16, " 32768 "), 16, "the number of record lines of group 1 is 32768; it must be 0 to 32767.");
        refusal("prefix in lower case", withLine(17, "f:07-Mar-2000:0:2"), 17, "record line 1 of group 1 begins with neither \"F:\" nor \"R:\": \"f:07-Mar-2000:0:2\".");
        refusal("fixture, too few fields", withLine(17, "F:07-Mar-2000:0"), 17, "record line 1 of group 1 has 1 fields after its date; a fixture has 2: \"F:07-Mar-2000:0\".");
        refusal("result, too few fields", withLine(18, "R:14-Mar-2000:1:0:2:1:0"), 18, "record line 2 of group 1 has 5 fields after its date; a result has 6: \"R:14-Mar-2000:1:0:2:1:0\".");
        refusal("unreadable date", withLine(17, "F:31-Feb-2000:0:2"), 17, "record line 1 of group 1 has no readable date: \"31-Feb-2000\".");
        refusal("away team outside the list", withLine(17, "F:07-Mar-2000:0:3"), 17, "record line 1 of group 1 names team 3, but group 1 has 3 team names (numbers 0 to 2).");
        refusal("record line but no team names", cutAfterLine(11) + " 0 \n 1 \nF:07-Mar-2000:0:1\n", 14, "record line 1 of group 1 names team 0, but group 1 has no team names.");
        refusal("ends in the settings", cutAfterLine(7), 8, "the file ends early; this line should hold league order rule 2.");
        refusal("ends in the record lines", cutAfterLine(17), 18, "the file ends early; this line should hold record line 2 of group 1.");
        refusal("ends before the second group", withLine(2, " 2 "), 19, "the file ends early; this line should hold the caption of group 2.");
        refusal("text after the last block", QByteArray(kValidFile) + "F:21-Mar-2000:1:2\n", 19, "text follows the last group's record lines: \"F:21-Mar-2000:1:2\".");
        accepted("points adjustments after the last block", kAdjustedFile, kAdjustedFile);
        refusal("adjustment in a group the tournament lacks", withLine(21, " 2 ", kAdjustedFile), 21, "points adjustment 1 names group 2, but the tournament has 1.");
        refusal("adjustment for a team outside the group", withLine(26, " 3 ", kAdjustedFile), 26, "points adjustment 2 names team 3, but group 1 has 3 team names.");
        const QByteArray twoForTeam0 = withLine(26, " 0 ", kAdjustedFile);
        const QByteArray team2BeforeTeam0 = withLine(22, " 2 ", twoForTeam0);
        accepted("two adjustments for one team", twoForTeam0, twoForTeam0);
        accepted("adjustments out of team order, written back as read", team2BeforeTeam0, team2BeforeTeam0);
        refusal("adjustment beyond 16 bits", withLine(27, "-32769 ", kAdjustedFile), 27, "the points of points adjustment 2 is -32769; it must be -32768 to 32767.");
        refusal("text after the adjustments", kAdjustedFile + "junk\n", 29, "text follows the points adjustments: \"junk\".");
        accepted("a knockout stage after the adjustments", kKnockoutFile, kKnockoutFile);
        refusal("knockout stage of 5 places", withLine(30, " 5 ", kKnockoutFile), 30, "the knockout stage has 5 places; a bracket has 2, 4, 8, 16, 32 or 64.");
        refusal("knockout place in a group the tournament lacks", withLine(31, " 2 ", kKnockoutFile), 31, "knockout place 1 names group 2, but the tournament has 1.");
        refusal("knockout team renamed behind the program's back", withLine(33, "Besiktas", kKnockoutFile), 33, "knockout place 1 names \"Besiktas\", but team 0 of group 1 is \"Beşiktaş\".");
        refusal("knockout result that decides nothing", withLine(50, "SF2 1-1", kKnockoutFile), 50, "knockout result 1, \"SF2 1-1\": The tie is level after full time: enter the score after extra time.");
        refusal("knockout result before its teams are known", withLine(50, "F 2-0 0-1", kKnockoutFile), 50, "knockout result 1, \"F 2-0 0-1\": Who plays in Final is not known yet.");
        refusal("knockout result typed 2:0", withLine(51, "F 2:0 0-1", kKnockoutFile), 51, "knockout result 2, \"F 2:0 0-1\", is no tie code and result: \"2:0\" is no full-time score; a score is two whole numbers from 0 to 999, as \"2-1\".");
        refusal("adjustments after the knockout stage", kKnockoutFile + "POINTS ADJUSTMENTS\n", 52, "text follows the knockout stage: \"POINTS ADJUSTMENTS\".");
        accepted("a timetable after the knockout stage", kTimetableFile, kTimetableFile);
        refusal("a knockout stage after the timetable", kTimetableFile + "KNOCKOUT STAGE\n", 76, "text follows the timetable: \"KNOCKOUT STAGE\".");
        refusal("last finish before the first kick-off", withLine(59, "08:00", kTimetableFile), 59, "the last finish is not after the first kick-off.");
        refusal("break that is no span", withLine(65, "13:00-12:30", kTimetableFile), 65, "\"13:00-12:30\" is no span of time; this line should hold break 1 as HH:MM-HH:MM.");
        refusal("time of a game the group lacks", withLine(70, "1 3 2027-06-12 09:00 09:20 1", kTimetableFile), 70, "the time of group game 1, \"1 3 2027-06-12 09:00 09:20 1\": there is no such group and record line.");
        refusal("two times for one game", withLine(71, "1 1 2027-06-12 10:00 10:20 1", kTimetableFile), 71, "the time of group game 2, \"1 1 2027-06-12 10:00 10:20 1\": that game has a time already.");
        refusal("a pitch the timetable lacks", withLine(70, "1 1 2027-06-12 09:00 09:20 3", kTimetableFile), 70, "the time of group game 1, \"1 1 2027-06-12 09:00 09:20 3\": there is no pitch 3.");
        refusal("a game that ends before it starts", withLine(73, "F 1 2027-06-12 14:00 13:30 2", kTimetableFile), 73, "the time of knockout game 1, \"F 1 2027-06-12 14:00 13:30 2\": the kick-off and end are not two times, in order.");
        refusal("a tie no bracket has", withLine(73, "QF9 1 2027-06-12 14:00 14:30 2", kTimetableFile), 73, "the time of knockout game 1, \"QF9 1 2027-06-12 14:00 14:30 2\": there is no such tie and leg.");
        // clang-format on
    }
    void readsOrRefuses()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, reason);
        QFETCH(QByteArray, rewritten);
        QFETCH(QString, unreadable);
        const TournamentReadResult read = parseTournament(bytes);
        QCOMPARE(read.error, line ? QStringLiteral("Line %1: %2").arg(line).arg(reason) : QString());
        QCOMPARE(read.line, line);
        QCOMPARE(read.unreadable.isEmpty() ? QString() : read.unreadable.first().reason, unreadable);
        if (read.ok())
            QCOMPARE(formatTournament(*read.data).value(), rewritten);
    }

    void refusesToWriteWhatCouldNotBeReadBack()
    {
        TournamentData data = *parseTournament(kValidFile).data;
        data.groups[0].teams[1] = QStringLiteral("Two\nLines");
        QString error;
        QVERIFY(!formatTournament(data, &error));
        QCOMPARE(error, QStringLiteral("The text \"Two\nLines\" of group 1 holds a line break."));
    }

    // A file larger than any tournament or CSV file of results could be is refused before it is read; a
    // device is read only up to that size.
    void refusesFilesLargerThanAnyValidOne()
    {
        QFile sparse(path("huge.trn"));
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(kMaxTournamentFileBytes + 1));
        sparse.close();
        QCOMPARE(readTournamentFile(path("huge.trn")).error,
                 "Cannot read " + path("huge.trn") + ": it is larger than any tournament file can be (128 MiB).");
        QCOMPARE(readTournamentFile("/dev/zero").error,
                 QStringLiteral("Cannot read /dev/zero: it is larger than any tournament file can be (128 MiB)."));
        QString error;
        QVERIFY(!readCsvFile("/dev/zero", &error));
        QCOMPARE(error,
                 QStringLiteral("Cannot read /dev/zero: it is larger than any CSV file of results can be (32 MiB)."));
        QFile::remove(path("huge.trn"));
    }

    void listsTheFirstTenUnreadableLines()
    {
        const QVector<UnreadableRecordLine> lines(11, { 2, 5, QStringLiteral("F:07-Mar-2000:0:1:1"), "too many" });
        const QStringList message = unreadableLinesMessage(lines).split(u'\r');
        QCOMPARE(message.size(), 12);
        QCOMPARE(message.first(),
                 QStringLiteral("11 record lines could not be read. They are kept as they are and "
                                "saved back unchanged, but league tables and reports leave them out:"));
        QCOMPARE(message.last(), QStringLiteral("and 1 more."));
    }

    void decodesTheCodePage()
    {
        QCOMPARE(decodeWindows1252("A\x80\x8A\x9F\x81\xE9\xFF"), QStringLiteral("A€ŠŸ\u0081éÿ"));
    }

    void readsStoredValues_data()
    {
        QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing stored") << QVariant() << "fallback";
        QTest::newRow("leading blanks removed") << QVariant(QStringLiteral("  12")) << "12";
        QTest::newRow("trailing blanks kept") << QVariant(QStringLiteral("12  ")) << "12  ";
        QTest::newRow("cut at NUL") << QVariant(QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd")) << "ab";
        QTest::newRow("empty text is not the default") << QVariant(QString()) << "";
        QTest::newRow("a rectangle is not text") << QVariant(QRect(1, 2, 3, 4)) << "fallback";
    }
    void readsStoredValues()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        TemporarySettings settings;
        if (stored.isValid()) {
            QSettings store(QSettings::NativeFormat, QSettings::UserScope, kCompany, kProduct);
            store.setValue(QStringLiteral("Value"), stored);
        }
        QCOMPARE(readSetting(kCompany, kProduct, QStringLiteral("Value"), QStringLiteral("fallback")), expected);
    }

    void unwritableStoreFailsSilently()
    {
        TemporarySettings settings;
        // The settings file's place is taken by a folder, so it can be neither read nor written.
        QVERIFY(QDir().mkpath(settings.file()));
        writeSetting(kCompany, kProduct, QStringLiteral("Form Height"), QStringLiteral("6000"));
        QCOMPARE(readSetting(kCompany, kProduct, QStringLiteral("Form Height"), QStringLiteral("4890")),
                 QStringLiteral("4890"));
    }

    // The program folder holds the database; "blocked" lies under a regular file, so that no one, root
    // included, can write there.
    void settlesDatabaseName_data()
    {
        QTest::addColumn<bool>("settingStored");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("expected");
        const QString besideProgram = path("program/TempDB.mdb");
        const QString userCopy = path("user/Tabulon/TempDB.mdb");
        // clang-format off
        QTest::newRow("first start") << false << "" << path("program") << false << besideProgram;
        QTest::newRow("empty name is written again") << true << "" << path("program") << false << besideProgram;
        QTest::newRow("stored name is kept") << true << "/elsewhere/Temp.mdb" << path("program") << false << "/elsewhere/Temp.mdb";
        QTest::newRow("program folder cannot be written") << false << "" << path("file/blocked") << false << userCopy;
        QTest::newRow("installed: its folder is left alone") << false << "" << path("program") << true << userCopy;
        // clang-format on
    }
    void settlesDatabaseName()
    {
        QFETCH(bool, settingStored);
        QFETCH(QString, storedName);
        QFETCH(QString, programFolder);
        QFETCH(bool, installed);
        QFETCH(QString, expected);
        TemporarySettings settings;
        QVERIFY(QDir().mkpath(path("program")));
        QVERIFY(writeFile(path("program/TempDB.mdb"), "supplied"));
        QVERIFY(QFile(path("file")).open(QIODevice::WriteOnly)); // closed again at once
        if (settingStored)
            writeSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), storedName);

        QCOMPARE(settleDatabaseName({ programFolder, installed }, path("user/Tabulon")), expected);
        QCOMPARE(readSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), QString()), expected);
        QCOMPARE(QFileInfo::exists(path("user/Tabulon")), expected.startsWith(path("user")));
        if (installed) // the supplied database is copied for the user
            QCOMPARE(QFileInfo(expected).size(), qint64(8));
    }

    // Every change is one call on the document: its group is told, the tournament becomes unsaved
    // once, and what it would write holds the change. It is one step of the history, named for the
    // Edit menu: undone and redone, the bytes are those before and after it exactly, and the
    // tournament is saved exactly when it is back where it was last saved, before a save or after.
    void documentChanges_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("step"); // "" for a change that is no step of the history
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("teams");
        const QStringList teams { "Beşiktaş", "Łódź, \"ŁKS\"", "  Old  Boys " };
        const QStringList lines { "F:07-Mar-2000:0:2", "R:14-Mar-2000: 1:02:2:3 :1:0" };
        const QStringList imported { "F:01-Mar-2000:1:2", lines[0], "F:08-Mar-2000:2:1", lines[1] };
        // clang-format off
        QTest::newRow("add a fixture") << 0 << "Add Fixture" << (lines + QStringList { "F:21-Mar-2000:2:1" }) << teams;
        QTest::newRow("add a result") << 1 << "Add Result" << (lines + QStringList { "R:21-Mar-2000:0:0:1:0:2:1" }) << teams;
        QTest::newRow("delete") << 2 << "Delete" << lines.mid(1) << teams;
        QTest::newRow("edit a result") << 3 << "Edit Result" << QStringList { "R:07-Mar-2000:1:0:2:0:0:2", lines[1] } << teams;
        QTest::newRow("edit a date") << 4 << "Edit Date" << QStringList { "F:28-Mar-2000:0:2", lines[1] } << teams;
        QTest::newRow("rename") << 5 << "Rename Team" << lines << QStringList { teams[0], teams[1], "Old Boys" };
        QTest::newRow("sort") << 6 << "Sort" << QStringList { lines[1], lines[0] } << teams;
        QTest::newRow("import between the lines") << 7 << "Import Results" << imported << teams;
        QTest::newRow("generate") << 8 << "Generate Balanced Fixtures" << (lines + QStringList { "F:21-Mar-2000:2:1", "F:21-Mar-2000:1:0" }) << teams;
        QTest::newRow("adjustments") << 9 << "Points Adjustments" << lines << teams;
        QTest::newRow("a team entered") << 10 << "" << lines << (teams + QStringList { "Rovers" });
        // clang-format on
    }
    void documentChanges()
    {
        QFETCH(int, change);
        QFETCH(QString, step);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, teams);
        const QString file = path("document.trn");
        QVERIFY(writeFile(file, kValidFile));
        TournamentDocument document;
        QVERIFY(document.open(file).ok());
        const QByteArray before = *formatTournament(document.data());
        QSignalSpy modified(&document, &TournamentDocument::modifiedChanged);
        QSignalSpy groups(&document, &TournamentDocument::groupChanged);
        const PointsAdjustments adjustments { { 2, -3, QStringLiteral("PSR breach") } };
        using ItemsChange = TournamentDocument::ItemsChange;
        switch (change) {
        case 0:
            document.addFixture(1, QStringLiteral("21-Mar-2000"), 2, 1);
            break;
        case 1:
            document.addResult(1, QStringLiteral("21-Mar-2000"), { "0", "0", "1", "0" }, 2, 1);
            break;
        case 2:
            document.removeItem(1, 0);
            break;
        case 3:
            document.replaceItem(1, 0, QStringLiteral("R:07-Mar-2000:1:0:2:0:0:2"));
            break;
        case 4:
            QVERIFY(document.redateItem(1, 0, QDate(2000, 3, 28)));
            break;
        case 5:
            document.renameTeam(1, 2, QStringLiteral("Old Boys"));
            break;
        case 6:
            document.setItems(1, lines, ItemsChange::Sort);
            break;
        case 7:
            document.setItems(1, lines, ItemsChange::ImportResults);
            break;
        case 8:
            document.setItems(1, lines, ItemsChange::GenerateBalancedFixtures);
            break;
        case 9:
            document.setAdjustments(1, adjustments);
            break;
        case 10:
            document.addTeam(1, QStringLiteral("Rovers"));
            break;
        }
        QCOMPARE(groups.first().first().toInt(), 1);
        QVERIFY(document.isModified() || step.isEmpty());
        const TournamentGroupData written = document.data().groups.first();
        QCOMPARE(written.recordLines, lines);
        QCOMPARE(written.teams, teams);
        QCOMPARE(written.adjustments, change == 9 ? adjustments : PointsAdjustments());
        const QByteArray after = *formatTournament(document.data());
        QCOMPARE(document.history()->undoText(), step);
        if (step.isEmpty())
            return;
        QCOMPARE(modified.count(), 1);

        QSignalSpy replayed(&document, &TournamentDocument::stepReplayed);
        document.history()->undo();
        QCOMPARE(*formatTournament(document.data()), before);
        QVERIFY(!document.isModified());
        QCOMPARE(replayed.count(), 1);
        QCOMPARE(groups.last().first().toInt(), 1);
        document.history()->redo();
        QCOMPARE(*formatTournament(document.data()), after);
        QVERIFY(document.isModified());

        QVERIFY(document.save(file));
        QVERIFY(!document.isModified());
        QCOMPARE(readTournamentFile(file).data->groups.first().recordLines, lines);
        document.history()->undo(); // past the save
        QVERIFY(document.isModified());
        QCOMPARE(*formatTournament(document.data()), before);
        document.history()->redo(); // back to what the file holds
        QVERIFY(!document.isModified());
        QCOMPARE(*formatTournament(document.data()), after);
        document.reset(TournamentData()); // closed: nothing left to undo
        QVERIFY(!document.history()->canUndo() && !document.history()->canRedo());
    }

    // Every knockout change is one step: the stage set up, results entered, a changed result refused
    // while it would change who plays a tie with a result and clearing that result when asked, a team
    // renamed in its group and so in the bracket. Undone, each step leaves the bytes it found.
    void documentKnockoutSteps()
    {
        TournamentDocument document;
        document.reset(*parseTournament(kValidFile).data);
        KnockoutStage stage = *parseTournament(kKnockoutFile).data->knockout;
        stage.clearResults(stage.tieCodes());
        QSignalSpy knockoutChanged(&document, &TournamentDocument::knockoutChanged);
        QVector<QByteArray> states { *formatTournament(document.data()) };
        const auto step = [&](bool done, const char* name) {
            QVERIFY(done);
            QCOMPARE(document.history()->undoText(), QString::fromUtf8(name));
            states.append(*formatTournament(document.data()));
        };
        using Later = TournamentDocument::LaterResults;
        const TieResult oldBoysLose { { { 1, 0 } }, {}, {} };
        const TieResult oldBoysWin { { { 0, 1 } }, {}, {} };
        QString refusal;
        step((document.setKnockoutStage(stage), true), "Set Up Knockout Stage");
        step(document.setTieResult("SF2", oldBoysLose, Later::Keep, &refusal), "Enter Knockout Result");
        step(document.setTieResult("F", TieResult { { { 2, 0 }, { 0, 1 } }, {}, {} }, Later::Keep),
             "Enter Knockout Result");
        for (const std::optional<TieResult>& change :
             { std::optional<TieResult>(oldBoysWin), std::optional<TieResult>() }) {
            QVERIFY(!document.setTieResult("SF2", change, Later::Keep, &refusal));
            QCOMPARE(refusal, "Changing this result changes who plays in the Final, which already has a result.");
            QCOMPARE(*formatTournament(document.data()), states.last());
        }
        step(document.setTieResult("SF2", oldBoysWin, Later::Clear), "Enter Knockout Result");
        QVERIFY(!document.knockout()->result("F"));
        step((document.renameTeam(1, 2, "Old Boys"), true), "Rename Team");
        QCOMPARE(document.knockout()->winner("SF2")->name, "Old Boys");
        QCOMPARE(knockoutChanged.count(), 5);
        while (states.size() > 1) {
            states.removeLast();
            document.history()->undo();
            QCOMPARE(*formatTournament(document.data()), states.last());
        }
        QVERIFY(!document.knockout());
    }

    // A plan is one step; a game keeps its slot through an edit and a sort, and a deleted game frees its
    // slot and gets it back when the delete is undone.
    void documentTimetableSteps()
    {
        TournamentDocument document;
        document.reset(*parseTournament(kTimetableFile).data);
        const QVector<std::optional<GameSlot>> planned = document.group(1).gameSlots();
        QCOMPARE(planned.at(1)->start, 9 * 60 + 45);
        QSignalSpy timetableChanged(&document, &TournamentDocument::timetableChanged);
        document.replaceItem(1, 1, QStringLiteral("R:14-Mar-2000:0:0:3:3:1:0"));
        document.setItems(1, { document.group(1).storedLines().at(1), document.group(1).storedLines().at(0) },
                          TournamentDocument::ItemsChange::Sort);
        QCOMPARE(document.group(1).gameSlots(), (QVector<std::optional<GameSlot>> { planned[1], planned[0] }));
        document.removeItem(1, 0);
        QCOMPARE(document.group(1).gameSlots(), (QVector<std::optional<GameSlot>> { planned[0] }));
        document.history()->undo();
        QCOMPARE(document.group(1).gameSlots(), (QVector<std::optional<GameSlot>> { planned[1], planned[0] }));

        const QByteArray before = *formatTournament(document.data());
        GameSlot moved = *planned[0];
        moved.pitch = 1;
        QVERIFY(document.setGameSlot(1, 1, moved));
        QCOMPARE(document.history()->undoText(), "Move Game");
        QCOMPARE(document.group(1).storedLines().at(1), "F:12-Jun-2027:0:2"); // played on its slot's day
        QVERIFY(document.redateItem(1, 1, QDate(2027, 6, 13)));
        moved.date = QDate(2027, 6, 13);
        QCOMPARE(document.group(1).gameSlots().at(1), moved);
        document.setTimetable(std::nullopt, {}, QStringLiteral("Clear Timetable"));
        QVERIFY(!document.data().timetable);
        QVERIFY(!formatTournament(document.data())->contains("TIMETABLE"));
        QCOMPARE(timetableChanged.count(), 2);
        for (int step = 0; step < 3; ++step)
            document.history()->undo();
        QCOMPARE(*formatTournament(document.data()), before);
    }

    // A new tournament is unsaved from the start and gains its groups one by one; saved over a file that
    // was there before, it keeps no name, and a team entry given up keeps only the title and settings.
    void documentGrowsAsANewTournamentIsEntered()
    {
        TournamentSettings settings;
        settings.GroupCount = 1;
        settings.TeamsInGroup[1] = 2;
        settings.RuleCount = 1;
        settings.RuleOrder[1] = 1;
        TournamentDocument document;
        QSignalSpy added(&document, &TournamentDocument::groupAdded);
        document.start(QStringLiteral("Tabulon - Cup at Leeds"), settings);
        QVERIFY(document.isOpen() && document.isModified() && !document.hasGroups());
        document.addGroup(QStringLiteral("1. Division 1"));
        document.addTeam(1, QStringLiteral("Rovers"));
        document.addTeam(1, QStringLiteral("United"));
        QCOMPARE(added.count(), 1);
        QVERIFY(document.hasGroups());

        const QString existing = path("existing.trn");
        QVERIFY(writeFile(existing, "older\r\n"));
        QString error;
        QVERIFY2(document.save(existing, &error, TournamentDocument::FileNameAfterSave::Keep), qPrintable(error));
        QVERIFY(!document.isModified());
        QCOMPARE(document.fileName(), QString());
        QCOMPARE(readTournamentFile(existing).data->groups.first().teams, (QStringList { "Rovers", "United" }));

        document.dropGroups();
        QVERIFY(document.isOpen() && !document.hasGroups());
        QCOMPARE(document.title(), QStringLiteral("Tabulon - Cup at Leeds"));
    }

    // A refused file leaves the open tournament as it was, file name and unsaved changes included.
    void documentKeepsItsTournamentWhenAFileIsRefused()
    {
        const QString good = path("good.trn");
        const QString bad = path("bad.trn");
        QVERIFY(writeFile(good, kValidFile));
        QVERIFY(writeFile(bad, withLine(2, " 9 ")));
        TournamentDocument document;
        QVERIFY(document.open(good).ok());
        document.removeItem(1, 0);
        QVERIFY(!document.open(bad).ok());
        QCOMPARE(document.fileName(), good);
        QVERIFY(document.isModified());
        QCOMPARE(document.group(1).size(), 1);
    }

    void extractsFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");

        QTest::newRow("quotes and blanks removed") << "a, \"b\" ,c" << 2 << "b";
        QTest::newRow("beyond the last field") << "a,b,c" << 4 << kNoData;
        QTest::newRow("empty last field") << "a,b," << 3 << "";
        QTest::newRow("empty line has no second field") << "" << 2 << kNoData;
        QTest::newRow("comma inside quotes still separates") << "\"x,y\",z" << 1 << "x";
        QTest::newRow("only one quote removed at each end") << "\"\"q\"\"" << 1 << "\"q\"";
        QTest::newRow("blank inside quotes kept") << "\" in \"" << 1 << " in ";
        QTest::newRow("n below 1") << "a,b" << 0 << kNoData;
        // A report line of a 20-team table has more than 24 fields when it is wide; nothing is cut.
        QTest::newRow("no field limit") << QString(39, u',') + "40" << 40 << "40";
    }
    void extractsFields()
    {
        QFETCH(QString, line);
        QFETCH(int, n);
        QFETCH(QString, expected);
        QCOMPARE(extractField(line, n), expected);
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
