// tabulon-cli publish: the whole tournament as a folder of web pages.
#include "cli/Commands.h"
#include "core/common/FullStop.h"
#include "core/records/RecordLines.h"
#include "core/reports/WebSite.h"
#include "core/tournament/TournamentFile.h"

#include <QCommandLineParser>

namespace {

const char* const kUsage = "Usage: tabulon-cli publish FILE.trn OUTDIR [--today DD-MMM-YYYY]\n";

int refuse(QTextStream& err, const QString& message, int status)
{
    err << "tabulon-cli publish: " << withFullStop(message) << '\n';
    return status;
}

} // namespace

int runPublishCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption todayOption(QStringLiteral("today"), QString(), QStringLiteral("DD-MMM-YYYY"));
    parser.addOption(todayOption);
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    parser.addPositionalArgument(QStringLiteral("folder"), QString());
    if (!parser.parse(QStringList { QStringLiteral("publish") } + args)) {
        err << "tabulon-cli publish: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    if (parser.positionalArguments().size() != 2) {
        err << kUsage;
        return 2;
    }
    const QDate today = parser.isSet(todayOption) ? parseRecordDate(parser.value(todayOption)) : QDate::currentDate();
    if (!today.isValid())
        return refuse(
            err, QStringLiteral("--today needs a date such as 07-Mar-2000, not \"%1\".").arg(parser.value(todayOption)),
            2);

    const TournamentReadResult read = readTournamentFile(parser.positionalArguments().first());
    if (!read.ok())
        return refuse(err, read.error, 1);
    const QString folder = parser.positionalArguments().at(1);
    const PublishOutcome published = publishWebSite(*read.data, folder, today, cliDatabaseName());
    if (!published.ok())
        return refuse(err, published.error, 1);
    const qsizetype groups = read.data->groups.size();
    out << "Published " << groups << (groups == 1 ? " group to " : " groups to ") << folder << '\n';
    return 0;
}
