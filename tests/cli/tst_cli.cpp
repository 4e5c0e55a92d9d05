// tabulon-cli's commands on tests/data: two_groups.trn (rules 1, 4) has Rovers, United and City in group 1 with a
// fixture and a 2-2 draw, and a 2-3 between two non-ASCII names in group 2; windows1252.trn is in the Windows
// edition's code page. Each case starts with a fresh cup.trn of two groups, the first of them empty.
#include "StaleLock.h"
#include "TemporarySettings.h"
#include "cli/Commands.h"
#include "core/records/CsvRows.h"
#include "core/records/FixtureSort.h"
#include "core/schedule/BalancedSchedule.h"
#include "core/tournament/Settings.h"
#include "core/tournament/TournamentFile.h"
#include "core/tournament/TournamentFileLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kTwoGroups = QStringLiteral(TABULON_TEST_DATA "/two_groups.trn");
// Rovers, "Town, Leeds", United and City seeded; the semi-finals in two legs played, the final not.
const QString kKnockoutCup = QStringLiteral(TABULON_TEST_DATA "/knockout_cup.trn");
const QString kWindowsFile = QStringLiteral(TABULON_TEST_DATA "/windows1252.trn");
// Four groups of four, each with its six fixtures; cup16_template.csv has the quarter-finals after them.
const QString kCup16 = QStringLiteral(TABULON_TEST_DATA "/cup16.trn");
const QString kCup16Template = QStringLiteral(TABULON_TEST_DATA "/cup16_template.csv");
const QString kHeader = QStringLiteral("Competitors Name\tWon\tLost\tDrawn\tFor\tAgainst\tDiff\tPts\n");
const QString kGroupB = kHeader + QStringLiteral("Beşiktaş\t1\t0\t0\t3\t2\t1\t3\nŁódź\t0\t1\t0\t2\t3\t-1\t0\n");
const QString kEveryGroup = QStringLiteral("1. Division A\n") + kHeader
    + QStringLiteral("Rovers\t0\t0\t1\t2\t2\t0\t1\nUnited\t0\t0\t1\t2\t2\t0\t1\nCity\t0\t0\t0\t0\t0\t0\t0\n\n"
                     "2. Division B\n")
    + kGroupB;

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TournamentData cup()
{
    TournamentData data;
    data.GroupCount = 2;
    data.TeamsInGroup = { 0, 6, 3 };
    data.RuleCount = 1;
    data.RuleOrder = { 0, 1 };
    data.groups = {
        { "1. Division A", { "Rovers", "United", "City", "Town", "Athletic", "Albion" }, {} },
        { "2. Division B", { "Wanderers", "Rangers", "Villa" }, { "R:07-Mar-2000:1:0:2:2:0:2" }, { { 1, -2, "late" } } }
    };
    return data;
}

