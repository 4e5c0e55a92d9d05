#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The exports of a report, made from its tagged lines as the tagged file holds them.

inline const QString kHtmlFilter = QStringLiteral("HTML Document (*.htm)");
inline const QString kWorkbookFilter = QStringLiteral("Excel Files (*.xlsx)");

// The lines of the tagged file at `path` (UTF-8, CR LF), without their line ends. On failure
// `error` holds the system's reason and the answer is false.
bool readTaggedReportFile(const QString& path, QStringList* lines, QString* error = nullptr);

// The report as a web page: UTF-8 with a byte-order mark, every line ended by CR LF, every text
// from the tagged lines escaped.
QByteArray exportHtml(const QStringList& taggedLines);

// A chosen workbook path, with ".xlsx" added when it has no extension; a folder's path as it is.
QString withWorkbookExtension(const QString& path);

// Writes the report as a workbook at `path`, replacing any old file only once it is whole, so
// that on failure any old file stays as it was and `error` holds the reason. Refused with nothing
// written: a link, a folder or a file the user may not write (exportTargetProblem), and a report
// with a text longer than a cell holds, naming the cell. The library's own error lines are not
// printed.
bool saveWorkbook(const QStringList& taggedLines, const QString& path, QString* error = nullptr);
