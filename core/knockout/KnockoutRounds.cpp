#include "KnockoutRounds.h"

#include <QCoreApplication>
#include <QRegularExpression>

int bracketSize(int entrants)
{
    if (entrants < kMinimumEntrants || entrants > kMaximumEntrants)
        return 0;
    int size = kMinimumEntrants;
    while (size < entrants)
        size *= 2;
    return size;
}

QString roundName(int roundSize)
{
    switch (roundSize) {
    case 2:
        return QStringLiteral("Final");
    case 4:
        return QStringLiteral("Semi-finals");
    case 8:
        return QStringLiteral("Quarter-finals");
    default:
        return QStringLiteral("Round of %1").arg(roundSize);
    }
}

QString tieCode(const TieId& tie)
{
    if (tie.thirdPlace)
        return QStringLiteral("3P");
    switch (tie.roundSize) {
    case 2:
        return QStringLiteral("F");
    case 4:
        return QStringLiteral("SF%1").arg(tie.number);
    case 8:
        return QStringLiteral("QF%1").arg(tie.number);
    default:
        return QStringLiteral("R%1-%2").arg(tie.roundSize).arg(tie.number);
    }
}

std::optional<TieId> readTieCode(const QString& code)
{
    if (code == QLatin1String("3P"))
        return TieId { 2, 1, true };
    if (code == QLatin1String("F"))
        return TieId { 2, 1, false };
    static const QRegularExpression pattern(QStringLiteral("^(?:(SF|QF)|R(16|32|64)-)([1-9][0-9]?)$"));
    const QRegularExpressionMatch match = pattern.match(code);
    if (!match.hasMatch())
        return std::nullopt;
    const int roundSize = match.captured(1) == QLatin1String("SF") ? 4
        : match.captured(1) == QLatin1String("QF")                 ? 8
                                                                   : match.captured(2).toInt();
    const int number = match.captured(3).toInt();
    if (number > roundSize / 2)
        return std::nullopt;
    return TieId { roundSize, number, false };
}

QString tieName(const TieId& tie)
{
    if (tie.thirdPlace)
        return QStringLiteral("Third-place match");
    switch (tie.roundSize) {
    case 2:
        return QStringLiteral("Final");
    case 4:
        return QStringLiteral("Semi-final %1").arg(tie.number);
    case 8:
        return QStringLiteral("Quarter-final %1").arg(tie.number);
    default:
        return QStringLiteral("%1, tie %2").arg(roundName(tie.roundSize)).arg(tie.number);
    }
}

QString shownRoundName(int roundSize)
{
    switch (roundSize) {
    case 2:
        return QCoreApplication::translate("KnockoutRounds", "Final");
    case 4:
        return QCoreApplication::translate("KnockoutRounds", "Semi-finals");
    case 8:
        return QCoreApplication::translate("KnockoutRounds", "Quarter-finals");
    default:
        return QCoreApplication::translate("KnockoutRounds", "Round of %1").arg(roundSize);
    }
}

QString shownTieName(const TieId& tie)
{
    if (tie.thirdPlace)
        return QCoreApplication::translate("KnockoutRounds", "Third-place match");
    switch (tie.roundSize) {
    case 2:
        return QCoreApplication::translate("KnockoutRounds", "Final");
    case 4:
        return QCoreApplication::translate("KnockoutRounds", "Semi-final %1").arg(tie.number);
    case 8:
        return QCoreApplication::translate("KnockoutRounds", "Quarter-final %1").arg(tie.number);
    default:
        return QCoreApplication::translate("KnockoutRounds", "%1, tie %2")
            .arg(shownRoundName(tie.roundSize))
            .arg(tie.number);
    }
}
