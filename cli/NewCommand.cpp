// tabulon-cli new: a tournament made from CSV files, one group per file.
#include "cli/Commands.h"
#include "core/common/BoundedFile.h"
#include "core/common/FullStop.h"
#include "core/common/Limits.h"
#include "core/setup/SeasonFromCsv.h"
#include "core/setup/TournamentSetup.h"
#include "core/tournament/TournamentFile.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

const char* const kUsage = "Usage: tabulon-cli new OUT.trn --name NAME --location PLACE [--win 3] [--draw 1] "
                           "[--rules 1,2,3] [--group-title Group] DATA.csv [DATA2.csv ...]\n";

int refuse(QTextStream& err, const QString& message, int status = 1)
{
    err << "tabulon-cli new: " << withFullStop(message) << '\n';
    return status;
}

// The rule codes as typed ("1,6,2,3"): known codes, each once. Nothing when they are not.
std::optional<QList<qint16>> readRules(const QString& text)
{
    const int known = int(ruleEntries().size());
    QList<qint16> rules;
    for (const QString& part : text.split(u',')) {
        bool isNumber = false;
        const int code = part.trimmed().toInt(&isNumber);
        if (!isNumber || code < 1 || code > known || rules.contains(qint16(code)))
            return std::nullopt;
        rules.append(qint16(code));
    }
    return rules;
}

} // namespace

int runNewCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption nameOption(QStringLiteral("name"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption locationOption(QStringLiteral("location"), QString(), QStringLiteral("PLACE"));
    const QCommandLineOption winOption(QStringLiteral("win"), QString(), QStringLiteral("POINTS"), QStringLiteral("3"));
    const QCommandLineOption drawOption(QStringLiteral("draw"), QString(), QStringLiteral("POINTS"),
                                        QStringLiteral("1"));
    const QCommandLineOption rulesOption(QStringLiteral("rules"), QString(), QStringLiteral("CODES"),
                                         QStringLiteral("1,2,3"));
    const QCommandLineOption titleOption(QStringLiteral("group-title"), QString(), QStringLiteral("TITLE"),
                                         QStringLiteral("Group"));
    parser.addOptions({ nameOption, locationOption, winOption, drawOption, rulesOption, titleOption });
    if (!parser.parse(QStringList { QStringLiteral("new") } + args)) {
        err << "tabulon-cli new: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    QStringList files = parser.positionalArguments();
    if (files.size() < 2 || !parser.isSet(nameOption) || !parser.isSet(locationOption)) {
        err << kUsage;
        return 2;
    }
    const QString path = files.takeFirst();
    if (files.size() > kMaxGroups)
        return refuse(err,
                      QStringLiteral("a tournament has at most %1 groups, one per file; %2 files were given.")
                          .arg(kMaxGroups)
                          .arg(files.size()),
                      2);
    SeasonRequest request;
    request.name = parser.value(nameOption).trimmed();
    request.location = parser.value(locationOption).trimmed();
    request.groupTitle = parser.value(titleOption).trimmed();
    if (request.name.isEmpty() || request.location.isEmpty() || request.groupTitle.isEmpty())
        return refuse(err, QStringLiteral("--name, --location and --group-title need a text."), 2);
    const QString win = parser.value(winOption);
    const QString draw = parser.value(drawOption);
    if (win != QLatin1String("2") && win != QLatin1String("3"))
        return refuse(err, QStringLiteral("--win needs 2 or 3 points, not \"%1\".").arg(win), 2);
    if (draw != QLatin1String("0") && draw != QLatin1String("1") && draw != QLatin1String("2"))
        return refuse(err, QStringLiteral("--draw needs 0, 1 or 2 points, not \"%1\".").arg(draw), 2);
    request.pointsForWin = qint16(win.toInt());
    request.pointsForDraw = qint16(draw.toInt());
    const std::optional<QList<qint16>> rules = readRules(parser.value(rulesOption));
    if (!rules)
        return refuse(
            err,
            QStringLiteral("--rules needs rule codes from 1 to %1, each once, separated by commas, not \"%2\".")
                .arg(ruleEntries().size())
                .arg(parser.value(rulesOption)),
            2);
    request.rules = *rules;
    if (QFileInfo::exists(path))
        return refuse(err, QStringLiteral("%1 exists already; nothing was written.").arg(path));

    QString error;
    for (const QString& file : files) {
        const std::optional<QByteArray> contents = readCsvFile(file, &error);
        if (!contents)
            return refuse(err, error);
        request.groupFiles.append({ file, *contents });
    }
    const SeasonFromCsv season = seasonFromCsv(request);
    if (!season.tournament)
        return refuse(err, QStringLiteral("nothing was written:\n") + season.refusal.join(u'\n'));
    if (!saveTournamentFile(*season.tournament, path, &error))
        return refuse(err, error);
    out << "Wrote " << path << '\n';
    for (const TournamentGroupData& group : season.tournament->groups)
        out << group.caption << ": " << group.teams.size() << " teams, " << group.recordLines.size() << " lines\n";
    return 0;
}
