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
  generate FILE.trn --group N --start DD-MMM-YYYY --gap DAYS [--home-away] [--seed S]
      Fills an empty group with a round-robin schedule of fixtures and writes the file back.
  table FILE.trn [--group N] [--why]
      Prints the league table of a group (of every group without --group) as tab-separated text.
      --why adds a last column saying why each team stands below the one above it.
  adjust FILE.trn --group N --team NAME --points P [--reason TEXT]
      Gives a team of a group a points adjustment (negative for a deduction), replacing any it
      had, and writes the file back; --points 0 removes it.
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
    if (command == QLatin1String("adjust"))
        return runAdjustCommand(args, out, err);
    err << "tabulon-cli: unknown command \"" << command << "\"\n\n" << kUsage;
    return 2;
}
