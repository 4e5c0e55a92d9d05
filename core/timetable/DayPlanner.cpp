#include "core/timetable/DayPlanner.h"

#include "core/records/RecordLines.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <random>

namespace {

constexpr int kDayMinutes = 1440;
constexpr int kNever = INT_MAX / 4;

// The days' open hours: the hours of each day without its breaks.
class Calendar
{
public:
    explicit Calendar(const PlanRequest& request)
        : m_dayCount(int(request.days.size()))
        , m_hours(request.hours)
        , m_breaks(request.breaks)
    {
        std::sort(m_breaks.begin(), m_breaks.end(),
                  [](const MinuteSpan& a, const MinuteSpan& b) { return a.from < b.from; });
        for (int day = 0; day < m_dayCount; ++day) {
            int open = m_hours.from;
            for (const MinuteSpan& pause : std::as_const(m_breaks)) {
                if (pause.from >= m_hours.to)
                    break;
                if (pause.from > open)
                    m_stretches.append({ day * kDayMinutes + open, day * kDayMinutes + pause.from });
                open = std::max(open, pause.to);
            }
            if (open < m_hours.to)
                m_stretches.append({ day * kDayMinutes + open, day * kDayMinutes + m_hours.to });
        }
    }

    // The earliest kick-off at or after `from` of a game of `length` minutes that lies within
    // `window` of its day and runs into no break; kNever when no day has room.
    int earliestStart(int from, int length, MinuteSpan window) const
    {
        for (int day = from / kDayMinutes; day < m_dayCount; ++day) {
            int minute = std::max(from - day * kDayMinutes, window.from);
            for (bool moved = true; moved;) {
                moved = false;
                for (const MinuteSpan& pause : m_breaks) {
                    if (minute < pause.to && minute + length > pause.from) {
                        minute = pause.to;
                        moved = true;
                    }
                }
            }
            if (minute + length <= window.to)
                return day * kDayMinutes + minute;
        }
        return kNever;
    }

    int openMinutes(int from, int to) const
    {
        int minutes = 0;
        for (const MinuteSpan& stretch : m_stretches)
            minutes += std::max(0, std::min(stretch.to, to) - std::max(stretch.from, from));
        return minutes;
    }

    // When the last of games needing `work` minutes of pitch time (each game's minutes plus the
    // changeover after it) can end at the earliest on `pitches` pitches from `from`. A changeover
    // may run past the end of a stretch, so each stretch holds its length plus one changeover a pitch.
    int capacityEnd(int from, qint64 work, int pitches, int changeover) const
    {
        for (const MinuteSpan& stretch : m_stretches) {
            if (stretch.to <= from)
                continue;
            const int begin = std::max(stretch.from, from);
            const qint64 room = qint64(stretch.to - begin + changeover) * pitches;
            if (work <= room)
                return begin + int((work + pitches - 1) / pitches) - changeover;
            work -= room;
        }
        return kNever;
    }

    // When the last of `count` games of at least `length` minutes, one after another on one pitch
    // from `from`, can end at the earliest.
    int chainEnd(int from, int count, int length, int gap, MinuteSpan window) const
    {
        int end = from;
        for (int i = 0; i < count; ++i) {
            const int start = earliestStart(i == 0 ? from : end + gap, length, window);
            if (start == kNever)
                return kNever;
            end = start + length;
        }
        return end;
    }

    const QVector<MinuteSpan>& stretches() const { return m_stretches; }

private:
    int m_dayCount;
    MinuteSpan m_hours;
    QVector<MinuteSpan> m_breaks;
    QVector<MinuteSpan> m_stretches; // from the first day's midnight, in order
};

// What is known of a request before any game is placed.
struct Problem
{
    const PlanRequest& request;
    Calendar calendar;
    QVector<MinuteSpan> windows;       // each game's hours: the day's, narrowed by its teams'
    QVector<QVector<int>> startsAfter; // games whose start this game's start may not precede
    QVector<QVector<int>> endsBefore;  // games that end (plus `gaps`) before this game starts
    QVector<QVector<int>> gaps;
    QVector<QVector<int>> teamsGames;
    QVector<int> tail; // the least minutes that follow a game's end through the games that wait for it
    int teamCount = 0;
};

struct Placement
{
    QVector<int> start;
    QVector<int> pitch;
    int end = 0;
    qint64 unevenness = 0;
    int pitchSpread = 0;
    bool complete = false;

