#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <optional>

// One team's line of a league table. Figures are 64-bit: a long season's sums may pass 32767.
struct LeagueRow
{
    QString name; // "Competitors Name"
    qint64 won = 0;
    qint64 drawn = 0;
    qint64 lost = 0;
    qint64 goalsFor = 0; // "For"
    qint64 against = 0;
    qint64 diff = 0;
    qint64 pts = 0;
    int teamNumber = -1; // where the source gives it; not shown, and not part of the comparison

    bool operator==(const LeagueRow& other) const
    {
        return name == other.name && won == other.won && drawn == other.drawn && lost == other.lost
            && goalsFor == other.goalsFor && against == other.against && diff == other.diff && pts == other.pts;
    }
};

// A points adjustment as a table lists it under its rows.
struct LeagueAdjustment
{
    QString name;
    qint64 points = 0;
    QString reason;
};

// A league table as read from the temporary database: the columns in the order its source gave
// them (the league query puts Lost before Drawn, TempTable Drawn before Lost) and the rows in
// league order; with the group's points adjustments, in team order, when it was computed.
struct LeagueTable
{
    QStringList columns;
    QVector<LeagueRow> rows;
    QVector<LeagueAdjustment> adjustments;
    QStringList why; // why each row stands below the one above, when it was computed (Standings)
};

// The value of one column of a row by its field name; an invalid QVariant for an unknown name.
QVariant leagueRowValue(const LeagueRow& row, const QString& column);

// The figure a rule code orders by, larger first: 1 Pts, 2 Diff, 3 For, 4 Won. Nothing for the
// head-to-head rules 5 and 6, which compare teams by their games instead.
std::optional<qint64> ruleFigure(const LeagueRow& row, int ruleCode);
