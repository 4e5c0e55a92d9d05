#include "core/standings/TempDatabase.h"

#include "core/common/FailureText.h"
#include "core/standings/TempDatabaseSchema.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

namespace {

// The engine's codes for a file that is no database, or a damaged one.
const QString kCorrupt = QStringLiteral("11");
const QString kNotADatabase = QStringLiteral("26");

// Every object gets a connection of its own, so two computations can never share one by accident.
QString nextConnectionName()
{
    static int counter = 0;
    return QStringLiteral("TabulonTempDB-%1").arg(++counter);
}

} // namespace

QString databaseErrorMessage(const QSqlError& error)
{
    const QString description = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    const QString code = error.nativeErrorCode().isEmpty() ? QStringLiteral("0") : error.nativeErrorCode();
    return failureText(code, description);
}

TempDatabase::TempDatabase(const QString& path)
    : m_path(path)
    , m_connectionName(nextConnectionName())
{ }

TempDatabase::~TempDatabase()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            if (m_inTransaction)
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

bool TempDatabase::open()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (!db.isValid())
        return fail(db.lastError());
    // "mode=rw" opens an existing file for reading and writing and refuses to create a missing one.
    QUrl uri = QUrl::fromLocalFile(m_path);
    uri.setQuery(QStringLiteral("mode=rw"));
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
    if (!db.open())
        return fail(db.lastError());
    // With write-ahead logging a commit waits for the disk once, and a power cut loses at most the
    // last computation, never the file: every league table depends on it.
    return exec(QStringLiteral("PRAGMA journal_mode = WAL")) && exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
}

bool TempDatabase::exec(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.exec(sql))
        return fail(query.lastError());
    return true;
}

bool TempDatabase::beginTransaction()
{
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    m_inTransaction = true;
    return true;
}

bool TempDatabase::commit()
{
    if (!exec(QStringLiteral("COMMIT")))
        return false;
    m_inTransaction = false;
    return true;
}

void TempDatabase::rollback()
{
    if (!m_inTransaction)
        return;
    QSqlQuery(QSqlDatabase::database(m_connectionName, false)).exec(QStringLiteral("ROLLBACK"));
    m_inTransaction = false;
}

bool TempDatabase::replaceLeague(const QVector<TeamTally>& tallies)
{
    if (!exec(QStringLiteral("DELETE FROM [League]")))
        return false;
    QSqlQuery insert(QSqlDatabase::database(m_connectionName, false));
    if (!insert.prepare(QStringLiteral("INSERT INTO [League] ([TeamNumber], [Won], [Drawn], [Lost], [For], "
                                       "[Against], [Diff], [Pts]) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")))
        return fail(insert.lastError());
    for (int i = 0; i < tallies.size(); ++i) {
        const TeamTally& tally = tallies[i];
        insert.bindValue(0, i);
        insert.bindValue(1, tally.won);
        insert.bindValue(2, tally.drawn);
        insert.bindValue(3, tally.lost);
        insert.bindValue(4, tally.goalsFor);
        insert.bindValue(5, tally.against);
        insert.bindValue(6, tally.diff());
        insert.bindValue(7, tally.pts);
        if (!insert.exec())
            return fail(insert.lastError());
    }
    return true;
}

bool TempDatabase::replaceTeams(const QStringList& names)
{
    if (!exec(QStringLiteral("DELETE FROM [Teams]")))
        return false;
    QSqlQuery insert(QSqlDatabase::database(m_connectionName, false));
    if (!insert.prepare(QStringLiteral("INSERT INTO [Teams] ([TeamNumber], [Competitors Name]) VALUES (?, ?)")))
        return fail(insert.lastError());
    for (int i = 0; i < names.size(); ++i) {
        insert.bindValue(0, i);
        insert.bindValue(1, names[i]);
        if (!insert.exec())
            return fail(insert.lastError());
    }
    return true;
}

