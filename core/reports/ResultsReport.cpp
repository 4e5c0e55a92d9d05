#include "core/reports/ResultsReport.h"

#include "core/common/FailureText.h"
#include "core/reports/ReportLayout.h"
#include "core/standings/Standings.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kTypeMismatch = 13;
constexpr int kInvalidArgument = 5;

// A value that does not fit its column ends the report: shortening it would misreport the result.
QString tooWide(const QString& value, int width)
{
    return failureText(kInvalidArgument,
                       QStringLiteral("Invalid procedure call or argument: %1 is wider than its "
                                      "%2-character column.")
                           .arg(value, QString::number(width)));
}

// The figures of a row in the order the report shows them.
std::array<qint64, 7> figuresOf(const LeagueRow& row)
{
    return { row.won, row.drawn, row.lost, row.goalsFor, row.against, row.diff, row.pts };
}

int width(qint64 number)
{
    return int(QString::number(number).size());
}

} // namespace

bool resultsReportFits(const GroupRecords& group, const LeagueTable& table)
{
    for (const std::optional<Record>& game : group.games()) {
        if (game && game->isResult
            && (!game->date.isValid() || width(game->homeFullTime) + 1 + width(game->awayFullTime) > kScoreColumnWidth))
            return false;
    }
    for (const LeagueRow& row : table.rows) {
        for (const qint64 figure : figuresOf(row)) {
            if (width(figure) > kFigureColumnWidth)
                return false;
        }
    }
    return true;
}

Report buildResultsReport(const ReportHeading& heading, const GroupRecords& group, const LeagueTable& table,
                          const QStringList& pitches, ReportForms forms)
{
    QVector<ReportEntry> entries;
    entries.reserve(group.size());
    for (int i = 0; i < group.size(); ++i) {
        const std::optional<Record>& game = group.games().at(i);
        if (!game || !game->isResult)
            continue;
        std::optional<ReportEntry> entry = reportEntryOf(*game, group.teams(), group.gameSlots().value(i), pitches);
        if (!entry)
            return failedReport(
                failureText(kTypeMismatch,
                            QStringLiteral("Type mismatch: the date of the result \"%1\" cannot be read.")
                                .arg(group.displayLine(i))));
        entries.append(std::move(*entry));
    }
    sortReportEntries(entries);
    return buildResultsReport(heading, entries, table, forms);
}

Report buildResultsReport(const ReportHeading& heading, const QVector<ReportEntry>& entries, const LeagueTable& table,
                          ReportForms forms)
{
    const bool withText = forms == ReportForms::TextAndContent;
    // When any result has a time, every result's line starts with kick-off and pitch columns.
    const bool timed = std::any_of(entries.cbegin(), entries.cend(),
                                   [](const ReportEntry& entry) { return entry.isResult && !entry.kickOff.isEmpty(); });
    Report report;
    // Result and league lines take 57 characters with their line break, a date heading 15 more.
    if (withText)
        report.text.reserve(400 + 72 * entries.size() + 57 * table.rows.size());
    report.content.lines.reserve(reportLineCount(entries, true));
    appendReportHeading(report, QStringLiteral("Report on ") + heading.shortTitle, heading);
    QDate previous; // none yet, so that the earliest date gets its heading too
    for (const ReportEntry& entry : entries) {
        if (!entry.isResult)
            continue;
        if (entry.fullTime.size() > kScoreColumnWidth)
            return failedReport(
                tooWide(QStringLiteral("the full-time score \"%1\" of %2").arg(entry.fullTime, entry.matchText),
                        kScoreColumnWidth));
        if (!previous.isValid() || entry.date > previous) {
            appendDateHeading(report, entry.date);
            previous = entry.date;
        }
        const QString halfTime = u'(' + entry.halfTime + u')';
        report.content.lines.append({ {}, entry.matchText, halfTime, entry.fullTime, entry.kickOff, entry.pitch });
        if (!withText)
            continue;
        if (timed)
            appendSlotColumns(report.text, entry.kickOff, entry.pitch);
        appendPadded(report.text, shortenedMatchText(entry.matchText), kMatchColumnWidth);
        report.text += halfTime;
        appendRightAligned(report.text, entry.fullTime, kScoreColumnWidth);
        report.text += kLineBreak;
    }

    report.text += kLineBreak + kLineBreak + QStringLiteral("League Table") + kLineBreak + kLineBreak;
    report.text += QStringLiteral("Team                    W    D    L    F    A   GD  Pts") + kLineBreak;
    report.content.hasLeague = true;
    const std::array<const char*, 7> names { "Won", "Drawn", "Lost", "For", "Against", "Diff", "Pts" };
    for (const LeagueRow& row : table.rows) {
        const std::array<qint64, 7> figures = figuresOf(row);
        appendPadded(report.text, shortenedTeamName(row.name), kNameColumnWidth);
        for (size_t column = 0; column < figures.size(); ++column) {
            const QString figure = QString::number(figures[column]);
            if (figure.size() > kFigureColumnWidth)
                return failedReport(tooWide(
                    QStringLiteral("the %1 figure %2 of %3").arg(QLatin1String(names[column]), figure, row.name),
                    kFigureColumnWidth));
            appendRightAligned(report.text, figure, kFigureColumnWidth);
        }
        report.text += kLineBreak;
    }
    report.content.rows = table.rows;
    if (!table.adjustments.isEmpty()) {
        report.text += kLineBreak + kAdjustmentsHeading + kLineBreak + kLineBreak;
        for (const LeagueAdjustment& adjustment : table.adjustments) {
            appendPadded(report.text, shortenedTeamName(adjustment.name), kNameColumnWidth);
            appendRightAligned(report.text, QString::number(adjustment.points), kFigureColumnWidth);
            report.text += QStringLiteral("  ") + adjustment.reason + kLineBreak;
        }
        report.content.adjustments = table.adjustments;
    }
    appendReportFooter(report, QStringLiteral("Report Created by Tabulon"));
    if (!withText)
        report.text.clear();
    return report;
}

Report makeResultsReport(const ReportHeading& heading, const GroupRecords& group, const TournamentSettings& settings,
                         const QString& databaseName, const QStringList& pitches, ReportForms forms)
{
    const StandingsOutcome outcome = computeStandings(standingsRequestFor(group, settings), databaseName);
    if (!outcome.ok())
        return failedReport(outcome.error);
    return buildResultsReport(heading, group, outcome.table, pitches, forms);
}
