#pragma once

#include "core/standings/LeagueRow.h"
#include "core/standings/Tally.h"

#include <QSqlError>
#include <QString>
#include <optional>

// The temporary database that league tables are ordered in: an SQLite file whose tables Teams,
// League and TempTable exist beforehand. One named connection lives as long as this object.
// The file is opened read-write but never created: a missing file is an error, not a new empty
// database. Tables are only emptied and filled, never created, altered or dropped.
// After a failure, errorMessage() says what the engine reported: "Error <code> - <text>".
class TempDatabase
{
public:
    explicit TempDatabase(const QString& path);
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    bool open();

    // An immediate transaction: the write lock is taken at once, so a second program filling the
    // same file waits for this computation to end instead of mixing its rows into it.
    bool beginTransaction();
    bool commit();
    void rollback();

    bool replaceLeague(const QVector<TeamTally>& tallies);
    bool replaceTeams(const QStringList& names);
    bool replaceTempTable(const QVector<LeagueRow>& rows);

    // Runs a SELECT that yields league rows and reads them by field name, keeping the column order.
    // A TeamNumber field goes into the rows' team numbers, not into the columns.
    std::optional<LeagueTable> readTable(const QString& sql);

    QString errorMessage() const { return m_errorMessage; }

private:
    bool fail(const QSqlError& error);
    bool exec(const QString& sql);

    QString m_path;
    QString m_connectionName;
    bool m_inTransaction = false;
    QString m_errorMessage;
};

// How a database error is shown to the user: the engine's own code and text.
QString databaseErrorMessage(const QSqlError& error);

// Makes the temporary database at `path` anew from the program's schema, replacing any file there.
// False, with the reason in `error`, when it cannot be written.
bool createTempDatabase(const QString& path, QString* error = nullptr);
