// tabulon-cli generate: File > Generate Fixtures (with --balanced, File > Generate Balanced
// Fixtures) without windows.
#include "cli/Commands.h"
#include "cli/GroupOption.h"
#include "core/common/FailureText.h"
#include "core/common/FullStop.h"
#include "core/records/RecordLines.h"
#include "core/schedule/BalancedSchedule.h"
#include "core/schedule/FixtureGeneration.h"
#include "core/tournament/TournamentFile.h"
#include "core/tournament/TournamentFileLock.h"

#include <QCommandLineParser>
#include <QTime>
#include <limits>

namespace {

const char* const kUsage = "Usage: tabulon-cli generate FILE.trn --group N --start DD-MMM-YYYY --gap DAYS "
                           "[--home-away] [--balanced] [--seed S]\n";

int refuse(QTextStream& err, const QString& message, int status = 1)
{
    err << "tabulon-cli generate: " << withFullStop(message) << '\n';
    return status;
}

} // namespace

int runGenerateCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption groupOption(QStringLiteral("group"), QString(), QStringLiteral("N"));
    const QCommandLineOption startOption(QStringLiteral("start"), QString(), QStringLiteral("DD-MMM-YYYY"));
    const QCommandLineOption gapOption(QStringLiteral("gap"), QString(), QStringLiteral("DAYS"));
    const QCommandLineOption homeAwayOption(QStringLiteral("home-away"));
    const QCommandLineOption balancedOption(QStringLiteral("balanced"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QString(), QStringLiteral("S"));
    parser.addOptions({ groupOption, startOption, gapOption, homeAwayOption, balancedOption, seedOption });
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { QStringLiteral("generate") } + args)) {
        err << "tabulon-cli generate: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    if (parser.positionalArguments().size() != 1 || !parser.isSet(groupOption) || !parser.isSet(startOption)
        || !parser.isSet(gapOption)) {
        err << kUsage;
        return 2;
    }
    const QString path = parser.positionalArguments().first();

    QString groupError;
    const std::optional<int> typedGroup = readGroupOption(parser.value(groupOption), &groupError);
    if (!typedGroup)
        return refuse(err, groupError, 2);
    const int groupNumber = *typedGroup;
    bool isNumber = false;
    const QDate start = parseRecordDate(parser.value(startOption));
    if (!start.isValid())
        return refuse(
            err, QStringLiteral("--start needs a date such as 01-Mar-2000, not \"%1\".").arg(parser.value(startOption)),
            2);
    const int gap = parser.value(gapOption).toInt(&isNumber);
    if (!isNumber || gap < std::numeric_limits<qint16>::min() || gap > std::numeric_limits<qint16>::max())
        return refuse(err,
                      QStringLiteral("--gap needs a whole number of days from %1 to %2, not \"%3\".")
                          .arg(std::numeric_limits<qint16>::min())
                          .arg(std::numeric_limits<qint16>::max())
                          .arg(parser.value(gapOption)),
                      2);
    // Without a seed the shuffle is seeded from the time of day, as in the program.
    quint32 seed = static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay());
    if (parser.isSet(seedOption)) {
        seed = parser.value(seedOption).toUInt(&isNumber);
        if (!isNumber)
            return refuse(err,
                          QStringLiteral("--seed needs a whole number from 0 to 4294967295, not \"%1\".")
                              .arg(parser.value(seedOption)),
                          2);
    }
    const int legs = parser.isSet(homeAwayOption) ? 2 : 1;

    TournamentFileLock lock;
    if (lock.lock(path) == TournamentFileLock::Result::InUse)
        return refuse(err, fileInUseMessage(path));
    QString readError;
    TournamentDocument document;
    if (!openTournamentWithGroup(document, path, groupNumber, &readError))
        return refuse(err, readError);
    const GroupRecords& group = document.group(groupNumber);
    const int n = document.settings().TeamsInGroup[groupNumber];
    switch (fixtureRefusal(n, group.teams(), group.storedLines())) {
    case FixtureRefusal::None:
        break;
    case FixtureRefusal::NotEmpty:
        return refuse(err,
                      QStringLiteral("Cannot create fixtures unless fixture list is empty: group %1 holds %2 %3.")
                          .arg(groupNumber)
                          .arg(group.size())
                          .arg(group.size() == 1 ? QStringLiteral("line") : QStringLiteral("lines")));
    case FixtureRefusal::TooFewTeams:
        return refuse(err,
                      QStringLiteral("Cannot create fixtures for a group with fewer than two teams: group %1 "
                                     "has %2.")
                          .arg(groupNumber)
                          .arg(n));
    case FixtureRefusal::MissingTeamNames:
        return refuse(err,
                      QStringLiteral("group %1 should have %2 teams but lists %3 team names.")
                          .arg(groupNumber)
                          .arg(n)
                          .arg(group.teams().size()));
    }

    const FixtureGeneration generation
        = generateFixtures(group.storedLines(), shuffledTeamOrder(n, seededFractions(seed)), legs, start, gap,
                           parser.isSet(balancedOption) ? buildBalancedSchedule : buildSchedule);
    if (!generation.ok())
        return refuse(err, failureText(generation.failure.number, generation.failure.description));
    document.setItems(groupNumber, generation.lines,
                      parser.isSet(balancedOption) ? TournamentDocument::ItemsChange::GenerateBalancedFixtures
                                                   : TournamentDocument::ItemsChange::GenerateFixtures);

    QString error;
    if (!document.save(path, &error))
        return refuse(err, error);
    out << "Added " << generation.added << " fixtures to " << document.groupCaption(groupNumber) << ", "
        << formatRecordDate(generation.firstDate) << " to " << formatRecordDate(generation.lastDate) << ".\n";
    return 0;
}
