#pragma once

#include "core/knockout/KnockoutRounds.h"
#include "core/knockout/TieResult.h"

#include <QDate>
#include <QMap>
#include <QStringList>
#include <QVector>
#include <optional>

// A team in the bracket: its group and number within it when it comes from the group tables, or
// group 0 and its place in a seeded list.
struct KnockoutTeam
{
    int group = 0;
    int number = 0;
    QString name;
};

bool operator==(const KnockoutTeam& a, const KnockoutTeam& b);
// The same team, though perhaps under another name or seed: the same team of the same group, or
// the same name in a seeded list.
bool isSameTeam(const KnockoutTeam& a, const KnockoutTeam& b);
inline bool operator!=(const KnockoutTeam& a, const KnockoutTeam& b)
{
    return !(a == b);
}

// The last day a knockout game can be played on: a calendar file writes no later year.
QDate latestGameDate();

// What changing a result does to the later ties `codes`, which have results: "Changing this result
// changes who plays in Semi-final 1, which already has a result."
QString laterResultsNotice(const QStringList& codes);

// A knockout stage: the entrants in the places of the first round, how each round is played and
// the results entered so far. Who plays each later tie follows from the results: the winners of
// ties 2k-1 and 2k of a round meet in tie k of the next, the first of them listed first; a team
// with a bye moves on at once. Ties are named by their codes ("R16-3", "QF1", "F", "3P").
class KnockoutStage
{
public:
    using Place = std::optional<KnockoutTeam>;

    // A bracket with the teams in these first-round places (two per tie, an empty place a bye);
    // nothing, with the reason in `refusal`, for no bracket of 2 to 64 places, a tie without teams or
    // a team in two places.
    static std::optional<KnockoutStage> fromPlaces(const QVector<Place>& places, QString* refusal);
    // A bracket seeded from the best team down, the top seeds given the byes.
    static std::optional<KnockoutStage> fromSeeds(const QVector<KnockoutTeam>& seeds, QString* refusal);

    int size() const { return m_places.size(); }
    // Every tie, round by round, the third-place match (when played) before the final.
    QStringList tieCodes() const;

    // Each round is played in one game (the default) or two legs; the third-place match as the final.
    int legs(int roundSize) const { return m_legs.value(roundSize, 1); }
    // The games tie `code` is played in, by its round: 1 or 2; 0 for no tie of this stage.
    int games(const QString& code) const;
    bool setLegs(int roundSize, int legs, QString* refusal);
    bool thirdPlaceMatch() const { return m_thirdPlaceMatch && size() >= 4; }
    void setThirdPlaceMatch(bool played) { m_thirdPlaceMatch = played; }
    // Turning away goals on or off keeps the results entered; one that no longer decides its tie
    // leaves the tie undecided until it is entered again.
    bool awayGoals() const { return m_awayGoals; }
    void setAwayGoals(bool count) { m_awayGoals = count; }

    // The team listed first or second in a tie; nothing while it is not known yet or for a bye.
    std::optional<KnockoutTeam> team(const QString& code, TieSide side) const;
    bool isBye(const QString& code) const;
    std::optional<KnockoutTeam> winner(const QString& code) const;
    std::optional<KnockoutTeam> champion() const { return winner(QStringLiteral("F")); }

    // When the games are played: the first round's first leg on the start date, and every later
    // date slot (a round's second leg, the next round) the gap after the one before. The
    // third-place match is played on the final's day. No dates without a start date. Refused, with
    // the reason, when a game would fall outside the days a calendar file can hold; call it after
    // setLegs, whose rounds it counts.
    QDate startDate() const { return m_startDate; }
    int daysBetweenRounds() const { return m_daysBetweenRounds; }
    bool setSchedule(const QDate& startDate, int daysBetweenRounds, QString* refusal = nullptr);
    // The day of leg `leg` (from 1) of a tie; an invalid date when the stage has no dates.
    QDate gameDate(const QString& code, int leg) const;

    // The first round's places, two per tie in tie order; an empty place gives its partner a bye.
    const QVector<Place>& places() const { return m_places; }
    // Renamed wherever a group team stands in the bracket.
    void renameTeam(int group, int number, const QString& name);

    std::optional<TieResult> result(const QString& code) const;
    // Every result entered, by tie code.
    const QMap<QString, TieResult>& results() const { return m_results; }
    // A two-legged tie may hold its first leg alone: it is undecided until the second is entered.
    // Refused, with the reason, when the tie is not one of this stage's or not ready to be played,
    // the result has the wrong number of legs or does not decide the tie, or when it would change
    // who plays a later tie that already has a result (see laterResultsChangedBy()).
    bool setResult(const QString& code, const TieResult& result, QString* refusal);
    // The later results to clear if the tie had this result (or none): those of ties whose teams
    // would change, and the results after them that clearing those would leave without their teams.
    QStringList laterResultsChangedBy(const QString& code, const std::optional<TieResult>& result) const;
    void clearResults(const QStringList& codes);

private:
    explicit KnockoutStage(const QVector<Place>& places);
    std::optional<TieId> tieOf(const QString& code) const;
    int gamesOf(const TieId& tie) const { return legs(tie.thirdPlace ? 2 : tie.roundSize); }
    std::optional<KnockoutTeam> team(const TieId& tie, TieSide side) const;
    std::optional<KnockoutTeam> winner(const TieId& tie, bool winning) const;
    QStringList codesWithResults() const { return m_results.keys(); }

    QVector<Place> m_places;
    QMap<int, int> m_legs;
    bool m_thirdPlaceMatch = false;
    bool m_awayGoals = false;
    QDate m_startDate;
    int m_daysBetweenRounds = 0;
    QMap<QString, TieResult> m_results;
};
