#include "core/reports/ReportOrder.h"

#include "core/timetable/Timetable.h"

#include <algorithm>

std::optional<ReportEntry> reportEntryOf(const Record& game, const QStringList& teams,
                                         const std::optional<GameSlot>& slot, const QStringList& pitches)
{
    if (!game.date.isValid())
        return std::nullopt;
    ReportEntry entry;
    entry.date = game.date;
    entry.isResult = game.isResult;
    entry.matchText
        = teamNameOrPlaceholder(teams, game.home) + QStringLiteral("-v-") + teamNameOrPlaceholder(teams, game.away);
    entry.text = game.date.toString(QStringLiteral("yyyy-MM-dd"));
    if (slot) {
        entry.kickOff = minuteText(slot->start);
        entry.pitch = pitchName(pitches, slot->pitch);
        entry.text += u' ' + entry.kickOff + QStringLiteral(" %1").arg(slot->pitch, 2, 10, QLatin1Char('0'));
    }
    if (game.isResult) {
        entry.halfTime = QString::number(game.homeHalfTime) + u'-' + QString::number(game.awayHalfTime);
        entry.fullTime = QString::number(game.homeFullTime) + u'-' + QString::number(game.awayFullTime);
        entry.text += QStringLiteral(":HT:") + entry.halfTime + QStringLiteral(":FT:") + entry.fullTime;
    }
    entry.text += u':' + entry.matchText;
    return entry;
}

void sortReportEntries(QVector<ReportEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const ReportEntry& a, const ReportEntry& b) {
        return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
    });
}
