#include "core/reports/CalendarExport.h"

#include "core/records/RecordLines.h"
#include "core/reports/KnockoutGames.h"
#include "core/reports/Report.h"

#include <QCryptographicHash>
#include <QHash>
#include <QVector>
#include <algorithm>
#include <libical/ical.h>

namespace {

// A game of the calendar: the group's game, and which meeting of its two teams it is.
struct Game
{
    Record record;
    std::optional<GameSlot> slot;
    int leg = 1;
};

// The group's games that have a date, in date order.
QVector<Game> datedGames(const GroupRecords& group)
{
    QVector<Game> games;
    for (int i = 0; i < group.size(); ++i) {
        const std::optional<Record>& record = group.games().at(i);
        if (record && record->date.isValid())
            games.append({ *record, group.gameSlots().value(i) });
    }
    std::stable_sort(games.begin(), games.end(),
                     [](const Game& a, const Game& b) { return a.record.date < b.record.date; });
    QHash<QPair<int, int>, int> played; // by the pair of teams, whichever is at home
    for (Game& game : games)
        game.leg
            = ++played[qMakePair(qMin(game.record.home, game.record.away), qMax(game.record.home, game.record.away))];
    return games;
}

icaltimetype icalDate(const QDate& date)
{
    icaltimetype day = icaltime_null_date();
    day.year = date.year();
    day.month = date.month();
    day.day = date.day();
    return day;
}

// A time of day without a zone: the calendar shows it as the ground's clock reads, wherever it is.
icaltimetype icalFloatingTime(const QDate& date, int minute)
{
    icaltimetype time = icaltime_null_time();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    time.hour = minute / 60;
    time.minute = minute % 60;
    return time;
}

QByteArray takeText(icalcomponent* component)
{
    char* text = icalcomponent_as_ical_string_r(component);
    QByteArray bytes(text);
    free(text);
    icalcomponent_free(component);
    return bytes;
}

QByteArray takePropertyText(icalproperty* property)
{
    char* text = icalproperty_as_ical_string_r(property);
    QByteArray bytes(text);
    free(text);
    icalproperty_free(property);
    return bytes;
}

// A calendar written an event at a time: each event's properties are made, turned into their text
// and freed, so a group of tens of thousands of games never holds them all as components at once.
// The text is the library's own, as if the whole calendar had been turned into text in one piece;
// a property that many events share (the stamp, the date, the description) is turned into text once.
class CalendarText
{
public:
    // A calendar that will hold about `events` events, so that its text is laid out once.
    explicit CalendarText(qsizetype events)
    {
        icalcomponent* calendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
        icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Veltrix//Tabulon 1.0//EN"));
        icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
        const QByteArray whole = takeText(calendar);
        const qsizetype end = whole.lastIndexOf("END:VCALENDAR");
        m_tail = whole.mid(end);
        m_events.reserve(whole.size() + 260 * events);
        m_events += whole.left(end);
    }

    // An event whose UID comes from `identity`, so that it stays the same game's event whatever the
    // file says about it later: all day on `date`, or with a slot from its kick-off to its end, on
    // the pitch `pitch`.
    void add(const QStringList& identity, const QDateTime& stamp, const QDate& date, const QString& summary,
             const QByteArray& description, const std::optional<GameSlot>& slot = std::nullopt,
             const QString& pitch = QString())
    {
        const QByteArray uid
            = QCryptographicHash::hash(identity.join(u'\n').toUtf8(), QCryptographicHash::Sha1).toHex() + "@tabulon";
        if (m_stampText.isEmpty() || stamp != m_stamp) {
            m_stamp = stamp;
            m_stampText = takePropertyText(icalproperty_new_dtstamp(
                icaltime_from_timet_with_zone(stamp.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone())));
        }
        QByteArray dateText;
        if (slot) {
            dateText = takePropertyText(icalproperty_new_dtstart(icalFloatingTime(slot->date, slot->start)))
                + takePropertyText(icalproperty_new_dtend(icalFloatingTime(slot->date, slot->end)))
                + takePropertyText(icalproperty_new_location(pitch.toUtf8().constData()));
        } else {
            QByteArray& allDay = m_dateTexts[date.toJulianDay()];
            if (allDay.isEmpty())
                allDay = takePropertyText(icalproperty_new_dtstart(icalDate(date)));
            dateText = allDay;
        }
        QByteArray& descriptionText = m_descriptionTexts[description];
        if (descriptionText.isEmpty())
            descriptionText = takePropertyText(icalproperty_new_description(description.constData()));
        // As icalcomponent_as_ical_string_r writes a component: its kind, its properties in the
        // order they were added, the end of its kind.
        m_events += "BEGIN:VEVENT\r\n";
        m_events += takePropertyText(icalproperty_new_uid(uid.constData()));
        m_events += m_stampText;
        m_events += dateText;
        m_events += takePropertyText(icalproperty_new_summary(summary.toUtf8().constData()));
        m_events += descriptionText;
        m_events += "END:VEVENT\r\n";
        ++m_count;
    }

