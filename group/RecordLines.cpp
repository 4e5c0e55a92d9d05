#include "group/RecordLines.h"

#include <cmath>
#include <initializer_list>
#include <limits>

namespace {

const std::array<const char*, 12> kMonthAbbreviations
    = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

const QString kSeparator = QStringLiteral("-v-");

} // namespace

QString formatRecordDate(const QDate& date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1-%2-%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(kMonthAbbreviations[date.month() - 1]))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QDate earliestRecordDate()
{
    return QDate(100, 1, 1);
}

QDate latestRecordDate()
{
    return QDate(9999, 12, 31);
}

QDate parseRecordDate(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const auto parts = trimmed.split(u'-');
    if (parts.size() != 3)
        return QDate();
    const QStringView day = parts[0];
    const QStringView month = parts[1];
    const QStringView year = parts[2];
    if (day.isEmpty() || day.size() > 2 || year.size() != 4 || month.size() != 3)
        return QDate();
    for (QChar c : day)
        if (!isDigit(c))
            return QDate();
    for (QChar c : year)
        if (!isDigit(c))
            return QDate();
    int monthNumber = 0;
    for (int m = 0; m < 12; ++m) {
        if (month.compare(QLatin1String(kMonthAbbreviations[m]), Qt::CaseInsensitive) == 0) {
            monthNumber = m + 1;
            break;
        }
    }
    if (monthNumber == 0)
        return QDate();
    return QDate(year.toInt(), monthNumber, day.toInt());
}

QDate recordDateOf(QStringView line)
{
    if (line.size() < kRecordDatePosition)
        return QDate();
    const qsizetype colon = line.indexOf(u':', kRecordDatePosition);
    const qsizetype end = colon < 0 ? line.size() : colon;
    return parseRecordDate(line.mid(kRecordDatePosition, end - kRecordDatePosition));
}

bool beginsWithNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    if (i < text.size() && text[i] == u'.')
        ++i;
    return i < text.size() && isDigit(text[i]);
}

double leadingNumericValue(QStringView text)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && isBlank(text[i]))
        ++i;
    const qsizetype start = i;
    bool negative = false;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype digitsStart = i;
    qint64 whole = 0;
    while (i < size && isDigit(text[i])) {
        if (i - digitsStart < 15)
            whole = whole * 10 + (text[i].unicode() - u'0');
        ++i;
    }
    bool anyDigit = i > digitsStart;
    // Nearly every field is a short run of digits: read it without converting through text.
    if (anyDigit && i - digitsStart <= 15 && (i == size || (text[i] != u'.' && text[i] != u'e' && text[i] != u'E')))
        return double(negative ? -whole : whole);
    if (i < size && text[i] == u'.') {
        ++i;
        const qsizetype fractionStart = i;
        while (i < size && isDigit(text[i]))
            ++i;
        anyDigit = anyDigit || i > fractionStart;
    }
    if (!anyDigit)
        return 0.0;
    qsizetype end = i;
    if (i < size && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < size && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype exponentStart = j;
        while (j < size && isDigit(text[j]))
            ++j;
        if (j > exponentStart)
            end = j;
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toString().toDouble(&ok);
    // An overflow answers infinity with ok false: keep it, so that the caller sees a number far
    // too large rather than a harmless 0.
    return ok || std::isinf(value) ? value : 0.0;
}

std::optional<qint16> readNumberField(QStringView text)
{
    const double value = leadingNumericValue(text);
    if (!std::isfinite(value))
        return std::nullopt;
    // rint rounds halves to the even neighbour in the default rounding mode: 2.5 -> 2, 3.5 -> 4.
    const double whole = std::rint(value);
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(whole);
}

