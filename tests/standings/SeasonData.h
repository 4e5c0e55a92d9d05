#pragma once

// Real competitions from tests/data/seasons: every match as "date,home,away,home_ht,away_ht,home_ft,
// away_ft" and the official final table as "pos,team,played,won,drawn,lost,gf,ga,gd,pts".

#include "group/RecordLines.h"
#include "standings/LeagueRow.h"

#include <QDate>
#include <QFile>
#include <QStringList>

struct Season
{
    QStringList teams; // in order of first appearance in the match list
    QStringList storedLines; // one result line per match
    QStringList displayLines;
    QVector<LeagueRow> officialTable;
};

inline QStringList seasonCsvLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty())
        lines.removeFirst(); // the header
    return lines;
}

inline Season loadSeason(const QString& name)
{
    const QString folder = QStringLiteral(TABULON_TEST_DATA "/seasons/");
    Season season;
    for (const QString& line : seasonCsvLines(folder + name + QStringLiteral(".csv"))) {
        const QStringList f = line.trimmed().split(u',');
        if (f.size() != 7)
            return {};
        for (const QString& team : { f[1], f[2] })
            if (!season.teams.contains(team))
                season.teams.append(team);
        const QString date = formatRecordDate(QDate::fromString(f[0], Qt::ISODate));
        const ScoreTexts scores { f[3], f[4], f[5], f[6] };
        season.storedLines.append(
            resultStoredLine(date, scores, int(season.teams.indexOf(f[1])), int(season.teams.indexOf(f[2]))));
    }
    season.displayLines = buildDisplayLines(season.storedLines, season.teams);
    for (const QString& line : seasonCsvLines(folder + name + QStringLiteral(".table.csv"))) {
        const QStringList f = line.trimmed().split(u',');
        if (f.size() != 10)
            return {};
        LeagueRow row;
        row.name = f[1];
        row.won = f[3].toLongLong();
        row.drawn = f[4].toLongLong();
        row.lost = f[5].toLongLong();
        row.goalsFor = f[6].toLongLong();
        row.against = f[7].toLongLong();
        row.diff = f[8].toLongLong();
        row.pts = f[9].toLongLong();
        season.officialTable.append(row);
    }
    return season;
}
