#include "core/setup/DayPlanning.h"

#include "core/common/Limits.h"
#include "core/knockout/KnockoutRounds.h"
#include "core/records/RecordLines.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int kDayMinutes = 24 * 60;

// A knockout tie as the plan sees it, from the stage set up or from a template: its legs (none
// for a bye), who plays it as far as known, and the groups whose games decide its first-round places.
struct PlanTie
{
    QString code;
    TieId id;
    int legs = 1;
    QString firstName;
    QString secondName;
    QVector<int> teams;       // the known teams' numbers across the groups
    QVector<int> groups;      // a first-round tie's: the groups its places draw from
    bool everyGroup = false;  // a seeded place: it waits for every group game
    QVector<int> requestGame; // per leg: its index in the request, -1 for a game already played
};

// Who fills a side of a tie while it is not known: the winner of the tie that feeds it, or for the
// third-place match a semi-final's loser (as the bracket and the reports name them).
QString bracketName(const TieId& tie, TieSide side)
{
    const int feeder = side == TieSide::First ? 1 : 2;
    if (tie.thirdPlace)
        return QStringLiteral("Loser ") + tieCode({ 4, feeder });
    return QStringLiteral("Winner ") + tieCode({ tie.roundSize * 2, 2 * (tie.number - 1) + feeder });
}

// "1A", "3ADEF": a template's place as the template writes it.
QString placeText(const TemplateSlot& slot)
{
    QString text = QString::number(slot.position);
    for (const int group : slot.groups)
        text += QChar(char16_t(u'A' + group));
    return text;
}

// The ties of a stage not set up yet: the template's first round, each later round halving to the
// final, and the third-place match before the final, as KnockoutStage::tieCodes() orders them.
QVector<PlanTie> templateTies(const KnockoutPlanShape& shape)
{
    QVector<PlanTie> ties;
    const QVector<TemplateSlot>& places = shape.knockoutTemplate.places;
    const int size = int(places.size());
    for (int roundSize = size; roundSize >= 2; roundSize /= 2) {
        if (roundSize == 2 && shape.thirdPlaceMatch && size >= 4)
            ties.append({ tieCode({ 2, 1, true }), { 2, 1, true } });
        for (int number = 1; number <= roundSize / 2; ++number) {
            PlanTie tie { tieCode({ roundSize, number }), { roundSize, number } };
            if (roundSize == size) {
                const TemplateSlot& first = places.at(2 * number - 2);
                const TemplateSlot& second = places.at(2 * number - 1);
                if (first.position == 0 || second.position == 0)
                    tie.legs = 0;
                tie.firstName = placeText(first);
                tie.secondName = placeText(second);
                tie.groups = first.groups + second.groups;
            }
            ties.append(tie);
        }
    }
    for (PlanTie& tie : ties) {
        if (tie.firstName.isEmpty()) {
            tie.firstName = bracketName(tie.id, TieSide::First);
            tie.secondName = bracketName(tie.id, TieSide::Second);
        }
    }
    return ties;
}

// The team's number across the groups: its group's teams come after the earlier groups'. A team of
// a seeded list is found by its name; nothing for one no group has.
std::optional<int> teamNumber(const TournamentData& data, const QVector<int>& firstOfGroup, const KnockoutTeam& team)
{
    if (team.group > 0 && team.group <= data.groups.size())
        return firstOfGroup.at(team.group - 1) + team.number;
    for (int g = 0; g < data.groups.size(); ++g) {
        const QStringList& teams = data.groups.at(g).teams;
        for (int t = 0; t < teams.size(); ++t)
            if (sameTeamName(teams.at(t), team.name))
                return firstOfGroup.at(g) + t;
    }
    return std::nullopt;
}

QVector<PlanTie> stageTies(const TournamentData& data, const QVector<int>& firstOfGroup)
{
    const KnockoutStage& stage = *data.knockout;
    QVector<PlanTie> ties;
    for (const QString& code : stage.tieCodes()) {
        PlanTie tie { code, *readTieCode(code) };
        tie.legs = stage.isBye(code) ? 0 : stage.games(code);
        const std::optional<KnockoutTeam> first = stage.team(code, TieSide::First);
        const std::optional<KnockoutTeam> second = stage.team(code, TieSide::Second);
        tie.firstName = first ? first->name : bracketName(tie.id, TieSide::First);
        tie.secondName = second ? second->name : bracketName(tie.id, TieSide::Second);
        for (const std::optional<KnockoutTeam>& team : { first, second }) {
            if (const std::optional<int> number = team ? teamNumber(data, firstOfGroup, *team) : std::nullopt)
                tie.teams.append(*number);
        }
        if (tie.id.roundSize == stage.size() && !tie.id.thirdPlace) {
            for (const int side : { 0, 1 }) {
                const KnockoutStage::Place& place = stage.places().at(2 * tie.id.number - 2 + side);
                if (place && place->group > 0)
                    tie.groups.append(place->group - 1);
                else if (place)
                    tie.everyGroup = true;
            }
        }
        ties.append(tie);
    }
    return ties;
}

