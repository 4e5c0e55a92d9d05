#pragma once

#include "core/knockout/KnockoutStage.h"
#include "core/records/PointsAdjustment.h"
#include "core/records/RecordLines.h"
#include "core/timetable/Timetable.h"
#include "core/tournament/TournamentSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

// A tournament as the .trn file holds it. The file is line-oriented: text lines hold their text
// verbatim, number lines hold a 16-bit integer as " 2 " (a minus sign instead of the leading blank
// for a negative value). In order:
//   title; group count G; group title; indicator; G team counts; rule count R; R rule codes;
//   points for a win; points for a draw;
//   per group: caption; T; T team names; K; K record lines;
//   only when some group has points adjustments: "POINTS ADJUSTMENTS"; their count A; per
//   adjustment its group, team number, points and reason (a text line);
//   only when the tournament has a knockout stage: "KNOCKOUT STAGE"; its place count P; per place
//   its group (0 for a seeded list, -1 for a bye), team number (the seed in a seeded list, 0 for a
//   bye) and name (a text line); the legs of each round, first round to final; the third-place
//   match and away goals (1 or 0); the start date (a text line, YYYY-MM-DD, empty for none); the
//   days between rounds; the result count; per result a text line: the tie's code and its result
//   ("QF1 1-1 aet 2-1");
//   only when the day is planned: "TIMETABLE"; the pitch count P and P pitch names; the day count
//   (1 or 2) and the days (YYYY-MM-DD); the first kick-off and the last finish ("09:00"); the
//   minutes of a group game and of a knockout game, of the changeover and of a team's least rest;
//   the break count and the breaks ("12:30-13:00"); the count of teams with hours and per team its
//   name and hours; the count of group games with a slot and per game a text line: its group,
//   its record line (from 1) and its slot ("1 17 2027-06-12 09:00 09:20 2", pitch from 1); the
//   count of knockout games with a slot and per game a text line: its tie, leg and slot ("QF1 1
//   2027-06-12 14:00 14:30 1"), then the bracket's names for its two teams (text lines).
// The Windows edition stops reading after the last group's block, so it still opens such a file.
// Lines end in CR LF; the text is UTF-8 without a byte-order mark.
struct TournamentGroupData
{
    QString caption;
    QStringList teams;       // team-number order: record lines refer to teams by position
    QStringList recordLines; // stored record lines, copied through unchanged
    PointsAdjustments adjustments;
    // The game of each record line as the file reader read it (nothing for one it cannot read), so
    // that the lines need not be read again; empty where the data came from elsewhere.
    QVector<std::optional<Record>> games;
    // Each record line's time and pitch, when the day is planned; empty when none has one.
    QVector<std::optional<GameSlot>> gameSlots;
};

struct TournamentData : TournamentSettings
{
    QString title;                       // "Tabulon - " + name + " at " + location
    QVector<TournamentGroupData> groups; // group g at index g - 1; GroupCount entries
    std::optional<KnockoutStage> knockout;
    std::optional<Timetable> timetable;
};

// A record line an older edition could write, or a damaged one, that cannot be read: a score typed
// with a ":" (which shifts the fields after it), a score that is no whole number ("x", "2.5"), a
// number beyond 16 bits, a team playing itself. The file still opens; the line is kept exactly as
// stored and saved back unchanged, and league tables leave it out.
struct UnreadableRecordLine
{
    int group = 0;      // 1-based
    int recordLine = 0; // 1-based, within the group's record lines
    QString text;
    QString reason;
};

// The one message that lists such lines after an open (the first ten, and how many more).
QString unreadableLinesMessage(const QVector<UnreadableRecordLine>& lines);

// What reading a tournament file gave: the tournament, or why it was refused. `line` is the
// 1-based line at fault, 0 when the fault is the file as a whole (it cannot be opened).
struct TournamentReadResult
{
    std::optional<TournamentData> data;
    int line = 0;
    QString error;                            // the whole message, line included
    QVector<UnreadableRecordLine> unreadable; // of an accepted file

    bool ok() const { return data.has_value(); }
};

// Reads the bytes of a tournament file. Each line is UTF-8 when its bytes are valid UTF-8, otherwise
// the Windows-1252 code page the Windows edition wrote; a line ends with CR LF, LF, or a CR alone
// (as the Windows edition read it). Every value is checked
// before anything is returned, so a refused file gives no data at all.
TournamentReadResult parseTournament(const QByteArray& bytes);

// Reads and checks the file at `path`; the messages name the file.
TournamentReadResult readTournamentFile(const QString& path);

// The bytes of the file for `data`. Nothing, with the reason in `error`, when a text holds a line
// break or a list is longer than a file can hold: such a file could not be read back.
std::optional<QByteArray> formatTournament(const TournamentData& data, QString* error = nullptr);

// Writes the file at `path` through a temporary file in the same folder that replaces the old
// file only once everything was written, so a failed save leaves the last good copy in place.
bool saveTournamentFile(const TournamentData& data, const QString& path, QString* error = nullptr);
