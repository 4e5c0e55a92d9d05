#pragma once

#include "core/tournament/TournamentFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A tournament made from CSV files, one group per file: each group's teams are the names its file
// holds, in alphabetical order, and its lines are the file's rows, imported as File > Import Results
// imports them. `tabulon-cli new` starts a season from a spreadsheet this way.
struct CsvGroupFile
{
    QString name; // as the refusal names it
    QByteArray contents;
};

struct SeasonRequest
{
    QString name;
    QString location;
    QString groupTitle = QStringLiteral("Group");
    qint16 pointsForWin = 3;
    qint16 pointsForDraw = 1;
    QList<qint16> rules { 1, 2, 3 };
    QList<CsvGroupFile> groupFiles; // 1..kMaxGroups
};

struct SeasonFromCsv
{
    std::optional<TournamentData> tournament;
    QStringList refusal; // line by line, each naming its file; empty when the tournament was made
};

SeasonFromCsv seasonFromCsv(const SeasonRequest& request);
