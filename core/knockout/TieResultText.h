#pragma once

#include "core/knockout/TieResult.h"

#include <QString>
#include <QStringView>
#include <optional>

// The highest number of goals a score can show: more is taken for a typing slip.
constexpr int kMaxTieGoals = 999;

// A game's score as written everywhere a person reads or types it: "2-1", the home team's first.
QString gameScoreText(const GameScore& score);
// "2-1" with numbers from 0 to kMaxTieGoals; nothing for anything else.
std::optional<GameScore> readGameScore(QStringView text);

// A tie's result on one line: each leg's full-time score, then "aet" and the score after extra
// time and "pens" and the shoot-out when they were needed: "1-1 aet 1-1 pens 4-3", "2-0 1-3".
QString tieResultText(const TieResult& result);
// The result such a line holds; nothing, with the reason in `refusal`, for any other text. Whether
// the result decides the tie is not checked here.
std::optional<TieResult> readTieResultText(QStringView text, QString* refusal);
