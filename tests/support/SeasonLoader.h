#pragma once

#include "group/RecordLines.h"
#include "model/TournamentFile.h"

#include <QFile>
#include <algorithm>

// A real season as a one-group tournament, read from its files in `folder`: <name>.csv holds every match
// ("date,home,away,home_ht,away_ht,home_ft,away_ft", ISO dates), <name>.adjustments.csv (where there is one) the
// points given or taken ("team,points,reason", a team possibly more than once). Teams are numbered in order of
// their first match; a team's adjustments are summed, their reasons joined.
namespace seasons {

// The fields of each line after the header; a field in double quotes may hold commas.
inline QList<QStringList> csvRows(const QString& path)
{
    QFile file(path);
    QList<QStringList> rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts).mid(1)) {
        QStringList fields { QString() };
        bool quoted = false;
        for (const QChar c : line.trimmed()) {
            if (c == u'"')
                quoted = !quoted;
            else if (c == u',' && !quoted)
                fields.append(QString());
            else
                fields.last() += c;
        }
        rows.append(fields);
    }
    return rows;
}

inline TournamentData tournament(const QString& folder, const QString& name, const QList<int>& rules)
{
    TournamentData data;
    data.title = QStringLiteral("Tabulon - ") + name + QStringLiteral(" at home");
    data.GroupCount = 1;
    data.RuleCount = static_cast<qint16>(rules.size());
    std::copy(rules.begin(), rules.end(), data.RuleOrder.begin() + 1);
    TournamentGroupData group;
    group.caption = QStringLiteral("1. Division A");
    for (const QStringList& match : csvRows(folder + u'/' + name + QStringLiteral(".csv"))) {
        for (const QString& team : { match[1], match[2] })
            if (!group.teams.contains(team))
                group.teams.append(team);
        group.recordLines.append(resultStoredLine(
            formatRecordDate(QDate::fromString(match[0], Qt::ISODate)), { match[3], match[4], match[5], match[6] },
            int(group.teams.indexOf(match[1])), int(group.teams.indexOf(match[2]))));
    }
    for (const QStringList& given : csvRows(folder + u'/' + name + QStringLiteral(".adjustments.csv"))) {
        const int team = int(group.teams.indexOf(given[0]));
        QStringList reasons { given[2] };
        for (const PointsAdjustment& earlier : group.adjustments)
            if (earlier.team == team)
                reasons.prepend(earlier.reason);
        setPointsAdjustment(group.adjustments, team, adjustmentPoints(group.adjustments, team) + given[1].toInt(),
                            reasons.join(QStringLiteral("; ")));
    }
    data.TeamsInGroup[1] = static_cast<qint16>(group.teams.size());
    data.groups = { group };
    return data;
}

} // namespace seasons
