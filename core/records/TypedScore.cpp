#include "core/records/TypedScore.h"

#include "core/records/RecordLines.h"

#include <QCoreApplication>
#include <QRegularExpression>

std::optional<TypedScore> readTypedScore(const QString& text)
{
    static const QRegularExpression twoParts(QStringLiteral("^\\s*(\\S+?)\\s*(?:[-:]|\\s)\\s*(\\S+)\\s*$"));
    const QRegularExpressionMatch match = twoParts.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return TypedScore { match.captured(1), match.captured(2) };
}

std::optional<QString> lineWithTypedScore(const QString& storedLine, const QString& typed, bool fullTime,
                                          QString* refusal)
{
    const std::optional<RecordFields> fields = splitRecordLine(storedLine);
    if (!fields || !readRecordLine(storedLine)) {
        *refusal = QCoreApplication::translate("TypedScore", "This item cannot be given a score.");
        return std::nullopt;
    }
    const std::optional<TypedScore> score = readTypedScore(typed);
    if (!score) {
        *refusal
            = QStringLiteral("\"%1\" is not a score: type the two teams' goals, such as 2-1.").arg(typed.trimmed());
        return std::nullopt;
    }
    // A fixture's fields are the two team numbers; a result's the four scores, then the teams.
    const QStringList& stored = fields->fields;
    const int teams = fields->isResult ? 4 : 0;
    ScoreTexts scores;
    if (fields->isResult)
        scores = { stored[0], stored[1], stored[2], stored[3] };
    const int first = fullTime ? 2 : 0;
    scores[first] = score->home;
    scores[first + 1] = score->away;
    const QList<ScoreProblem> problems = resultScoreProblems(scores);
    if (!problems.isEmpty()) {
        *refusal = scoreRefusal(problems.first());
        return std::nullopt;
    }
    return completedResultLine(fields->dateText, scores, stored[teams], stored[teams + 1]);
}
