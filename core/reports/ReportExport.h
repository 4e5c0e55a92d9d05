#pragma once

#include "core/reports/Report.h"

#include <QByteArray>
#include <QString>

// The exports of a report, laid out from its content.

inline const QString kHtmlFilter = QStringLiteral("HTML Document (*.htm)");
inline const QString kWorkbookFilter = QStringLiteral("Excel Files (*.xlsx)");

// The report as a web page: UTF-8 with a byte-order mark, every line ended by CR LF, every text
// escaped, and names, matches and reasons without blanks at their ends.
QByteArray exportHtml(const ReportContent& report);

// A chosen workbook path, with ".xlsx" added when it has no extension; a folder's path as it is.
QString withWorkbookExtension(const QString& path);

// Writes the report as a workbook at `path`, replacing any old file only once it is whole, so
// that on failure any old file stays as it was and `error` holds the reason. Refused with nothing
// written: a link, a folder or a file the user may not write (exportTargetProblem), and a report
// with a text longer than a cell holds, naming the cell. The library's own error lines are not
// printed.
bool saveWorkbook(const ReportContent& report, const QString& path, QString* error = nullptr);
