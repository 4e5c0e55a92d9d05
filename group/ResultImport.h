#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
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

struct ResultImport
{
    QStringList lines; // the stored lines to add, in the file's order
    int fixtures = 0;
    int results = 0;
    QList<ImportProblem> problems; // while there is one, nothing may be added
    bool ok() const { return problems.isEmpty(); }
};

// Checks every row against the group's `teams` (names matched exactly, blanks around them aside)
// and the scores by the rule of result entry. `existingLines` is what the group holds already, so
// that the import cannot take it beyond its line limit.
ResultImport readResultImport(const QByteArray& csv, const QStringList& teams, int existingLines);

// The names the home and away columns hold, blanks around them removed, in alphabetical order: the
// teams of a group made from the file. Problems as above.
QStringList teamNamesInCsv(const QByteArray& csv, QList<ImportProblem>* problems);

// A refusal's lines: the first ten problems, each as "Line 3, column home: ...", then how many more.
QStringList importProblemLines(const QList<ImportProblem>& problems);

// File > Import Results and `tabulon-cli import`: the file's lines added to the group's and put in
// date order as the Sort button does. When anything is refused, `refusal` says what, line by line,
// and the group keeps its lines.
struct GroupImport
{
    QStringList lines; // every line of the group afterwards
    int fixtures = 0;
    int results = 0;
    QStringList refusal;
    bool ok() const { return refusal.isEmpty(); }
    // "Added 2 fixtures and 30 results to 1. Division A."
    QString summary(const QString& groupCaption) const;
};
GroupImport importIntoGroup(const QStringList& storedLines, const QStringList& teams, const QByteArray& csv);
