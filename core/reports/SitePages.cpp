#include "core/reports/SitePages.h"

#include "core/common/Parallel.h"
#include "core/records/RecordLines.h"
#include "core/reports/BracketExport.h"
#include "core/reports/CalendarExport.h"
#include "core/reports/FixtureListReport.h"
#include "core/reports/KnockoutGames.h"
#include "core/reports/ReportExport.h"
#include "core/reports/ResultsReport.h"
#include "core/setup/TimetableGames.h"
#include "core/standings/Standings.h"
#include "core/tournament/FileGroupRecords.h"

#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <algorithm>
#include <atomic>
#include <tuple>
#include <vector>

namespace {

// Small on purpose: a phone on a busy ground network loads it once. Tables scroll within
// themselves rather than widen the page, and the two least needed columns go on a narrow screen.
const char* const kStyle = R"(:root { color-scheme: light dark; --fg: #1c1e21; --muted: #5f6670; --bg: #fff;
 --card: #f4f5f7; --line: #d9dce1; --accent: #0b5cad; --won: #1d7a36; --lost: #b3261e; }
@media (prefers-color-scheme: dark) { :root { --fg: #e6e8eb; --muted: #a3aab3; --bg: #15171a;
 --card: #202328; --line: #353a42; --accent: #7db7ff; --won: #6fd08c; --lost: #ff8a80; } }
* { box-sizing: border-box; }
body { margin: 0; font: 16px/1.45 system-ui, -apple-system, "Segoe UI", Roboto, sans-serif; color: var(--fg);
 background: var(--bg); overflow-wrap: break-word; }
header { background: var(--card); border-bottom: 1px solid var(--line); padding: .6em 1em; }
header .home { font-weight: 700; font-size: 1.1em; color: var(--fg); text-decoration: none; }
nav { display: flex; flex-wrap: wrap; gap: .3em .9em; margin-top: .3em; font-size: .95em; }
nav a[aria-current] { font-weight: 700; color: var(--fg); }
main { max-width: 52em; margin: 0 auto; padding: .5em 1em 2em; }
footer { max-width: 52em; margin: 0 auto; padding: 0 1em 2em; color: var(--muted); }
footer p { margin: 0; font-size: .85em; }
a { color: var(--accent); }
h1 { font-size: 1.45em; margin: .4em 0; }
h2 { font-size: 1.15em; margin: 1.4em 0 .4em; }
h3 { font-size: .95em; margin: 1em 0 .3em; color: var(--muted); }
.scroll { overflow-x: auto; }
table { border-collapse: collapse; width: 100%; }
th, td { padding: .35em .4em; border-bottom: 1px solid var(--line); text-align: right; white-space: nowrap; }
th { font-size: .8em; color: var(--muted); font-weight: 600; }
th.team, td.team { text-align: left; width: 100%; white-space: normal; }
td.pts { font-weight: 700; }
@media (max-width: 30em) { .wide { display: none; } th, td { padding: .35em .25em; } }
ul.games { list-style: none; padding: 0; margin: 0; }
ul.games li { display: flex; align-items: baseline; gap: .5em; padding: .4em 0; border-bottom: 1px solid var(--line); }
.home-side { flex: 1 1 0; text-align: right; }
.away-side { flex: 1 1 0; }
.score { flex: none; min-width: 3.2em; text-align: center; font-weight: 700; font-variant-numeric: tabular-nums; }
.note { color: var(--muted); font-size: .85em; white-space: nowrap; }
.won { color: var(--won); font-weight: 700; }
.lost { color: var(--lost); }
.cards { display: grid; grid-template-columns: repeat(auto-fill, minmax(15em, 1fr)); gap: .8em; }
.card { background: var(--card); border: 1px solid var(--line); border-radius: 8px; padding: .7em .9em; }
.card h2 { margin: 0 0 .2em; }
.card .note { white-space: normal; }
.tie { background: var(--card); border: 1px solid var(--line); border-radius: 8px; padding: .4em .7em; margin: .5em 0; }
.tie .code { color: var(--muted); font-size: .8em; }
.tie ul.games li:last-child { border-bottom: none; }
.champion { font-size: 1.2em; font-weight: 700; }
.when, .stage { white-space: normal; }
.when { flex: 0 0 6.5em; }
.stage { flex: 0 1 8em; text-align: right; }
)";

const char* const kLiveScript = R"((function () {
  // Asks the server every second which version it serves; a newer one replaces the page's body.
  var version = document.body.getAttribute("data-version");
  function check() {
    fetch("version", { cache: "no-store" })
      .then(function (reply) { return reply.ok ? reply.text() : null; })
      .then(function (served) {
        if (!served || served.trim() === version) return null;
        return fetch(location.pathname, { cache: "no-store" })
          .then(function (reply) { return reply.ok ? reply.text() : null; })
          .then(function (html) {
            if (!html) return;
            var page = new DOMParser().parseFromString(html, "text/html");
            document.title = page.title;
            document.body.innerHTML = page.body.innerHTML;
            version = page.body.getAttribute("data-version");
            document.body.setAttribute("data-version", version);
          });
      })
      .catch(function () {})
      .then(function () { setTimeout(check, 1000); });
  }
  setTimeout(check, 1000);
})();
)";

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString link(const QString& file, const QString& text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(file, text);
}

