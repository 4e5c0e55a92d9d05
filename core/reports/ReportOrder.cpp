#include "core/reports/ReportOrder.h"

#include <algorithm>

std::optional<ReportEntry> reportEntryOf(const Record& game, const QStringList& teams)
{
    if (!game.date.isValid())
        return std::nullopt;
    ReportEntry entry;
    entry.date = game.date;
    entry.isResult = game.isResult;
    const QString home = teamNameOrPlaceholder(teams, game.home);
    const QString away = teamNameOrPlaceholder(teams, game.away);
    entry.matchText.reserve(home.size() + 3 + away.size());
    entry.matchText += home;
    entry.matchText += QLatin1String("-v-");
    entry.matchText += away;
    entry.text.reserve(entry.matchText.size() + 30);
    if (game.isResult) {
        entry.halfTime = QString::number(game.homeHalfTime) + u'-' + QString::number(game.awayHalfTime);
        entry.fullTime = QString::number(game.homeFullTime) + u'-' + QString::number(game.awayFullTime);
        entry.text += QLatin1String(":HT:");
        entry.text += entry.halfTime;
        entry.text += QLatin1String(":FT:");
        entry.text += entry.fullTime;
    }
    entry.text += u':';
    entry.text += entry.matchText;
    entry.asciiText = true;
    for (QChar& c : entry.text) {
        if (c.unicode() >= 0x80)
            entry.asciiText = false;
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() | 0x20);
    }
    return entry;
}

QVector<ReportEntry> sortedReportEntries(const GroupRecords& group)
{
    QVector<ReportEntry> entries;
    entries.reserve(group.size());
    for (const std::optional<Record>& game : group.games()) {
        if (!game)
            continue;
        if (std::optional<ReportEntry> entry = reportEntryOf(*game, group.teams()))
            entries.append(std::move(*entry));
    }
    sortReportEntries(entries);
    return entries;
}

void sortReportEntries(QVector<ReportEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const ReportEntry& a, const ReportEntry& b) {
        if (a.date != b.date)
            return a.date < b.date;
        return QString::compare(a.text, b.text, a.asciiText && b.asciiText ? Qt::CaseSensitive : Qt::CaseInsensitive)
            < 0;
    });
}
