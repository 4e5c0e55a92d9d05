// tabulon-cli table: a group's league table without windows, computed by the same code and in the
// same temporary database as the League Table button.
#include "cli/Commands.h"
#include "cli/GroupOption.h"
#include "core/common/FullStop.h"
#include "core/standings/Standings.h"
#include "core/tournament/DatabaseLocation.h"
#include "core/tournament/FileGroupRecords.h"
#include "core/tournament/ProgramFolders.h"
#include "core/tournament/TournamentFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>

namespace {

const char* const kUsage = "Usage: tabulon-cli table FILE.trn [--group N]\n";

int refuse(QTextStream& err, const QString& message, int status = 1)
{
    err << "tabulon-cli table: " << withFullStop(message) << '\n';
    return status;
}

// A tab inside a team name would shift every later column of its line.
QString cellText(const QVariant& value)
{
    return value.toString().replace(u'\t', u' ');
}

void printTable(const LeagueTable& table, bool withWhy, QTextStream& out)
{
    out << table.columns.join(u'\t') << (withWhy ? "\tWhy\n" : "\n");
    for (int r = 0; r < table.rows.size(); ++r) {
        QStringList cells;
        for (const QString& column : table.columns)
            cells.append(cellText(leagueRowValue(table.rows[r], column)));
        if (withWhy)
            cells.append(cellText(table.why.value(r)));
        out << cells.join(u'\t') << '\n';
    }
}

} // namespace

QString cliDatabaseName()
{
    return settleDatabaseName(programFolders(QCoreApplication::applicationDirPath()),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

int runTableCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption groupOption(QStringLiteral("group"), QString(), QStringLiteral("N"));
    const QCommandLineOption whyOption(QStringLiteral("why"));
    parser.addOptions({ groupOption, whyOption });
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { QStringLiteral("table") } + args)) {
        err << "tabulon-cli table: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    if (parser.positionalArguments().size() != 1) {
        err << kUsage;
        return 2;
    }
    int onlyGroup = 0;
    if (parser.isSet(groupOption)) {
        QString groupError;
        const std::optional<int> typedGroup = readGroupOption(parser.value(groupOption), &groupError);
        if (!typedGroup)
            return refuse(err, groupError, 2);
        onlyGroup = *typedGroup;
    }

    QString readError;
    std::optional<TournamentData> read
        = readTournamentWithGroup(parser.positionalArguments().first(), onlyGroup, &readError);
    if (!read)
        return refuse(err, readError);
    const TournamentData& tournament = *read;

    const QString databaseName = cliDatabaseName();
    const int first = onlyGroup > 0 ? onlyGroup : 1;
    const int last = onlyGroup > 0 ? onlyGroup : int(tournament.GroupCount);
    const bool withCaptions = last > first;
    for (int number = first; number <= last; ++number) {
        const TournamentGroupData& group = tournament.groups[number - 1];
        const GroupRecords records = recordsOfGroup(group);
        const StandingsOutcome outcome = computeStandings(standingsRequestFor(records, tournament), databaseName);
        if (!outcome.ok())
            return refuse(err, QStringLiteral("%1 (temporary database %2)").arg(outcome.error, databaseName));
        if (outcome.skippedLines > 0)
            err << "tabulon-cli table: " << group.caption << ": " << outcome.skippedLines
                << " result line(s) could not be read or name no team of the group; they were left out.\n";
        if (withCaptions) {
            if (number > first)
                out << '\n';
            out << group.caption << '\n';
        }
        printTable(outcome.table, parser.isSet(whyOption), out);
    }
    return 0;
}
