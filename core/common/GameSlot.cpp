#include "core/common/GameSlot.h"

#include <QRegularExpression>

QString minuteText(int minute)
{
    return QStringLiteral("%1:%2").arg(minute / 60, 2, 10, QLatin1Char('0')).arg(minute % 60, 2, 10, QLatin1Char('0'));
}

std::optional<int> readMinuteText(QStringView text)
{
    static const QRegularExpression time(QStringLiteral("^([01]?[0-9]|2[0-3]):([0-5][0-9])$"));
    const QRegularExpressionMatch match = time.match(text.trimmed().toString());
    if (!match.hasMatch())
        return std::nullopt;
    return match.capturedView(1).toInt() * 60 + match.capturedView(2).toInt();
}

std::optional<MinuteSpan> readMinuteSpan(QStringView text)
{
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0)
        return std::nullopt;
    const std::optional<int> from = readMinuteText(text.left(dash));
    const std::optional<int> to = readMinuteText(text.mid(dash + 1));
    if (!from || !to || *to <= *from)
        return std::nullopt;
    return MinuteSpan { *from, *to };
}

bool operator==(const GameSlot& a, const GameSlot& b)
{
    return a.date == b.date && a.start == b.start && a.end == b.end && a.pitch == b.pitch;
}