    // The calendar's text: its head, every event added, its end.
    Calendar finished()
    {
        m_events += m_tail;
        return { std::move(m_events), m_count };
    }

private:
    QByteArray m_events; // the calendar's head and then its events
    QByteArray m_tail;
    int m_count = 0;
    QDateTime m_stamp;
    QByteArray m_stampText;
    QHash<qint64, QByteArray> m_dateTexts;
    QHash<QByteArray, QByteArray> m_descriptionTexts;
};

} // namespace

Calendar buildCalendar(const CalendarRequest& request, const QDateTime& stamp)
{
    const QString shortTitle = shortTitleOf(request.title);
    const QVector<Game> games = datedGames(request.group);
    CalendarText calendar(request.team.isEmpty() ? games.size() : 0);
    const QByteArray description = (request.groupCaption + u'\n' + shortTitle).toUtf8();
    for (const Game& game : games) {
        const QString home = teamNameOrPlaceholder(request.group.teams(), game.record.home);
        const QString away = teamNameOrPlaceholder(request.group.teams(), game.record.away);
        if (!request.team.isEmpty() && home != request.team && away != request.team)
            continue;
        const QString summary = game.record.isResult
            ? QStringLiteral("%1 %2-%3 %4")
                  .arg(home, QString::number(game.record.homeFullTime), QString::number(game.record.awayFullTime), away)
            : QStringLiteral("%1 v %2").arg(home, away);
        calendar.add({ request.title, QString::number(request.groupNumber), home, away, QString::number(game.leg) },
                     stamp, game.record.date, summary, description, game.slot,
                     game.slot ? pitchName(request.pitches, game.slot->pitch) : QString());
    }
    return calendar.finished();
}

Calendar buildKnockoutCalendar(const QString& title, const KnockoutStage& stage, const QDateTime& stamp,
                               const std::optional<Timetable>& timetable)
{
    const QString shortTitle = shortTitleOf(title);
    const QVector<KnockoutGame> games = knockoutGames(stage);
    CalendarText calendar(games.size());
    for (const KnockoutGame& game : games) {
        const std::optional<KnockoutSlot> planned
            = timetable ? timetable->knockoutSlot(game.code, game.leg) : std::nullopt;
        if (game.bye || (!game.date.isValid() && !planned))
            continue;
        const QString summary = game.fullTime
            ? QStringLiteral("%1 %2 %3").arg(game.homeName, finalScoreText(game), game.awayName)
                + (game.extraTime ? QStringLiteral(" (%1)").arg(scoreMarks(game).join(QStringLiteral(", ")))
                                  : QString())
            : QStringLiteral("%1 v %2").arg(game.homeName, game.awayName);
        const QString tie
            = game.legs == 2 ? QStringLiteral("%1, leg %2").arg(game.tie, QString::number(game.leg)) : game.tie;
        // The tie and leg name the game, whoever turns out to play it, so that "Winner QF1 v Winner
        // QF2" becomes the semi-final between the two winners in a calendar that reads the file again.
        calendar.add({ title, QStringLiteral("knockout"), game.code, QString::number(game.leg) }, stamp, game.date,
                     summary, (tie + u'\n' + shortTitle).toUtf8(),
                     planned ? std::optional<GameSlot>(planned->slot) : std::nullopt,
                     planned ? pitchName(timetable->settings.pitches, planned->slot.pitch) : QString());
    }
    return calendar.finished();
}