namespace {

// The fields of a stored line as views into it, so that reading a line copies no text.
struct FieldViews
{
    bool isResult = false;
    QStringView dateText;
    std::array<QStringView, 6> fields;
    int fieldCount = 0;
};

std::optional<FieldViews> splitIntoViews(QStringView line)
{
    FieldViews views;
    if (line.startsWith(QLatin1String("R:")))
        views.isResult = true;
    else if (!line.startsWith(QLatin1String("F:")))
        return std::nullopt;

    views.fieldCount = views.isResult ? 6 : 2;
    qsizetype colon = line.indexOf(u':', kRecordDatePosition);
    if (colon < 0)
        return std::nullopt;
    views.dateText = line.mid(kRecordDatePosition, colon - kRecordDatePosition);
    for (int field = 0; field < views.fieldCount; ++field) {
        const qsizetype start = colon + 1;
        const bool last = field == views.fieldCount - 1;
        colon = last ? line.size() : line.indexOf(u':', start);
        if (colon < 0)
            return std::nullopt;
        views.fields[field] = line.mid(start, colon - start);
    }
    // A ":" typed into a score by an older edition shifts every field after it: such a line
    // cannot be read, rather than be read as naming other teams.
    if (views.fields[views.fieldCount - 1].contains(u':'))
        return std::nullopt;
    return views;
}

} // namespace

std::optional<RecordFields> splitRecordLine(const QString& line)
{
    const std::optional<FieldViews> views = splitIntoViews(line);
    if (!views)
        return std::nullopt;
    RecordFields record;
    record.isResult = views->isResult;
    record.dateText = views->dateText.toString();
    for (int field = 0; field < views->fieldCount; ++field)
        record.fields.append(views->fields[field].toString());
    return record;
}

std::optional<Record> readRecordLine(const QString& line, QString* error)
{
    const auto fail = [error](const QString& reason) -> std::optional<Record> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    const std::optional<FieldViews> fields = splitIntoViews(line);
    if (!fields) {
        const bool isResult = line.startsWith(QLatin1String("R:"));
        if (!isResult && !line.startsWith(QLatin1String("F:")))
            return fail(QStringLiteral("the line begins with neither \"F:\" nor \"R:\""));
        const qsizetype fieldCount = QStringView(line).mid(kRecordDatePosition).count(u':');
        return fail(fieldCount > (isResult ? 6 : 2) ? QStringLiteral("the line has too many fields")
                                                    : QStringLiteral("the line has too few fields"));
    }

    std::array<qint16, 6> numbers {};
    for (int i = 0; i < fields->fieldCount; ++i) {
        const std::optional<qint16> number = readNumberField(fields->fields[i]);
        if (!number)
            return fail(QStringLiteral("the number \"%1\" does not fit 16 bits").arg(fields->fields[i]));
        numbers[i] = *number;
    }

    Record record;
    record.isResult = fields->isResult;
    record.dateText = fields->dateText.toString();
    if (record.isResult) {
        record.homeHalfTime = numbers[0];
        record.awayHalfTime = numbers[1];
        record.homeFullTime = numbers[2];
        record.awayFullTime = numbers[3];
        record.home = numbers[4];
        record.away = numbers[5];
    } else {
        record.home = numbers[0];
        record.away = numbers[1];
    }
    return record;
}

namespace {

// One allocation per line: display lines are rebuilt by the tens of thousands.
QString joined(std::initializer_list<QStringView> parts)
{
    qsizetype size = 0;
    for (QStringView part : parts)
        size += part.size();
    QString text;
    text.reserve(size);
    for (QStringView part : parts)
        text.append(part);
    return text;
}

// The decimal digits of a 16-bit number, written into `buffer` without allocating.
QStringView decimal(int value, std::array<char16_t, 8>& buffer)
{
    qsizetype start = buffer.size();
    unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
    do {
        buffer[--start] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0 && start > 1);
    if (value < 0)
        buffer[--start] = u'-';
    return QStringView(buffer.data() + start, buffer.size() - start);
}

} // namespace

QString fixtureStoredLine(const QString& dateText, int home, int away)
{
    std::array<char16_t, 8> homeDigits, awayDigits;
    return joined({ u"F:", dateText, u":", decimal(home, homeDigits), u":", decimal(away, awayDigits) });
}

