#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The league-order rules as the details dialog lists them: "1. Points Scored" .. "6. Head-to-Head
// Table". An entry's rule code is the number before its full stop.
QStringList ruleEntries();

// The rules a new tournament starts with, most significant first: Games Won comes second.
QStringList defaultRuleOrder();

// The rules offered but not chosen when the dialog opens: the head-to-head table, which the
// Windows edition does not know, is chosen only on purpose.
QStringList defaultUnselectedRules();

qint16 ruleCodeOf(const QString& ruleEntry);

// "Tabulon - " + name + " at " + location: the main window's caption and the file's first line.
QString tournamentTitle(const QString& name, const QString& location);

// A group's team count as typed: the number at the start of the text (leading blanks skipped,
// no number reads as 0), rounded to a whole number with halves going to the even neighbour.
struct TeamCountReading
{
    enum class Status { Accepted, TooFew, TooLarge };
    Status status = Status::TooFew;
    qint16 count = 0; // the rounded count when accepted
};
TeamCountReading readTeamCount(QStringView text);

// The refusal shown for a team count that does not fit the 16-bit field it is kept in.
QString teamCountTooLargeMessage(int group);

// The text of the "Check Settings" question. `teamCounts` holds the counts of groups 1..n in order.
QString checkSettingsText(const QString& name, const QString& location, int groupCount, const QList<qint16>& teamCounts,
                          const QStringList& rules);
