// tabulon-cli report and fixtures: a group's results report or fixture list without windows, made
// by the same builders as the group window's buttons.
#include "cli/Commands.h"
#include "cli/GroupOption.h"
#include "core/common/FullStop.h"
#include "core/records/RecordLines.h"
#include "core/reports/FixtureListReport.h"
#include "core/reports/ReportExport.h"
#include "core/reports/ReportFile.h"
#include "core/reports/ReportRtf.h"
#include "core/reports/ResultsReport.h"
#include "core/tournament/FileGroupRecords.h"
#include "core/tournament/TournamentFile.h"

#include <QCommandLineParser>

namespace {

int runReport(const QString& command, const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString usage = QStringLiteral("Usage: tabulon-cli %1 FILE.trn --group N [--today DD-MMM-YYYY] "
                                         "[--format text|tagged|rtf|html|xlsx] [--output PATH]\n")
                              .arg(command);
    const auto refuse = [&](const QString& message, int status) {
        err << "tabulon-cli " << command << ": " << withFullStop(message) << '\n';
        return status;
    };
    QCommandLineParser parser;
    const QCommandLineOption groupOption(QStringLiteral("group"), QString(), QStringLiteral("N"));
    const QCommandLineOption todayOption(QStringLiteral("today"), QString(), QStringLiteral("DD-MMM-YYYY"));
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"),
                                          QStringLiteral("text"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QString(), QStringLiteral("PATH"));
    parser.addOptions({ groupOption, todayOption, formatOption, outputOption });
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { command } + args)) {
        err << "tabulon-cli " << command << ": " << parser.errorText() << '\n' << usage;
        return 2;
    }
    if (parser.positionalArguments().size() != 1 || !parser.isSet(groupOption)) {
        err << usage;
        return 2;
    }
    QString groupError;
    const std::optional<int> typedGroup = readGroupOption(parser.value(groupOption), &groupError);
    if (!typedGroup)
        return refuse(groupError, 2);
    const int groupNumber = *typedGroup;
    const QDate today = parser.isSet(todayOption) ? parseRecordDate(parser.value(todayOption)) : QDate::currentDate();
    if (!today.isValid())
        return refuse(
            QStringLiteral("--today needs a date such as 07-Mar-2000, not \"%1\".").arg(parser.value(todayOption)), 2);
    const QString format = parser.value(formatOption);
    const QStringList formats { QStringLiteral("text"), QStringLiteral("tagged"), QStringLiteral("rtf"),
                                QStringLiteral("html"), QStringLiteral("xlsx") };
    if (!formats.contains(format))
        return refuse(QStringLiteral("--format needs text, tagged, rtf, html or xlsx, not \"%1\".").arg(format), 2);
    if (format == QLatin1String("xlsx") && !parser.isSet(outputOption))
        return refuse(QStringLiteral("--format xlsx needs --output PATH."), 2);

    QString readError;
    std::optional<TournamentData> read
        = readTournamentWithGroup(parser.positionalArguments().first(), groupNumber, &readError);
    if (!read)
        return refuse(readError, 1);
    const TournamentData& tournament = *read;
    const TournamentGroupData& group = tournament.groups[groupNumber - 1];
    const GroupRecords records = recordsOfGroup(group);
    if (records.size() == 0) // as the group window's buttons do nothing then
        return 0;

    const ReportHeading heading { shortTitleOf(tournament.title), group.caption, today };
    // The exports and the tagged lines are made from the content alone.
    const ReportForms forms = format == QLatin1String("text") || format == QLatin1String("rtf")
        ? ReportForms::TextAndContent
        : ReportForms::ContentOnly;
    const QStringList pitches = tournament.timetable ? tournament.timetable->settings.pitches : QStringList();
    const Report report = command == QLatin1String("report")
        ? makeResultsReport(heading, records, tournament, cliDatabaseName(), pitches, forms)
        : buildFixtureList(heading, records, pitches, forms);
    if (!report.ok())
        return refuse(report.error, 1);

    if (format == QLatin1String("xlsx")) {
        const QString path = withWorkbookExtension(parser.value(outputOption));
        QString error;
        if (!saveWorkbook(report.content, path, &error))
            return refuse(QStringLiteral("Cannot write %1: %2").arg(path, error), 1);
        return 0;
    }
    QByteArray bytes;
    if (format == QLatin1String("html")) {
        bytes = exportHtml(report.content);
    } else if (format == QLatin1String("rtf")) {
        bytes = reportRtf(report.text);
    } else if (format == QLatin1String("tagged")) {
        for (const QString& line : report.taggedLines())
            bytes += line.toUtf8() + "\r\n";
    } else {
        bytes = report.text.toUtf8();
    }
    if (!parser.isSet(outputOption)) {
        // fromUtf8 drops a byte-order mark; the page keeps its own.
        if (bytes.startsWith("\xEF\xBB\xBF"))
            out << QChar(0xFEFF);
        out << QString::fromUtf8(bytes);
        return 0;
    }
    QString error;
    if (!saveReportFile(bytes, parser.value(outputOption), &error))
        return refuse(QStringLiteral("Cannot write %1: %2").arg(parser.value(outputOption), error), 1);
    return 0;
}

} // namespace

int runReportCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return runReport(QStringLiteral("report"), args, out, err);
}

int runFixturesCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    return runReport(QStringLiteral("fixtures"), args, out, err);
}
