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

std::optional<TournamentData> readTournamentWithGroup(const QString& path, int number, QString* error)
{
    TournamentReadResult read = readTournamentFile(path);
    if (!read.ok()) {
        *error = read.error;
        return std::nullopt;
    }
    const int groupCount = read.data->GroupCount;
    if (number > groupCount) {
        *error = QStringLiteral("group %1 does not exist; the tournament has %2 %3.")
                     .arg(number)
                     .arg(groupCount)
                     .arg(groupCount == 1 ? QStringLiteral("group") : QStringLiteral("groups"));
        return std::nullopt;
    }
    return std::move(read.data);
}

bool openTournamentWithGroup(TournamentDocument& document, const QString& path, int number, QString* error)
{
    const std::optional<TournamentData> read = readTournamentWithGroup(path, number, error);
    if (!read)
        return false;
    document.reset(*read, path);
    return true;
}
