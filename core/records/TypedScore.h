#pragma once

#include <QString>
#include <optional>

// A score typed straight into the results table: two numbers, the home team's first, separated by
// "-", ":" or blanks ("2-1", "2:1", "2 1").
struct TypedScore
{
    QString home;
    QString away;
};
std::optional<TypedScore> readTypedScore(const QString& text);

// The stored line that `storedLine` becomes when `typed` is entered as its full-time score, or as
// its half-time score when `fullTime` is false. A fixture becomes a result, its half-time score
// left blank; every other field stays as stored. Nothing, with the refusal the result editor would
// show in `refusal`, when the text is no score or the scores disagree (half-time above full-time),
// or when the line is no fixture or result that can be read.
std::optional<QString> lineWithTypedScore(const QString& storedLine, const QString& typed, bool fullTime,
                                          QString* refusal);
