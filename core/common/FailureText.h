#pragma once

#include <QCoreApplication>
#include <QString>

// The numbers of the program's own failures, as its messages have always given them.
constexpr int kGroupNumberFailure = 9;    // a window's group number outside the tournament
constexpr int kNoGroupWindowFailure = 91; // a command for one group with no group window active

// How a numbered failure is worded wherever it is reported: "Error 6 - Overflow: ...". The number
// is text where it comes from elsewhere, such as a database engine's own error code.
inline QString failureText(const QString& number, const QString& description)
{
    return QCoreApplication::translate("FailureText", "Error %1 - %2").arg(number, description);
}

inline QString failureText(int number, const QString& description)
{
    return failureText(QString::number(number), description);
}
