#include "core/schedule/FixtureGeneration.h"

#include "core/records/FixtureSort.h"

FixtureRefusal fixtureRefusal(int teamCount, const QStringList& teams, const QStringList& storedLines)
{
    if (!storedLines.isEmpty())
        return FixtureRefusal::NotEmpty;
    if (teamCount < 2)
        return FixtureRefusal::TooFewTeams;
    if (teams.size() < teamCount)
        return FixtureRefusal::MissingTeamNames;
    return FixtureRefusal::None;
}

FixtureGeneration generateFixtures(const QStringList& storedLines, const QVector<qint16>& teamOrder, int legs,
                                   const QDate& start, int gap, ScheduleBuilder build)
{
    FixtureGeneration generation;
    const ScheduleResult schedule = build(teamOrder, legs, start, gap, int(storedLines.size()));
    if (!schedule.ok()) {
        generation.failure = schedule.failure;
        return generation;
    }
    QStringList lines = storedLines + schedule.lines;
    QString error;
    if (!sortByRecordDate(lines, &error, &generation.firstDate, &generation.lastDate)) {
        generation.failure = { kSortFailureNumber, error };
        return generation;
    }
    generation.lines = lines;
    generation.added = int(schedule.lines.size());
    return generation;
}
