#include "KnockoutSetup.h"

#include "core/common/BoundedFile.h"
#include "core/knockout/KnockoutTemplate.h"
#include "core/records/CsvRows.h"
#include "core/standings/Standings.h"
#include "core/tournament/FileGroupRecords.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace {

template <typename T>
std::optional<T> refuse(QString* refusal, const QString& text)
{
    if (refusal)
        *refusal = text;
    return std::nullopt;
}

// "A and C" in a message: the groups' captions.
QString listed(const QStringList& names)
{
    if (names.size() < 2)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", "))
        + QCoreApplication::translate("KnockoutSetup", " and ") + names.last();
}

// The groups that still have fixtures to play, among `groups` (indices from 0).
QStringList groupsWithFixtures(const TournamentData& tournament, const QSet<int>& groups)
{
    QStringList captions;
    for (int g = 0; g < tournament.groups.size(); ++g) {
        if (!groups.contains(g))
            continue;
        if (recordsOfGroup(tournament.groups[g]).lineCounts().fixtures > 0)
            captions.append(tournament.groups[g].caption);
    }
    return captions;
}

int teamNumberOf(const LeagueRow& row, const QStringList& teams)
{
    return row.teamNumber >= 0 ? row.teamNumber : int(teams.indexOf(row.name));
}

// Every group's league table, once the `named` groups have played every game.
std::optional<QVector<QVector<LeagueRow>>> finishedTables(const TournamentData& tournament, const QSet<int>& named,
                                                          const QString& databaseName, QString* refusal)
{
    const QStringList unfinished = groupsWithFixtures(tournament, named);
    if (!unfinished.isEmpty())
        return refuse<QVector<QVector<LeagueRow>>>(
            refusal,
            QCoreApplication::translate(
                "KnockoutSetup", "%1 still %2 games to play: enter every result before the knockout stage is set up.")
                .arg(listed(unfinished), unfinished.size() == 1 ? QStringLiteral("has") : QStringLiteral("have")));
    return leagueTables(tournament, databaseName, refusal);
}

KnockoutTeam knockoutTeam(const TournamentData& tournament, int group, const LeagueRow& row)
{
    return { group + 1, teamNumberOf(row, tournament.groups[group].teams), row.name };
}

std::optional<QVector<KnockoutStage::Place>> placesFromTemplate(const TournamentData& tournament,
                                                                const KnockoutSetup& setup, const QString& databaseName,
                                                                QString* refusal)
{
    const std::optional<KnockoutTemplate> knockoutTemplate = readKnockoutTemplate(setup.file, refusal);
    if (!knockoutTemplate)
        return std::nullopt;
    QSet<int> named;
    for (const TemplateSlot& slot : knockoutTemplate->places) {
        for (const int group : slot.groups)
            named.insert(group);
    }
    for (const int group : std::as_const(named)) {
        if (group >= tournament.groups.size())
            return refuse<QVector<KnockoutStage::Place>>(
                refusal,
                (tournament.groups.size() == 1
                     ? QCoreApplication::translate("KnockoutSetup",
                                                   "The template names group %1, but the tournament has %2 group.")
                     : QCoreApplication::translate("KnockoutSetup",
                                                   "The template names group %1, but the tournament has %2 groups."))
                    .arg(QChar(char16_t(u'A' + group)), QString::number(tournament.groups.size())));
    }
    const std::optional<QVector<QVector<LeagueRow>>> tables = finishedTables(tournament, named, databaseName, refusal);
    if (!tables)
        return std::nullopt;
    QVector<QVector<KnockoutTeam>> groups;
    for (int g = 0; g < tables->size(); ++g) {
        QVector<KnockoutTeam> teams;
        for (const LeagueRow& row : tables->at(g))
            teams.append(knockoutTeam(tournament, g, row));
        groups.append(teams);
    }
    QVector<int> thirdsByRank;
    for (const RankedTeam& third : rankAcrossGroups(*tables, tournament.rulesInOrder(), 3))
        thirdsByRank.append(third.group);
    return templatePlaces(*knockoutTemplate, groups, thirdsByRank, refusal);
}

std::optional<QVector<KnockoutTeam>> seedsFromTables(const TournamentData& tournament, const QString& databaseName,
                                                     QString* refusal)
{
    QSet<int> every;
    for (int g = 0; g < tournament.groups.size(); ++g)
        every.insert(g);
    const std::optional<QVector<QVector<LeagueRow>>> tables = finishedTables(tournament, every, databaseName, refusal);
    if (!tables)
        return std::nullopt;
    QVector<KnockoutTeam> seeds;
    for (const int position : { 1, 2 }) {
        for (const RankedTeam& ranked : rankAcrossGroups(*tables, tournament.rulesInOrder(), position))
            seeds.append(knockoutTeam(tournament, ranked.group, ranked.row));
    }
    return seeds;
}

} // namespace