QString groupPage(int group)
{
    return QStringLiteral("group-%1.html").arg(group);
}

QString teamPage(int group, int team)
{
    return QStringLiteral("team-%1-%2.html").arg(group).arg(team + 1);
}

// One game of a group as the pages list it.
// With a slot, "09:20, Pitch 2" in `when`.
struct SiteGame
{
    Record record;
    QDate date;
    QString dateText; // "" for a game without a date
    int kickOff = -1; // minutes from midnight; -1 without a slot
    QString when;
};

QVector<SiteGame> readableGames(const GroupRecords& group, const QStringList& pitches)
{
    QVector<SiteGame> games;
    games.reserve(group.size());
    for (int i = 0; i < group.size(); ++i) {
        const std::optional<Record>& record = group.games().at(i);
        if (!record)
            continue;
        SiteGame game { *record, record->date, record->date.isValid() ? formatRecordDate(record->date) : QString() };
        if (const std::optional<GameSlot> slot = group.gameSlots().value(i)) {
            game.kickOff = slot->start;
            game.when = minuteText(slot->start) + QStringLiteral(", ") + escaped(pitchName(pitches, slot->pitch));
        }
        games.append(game);
    }
    return games;
}

// Each team of a group as the pages name it: a link to its page, or for a number outside the
// team list its placeholder.
class TeamLinks
{
public:
    TeamLinks(int group, const QStringList& teams)
        : m_teams(teams)
    {
        m_links.reserve(teams.size());
        for (int team = 0; team < teams.size(); ++team)
            m_links.append(link(teamPage(group, team), escaped(teams[team])));
    }
    QString operator()(int team) const
    {
        return team >= 0 && team < m_links.size() ? m_links[team] : escaped(teamNameOrPlaceholder(m_teams, team));
    }

private:
    QStringList m_teams;
    QStringList m_links;
};

void appendScore(QString& html, const Record& record)
{
    if (!record.isResult) {
        html += u'v';
        return;
    }
    html += QString::number(record.homeFullTime) + u'-' + QString::number(record.awayFullTime);
}

// Games under their dates: results newest first, so that the latest are at the top; fixtures soonest first.
// Appended to `bytes` in UTF-8, a date's games at a time: a group's list is long.
void appendGamesByDate(QByteArray& bytes, QVector<SiteGame> games, bool results, const TeamLinks& side)
{
    std::stable_sort(games.begin(), games.end(), [results](const SiteGame& a, const SiteGame& b) {
        return results ? std::tie(a.date, a.kickOff) > std::tie(b.date, b.kickOff)
                       : std::tie(a.date, a.kickOff) < std::tie(b.date, b.kickOff);
    });
    QString html;
    QDate shown;
    bool first = true;
    for (const SiteGame& game : games) {
        if (first || game.date != shown) {
            if (!first)
                html += QLatin1String("</ul>\n");
            bytes += html.toUtf8();
            html.clear();
            html += QLatin1String("<h3>") + (game.date.isValid() ? game.dateText : QStringLiteral("No date"))
                + QLatin1String("</h3>\n<ul class=\"games\">\n");
            shown = game.date;
            first = false;
        }
        html += QLatin1String("<li>");
        if (!game.when.isEmpty())
            html += QLatin1String("<span class=\"note when\">") + game.when + QLatin1String("</span>");
        html += QLatin1String("<span class=\"home-side\">") + side(game.record.home)
            + QLatin1String("</span><span class=\"score\">");
        appendScore(html, game.record);
        html += QLatin1String("</span><span class=\"away-side\">") + side(game.record.away);
        if (game.record.isResult)
            html += QLatin1String(" <span class=\"note\">(HT ") + QString::number(game.record.homeHalfTime) + u'-'
                + QString::number(game.record.awayHalfTime) + QLatin1String(")</span>");
        html += QLatin1String("</span></li>\n");
    }
    if (!first)
        html += QLatin1String("</ul>\n");
    bytes += html.toUtf8();
}

