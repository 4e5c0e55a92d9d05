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
    bool hasHalfTime = false;        // either half-time score given
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

// What a row of the file does to the group's lines. A result row whose teams have a fixture
// replaces the first such fixture, taking the row's date; a row the group holds already (same date,
// teams and scores, a half-time score given or not alike) is already entered, so that a file can be
// imported again; a result row for a game entered with other scores is a conflict. A row whose home
// and away teams have a result in the group on another date, and no fixture left, is a repeat: a
// second game between them, which is rarely meant (a result typed on a date the file does not have).
enum class ImportAction { Add, ReplaceFixture, AlreadyEntered, Repeat, Conflict };

struct PlannedRow
{
    ImportedRow row;
    ImportAction action = ImportAction::Add;
    int position = -1; // the line it replaces, or for a row added the line it would take
    // Repeat: "Leeds v Otley already played on 06-Dec-2026 (2-1)"; Conflict: "Leeds v Otley on
    // 13-Dec-2026 is already entered as 2-1, half-time 1-0; the file has 2-1 with no half-time score".
    QString note;
    bool canImport() const
    {
        return action == ImportAction::Add || action == ImportAction::ReplaceFixture || action == ImportAction::Repeat;
    }
};

// Every row of a file, in the file's order, with what it does: what File > Import Results previews
// and `tabulon-cli import` checks, so that both judge a row alike.
struct ImportPlan
{
    QList<PlannedRow> rows;
    QStringList refusal; // the file, or a row of it, cannot be read: nothing can be imported
    bool ok() const { return refusal.isEmpty(); }
    // The rows that can be imported, the repeats only when asked for.
    QList<PlannedRow> importableRows(bool withRepeats) const;
    // The conflicts, as importProblemLines gives them.
    QStringList conflictLines() const;
};
ImportPlan planImport(const QStringList& storedLines, const QStringList& teams, const QByteArray& csv);

// The group's lines with the chosen rows of a plan brought in, then put in date order as the Sort
// button does. Rows already entered or in conflict are never brought in. Anything refused leaves
// the group's lines as they were, and `refusal` says why, line by line.
struct GroupImport
{
    QStringList lines; // every line of the group afterwards
    int fixtures = 0;  // added
    int results = 0;   // added
    int replaced = 0;  // fixtures that became results
    int skipped = 0;   // rows already entered
    int leftOut = 0;   // rows not chosen, or in conflict
    QStringList refusal;
    bool ok() const { return refusal.isEmpty(); }
    // "Added 2 fixtures and 30 results to 1. Division A." or, with rows matched,
    // "Added 2 results to 1. Group A; replaced 8 fixtures; 30 rows were already entered."
    QString summary(const QString& groupCaption) const;
};
GroupImport importPlannedRows(const QStringList& storedLines, const ImportPlan& plan, const QList<PlannedRow>& chosen);

// The whole file at once, as `tabulon-cli new` makes a group from it: a conflict refuses the file,
// every other row is brought in.
GroupImport importIntoGroup(const QStringList& storedLines, const QStringList& teams, const QByteArray& csv);
