#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// What every report shows above its lines.
struct ReportHeading
{
    QString shortTitle;   // the tournament's title without its leading "Tabulon - "
    QString groupCaption; // as the group window shows it
    QDate today;
};

// A report in its two forms: the text shown, printed, copied and saved, with CR LF between lines
// and none after the last, and the tagged lines the exporters read. On failure both are empty and
// `error` holds the whole message ("Error 5 - ..."), shown under kReportFailureTitle.
struct Report
{
    QString text;
    QStringList taggedLines;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

inline const QString kReportFailureTitle = QStringLiteral("ERROR");

// The short title from the tournament's title as the main window's caption shows it.
inline QString shortTitleOf(const QString& title)
{
    const QString prefix = QStringLiteral("Tabulon - ");
    return title.startsWith(prefix) ? title.mid(prefix.size()) : title;
}
