#pragma once

#include "core/knockout/KnockoutStage.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// One game of a knockout stage as the reports, exports and calendars list it: a two-legged tie is
// two games, the second with the second-listed team at home; a bye is one game without an away side.
struct KnockoutGame
{
    QString code;  // "QF1", "3P"
    QString round; // "Quarter-finals", "Third-place match"
    QString tie;   // "Quarter-final 1"
    int leg = 1;
    int legs = 1;
    bool bye = false;
    std::optional<KnockoutTeam> home; // nothing while not known yet
    std::optional<KnockoutTeam> away; // nothing while not known yet, and for a bye
    QString homeName;                 // the team's name, or "Winner QF1", "Loser SF2" while not known
    QString awayName;                 // the same; empty for a bye
    std::optional<GameScore> fullTime;
    std::optional<GameScore> extraTime; // the deciding game's only, as that game lists it
    std::optional<GameScore> penalties;
    std::optional<KnockoutTeam> winner; // on the deciding game (and a bye) only
    QDate date;                         // invalid when the stage has no dates

    bool deciding() const { return leg == legs; }
};

// Every game of the stage, tie by tie in tieCodes() order, each tie's legs in order.
QVector<KnockoutGame> knockoutGames(const KnockoutStage& stage);

// The game's score as it ended: after extra time when it went to extra time ("2-1"); "" unplayed.
QString finalScoreText(const KnockoutGame& game);
// What decided the game beyond its score: "a.e.t." and the shoot-out "3-4 pens", as played.
QStringList scoreMarks(const KnockoutGame& game);
// The days the games of `round` are played on, in order: "01-Apr-2000 and 08-Apr-2000"; "" without dates.
QString roundDates(const QVector<KnockoutGame>& games, const QString& round);
