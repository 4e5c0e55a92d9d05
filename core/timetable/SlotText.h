#pragma once

#include "core/common/GameSlot.h"

#include <QString>
#include <optional>

// A slot as the tournament file writes it: "2027-06-12 09:00 09:20 2" (day, kick-off, end, pitch
// counted from 1).
QString slotText(const GameSlot& slot);

// Reads such a text for a timetable of `pitchCount` pitches; nothing, with the reason in `error`,
// for any other text.
std::optional<GameSlot> readSlotText(QStringView text, int pitchCount, QString* error);
