#pragma once

#include "core/reports/Report.h"

#include <QDate>
#include <QString>

// The columns and pieces both reports share. Texts too long for their column are shortened as
// below; scores and figures are not, and the reports refuse them instead.
constexpr int kMatchColumnWidth = 40;
constexpr int kScoreColumnWidth = 10;
constexpr int kNameColumnWidth = 20;
constexpr int kFigureColumnWidth = 5;
// A group with a timetable starts each game's line with its kick-off and pitch.
constexpr int kKickOffColumnWidth = 6;
constexpr int kPitchColumnWidth = 12;

inline const QString kLineBreak = QStringLiteral("\r\n");

// Heads the points adjustments under a league table, in the report text and every export.
inline const QString kAdjustmentsHeading = QStringLiteral("Points Adjustments");

// A match text of 40 characters or more keeps its last 39, so the away team stays readable.
QString shortenedMatchText(const QString& matchText);

// A team name of 20 characters or more keeps its first 19.
QString shortenedTeamName(const QString& name);

// A pitch name of 12 characters or more keeps its first 11.
QString shortenedPitchName(const QString& pitch);

// A figure as the tagged league rows write it: " 3 " and "-3 ".
QString taggedFigure(qint64 value);

// Appends `text` and blanks up to `width` characters (nothing beyond a text that fills it).
void appendPadded(QString& report, const QString& text, int width);

// Appends blanks and then `text`, so that the two fill `width` characters.
void appendRightAligned(QString& report, const QString& text, int width);

// The kick-off and pitch columns of a game's line, blank for a game without a slot.
void appendSlotColumns(QString& report, const QString& kickOff, const QString& pitch);

// Steps shared by both reports: the heading (title line, group caption, today's date), a date
// heading, and the footer (credit line and the maker's web address), in the text and the content.
void appendReportHeading(Report& report, const QString& titleLine, const ReportHeading& heading);
void appendDateHeading(Report& report, const QDate& date);
void appendReportFooter(Report& report, const QString& creditLine);

// A failed report: no text, no content, the whole message.
Report failedReport(const QString& error);
