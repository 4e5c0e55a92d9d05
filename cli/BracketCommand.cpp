// tabulon-cli bracket: a tournament's knockout stage as text, CSV or a web page.
#include "cli/Commands.h"
#include "core/common/FullStop.h"
#include "core/reports/BracketExport.h"
#include "core/reports/Report.h"
#include "core/tournament/TournamentFile.h"

#include <QCommandLineParser>

namespace {

const char* const kUsage = "Usage: tabulon-cli bracket FILE.trn [--format text|csv|html]\n";

int refuse(QTextStream& err, const QString& message, int status)
{
    err << "tabulon-cli bracket: " << withFullStop(message) << '\n';
    return status;
}

} // namespace

int runBracketCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"),
                                          QStringLiteral("text"));
    parser.addOption(formatOption);
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { QStringLiteral("bracket") } + args)) {
        err << "tabulon-cli bracket: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    if (parser.positionalArguments().size() != 1) {
        err << kUsage;
        return 2;
    }
    const QString format = parser.value(formatOption);
    if (!QStringList { QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("html") }.contains(format))
        return refuse(err, QStringLiteral("--format needs text, csv or html, not \"%1\".").arg(format), 2);

    const QString path = parser.positionalArguments().first();
    const TournamentReadResult read = readTournamentFile(path);
    if (!read.ok())
        return refuse(err, read.error, 1);
    if (!read.data->knockout)
        return refuse(err, QStringLiteral("%1 has no knockout stage.").arg(path), 1);
    const KnockoutStage& stage = *read.data->knockout;
    if (format == QLatin1String("csv"))
        out << QString::fromUtf8(bracketCsv(stage));
    else if (format == QLatin1String("html"))
        out << QString::fromUtf8(bracketHtml(shortTitleOf(read.data->title), stage));
    else
        out << bracketText(stage);
    return 0;
}
