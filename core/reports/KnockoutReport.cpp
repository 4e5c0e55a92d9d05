#include "core/reports/KnockoutReport.h"

#include "core/knockout/TieResultText.h"
#include "core/reports/KnockoutGames.h"
#include "core/reports/ReportLayout.h"

namespace {

constexpr int kCodeColumnWidth = 7;

// One line of the listing in both forms; the tagged RESULT line keeps the score and "a.e.t." in the
// two narrow fields the exporters read as scores, and everything longer in the match field, which
// alone may hold blanks and commas.
void appendLine(Report& report, const QString& code, const QString& text, const QString& score = QString(),
                const QString& marks = QString())
{
    QString line;
    appendPadded(line, code, kCodeColumnWidth);
    appendPadded(line, shortenedMatchText(text), kMatchColumnWidth);
    appendRightAligned(line, score, kScoreColumnWidth + 2);
    if (!marks.isEmpty())
        line += QStringLiteral("  ") + marks;
    while (line.endsWith(u' '))
        line.chop(1);
    report.text += line + kLineBreak;
    const QString tagged = code.isEmpty() ? text : code + u' ' + text;
    report.taggedLines.append(QStringLiteral("RESULT, %1, %2, %3").arg(tagged, score, marks));
}

void appendListing(Report& report, const KnockoutStage& stage)
{
    const QVector<KnockoutGame> games = knockoutGames(stage);
    for (int g = 0; g < games.size(); ++g) {
        const KnockoutGame& game = games[g];
        if (g == 0 || games[g - 1].round != game.round) {
            const QString dates = roundDates(games, game.round);
            const QString heading = dates.isEmpty() ? game.round : QStringLiteral("%1 (%2)").arg(game.round, dates);
            report.text += kLineBreak + heading + kLineBreak;
            report.taggedLines.append(QStringLiteral("RESULT, %1, , ").arg(heading));
        }
        if (game.bye) {
            appendLine(report, game.code, game.homeName, QStringLiteral("bye"));
            continue;
        }
        QString match = game.homeName + QStringLiteral(" v ") + game.awayName;
        if (game.legs == 2)
            match += game.leg == 1 ? QStringLiteral(" (1st leg)") : QStringLiteral(" (2nd leg)");
        if (!game.fullTime)
            match += QStringLiteral(" - to be played");
        appendLine(report, game.leg == 1 ? game.code : QString(), match, finalScoreText(game),
                   game.extraTime ? QStringLiteral("a.e.t.") : QString());
        if (game.winner)
            appendLine(report, QString(),
                       QStringLiteral("Winner: ") + game.winner->name
                           + (game.penalties ? QStringLiteral(" on penalties (%1)").arg(gameScoreText(*game.penalties))
                                             : QString()));
    }
    if (const std::optional<KnockoutTeam> champion = stage.champion()) {
        const QString line = QStringLiteral("Champion: ") + champion->name;
        report.text += kLineBreak + line + kLineBreak;
        report.taggedLines.append(QStringLiteral("RESULT, %1, , ").arg(line));
    }
}

} // namespace

Report knockoutReport(const ReportHeading& heading, const KnockoutStage& stage)
{
    Report report;
    appendReportHeading(report, QStringLiteral("Knockout Stage of ") + heading.shortTitle, heading);
    appendListing(report, stage);
    appendReportFooter(report, QStringLiteral("Report created by Tabulon"));
    return report;
}

Report knockoutListing(const KnockoutStage& stage)
{
    Report report;
    appendListing(report, stage);
    return report;
}