bool TempDatabase::replaceTempTable(const QVector<LeagueRow>& rows)
{
    if (!exec(QStringLiteral("DELETE FROM [TempTable]")))
        return false;
    QSqlQuery insert(QSqlDatabase::database(m_connectionName, false));
    if (!insert.prepare(QStringLiteral("INSERT INTO [TempTable] ([Competitors Name], [Won], [Drawn], [Lost], [For], "
                                       "[Against], [Diff], [Pts]) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")))
        return fail(insert.lastError());
    for (const LeagueRow& row : rows) {
        insert.bindValue(0, row.name);
        insert.bindValue(1, row.won);
        insert.bindValue(2, row.drawn);
        insert.bindValue(3, row.lost);
        insert.bindValue(4, row.goalsFor);
        insert.bindValue(5, row.against);
        insert.bindValue(6, row.diff);
        insert.bindValue(7, row.pts);
        if (!insert.exec())
            return fail(insert.lastError());
    }
    return true;
}

std::optional<LeagueTable> TempDatabase::readTable(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        fail(query.lastError());
        return std::nullopt;
    }
    LeagueTable table;
    const QSqlRecord record = query.record();
    // A team number is kept with its row but is no column of the table the user sees.
    const int teamNumber = record.indexOf(QStringLiteral("TeamNumber"));
    for (int i = 0; i < record.count(); ++i) {
        if (i != teamNumber)
            table.columns.append(record.fieldName(i));
    }
    const int name = record.indexOf(QStringLiteral("Competitors Name"));
    const int won = record.indexOf(QStringLiteral("Won"));
    const int drawn = record.indexOf(QStringLiteral("Drawn"));
    const int lost = record.indexOf(QStringLiteral("Lost"));
    const int goalsFor = record.indexOf(QStringLiteral("For"));
    const int against = record.indexOf(QStringLiteral("Against"));
    const int diff = record.indexOf(QStringLiteral("Diff"));
    const int pts = record.indexOf(QStringLiteral("Pts"));
    const auto field = [&query](int index) { return index < 0 ? QVariant() : query.value(index); };
    while (query.next()) {
        LeagueRow row;
        row.name = field(name).toString();
        row.won = field(won).toLongLong();
        row.drawn = field(drawn).toLongLong();
        row.lost = field(lost).toLongLong();
        row.goalsFor = field(goalsFor).toLongLong();
        row.against = field(against).toLongLong();
        row.diff = field(diff).toLongLong();
        row.pts = field(pts).toLongLong();
        if (teamNumber >= 0)
            row.teamNumber = field(teamNumber).toInt();
        table.rows.append(row);
    }
    if (query.lastError().isValid()) {
        fail(query.lastError());
        return std::nullopt;
    }
    return table;
}

bool TempDatabase::fail(const QSqlError& error)
{
    m_errorMessage = databaseErrorMessage(error);
    if (error.nativeErrorCode() == kCorrupt || error.nativeErrorCode() == kNotADatabase) {
        // Every league table fails until the file is mended, so say which file and how.
        m_errorMessage
            = QCoreApplication::translate("TempDatabase",
                                          "The temporary database \"%1\" is damaged (%2).\rTo restore it, close "
                                          "Tabulon and delete that file: Tabulon makes a new one when it starts again.")
                  .arg(m_path, m_errorMessage);
    }
    return false;
}

bool createTempDatabase(const QString& path, QString* error)
{
    const QString connection = QStringLiteral("TabulonTempDBCreate");
    bool ok = true;
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ok = db.open();
        if (!ok && error)
            *error = databaseErrorMessage(db.lastError());
        // Comment lines go first, since they may hold a ";" of their own.
        QString schema;
        for (const QString& line : QString::fromUtf8(kTempDatabaseSchema).split(u'\n'))
            if (!line.trimmed().startsWith(QLatin1String("--")))
                schema += line + u'\n';
        for (const QString& sql : schema.split(u';')) {
            if (!ok || sql.trimmed().isEmpty())
                continue;
            QSqlQuery query(db);
            ok = query.exec(sql);
            if (!ok && error)
                *error = databaseErrorMessage(query.lastError());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}
