#pragma once

#include "core/knockout/KnockoutStage.h"
#include "core/standings/CrossGroupRanking.h"
#include "core/tournament/TournamentFile.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <optional>

// How a knockout stage is set up: who enters, from a template of the first round after the group
// tables or from a seeded list of teams, and how and when its rounds are played.
struct KnockoutSetup
{
    // A seeded draw seeds every group's winner and runner-up: the winners first, each place
    // ranked across the groups (see rankAcrossGroups).
    enum class Entrants { Template, SeededList, SeededDraw };
    Entrants entrants = Entrants::Template;
    QByteArray file;     // the template ("tie,home,away") or the seeded list ("team") as CSV
    QMap<int, int> legs; // round size -> 1 or 2; rounds not named are played in one game
    bool thirdPlaceMatch = false;
    bool awayGoals = false;
    QDate startDate; // invalid for a stage without dates
    int daysBetweenRounds = 0;
};

// The stage `setup` describes for `tournament`, its groups' tables computed in the temporary
// database at `databaseName`. Nothing, with the reason in `refusal`, for a file that is no template
// or seeded list, for groups with games still to play or without the teams the template names, or
// for legs a round cannot have.
std::optional<KnockoutStage> setUpKnockoutStage(const TournamentData& tournament, const KnockoutSetup& setup,
                                                const QString& databaseName, QString* refusal);

// Each group's league table in league order, computed in the temporary database at `databaseName`;
// nothing, with the database's message in `error`, when it fails.
std::optional<QVector<QVector<LeagueRow>>> leagueTables(const TournamentData& tournament, const QString& databaseName,
                                                        QString* error);

// The bytes of a template or seeded list file, read as tabulon-cli reads a CSV file: anything but a
// regular file (a pipe, a device) is refused before it is opened, and a file too large for any CSV
// file of results before it fills the memory. Nothing, with a message naming the file in `error`.
std::optional<QByteArray> readEntrantsFile(const QString& path, QString* error);

// The teams of a seeded list: a CSV with the header "team" and one team per row, best seed first.
std::optional<QVector<KnockoutTeam>> readSeededList(const QByteArray& bytes, QString* refusal);
