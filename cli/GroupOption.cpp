#include "cli/GroupOption.h"

std::optional<int> readGroupOption(const QString& text, QString* error)
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber && number >= 1)
        return number;
    *error = QStringLiteral("--group needs a group number from 1, not \"%1\".").arg(text);
    return std::nullopt;
}

QString missingGroup(int number, int groupCount)
{
    if (number <= groupCount)
        return QString();
    return QStringLiteral("group %1 does not exist; the tournament has %2 %3.")
        .arg(number)
        .arg(groupCount)
        .arg(groupCount == 1 ? QStringLiteral("group") : QStringLiteral("groups"));
}
