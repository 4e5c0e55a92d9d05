#include "core/reports/BracketExport.h"

#include "core/reports/KnockoutGames.h"
#include "core/reports/KnockoutReport.h"

namespace {

QString csvCell(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString goals(const std::optional<GameScore>& score, bool home)
{
    return score ? QString::number(home ? score->home : score->away) : QString();
}

// The games of each tie together, in the order they are listed.
QVector<QVector<KnockoutGame>> gamesByTie(const QVector<KnockoutGame>& games)
{
    QVector<QVector<KnockoutGame>> ties;
    for (const KnockoutGame& game : games) {
        if (ties.isEmpty() || ties.last().first().code != game.code)
            ties.append(QVector<KnockoutGame>());
        ties.last().append(game);
    }
    return ties;
}

const char* const kStyle
    = R"(body { font-family: "DejaVu Sans", Arial, sans-serif; margin: .8em 2em; color: #222; background: #f6f7f9; }
h1 { font-size: 1.5em; margin: 0; }
h2 { font-size: 1em; font-weight: normal; color: #555; margin: .1em 0 .6em; }
.bracket { display: flex; overflow-x: auto; padding-bottom: 7em; }
.round { display: flex; flex-direction: column; flex: 1 1 0; min-width: 14em; max-width: 22em; margin-right: 2.5em; }
.round:last-child { margin-right: 0; }
.round h3 { font-size: .9em; margin: 0; text-align: center; color: #333; }
.round .dates { font-size: .75em; text-align: center; color: #666; height: 1.4em; margin-bottom: .3em; }
.ties { flex: 1; display: flex; flex-direction: column; justify-content: space-around; }
.slot { position: relative; margin: .3em 0; }
.tie { border: 1px solid #b8bec8; border-radius: 4px; background: #fff; box-shadow: 0 1px 2px rgba(0, 0, 0, .08); }
.caption { display: flex; justify-content: space-between; font-size: .72em; color: #667; padding: .15em .5em; border-bottom: 1px solid #e3e6ea; height: 1.3em; }
.caption .marks { color: #a33; }
.tie table { width: 100%; border-collapse: collapse; table-layout: fixed; }
.tie td { padding: .12em .5em; white-space: nowrap; overflow: hidden; text-overflow: ellipsis; height: 1.2em; }
.tie td.score { width: 1.6em; text-align: right; padding-left: 0; }
.tie td.pens { width: 2em; text-align: right; padding-left: 0; color: #a33; }
.tie tr.won { font-weight: bold; }
.tie tr.lost { color: #777; }
.tie .unknown { color: #999; font-style: italic; }
.third { position: absolute; top: 100%; left: 0; right: 0; margin-top: 2.2em; }
.third h3 { margin-bottom: .3em; }
.champion { border: 2px solid #c9a227; border-radius: 6px; background: #fffbea; text-align: center; padding: .8em .5em; font-size: 1.3em; font-weight: bold; }
)";

// One side's row of a tie: its name, its goals in each game (after extra time where played) and
// its shoot-out.
QString teamRow(const QVector<KnockoutGame>& games, bool first)
{
    const KnockoutGame& opening = games.first();
    const std::optional<KnockoutTeam>& team = first ? opening.home : opening.away;
    const QString name = opening.bye && !first ? QStringLiteral("bye") : first ? opening.homeName : opening.awayName;
    const std::optional<KnockoutTeam>& winner = games.last().winner;
    const QString rowClass = !winner || opening.bye ? QString()
        : team && *team == *winner                  ? QStringLiteral(" class=\"won\"")
                                                    : QStringLiteral(" class=\"lost\"");
    QString row = QStringLiteral("<tr%1><td%2>%3</td>")
                      .arg(rowClass, team ? QString() : QStringLiteral(" class=\"unknown\""), name.toHtmlEscaped());
    for (const KnockoutGame& game : games) {
        if (game.bye)
            continue;
        const bool home = first == (game.leg % 2 == 1);
        row += QStringLiteral("<td class=\"score\">%1</td>")
                   .arg(goals(game.extraTime ? game.extraTime : game.fullTime, home));
    }
    if (games.last().penalties)
        row += QStringLiteral("<td class=\"pens\">(%1)</td>")
                   .arg(goals(games.last().penalties, games.last().leg % 2 == 1 ? first : !first));
    return row + QStringLiteral("</tr>");
}

QString tieBox(const QVector<KnockoutGame>& games)
{
    QStringList marks;
    if (games.last().extraTime)
        marks.append(QStringLiteral("a.e.t."));
    if (games.last().penalties)
        marks.append(QStringLiteral("pens"));
    return QStringLiteral(
               "<div class=\"tie\"><div class=\"caption\"><span>%1</span><span class=\"marks\">%2</span></div>"
               "<table>%3%4</table></div>")
        .arg(games.first().code, marks.join(QStringLiteral(", ")), teamRow(games, true), teamRow(games, false));
}

QString roundHeading(const QString& name, const QString& dates)
{
    return QStringLiteral("<h3>%1</h3><div class=\"dates\">%2</div>").arg(name.toHtmlEscaped(), dates);
}

} // namespace

QString bracketText(const KnockoutStage& stage)
{
    QString text = knockoutListing(stage).text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (text.startsWith(u'\n'))
        text.remove(0, 1);
    return text;
}

QByteArray bracketCsv(const KnockoutStage& stage)
{
    QString csv
        = QStringLiteral("tie,round,leg,home,away,home_ft,away_ft,home_aet,away_aet,home_pens,away_pens,winner\n");
    for (const KnockoutGame& game : knockoutGames(stage)) {
        const QStringList cells { game.code,
                                  game.round,
                                  QString::number(game.leg),
                                  game.home ? game.home->name : QString(),
                                  game.away ? game.away->name : QString(),
                                  goals(game.fullTime, true),
                                  goals(game.fullTime, false),
                                  goals(game.extraTime, true),
                                  goals(game.extraTime, false),
                                  goals(game.penalties, true),
                                  goals(game.penalties, false),
                                  game.winner ? game.winner->name : QString() };
        QStringList quoted;
        for (const QString& cell : cells)
            quoted.append(csvCell(cell));
        csv += quoted.join(u',') + u'\n';
    }
    return csv.toUtf8();
}

QByteArray bracketHtml(const QString& title, const KnockoutStage& stage)
{
    const QVector<KnockoutGame> games = knockoutGames(stage);
    const QVector<QVector<KnockoutGame>> ties = gamesByTie(games);
    QVector<QVector<KnockoutGame>> thirdPlace;
    QStringList columns;
    QVector<QVector<KnockoutGame>> round;
    const auto closeRound = [&]() {
        QString column = QStringLiteral("<div class=\"round\">")
            + roundHeading(round.first().first().round, roundDates(games, round.first().first().round))
            + QStringLiteral("<div class=\"ties\">");
        for (const QVector<KnockoutGame>& tie : std::as_const(round)) {
            column += QStringLiteral("<div class=\"slot\">") + tieBox(tie);
            if (tie.first().code == QLatin1String("F") && !thirdPlace.isEmpty())
                column += QStringLiteral("<div class=\"third\">")
                    + roundHeading(thirdPlace.first().first().round,
                                   roundDates(games, thirdPlace.first().first().round))
                    + tieBox(thirdPlace.first()) + QStringLiteral("</div>");
            column += QStringLiteral("</div>");
        }
        columns.append(column + QStringLiteral("</div></div>"));
        round.clear();
    };
    for (const QVector<KnockoutGame>& tie : ties) {
        if (tie.first().code == QLatin1String("3P")) {
            thirdPlace.append(tie);
            continue;
        }
        if (!round.isEmpty() && round.first().first().round != tie.first().round)
            closeRound();
        round.append(tie);
    }
    if (!round.isEmpty())
        closeRound();
    if (const std::optional<KnockoutTeam> champion = stage.champion())
        columns.append(QStringLiteral("<div class=\"round\">") + roundHeading(QStringLiteral("Champion"), QString())
                       + QStringLiteral("<div class=\"ties\"><div class=\"slot champion\">%1</div></div></div>")
                             .arg(champion->name.toHtmlEscaped()));
    const QString escapedTitle = title.toHtmlEscaped();
    const QStringList page {
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html lang=\"en\">"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta charset=\"utf-8\" />"),
        QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />"),
        QStringLiteral("<title>%1 - Knockout stage</title>").arg(escapedTitle),
        QStringLiteral("<style>"),
        QString::fromUtf8(kStyle) + QStringLiteral("</style>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<h1>%1</h1>").arg(escapedTitle),
        QStringLiteral("<h2>Knockout stage</h2>"),
        QStringLiteral("<div class=\"bracket\">"),
    };
    return (page + columns
            + QStringList { QStringLiteral("</div>"), QStringLiteral("</body>"), QStringLiteral("</html>"), QString() })
        .join(u'\n')
        .toUtf8();
}