    bool betterThan(const Placement& other) const
    {
        if (!other.complete)
            return complete;
        if (!complete)
            return false;
        return std::tie(end, unevenness, pitchSpread) < std::tie(other.end, other.unevenness, other.pitchSpread);
    }
};

// Places games one at a time, each at its earliest start that keeps every rule with the games
// placed before it.
class Placer
{
public:
    explicit Placer(const Problem& problem)
        : m_problem(problem)
        , m_request(problem.request)
        , m_pitchBusy(m_request.pitchCount)
        , m_teamBusy(problem.teamCount)
        , m_pitchUse(groupCount(), QVector<int>(m_request.pitchCount))
    {
        m_placement.start.fill(-1, m_request.games.size());
        m_placement.pitch.fill(-1, m_request.games.size());
    }

    bool placed(int game) const { return m_placement.start.at(game) >= 0; }

    bool ready(int game) const
    {
        const auto isPlaced = [this](int other) { return placed(other); };
        return std::all_of(m_problem.startsAfter.at(game).begin(), m_problem.startsAfter.at(game).end(), isPlaced)
            && std::all_of(m_problem.endsBefore.at(game).begin(), m_problem.endsBefore.at(game).end(), isPlaced);
    }

    // The earliest start and its pitch; the pitch is the lowest, or with `keepGroupPitches` the
    // one the game's group has used most.
    std::pair<int, int> earliest(int game, bool keepGroupPitches) const
    {
        const PlanGame& planGame = m_request.games.at(game);
        int lowest = 0;
        for (int before : m_problem.startsAfter.at(game))
            lowest = std::max(lowest, m_placement.start.at(before));
        const QVector<int>& before = m_problem.endsBefore.at(game);
        for (int i = 0; i < before.size(); ++i)
            lowest = std::max(lowest, endOf(before.at(i)) + m_problem.gaps.at(game).at(i));
        std::pair<int, int> best { kNever, -1 };
        int bestUse = -1;
        for (int pitch = 0; pitch < m_request.pitchCount; ++pitch) {
            const int start = earliestOn(game, pitch, lowest, best.first);
            const int use = keepGroupPitches && planGame.group >= 0 ? m_pitchUse.at(planGame.group).at(pitch) : 0;
            if (start < best.first || (start == best.first && start < kNever && use > bestUse)) {
                best = { start, pitch };
                bestUse = use;
            }
        }
        return best;
    }

    void place(int game, int start, int pitch)
    {
        const PlanGame& planGame = m_request.games.at(game);
        m_placement.start[game] = start;
        m_placement.pitch[game] = pitch;
        m_pitchBusy[pitch].append({ start, start + planGame.minutes });
        for (int team : planGame.teams)
            m_teamBusy[team].append({ start, start + planGame.minutes });
        if (planGame.group >= 0)
            ++m_pitchUse[planGame.group][pitch];
    }

    Placement finish()
    {
        Placement placement = m_placement;
        placement.complete = std::all_of(placement.start.begin(), placement.start.end(), [](int s) { return s >= 0; });
        if (!placement.complete)
            return placement;
        for (int game = 0; game < m_request.games.size(); ++game)
            placement.end = std::max(placement.end, endOf(game));
        // Rests as even as they can be: the spread of the waits between a team's games, over all teams.
        qint64 count = 0, sum = 0, squares = 0;
        for (QVector<MinuteSpan> busy : m_teamBusy) {
            std::sort(busy.begin(), busy.end(),
                      [](const MinuteSpan& a, const MinuteSpan& b) { return a.from < b.from; });
            for (int i = 1; i < busy.size(); ++i) {
                const qint64 wait = busy.at(i).from - busy.at(i - 1).to;
                ++count;
                sum += wait;
                squares += wait * wait;
            }
        }
        placement.unevenness = count * squares - sum * sum;
        for (const QVector<int>& uses : m_pitchUse)
            placement.pitchSpread += int(std::count_if(uses.begin(), uses.end(), [](int use) { return use > 0; }));
        return placement;
    }

private:
    int groupCount() const
    {
        int count = 0;
        for (const PlanGame& game : m_request.games)
            count = std::max(count, game.group + 1);
        return count;
    }