// The parts every page shares.
struct PageFrame
{
    QString siteTitle;
    QStringList groupLinks; // (file, caption) pairs flattened
    bool knockout = false;
    QString updated;
    quint64 liveVersion = 0;
    bool timetable = false;
};

// A page up to its heading, with room for `bodySize` bytes more; pageEnd() ends it.
QByteArray pageStart(const PageFrame& frame, const QString& file, const QString& heading, qsizetype bodySize)
{
    QString nav;
    for (int i = 0; i + 1 < frame.groupLinks.size(); i += 2) {
        const bool current = frame.groupLinks[i] == file;
        nav += QStringLiteral("<a href=\"%1\"%2>%3</a>")
                   .arg(frame.groupLinks[i], current ? QStringLiteral(" aria-current=\"page\"") : QString(),
                        frame.groupLinks[i + 1]);
    }
    if (frame.knockout)
        nav += QStringLiteral("<a href=\"bracket.html\"%1>Knockout stage</a>")
                   .arg(file == QLatin1String("bracket.html") ? QStringLiteral(" aria-current=\"page\"") : QString());
    if (frame.timetable)
        nav += QStringLiteral("<a href=\"timetable.html\"%1>Timetable</a>")
                   .arg(file == QLatin1String("timetable.html") ? QStringLiteral(" aria-current=\"page\"") : QString());
    const QString title = heading.isEmpty() ? frame.siteTitle : heading + QStringLiteral(" - ") + frame.siteTitle;
    QStringList lines {
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html lang=\"en\">"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta charset=\"utf-8\" />"),
        QStringLiteral("<meta name=\"generator\" content=\"Tabulon\" />"),
        QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />"),
        QStringLiteral("<meta name=\"color-scheme\" content=\"light dark\" />"),
        QStringLiteral("<title>%1</title>").arg(title),
        QStringLiteral("<link rel=\"stylesheet\" href=\"style.css\" />"),
    };
    if (frame.liveVersion > 0)
        lines.append(QStringLiteral("<script src=\"live.js\" defer=\"defer\"></script>"));
    lines << QStringLiteral("</head>")
          << (frame.liveVersion > 0 ? QStringLiteral("<body data-version=\"%1\">").arg(frame.liveVersion)
                                    : QStringLiteral("<body>"))
          << QStringLiteral("<header><a class=\"home\" href=\"index.html\">%1</a><nav>%2</nav></header>")
                 .arg(frame.siteTitle, nav)
          << QStringLiteral("<main>")
          << QStringLiteral("<h1>%1</h1>").arg(heading.isEmpty() ? frame.siteTitle : heading);
    QByteArray bytes;
    bytes.reserve(bodySize + 2000);
    for (const QString& line : std::as_const(lines))
        bytes += line.toUtf8() + '\n';
    return bytes;
}

void pageEnd(QByteArray& bytes, const PageFrame& frame)
{
    bytes += '\n';
    for (const QString& line :
         { QStringLiteral("</main>"), QStringLiteral("<footer><p>Updated %1</p></footer>").arg(frame.updated),
           QStringLiteral("</body>"), QStringLiteral("</html>") })
        bytes += line.toUtf8() + '\n';
}

QByteArray page(const PageFrame& frame, const QString& file, const QString& heading, const QString& body)
{
    const QByteArray bodyBytes = body.toUtf8();
    QByteArray bytes = pageStart(frame, file, heading, bodyBytes.size());
    bytes += bodyBytes;
    pageEnd(bytes, frame);
    return bytes;
}

