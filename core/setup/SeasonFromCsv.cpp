#include "core/setup/SeasonFromCsv.h"

#include "core/records/ResultImport.h"
#include "core/setup/GroupCaption.h"
#include "core/setup/TournamentSetup.h"

#include <QCoreApplication>
#include <limits>

SeasonFromCsv seasonFromCsv(const SeasonRequest& request)
{
    SeasonFromCsv season;
    TournamentData data;
    data.title = tournamentTitle(request.name, request.location);
    data.GroupCount = qint16(request.groupFiles.size());
    data.GroupTitle = request.groupTitle;
    data.Indicator = 0;
    data.RuleCount = qint16(request.rules.size());
    for (int slot = 1; slot <= data.RuleCount; ++slot)
        data.RuleOrder[slot] = request.rules[slot - 1];
    data.PointsForWin = request.pointsForWin;
    data.PointsForDraw = request.pointsForDraw;

    for (int g = 1; g <= data.GroupCount; ++g) {
        const CsvGroupFile& file = request.groupFiles[g - 1];
        const auto refuse = [&](const QStringList& lines) {
            for (const QString& line : lines)
                season.refusal.append(file.name + QStringLiteral(": ") + line);
        };
        QList<ImportProblem> problems;
        const QStringList teams = teamNamesInCsv(file.contents, &problems);
        if (!problems.isEmpty()) {
            refuse(importProblemLines(problems));
            continue;
        }
        if (teams.size() < 2 || teams.size() > std::numeric_limits<qint16>::max()) {
            refuse({ QCoreApplication::translate("SeasonFromCsv", "A group needs 2 to %1 teams; the file names %2.")
                         .arg(std::numeric_limits<qint16>::max())
                         .arg(teams.size()) });
            continue;
        }
        const GroupImport import = importIntoGroup({}, teams, file.contents);
        if (!import.ok()) {
            refuse(import.refusal);
            continue;
        }
        data.TeamsInGroup[g] = qint16(teams.size());
        data.groups.append({ groupCaption(g, data.GroupTitle, data.Indicator), teams, import.lines });
    }
    if (season.refusal.isEmpty())
        season.tournament = data;
    return season;
}
