#include "core/records/GroupRecords.h"

#include "core/common/Limits.h"

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
    , m_display(buildDisplayLines(storedLines, teams))
    , m_adjustments(adjustments)
{ }

bool GroupRecords::isRecordLine(int position) const
{
    if (position < 0 || position >= m_stored.size())
        return false;
    const QString& line = m_stored.at(position);
    return line.startsWith(QLatin1String("F:")) || line.startsWith(QLatin1String("R:"));
}

QStringList GroupRecords::readableDisplayLines() const
{
    QStringList readable;
    readable.reserve(m_display.size());
    for (qsizetype i = 0; i < m_display.size(); ++i) {
        // A line that can be read never shows as it is stored, so most lines need no second reading.
        if (m_display.at(i) != m_stored.at(i) || readRecordLine(m_stored.at(i)))
            readable.append(m_display.at(i));
    }
    return readable;
}

bool GroupRecords::hasResults() const
{
    const QStringList readable = readableDisplayLines();
    return std::any_of(readable.cbegin(), readable.cend(),
                       [](const QString& line) { return line.startsWith(QLatin1String("R:")); });
}

bool GroupRecords::hasMatches() const
{
    return !readableDisplayLines().isEmpty();
}

bool GroupRecords::isFull() const
{
    return m_stored.size() >= kMaxListLines;
}

void GroupRecords::setTeams(const QStringList& teams)
{
    m_teams = teams;
    rebuildDisplayLines();
}

void GroupRecords::appendTeam(const QString& name)
{
    m_teams.append(name);
    rebuildDisplayLines();
}

void GroupRecords::renameTeam(int team, const QString& name)
{
    if (team < 0 || team >= m_teams.size())
        return;
    m_teams[team] = name;
    rebuildDisplayLines();
}

void GroupRecords::setStoredLines(const QStringList& lines)
{
    m_stored = lines;
    rebuildDisplayLines();
}

void GroupRecords::rebuildDisplayLines()
{
    m_display = buildDisplayLines(m_stored, m_teams);
}

void GroupRecords::remove(int position)
{
    if (position < 0 || position >= m_stored.size())
        return;
    m_stored.removeAt(position);
    m_display.removeAt(position);
}

void GroupRecords::insert(int position, const QString& storedLine)
{
    if (position < 0 || position > m_stored.size())
        return;
    m_stored.insert(position, storedLine);
    m_display.insert(position, displayLineFor(storedLine, m_teams));
}

void GroupRecords::replace(int position, const QString& storedLine)
{
    if (position < 0 || position >= m_stored.size())
        return;
    m_stored[position] = storedLine;
    rebuildDisplayLines();
}

QDate GroupRecords::recordDate(int position) const
{
    if (position < 0 || position >= m_stored.size())
        return QDate();
    const QDate shown
        = parseRecordDate(QStringView(m_display.at(position)).mid(kRecordDatePosition, kRecordDateLength));
    if (shown.isValid())
        return shown;
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
