#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// Fixtures and results from a CSV file whose header row names its columns: date, home, away and,
// optionally, home_ht, away_ht, home_ft, away_ft, in any order and letter case. A row with both
// full-time scores is a result, one with neither a fixture. Dates are "dd-mmm-yyyy" or "yyyy-mm-dd".

// Why a row, or the file, cannot be taken. `column` is empty when the whole line is at fault.
struct ImportProblem
{
    int line = 0;
    QString column;
    QString reason;
};

// One row taken: the stored line it makes, and what it names, for matching it with the group's lines.
struct ImportedRow
{
    int line = 0; // in the file
    QString storedLine;
    bool isResult = false;
    QDate date;
    int home = 0;
    int away = 0;
    std::array<qint16, 4> scores {}; // HT home, HT away, FT home, FT away; a blank half-time score is 0
};

struct ResultImport
{
    QList<ImportedRow> rows;       // in the file's order
    QList<ImportProblem> problems; // while there is one, nothing may be added
    bool ok() const { return problems.isEmpty(); }
};

// Checks every row against the group's `teams` (names matched exactly, blanks around them aside)
// and the scores by the rule of result entry.
ResultImport readResultImport(const QByteArray& csv, const QStringList& teams);

// The names the home and away columns hold, blanks around them removed, in alphabetical order: the
// teams of a group made from the file. Two names that differ only in letter case are refused, as
// two teams of a group may not share a name. Problems as above.
QStringList teamNamesInCsv(const QByteArray& csv, QList<ImportProblem>* problems);

// A refusal's lines: the first ten problems, each as "Line 3, column home: ...", then how many more.
QStringList importProblemLines(const QList<ImportProblem>& problems);

// File > Import Results and `tabulon-cli import`: the file's rows brought into the group's lines,
// which are then put in date order as the Sort button does. A result row whose teams have a fixture
// replaces the first such fixture, taking the row's date; a row the group holds already (same date,
// teams and scores) is skipped, so that a file can be imported again; a result row for a game
// entered with other scores is a conflict. Anything refused or in conflict leaves the group's lines
// as they were, and `refusal` says why, line by line.
struct GroupImport
{
    QStringList lines; // every line of the group afterwards
    int fixtures = 0;  // added
    int results = 0;   // added
    int replaced = 0;  // fixtures that became results
    int skipped = 0;   // rows already entered
    QStringList refusal;
    bool ok() const { return refusal.isEmpty(); }
    // "Added 2 fixtures and 30 results to 1. Division A." or, with rows matched,
    // "Added 2 results to 1. Group A; replaced 8 fixtures; 30 rows were already entered."
    QString summary(const QString& groupCaption) const;
};
GroupImport importIntoGroup(const QStringList& storedLines, const QStringList& teams, const QByteArray& csv);
