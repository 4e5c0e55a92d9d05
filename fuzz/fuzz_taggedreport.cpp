// Feeds arbitrary bytes to the tagged report file reader and the two exports made from its lines: the
// web page and the workbook. Neither may crash on lines a damaged or foreign temporary file holds.
#include "core/reports/ReportExport.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QTemporaryDir folder;
    const QString tagged = folder.filePath(QStringLiteral("report.tmp"));
    const QString workbook = folder.filePath(QStringLiteral("report.xlsx"));
    {
        QFile file(tagged);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    QStringList lines;
    QString error;
    if (!readTaggedReportFile(tagged, &lines, &error))
        std::abort();
    const QByteArray page = exportHtml(lines);
    if (!page.startsWith("\xEF\xBB\xBF"))
        std::abort();
    // A refusal (a cell longer than a workbook holds) must say why.
    if (!saveWorkbook(lines, workbook, &error) && error.isEmpty())
        std::abort();
    return 0;
}
