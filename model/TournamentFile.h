#pragma once

#include "model/TournamentSettings.h"

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
//   per group: caption; T; T team names; K; K record lines.
// Lines end in CR LF; the text is UTF-8 without a byte-order mark.
struct TournamentGroupData
{
    QString caption;
    QStringList teams;       // team-number order: record lines refer to teams by position
    QStringList recordLines; // stored record lines, copied through unchanged
};

struct TournamentData : TournamentSettings
{
    QString title;                       // "Tabulon - " + name + " at " + location
    QVector<TournamentGroupData> groups; // group g at index g - 1; GroupCount entries
};

// What reading a tournament file gave: the tournament, or why it was refused. `line` is the
// 1-based line at fault, 0 when the fault is the file as a whole (it cannot be opened).
struct TournamentReadResult
{
    std::optional<TournamentData> data;
    int line = 0;
    QString error; // the whole message, line included

    bool ok() const { return data.has_value(); }
};

// Reads the bytes of a tournament file. UTF-8 when the bytes are valid UTF-8, otherwise the
// Windows-1252 code page the Windows edition wrote; CR LF or LF line ends. Every value is checked
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

// Text decoding of the Windows-1252 code page (undefined bytes map to the C1 control of the same value).
QString decodeWindows1252(const QByteArray& bytes);
