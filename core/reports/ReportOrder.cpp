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
    const QString home = teamNameOrPlaceholder(teams, game.home);
    const QString away = teamNameOrPlaceholder(teams, game.away);
    entry.matchText.reserve(home.size() + 3 + away.size());
    entry.matchText += home;
    entry.matchText += QLatin1String("-v-");
    entry.matchText += away;
    entry.text.reserve(entry.matchText.size() + 30); // a slot's 9 characters, and two scores' 4 each
    // Within a day the timed games come first, by kick-off and pitch: " 09:20 02" sorts before ":".
    if (slot) {
        entry.kickOff = minuteText(slot->start);
        entry.pitch = pitchName(pitches, slot->pitch);
        entry.text += u' ' + entry.kickOff + QStringLiteral(" %1").arg(slot->pitch, 2, 10, QLatin1Char('0'));
    }
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

QVector<ReportEntry> sortedReportEntries(const GroupRecords& group, const QStringList& pitches)
{
    QVector<ReportEntry> entries;
    entries.reserve(group.size());
    for (int k = 0; k < group.size(); ++k) {
        const std::optional<Record>& game = group.games().at(k);
        if (!game)
            continue;
        if (std::optional<ReportEntry> entry = reportEntryOf(*game, group.teams(), group.gameSlots().at(k), pitches))
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

qsizetype reportLineCount(const QVector<ReportEntry>& entries, bool resultsOnly)
{
    qsizetype lines = 0;
    QDate previous;
    for (const ReportEntry& entry : entries) {
        if (resultsOnly && !entry.isResult)
            continue;
        if (!previous.isValid() || entry.date > previous) {
            ++lines;
            previous = entry.date;
        }
        ++lines;
    }
    return lines;
}
