#include "core/reports/ReportLayout.h"

#include "core/records/RecordLines.h"
#include "core/tournament/ProgramInfo.h"

QString shortenedMatchText(const QString& matchText)
{
    return matchText.size() >= kMatchColumnWidth ? matchText.right(kMatchColumnWidth - 1) : matchText;
}

QString shortenedTeamName(const QString& name)
{
    return name.size() >= kNameColumnWidth ? name.left(kNameColumnWidth - 1) : name;
}

QString shortenedPitchName(const QString& pitch)
{
    return pitch.size() >= kPitchColumnWidth ? pitch.left(kPitchColumnWidth - 1) : pitch;
}

QString taggedFigure(qint64 value)
{
    return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value) + u' ';
}

void appendPadded(QString& report, const QString& text, int width)
{
    report.append(text);
    if (text.size() < width)
        report.append(QString(width - text.size(), u' '));
}

void appendRightAligned(QString& report, const QString& text, int width)
{
    if (text.size() < width)
        report.append(QString(width - text.size(), u' '));
    report.append(text);
}

void appendSlotColumns(QString& report, const QString& kickOff, const QString& pitch)
{
    appendPadded(report, kickOff, kKickOffColumnWidth);
    appendPadded(report, shortenedPitchName(pitch), kPitchColumnWidth);
}

void appendReportHeading(Report& report, const QString& titleLine, const ReportHeading& heading)
{
    const QString today = formatRecordDate(heading.today);
    report.text += kLineBreak + titleLine + kLineBreak + kLineBreak;
    report.text += heading.groupCaption + kLineBreak;
    report.text += kLineBreak + QStringLiteral("Date : ") + today + kLineBreak + kLineBreak + kLineBreak;
    report.content.heading = QStringList { titleLine, heading.groupCaption, QStringLiteral("Date : ") + today };
}

void appendDateHeading(Report& report, const QDate& date)
{
    const QString dateText = formatRecordDate(date);
    report.text += kLineBreak + dateText + kLineBreak;
    report.content.lines.append({ date, {}, {}, {} });
}

void appendReportFooter(Report& report, const QString& creditLine)
{
    report.text += kLineBreak + kLineBreak + kLineBreak + creditLine + kLineBreak + kMakerWebAddress;
}

Report failedReport(const QString& error)
{
    Report report;
    report.error = error;
    return report;
}

QStringList Report::taggedLines() const
{
    QStringList tagged = content.heading;
    tagged.reserve(content.heading.size() + content.lines.size() + content.rows.size() + content.adjustments.size()
                   + 3);
    const QString separator = QStringLiteral(", ");
    for (const ReportLine& line : content.lines) {
        tagged.append(line.date.isValid() ? QStringLiteral("FIXDATE, ") + formatRecordDate(line.date)
                                          : QStringLiteral("RESULT, ") + line.matchText + separator + line.halfTime
                              + separator + line.fullTime);
    }
    if (content.hasLeague) {
        tagged << QStringLiteral("LEAGUE TABLE") << QStringLiteral("HEADER, W, D, L, F, A, GD, Pts");
        for (const LeagueRow& row : content.rows) {
            QString line = row.name;
            for (const qint64 figure : { row.won, row.drawn, row.lost, row.goalsFor, row.against, row.diff, row.pts })
                line += separator + taggedFigure(figure);
            tagged.append(line);
        }
    }
    if (!content.adjustments.isEmpty()) {
        // The heading has no comma, so no reader takes it for a league row.
        tagged.append(kAdjustmentsHeading);
        for (const LeagueAdjustment& adjustment : content.adjustments)
            tagged.append(adjustment.name + separator + taggedFigure(adjustment.points) + separator
                          + adjustment.reason);
    }
    return tagged;
}
