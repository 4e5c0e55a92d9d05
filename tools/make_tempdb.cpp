// Builds the temporary database that ships beside the program from its schema file:
//   make_tempdb SCHEMA.sql OUTPUT.mdb
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: make_tempdb SCHEMA.sql OUTPUT.mdb\n";
        return 2;
    }
    QFile schema(args[1]);
    if (!schema.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "cannot read " << args[1] << ": " << schema.errorString() << "\n";
        return 1;
    }
    QFile::remove(args[2]);
    int status = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make_tempdb"));
        db.setDatabaseName(args[2]);
        if (!db.open()) {
            err << "cannot create " << args[2] << ": " << db.lastError().text() << "\n";
            return 1;
        }
        // Comment lines go first, since they may hold a ";" of their own.
        QString text;
        for (const QString& line : QString::fromUtf8(schema.readAll()).split(u'\n'))
            if (!line.trimmed().startsWith(QLatin1String("--")))
                text += line + u'\n';
        for (const QString& sql : text.split(u';')) {
            if (sql.trimmed().isEmpty())
                continue;
            QSqlQuery query(db);
            if (!query.exec(sql)) {
                err << "schema statement failed: " << query.lastError().text() << "\n";
                status = 1;
                break;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make_tempdb"));
    return status;
}