QString resultStoredLine(const QString& dateText, const ScoreTexts& scores, int home, int away)
{
    std::array<char16_t, 8> homeDigits, awayDigits;
    return joined({ u"R:", dateText, u":", scores[0], u":", scores[1], u":", scores[2], u":", scores[3], u":",
                    decimal(home, homeDigits), u":", decimal(away, awayDigits) });
}

QString completedResultLine(const QString& lineStart, const ScoreTexts& scores, const QString& homeNumber,
                            const QString& awayNumber)
{
    return joined({ lineStart, u":", scores[0], u":", scores[1], u":", scores[2], u":", scores[3], u":", homeNumber,
                    u":", awayNumber });
}

QString fixtureDisplayLine(const QString& dateText, const QString& homeName, const QString& awayName)
{
    return joined({ u"F:", dateText, u":", homeName, kSeparator, awayName });
}

QString resultDisplayLine(const QString& dateText, const ScoreTexts& scores, const QString& homeName,
                          const QString& awayName)
{
    return joined({ u"R:", dateText, u":HT:", scores[0], u"-", scores[1], u":FT:", scores[2], u"-", scores[3], u":",
                    homeName, kSeparator, awayName });
}

QString scoreTextProblem(const QString& scoreText)
{
    if (scoreText.contains(u':'))
        return QStringLiteral("A score may not contain \":\".");
    if (!scoreText.trimmed().isEmpty() && !beginsWithNumber(scoreText))
        return QStringLiteral("The score \"%1\" is not a number.").arg(scoreText);
    if (!readNumberField(scoreText))
        return QStringLiteral("The score \"%1\" is too large: scores run from -32768 to 32767.").arg(scoreText);
    return QString();
}

QString scoreRefusal(const QString& fieldName, const QString& problem)
{
    return QStringLiteral("The %1 is not valid.\r%2").arg(fieldName.toLower(), problem);
}

QString teamNameProblem(const QString& name)
{
    if (name.contains(kSeparator))
        return QStringLiteral("A team name may not contain \"-v-\": it separates the two teams of a fixture.");
    return QString();
}

QString teamNameOrPlaceholder(const QStringList& teams, int number)
{
    if (number >= 0 && number < teams.size())
        return teams.at(number);
    return QStringLiteral("<no team %1>").arg(number);
}

QString displayLineFor(const QString& storedLine, const QStringList& teams)
{
    // The same reading as readRecordLine, on views of the line, for speed.
    const std::optional<FieldViews> fields = splitIntoViews(storedLine);
    if (!fields)
        return storedLine;
    std::array<qint16, 6> numbers {};
    for (int i = 0; i < fields->fieldCount; ++i) {
        const std::optional<qint16> number = readNumberField(fields->fields[i]);
        if (!number)
            return storedLine;
        numbers[i] = *number;
    }
    const QStringView date = fields->dateText.trimmed();
    const int teamField = fields->fieldCount - 2;
    const QString home = teamNameOrPlaceholder(teams, numbers[teamField]);
    const QString away = teamNameOrPlaceholder(teams, numbers[teamField + 1]);
    if (!fields->isResult)
        return joined({ u"F:", date, u":", home, kSeparator, away });
    std::array<std::array<char16_t, 8>, 4> digits;
    return joined({ u"R:", date, u":HT:", decimal(numbers[0], digits[0]), u"-", decimal(numbers[1], digits[1]), u":FT:",
                    decimal(numbers[2], digits[2]), u"-", decimal(numbers[3], digits[3]), u":", home, kSeparator,
                    away });
}

QStringList buildDisplayLines(const QStringList& storedLines, const QStringList& teams)
{
    QStringList display;
    display.reserve(storedLines.size());
    for (const QString& line : storedLines)
        display.append(displayLineFor(line, teams));
    return display;
}
