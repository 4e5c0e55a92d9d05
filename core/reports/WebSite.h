#pragma once

#include "core/tournament/TournamentFile.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// The whole tournament as a folder of web pages: the pages of SitePages.h (an index, a page per
// group and per team, the bracket) and the printable pages and calendars they link.

struct PublishOutcome
{
    QString error; // the whole message, ending with its full stop; empty on success
    int pages = 0; // the web pages written, the index included (calendars are no pages)

    bool ok() const { return error.isEmpty(); }
};

// Publishes `tournament` into `folder`, made when missing. A folder that holds other files is
// refused with nothing written, unless it holds an earlier published site, which is replaced, or
// only pages of one (a publish cut short, say by a full disk), which are completed. The pages of
// groups the tournament no longer publishes are removed once the new index is in place; nothing
// else in the folder is touched. Every report is checked before the first file is written; the
// files are then made and written one at a time, each through a temporary file that replaces the
// old one only once whole, never through a link; a file already there with the same bytes is left
// as it is. The
// results reports are computed in the temporary database at `databaseName`.
PublishOutcome publishWebSite(const TournamentData& tournament, const QString& folder, const QDate& today,
                              const QString& databaseName, const QDateTime& stamp = QDateTime::currentDateTimeUtc());
