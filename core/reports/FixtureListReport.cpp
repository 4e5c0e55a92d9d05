#include "core/reports/FixtureListReport.h"

#include "core/common/FailureText.h"
#include "core/reports/ReportLayout.h"
#include "core/reports/ReportOrder.h"

namespace {

constexpr int kTypeMismatch = 13;

} // namespace

Report buildFixtureList(const ReportHeading& heading, const QStringList& displayLines)
{
    QVector<ReportEntry> entries;
    entries.reserve(displayLines.size());
    for (const QString& line : displayLines) {
        if (!line.startsWith(QLatin1String("F:")) && !line.startsWith(QLatin1String("R:")))
            continue;
        std::optional<ReportEntry> entry = reportEntryOf(line);
        if (!entry)
            return failedReport(failureText(
                kTypeMismatch, QStringLiteral("Type mismatch: the date of \"%1\" cannot be read.").arg(line)));
        entries.append(std::move(*entry));
    }
    sortReportEntries(entries);

    Report report;
    report.text.reserve(400 + (42 + 15) * entries.size()); // a match line, and perhaps a date heading
    report.taggedLines.reserve(3 + 2 * entries.size());
    appendReportHeading(report, QStringLiteral("Fixtures For ") + heading.shortTitle, heading);
    QDate previous; // none yet, so that the earliest date gets its heading too
    for (const ReportEntry& entry : std::as_const(entries)) {
        if (!previous.isValid() || entry.date > previous) {
            appendDateHeading(report, entry.date);
            previous = entry.date;
        }
        const QString matchText = entryMatchText(entry);
        report.taggedLines.append(QStringLiteral("RESULT, ") + matchText + QStringLiteral(", , "));
        appendPadded(report.text, shortenedMatchText(matchText), kMatchColumnWidth);
        report.text += kLineBreak;
    }
    appendReportFooter(report, QStringLiteral("Report created by Tabulon"));
    return report;
}
