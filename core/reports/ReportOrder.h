#pragma once

#include "core/common/GameSlot.h"
#include "core/records/GroupRecords.h"
#include "core/records/RecordLines.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// One game as a report lists it. A report sorts by the date and then by `text`: for a game with a
// slot its kick-off and pitch (" 09:20 02"), then ":HT:1-0:FT:2-2:" for a result or ":" for a
// fixture, then the match text, without regard to case (its ASCII letters are kept in lower case).
// That is the order of the whole texts "yyyy-mm-dd:HT:...", as the year has four digits, and within
// a day the timed games come first, by kick-off and pitch.
struct ReportEntry
{
    QDate date;
    QString text;
    bool asciiText = false; // so that two such texts are compared as they stand
    bool isResult = false;
    QString matchText; // "Rovers-v-United", the names as the team list has them
    QString halfTime;  // "1-0", a result's alone
    QString fullTime;
    QString kickOff; // "09:20" for a game with a slot, else empty
    QString pitch;   // that game's pitch by name
};

// The entry of a game between `teams`, with its time and pitch when it has a slot (the pitch named
// from `pitches`); nothing when its date cannot be read.
std::optional<ReportEntry> reportEntryOf(const Record& game, const QStringList& teams,
                                         const std::optional<GameSlot>& slot = std::nullopt,
                                         const QStringList& pitches = {});

// The entries of every game of `group` that can be read and has a date, in the order a report
// lists them: what both reports of a group are made from when they are made together.
QVector<ReportEntry> sortedReportEntries(const GroupRecords& group, const QStringList& pitches = {});

// How many lines a report lists for `entries` in their order, of their results alone when
// `resultsOnly`: a line for each, and a heading for each date.
qsizetype reportLineCount(const QVector<ReportEntry>& entries, bool resultsOnly);

// Puts the entries in the order a report lists them: whole entries compared as text without
// regard to letter case, equal ones keeping their order.
void sortReportEntries(QVector<ReportEntry>& entries);
