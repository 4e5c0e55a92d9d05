#include "core/records/GroupRecords.h"

#include "core/common/Limits.h"

#include <QHash>
#include <QMultiHash>
#include <QPair>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Where the date of a stored line ends: at the first ":" after it, or at the end of the line.
qsizetype dateEnd(const QString& line)
{
    const qsizetype colon = line.indexOf(u':', kRecordDatePosition);
    return colon < 0 ? line.size() : colon;
}

// A field as the editor shows it: the whole number it reads as, or as stored when it cannot be read.
QString shownNumber(const QString& field, std::optional<qint16> (*read)(QStringView))
{
    const std::optional<qint16> number = read(field);
    return number ? QString::number(*number) : field;
}

// The name for a team number field; a number outside the team list shows a placeholder.
QString teamNameForField(const QStringList& teams, const QString& field)
{
    if (const std::optional<qint16> number = readNumberField(field))
        return teamNameOrPlaceholder(teams, *number);
    const double value = leadingNumericValue(field);
    const int number
        = std::isfinite(value) ? static_cast<int>(std::clamp(value, double(INT_MIN), double(INT_MAX))) : INT_MIN;
    return teamNameOrPlaceholder(teams, number);
}

} // namespace

GroupRecords::GroupRecords(const QStringList& teams, const QStringList& storedLines,
                           const PointsAdjustments& adjustments)
    : m_teams(teams)
    , m_stored(storedLines)
    , m_slots(storedLines.size())
    , m_adjustments(adjustments)
{
    readGames();
}

GroupRecords::GroupRecords(const QStringList& teams, const QStringList& storedLines,
                           const QVector<std::optional<Record>>& games, const PointsAdjustments& adjustments,
                           const QVector<std::optional<GameSlot>>& gameSlots)
    : m_teams(teams)
    , m_stored(storedLines)
    , m_games(games)
    , m_adjustments(adjustments)
{
    if (m_games.size() != m_stored.size())
        readGames();
    setGameSlots(gameSlots);
}

bool GroupRecords::hasSlots() const
{
    return std::any_of(m_slots.cbegin(), m_slots.cend(),
                       [](const std::optional<GameSlot>& slot) { return slot.has_value(); });
}

void GroupRecords::setSlot(int position, const std::optional<GameSlot>& slot)
{
    if (position >= 0 && position < m_slots.size())
        m_slots[position] = slot;
}

void GroupRecords::setGameSlots(const QVector<std::optional<GameSlot>>& gameSlots)
{
    m_slots = gameSlots.size() == m_stored.size() ? gameSlots : QVector<std::optional<GameSlot>>(m_stored.size());
}

void GroupRecords::readGames()
{
    m_games.clear();
    m_games.reserve(m_stored.size());
    for (const QString& line : std::as_const(m_stored))
        m_games.append(readRecordLine(line));
}

GroupRecords::LineCounts GroupRecords::lineCounts() const
{
    LineCounts counts;
    for (const QString& line : m_stored) {
        counts.fixtures += line.startsWith(QLatin1String("F:"));
        counts.results += line.startsWith(QLatin1String("R:"));
    }
    return counts;
}

QString GroupRecords::displayLine(int position) const
{
    return displayLineFor(m_stored.at(position), m_teams);
}

QStringList GroupRecords::displayLines() const
{
    return buildDisplayLines(m_stored, m_teams);
}

int GroupRecords::unreadableResultLines() const
{
    int count = 0;
    for (qsizetype i = 0; i < m_stored.size(); ++i)
        count += !m_games.at(i) && m_stored.at(i).startsWith(QLatin1String("R:"));
    return count;
}

bool GroupRecords::isRecordLine(int position) const
{
    if (position < 0 || position >= m_stored.size())
        return false;
    const QString& line = m_stored.at(position);
    return line.startsWith(QLatin1String("F:")) || line.startsWith(QLatin1String("R:"));
}

