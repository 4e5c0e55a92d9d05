#pragma once

#include <QDate>
#include <QString>
#include <QVector>
#include <optional>

// One line of a report's sort list: the date as "yyyy-mm-dd" followed by the display line from the
// first ":" after its date ("2000-03-07:HT:1-0:FT:2-2:Rovers-v-United"). The year comes first, so
// text order is date order.
struct ReportEntry
{
    QDate date;
    QString text;
};

// The entry of a fixture or result display line; nothing when its date cannot be read.
std::optional<ReportEntry> reportEntryOf(const QString& displayLine);

// Puts the entries in the order a report lists them: whole entries compared as text without
// regard to letter case, equal ones keeping their order.
void sortReportEntries(QVector<ReportEntry>& entries);
