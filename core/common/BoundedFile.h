#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// The largest input any valid file could be, so that a huge file or a device such as /dev/zero is
// refused before it fills the memory.
//
// A tournament file has at most 655,387 lines: 21 of settings; per group (8) a caption, two counts,
// 32,767 team names and 32,767 record lines; then a heading, a count and 4 lines for each of at most
// 32,767 points adjustments. A record line as written here is at most 51 bytes; names and reasons
// are typed texts. At 100 bytes a line on average that is 65.5 MB: the limit is twice that.
constexpr qint64 kMaxTournamentFileBytes = qint64(128) * 1024 * 1024;
// A CSV file of results feeds one group, which holds at most 32,767 lines: at 512 bytes a row (a
// date, two names, four scores and whatever other columns the sender keeps) that is 16 MiB, and the
// limit is twice that.
constexpr qint64 kMaxCsvFileBytes = qint64(32) * 1024 * 1024;

// The bytes of the file at `path`, read only up to `limit`: a regular file larger than that is refused
// before it is read, a pipe or device as soon as more comes. Nothing, with a message naming the file
// in `error`, when it cannot be read or is too large; `kind` says what the file should be
// ("tournament file").
std::optional<QByteArray> readBoundedFile(const QString& path, qint64 limit, const QString& kind, QString* error);

// A CSV file of results, for File > Import Results and tabulon-cli import and new.
std::optional<QByteArray> readCsvFile(const QString& path, QString* error);
