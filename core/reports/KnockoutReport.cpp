#include "core/reports/KnockoutReport.h"

#include "core/knockout/TieResultText.h"
#include "core/records/RecordLines.h"
#include "core/reports/KnockoutGames.h"
#include "core/reports/ReportLayout.h"

namespace {

constexpr int kCodeColumnWidth = 7;
const QString kToBePlayed = QStringLiteral("to be played");

// The text of a line within the match column: the names lose their ends, the longer first, and
// whatever stands around them stays whole, so that "Winner R16-3" and "(2nd leg)" stay readable.
QString fitted(QString first, const QString& between, QString second, const QString& after)
{
    const qsizetype room = kMatchColumnWidth - 1 - between.size() - after.size();
    while (first.size() + second.size() > room)
        (first.size() >= second.size() ? first : second).chop(1);
    return first + between + second + after;
}

// One line of the listing in both forms; the content keeps the score and "a.e.t." in the two narrow
// columns the exports show as scores, and everything longer, whole, as the match.
void appendLine(Report& report, const QString& code, const QString& text, const QString& score = QString(),
                const QString& marks = QString(), const QString& wholeText = QString())
{
    QString line;
    appendPadded(line, code, kCodeColumnWidth);
    appendPadded(line, text, kMatchColumnWidth);
    appendRightAligned(line, score, kScoreColumnWidth + 2);
    if (!marks.isEmpty())
        line += QStringLiteral("  ") + marks;
    while (line.endsWith(u' '))
        line.chop(1);
    report.text += line + kLineBreak;
    const QString whole = wholeText.isEmpty() ? text : wholeText;
    report.content.lines.append(
        { {}, code.isEmpty() ? whole : code + u' ' + whole, score == kToBePlayed ? QString() : score, marks });
}

void appendListing(Report& report, const KnockoutStage& stage, const std::optional<Timetable>& timetable)
{
    const QVector<KnockoutGame> games = knockoutGames(stage);
    for (int g = 0; g < games.size(); ++g) {
        const KnockoutGame& game = games[g];
        if (g == 0 || games[g - 1].round != game.round) {
            const QString dates = roundDates(games, game.round);
            const QString heading = dates.isEmpty() ? game.round : QStringLiteral("%1 (%2)").arg(game.round, dates);
            report.text += kLineBreak + heading + kLineBreak;
            report.content.lines.append({ {}, heading, {}, {} });
        }
        if (game.bye) {
            appendLine(report, game.code, fitted(game.homeName, QString(), QString(), QString()), QStringLiteral("bye"),
                       QString(), game.homeName);
            continue;
        }
        const QString leg = game.legs == 1 ? QString()
            : game.leg == 1                ? QStringLiteral(" (1st leg)")
                                           : QStringLiteral(" (2nd leg)");
        // A game to be played says so in the score's column, which leaves the match column room
        // for the longest "Winner R64-31 v Winner R64-32 (2nd leg)".
        const QString match = game.homeName + QStringLiteral(" v ") + game.awayName + leg
            + (game.fullTime ? QString() : QStringLiteral(" - to be played"));
        appendLine(report, game.leg == 1 ? game.code : QString(),
                   fitted(game.homeName, QStringLiteral(" v "), game.awayName, leg),
                   game.fullTime ? finalScoreText(game) : kToBePlayed,
                   game.extraTime ? QStringLiteral("a.e.t.") : QString(), match);
        if (const std::optional<KnockoutSlot> planned
            = timetable ? timetable->knockoutSlot(game.code, game.leg) : std::nullopt) {
            const QString when = formatRecordDate(planned->slot.date) + u' ' + minuteText(planned->slot.start) + u' '
                + pitchName(timetable->settings.pitches, planned->slot.pitch);
            appendLine(report, QString(), fitted(when, QString(), QString(), QString()), QString(), QString(), when);
        }
        if (game.winner) {
            const QString penalties
                = game.penalties ? QStringLiteral(" on penalties (%1)").arg(gameScoreText(*game.penalties)) : QString();
            appendLine(report, QString(), fitted(QStringLiteral("Winner: "), QString(), game.winner->name, penalties),
                       QString(), QString(), QStringLiteral("Winner: ") + game.winner->name + penalties);
        }
    }
    if (const std::optional<KnockoutTeam> champion = stage.champion()) {
        const QString line = QStringLiteral("Champion: ") + champion->name;
        report.text += kLineBreak + line + kLineBreak;
        report.content.lines.append({ {}, line, {}, {} });
    }
}

} // namespace

Report knockoutReport(const ReportHeading& heading, const KnockoutStage& stage,
                      const std::optional<Timetable>& timetable)
{
    Report report;
    appendReportHeading(report, QStringLiteral("Knockout Stage of ") + heading.shortTitle, heading);
    appendListing(report, stage, timetable);
    appendReportFooter(report, QStringLiteral("Report created by Tabulon"));
    return report;
}

Report knockoutListing(const KnockoutStage& stage)
{
    Report report;
    appendListing(report, stage, std::nullopt);
    return report;
}
