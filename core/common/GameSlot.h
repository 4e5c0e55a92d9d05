#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Times of day are whole minutes from midnight: 09:00 is 540.
struct MinuteSpan
{
    int from = 0;
    int to = 0; // after `from`
    bool contains(int minute) const { return minute >= from && minute < to; }
};

// "09:05" for 545; the text a file, a report and the command line write.
QString minuteText(int minute);
// Reads "9:05" or "09:05" (00:00 to 23:59); nothing for any other text.
std::optional<int> readMinuteText(QStringView text);
// Reads "12:30-13:00"; nothing when either time cannot be read or the span is empty.
std::optional<MinuteSpan> readMinuteSpan(QStringView text);

// When and where one game is played: its day, kick-off and final whistle, and its pitch.
struct GameSlot
{
    QDate date;
    int start = 0; // minutes from midnight
    int end = 0;
    int pitch = 0; // index into the timetable's pitches
};

bool operator==(const GameSlot& a, const GameSlot& b);
inline bool operator!=(const GameSlot& a, const GameSlot& b)
{
    return !(a == b);
}
