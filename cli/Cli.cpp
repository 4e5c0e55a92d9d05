#include "cli/Commands.h"

namespace {

const char* const kUsage = R"(Usage: tabulon-cli COMMAND [ARGUMENTS]

Commands:
  check FILE.trn
      Reads a tournament file with the same checks as File > Open and prints its title and, per
      group, its caption, team count, fixture count and result count.
  resave IN.trn OUT.trn
      Reads a tournament file and writes it back as UTF-8 (for example to convert a file written
      by the Windows edition).
  generate FILE.trn --group N --start DD-MMM-YYYY --gap DAYS [--home-away] [--balanced] [--seed S]
      Fills an empty group with a round-robin schedule of fixtures and writes the file back.
      --balanced gives every team at most two home or two away games in a row, as File > Generate
      Balanced Fixtures does.
  table FILE.trn [--group N] [--why]
      Prints the league table of a group (of every group without --group) as tab-separated text.
      --why adds a last column saying why each team stands below the one above it.
  adjust FILE.trn --group N --team NAME (--points P [--reason TEXT] | --clear)
      Adds a points adjustment (negative for a deduction) to a team of a group, after any it has,
      or with --clear removes all of the team's adjustments, and writes the file back.
  report FILE.trn --group N [--today DD-MMM-YYYY] [--format text|tagged|rtf|html|xlsx] [--output PATH]
      Prints a group's results report, as the Results Report button makes it: the results under
      their dates, then the league table. --format text (the default) gives the report's text,
      tagged the lines the HTML and spreadsheet exports read, rtf an RTF document, html the web
      page of Save HTML (UTF-8); lines end in CR LF. xlsx writes the workbook of Save Excel and
      needs --output (".xlsx" is added to a name without an extension). --today puts another
      date in the heading; --output writes to a file instead. A group without fixtures or
      results prints nothing.
  fixtures FILE.trn --group N [--today DD-MMM-YYYY] [--format text|tagged|rtf|html|xlsx] [--output PATH]
      Prints a group's fixture list, as the Fixture List button makes it, in the same forms.
  import FILE.trn --group N [--repeats] DATA.csv
      Adds the fixtures and results of a CSV file (a header row naming date, home, away and,
      optionally, home_ht, away_ht, home_ft, away_ft) to a group, sorts it by date and writes
      the file back. Every row is checked first: any refusal adds nothing. A row whose home
      and away teams have a result on another date (a second game between them) is refused
      unless --repeats is given.
  new OUT.trn --name NAME --location PLACE [--win 3] [--draw 1] [--rules 1,2,3] [--group-title Group]
      DATA.csv [DATA2.csv ...]
      Makes a tournament with one group per CSV file (at most 8), its teams the names the file
      holds in alphabetical order, its fixtures and results imported as above.
  calendar FILE.trn --group N [--team NAME] --output OUT.ics
      Writes a group's fixtures and results, or one team's, as an iCalendar file: an all-day
      event per game, which keeps its identity across exports so that a subscribed calendar
      updates it instead of adding a copy.
  calendar FILE.trn --knockout --output OUT.ics
      Writes the knockout stage's games (of a stage with dates) as such a file, a game whose
      teams are not known yet as "Winner QF1 v Winner QF2".
  publish FILE.trn OUTDIR [--today DD-MMM-YYYY]
      Writes the whole tournament as a web site for phones and desktops: index.html links a
      page per group (its league table, results by date and fixtures), a page per team and
      the knockout bracket; each group page links its printable pages (the results page and
      fixture list of Save HTML) and its calendar. OUTDIR is made when missing; a folder
      holding other files is refused unless it holds a site published earlier, which is
      replaced. A knockout stage with dates also gets its calendar.
  serve FILE.trn [--address 127.0.0.1] [--port 8080]
      Serves the same site live from FILE.trn until Ctrl+C: a change to the file shows on
      every open page within two seconds. Listens on this computer alone unless --address
      names one of its network addresses (then anyone on that network can read the pages);
      --port 0 takes any free port.
  bracket FILE.trn [--format text|csv|html]
      Prints the knockout stage: text (the default) lists each round's ties, results and
      winners and the champion; csv has one row per game (tie,round,leg,home,away,home_ft,
      away_ft,home_aet,away_aet,home_pens,away_pens,winner; the winner on the deciding game's
      row; empty cells for what is not known yet); html is the site's bracket page.
  knockout FILE.trn (--template T.csv | --seeds TEAMS.csv) [--legs R16=1,QF=1,SF=1,F=1]
      [--third-place] [--away-goals] [--start YYYY-MM-DD --gap DAYS] [--replace]
      Sets up the knockout stage after the groups and writes the file back. A template (header
      tie,home,away) places the group teams in the first round: 1A is the winner of the first
      group, 2C the runner-up of the third, 3ADEF one of the best thirds of groups A, D, E or F,
      bye a bye; rows "thirds,CDEF,R16-3=F R16-4=E ..." say where the thirds of exactly those
      groups go. Every group it names must have played all its games. A seeded list (header
      team, best seed first) is drawn 1 v 16, 8 v 9, ..., the top seeds given any byes. --legs
      plays rounds in two legs; --away-goals counts away goals in them. --start and --gap date
      the games. A stage with results is replaced only with --replace.
  knockout-result FILE.trn --tie CODE --score H-A [--leg 2] [--extra-time H-A] [--penalties H-A]
      [--clear-later]
      Enters the result of a tie (R16-3, QF1, SF2, 3P, F), its home team's goals first as the
      bracket lists the game, and writes the file back. --extra-time is that game's score after
      extra time; --penalties the shoot-out. A result that changes who plays a later tie that
      has a result is refused unless --clear-later clears those results.
  ranking FILE.trn --position N [--template T.csv]
      Prints, as CSV, the teams placed N-th in each group, ranked across the groups as the
      knockout stage ranks them, and whether each one qualified for the knockout stage (by the
      stage set up, or by the template named).
  timetable FILE.trn --pitches "Pitch 1,Pitch 2" --day DD-MMM-YYYY [--day DD-MMM-YYYY] --from HH:MM
      --to HH:MM --game MINUTES [--knockout-game MINUTES] --changeover MINUTES --rest MINUTES
      [--break HH:MM-HH:MM]... [--available "TEAM=HH:MM-HH:MM"]... [--knockout T.csv [--third-place]]
      Plans the day, as Plan the Day does, and writes the file back: every group game without a
      result and the knockout games (of the stage set up, or of the template --knockout names) get
      a kick-off time and a pitch, ending as early as the rules allow. --changeover is the least
      time between games on a pitch, --rest a team's least time between its games; --break keeps
      every pitch free, --available gives a team's only hours; --knockout-game defaults to --game.
      A played game keeps its slot, and the games left are planned after the last of those ends.
  timetable FILE.trn --format csv
      Prints the planned games in time order as CSV: date,start,end,pitch,stage,tie,leg,home,away
      (a knockout game's teams as the bracket names them while they are not known).

  --help  Shows this text.
)";

} // namespace

