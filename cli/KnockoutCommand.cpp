// tabulon-cli knockout and knockout-result: File > Set Up Knockout Stage and the result of a tie
// without windows.
#include "cli/Commands.h"
#include "cli/GroupOption.h"
#include "core/common/FullStop.h"
#include "core/knockout/TieResultText.h"
#include "core/setup/KnockoutSetup.h"
#include "core/tournament/TournamentFileLock.h"

#include <QCommandLineParser>

namespace {

const char* const kSetUpUsage
    = "Usage: tabulon-cli knockout FILE.trn (--template T.csv | --seeds TEAMS.csv) [--legs R16=1,QF=1,SF=1,F=1]\n"
      "       [--third-place] [--away-goals] [--start YYYY-MM-DD --gap DAYS] [--replace]\n";
const char* const kResultUsage = "Usage: tabulon-cli knockout-result FILE.trn --tie CODE --score H-A [--leg 2]\n"
                                 "       [--extra-time H-A] [--penalties H-A] [--clear-later]\n";

int refuse(QTextStream& err, const char* command, const QString& message, int status = 1)
{
    err << "tabulon-cli " << command << ": " << withFullStop(message) << '\n';
    return status;
}

// "R16=2,QF=1": the round sizes and their legs; nothing, with the reason in `error`, else.
std::optional<QMap<int, int>> readLegsOption(const QString& text, QString* error)
{
    static const QMap<QString, int> kRounds {
        { QStringLiteral("R64"), 64 }, { QStringLiteral("R32"), 32 }, { QStringLiteral("R16"), 16 },
        { QStringLiteral("QF"), 8 },   { QStringLiteral("SF"), 4 },   { QStringLiteral("F"), 2 },
    };
    QMap<int, int> legs;
    for (const QString& item : text.split(u',')) {
        const QString round = item.section(u'=', 0, 0).trimmed();
        const QString count = item.section(u'=', 1).trimmed();
        if (!kRounds.contains(round) || (count != QLatin1String("1") && count != QLatin1String("2"))) {
            *error = QStringLiteral("--legs takes rounds and their legs, as \"R16=1,QF=2,SF=2,F=1\" (1 or 2 "
                                    "legs each), not \"%1\".")
                         .arg(item);
            return std::nullopt;
        }
        legs[kRounds[round]] = count.toInt();
    }
    return legs;
}

QString teamName(const KnockoutStage& stage, const QString& code, TieSide side)
{
    const std::optional<KnockoutTeam> team = stage.team(code, side);
    return team ? team->name : QStringLiteral("bye");
}

} // namespace

int runKnockoutCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const char* const name = "knockout";
    QCommandLineParser parser;
    const QCommandLineOption templateOption(QStringLiteral("template"), QString(), QStringLiteral("T.csv"));
    const QCommandLineOption seedsOption(QStringLiteral("seeds"), QString(), QStringLiteral("TEAMS.csv"));
    const QCommandLineOption legsOption(QStringLiteral("legs"), QString(), QStringLiteral("ROUNDS"));
    const QCommandLineOption thirdPlaceOption(QStringLiteral("third-place"));
    const QCommandLineOption awayGoalsOption(QStringLiteral("away-goals"));
    const QCommandLineOption startOption(QStringLiteral("start"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption gapOption(QStringLiteral("gap"), QString(), QStringLiteral("DAYS"));
    const QCommandLineOption replaceOption(QStringLiteral("replace"));
    parser.addOptions({ templateOption, seedsOption, legsOption, thirdPlaceOption, awayGoalsOption, startOption,
                        gapOption, replaceOption });
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { QString::fromLatin1(name) } + args)) {
        err << "tabulon-cli knockout: " << parser.errorText() << '\n' << kSetUpUsage;
        return 2;
    }
    if (parser.positionalArguments().size() != 1 || parser.isSet(templateOption) == parser.isSet(seedsOption)
        || parser.isSet(startOption) != parser.isSet(gapOption)) {
        err << kSetUpUsage;
        return 2;
    }
    KnockoutSetup setup;
    setup.entrants
        = parser.isSet(seedsOption) ? KnockoutSetup::Entrants::SeededList : KnockoutSetup::Entrants::Template;
    setup.thirdPlaceMatch = parser.isSet(thirdPlaceOption);
    setup.awayGoals = parser.isSet(awayGoalsOption);
    QString error;
    if (parser.isSet(legsOption)) {
        const std::optional<QMap<int, int>> legs = readLegsOption(parser.value(legsOption), &error);
        if (!legs)
            return refuse(err, name, error, 2);
        setup.legs = *legs;
    }
    if (parser.isSet(startOption)) {
        setup.startDate = QDate::fromString(parser.value(startOption), Qt::ISODate);
        bool isNumber = false;
        setup.daysBetweenRounds = parser.value(gapOption).toInt(&isNumber);
        if (!setup.startDate.isValid())
            return refuse(
                err, name,
                QStringLiteral("--start needs a date as YYYY-MM-DD, not \"%1\".").arg(parser.value(startOption)), 2);
        if (!isNumber || setup.daysBetweenRounds < 0 || setup.daysBetweenRounds > 366)
            return refuse(err, name,
                          QStringLiteral("--gap needs a whole number of days from 0 to 366, not \"%1\".")
                              .arg(parser.value(gapOption)),
                          2);
    }
    const QString entrantsPath = parser.value(parser.isSet(seedsOption) ? seedsOption : templateOption);
    const std::optional<QByteArray> entrants = readEntrantsFile(entrantsPath, &error);
    if (!entrants)
        return refuse(err, name, error);
    setup.file = *entrants;

    const QString path = parser.positionalArguments().first();
    TournamentFileLock lock;
    if (lock.lock(path) == TournamentFileLock::Result::InUse)
        return refuse(err, name, fileInUseMessage(path));
    TournamentDocument document;
    if (!openTournamentWithGroup(document, path, 0, &error))
        return refuse(err, name, error);
    if (document.knockout() && !document.knockout()->results().isEmpty() && !parser.isSet(replaceOption))
        return refuse(err, name,
                      QStringLiteral("%1 already has a knockout stage with results; --replace sets up a new one "
                                     "in its place, without them.")
                          .arg(path));
    const std::optional<KnockoutStage> stage = setUpKnockoutStage(document.data(), setup, cliDatabaseName(), &error);
    if (!stage)
        return refuse(err, name, error);
    document.setKnockoutStage(stage);
    if (!document.save(path, &error))
        return refuse(err, name, error);
    out << "Set up a knockout stage from the " << roundName(stage->size()) << ":\n";
    for (const QString& code : stage->tieCodes()) {
        const std::optional<TieId> tie = readTieCode(code);
        if (tie->roundSize == stage->size())
            out << code << ": " << teamName(*stage, code, TieSide::First) << " v "
                << teamName(*stage, code, TieSide::Second) << '\n';
    }
    return 0;
}

int runKnockoutResultCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const char* const name = "knockout-result";
    QCommandLineParser parser;
    const QCommandLineOption tieOption(QStringLiteral("tie"), QString(), QStringLiteral("CODE"));
    const QCommandLineOption scoreOption(QStringLiteral("score"), QString(), QStringLiteral("H-A"));
    const QCommandLineOption legOption(QStringLiteral("leg"), QString(), QStringLiteral("N"));
    const QCommandLineOption extraTimeOption(QStringLiteral("extra-time"), QString(), QStringLiteral("H-A"));
    const QCommandLineOption penaltiesOption(QStringLiteral("penalties"), QString(), QStringLiteral("H-A"));
    const QCommandLineOption clearLaterOption(QStringLiteral("clear-later"));
    parser.addOptions({ tieOption, scoreOption, legOption, extraTimeOption, penaltiesOption, clearLaterOption });
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { QString::fromLatin1(name) } + args)) {
        err << "tabulon-cli knockout-result: " << parser.errorText() << '\n' << kResultUsage;
        return 2;
    }
    if (parser.positionalArguments().size() != 1 || !parser.isSet(tieOption) || !parser.isSet(scoreOption)) {
        err << kResultUsage;
        return 2;
    }
    const QString leg = parser.isSet(legOption) ? parser.value(legOption) : QStringLiteral("1");
    if (leg != QLatin1String("1") && leg != QLatin1String("2"))
        return refuse(err, name, QStringLiteral("--leg is 1 or 2, not \"%1\".").arg(leg), 2);
    std::optional<GameScore> scores[3];
    const QCommandLineOption* options[3] = { &scoreOption, &extraTimeOption, &penaltiesOption };
    for (int i = 0; i < 3; ++i) {
        if (!parser.isSet(*options[i]))
            continue;
        scores[i] = readGameScore(parser.value(*options[i]));
        if (!scores[i])
            return refuse(err, name,
                          QStringLiteral("--%1 needs a score as \"2-1\" (the home team's goals first, at most %2), "
                                         "not \"%3\".")
                              .arg(options[i]->names().first())
                              .arg(kMaxTieGoals)
                              .arg(parser.value(*options[i])),
                          2);
    }

    const QString path = parser.positionalArguments().first();
    QString error;
    TournamentFileLock lock;
    if (lock.lock(path) == TournamentFileLock::Result::InUse)
        return refuse(err, name, fileInUseMessage(path));
    TournamentDocument document;
    if (!openTournamentWithGroup(document, path, 0, &error))
        return refuse(err, name, error);
    if (!document.knockout())
        return refuse(err, name,
                      QStringLiteral("%1 has no knockout stage; tabulon-cli knockout sets one up.").arg(path));
    const KnockoutStage& stage = *document.knockout();
    const QString code = parser.value(tieOption);
    const std::optional<TieId> tie = readTieCode(code);
    if (!tie || !stage.tieCodes().contains(code))
        return refuse(err, name,
                      QStringLiteral("the knockout stage has no tie \"%1\"; its ties are %2.")
                          .arg(code, stage.tieCodes().join(QStringLiteral(", "))));

    // The result the tie has after this game: a second leg completes the first.
    TieResult result;
    const std::optional<TieResult> before = stage.result(code);
    if (leg == QLatin1String("2")) {
        if (stage.games(code) != 2)
            return refuse(err, name, QStringLiteral("%1 is played in one game: leave out --leg.").arg(tieName(*tie)));
        if (!before)
            return refuse(err, name, QStringLiteral("Enter the first leg of %1 before the second.").arg(tieName(*tie)));
        result.legs = { before->legs.first(), *scores[0] };
    } else {
        result.legs = { *scores[0] };
        if (before && before->legs.size() == 2) // the first leg corrected: the second stays as entered
            result.legs.append(before->legs[1]);
    }
    result.extraTime = scores[1];
    result.penalties = scores[2];
    if (leg == QLatin1String("1") && before && before->legs.size() == 2 && !result.extraTime && !result.penalties) {
        result.extraTime = before->extraTime;
        result.penalties = before->penalties;
    }
    const auto laterResults = parser.isSet(clearLaterOption) ? TournamentDocument::LaterResults::Clear
                                                             : TournamentDocument::LaterResults::Keep;
    const QStringList cleared = stage.laterResultsChangedBy(code, result);
    if (!document.setTieResult(code, result, laterResults, &error)) {
        if (!cleared.isEmpty() && error == laterResultsNotice(cleared))
            error += QStringLiteral(" --clear-later clears the later results.");
        return refuse(err, name, error);
    }
    if (!document.save(path, &error))
        return refuse(err, name, error);
    const KnockoutStage& after = *document.knockout();
    const std::optional<KnockoutTeam> winner = after.winner(code);
    out << tieName(*tie) << ": " << teamName(after, code, TieSide::First) << " v "
        << teamName(after, code, TieSide::Second) << ", " << tieResultText(result) << ". "
        << (!winner                           ? QStringLiteral("The tie is not decided yet.")
                : code == QLatin1String("F")  ? winner->name + QStringLiteral(" win the Final.")
                : code == QLatin1String("3P") ? winner->name + QStringLiteral(" take third place.")
                                              : winner->name + QStringLiteral(" go through."))
        << '\n';
    if (laterResults == TournamentDocument::LaterResults::Clear && !cleared.isEmpty())
        out << "Cleared the results of " << cleared.join(QStringLiteral(", ")) << ".\n";
    return 0;
}
