#include "core/reports/ReportOrder.h"

#include "core/records/RecordLines.h"

#include <algorithm>

std::optional<ReportEntry> reportEntryOf(const QString& displayLine)
{
    const qsizetype colon = displayLine.indexOf(u':', kRecordDatePosition);
    if (colon < 0)
        return std::nullopt;
    const QDate date = parseRecordDate(QStringView(displayLine).mid(kRecordDatePosition, colon - kRecordDatePosition));
    if (!date.isValid())
        return std::nullopt;
    QString text = date.toString(QStringLiteral("yyyy-MM-dd"));
    text.append(QStringView(displayLine).mid(colon));
    return ReportEntry { date, text, displayLine.startsWith(QLatin1String("R:")) };
}

std::optional<ResultEntryParts> resultEntryParts(const QString& entryText)
{
    if (entryText.count(u':') < 5 || entryText.section(u':', 1, 1) != QLatin1String("HT")
        || entryText.section(u':', 3, 3) != QLatin1String("FT"))
        return std::nullopt;
    return ResultEntryParts { entryText.section(u':', 2, 2), entryText.section(u':', 4, 4),
                              entryText.section(u':', 5) };
}

QString entryMatchText(const ReportEntry& entry)
{
    return entry.text.section(u':', entry.isResult ? 5 : 1);
}

void sortReportEntries(QVector<ReportEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const ReportEntry& a, const ReportEntry& b) {
        return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
    });
}
