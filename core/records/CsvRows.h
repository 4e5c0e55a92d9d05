#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A CSV file's rows as a spreadsheet or a federation writes them: comma or semicolon separated
// (whichever the first line holds more of), quoted as RFC 4180 says, UTF-8 with or without a
// byte-order mark, else Windows-1252. Blank lines are skipped.
struct CsvRow
{
    int line = 0; // the file line the row starts on, from 1
    QStringList cells;
};

struct CsvReading
{
    QList<CsvRow> rows;
    QString error; // why the file cannot be read, naming the line; empty when it can
    bool ok() const { return error.isEmpty(); }
};

CsvReading readCsv(const QByteArray& bytes);

// A cell as a CSV file writes it: quoted, its quotes doubled, when it holds a comma, a quote or a
// line break; as it stands otherwise.
QString csvCell(const QString& text);
