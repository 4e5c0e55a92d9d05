#pragma once

#include "core/setup/TimetableGames.h"
#include "core/timetable/Timetable.h"

#include <QString>
#include <QVector>

// The timetable as printed pages (HTML for a QTextDocument): a page for each pitch listing its games
// in time order (time, group or tie, home v away, score), or a sheet for each team (time, pitch,
// opponent) for each of `teams` that has a game.
QString pitchSheetsHtml(const QString& title, const TimetableSettings& settings, const QVector<TimetableGame>& games);
QString teamSheetsHtml(const QString& title, const TimetableSettings& settings, const QVector<TimetableGame>& games,
                       const QStringList& teams);
