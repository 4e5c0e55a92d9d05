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
    report.taggedLines << titleLine << heading.groupCaption << QStringLiteral("Date : ") + today;
}

void appendDateHeading(Report& report, const QDate& date)
{
    const QString dateText = formatRecordDate(date);
    report.text += kLineBreak + dateText + kLineBreak;
    report.taggedLines.append(QStringLiteral("FIXDATE, ") + dateText);
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