std::optional<QVector<QVector<LeagueRow>>> leagueTables(const TournamentData& tournament, const QString& databaseName,
                                                        QString* error)
{
    QVector<QVector<LeagueRow>> tables;
    for (const TournamentGroupData& group : tournament.groups) {
        const GroupRecords records(group.teams, group.recordLines, group.adjustments);
        const StandingsOutcome outcome = computeStandings(standingsRequestFor(records, tournament), databaseName);
        if (!outcome.ok())
            return refuse<QVector<QVector<LeagueRow>>>(error, outcome.error);
        tables.append(outcome.table.rows);
    }
    return tables;
}

std::optional<QByteArray> readEntrantsFile(const QString& path, QString* error)
{
    // Opening a named pipe waits for a writer, so the type is checked first.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return refuse<QByteArray>(
            error, QCoreApplication::translate("KnockoutSetup", "Cannot read %1: it is not a regular file.").arg(path));
    return readCsvFile(path, error);
}

std::optional<QVector<KnockoutTeam>> readSeededList(const QByteArray& bytes, QString* refusal)
{
    const CsvReading reading = readCsv(bytes);
    if (!reading.ok())
        return refuse<QVector<KnockoutTeam>>(refusal, reading.error);
    if (reading.rows.isEmpty() || reading.rows.first().cells.size() != 1
        || reading.rows.first().cells.first().trimmed().compare(QLatin1String("team"), Qt::CaseInsensitive) != 0)
        return refuse<QVector<KnockoutTeam>>(
            refusal, QCoreApplication::translate("KnockoutSetup", "Line 1: the header must be \"team\"."));
    QVector<KnockoutTeam> teams;
    QSet<QString> seen;
    for (const CsvRow& row : reading.rows.mid(1)) {
        const QString name = row.cells.first().trimmed();
        if (row.cells.size() != 1 || name.isEmpty())
            return refuse<QVector<KnockoutTeam>>(
                refusal,
                QCoreApplication::translate("KnockoutSetup", "Line %1: a row holds one team's name.").arg(row.line));
        if (name.contains(u'\n') || name.contains(u'\r'))
            return refuse<QVector<KnockoutTeam>>(
                refusal,
                QCoreApplication::translate("KnockoutSetup", "Line %1: a team's name cannot hold a line break.")
                    .arg(row.line));
        if (seen.contains(name))
            return refuse<QVector<KnockoutTeam>>(
                refusal,
                QCoreApplication::translate("KnockoutSetup", "Line %1: %2 is listed twice.")
                    .arg(QString::number(row.line), name));
        seen.insert(name);
        teams.append({ 0, int(teams.size()) + 1, name });
    }
    return teams;
}

std::optional<KnockoutStage> setUpKnockoutStage(const TournamentData& tournament, const KnockoutSetup& setup,
                                                const QString& databaseName, QString* refusal)
{
    std::optional<KnockoutStage> stage;
    if (setup.entrants != KnockoutSetup::Entrants::Template) {
        const std::optional<QVector<KnockoutTeam>> seeds = setup.entrants == KnockoutSetup::Entrants::SeededList
            ? readSeededList(setup.file, refusal)
            : seedsFromTables(tournament, databaseName, refusal);
        if (!seeds)
            return std::nullopt;
        stage = KnockoutStage::fromSeeds(*seeds, refusal);
    } else {
        const std::optional<QVector<KnockoutStage::Place>> places
            = placesFromTemplate(tournament, setup, databaseName, refusal);
        if (!places)
            return std::nullopt;
        stage = KnockoutStage::fromPlaces(*places, refusal);
    }
    if (!stage)
        return std::nullopt;
    for (auto round = setup.legs.cbegin(); round != setup.legs.cend(); ++round) {
        if (round.key() > stage->size())
            return refuse<KnockoutStage>(
                refusal,
                QCoreApplication::translate("KnockoutSetup", "The knockout stage has no %1: it starts with the %2.")
                    .arg(roundName(round.key()), roundName(stage->size())));
        if (!stage->setLegs(round.key(), round.value(), refusal))
            return std::nullopt;
    }
    stage->setThirdPlaceMatch(setup.thirdPlaceMatch);
    stage->setAwayGoals(setup.awayGoals);
    if (!stage->setSchedule(setup.startDate, setup.daysBetweenRounds, refusal))
        return std::nullopt;
    return stage;
}