// What a command printed when it ended with `status`: its output, and its errors too when asked;
// otherwise "exit N: " and its errors.
QString printedBy(const QStringList& args, int status, bool withErrors)
{
    QString outText;
    QString errText;
    QTextStream outStream(&outText);
    QTextStream errStream(&errText);
    const int exitCode = runCli(args, outStream, errStream);
    outStream.flush();
    errStream.flush();
    if (exitCode != status)
        return QStringLiteral("exit %1: %2").arg(exitCode).arg(errText);
    return withErrors ? outText + errText : outText;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    TemporarySettings m_settings;
    QTemporaryDir m_folder;
    QString file(const char* name) const { return m_folder.filePath(QString::fromUtf8(name)); }

private slots:
    void init()
    {
        QFile::remove(file("cup.trn"));
        QFile::remove(file("season.trn"));
        QVERIFY(saveTournamentFile(cup(), file("cup.trn")));
        TournamentData damaged = cup();
        damaged.groups[1].recordLines = QStringList { "R:07-Mar-2000:1:0:2:x:0:2" };
        QVERIFY(saveTournamentFile(damaged, file("damaged.trn")));
        QFile::remove(file("cup16.trn"));
        QVERIFY(QFile::copy(kCup16, file("cup16.trn")));
        QFile::setPermissions(file("cup16.trn"), QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(file("TempDB.mdb"));
        QVERIFY(QFile::copy(TABULON_TEMPDB, file("TempDB.mdb")));
        QFile::setPermissions(file("TempDB.mdb"), QFile::ReadOwner | QFile::WriteOwner);
        for (const auto& [name, text] :
             { std::pair { "season.csv",
                           "date,home,away,home_ft,away_ft\n2000-03-14,Rovers,United,2,1\n2000-03-21,City,Town,,\n" },
               std::pair { "bad.csv", "date,home,away\n2000-03-14,Rovers,Rovers\n" },
               std::pair { "again.csv",
                           "date,home,away,home_ht,away_ht,home_ft,away_ft\n"
                           "2000-03-14,Wanderers,Villa,,,3,0\n2000-03-07,Wanderers,Villa,1,0,2,2\n" },
               std::pair { "conflict.csv", "date,home,away,home_ft,away_ft\n2000-03-07,Wanderers,Villa,2,2\n" },
               std::pair { "one_team.csv", "team\nRovers\n" },
               std::pair { "clash.csv", "date,home,away\n2000-03-14,Alpha,Beta\n2000-03-21,Beta,alpha\n" },
               std::pair { "twice.csv", "tie,home,away\nSF1,1A,3B\nSF2,1B,3AB\n" },
               std::pair { "line_break.csv", "team\nRovers\n\"Town,\nLeeds\"\n" },
               std::pair { "four_teams.csv", "team\nRovers\nUnited\nCity\nTown\n" } }) {
            QFile csv(file(name));
            QVERIFY(csv.open(QIODevice::WriteOnly));
            QVERIFY(csv.write(text) > 0);
        }
        // A knockout stage of group 1's Rovers and United, then Rovers in both places, then United
        // renamed "R%3x" in the stage alone.
        TournamentData knockout = cup();
        knockout.knockout
            = KnockoutStage::fromPlaces({ KnockoutTeam { 1, 0, "Rovers" }, KnockoutTeam { 1, 1, "United" } }, nullptr);
        QVERIFY(saveTournamentFile(knockout, file("knockout.trn")));
        const QString text = QString::fromUtf8(contentsOf(file("knockout.trn")));
        const qsizetype stage = text.indexOf("KNOCKOUT STAGE");
        for (const auto& [name, changed] :
             { std::pair { "twice.trn",
                           text.mid(stage).replace(QRegularExpression(" 1 (\\s+)United"), " 0 \\1Rovers") },
               std::pair { "renamed.trn", text.mid(stage).replace("United", "R%3x") } }) {
            QFile trn(file(name));
            QVERIFY(trn.open(QIODevice::WriteOnly) && trn.write((text.left(stage) + changed).toUtf8()) > 0);
        }
        // A planned final of a stage without dates.
        QFile undated(file("undated_plan.trn"));
        QVERIFY(
            undated.open(QIODevice::WriteOnly)
            && undated.write(
                   contentsOf(QStringLiteral(TABULON_TEST_DATA "/timetable_cup.trn")).replace("\n2000-04-01\r", "\n\r"))
                > 0);
    }

    void commands_data()
    {
        QTest::addColumn<QString>("commandLine"); // the arguments, separated by blanks
        QTest::addColumn<QString>("database");    // the DatabaseName setting
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // the start of standard output; "" when it stays empty
        QTest::addColumn<QString>("err"); // the start of standard error; "" when it stays empty
        const QString db = file("TempDB.mdb");
        const QString usage = QStringLiteral("Usage: tabulon-cli COMMAND [ARGUMENTS]\n\nCommands:\n");
        const QString tableUsage = QStringLiteral("Usage: tabulon-cli table FILE.trn [--group N]\n");
        const auto row = [&](const char* name, const QString& commandLine, int exitCode, const QString& out,
                             const QString& err, const QString& database = QString()) {
            QTest::newRow(name) << commandLine << (database.isEmpty() ? db : database) << exitCode << out << err;
        };
        // clang-format off
        row("help", "--help", 0, usage, "");
        row("no command", "", 2, "", usage);
        row("unknown command", "tables", 2, "", "tabulon-cli: unknown command \"tables\"\n\n" + usage);

        row("check, two groups", "check " + kTwoGroups, 0, "Tabulon - Cup at Leeds\n1. Division A: 3 teams, 1 fixture, 1 result\n2. Division B: 2 teams, 0 fixtures, 1 result\n", "");
        row("check, missing file", "check " + file("none.trn"), 1, "", "Cannot read " + file("none.trn") + ": No such file or directory.\n");
        row("check, a damaged score named", "check " + file("damaged.trn"), 0, "\n1. Division A: 6 teams, 0 fixtures, 0 results\n2. Division B: 3 teams, 0 fixtures, 1 result\n", "1 record line could not be read. They are kept as they are and saved back unchanged, but league tables and reports leave them out:\nGroup 2, record line 1: \"R:07-Mar-2000:1:0:2:x:0:2\" (the score \"x\" is not a whole number)\n");
        row("check without a file", "check", 2, "", "Usage: tabulon-cli check FILE.trn\n");

        row("resave, Windows edition to UTF-8", "resave " + kWindowsFile + ' ' + file("utf8.trn"), 0, "Wrote " + file("utf8.trn") + "\n", "");
        row("resave, unreadable input", "resave " + m_folder.path() + ' ' + file("out.trn"), 1, "", "Cannot read " + m_folder.path() + ": it is a folder, not a tournament file.\n");
        row("resave, missing folder", "resave " + kWindowsFile + ' ' + file("gone/out.trn"), 1, "", "Cannot save the tournament to " + file("gone/out.trn") + ": No such file or directory.\n");

        // The seeded schedule is checked against the file afterwards.
        const QString generate = "generate " + file("cup.trn") + " --start 01-Mar-2000 --group ";
        row("generate, six teams home and away, seeded", generate + "1 --gap 7 --home-away --seed 5", 0, "Added 30 fixtures to 1. Division A, 01-Mar-2000 to 03-May-2000.\n", "");
        row("generate, group holds a result", generate + "2 --gap 7", 1, "", "tabulon-cli generate: Cannot create fixtures unless fixture list is empty: group 2 holds 1 line.\n");
        row("generate, round index times gap beyond 16 bits", generate + "1 --gap 8192", 1, "", "tabulon-cli generate: Error 6 - Overflow: round 4 times the gap of 8192 days is 32768 days");
        row("generate balanced, six teams home and away, seeded", generate + "1 --gap 7 --home-away --balanced --seed 5", 0, "Added 30 fixtures to 1. Division A, 01-Mar-2000 to 03-May-2000.\n", "");
        row("generate balanced, round index times gap beyond 16 bits", generate + "1 --gap 8192 --balanced", 1, "", "tabulon-cli generate: Error 6 - Overflow: round 4 times the gap of 8192 days is 32768 days");
        row("generate, gap beyond 16 bits", generate + "1 --gap 40000", 2, "", "tabulon-cli generate: --gap needs a whole number of days from -32768 to 32767, not \"40000\".\n");

        const QString table = "table " + kTwoGroups;
        row("table, one group", table + " --group 2", 0, kGroupB, "");
        row("table, every group", table, 0, kEveryGroup, "");
        row("table without a file", "table", 2, "", tableUsage);
        row("table, unknown option", table + " --colour", 2, "", "tabulon-cli table: Unknown option 'colour'.\n" + tableUsage);
        row("table, group not a number", table + " --group two", 2, "", "tabulon-cli table: --group needs a group number from 1, not \"two\".\n");
        row("table, group beyond the tournament", table + " --group 3", 1, "", "tabulon-cli table: group 3 does not exist; the tournament has 2 groups.\n");
        row("table, why each row stands there", table + " --group 1 --why", 0, kHeader.chopped(1) + "\tWhy\nRovers\t0\t0\t1\t2\t2\t0\t1\t\nUnited\t0\t0\t1\t2\t2\t0\t1\tlevel on every rule: team order\nCity\t0\t0\t0\t0\t0\t0\t0\tpoints 0 against 1\n", "");
        row("table, missing database", table, 1, "", "tabulon-cli table: Error 14 - unable to open database file (temporary database " + file("Absent.mdb") + ").\n", file("Absent.mdb"));

        const QString report = "report " + kTwoGroups + " --today 15-Mar-2000 --group ";
        row("report, text", report + "1", 0, "\r\nReport on Cup at Leeds\r\n\r\n1. Division A\r\n\r\nDate : 15-Mar-2000\r\n\r\n\r\n\r\n14-Mar-2000\r\nUnited-v-Rovers                         (1-0)       2-2\r\n\r\n\r\nLeague Table\r\n\r\nTeam                    W    D    L    F    A   GD  Pts\r\nRovers                  0    1    0    2    2    0    1\r\nUnited                  0    1    0    2    2    0    1\r\nCity                    0    0    0    0    0    0    0\r\n\r\n\r\n\r\nReport Created by Tabulon\r\nhttps://www.veltrix.example/tabulon", "");
        row("fixtures, tagged", "fixtures " + kTwoGroups + " --today 15-Mar-2000 --group 1 --format tagged", 0, "Fixtures For Cup at Leeds\r\n1. Division A\r\nDate : 15-Mar-2000\r\nFIXDATE, 07-Mar-2000\r\nRESULT, Rovers-v-City, , \r\nFIXDATE, 14-Mar-2000\r\nRESULT, United-v-Rovers, , \r\n", "");
        row("report, group without lines", "report " + file("cup.trn") + " --group 1", 0, "", "");
        row("fixtures, with times and the pitches' names", "fixtures " TABULON_TEST_DATA "/timetable_cup.trn --group 1 --today 01-May-2000", 0, "\r\nFixtures For Cup at Leeds\r\n\r\n1. Division A\r\n\r\nDate : 01-May-2000\r\n\r\n\r\n\r\n15-Apr-2000\r\n09:00 Pitch 1     City-v-Town, Leeds                      \r\n09:30 North & Sou Rovers-v-United ", "");
        row("report, format not known", report + "1 --format pdf", 2, "", "tabulon-cli report: --format needs text, tagged, rtf, html or xlsx, not \"pdf\".\n");
        row("fixtures, html with its byte-order mark", "fixtures " + kTwoGroups + " --today 15-Mar-2000 --group 1 --format html", 0, QChar(0xFEFF) + QString("<HTML><HEAD><TITLE>\r\nFixtures For Cup at Leeds</TITLE></HEAD><BODY><CENTER>\r\n"), "");
        row("report, xlsx without --output", report + "1 --format xlsx", 2, "", "tabulon-cli report: --format xlsx needs --output PATH.\n");
        const QString season = " " + file("season.csv"), bad = file("bad.csv");
        row("import", "import " + file("cup.trn") + " --group 1" + season, 0, "Added 1 fixture and 1 result to 1. Division A.\n", "");
        row("import, a row refused", "import " + file("cup.trn") + " --group 1 " + bad, 1, "", "tabulon-cli import: " + bad + " cannot be imported; nothing was added:\nLine 2, column away: A team cannot play itself.\n");
        const QString again = file("again.csv"), intoB = "import " + file("cup.trn") + " --group 2 ";
        row("import, a second game between teams refused", intoB + again, 1, "", "tabulon-cli import: " + again + " cannot be imported; nothing was added:\nLine 2: Wanderers v Villa already played on 07-Mar-2000 (2-2); --repeats enters a second game between them.\n");
        row("import --repeats enters it", intoB + "--repeats " + again, 0, "Added 1 result to 2. Division B; 1 row was already entered.\n", "");
        row("import, a conflict refuses with --repeats too", intoB + "--repeats " + file("conflict.csv"), 1, "", "tabulon-cli import: " + file("conflict.csv") + " cannot be imported; nothing was added:\nLine 2: Wanderers v Villa on 07-Mar-2000 is already entered as 2-2, half-time 1-0; the file has 2-2 with no half-time score.\n");
        row("import, a device read only up to the largest CSV file", "import " + file("cup.trn") + " --group 1 /dev/zero", 1, "", "tabulon-cli import: Cannot read /dev/zero: it is larger than any CSV file of results can be (32 MiB).\n");
        row("new, one name written two ways", "new " + file("season.trn") + " --name Spring --location Leeds " + file("clash.csv"), 1, "", "tabulon-cli new: nothing was written:\n" + file("clash.csv") + ": Line 3, column away: \"alpha\" and \"Alpha\" on line 2 are one name written two ways; two teams of a group may not share a name.\n");
        row("new, two groups from one file", "new " + file("season.trn") + " --name Spring --location Leeds" + season + season, 0, "Wrote " + file("season.trn") + "\n1. Group A: 4 teams, 2 lines\n2. Group B: 4 teams, 2 lines\n", "");
        row("new over an existing file", "new " + file("cup.trn") + " --name Spring --location Leeds" + season, 1, "", "tabulon-cli new: " + file("cup.trn") + " exists already; nothing was written.\n");
        row("new, a rule twice", "new " + file("season.trn") + " --name Spring --location Leeds --rules 1,2,1" + season, 2, "", "tabulon-cli new: --rules needs rule codes from 1 to ");
        row("report, missing database", report + "2", 1, "", "tabulon-cli report: Error 14 - unable to open database file.\n", file("Absent.mdb"));
        row("report, xlsx to a folder", report + "1 --format xlsx --output " + m_folder.path(), 1, "", "tabulon-cli report: Cannot write " + m_folder.path() + ": " + m_folder.path() + " is a folder.\n");

        const QString calendar = "calendar " + kTwoGroups + " --group 1 --output ";
        row("calendar, one team's games", calendar + file("city.ics") + " --team City", 0, "Wrote 1 event to " + file("city.ics") + "\n", "");
        row("calendar, team not in the group", calendar + file("town.ics") + " --team Town", 1, "", "tabulon-cli calendar: group 1 has no team \"Town\".\n");
        row("calendar without --output", "calendar " + kTwoGroups + " --group 1", 2, "", "Usage: tabulon-cli calendar FILE.trn --group N [--team NAME] --output OUT.ics\n");
        row("calendar, the knockout games", "calendar " + kKnockoutCup + " --knockout --output " + file("cup.ics"), 0, "Wrote 5 events to " + file("cup.ics") + "\n", "");
        row("calendar, a stage without dates, its game with a time", "calendar " + file("undated_plan.trn") + " --knockout --output " + file("plan.ics"), 0, "Wrote 1 event to " + file("plan.ics") + "\n", "");
        row("calendar, no knockout stage", "calendar " + kTwoGroups + " --knockout --output " + file("town.ics"), 1, "", "tabulon-cli calendar: " + kTwoGroups + " has no knockout stage.\n");
        row("calendar, --knockout with --group", "calendar " + kKnockoutCup + " --knockout --group 1 --output " + file("town.ics"), 2, "", "Usage: tabulon-cli calendar FILE.trn --knockout --output OUT.ics\n");
        row("bracket, text", "bracket " + kKnockoutCup, 0, "Semi-finals (01-Apr-2000 and 08-Apr-2000)\nSF1    Rovers v Town, Leeds (1st leg)                   2-0\n       Town, Leeds v Rovers (2nd leg)                   1-1\n       Winner: Rovers\nSF2    United v City (1st leg)                          1-1\n       City v United (2nd leg)                          1-1  a.e.t.\n       Winner: City on penalties (4-3)\n\nFinal (15-Apr-2000)\nF      Rovers v City                           to be played\n", "");
        row("bracket, csv", "bracket " + kKnockoutCup + " --format csv", 0, "tie,round,leg,home,away,home_ft,away_ft,home_aet,away_aet,home_pens,away_pens,winner\nSF1,Semi-finals,1,Rovers,\"Town, Leeds\",2,0,,,,,\n", "");
        row("bracket, html", "bracket " + kKnockoutCup + " --format html", 0, "<!DOCTYPE html>\n", "");
        row("bracket, no knockout stage", "bracket " + kTwoGroups, 1, "", "tabulon-cli bracket: " + kTwoGroups + " has no knockout stage.\n");
        row("bracket, format not known", "bracket " + kKnockoutCup + " --format pdf", 2, "", "tabulon-cli bracket: --format needs text, csv or html, not \"pdf\".\n");
        row("publish", "publish " + kTwoGroups + ' ' + file("site") + " --today 15-Mar-2000", 0, "Published 2 groups to " + file("site") + "\n", "");
        row("publish, folder of other files", "publish " + kTwoGroups + ' ' + m_folder.path(), 1, "", "tabulon-cli publish: " + m_folder.path() + " holds other files");
        row("publish, folder under a file", "publish " + kTwoGroups + ' ' + file("cup.trn/site"), 1, "", "tabulon-cli publish: Cannot make the folder " + file("cup.trn/site") + ": Not a directory.\n");
        row("serve, port not a number", "serve " + kTwoGroups + " --port http", 2, "", "tabulon-cli serve: --port needs a number from 0 to 65535, not \"http\".\n");
        row("serve, address not this computer's", "serve " + kTwoGroups + " --address 192.0.2.1 --port 0", 1, "", "tabulon-cli serve: Cannot listen on 192.0.2.1 port 0: Cannot assign requested address.\n");
        row("serve, missing file", "serve " + file("absent.trn"), 1, "", "tabulon-cli serve: Cannot read " + file("absent.trn") + ": No such file or directory.\n");
        const QString adjust = "adjust " + file("cup.trn") + " --group 2 --team ";
        row("adjust, a second deduction added", adjust + "Rangers --points -3 --reason appeal", 0, "Rangers has a points adjustment of -3 in 2. Division B (-5 points in all).\n", "");
        row("adjust, --clear removes them", adjust + "Rangers --clear", 0, "Rangers has no points adjustment in 2. Division B.\n", "");
        row("adjust, 0 points refused", adjust + "Rangers --points 0", 2, "", "tabulon-cli adjust: --points 0 is no adjustment; --clear removes a team's adjustments.\n");
        row("adjust, a team of another group", adjust + "Rovers --points -3", 1, "", "tabulon-cli adjust: 2. Division B has no team \"Rovers\".\n");
        row("adjust, points beyond 16 bits", adjust + "Rangers --points 40000", 2, "", "tabulon-cli adjust: --points needs a whole number from -32768 to 32767, not \"40000\".\n");
        const QString cupFile = file("cup.trn");
        row("knockout from both a template and seeds", "knockout " + cupFile + " --template a.csv --seeds b.csv", 2, "", "Usage: tabulon-cli knockout FILE.trn (--template T.csv | --seeds TEAMS.csv)");
        row("knockout, three legs", "knockout " + cupFile + " --seeds b.csv --legs QF=3", 2, "", "tabulon-cli knockout: --legs takes rounds and their legs, as \"R16=1,QF=2,SF=2,F=1\" (1 or 2 legs each), not \"QF=3\".\n");
        row("knockout, a team in two places", "knockout " + cupFile + " --template " + file("twice.csv"), 1, "", "tabulon-cli knockout: Line 3: \"3AB\" can be the same team as \"3B\" on line 2: a team has one place in the bracket.\n");
        row("knockout, not a regular file", "knockout " + cupFile + " --template /dev/zero", 1, "", "tabulon-cli knockout: Cannot read /dev/zero: it is not a regular file.\n");
        row("knockout, a line break in a name", "knockout " + cupFile + " --seeds " + file("line_break.csv"), 1, "", "tabulon-cli knockout: Line 4: a team's name cannot hold a line break.\n");
        row("knockout, games after 3000", "knockout " + cupFile + " --seeds " + file("four_teams.csv") + " --start 3000-12-30 --gap 7", 1, "", "tabulon-cli knockout: The knockout games would be played from 30-Dec-3000 to 06-Jan-3001; a calendar holds the days from 01-Jan-0100 to 31-Dec-3000.\n");
        row("check, a team in two knockout places", "check " + file("twice.trn"), 1, "", "Line 40 of " + file("twice.trn") + ": knockout place 2 holds \"Rovers\", as knockout place 1 does: a team has one place in the bracket.\n");
        row("check, a knockout name quoted as it stands", "check " + file("renamed.trn"), 1, "", "Line 40 of " + file("renamed.trn") + ": knockout place 2 names \"R%3x\", but team 1 of group 1 is \"United\".\n");
        row("knockout, seeded list of one team", "knockout " + cupFile + " --seeds " + file("one_team.csv"), 1, "", "tabulon-cli knockout: A knockout stage has 2 to 64 entrants.\n");
        row("knockout result without a stage", "knockout-result " + cupFile + " --tie F --score 1-0", 1, "", "tabulon-cli knockout-result: " + cupFile + " has no knockout stage; tabulon-cli knockout sets one up.\n");
        row("knockout result typed 1:0", "knockout-result " + cupFile + " --tie F --score 1:0", 2, "", "tabulon-cli knockout-result: --score needs a score as \"2-1\" (the home team's goals first, at most 999), not \"1:0\".\n");
        const QString timetable = "timetable " + file("cup16.trn") + " --pitches P1,P2,P3 --day 12-Jun-2027 --game 20 --changeover 5 --rest 20 --to 18:00 --from ";
        row("timetable, a day too short", timetable + "09:00 --to 10:00", 1, "", "tabulon-cli timetable: 24 games need at least 8 rounds of 25 minutes on 3 pitches; 09:00-10:00 holds 2.\n");
        row("timetable, a time not read", timetable + "9h", 1, "", "tabulon-cli timetable: --from needs a time as HH:MM, not \"9h\".\n");
        row("timetable, minutes not read", timetable + "09:00 --knockout-game half", 1, "", "tabulon-cli timetable: --knockout-game needs a whole number of minutes from 1 to 1440, not \"half\".\n");
        row("timetable, hours of no team", timetable + "09:00 --available Rovers=10:30-18:00", 1, "", "tabulon-cli timetable: No group has a team called \"Rovers\".\n");
        row("timetable, a break not read", timetable + "09:00 --break 12:30", 1, "", "tabulon-cli timetable: --break needs a time span as 12:30-13:00, not \"12:30\".\n");
        row("timetable, no plan to print", "timetable " + file("cup16.trn") + " --format csv", 1, "", "tabulon-cli timetable: " + file("cup16.trn") + " has no timetable; tabulon-cli timetable with --pitches, --day and the hours plans the day.\n");
        row("ranking without a stage or template", "ranking " + cupFile + " --position 3", 1, "", "tabulon-cli ranking: " + cupFile + " has no knockout stage to say who qualifies");
        // clang-format on
    }
    void commands()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, database);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QStringList args = commandLine.split(u' ', Qt::SkipEmptyParts);
        writeSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), database);
        QString outText;
        QString errText;
        QTextStream outStream(&outText);
        QTextStream errStream(&errText);
        QCOMPARE(runCli(args, outStream, errStream), exitCode);
        outStream.flush();
        errStream.flush();
        QCOMPARE(outText.left(out.size()), out);
        QCOMPARE(outText.isEmpty(), out.isEmpty());
        QCOMPARE(errText.left(err.size()), err);
        QCOMPARE(errText.isEmpty(), err.isEmpty());

        // No refusal leaves anything behind.
        for (const char* name : { "out.trn", "gone", "Absent.mdb", "town.ics", "index.html" })
            QVERIFY2(!QFile::exists(file(name)), name);
        QVERIFY(!QFile::exists(m_folder.path() + ".xlsx"));
        QCOMPARE(QDir(m_folder.path()).entryList({ ".*" }, QDir::Files | QDir::Hidden), QStringList());
        TournamentData expected = cup(); // a refusal leaves the file alone
        if (args.value(0) == QLatin1String("import") && exitCode == 0 && args.contains("--repeats"))
            expected.groups[1].recordLines << "R:14-Mar-2000:::3:0:0:2";
        else if (args.value(0) == QLatin1String("import") && exitCode == 0)
            expected.groups[0].recordLines = QStringList { "R:14-Mar-2000:::2:1:0:1", "F:21-Mar-2000:2:3" };
        if (args.value(0) == QLatin1String("adjust") && exitCode == 0)
            expected.groups[1].adjustments = outText.contains("no points")
                ? PointsAdjustments()
                : PointsAdjustments { { 1, -2, "late" }, { 1, -3, "appeal" } };
        if (args.value(0) == QLatin1String("generate") && exitCode == 0) {
            QStringList& lines = expected.groups[0].recordLines;
            const auto build = args.contains("--balanced") ? buildBalancedSchedule : buildSchedule;
            lines = build(shuffledTeamOrder(6, seededFractions(5)), 2, QDate(2000, 3, 1), 7, 0).lines;
            QVERIFY(sortByRecordDate(lines));
        }
        QCOMPARE(contentsOf(file("cup.trn")), formatTournament(expected).value_or(QByteArray()));
        if (exitCode != 0)
            QCOMPARE(contentsOf(file("cup16.trn")), contentsOf(kCup16));
        if (args.value(0) == QLatin1String("resave") && exitCode == 0) {
            const QByteArray written = contentsOf(file("utf8.trn"));
            QVERIFY(written.contains("Atl\xC3\xA9tico Madrid\r\n"));
            QCOMPARE(written, formatTournament(*parseTournament(contentsOf(kWindowsFile)).data).value());
        }
    }

    // Every command that writes a tournament file refuses one a Tabulon window holds and leaves it as it was; the
    // lock of a Tabulon that was killed holds nothing up.
    void refusesAFileInUse_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("held"); // by a running program; else its program was killed
        const QString cup = file("cup.trn");
        QTest::newRow("adjust") << "adjust " + cup + " --group 2 --team Rangers --clear" << true;
        QTest::newRow("generate") << "generate " + cup + " --group 1 --start 01-Mar-2000 --gap 7" << true;
        QTest::newRow("import") << "import " + cup + " --group 1 " + file("season.csv") << true;
        QTest::newRow("knockout") << "knockout " + cup + " --seeds " + file("one_team.csv") << true;
        QTest::newRow("knockout-result") << "knockout-result " + cup + " --tie F --score 1-0" << true;
        QTest::newRow("timetable") << "timetable " + cup
                + " --pitches P1 --day 12-Jun-2027 --from 09:00 --to 18:00 --game 20 --changeover 5 --rest 20"
                                   << true;
        QTest::newRow("resave over it") << "resave " + kTwoGroups + ' ' + cup << true;
        QTest::newRow("adjust, the lock of a killed Tabulon")
            << "adjust " + cup + " --group 2 --team Rangers --clear" << false;
    }
    void refusesAFileInUse()
    {
        QFETCH(QString, commandLine);
        QFETCH(bool, held);
        const QString cup = file("cup.trn");
        const QByteArray before = contentsOf(cup);
        TournamentFileLock window;
        if (held)
            QCOMPARE(window.lock(cup), TournamentFileLock::Result::Locked);
        else
            QVERIFY(writeStaleLock(TournamentFileLock::lockPathFor(cup)));
        QString outText;
        QString errText;
        QTextStream outStream(&outText);
        QTextStream errStream(&errText);
        QCOMPARE(runCli(commandLine.split(u' '), outStream, errStream), held ? 1 : 0);
        errStream.flush();
        QCOMPARE(errText.section(QStringLiteral(": "), -1),
                 held ? QStringLiteral("cup.trn is open in Tabulon; close it there first.\n") : QString());
        QCOMPARE(contentsOf(cup) == before, held);
        window.unlock();
        QCOMPARE(QDir(m_folder.path()).entryList({ ".*" }, QDir::Files | QDir::Hidden), QStringList());
    }

    // Each competition, made from its matches with the rule order it used and given its points adjustments, has
    // its official table through tabulon-cli table: place, W, D, L, goals and Pts of every team.
    void officialSeasons_data()
    {
        QTest::addColumn<QString>("season");
        QTest::addColumn<QString>("rules");
        for (const char* season : { "eng_premier_league_2011_12", "eng_premier_league_2023_24" })
            QTest::newRow(season) << season << "1,2,3";
        for (const char* season : { "esp_la_liga_2014_15", "euro_2012_group_a", "euro_2024_group_e" })
            QTest::newRow(season) << season << "1,6,2,3";
        QTest::newRow("world_cup_2018_group_b") << "world_cup_2018_group_b"
                                                << "1,2,3,6";
    }
    void officialSeasons()
    {
        QFETCH(QString, season);
        QFETCH(QString, rules);
        const QString base = QStringLiteral(TABULON_TEST_DATA "/seasons/") + season;
        const auto rowsOf = [](const QString& path) { return readCsv(contentsOf(path)).rows.mid(1); };
        const auto run = [](const QStringList& args) {
            QString outText;
            QTextStream outStream(&outText);
            QTextStream errStream(stderr);
            return runCli(args, outStream, errStream) == 0 ? (outStream.flush(), outText) : QString();
        };
        writeSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), file("TempDB.mdb"));
        const QString trn = file("season.trn");
        QVERIFY(
            !run({ "new", trn, "--name", season, "--location", "home", "--rules", rules, base + ".csv" }).isEmpty());
        if (season == QLatin1String("eng_premier_league_2011_12")) {
            // A secretary's season: the schedule generated first, then the results imported over it, twice.
            TournamentData data = *readTournamentFile(trn).data;
            data.groups[0].recordLines.clear();
            QVERIFY(saveTournamentFile(data, trn));
            QVERIFY(!run({ "generate", trn, "--group", "1", "--start", "13-Aug-2011", "--gap", "7", "--home-away" })
                         .isEmpty());
            QCOMPARE(run({ "import", trn, "--group", "1", base + ".csv" }),
                     "Replaced 380 fixtures of 1. Group A with their results.\n");
            QCOMPARE(run({ "import", trn, "--group", "1", base + ".csv" }),
                     "Nothing was added to 1. Group A: 380 rows were already entered.\n");
            QCOMPARE(run({ "check", trn }).section(u'\n', 1), "1. Group A: 20 teams, 0 fixtures, 380 results\n");
        }
        const QList<CsvRow> given = rowsOf(base + ".adjustments.csv"); // Everton 2023-24 has two, each with its reason
        for (const CsvRow& row : given)
            QVERIFY(!run({ "adjust", trn, "--group", "1", "--team", row.cells[0], "--points", row.cells[1], "--reason",
                           row.cells[2] })
                         .isEmpty());
        QCOMPARE(parseTournament(contentsOf(trn)).data->groups[0].adjustments.size(), given.size());

        QStringList lines = run({ "table", trn }).split(u'\n', Qt::SkipEmptyParts);
        const QStringList header = lines.takeFirst().split(u'\t');
        QStringList computed;
        for (int place = 1; place <= lines.size(); ++place) {
            const QStringList cells = lines[place - 1].split(u'\t');
            computed << QString::number(place) + ' ' + cells[0];
            for (const char* column : { "Won", "Drawn", "Lost", "For", "Against", "Pts" })
                computed.last() += ' ' + cells[header.indexOf(column)];
        }
        QStringList official; // "pos,team,played,won,drawn,lost,gf,ga,gd,pts"
        for (const CsvRow& row : rowsOf(base + ".table.csv")) {
            const QStringList& r = row.cells;
            official << QStringList { r[0], r[1], r[3], r[4], r[5], r[6], r[7], r[9] }.join(' ');
        }
        QVERIFY(official.size() >= 4);
        QCOMPARE(computed, official);

        // The published site's league table is the same, adjustments included.
        const QString site = file("site-") + season;
        QVERIFY(!run({ "publish", trn, site, "--today", "01-Jun-2024" }).isEmpty());
        const QStringList page = QString::fromUtf8(contentsOf(site + "/group-1-results.htm")).split("\r\n");
        const QRegularExpression teamCell("^<TR><TD Align=Left>(.*)</TD>$"), figureCell(">(-?[0-9]+)</TD>");
        QStringList published;
        for (int line = int(page.indexOf("<TR><TD><h4>League Table</h4></TD></TR>")); line > 0 && line < page.size();
             ++line) {
            const QRegularExpressionMatch team = teamCell.match(page[line]);
            if (!team.hasMatch())
                continue;
            QStringList figures; // W, D, L, F, A, GD, Pts
            for (int f = 1; f <= 7; ++f)
                figures << figureCell.match(page.value(line + f)).captured(1);
            QString name = team.captured(1);
            name.replace("&amp;", "&").replace("&#39;", "'").replace("&quot;", "\"");
            published << QString::number(published.size() + 1) + ' ' + name + ' '
                    + QStringList { figures[0], figures[1], figures[2], figures[3], figures[4], figures[6] }.join(' ');
        }
        QCOMPARE(published, official);
    }

    // The 2018 World Cup through tabulon-cli alone: its eight groups made from their games, the round
    // of 16 set up from the official slots (refused while a group has a game to play), every knockout
    // game entered as reported, three shoot-outs among them: each pairing and winner is the real one.
    void worldCup2018()
    {
        writeSetting(kCompany, kProduct, QStringLiteral("DatabaseName"), file("TempDB.mdb"));
        const QString data = QStringLiteral(TABULON_TEST_DATA "/world_cup_2018/");
        const auto run = [](const QStringList& args, int status = 0) { return printedBy(args, status, true); };
        QStringList groups;
        for (const char g : QByteArray("abcdefgh"))
            groups << data + "group_" + g + ".csv";
        const QStringList newTournament { "new",     "--name",  "World Cup",     "--location", "Russia",
                                          "--rules", "1,2,3,6", "--group-title", "Group" };
        QFile lastGameUnplayed(file("group_h.csv"));
        QVERIFY(lastGameUnplayed.open(QIODevice::WriteOnly));
        lastGameUnplayed.write(contentsOf(groups.last())
                                   .replace("2018-06-28,Senegal,Colombia,0,0,0,1", "2018-06-28,Senegal,Colombia,,,,"));
        lastGameUnplayed.close();
        const QString unfinished = file("unfinished.trn");
        const QString trn = file("world_cup.trn");
        const QStringList setUp { "--template", data + "template.csv", "--third-place" };
        QVERIFY(
            !run(newTournament + QStringList { unfinished } + groups.mid(0, 7) + QStringList { file("group_h.csv") })
                 .startsWith("exit"));
        QCOMPARE(run(QStringList { "knockout", unfinished } + setUp, 1),
                 "tabulon-cli knockout: 8. Group H still has games to play: enter every result before the "
                 "knockout stage is set up.\n");
        QVERIFY(!run(newTournament + QStringList { trn } + groups).startsWith("exit"));

        QList<CsvRow> games
            = readCsv(contentsOf(data + "knockout.csv")).rows.mid(1); // tie,first,second,ft,aet,pens,winner
        QStringList pairs { "Set up a knockout stage from the Round of 16:" };
        for (const CsvRow& game : games.mid(0, 8))
            pairs << game.cells[0] + ": " + game.cells[1] + " v " + game.cells[2];
        QCOMPARE(run(QStringList { "knockout", trn } + setUp).split('\n', Qt::SkipEmptyParts), pairs);
        for (const auto& [position, qualified] : { std::pair { "2", ",yes" }, std::pair { "3", ",no" } }) {
            const QStringList ranking = run({ "ranking", trn, "--position", position }).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(ranking.size(), 9);
            QCOMPARE(ranking.filter(qualified).size(), 8);
        }

        for (const CsvRow& game : games) {
            const QStringList& cells = game.cells;
            QStringList args { "knockout-result", trn, "--tie", cells[0], "--score", cells[3] };
            if (!cells[4].isEmpty())
                args << "--extra-time" << cells[4];
            if (!cells[5].isEmpty())
                args << "--penalties" << cells[5];
            const QString said = run(args);
            QVERIFY2(said.endsWith(cells[6]
                                   + (cells[0] == "F"        ? " win the Final.\n"
                                          : cells[0] == "3P" ? " take third place.\n"
                                                             : " go through.\n")),
                     qPrintable(said));
        }
        // The bracket, a row per game, holds every score as reported.
        QStringList reported { "tie,home,away,home_ft,away_ft,home_aet,away_aet,home_pens,away_pens,winner" };
        for (const CsvRow& game : games) {
            const QStringList& c = game.cells;
            const auto goals = [](const QString& score) {
                return score.isEmpty() ? QString(",") : QString(score).replace('-', ',');
            };
            reported << QStringList { c[0], c[1], c[2], goals(c[3]), goals(c[4]), goals(c[5]), c[6] }.join(',');
        }
        QStringList bracket;
        for (const CsvRow& row : readCsv(run({ "bracket", trn, "--format", "csv" }).toUtf8()).rows) {
            QStringList cells = row.cells;
            cells.remove(1, 2); // round, leg
            bracket << cells.join(',');
        }
        QCOMPARE(bracket, reported);
        QCOMPARE(run({ "check", trn }).section('\n', -2),
                 "Knockout stage: Round of 16 to Final, 16 results of 16, champion France\n");
    }

    // The cup's day planned, then its games printed a row each, the knockout games by the bracket's names.
    void timetable()
    {
        const QString cup = file("cup16.trn");
        const auto run = [](const QStringList& args) { return printedBy(args, 0, false); };
        QCOMPARE(run({ "timetable",
                       cup,
                       "--pitches",
                       "Pitch 1,Pitch 2,Pitch 3",
                       "--day",
                       "12-Jun-2027",
                       "--from",
                       "09:00",
                       "--to",
                       "18:00",
                       "--game",
                       "20",
                       "--knockout-game",
                       "30",
                       "--changeover",
                       "5",
                       "--rest",
                       "20",
                       "--break",
                       "12:30-13:00",
                       "--available",
                       "Town, Leeds=10:30-18:00",
                       "--knockout",
                       kCup16Template,
                       "--third-place" }),
                 "Planned 32 games on 3 pitches, 09:00 to 16:05 on 12-Jun-2027 (no plan can end before 15:45).\n");
        const QStringList rows = run({ "timetable", cup, "--format", "csv" }).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 33);
        QCOMPARE(rows.first(), "date,start,end,pitch,stage,tie,leg,home,away");
        QCOMPARE(rows[1], "12-Jun-2027,09:00,09:20,Pitch 1,1. Group A,,,Celtic,Dynamo");
        QCOMPARE(rows.filter(",QF1,").value(0), "12-Jun-2027,13:20,13:50,Pitch 3,Knockout,QF1,,1A,2B");
        QCOMPARE(rows.filter("Group B,,,Galatasaray,\"Town, Leeds\"").value(0).left(17), "12-Jun-2027,10:30");
    }

    // The executable itself: its arguments, its standard output in UTF-8 and the database beside it.
    void executable()
    {
        QTemporaryDir configHome;
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TABULON_CLI), { QStringLiteral("table"), kTwoGroups });
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QString());
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), kEveryGroup);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