QString leagueTable(const LeagueTable& table, const TeamLinks& links, const QStringList& teams, int highlighted = -1)
{
    QString html = QStringLiteral(
        "<div class=\"scroll\"><table>\n<tr><th>#</th><th class=\"team\">Team</th><th>P</th><th>W</th><th>D</th>"
        "<th>L</th><th class=\"wide\">F</th><th class=\"wide\">A</th><th>GD</th><th>Pts</th></tr>\n");
    for (int i = 0; i < table.rows.size(); ++i) {
        const LeagueRow& row = table.rows[i];
        const int team = int(teams.indexOf(row.name));
        const QString name = team >= 0 ? links(team) : escaped(row.name);
        html += QStringLiteral("<tr%1><td>%2</td><td class=\"team\">%3</td><td>%4</td><td>%5</td><td>%6</td>"
                               "<td>%7</td><td class=\"wide\">%8</td><td class=\"wide\">%9</td><td>%10</td>"
                               "<td class=\"pts\">%11</td></tr>\n")
                    .arg(team == highlighted && team >= 0 ? QStringLiteral(" class=\"won\"") : QString())
                    .arg(i + 1)
                    .arg(name)
                    .arg(row.won + row.drawn + row.lost)
                    .arg(row.won)
                    .arg(row.drawn)
                    .arg(row.lost)
                    .arg(row.goalsFor)
                    .arg(row.against)
                    .arg(row.diff)
                    .arg(row.pts);
    }
    html += QStringLiteral("</table></div>\n");
    for (const LeagueAdjustment& adjustment : table.adjustments)
        html += QStringLiteral("<p class=\"note\">%1 %2 points: %3</p>\n")
                    .arg(escaped(adjustment.name),
                         (adjustment.points > 0 ? QStringLiteral("+") : QString()) + QString::number(adjustment.points),
                         escaped(adjustment.reason));
    return html;
}

// A team's games, with its opponent and whether it won: `indices` picks them from `games`.
QString teamGames(const QVector<SiteGame>& games, const QVector<int>& indices, int team, const TeamLinks& links)
{
    QString html = QStringLiteral("<ul class=\"games\">\n");
    html.reserve(indices.size() * 200 + 30);
    for (const int index : indices) {
        const SiteGame& game = games[index];
        const Record& r = game.record;
        const bool home = r.home == team;
        const int opponent = home ? r.away : r.home;
        html += QLatin1String("<li><span class=\"note\">") + game.dateText
            + (game.when.isEmpty() ? QString() : u' ' + game.when) + QLatin1String("</span><span class=\"away-side\">")
            + (home ? QLatin1String("v") : QLatin1String("at")) + u' ' + links(opponent)
            + QLatin1String("</span><span class=\"score\">");
        appendScore(html, r);
        html += QLatin1String("</span>");
        if (r.isResult) {
            const int own = home ? r.homeFullTime : r.awayFullTime;
            const int other = home ? r.awayFullTime : r.homeFullTime;
            html += own > other ? QLatin1String("<span class=\"won\">W</span>")
                : own < other   ? QLatin1String("<span class=\"lost\">L</span>")
                                : QLatin1String("<span>D</span>");
        }
        html += QLatin1String("</li>\n");
    }
    return html + QStringLiteral("</ul>\n");
}

QString bracketBody(const KnockoutStage& stage)
{
    const QVector<KnockoutGame> games = knockoutGames(stage);
    QString html;
    QString round;
    for (int i = 0; i < games.size(); ++i) {
        const KnockoutGame& game = games[i];
        if (game.round != round) {
            round = game.round;
            const QString dates = roundDates(games, round);
            html += QStringLiteral("<h2>%1</h2>\n").arg(escaped(round));
            if (!dates.isEmpty())
                html += QStringLiteral("<p class=\"note\">%1</p>\n").arg(dates);
        }
        if (game.leg == 1)
            html += QStringLiteral("<div class=\"tie\"><div class=\"code\">%1</div>\n<ul class=\"games\">\n")
                        .arg(escaped(game.tie));
        const auto side = [&](const std::optional<KnockoutTeam>& team, const QString& name) {
            const KnockoutGame& deciding = games[i + game.legs - game.leg];
            const bool won = team && deciding.winner && *deciding.winner == *team;
            return QStringLiteral("<span%1>%2</span>")
                .arg(won ? QStringLiteral(" class=\"won\"") : QString(), escaped(name));
        };
        const QString result = game.bye ? QStringLiteral("bye") : finalScoreText(game);
        const QStringList marks = scoreMarks(game);
        html += QStringLiteral("<li><span class=\"home-side\">%1</span><span class=\"score\">%2</span>"
                               "<span class=\"away-side\">%3%4</span></li>\n")
                    .arg(side(game.home, game.homeName), result.isEmpty() ? QStringLiteral("v") : result,
                         game.bye ? QString() : side(game.away, game.awayName),
                         marks.isEmpty() ? QString()
                                         : QStringLiteral(" <span class=\"note\">%1</span>")
                                               .arg(escaped(marks.join(QStringLiteral(", ")))));
        if (game.deciding())
            html += QStringLiteral("</ul></div>\n");
    }
    if (const std::optional<KnockoutTeam> champion = stage.champion())
        html += QStringLiteral("<h2>Champion</h2>\n<p class=\"champion\">%1</p>\n").arg(escaped(champion->name));
    return html;
}

