#pragma once

#include <QString>

// How a numbered failure is worded wherever it is reported: "Error 6 - Overflow: ...". The number
// is text where it comes from elsewhere, such as a database engine's own error code.
inline QString failureText(const QString& number, const QString& description)
{
    return QStringLiteral("Error %1 - %2").arg(number, description);
}

inline QString failureText(int number, const QString& description)
{
    return failureText(QString::number(number), description);
}
