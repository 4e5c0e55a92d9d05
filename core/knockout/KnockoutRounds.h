#pragma once

#include <QString>
#include <optional>

// One tie of a bracket: the round is named by how many teams it starts with (16 for the round of
// 16, 2 for the final), ties are numbered from 1 within it. The third-place match is played
// alongside the final by the semi-final losers.
struct TieId
{
    int roundSize = 0;
    int number = 0;
    bool thirdPlace = false;
};

inline bool operator==(const TieId& a, const TieId& b)
{
    return a.roundSize == b.roundSize && a.number == b.number && a.thirdPlace == b.thirdPlace;
}

constexpr int kMinimumEntrants = 2;
constexpr int kMaximumEntrants = 64;

// The size of the bracket that seats `entrants` teams: the next power of two, 0 outside 2..64.
int bracketSize(int entrants);

// "Round of 32", "Quarter-finals", "Final".
QString roundName(int roundSize);

// The names as the windows show them, in the user's language; files and reports keep the English ones above
// and below.
QString shownRoundName(int roundSize);
QString shownTieName(const TieId& tie);

// "R32-5", "QF2", "SF1", "F", "3P".
QString tieCode(const TieId& tie);

// The tie a code names, nothing for no code of a bracket of up to 64 teams.
std::optional<TieId> readTieCode(const QString& code);

// The tie as messages name it: "Round of 16, tie 3", "Quarter-final 2", "Final", "Third-place match".
QString tieName(const TieId& tie);
