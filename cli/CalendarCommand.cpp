// tabulon-cli calendar: a group's games, or one team's, as an iCalendar file.
#include "cli/Commands.h"
#include "cli/GroupOption.h"
#include "core/common/FullStop.h"
#include "core/reports/CalendarExport.h"
#include "core/reports/ReportFile.h"
#include "core/tournament/TournamentFile.h"

#include <QCommandLineParser>

namespace {

const char* const kUsage = "Usage: tabulon-cli calendar FILE.trn --group N [--team NAME] --output OUT.ics\n";

int refuse(QTextStream& err, const QString& message, int status)
{
    err << "tabulon-cli calendar: " << withFullStop(message) << '\n';
    return status;
}

} // namespace

int runCalendarCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption groupOption(QStringLiteral("group"), QString(), QStringLiteral("N"));
    const QCommandLineOption teamOption(QStringLiteral("team"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("OUT.ics"));
    parser.addOptions({ groupOption, teamOption, outputOption });
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { QStringLiteral("calendar") } + args)) {
        err << "tabulon-cli calendar: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    if (parser.positionalArguments().size() != 1 || !parser.isSet(groupOption) || !parser.isSet(outputOption)) {
        err << kUsage;
        return 2;
    }
    QString groupError;
    const std::optional<int> typedGroup = readGroupOption(parser.value(groupOption), &groupError);
    if (!typedGroup)
        return refuse(err, groupError, 2);
    const int groupNumber = *typedGroup;

    QString readError;
    std::optional<TournamentData> read
        = readTournamentWithGroup(parser.positionalArguments().first(), groupNumber, &readError);
    if (!read)
        return refuse(err, readError, 1);
    const TournamentData& tournament = *read;
    const TournamentGroupData& group = tournament.groups[groupNumber - 1];
    const QString team = parser.value(teamOption);
    if (parser.isSet(teamOption) && !group.teams.contains(team))
        return refuse(err, QStringLiteral("group %1 has no team \"%2\".").arg(QString::number(groupNumber), team), 1);

    const Calendar calendar
        = buildCalendar({ tournament.title, groupNumber, group.caption, group.teams, group.recordLines, team });
    const QString path = parser.value(outputOption);
    QString error;
    if (!saveReportFile(calendar.text, path, &error))
        return refuse(err, QStringLiteral("Cannot write %1: %2").arg(path, error), 1);
    out << "Wrote " << calendar.events << (calendar.events == 1 ? " event to " : " events to ") << path << '\n';
    return 0;
}