// Every timed game by day, then by kick-off, each with its pitch, stage, teams and score when played.
QString timetableBody(const TournamentData& tournament)
{
    const QVector<TimetableGame> games = timetableGames(tournament);
    if (games.isEmpty())
        return QStringLiteral("<p>No game has a time yet.</p>\n");
    const QStringList& pitches = tournament.timetable->settings.pitches;
    QString html;
    for (int i = 0; i < games.size(); ++i) {
        const TimetableGame& game = games[i];
        const bool newDay = i == 0 || games[i - 1].slot.date != game.slot.date;
        if (newDay || games[i - 1].slot.start != game.slot.start) {
            if (i > 0)
                html += QStringLiteral("</ul>\n");
            if (newDay)
                html += QStringLiteral("<h2>%1</h2>\n").arg(formatRecordDate(game.slot.date));
            html += QStringLiteral("<h3>%1</h3>\n<ul class=\"games\">\n").arg(minuteText(game.slot.start));
        }
        QString stage = link(groupPage(game.group), escaped(game.stage));
        if (game.isKnockout()) {
            // A plan made before the stage was set up has no bracket page to link to yet.
            const QString tie = escaped(game.stage + u' ' + game.tie);
            const bool twoLegs = game.leg == 2 || (tournament.knockout && tournament.knockout->games(game.tie) == 2);
            stage = (tournament.knockout ? link(QStringLiteral("bracket.html"), tie) : tie)
                + (twoLegs ? QStringLiteral(", leg %1").arg(game.leg) : QString());
        }
        html += QStringLiteral("<li><span class=\"note when\">%1</span><span class=\"home-side\">%2</span>"
                               "<span class=\"score\">%3</span><span class=\"away-side\">%4</span>"
                               "<span class=\"note stage\">%5</span></li>\n")
                    .arg(escaped(pitchName(pitches, game.slot.pitch)), escaped(game.homeName),
                         game.score.isEmpty() ? QStringLiteral("v") : escaped(game.score), escaped(game.awayName),
                         stage);
    }
    return html + QStringLiteral("</ul>\n");
}

} // namespace

bool isSiteFileName(const QString& name)
{
    static const QRegularExpression pageName(QStringLiteral(
        "^(group-[1-9][0-9]*(-results\\.htm|-fixtures\\.htm|\\.ics|\\.html)|team-[1-9][0-9]*-[1-9][0-9]*\\.html"
        "|knockout\\.(htm|ics)|bracket\\.html|timetable\\.html|style\\.css)$"));
    return pageName.match(name).hasMatch();
}

QByteArray liveScript()
{
    return QByteArray(kLiveScript);
}

namespace {

// A group as the pages show it, its table computed before any page is made.
struct SiteGroup
{
    GroupRecords records;
    LeagueTable table;
};

// Why the group's printable reports cannot be made ("Group 1 (Division A): Error 5 - ..."), or "".
// Both are checked before the first page is made, so that a publish that fails on one writes nothing.
QString reportsProblem(const SiteGroup& group, int number, const QString& caption, const ReportHeading& heading)
{
    QString error;
    if (!resultsReportFits(group.records, group.table))
        error = buildResultsReport(heading, group.records, group.table).error;
    else if (!fixtureListFits(group.records))
        error = buildFixtureList(heading, group.records).error;
    return error.isEmpty() ? QString()
                           : QStringLiteral("Group %1 (%2): %3").arg(QString::number(number), caption, error);
}

// The sink as the groups share it: after its first refusal it is handed no more, and that
// refusal's reason is the answer.
class SharedSink
{
public:
    explicit SharedSink(const SiteFileSink& sink)
        : m_sink(sink)
    { }
    // Whether the file was taken.
    bool operator()(const QString& name, const QByteArray& contents)
    {
        if (m_refused)
            return false;
        const QString error = m_sink(name, contents);
        if (error.isEmpty())
            return true;
        const QMutexLocker lock(&m_mutex);
        if (m_error.isEmpty())
            m_error = error;
        m_refused = true;
        return false;
    }
    QString error() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_error;
    }

private:
    const SiteFileSink& m_sink;
    std::atomic<bool> m_refused { false };
    mutable QMutex m_mutex;
    QString m_error;
};

