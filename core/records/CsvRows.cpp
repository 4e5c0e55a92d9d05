#include "core/records/CsvRows.h"

#include "core/common/Windows1252.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <csv.h>
#include <memory>

namespace {

QString decodeCsvText(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? decodeWindows1252(bytes) : text;
}

char delimiterOf(const QByteArray& firstLine)
{
    return firstLine.count(';') > firstLine.count(',') ? ';' : ',';
}

// What libcsv's callbacks fill in as it goes.
struct RowCollector
{
    int line = 0;
    int rowLine = 0;
    int lastRowEnd = 0;
    QStringList cells;
    QList<CsvRow> rows;

    static void onField(void* field, size_t length, void* data)
    {
        auto* self = static_cast<RowCollector*>(data);
        if (self->cells.isEmpty())
            self->rowLine = self->line;
        self->cells.append(QString::fromUtf8(static_cast<const char*>(field), qsizetype(length)));
    }
    static void onRowEnd(int, void* data)
    {
        auto* self = static_cast<RowCollector*>(data);
        self->rows.append({ self->rowLine, self->cells });
        self->cells.clear();
        self->lastRowEnd = self->line;
    }
};

QString parseProblem(int error)
{
    switch (error) {
    case CSV_EPARSE:
        return QCoreApplication::translate(
            "CsvRows",
            "A quote is out of place (a quoted cell begins and ends with its quotes, and a quote "
            "inside it is doubled).");
    case CSV_ETOOBIG:
        return QCoreApplication::translate("CsvRows", "The file is too big.");
    default:
        return QCoreApplication::translate("CsvRows", "There is not enough memory to read the file.");
    }
}

} // namespace

CsvReading readCsv(const QByteArray& bytes)
{
    // Decoded first, so that every cell reaches libcsv, and comes back, as UTF-8.
    const QByteArray text = decodeCsvText(bytes).toUtf8();
    const QList<QByteArray> lines = text.split('\n');

    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0)
        return { {}, QCoreApplication::translate("CsvRows", "There is not enough memory to read the file.") };
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> release(&parser, csv_free);
    csv_set_delim(&parser, static_cast<unsigned char>(delimiterOf(lines.value(0))));

    RowCollector collector;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        collector.line = int(i + 1);
        const QByteArray chunk = i + 1 < lines.size() ? lines[i] + '\n' : lines[i];
        if (csv_parse(&parser, chunk.constData(), size_t(chunk.size()), RowCollector::onField, RowCollector::onRowEnd,
                      &collector)
            != size_t(chunk.size()))
            return { {},
                     QCoreApplication::translate("CsvRows", "Line %1: %2")
                         .arg(collector.line)
                         .arg(parseProblem(csv_error(&parser))) };
    }
    if (csv_fini(&parser, RowCollector::onField, RowCollector::onRowEnd, &collector) != 0)
        return { {},
                 QCoreApplication::translate("CsvRows", "Line %1: A quoted cell is never closed.")
                     .arg(collector.lastRowEnd + 1) };
    return { collector.rows, QString() };
}

QString csvCell(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}
