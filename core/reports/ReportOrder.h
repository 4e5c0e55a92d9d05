#pragma once

#include "core/records/GroupRecords.h"
#include "core/records/RecordLines.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// One game as a report lists it. A report sorts by the date and then by `text`: ":HT:1-0:FT:2-2:"
// for a result or ":" for a fixture, then the match text, without regard to case (its ASCII letters
// are kept in lower case). That is the order of the whole texts "yyyy-mm-dd:HT:...", as the year has
// four digits.
struct ReportEntry
{
    QDate date;
    QString text;
    bool asciiText = false; // so that two such texts are compared as they stand
    bool isResult = false;
    QString matchText; // "Rovers-v-United", the names as the team list has them
    QString halfTime;  // "1-0", a result's alone
    QString fullTime;
};

// The entry of a game between `teams`; nothing when its date cannot be read.
std::optional<ReportEntry> reportEntryOf(const Record& game, const QStringList& teams);

// The entries of every game of `group` that can be read and has a date, in the order a report
// lists them: what both reports of a group are made from when they are made together.
QVector<ReportEntry> sortedReportEntries(const GroupRecords& group);

// Puts the entries in the order a report lists them: whole entries compared as text without
// regard to letter case, equal ones keeping their order.
void sortReportEntries(QVector<ReportEntry>& entries);
