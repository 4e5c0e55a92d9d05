#pragma once

#include <QDate>
#include <QString>
#include <QVector>
#include <optional>

// One line of a report's sort list: the date as "yyyy-mm-dd" followed by the display line from the
// first ":" after its date ("2000-03-07:HT:1-0:FT:2-2:Rovers-v-United"). The year comes first, so
// text order is date order. Whether the entry is a result goes by the line's "R:", never by what
// the text holds: a team may be called "FT:Town".
struct ReportEntry
{
    QDate date;
    QString text;
    bool isResult = false;
};

// The parts of a result entry, found by its colons: the date, "HT", the half-time score, "FT",
// the full-time score, then the match text, which may hold colons of its own. Scores hold none.
struct ResultEntryParts
{
    QString halfTime;
    QString fullTime;
    QString matchText;
};
std::optional<ResultEntryParts> resultEntryParts(const QString& entryText);

// The match text of an entry: a fixture's after the colon that ends its date, a result's after
// its full-time score.
QString entryMatchText(const ReportEntry& entry);

// The entry of a fixture or result display line; nothing when its date cannot be read.
std::optional<ReportEntry> reportEntryOf(const QString& displayLine);

// Puts the entries in the order a report lists them: whole entries compared as text without
// regard to letter case, equal ones keeping their order.
void sortReportEntries(QVector<ReportEntry>& entries);
