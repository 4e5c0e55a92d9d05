// tabulon-cli calendar: a group's games, or one team's, or the knockout games, as an iCalendar file.
#include "cli/Commands.h"
#include "cli/GroupOption.h"
#include "core/common/FullStop.h"
#include "core/reports/CalendarExport.h"
#include "core/reports/ReportFile.h"
#include "core/tournament/FileGroupRecords.h"
#include "core/tournament/TournamentFile.h"

#include <QCommandLineParser>

namespace {

const char* const kUsage = "Usage: tabulon-cli calendar FILE.trn --group N [--team NAME] --output OUT.ics\n";
const char* const kKnockoutUsage = "Usage: tabulon-cli calendar FILE.trn --knockout --output OUT.ics\n";

int refuse(QTextStream& err, const QString& message, int status)
{
    err << "tabulon-cli calendar: " << withFullStop(message) << '\n';
    return status;
}

int writeCalendar(const Calendar& calendar, const QString& path, QTextStream& out, QTextStream& err)
{
    QString error;
    if (!saveReportFile(calendar.text, path, &error))
        return refuse(err, QStringLiteral("Cannot write %1: %2").arg(path, error), 1);
    out << "Wrote " << calendar.events << (calendar.events == 1 ? " event to " : " events to ") << path << '\n';
    return 0;
}

int writeKnockoutCalendar(const QString& file, const QString& path, QTextStream& out, QTextStream& err)
{
    const TournamentReadResult read = readTournamentFile(file);
    if (!read.ok())
        return refuse(err, read.error, 1);
    if (!read.data->knockout)
        return refuse(err, QStringLiteral("%1 has no knockout stage.").arg(file), 1);
    // A stage without a start date still has the days of the games the timetable gives a slot.
    const std::optional<Timetable>& timetable = read.data->timetable;
    if (!read.data->knockout->startDate().isValid() && (!timetable || timetable->knockout.isEmpty()))
        return refuse(
            err, QStringLiteral("The knockout stage of %1 has no dates: set it up with a start date.").arg(file), 1);
    return writeCalendar(
        buildKnockoutCalendar(read.data->title, *read.data->knockout, QDateTime::currentDateTimeUtc(), timetable), path,
        out, err);
}

} // namespace

int runCalendarCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption groupOption(QStringLiteral("group"), QString(), QStringLiteral("N"));
    const QCommandLineOption teamOption(QStringLiteral("team"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("OUT.ics"));
    const QCommandLineOption knockoutOption(QStringLiteral("knockout"));
    parser.addOptions({ groupOption, teamOption, outputOption, knockoutOption });
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { QStringLiteral("calendar") } + args)) {
        err << "tabulon-cli calendar: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    const bool knockout = parser.isSet(knockoutOption);
    if (parser.positionalArguments().size() != 1 || parser.isSet(groupOption) == knockout
        || (knockout && parser.isSet(teamOption)) || !parser.isSet(outputOption)) {
        err << (knockout ? kKnockoutUsage : kUsage);
        return 2;
    }
    if (knockout)
        return writeKnockoutCalendar(parser.positionalArguments().first(), parser.value(outputOption), out, err);
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
        = buildCalendar({ tournament.title, groupNumber, group.caption, recordsOfGroup(group), team,
                          tournament.timetable ? tournament.timetable->settings.pitches : QStringList() });
    return writeCalendar(calendar, parser.value(outputOption), out, err);
}
