// tabulon-cli ranking: the teams placed the same in every group, ranked across the groups as the
// knockout stage ranks its best thirds.
#include "cli/Commands.h"
#include "cli/GroupOption.h"
#include "core/common/BoundedFile.h"
#include "core/common/FullStop.h"
#include "core/knockout/KnockoutTemplate.h"
#include "core/records/CsvRows.h"
#include "core/setup/KnockoutSetup.h"

#include <QCommandLineParser>

namespace {

const char* const kUsage = "Usage: tabulon-cli ranking FILE.trn --position N [--template T.csv]\n";

int refuse(QTextStream& err, const QString& message, int status = 1)
{
    err << "tabulon-cli ranking: " << withFullStop(message) << '\n';
    return status;
}

} // namespace

int runRankingCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption positionOption(QStringLiteral("position"), QString(), QStringLiteral("N"));
    const QCommandLineOption templateOption(QStringLiteral("template"), QString(), QStringLiteral("T.csv"));
    parser.addOptions({ positionOption, templateOption });
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { QStringLiteral("ranking") } + args)) {
        err << "tabulon-cli ranking: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    if (parser.positionalArguments().size() != 1 || !parser.isSet(positionOption)) {
        err << kUsage;
        return 2;
    }
    bool isNumber = false;
    const int position = parser.value(positionOption).toInt(&isNumber);
    if (!isNumber || position < 1)
        return refuse(
            err,
            QStringLiteral("--position needs a place in a group from 1, not \"%1\".").arg(parser.value(positionOption)),
            2);

    const QString path = parser.positionalArguments().first();
    QString error;
    const std::optional<TournamentData> tournament = readTournamentWithGroup(path, 0, &error);
    if (!tournament)
        return refuse(err, error);
    const std::optional<QVector<QVector<LeagueRow>>> tables = leagueTables(*tournament, cliDatabaseName(), &error);
    if (!tables)
        return refuse(err, error);

    // Who qualifies: the stage's entrants, or those a template would place from today's tables.
    QVector<KnockoutStage::Place> entrants;
    if (parser.isSet(templateOption)) {
        const std::optional<QByteArray> bytes = readCsvFile(parser.value(templateOption), &error);
        KnockoutSetup setup;
        setup.file = bytes.value_or(QByteArray());
        const std::optional<KnockoutStage> stage
            = bytes ? setUpKnockoutStage(*tournament, setup, cliDatabaseName(), &error) : std::nullopt;
        if (!stage)
            return refuse(err, error);
        entrants = stage->places();
    } else if (tournament->knockout) {
        entrants = tournament->knockout->places();
    } else {
        return refuse(err,
                      QStringLiteral("%1 has no knockout stage to say who qualifies; set one up with tabulon-cli "
                                     "knockout, or name a template with --template.")
                          .arg(path));
    }

    out << "rank,group,team,played,won,drawn,lost,for,against,diff,pts,qualified\n";
    const QVector<RankedTeam> ranked = rankAcrossGroups(*tables, tournament->rulesInOrder(), position);
    for (int rank = 1; rank <= ranked.size(); ++rank) {
        const RankedTeam& team = ranked[rank - 1];
        const LeagueRow& row = team.row;
        const QStringList& teams = tournament->groups[team.group].teams;
        const int number = row.teamNumber >= 0 ? row.teamNumber : int(teams.indexOf(row.name));
        const bool qualified = std::any_of(entrants.begin(), entrants.end(), [&](const KnockoutStage::Place& place) {
            return place && place->group == team.group + 1 && place->number == number;
        });
        QStringList cells { QString::number(rank), csvCell(tournament->groups[team.group].caption), csvCell(row.name) };
        for (const qint64 figure : { row.won + row.drawn + row.lost, row.won, row.drawn, row.lost, row.goalsFor,
                                     row.against, row.diff, row.pts })
            cells.append(QString::number(figure));
        cells.append(qualified ? QStringLiteral("yes") : QStringLiteral("no"));
        out << cells.join(u',') << '\n';
    }
    return 0;
}