// What a group's pages share with the rest of the site.
struct GroupSite
{
    const PageFrame& frame;
    const QString& shortTitle;
    const QString& title;
    const QStringList& pitches;
    const QDate& today;
    const QDateTime& stamp;
};

// Hands on group `g`'s printable reports, calendar, page and team pages: its card for the index,
// or "" when the sink refused one of them.
QString makeGroupFiles(const GroupSite& site, int g, const TournamentGroupData& group, const LeagueTable& table,
                       SharedSink& hand)
{
    const GroupRecords records = recordsOfGroup(group);
    const PageFrame& frame = site.frame;
    const QString caption = escaped(group.caption);
    const QString name = QStringLiteral("group-%1").arg(g);
    // Nothing to show yet, as the group window's report buttons show nothing then.
    if (records.size() == 0) {
        if (!hand(groupPage(g), page(frame, groupPage(g), caption, QStringLiteral("<p>No fixtures yet.</p>"))))
            return QString();
        return QStringLiteral("<div class=\"card\"><h2>%1</h2><p class=\"note\">No fixtures yet</p></div>\n")
            .arg(link(groupPage(g), caption));
    }
    const ReportHeading heading { site.shortTitle, group.caption, site.today };
    {
        // Both printable reports from one sorted list of the group's games.
        const QVector<ReportEntry> entries = sortedReportEntries(records, site.pitches);
        if (!hand(name + QStringLiteral("-results.htm"),
                  exportHtml(buildResultsReport(heading, entries, table, ReportForms::ContentOnly).content))
            || !hand(name + QStringLiteral("-fixtures.htm"),
                     exportHtml(buildFixtureList(heading, entries, ReportForms::ContentOnly).content)))
            return QString();
    }
    if (!hand(name + QStringLiteral(".ics"),
              buildCalendar({ site.title, g, group.caption, records, {}, site.pitches }, site.stamp).text))
        return QString();

    const QVector<SiteGame> games = readableGames(records, site.pitches);
    QVector<SiteGame> played, toPlay;
    for (const SiteGame& game : games)
        (game.record.isResult ? played : toPlay).append(game);
    const TeamLinks links(g, group.teams);
    // The group's page made in place: its lists of games are long.
    QByteArray groupBytes = pageStart(frame, groupPage(g), caption, 250 * games.size() + 400 * table.rows.size());
    groupBytes += (QStringLiteral("<h2>Table</h2>\n") + leagueTable(table, links, group.teams)).toUtf8();
    groupBytes += "<h2>Results</h2>\n";
    if (played.isEmpty())
        groupBytes += "<p>No results yet.</p>\n";
    else
        appendGamesByDate(groupBytes, played, true, links);
    groupBytes += "<h2>Fixtures</h2>\n";
    if (toPlay.isEmpty())
        groupBytes += "<p>No fixtures to play.</p>\n";
    else
        appendGamesByDate(groupBytes, toPlay, false, links);
    groupBytes += QStringLiteral("<h2>Printable pages</h2>\n<p>%1 &#183; %2 &#183; %3</p>\n")
                      .arg(link(name + QStringLiteral("-results.htm"), QStringLiteral("Results and table")),
                           link(name + QStringLiteral("-fixtures.htm"), QStringLiteral("Fixture list")),
                           link(name + QStringLiteral(".ics"), QStringLiteral("Calendar")))
                      .toUtf8();
    pageEnd(groupBytes, frame);
    if (!hand(groupPage(g), groupBytes))
        return QString();
    groupBytes.clear();

    // Each team's games in list order, gathered in one pass over the group's.
    QVector<QVector<int>> gamesOfTeam(group.teams.size());
    for (int i = 0; i < games.size(); ++i) {
        const Record& r = games[i].record;
        if (r.home >= 0 && r.home < gamesOfTeam.size())
            gamesOfTeam[r.home].append(i);
        if (r.away != r.home && r.away >= 0 && r.away < gamesOfTeam.size())
            gamesOfTeam[r.away].append(i);
    }
    QHash<QString, int> placeOf;
    for (int row = 0; row < table.rows.size(); ++row)
        placeOf.insert(table.rows[row].name, row + 1); // the last row of a name, as a scan finds it
    for (int team = 0; team < group.teams.size(); ++team) {
        const int place = placeOf.value(group.teams[team], 0);
        QString teamBody = QStringLiteral("<p>%1").arg(link(groupPage(g), caption));
        if (place > 0)
            teamBody += QStringLiteral(": place %1 of %2, %3 points")
                            .arg(place)
                            .arg(table.rows.size())
                            .arg(table.rows[place - 1].pts);
        teamBody += QStringLiteral("</p>\n<h2>Games</h2>\n") + teamGames(games, gamesOfTeam[team], team, links);
        if (!hand(teamPage(g, team), page(frame, teamPage(g, team), escaped(group.teams[team]), teamBody)))
            return QString();
    }
    const QString leader = table.rows.isEmpty() || played.isEmpty()
        ? QString()
        : QStringLiteral(", top: %1").arg(escaped(table.rows.first().name));
    return QStringLiteral("<div class=\"card\"><h2>%1</h2><p class=\"note\">%2 results, %3 fixtures%4</p></div>\n")
        .arg(link(groupPage(g), caption))
        .arg(played.size())
        .arg(toPlay.size())
        .arg(leader);
}

} // namespace

