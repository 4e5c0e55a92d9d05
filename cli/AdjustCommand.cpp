// tabulon-cli adjust: File > Points Adjustments without windows: adds one adjustment to a team, or
// removes all of a team's.
#include "cli/Commands.h"
#include "cli/GroupOption.h"
#include "core/common/FullStop.h"
#include "core/tournament/TournamentFile.h"
#include "core/tournament/TournamentFileLock.h"

#include <QCommandLineParser>
#include <limits>

namespace {

const char* const kUsage = "Usage: tabulon-cli adjust FILE.trn --group N --team NAME --points P [--reason TEXT]\n"
                           "       tabulon-cli adjust FILE.trn --group N --team NAME --clear\n";

int refuse(QTextStream& err, const QString& message, int status = 1)
{
    err << "tabulon-cli adjust: " << withFullStop(message) << '\n';
    return status;
}

} // namespace

int runAdjustCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption groupOption(QStringLiteral("group"), QString(), QStringLiteral("N"));
    const QCommandLineOption teamOption(QStringLiteral("team"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption pointsOption(QStringLiteral("points"), QString(), QStringLiteral("P"));
    const QCommandLineOption reasonOption(QStringLiteral("reason"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption clearOption(QStringLiteral("clear"));
    parser.addOptions({ groupOption, teamOption, pointsOption, reasonOption, clearOption });
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { QStringLiteral("adjust") } + args)) {
        err << "tabulon-cli adjust: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    const bool clear = parser.isSet(clearOption);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(groupOption) || !parser.isSet(teamOption)
        || parser.isSet(pointsOption) == clear || (clear && parser.isSet(reasonOption))) {
        err << kUsage;
        return 2;
    }
    const QString path = parser.positionalArguments().first();
    QString groupError;
    const std::optional<int> typedGroup = readGroupOption(parser.value(groupOption), &groupError);
    if (!typedGroup)
        return refuse(err, groupError, 2);
    const int groupNumber = *typedGroup;
    bool isNumber = clear;
    const int points = clear ? 0 : parser.value(pointsOption).toInt(&isNumber);
    if (!isNumber || points < std::numeric_limits<qint16>::min() || points > std::numeric_limits<qint16>::max())
        return refuse(err,
                      QStringLiteral("--points needs a whole number from %1 to %2, not \"%3\".")
                          .arg(std::numeric_limits<qint16>::min())
                          .arg(std::numeric_limits<qint16>::max())
                          .arg(parser.value(pointsOption)),
                      2);
    if (!clear && points == 0)
        return refuse(err, QStringLiteral("--points 0 is no adjustment; --clear removes a team's adjustments."), 2);

    TournamentFileLock lock;
    if (lock.lock(path) == TournamentFileLock::Result::InUse)
        return refuse(err, fileInUseMessage(path));
    QString readError;
    TournamentDocument document;
    if (!openTournamentWithGroup(document, path, groupNumber, &readError))
        return refuse(err, readError);
    const QString caption = document.groupCaption(groupNumber);
    const QStringList& teams = document.group(groupNumber).teams();
    const QString name = parser.value(teamOption);
    const int team = int(teams.indexOf(name));
    if (team < 0)
        return refuse(err, QStringLiteral("%1 has no team \"%2\".").arg(caption, name));
    if (teams.count(name) > 1)
        return refuse(err, QStringLiteral("%1 has more than one team \"%2\".").arg(caption, name));

    PointsAdjustments adjustments = document.group(groupNumber).adjustments();
    if (clear)
        removePointsAdjustments(adjustments, team);
    else
        addPointsAdjustment(adjustments, team, points, parser.value(reasonOption));
    document.setAdjustments(groupNumber, adjustments);
    QString error;
    if (!document.save(path, &error))
        return refuse(err, error);
    if (clear)
        out << name << " has no points adjustment in " << caption << ".\n";
    else
        out << name << " has a points adjustment of " << points << " in " << caption << " ("
            << adjustmentPoints(adjustments, team) << " points in all).\n";
    return 0;
}