bool GroupRecords::hasResults() const
{
    return std::any_of(m_games.cbegin(), m_games.cend(),
                       [](const std::optional<Record>& game) { return game && game->isResult; });
}

bool GroupRecords::hasMatches() const
{
    return std::any_of(m_games.cbegin(), m_games.cend(),
                       [](const std::optional<Record>& game) { return game.has_value(); });
}

bool GroupRecords::isFull() const
{
    return m_stored.size() >= kMaxListLines;
}

void GroupRecords::setTeams(const QStringList& teams)
{
    m_teams = teams;
}

void GroupRecords::appendTeam(const QString& name)
{
    m_teams.append(name);
}

void GroupRecords::renameTeam(int team, const QString& name)
{
    if (team < 0 || team >= m_teams.size())
        return;
    m_teams[team] = name;
}

void GroupRecords::setStoredLines(const QStringList& lines)
{
    // Slots still to be taken, by the game's two teams, in list order.
    QMultiHash<QPair<int, int>, GameSlot> waiting;
    for (qsizetype i = m_slots.size() - 1; i >= 0; --i) {
        if (m_slots.at(i) && m_games.at(i))
            waiting.insert({ m_games.at(i)->home, m_games.at(i)->away }, *m_slots.at(i));
    }
    m_stored = lines;
    readGames();
    m_slots = QVector<std::optional<GameSlot>>(m_stored.size());
    if (waiting.isEmpty())
        return;
    for (qsizetype i = 0; i < m_games.size(); ++i) {
        if (!m_games.at(i))
            continue;
        const auto found = waiting.find({ m_games.at(i)->home, m_games.at(i)->away });
        if (found != waiting.end()) {
            m_slots[i] = found.value();
            waiting.erase(found);
        }
    }
}

void GroupRecords::remove(int position)
{
    if (position < 0 || position >= m_stored.size())
        return;
    m_stored.removeAt(position);
    m_games.removeAt(position);
    m_slots.removeAt(position);
}

void GroupRecords::insert(int position, const QString& storedLine, const std::optional<GameSlot>& slot)
{
    if (position < 0 || position > m_stored.size())
        return;
    m_stored.insert(position, storedLine);
    m_games.insert(position, readRecordLine(storedLine));
    m_slots.insert(position, slot);
}

void GroupRecords::replace(int position, const QString& storedLine)
{
    if (position < 0 || position >= m_stored.size())
        return;
    m_stored[position] = storedLine;
    m_games[position] = readRecordLine(storedLine);
}

QDate GroupRecords::recordDate(int position) const
{
    if (position < 0 || position >= m_stored.size())
        return QDate();
    if (const std::optional<Record>& game = m_games.at(position))
        return game->date;
    return recordDateOf(m_stored.at(position));
}

bool GroupRecords::redate(int position, const QDate& date)
{
    if (!isRecordLine(position))
        return false;
    const QString& line = m_stored.at(position);
    replace(position, line.left(kRecordDatePosition) + formatRecordDate(date) + line.mid(dateEnd(line)));
    return true;
}

std::optional<GroupRecords::ResultEdit> GroupRecords::resultEdit(int position, QString* error) const
{
    if (!isRecordLine(position))
        return std::nullopt;
    const QString& line = m_stored.at(position);
    const std::optional<RecordFields> fields = splitRecordLine(line);
    if (!fields) {
        readRecordLine(line, error); // says why
        return std::nullopt;
    }
    ResultEdit edit;
    edit.dateText = fields->dateText;
    const int teamField = fields->isResult ? 4 : 0;
    edit.homeNumber = shownNumber(fields->fields.at(teamField), readNumberField);
    edit.awayNumber = shownNumber(fields->fields.at(teamField + 1), readNumberField);
    if (fields->isResult) {
        for (int k = 0; k < 4; ++k)
            edit.scores[k] = shownNumber(fields->fields.at(k), readScoreField);
    }
    edit.homeName = teamNameForField(m_teams, edit.homeNumber);
    edit.awayName = teamNameForField(m_teams, edit.awayNumber);
    return edit;
}
