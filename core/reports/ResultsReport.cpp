#include "core/reports/ResultsReport.h"

#include "core/common/FailureText.h"
#include "core/reports/ReportLayout.h"
#include "core/reports/ReportOrder.h"
#include "core/standings/Standings.h"

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

} // namespace

Report buildResultsReport(const ReportHeading& heading, const GroupRecords& group, const LeagueTable& table,
                          const QStringList& pitches)
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
    const bool timed = group.hasSlots();

    Report report;
    // Result and league lines take 57 characters with their line break, a date heading 15 more.
    report.text.reserve(400 + 72 * entries.size() + 57 * table.rows.size());
    report.taggedLines.reserve(5 + 2 * entries.size() + table.rows.size());
    appendReportHeading(report, QStringLiteral("Report on ") + heading.shortTitle, heading);
    QDate previous; // none yet, so that the earliest date gets its heading too
    for (const ReportEntry& entry : std::as_const(entries)) {
        if (entry.fullTime.size() > kScoreColumnWidth)
            return failedReport(
                tooWide(QStringLiteral("the full-time score \"%1\" of %2").arg(entry.fullTime, entry.matchText),
                        kScoreColumnWidth));
        if (!previous.isValid() || entry.date > previous) {
            appendDateHeading(report, entry.date);
            previous = entry.date;
        }
        report.taggedLines.append(
            QStringLiteral("RESULT, %1, (%2), %3").arg(entry.matchText, entry.halfTime, entry.fullTime));
        if (timed)
            appendSlotColumns(report.text, entry.kickOff, entry.pitch);
        appendPadded(report.text, shortenedMatchText(entry.matchText), kMatchColumnWidth);
        report.text += u'(' + entry.halfTime + u')';
        appendRightAligned(report.text, entry.fullTime, kScoreColumnWidth);
        report.text += kLineBreak;
    }

    report.text += kLineBreak + kLineBreak + QStringLiteral("League Table") + kLineBreak + kLineBreak;
    report.text += QStringLiteral("Team                    W    D    L    F    A   GD  Pts") + kLineBreak;
    report.taggedLines << QStringLiteral("LEAGUE TABLE") << QStringLiteral("HEADER, W, D, L, F, A, GD, Pts");
    const std::array<const char*, 7> names { "Won", "Drawn", "Lost", "For", "Against", "Diff", "Pts" };
    for (const LeagueRow& row : table.rows) {
        const std::array<qint64, 7> figures {
            row.won, row.drawn, row.lost, row.goalsFor, row.against, row.diff, row.pts
        };
        QString tagged = row.name;
        appendPadded(report.text, shortenedTeamName(row.name), kNameColumnWidth);
        for (size_t column = 0; column < figures.size(); ++column) {
            const QString figure = QString::number(figures[column]);
            if (figure.size() > kFigureColumnWidth)
                return failedReport(tooWide(
                    QStringLiteral("the %1 figure %2 of %3").arg(QLatin1String(names[column]), figure, row.name),
                    kFigureColumnWidth));
            appendRightAligned(report.text, figure, kFigureColumnWidth);
            tagged += QStringLiteral(", ") + taggedFigure(figures[column]);
        }
        report.text += kLineBreak;
        report.taggedLines.append(tagged);
    }
    if (!table.adjustments.isEmpty()) {
        // The heading has no comma, so no reader takes it for a league row.
        report.text += kLineBreak + kAdjustmentsHeading + kLineBreak + kLineBreak;
        report.taggedLines.append(kAdjustmentsHeading);
        for (const LeagueAdjustment& adjustment : table.adjustments) {
            appendPadded(report.text, shortenedTeamName(adjustment.name), kNameColumnWidth);
            appendRightAligned(report.text, QString::number(adjustment.points), kFigureColumnWidth);
            report.text += QStringLiteral("  ") + adjustment.reason + kLineBreak;
            report.taggedLines.append(adjustment.name + QStringLiteral(", ") + taggedFigure(adjustment.points)
                                      + QStringLiteral(", ") + adjustment.reason);
        }
    }
    appendReportFooter(report, QStringLiteral("Report Created by Tabulon"));
    return report;
}

Report makeResultsReport(const ReportHeading& heading, const GroupRecords& group, const TournamentSettings& settings,
                         const QString& databaseName, const QStringList& pitches)
{
    const StandingsOutcome outcome = computeStandings(standingsRequestFor(group, settings), databaseName);
    if (!outcome.ok())
        return failedReport(outcome.error);
    return buildResultsReport(heading, group, outcome.table, pitches);
}