int runCli(QStringList args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty()) {
        err << kUsage;
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        out << kUsage;
        return 0;
    }
    if (command == QLatin1String("check"))
        return runCheckCommand(args, out, err);
    if (command == QLatin1String("resave"))
        return runResaveCommand(args, out, err);
    if (command == QLatin1String("generate"))
        return runGenerateCommand(args, out, err);
    if (command == QLatin1String("table"))
        return runTableCommand(args, out, err);
    if (command == QLatin1String("report"))
        return runReportCommand(args, out, err);
    if (command == QLatin1String("fixtures"))
        return runFixturesCommand(args, out, err);
    if (command == QLatin1String("import"))
        return runImportCommand(args, out, err);
    if (command == QLatin1String("new"))
        return runNewCommand(args, out, err);
    if (command == QLatin1String("calendar"))
        return runCalendarCommand(args, out, err);
    if (command == QLatin1String("publish"))
        return runPublishCommand(args, out, err);
    if (command == QLatin1String("adjust"))
        return runAdjustCommand(args, out, err);
    if (command == QLatin1String("knockout"))
        return runKnockoutCommand(args, out, err);
    if (command == QLatin1String("knockout-result"))
        return runKnockoutResultCommand(args, out, err);
    if (command == QLatin1String("ranking"))
        return runRankingCommand(args, out, err);
    if (command == QLatin1String("bracket"))
        return runBracketCommand(args, out, err);
    if (command == QLatin1String("timetable"))
        return runTimetableCommand(args, out, err);
    if (command == QLatin1String("serve"))
        return runServeCommand(args, out, err);
    err << "tabulon-cli: unknown command \"" << command << "\"\n\n" << kUsage;
    return 2;
}
