#include "core/timetable/SlotText.h"

#include <QCoreApplication>
#include <QDate>

QString slotText(const GameSlot& slot)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(slot.date.toString(Qt::ISODate), minuteText(slot.start), minuteText(slot.end))
        .arg(slot.pitch + 1);
}

std::optional<GameSlot> readSlotText(QStringView text, int pitchCount, QString* error)
{
    const auto refuse = [error](const QString& reason) -> std::optional<GameSlot> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    const QList<QStringView> fields = text.split(u' ');
    if (fields.size() != 4)
        return refuse(QCoreApplication::translate("SlotText", "a slot is a date, a kick-off, an end and a pitch"));
    GameSlot slot;
    slot.date = QDate::fromString(fields[0].toString(), Qt::ISODate);
    const std::optional<int> start = readMinuteText(fields[1]);
    const std::optional<int> end = readMinuteText(fields[2]);
    bool pitchRead = false;
    const int pitch = fields[3].toInt(&pitchRead);
    if (!slot.date.isValid())
        return refuse(QCoreApplication::translate("SlotText", "the date is not written as YYYY-MM-DD"));
    if (!start || !end || *end <= *start)
        return refuse(QCoreApplication::translate("SlotText", "the kick-off and end are not two times, in order"));
    if (!pitchRead || pitch < 1 || pitch > pitchCount)
        return refuse(QCoreApplication::translate("SlotText", "there is no pitch %1").arg(fields[3].toString()));
    slot.start = *start;
    slot.end = *end;
    slot.pitch = pitch - 1;
    return slot;
}
