#include "core/reports/FixtureListReport.h"

#include "core/common/FailureText.h"
#include "core/reports/ReportLayout.h"

#include <algorithm>

namespace {

constexpr int kTypeMismatch = 13;

} // namespace

Report buildFixtureList(const ReportHeading& heading, const GroupRecords& group, const QStringList& pitches,
                        ReportForms forms)
{
    QVector<ReportEntry> entries;
    entries.reserve(group.size());
    for (int i = 0; i < group.size(); ++i) {
        const std::optional<Record>& game = group.games().at(i);
        if (!game)
            continue;
        std::optional<ReportEntry> entry = reportEntryOf(*game, group.teams(), group.gameSlots().value(i), pitches);
        if (!entry)
            return failedReport(failureText(
                kTypeMismatch,
                QStringLiteral("Type mismatch: the date of \"%1\" cannot be read.").arg(group.displayLine(i))));
        entries.append(std::move(*entry));
    }
    sortReportEntries(entries);
    return buildFixtureList(heading, entries, forms);
}

Report buildFixtureList(const ReportHeading& heading, const QVector<ReportEntry>& entries, ReportForms forms)
{
    const bool withText = forms == ReportForms::TextAndContent;
    // When any game has a time, every line starts with kick-off and pitch columns.
    const bool timed = std::any_of(entries.cbegin(), entries.cend(),
                                   [](const ReportEntry& entry) { return !entry.kickOff.isEmpty(); });
    Report report;
    if (withText)
        report.text.reserve(400 + (42 + 15) * entries.size()); // a match line, and perhaps a date heading
    report.content.fixtureList = true;
    report.content.lines.reserve(reportLineCount(entries, false));
    appendReportHeading(report, QStringLiteral("Fixtures For ") + heading.shortTitle, heading);
    QDate previous; // none yet, so that the earliest date gets its heading too
    for (const ReportEntry& entry : entries) {
        if (!previous.isValid() || entry.date > previous) {
            appendDateHeading(report, entry.date);
            previous = entry.date;
        }
        report.content.lines.append({ {}, entry.matchText, {}, {}, entry.kickOff, entry.pitch });
        if (!withText)
            continue;
        if (timed)
            appendSlotColumns(report.text, entry.kickOff, entry.pitch);
        appendPadded(report.text, shortenedMatchText(entry.matchText), kMatchColumnWidth);
        report.text += kLineBreak;
    }
    appendReportFooter(report, QStringLiteral("Report created by Tabulon"));
    if (!withText)
        report.text.clear();
    return report;
}

bool fixtureListFits(const GroupRecords& group)
{
    for (const std::optional<Record>& game : group.games()) {
        if (game && !game->date.isValid())
            return false;
    }
    return true;
}