QString makeSiteFiles(const TournamentData& tournament, const QDate& today, const QString& databaseName,
                      const SiteFileSink& sink, const QDateTime& stamp, quint64 liveVersion)
{
    const QString shortTitle = shortTitleOf(tournament.title);
    PageFrame frame { escaped(shortTitle), {}, tournament.knockout.has_value(), formatRecordDate(today), liveVersion };
    frame.timetable = tournament.timetable.has_value();
    const QStringList pitches = tournament.timetable ? tournament.timetable->settings.pitches : QStringList();
    for (int g = 1; g <= tournament.groups.size(); ++g)
        frame.groupLinks << groupPage(g) << escaped(tournament.groups[g - 1].caption);

    // Every table first: a group whose reports cannot be made ends the site before its first file.
    // The tables are computed here, on the database's thread; each group's records are made again
    // with its pages, so that no more than two groups' are held at once.
    QVector<LeagueTable> tables(tournament.groups.size());
    for (int g = 1; g <= tournament.groups.size(); ++g) {
        const TournamentGroupData& group = tournament.groups[g - 1];
        SiteGroup site { recordsOfGroup(group), {} };
        if (site.records.size() == 0)
            continue;
        const StandingsOutcome standings
            = computeStandings(standingsRequestFor(site.records, tournament), databaseName);
        if (!standings.ok())
            return QStringLiteral("Group %1 (%2): %3").arg(QString::number(g), group.caption, standings.error);
        site.table = standings.table;
        const QString problem = reportsProblem(site, g, group.caption, { shortTitle, group.caption, today });
        if (!problem.isEmpty())
            return problem;
        tables[g - 1] = site.table;
    }

    // The groups' pages are made side by side, two at a time at most, so that a big tournament's
    // site is made in the time of half its groups while holding no more than two groups' pages.
    SharedSink hand(sink);
    // The stamp in UTC, so that no thread consults the local time zone for it.
    const QDateTime utcStamp = stamp.toUTC();
    const GroupSite groupSite { frame, shortTitle, tournament.title, pitches, today, utcStamp };
    std::vector<QString> groupCards(size_t(tournament.groups.size()));
    runInParallel(int(tournament.groups.size()), 2, [&](int index) {
        groupCards[size_t(index)]
            = makeGroupFiles(groupSite, index + 1, tournament.groups[index], std::as_const(tables)[index], hand);
    });
    if (!hand.error().isEmpty())
        return hand.error();
    QString cards;
    for (const QString& card : groupCards)
        cards += card;
    if (tournament.knockout) {
        if (!hand(QStringLiteral("knockout.htm"), bracketHtml(shortTitle, *tournament.knockout)))
            return hand.error();
        // A stage without dates or slots has no games to put in a calendar.
        const bool dated = tournament.knockout->startDate().isValid()
            || (tournament.timetable && !tournament.timetable->knockout.isEmpty());
        if (dated
            && !hand(QStringLiteral("knockout.ics"),
                     buildKnockoutCalendar(tournament.title, *tournament.knockout, stamp, tournament.timetable).text))
            return hand.error();
        QString printable = link(QStringLiteral("knockout.htm"), QStringLiteral("Bracket"));
        if (dated)
            printable += QStringLiteral(" &#183; ") + link(QStringLiteral("knockout.ics"), QStringLiteral("Calendar"));
        if (!hand(QStringLiteral("bracket.html"),
                  page(frame, QStringLiteral("bracket.html"), QStringLiteral("Knockout stage"),
                       bracketBody(*tournament.knockout)
                           + QStringLiteral("<h2>Printable pages</h2>\n<p>%1</p>\n").arg(printable))))
            return hand.error();
        const std::optional<KnockoutTeam> champion = tournament.knockout->champion();
        cards += QStringLiteral("<div class=\"card\"><h2>%1</h2><p class=\"note\">%2</p></div>\n")
                     .arg(link(QStringLiteral("bracket.html"), QStringLiteral("Knockout stage")),
                          champion ? QStringLiteral("Champion: %1").arg(escaped(champion->name))
                                   : QStringLiteral("The bracket, round by round"));
    }
    if (tournament.timetable) {
        if (!hand(
                QStringLiteral("timetable.html"),
                page(frame, QStringLiteral("timetable.html"), QStringLiteral("Timetable"), timetableBody(tournament))))
            return hand.error();
        cards += QStringLiteral("<div class=\"card\"><h2>%1</h2><p class=\"note\">Every game by its time and pitch</p>"
                                "</div>\n")
                     .arg(link(QStringLiteral("timetable.html"), QStringLiteral("Timetable")));
    }
    if (!hand(QStringLiteral("style.css"), QByteArray(kStyle))
        || (liveVersion > 0 && !hand(QStringLiteral("live.js"), liveScript())))
        return hand.error();
    // The index last, so that it never links to a page not yet handed on.
    hand(QStringLiteral("index.html"),
         page(frame, QStringLiteral("index.html"), QString(),
              QStringLiteral("<div class=\"cards\">\n%1</div>").arg(cards)));
    return hand.error();
}