// A game's place in the days: minutes from midnight of the first day, as the planner counts.
int dayMinute(const QVector<QDate>& days, const GameSlot& slot, int minute)
{
    return int(days.indexOf(slot.date)) * kDayMinutes + minute;
}

} // namespace

std::optional<PlannedDay> planTournamentDay(const TournamentData& data, const TimetableSettings& settings,
                                            const std::optional<KnockoutPlanShape>& shape, QString* refusal)
{
    const auto refuse = [refusal](const QString& reason) {
        if (refusal)
            *refusal = reason;
        return std::nullopt;
    };
    // No more than a file holds, so that a plan is never saved into a file that cannot be read again.
    if (settings.pitches.size() > kMaxPitches)
        return refuse(
            QCoreApplication::translate("DayPlanning", "A timetable has at most %1 pitches.").arg(kMaxPitches));
    if (settings.breaks.size() > kMaxBreaks)
        return refuse(QCoreApplication::translate("DayPlanning", "A day has at most %1 breaks.").arg(kMaxBreaks));
    PlanRequest request;
    request.pitchCount = int(settings.pitches.size());
    request.days = settings.days;
    request.hours = settings.hours;
    request.breaks = settings.breaks;
    request.changeoverMinutes = settings.changeoverMinutes;
    request.restMinutes = settings.restMinutes;

    QVector<int> firstOfGroup;
    int teamCount = 0;
    for (const TournamentGroupData& group : data.groups) {
        firstOfGroup.append(teamCount);
        teamCount += int(group.teams.size());
    }
    for (const TeamHours& hours : settings.teamHours) {
        bool found = false;
        for (int g = 0; g < data.groups.size(); ++g) {
            const QStringList& teams = data.groups.at(g).teams;
            for (int t = 0; t < teams.size(); ++t) {
                if (sameTeamName(teams.at(t), hours.team)) {
                    request.teamHours.insert(firstOfGroup.at(g) + t, hours.hours);
                    found = true;
                }
            }
        }
        if (!found)
            return refuse(
                QCoreApplication::translate("DayPlanning", "No group has a team called \"%1\".").arg(hours.team));
    }

    // A played game keeps its slot; the games left are planned after the last of those on the days
    // ends (a pitch's changeover and a team's rest after it), since the planner places every game it
    // is given. The latest end is in minutes from midnight of the first day; -1 for none.
    int playedEnd = -1;
    const auto notePlayed = [&](const std::optional<GameSlot>& slot) {
        if (slot && settings.days.contains(slot->date))
            playedEnd = std::max(playedEnd, dayMinute(settings.days, *slot, slot->end));
    };

    // Group games: a game's round is one more than the highest round of an earlier game of its
    // group that shares a team with it, so that a schedule listed round by round (as a generated
    // one is, by date) keeps its rounds.
    PlannedDay planned;
    QVector<std::pair<int, int>> groupGameOf; // request game -> (group, line)
    QVector<QVector<int>> gamesOfGroup(data.groups.size());
    for (int g = 0; g < data.groups.size(); ++g) {
        const TournamentGroupData& group = data.groups.at(g);
        QVector<std::optional<GameSlot>> lineSlots = group.gameSlots;
        lineSlots.resize(group.recordLines.size());
        QVector<int> teamRound(group.teams.size(), 0);
        for (int line = 0; line < group.recordLines.size(); ++line) {
            const std::optional<Record> record
                = line < group.games.size() ? group.games.at(line) : readRecordLine(group.recordLines.at(line));
            if (!record || record->home < 0 || record->away < 0 || record->home >= teamRound.size()
                || record->away >= teamRound.size())
                continue;
            const int round = 1 + std::max(teamRound.at(record->home), teamRound.at(record->away));
            teamRound[record->home] = teamRound[record->away] = round;
            if (record->isResult) {
                notePlayed(lineSlots.at(line));
                continue;
            }
            PlanGame game;
            game.group = g;
            game.round = round;
            game.minutes = settings.groupGameMinutes;
            game.teams = { firstOfGroup.at(g) + record->home, firstOfGroup.at(g) + record->away };
            gamesOfGroup[g].append(int(request.games.size()));
            groupGameOf.append({ g, line });
            request.games.append(game);
        }
        planned.groupSlots.append(lineSlots);
    }

    QVector<PlanTie> ties = data.knockout ? stageTies(data, firstOfGroup)
        : shape                           ? templateTies(*shape)
                                          : QVector<PlanTie>();
    const auto lastGame = [&ties](const QString& code) {
        const auto tie = std::find_if(ties.begin(), ties.end(), [&code](const PlanTie& t) { return t.code == code; });
        return tie == ties.end() || tie->requestGame.isEmpty() ? -1 : tie->requestGame.last();
    };
    QVector<KnockoutSlot> knockoutSlots;
    QVector<std::pair<int, int>> knockoutGameOf; // request game -> (tie, leg)
    const int firstRound = ties.isEmpty() ? 0 : ties.first().id.roundSize;
    for (int t = 0; t < ties.size(); ++t) {
        PlanTie& tie = ties[t];
        const std::optional<TieResult> result = data.knockout ? data.knockout->result(tie.code) : std::nullopt;
        for (int leg = 1; leg <= tie.legs; ++leg) {
            if (result && result->legs.size() >= leg) {
                const std::optional<KnockoutSlot> kept
                    = data.timetable ? data.timetable->knockoutSlot(tie.code, leg) : std::nullopt;
                if (kept) {
                    notePlayed(kept->slot);
                    knockoutSlots.append(*kept);
                }
                tie.requestGame.append(-1);
                continue;
            }
            PlanGame game;
            game.minutes = settings.knockoutGameMinutes;
            game.teams = tie.teams;
            if (leg > 1) {
                game.after.append(tie.requestGame.last());
            } else if (tie.id.thirdPlace) {
                game.after = { lastGame(tieCode({ 4, 1 })), lastGame(tieCode({ 4, 2 })) };
            } else if (tie.id.roundSize == firstRound) {
                for (int g = 0; g < data.groups.size(); ++g)
                    if (tie.everyGroup || tie.groups.contains(g))
                        game.after += gamesOfGroup.at(g);
            } else {
                game.after = { lastGame(tieCode({ 2 * tie.id.roundSize, 2 * tie.id.number - 1 })),
                               lastGame(tieCode({ 2 * tie.id.roundSize, 2 * tie.id.number })) };
            }
            game.after.removeAll(-1);
            tie.requestGame.append(int(request.games.size()));
            knockoutGameOf.append({ t, leg });
            request.games.append(game);
        }
    }

    if (playedEnd >= 0 && !request.games.isEmpty()) {
        const int day = playedEnd > 0 ? (playedEnd - 1) / kDayMinutes : 0;
        const int from = playedEnd - day * kDayMinutes + std::max(settings.changeoverMinutes, settings.restMinutes);
        request.days = settings.days.mid(day);
        request.hours.from = std::max(settings.hours.from, from);
        if (request.hours.from >= request.hours.to && request.days.size() > 1) {
            request.days.removeFirst();
            request.hours.from = settings.hours.from;
        } else if (request.hours.from >= request.hours.to) {
            return refuse(QCoreApplication::translate("DayPlanning",
                                                      "The games played end at %1 on %2: no time is left after them "
                                                      "for the games still to play.")
                              .arg(minuteText(playedEnd - day * kDayMinutes), formatRecordDate(request.days.first())));
        }
    }
    const std::optional<DayPlan> plan = planDay(request, refusal);
    if (!plan)
        return std::nullopt;

    const auto slotOf = [&request, &plan](int game) {
        const PlannedGame& placed = plan->games.at(game);
        const int day = placed.start / kDayMinutes;
        const int start = placed.start - day * kDayMinutes;
        return GameSlot { request.days.value(day), start, start + request.games.at(game).minutes, placed.pitch };
    };
    for (int game = 0; game < groupGameOf.size(); ++game)
        planned.groupSlots[groupGameOf.at(game).first][groupGameOf.at(game).second] = slotOf(game);
    for (int k = 0; k < knockoutGameOf.size(); ++k) {
        const int game = int(groupGameOf.size()) + k;
        const PlanTie& tie = ties.at(knockoutGameOf.at(k).first);
        knockoutSlots.append({ tie.code, knockoutGameOf.at(k).second, tie.firstName, tie.secondName, slotOf(game) });
    }
    std::stable_sort(knockoutSlots.begin(), knockoutSlots.end(), [](const KnockoutSlot& a, const KnockoutSlot& b) {
        return std::tie(a.slot.date, a.slot.start, a.slot.pitch) < std::tie(b.slot.date, b.slot.start, b.slot.pitch);
    });
    planned.timetable.settings = settings;
    planned.timetable.knockout = knockoutSlots;
    planned.summary = planSummary(request, *plan);
    return planned;
}
