#include "core/common/GameSlot.h"

#include <QTime>

QString minuteText(int minute)
{
    return QStringLiteral("%1:%2").arg(minute / 60, 2, 10, QLatin1Char('0')).arg(minute % 60, 2, 10, QLatin1Char('0'));
}

std::optional<int> readMinuteText(QStringView text)
{
    // QTime reads "H" as one or two digits; it would also take a blank before them, which no time here has.
    if (text.isEmpty() || !text.front().isDigit())
        return std::nullopt;
    const QTime time = QTime::fromString(text.toString(), QStringLiteral("H:mm"));
    if (!time.isValid())
        return std::nullopt;
    return time.hour() * 60 + time.minute();
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
