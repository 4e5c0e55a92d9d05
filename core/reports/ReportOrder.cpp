#include "core/reports/ReportOrder.h"

#include <algorithm>

std::optional<ReportEntry> reportEntryOf(const Record& game, const QStringList& teams)
{
    if (!game.date.isValid())
        return std::nullopt;
    ReportEntry entry;
    entry.date = game.date;
    entry.isResult = game.isResult;
    entry.matchText
        = teamNameOrPlaceholder(teams, game.home) + QStringLiteral("-v-") + teamNameOrPlaceholder(teams, game.away);
    if (game.isResult) {
        entry.halfTime = QString::number(game.homeHalfTime) + u'-' + QString::number(game.awayHalfTime);
        entry.fullTime = QString::number(game.homeFullTime) + u'-' + QString::number(game.awayFullTime);
        entry.text += QStringLiteral(":HT:") + entry.halfTime + QStringLiteral(":FT:") + entry.fullTime;
    }
    entry.text += u':' + entry.matchText;
    entry.asciiText = true;
    for (QChar& c : entry.text) {
        if (c.unicode() >= 0x80)
            entry.asciiText = false;
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() | 0x20);
    }
    return entry;
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
