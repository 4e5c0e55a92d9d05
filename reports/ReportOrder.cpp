#include "reports/ReportOrder.h"

#include "group/RecordLines.h"

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
    return ReportEntry { date, text };
}

void sortReportEntries(QVector<ReportEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const ReportEntry& a, const ReportEntry& b) {
        return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
    });
}
