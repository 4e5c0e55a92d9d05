#include "gui/timetable/TimetableSheets.h"

#include "core/setup/MoveCheck.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMap>

namespace {

QString cell(const QString& text)
{
    return QStringLiteral("<td>") + text.toHtmlEscaped() + QStringLiteral("</td>");
}

// Day and time; the day only when the timetable has two.
QString whenText(const TimetableSettings& settings, const GameSlot& slot)
{
    const QString time = minuteText(slot.start);
    return settings.days.size() > 1 ? QLocale().toString(slot.date, QLocale::ShortFormat) + QLatin1Char(' ') + time
                                    : time;
}

QString pitchName(const TimetableSettings& settings, int pitch)
{
    return settings.pitches.value(pitch, QString::number(pitch + 1));
}

QString sheet(const QString& title, const QString& heading, const QStringList& heads, const QStringList& rows,
              bool first)
{
    QString html = first ? QString() : QStringLiteral("<div style=\"page-break-before: always\"></div>");
    html += QStringLiteral("<p>") + title.toHtmlEscaped() + QStringLiteral("</p><h2>") + heading.toHtmlEscaped()
        + QStringLiteral("</h2><table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\" border=\"1\"><tr>");
    for (const QString& head : heads)
        html += QStringLiteral("<th align=\"left\">") + head.toHtmlEscaped() + QStringLiteral("</th>");
    html += QStringLiteral("</tr>");
    for (const QString& row : rows)
        html += QStringLiteral("<tr>") + row + QStringLiteral("</tr>");
    return html + QStringLiteral("</table>");
}

} // namespace

QString pitchSheetsHtml(const QString& title, const TimetableSettings& settings, const QVector<TimetableGame>& games)
{
    QString html;
    const QStringList heads = { QCoreApplication::translate("TimetableSheets", "Time"),
                                QCoreApplication::translate("TimetableSheets", "Group or tie"),
                                QCoreApplication::translate("TimetableSheets", "Game"),
                                QCoreApplication::translate("TimetableSheets", "Score") };
    for (int pitch = 0; pitch < settings.pitches.size(); ++pitch) {
        QStringList rows;
        for (const TimetableGame& game : games)
            if (game.slot.pitch == pitch)
                rows.append(cell(whenText(settings, game.slot)) + cell(shownStage(game))
                            + cell(game.homeName + QStringLiteral(" v ") + game.awayName) + cell(game.score));
        html += sheet(title, settings.pitches.at(pitch), heads, rows, pitch == 0);
    }
    return html;
}

QString teamSheetsHtml(const QString& title, const TimetableSettings& settings, const QVector<TimetableGame>& games,
                       const QStringList& teams)
{
    QMap<QString, QStringList> rowsByTeam;
    for (const TimetableGame& game : games) {
        const QString when = cell(whenText(settings, game.slot)) + cell(pitchName(settings, game.slot.pitch));
        rowsByTeam[game.homeName].append(when + cell(game.awayName) + cell(game.score));
        rowsByTeam[game.awayName].append(when + cell(game.homeName) + cell(game.score));
    }
    const QStringList heads = { QCoreApplication::translate("TimetableSheets", "Time"),
                                QCoreApplication::translate("TimetableSheets", "Pitch"),
                                QCoreApplication::translate("TimetableSheets", "Opponent"),
                                QCoreApplication::translate("TimetableSheets", "Score") };
    QString html;
    for (const QString& team : teams)
        if (rowsByTeam.contains(team))
            html += sheet(title, team, heads, rowsByTeam.value(team), html.isEmpty());
    return html;
}
