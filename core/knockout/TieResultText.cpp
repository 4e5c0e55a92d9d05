#include "TieResultText.h"

#include <QCoreApplication>
#include <QStringList>

QString gameScoreText(const GameScore& score)
{
    return QStringLiteral("%1-%2").arg(score.home).arg(score.away);
}

namespace {

std::optional<int> readGoals(QStringView text)
{
    if (text.isEmpty() || text.size() > 3)
        return std::nullopt;
    int goals = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        goals = goals * 10 + (c.unicode() - u'0');
    }
    return goals;
}

} // namespace

std::optional<GameScore> readGameScore(QStringView text)
{
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0)
        return std::nullopt;
    const std::optional<int> home = readGoals(text.left(dash));
    const std::optional<int> away = readGoals(text.mid(dash + 1));
    if (!home || !away || *home > kMaxTieGoals || *away > kMaxTieGoals)
        return std::nullopt;
    return GameScore { *home, *away };
}

QString tieResultText(const TieResult& result)
{
    QStringList words;
    for (const GameScore& leg : result.legs)
        words.append(gameScoreText(leg));
    if (result.extraTime)
        words << QStringLiteral("aet") << gameScoreText(*result.extraTime);
    if (result.penalties)
        words << QStringLiteral("pens") << gameScoreText(*result.penalties);
    return words.join(u' ');
}

std::optional<TieResult> readTieResultText(QStringView text, QString* refusal)
{
    const auto refuse = [refusal](const QString& reason) -> std::optional<TieResult> {
        if (refusal)
            *refusal = reason;
        return std::nullopt;
    };
    const QString scoreForm
        = QCoreApplication::translate("TieResultText", "a score is two whole numbers from 0 to %1, as \"2-1\"")
              .arg(kMaxTieGoals);
    const QList<QStringView> words = text.split(u' ');
    TieResult result;
    qsizetype i = 0;
    for (; i < words.size() && result.legs.size() < 2; ++i) {
        const std::optional<GameScore> score = readGameScore(words[i]);
        if (!score)
            break;
        result.legs.append(*score);
    }
    if (result.legs.isEmpty())
        return refuse(QStringLiteral("\"%1\" is no full-time score; %2.").arg(words.first(), scoreForm));
    for (const QString& label : { QStringLiteral("aet"), QStringLiteral("pens") }) {
        if (i >= words.size() || words[i] != label)
            continue;
        if (i + 1 >= words.size())
            return refuse(QStringLiteral("\"%1\" is not followed by a score.").arg(label));
        const std::optional<GameScore> score = readGameScore(words[i + 1]);
        if (!score)
            return refuse(QStringLiteral("\"%1\" after \"%2\" is no score; %3.").arg(words[i + 1], label, scoreForm));
        (label == QLatin1String("aet") ? result.extraTime : result.penalties) = score;
        i += 2;
    }
    if (i < words.size())
        return refuse(QStringLiteral("\"%1\" cannot be read as part of a result.").arg(words[i]));
    return result;
}
