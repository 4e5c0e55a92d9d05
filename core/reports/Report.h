#pragma once

#include "core/standings/LeagueRow.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

// What every report shows above its lines.
struct ReportHeading
{
    QString shortTitle;   // the tournament's title without its leading "Tabulon - "
    QString groupCaption; // as the group window shows it
    QDate today;
};

// One line of a report's listing: a date heading, or a match with its two scores (a knockout
// round's heading, a winner and the champion are matches without scores).
struct ReportLine
{
    QDate date;        // a date heading's; invalid on every other line
    QString matchText; // whole, however long
    QString halfTime;  // a result's as the report shows it, "(1-0)"; "" where there is none
    QString fullTime;
    QString kickOff; // a timed game's, "09:20"; "" for one without a slot
    QString pitch;
};

// What a report shows, as typed values: the web page and the workbook are laid out from these.
struct ReportContent
{
    QStringList heading; // the title line, the group caption and "Date : 15-Mar-2000"
    bool fixtureList = false;
    QVector<ReportLine> lines;
    bool hasLeague = false;
    QVector<LeagueRow> rows; // in league order
    QVector<LeagueAdjustment> adjustments;
};

// A report: the text shown, printed, copied and saved, with CR LF between lines and none after the
// last, and its content for the exports. On failure both are empty and `error` holds the whole
// message ("Error 5 - ..."), shown under kReportFailureTitle.
struct Report
{
    QString text;
    ReportContent content;
    QString error;

    bool ok() const { return error.isEmpty(); }
    // The report as the tagged file and `tabulon-cli report --format tagged` hold it, a line each:
    // the heading, "FIXDATE, 07-Mar-2000", "RESULT, Rovers-v-United, (1-0), 2-2", then a results
    // report's "LEAGUE TABLE", its header, its rows and any points adjustments.
    QStringList taggedLines() const;
};

// The forms a report is made in: the text may be left out where only the exports are wanted.
enum class ReportForms {
    TextAndContent,
    ContentOnly,
};

inline const QString kReportFailureTitle = QStringLiteral("ERROR");

// The short title from the tournament's title as the main window's caption shows it.
inline QString shortTitleOf(const QString& title)
{
    const QString prefix = QStringLiteral("Tabulon - ");
    return title.startsWith(prefix) ? title.mid(prefix.size()) : title;
}
