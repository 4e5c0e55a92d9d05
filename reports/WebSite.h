#pragma once

#include "model/TournamentFile.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// The whole tournament as a folder of web pages: an index naming the tournament and listing every
// group with links to its results page and fixture list (the HTML exports of the two reports) and
// its calendar.

// Publishes `tournament` into `folder`, made when missing. A folder that holds other files is
// refused with nothing written, unless it holds an earlier published site, which is replaced.
// Every report is made before the first file is written, each file through a temporary file that
// replaces the old one only once whole. The results reports are computed in the temporary
// database at `databaseName`. Answers the reason of a failure, or "" on success.
QString publishWebSite(const TournamentData& tournament, const QString& folder, const QDate& today,
                       const QString& databaseName, const QDateTime& stamp = QDateTime::currentDateTimeUtc());