    int endOf(int game) const { return m_placement.start.at(game) + m_request.games.at(game).minutes; }

    // The earliest start from `from` on the pitch; kNever when none comes before `limit`.
    int earliestOn(int game, int pitch, int from, int limit) const
    {
        const PlanGame& planGame = m_request.games.at(game);
        const int length = planGame.minutes;
        const int changeover = m_request.changeoverMinutes;
        const int rest = m_request.restMinutes;
        int start = from;
        for (;;) {
            start = m_problem.calendar.earliestStart(start, length, m_problem.windows.at(game));
            if (start >= limit)
                return kNever;
            int pushed = start;
            for (const MinuteSpan& busy : m_pitchBusy.at(pitch))
                if (start < busy.to + changeover && busy.from < start + length + changeover)
                    pushed = std::max(pushed, busy.to + changeover);
            for (int team : planGame.teams)
                for (const MinuteSpan& busy : m_teamBusy.at(team))
                    if (start < busy.to + rest && busy.from < start + length + rest)
                        pushed = std::max(pushed, busy.to + rest);
            if (pushed == start)
                return start;
            start = pushed;
        }
    }

    const Problem& m_problem;
    const PlanRequest& m_request;
    Placement m_placement;
    QVector<QVector<MinuteSpan>> m_pitchBusy;
    QVector<QVector<MinuteSpan>> m_teamBusy;
    QVector<QVector<int>> m_pitchUse; // by group and pitch
};

// The plain greedy order every plan must be as good as: group games by round, then group, then as
// listed, then the knockout games as listed.
QVector<int> greedyOrder(const QVector<PlanGame>& games)
{
    QVector<int> order;
    for (int game = 0; game < games.size(); ++game)
        order.append(game);
    std::stable_sort(order.begin(), order.end(), [&games](int a, int b) {
        const PlanGame& x = games.at(a);
        const PlanGame& y = games.at(b);
        const bool xKnockout = x.group < 0;
        const bool yKnockout = y.group < 0;
        if (xKnockout || yKnockout)
            return !xKnockout && yKnockout;
        return std::tie(x.round, x.group) < std::tie(y.round, y.group);
    });
    return order;
}

// Places the games in turn, each at its earliest start; a game whose predecessors come later in
// the order waits for them.
Placement serialPlacement(const Problem& problem, QVector<int> order, bool keepGroupPitches)
{
    Placer placer(problem);
    while (!order.isEmpty()) {
        const auto next = std::find_if(order.begin(), order.end(), [&placer](int game) { return placer.ready(game); });
        if (next == order.end())
            break;
        const auto [start, pitch] = placer.earliest(*next, keepGroupPitches);
        if (start == kNever)
            break;
        placer.place(*next, start, pitch);
        order.erase(next);
    }
    return placer.finish();
}

// Games can trade pitches when they are played at the same times, and a game can move to a pitch
// that is free around it: neither changes a start, so each is kept when it brings a group onto
// fewer pitches.
void gatherGroupPitches(const PlanRequest& request, Placement& placement)
{
    const QVector<PlanGame>& games = request.games;
    QVector<QVector<int>> use;
    for (int game = 0; game < games.size(); ++game) {
        if (games.at(game).group < 0)
            continue;
        if (games.at(game).group >= use.size())
            use.resize(games.at(game).group + 1, QVector<int>(request.pitchCount));
        ++use[games.at(game).group][placement.pitch.at(game)];
    }
    const auto spread = [&use](int group) {
        return group < 0 ? 0
                         : int(std::count_if(use.at(group).begin(), use.at(group).end(), [](int n) { return n > 0; }));
    };
    const auto move = [&](int game, int pitch) {
        const int group = games.at(game).group;
        if (group >= 0) {
            --use[group][placement.pitch.at(game)];
            ++use[group][pitch];
        }
        placement.pitch[game] = pitch;
    };
    const auto endOf = [&](int game) { return placement.start.at(game) + games.at(game).minutes; };
    const auto pitchFree = [&](int game, int pitch) {
        for (int other = 0; other < games.size(); ++other) {
            if (other != game && placement.pitch.at(other) == pitch
                && placement.start.at(game) < endOf(other) + request.changeoverMinutes
                && placement.start.at(other) < endOf(game) + request.changeoverMinutes)
                return false;
        }
        return true;
    };
    for (bool gathered = true; gathered;) {
        gathered = false;
        for (int game = 0; game < games.size(); ++game) {
            const int group = games.at(game).group;
            for (int pitch = 0; pitch < request.pitchCount && group >= 0; ++pitch) {
                const int from = placement.pitch.at(game);
                if (pitch == from)
                    continue;
                // The game on the other pitch at the same times, if any, takes this one's pitch.
                int partner = -1;
                for (int other = 0; other < games.size(); ++other)
                    if (placement.pitch.at(other) == pitch && placement.start.at(other) == placement.start.at(game)
                        && games.at(other).minutes == games.at(game).minutes)
                        partner = other;
                const int partnerGroup = partner < 0 ? -1 : games.at(partner).group;
                const int before = spread(group) + (partnerGroup == group ? 0 : spread(partnerGroup));
                if (partner < 0 && !pitchFree(game, pitch))
                    continue;
                move(game, pitch);
                if (partner >= 0)
                    move(partner, from);
                if (spread(group) + (partnerGroup == group ? 0 : spread(partnerGroup)) < before) {
                    gathered = true;
                    continue;
                }
                move(game, from);
                if (partner >= 0)
                    move(partner, pitch);
            }
        }
    }
    placement.pitchSpread = 0;
    for (int group = 0; group < use.size(); ++group)
        placement.pitchSpread += spread(group);
}

QString dateText(const PlanRequest& request, int day)
{
    return formatRecordDate(request.days.value(day));
}

// "09:00-12:00", with the breaks and the number of days: what the refusals say the days hold.
QString hoursText(const PlanRequest& request)
{
    QString text = minuteText(request.hours.from) + u'-' + minuteText(request.hours.to);
    if (!request.breaks.isEmpty()) {
        QStringList spans;
        for (const MinuteSpan& pause : request.breaks)
            spans.append(minuteText(pause.from) + u'-' + minuteText(pause.to));
        const QString last = spans.takeLast();
        text = spans.isEmpty() ? QCoreApplication::translate("DayPlanner", "%1 with a break at %2").arg(text, last)
                               : QCoreApplication::translate("DayPlanner", "%1 with breaks at %2 and %3")
                                     .arg(text, spans.join(QStringLiteral(", ")), last);
    }
    if (request.days.size() > 1)
        text = QCoreApplication::translate("DayPlanner", "%1 on %2 days").arg(text).arg(request.days.size());
    return text;
}

QString gamesText(int count)
{
    return count == 1 ? QCoreApplication::translate("DayPlanner", "1 game")
                      : QCoreApplication::translate("DayPlanner", "%1 games").arg(count);
}

QString pitchesText(int count)
{
    return count == 1 ? QCoreApplication::translate("DayPlanner", "1 pitch")
                      : QCoreApplication::translate("DayPlanner", "%1 pitches").arg(count);
}

QString invalidRequest(const PlanRequest& request)
{
    if (request.pitchCount < 1)
        return QCoreApplication::translate("DayPlanner", "There is no pitch to play on.");
    if (request.days.isEmpty() || request.days.size() > 2)
        return QCoreApplication::translate("DayPlanner", "A plan takes one or two days.");
    if (request.hours.from < 0 || request.hours.to > kDayMinutes || request.hours.to <= request.hours.from)
        return QCoreApplication::translate("DayPlanner", "The day's hours are empty.");
    if (request.changeoverMinutes < 0 || request.restMinutes < 0)
        return QCoreApplication::translate("DayPlanner", "A changeover or a rest cannot be negative.");
    for (const PlanGame& game : request.games) {
        if (game.minutes < 1)
            return QCoreApplication::translate("DayPlanner", "Every game must last at least a minute.");
        for (int other : game.after)
            if (other < 0 || other >= request.games.size())
                return QCoreApplication::translate("DayPlanner", "A game waits for a game that is not planned.");
        for (int team : game.teams)
            if (team < 0)
                return QCoreApplication::translate("DayPlanner", "A game has a team without a number.");
    }
    return {};
}

// The hours a team can play in, each day.
MinuteSpan teamHours(const PlanRequest& request, int team)
{
    MinuteSpan hours = request.hours;
    if (request.teamHours.contains(team)) {
        hours.from = std::max(hours.from, request.teamHours.value(team).from);
        hours.to = std::min(hours.to, request.teamHours.value(team).to);
    }
    return hours;
}

Problem makeProblem(const PlanRequest& request)
{
    Problem problem { request, Calendar(request), {}, {}, {}, {}, {}, {}, 0 };
    const QVector<PlanGame>& games = request.games;
    for (const PlanGame& game : games)
        for (int team : game.teams)
            problem.teamCount = std::max(problem.teamCount, team + 1);
    problem.teamsGames.resize(problem.teamCount);
    problem.startsAfter.resize(games.size());
    problem.endsBefore.resize(games.size());
    problem.gaps.resize(games.size());
    for (int game = 0; game < games.size(); ++game) {
        const PlanGame& planGame = games.at(game);
        MinuteSpan window = request.hours;
        for (int team : planGame.teams) {
            problem.teamsGames[team].append(game);
            window.from = std::max(window.from, teamHours(request, team).from);
            window.to = std::min(window.to, teamHours(request, team).to);
        }
        problem.windows.append(window);
        for (int other = 0; other < games.size(); ++other) {
            const PlanGame& otherGame = games.at(other);
            if (planGame.group >= 0 && otherGame.group == planGame.group && otherGame.round < planGame.round)
                problem.startsAfter[game].append(other);
            const bool groupFirst = planGame.group < 0 && otherGame.group >= 0;
            const bool waited = planGame.after.contains(other);
            if (groupFirst || waited) {
                problem.endsBefore[game].append(other);
                problem.gaps[game].append(waited ? request.restMinutes : 0);
            }
        }
    }
    return problem;
}

// True when every game can be reached by placing the games whose predecessors are placed.
bool ordered(const Problem& problem)
{
    const int count = int(problem.request.games.size());
    QVector<bool> done(count, false);
    for (int placed = 0; placed < count;) {
        int progress = 0;
        for (int game = 0; game < count; ++game) {
            if (done.at(game))
                continue;
            const auto isDone = [&done](int other) { return done.at(other); };
            if (std::all_of(problem.startsAfter.at(game).begin(), problem.startsAfter.at(game).end(), isDone)
                && std::all_of(problem.endsBefore.at(game).begin(), problem.endsBefore.at(game).end(), isDone)) {
                done[game] = true;
                ++progress;
            }
        }
        if (progress == 0)
            return false;
        placed += progress;
    }
    return true;
}

// The minutes that must follow each game's end: the rest and the games that wait for it, in turn.
void computeTails(Problem& problem)
{
    const QVector<PlanGame>& games = problem.request.games;
    problem.tail.fill(0, games.size());
    for (bool changed = true; changed;) {
        changed = false;
        for (int game = 0; game < games.size(); ++game) {
            for (int before : games.at(game).after) {
                const int tail = problem.request.restMinutes + games.at(game).minutes + problem.tail.at(game);
                if (tail > problem.tail.at(before)) {
                    problem.tail[before] = tail;
                    changed = true;
                }
            }
        }
    }
}

struct Bound
{
    int end = 0;
    QString reason; // why no plan fits, when `end` is kNever
};

// The latest of the bounds below on the end of any plan that keeps every rule: a relaxation that
// drops the rules it cannot count cheaply, so that no plan can end earlier.
//  - Pitches: the games' minutes plus one changeover each, shared over the pitches, in open
//    minutes (a changeover may fall into a break or the night); and a pitch takes at least
//    ceil(games / pitches) games in turn.
//  - Teams: each team's games in turn, with the rest between them, within the team's hours.
//  - Stages: the group stage ends no sooner than the bounds above for its games alone. Each knockout
//    game starts no sooner than that and than the end of the games it waits for plus the rest;
//    each set of knockout games that start no sooner than X and have at least T minutes of games
//    and rests after them ends no sooner than X plus ceil(games / pitches) games in turn, plus T.
//    When the knockout games wait for every group game, one of them starts a rest after the group
//    stage ends.
Bound leastEnd(const Problem& problem)
{
    const PlanRequest& request = problem.request;
    const QVector<PlanGame>& games = request.games;
    const Calendar& calendar = problem.calendar;
    const int firstKickOff = request.hours.from;
    const int pitches = request.pitchCount;
    const int changeover = request.changeoverMinutes;
    Bound bound { firstKickOff, {} };
    const auto unfit = [](const QString& reason) { return Bound { kNever, reason }; };
    const QString stageReason
        = QCoreApplication::translate(
              "DayPlanner",
              "The games do not fit: the group games and the knockout games after them need more than %1.")
              .arg(hoursText(request));

    const auto pitchBound = [&](const QVector<int>& set, int from) {
        if (set.isEmpty())
            return from;
        qint64 work = 0;
        int shortest = kNever;
        for (int game : set) {
            work += games.at(game).minutes + changeover;
            shortest = std::min(shortest, games.at(game).minutes);
        }
        const int waves = int((set.size() + pitches - 1) / pitches);
        return std::max(calendar.capacityEnd(from, work, pitches, changeover),
                        calendar.chainEnd(from, waves, shortest, changeover, request.hours));
    };

    // Each game alone, its teams' games in turn within their hours, and the pitches, for a set of
    // games from the first kick-off; kNever when they cannot fit.
    const auto stageEnd = [&](const QVector<int>& set) {
        int end = pitchBound(set, firstKickOff);
        QVector<int> count(problem.teamCount, 0);
        QVector<int> shortest(problem.teamCount, kNever);
        for (int game : set) {
            const int length = games.at(game).minutes;
            end = std::max(end, calendar.earliestStart(firstKickOff, length, problem.windows.at(game)) + length);
            for (int team : games.at(game).teams) {
                ++count[team];
                shortest[team] = std::min(shortest.at(team), length);
            }
        }
        for (int team = 0; team < problem.teamCount; ++team)
            if (count.at(team) > 0)
                end = std::max(end,
                               calendar.chainEnd(firstKickOff, count.at(team), shortest.at(team), request.restMinutes,
                                                 teamHours(request, team)));
        return std::min(end, kNever);
    };

    QVector<int> groupGames, knockoutGames, allGames;
    for (int game = 0; game < games.size(); ++game) {
        allGames.append(game);
        (games.at(game).group >= 0 ? groupGames : knockoutGames).append(game);
        if (stageEnd({ game }) == kNever)
            return unfit(QCoreApplication::translate(
                             "DayPlanner", "The games do not fit: a game of %1 minutes fits nowhere in its hours.")
                             .arg(games.at(game).minutes));
    }
    for (int team = 0; team < problem.teamCount; ++team) {
        const QVector<int>& teamGames = problem.teamsGames.at(team);
        if (!teamGames.isEmpty() && stageEnd(teamGames) == kNever) {
            const MinuteSpan hours = teamHours(request, team);
            return unfit(QCoreApplication::translate(
                             "DayPlanner",
                             "The games do not fit: a team's %1 games, with a rest of %2 minutes between them, need "
                             "more than its hours %3.")
                             .arg(teamGames.size())
                             .arg(request.restMinutes)
                             .arg(minuteText(hours.from) + u'-' + minuteText(hours.to)));
        }
    }
    bound.end = std::max(bound.end, stageEnd(allGames));
    const int groupEnd = stageEnd(groupGames);
    if (groupEnd >= kNever)
        return unfit(stageReason);
    if (knockoutGames.isEmpty())
        return bound.end >= kNever ? unfit(stageReason) : bound;

    // Knockout games in an order where each follows the games it waits for.
    QVector<int> earliestStart(games.size(), firstKickOff);
    QVector<int> earliestEnd(games.size(), 0);
    QVector<bool> known(games.size(), false);
    for (int game : std::as_const(groupGames))
        known[game] = true;
    for (int done = 0; done < knockoutGames.size();) {
        int progress = 0;
        for (int game : std::as_const(knockoutGames)) {
            if (known.at(game))
                continue;
            const QVector<int>& after = games.at(game).after;
            if (!std::all_of(after.begin(), after.end(), [&known](int other) { return known.at(other); }))
                continue;
            int from = groupEnd;
            for (int other : after)
                if (games.at(other).group < 0)
                    from = std::max(from, earliestEnd.at(other) + request.restMinutes);
            earliestStart[game] = calendar.earliestStart(from, games.at(game).minutes, problem.windows.at(game));
            if (earliestStart.at(game) == kNever)
                return unfit(stageReason);
            earliestEnd[game] = earliestStart.at(game) + games.at(game).minutes;
            bound.end = std::max(bound.end, earliestEnd.at(game));
            known[game] = true;
            ++progress;
        }
        if (progress == 0)
            break;
        done += progress;
    }
    for (int first : std::as_const(knockoutGames)) {
        const int from = earliestStart.at(first);
        for (int game : std::as_const(knockoutGames)) {
            if (earliestStart.at(game) < from)
                continue;
            const int tail = problem.tail.at(game);
            QVector<int> set;
            for (int other : std::as_const(knockoutGames))
                if (earliestStart.at(other) >= from && problem.tail.at(other) >= tail)
                    set.append(other);
            const int end = pitchBound(set, from);
            if (end >= kNever)
                return unfit(stageReason);
            bound.end = std::max(bound.end, end + tail);
        }
    }
    // The last group game to end is one that some knockout game waits for, when they wait for all.
    QVector<bool> awaited(games.size(), false);
    int shortest = kNever;
    int leastTail = kNever;
    for (int game : std::as_const(knockoutGames)) {
        bool waitsForGroup = false;
        for (int other : games.at(game).after) {
            if (games.at(other).group >= 0) {
                awaited[other] = true;
                waitsForGroup = true;
            }
        }
        if (waitsForGroup) {
            shortest = std::min(shortest, games.at(game).minutes);
            leastTail = std::min(leastTail, problem.tail.at(game));
        }
    }
    if (!groupGames.isEmpty()
        && std::all_of(groupGames.begin(), groupGames.end(), [&awaited](int game) { return awaited.at(game); })) {
        const int start = calendar.earliestStart(groupEnd + request.restMinutes, shortest, request.hours);
        if (start >= kNever)
            return unfit(stageReason);
        bound.end = std::max(bound.end, start + shortest + leastTail);
    }
    return bound.end >= kNever ? unfit(stageReason) : bound;
}

// "48 games need at least 12 rounds of 25 minutes on 4 pitches; 09:00-12:00 holds 7.": a pitch
// plays one game a round (the shortest game and a changeover), and a stretch of open hours holds
// its minutes plus one changeover.
QString capacityRefusal(const Problem& problem)
{
    const PlanRequest& request = problem.request;
    int shortest = kNever;
    for (const PlanGame& game : request.games)
        shortest = std::min(shortest, game.minutes);
    const int round = shortest + request.changeoverMinutes;
    int rounds = 0;
    for (const MinuteSpan& stretch : problem.calendar.stretches())
        rounds += (stretch.to - stretch.from + request.changeoverMinutes) / round;
    const int count = int(request.games.size());
    const int needed = (count + request.pitchCount - 1) / request.pitchCount;
    if (needed <= rounds)
        return {};
    const QString roundsText = needed == 1
        ? QCoreApplication::translate("DayPlanner", "1 round of %1 minutes").arg(round)
        : QCoreApplication::translate("DayPlanner", "%1 rounds of %2 minutes").arg(needed).arg(round);
    return (count == 1 ? QCoreApplication::translate("DayPlanner", "%1 needs at least %2 on %3; %4 holds %5.")
                       : QCoreApplication::translate("DayPlanner", "%1 need at least %2 on %3; %4 holds %5."))
        .arg(gamesText(count), roundsText, pitchesText(request.pitchCount), hoursText(request))
        .arg(rounds);
}

// "15:50", or "09:30 on 13-Jun-2027" with its date. A kick-off at midnight opens its day; a final
// whistle at midnight closes the day before.
QString timeText(const PlanRequest& request, int minute, bool withDate, bool isEnd = false)
{
    const int day = (isEnd && minute > 0 ? minute - 1 : minute) / kDayMinutes;
    const QString time = minuteText(minute - day * kDayMinutes);
    return withDate ? QCoreApplication::translate("DayPlanner", "%1 on %2").arg(time, dateText(request, day)) : time;
}

int dayOfEnd(int end)
{
    return (end > 0 ? end - 1 : 0) / kDayMinutes;
}

} // namespace

