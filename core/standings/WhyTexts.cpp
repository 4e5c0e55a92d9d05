#include "core/standings/WhyTexts.h"

#include "core/standings/HeadToHead.h"
#include "core/tournament/TournamentSettings.h"

#include <QCoreApplication>
#include <climits>
#include <limits>
#include <optional>

namespace {

struct Separation
{
    QString rule;
    qint64 lower = 0;
    qint64 upper = 0;
};

// "1 point", "2 points", "-1 points". A translation brings its language's plural forms through %n;
// without one (tabulon-cli, which stays English) the English forms below, where only a count of
// exactly one takes the singular.
QString counted(qint64 value, const char* plural, const char* one, const char* many)
{
    const int n = int(qBound(qint64(INT_MIN), value, qint64(INT_MAX)));
    const QString translated = QCoreApplication::translate("WhyTexts", plural, nullptr, n);
    if (translated != QString::fromLatin1(plural).replace(QLatin1String("%n"), QString::number(n)))
        return translated;
    return QString::number(value) + u' ' + QLatin1String(value == 1 ? one : many);
}

QString levelPhrase(int ruleCode, qint64 value)
{
    switch (LeagueRule(ruleCode)) {
    case LeagueRule::Points:
        return counted(value, QT_TRANSLATE_N_NOOP("WhyTexts", "%n point(s)"), "point", "points");
    case LeagueRule::GoalDifference:
        return QCoreApplication::translate("WhyTexts", "goal difference %1").arg(value);
    case LeagueRule::GoalsScored:
        return counted(value, QT_TRANSLATE_N_NOOP("WhyTexts", "%n goal(s) scored"), "goal scored", "goals scored");
    default:
        return counted(value, QT_TRANSLATE_N_NOOP("WhyTexts", "%n game(s) won"), "game won", "games won");
    }
}

QString separatingRule(int ruleCode)
{
    switch (LeagueRule(ruleCode)) {
    case LeagueRule::Points:
        return QCoreApplication::translate("WhyTexts", "points");
    case LeagueRule::GoalDifference:
        return QCoreApplication::translate("WhyTexts", "goal difference");
    case LeagueRule::GoalsScored:
        return QCoreApplication::translate("WhyTexts", "goals scored");
    default:
        return QCoreApplication::translate("WhyTexts", "games won");
    }
}

// Where the head-to-head table set the two teams apart: the deepest stage they shared, on its first
// figure that differs. Nothing when they stayed level throughout.
std::optional<Separation> tableSeparation(const HeadToHeadStages& stages, int upperTeam, int lowerTeam)
{
    const QVector<HeadToHeadFigures> upper = stages.value(upperTeam);
    const QVector<HeadToHeadFigures> lower = stages.value(lowerTeam);
    for (int stage = 0; stage < upper.size() && stage < lower.size(); ++stage) {
        const HeadToHeadFigures& u = upper[stage];
        const HeadToHeadFigures& l = lower[stage];
        if (u.pts != l.pts)
            return Separation { QCoreApplication::translate("WhyTexts", "points in their games"), l.pts, u.pts };
        if (u.diff != l.diff)
            return Separation { QCoreApplication::translate("WhyTexts", "goal difference in their games"), l.diff,
                                u.diff };
        if (u.goalsFor != l.goalsFor)
            return Separation { QCoreApplication::translate("WhyTexts", "goals scored in their games"), l.goalsFor,
                                u.goalsFor };
    }
    return std::nullopt;
}

// Whether the upper row of each level pair won the last decisive game between the two, as the
// games-between-teams rule reads the games: the rule itself, run once on every such pair turned
// upside down, each pair kept apart from the next by a row level with nothing.
QVector<bool> upperWonLastGame(const QVector<LeagueRow>& rows, const QVector<GameResult>& games)
{
    QVector<bool> won(rows.size(), false);
    QVector<LeagueRow> pairs;
    QVector<int> pairAt(rows.size(), -1);
    for (int i = 1; i < rows.size(); ++i) {
        if (!isLevelPair(rows[i - 1], rows[i]))
            continue;
        pairAt[i] = int(pairs.size());
        LeagueRow apart { QStringLiteral("\uFFFF") };
        apart.pts = std::numeric_limits<qint64>::min();
        pairs << rows[i] << rows[i - 1] << apart;
    }
    if (pairs.isEmpty())
        return won;
    separateLevelPairs(pairs, games);
    for (int i = 1; i < rows.size(); ++i) {
        const LeagueRow& top = pairs.value(pairAt[i]);
        won[i] = pairAt[i] >= 0 && top == rows[i - 1] && top.teamNumber == rows[i - 1].teamNumber;
    }
    return won;
}

QString whyBelow(const LeagueRow& upper, const LeagueRow& lower, const QList<int>& ruleOrder,
                 const HeadToHeadStages& stages, bool upperWonGame)
{
    QStringList level;
    const auto withLevel = [&level](const QString& separation) {
        return level.isEmpty() ? separation
                               : QCoreApplication::translate("WhyTexts", "level on %1; %2")
                                     .arg(level.join(QStringLiteral(", ")), separation);
    };
    for (const int code : ruleOrder) {
        if (LeagueRule(code) == LeagueRule::GamesBetweenTeams) {
            if (upperWonGame)
                return withLevel(QCoreApplication::translate("WhyTexts", "lost the last deciding game between them"));
            continue;
        }
        if (LeagueRule(code) == LeagueRule::HeadToHeadTable) {
            if (const std::optional<Separation> apart = tableSeparation(stages, upper.teamNumber, lower.teamNumber))
                return withLevel(QCoreApplication::translate("WhyTexts", "%1 %2 against %3")
                                     .arg(apart->rule)
                                     .arg(apart->lower)
                                     .arg(apart->upper));
            level.append(QCoreApplication::translate("WhyTexts", "the same in their games"));
            continue;
        }
        const std::optional<qint64> upperFigure = ruleFigure(upper, code);
        const std::optional<qint64> lowerFigure = ruleFigure(lower, code);
        if (!upperFigure || !lowerFigure)
            continue;
        if (*upperFigure != *lowerFigure)
            return withLevel(QCoreApplication::translate("WhyTexts", "%1 %2 against %3")
                                 .arg(separatingRule(code))
                                 .arg(*lowerFigure)
                                 .arg(*upperFigure));
        level.append(levelPhrase(code, *upperFigure));
    }
    return QCoreApplication::translate("WhyTexts", "level on every rule: team order");
}

} // namespace

QStringList whyTexts(const QVector<LeagueRow>& rows, const QList<int>& ruleOrder, const HeadToHeadStages& stages,
                     const QVector<GameResult>& games)
{
    const QVector<bool> won = ruleOrder.contains(int(LeagueRule::GamesBetweenTeams)) ? upperWonLastGame(rows, games)
                                                                                     : QVector<bool>(rows.size());
    QStringList texts;
    texts.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        texts.append(i == 0 ? QString() : whyBelow(rows[i - 1], rows[i], ruleOrder, stages, won[i]));
    return texts;
}