SiteFiles buildSiteFiles(const TournamentData& tournament, const QDate& today, const QString& databaseName,
                         const QDateTime& stamp, quint64 liveVersion)
{
    SiteFiles site;
    QMutex mutex;
    site.error = makeSiteFiles(
        tournament, today, databaseName,
        [&site, &mutex](const QString& name, const QByteArray& contents) {
            const QMutexLocker lock(&mutex);
            site.files.insert(name, contents);
            return QString();
        },
        stamp, liveVersion);
    if (!site.ok())
        site.files.clear();
    return site;
}

QStringList siteFileNames(const TournamentData& tournament, bool live)
{
    QStringList names { QStringLiteral("index.html"), QStringLiteral("style.css") };
    if (live)
        names.append(QStringLiteral("live.js"));
    for (int g = 1; g <= tournament.groups.size(); ++g) {
        const TournamentGroupData& group = tournament.groups[g - 1];
        names.append(groupPage(g));
        if (group.recordLines.isEmpty())
            continue;
        const QString name = QStringLiteral("group-%1").arg(g);
        names << name + QStringLiteral("-results.htm") << name + QStringLiteral("-fixtures.htm")
              << name + QStringLiteral(".ics");
        for (int team = 0; team < group.teams.size(); ++team)
            names.append(teamPage(g, team));
    }
    if (tournament.knockout) {
        names << QStringLiteral("knockout.htm") << QStringLiteral("bracket.html");
        if (tournament.knockout->startDate().isValid()
            || (tournament.timetable && !tournament.timetable->knockout.isEmpty()))
            names.append(QStringLiteral("knockout.ics"));
    }
    if (tournament.timetable)
        names.append(QStringLiteral("timetable.html"));
    return names;
}