std::optional<DayPlan> planDay(const PlanRequest& request, QString* refusal)
{
    const auto refuse = [refusal](const QString& reason) {
        if (refusal)
            *refusal = reason;
        return std::nullopt;
    };
    if (const QString invalid = invalidRequest(request); !invalid.isEmpty())
        return refuse(invalid);
    Problem problem = makeProblem(request);
    if (!ordered(problem))
        return refuse(QCoreApplication::translate("DayPlanner", "The games wait for each other in a circle."));
    if (request.games.isEmpty())
        return DayPlan { {}, request.hours.from, request.hours.from };
    if (const QString capacity = capacityRefusal(problem); !capacity.isEmpty())
        return refuse(capacity);
    computeTails(problem);
    const Bound bound = leastEnd(problem);
    if (bound.end >= kNever)
        return refuse(bound.reason);

    // The greedy plan on the lowest pitches, then the same order keeping each group to its pitches;
    // then a search from it that swaps two games near each other in the order and keeps the
    // change when the plan is no worse. The seed is fixed: the same request gives the same plan.
    QVector<int> order = greedyOrder(request.games);
    Placement best = serialPlacement(problem, order, false);
    Placement current = serialPlacement(problem, order, true);
    if (current.betterThan(best))
        best = current;
    std::mt19937 random(20270612u);
    const int count = int(order.size());
    const int reach = 3 * request.pitchCount;
    const int tries = count > 1 ? std::clamp(60000 / count, 100, 600) : 0;
    for (int attempt = 0; attempt < tries; ++attempt) {
        QVector<int> changed = order;
        const int first = int(random() % unsigned(count));
        const int second = std::min(count - 1, first + 1 + int(random() % unsigned(reach)));
        changed.swapItemsAt(first, second);
        const Placement candidate = serialPlacement(problem, changed, true);
        if (!candidate.complete || current.betterThan(candidate))
            continue;
        order = changed;
        current = candidate;
        if (current.betterThan(best))
            best = current;
    }
    if (best.complete)
        gatherGroupPitches(request, best);
    if (!best.complete) {
        const int lastDay = int(request.days.size()) - 1;
        return refuse(
            QCoreApplication::translate("DayPlanner",
                                        "The games do not fit: no plan was found that keeps every rule and "
                                        "ends by %1.")
                .arg(timeText(request, lastDay * kDayMinutes + request.hours.to, request.days.size() > 1, true)));
    }
    DayPlan plan;
    for (int game = 0; game < request.games.size(); ++game)
        plan.games.append({ best.start.at(game), best.pitch.at(game) });
    plan.end = best.end;
    plan.leastEnd = bound.end;
    return plan;
}

QString planSummary(const PlanRequest& request, const DayPlan& plan)
{
    int first = kNever;
    for (const PlannedGame& game : plan.games)
        first = std::min(first, game.start);
    if (first == kNever)
        first = request.hours.from;
    const int firstDay = first / kDayMinutes;
    const int endDay = dayOfEnd(plan.end);
    const bool twoDays = endDay != firstDay;
    const QString span = twoDays ? QCoreApplication::translate("DayPlanner", "%1 to %2")
                                       .arg(timeText(request, first, true), timeText(request, plan.end, true, true))
                                 : QCoreApplication::translate("DayPlanner", "%1 to %2 on %3")
                                       .arg(timeText(request, first, false), timeText(request, plan.end, false, true),
                                            dateText(request, firstDay));
    const bool leastWithDate = twoDays || dayOfEnd(plan.leastEnd) != endDay;
    return QCoreApplication::translate("DayPlanner", "Planned %1 on %2, %3 (no plan can end before %4).")
        .arg(gamesText(int(plan.games.size())), pitchesText(request.pitchCount), span,
             timeText(request, plan.leastEnd, leastWithDate, true));
}
