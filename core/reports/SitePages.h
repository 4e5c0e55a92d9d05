#pragma once

#include "core/tournament/TournamentFile.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

// The published web site as files in memory, so that publishing writes them to a folder and the live
// page serves them without touching a disk. The pages are HTML5 (and well-formed XML) with one
// stylesheet, and need no script to read:
//   index.html         the tournament's title, every group and the knockout stage
//   group-N.html       a group's league table first, then its results by date and its fixtures
//   team-N-M.html      team M of group N: its place and its games
//   bracket.html       the knockout stage round by round
//   timetable.html     with a timetable: every timed game by day and kick-off, with its pitch
//   style.css          light and dark by the reader's setting
// and the printable pages under their earlier names, linked from each group page: the Save HTML
// exports group-N-results.htm and group-N-fixtures.htm, the calendar group-N.ics, and the
// knockout stage's knockout.htm and knockout.ics.
struct SiteFiles
{
    QMap<QString, QByteArray> files; // by name
    QString error;                   // the whole message, ending with its full stop; empty on success

    bool ok() const { return error.isEmpty(); }
};

// Takes the site's files: the reason it could not take one, or "" when it did. It is called from
// more than one thread, two files at once at most.
using SiteFileSink = std::function<QString(const QString& name, const QByteArray& contents)>;

// Makes the site of `tournament` on `today` file by file, handing each to `sink` as soon as it is
// made, so that few pages are held at once: two groups' pages are made and handed on side by side,
// and index.html comes alone and last.
// Every league table is computed and every printable report checked before the first file, so a
// group whose report cannot be made ends it with nothing handed on. The answer is the first
// failure's whole message (a report's, or the sink's first reason as it gave it), or "" when every
// file was handed on. After a refusal no file is handed on that was not already on its way.
// League tables, `stamp` and `liveVersion` as for buildSiteFiles.
QString makeSiteFiles(const TournamentData& tournament, const QDate& today, const QString& databaseName,
                      const SiteFileSink& sink, const QDateTime& stamp = QDateTime::currentDateTimeUtc(),
                      quint64 liveVersion = 0);

// The names of the files makeSiteFiles hands on, in no particular order.
QStringList siteFileNames(const TournamentData& tournament, bool live = false);

// The site of `tournament` on `today`, every file in memory. League tables are computed in the temporary database at
// `databaseName`, so this runs on the thread that uses that database. A `liveVersion` above 0
// makes the pages of a live site: each names that version and loads live.js, which fetches
// "version" every second and shows the page anew when it has changed.
SiteFiles buildSiteFiles(const TournamentData& tournament, const QDate& today, const QString& databaseName,
                         const QDateTime& stamp = QDateTime::currentDateTimeUtc(), quint64 liveVersion = 0);

// The names of the site's own files (index.html aside), which publishing again may replace or remove.
bool isSiteFileName(const QString& name);

// The script of a live site, served as live.js.
QByteArray liveScript();
