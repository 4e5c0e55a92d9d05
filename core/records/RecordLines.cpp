#include "core/records/RecordLines.h"

#include <QCoreApplication>
#include <algorithm>
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
    // Read without a list or a locale: every line of a file has its date read.
    const QStringView trimmed = text.trimmed();
    const qsizetype firstDash = trimmed.indexOf(u'-');
    const qsizetype secondDash = firstDash < 0 ? -1 : trimmed.indexOf(u'-', firstDash + 1);
    if (secondDash < 0 || trimmed.indexOf(u'-', secondDash + 1) >= 0)
        return QDate();
    const QStringView day = trimmed.left(firstDash);
    const QStringView month = trimmed.mid(firstDash + 1, secondDash - firstDash - 1);
    const QStringView year = trimmed.mid(secondDash + 1);
    if (day.isEmpty() || day.size() > 2 || year.size() != 4 || month.size() != 3)
        return QDate();
    const auto number = [](QStringView digits) {
        int value = 0;
        for (QChar c : digits) {
            if (!isDigit(c))
                return -1;
            value = value * 10 + (c.unicode() - u'0');
        }
        return value;
    };
    const int dayNumber = number(day);
    const int yearNumber = number(year);
    if (dayNumber < 0 || yearNumber < 0)
        return QDate();
    int monthNumber = 0;
    for (int m = 0; m < 12 && monthNumber == 0; ++m) {
        const char* const abbreviation = kMonthAbbreviations[m];
        // ASCII letters compared by hand; anything else as Qt folds its case.
        bool ascii = true, same = true;
        for (int i = 0; i < 3; ++i) {
            const char16_t c = month[i].unicode();
            ascii = ascii && c < 0x80;
            same = same && (c | 0x20) == (abbreviation[i] | 0x20);
        }
        if (ascii ? same : month.compare(QLatin1String(abbreviation), Qt::CaseInsensitive) == 0)
            monthNumber = m + 1;
    }
    if (monthNumber == 0)
        return QDate();
    return QDate(yearNumber, monthNumber, dayNumber);
}

QDate recordDateOf(QStringView line)
{
    if (line.size() < kRecordDatePosition)
        return QDate();
    const qsizetype colon = line.indexOf(u':', kRecordDatePosition);
    const qsizetype end = colon < 0 ? line.size() : colon;
    return parseRecordDate(line.mid(kRecordDatePosition, end - kRecordDatePosition));
}

RecordLineLayout recordLineLayout(QStringView line)
{
    RecordLineLayout layout;
    layout.isResult = line.startsWith(QLatin1String("R:"));
    layout.isRecordLine = layout.isResult || line.startsWith(QLatin1String("F:"));
    if (!layout.isRecordLine)
        return layout;
    layout.neededFields = layout.isResult ? 6 : 2;
    // One pass for the first colon after the date and the count of them all: every line is checked.
    qsizetype colon = -1;
    for (qsizetype i = kRecordDatePosition; i < line.size(); ++i) {
        if (line[i] != u':')
            continue;
        if (colon < 0)
            colon = i;
        ++layout.fieldsAfterDate;
    }
    layout.dateText = line.mid(kRecordDatePosition, (colon < 0 ? line.size() : colon) - kRecordDatePosition);
    layout.date = parseRecordDate(layout.dateText);
    return layout;
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
    // One pass: the date, then every field but the last up to its colon; the last is the rest.
    const int last = views.fieldCount - 1;
    int next = -1; // the date
    qsizetype begin = kRecordDatePosition;
    for (qsizetype i = kRecordDatePosition; i < line.size() && next < last; ++i) {
        if (line[i] != u':')
            continue;
        (next < 0 ? views.dateText : views.fields[next]) = line.mid(begin, i - begin);
        ++next;
        begin = i + 1;
    }
    if (next != last)
        return std::nullopt;
    views.fields[last] = line.mid(begin);
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

namespace {

// The digits of a whole number: blanks around it and a sign taken off. Empty when there are none.
QStringView wholeNumberDigits(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const QStringView digits
        = !trimmed.isEmpty() && (trimmed.front() == u'-' || trimmed.front() == u'+') ? trimmed.mid(1) : trimmed;
    return std::all_of(digits.begin(), digits.end(), isDigit) ? digits : QStringView();
}

bool isWholeNumber(QStringView text)
{
    return !wholeNumberDigits(text).isEmpty();
}

} // namespace

std::optional<qint16> readScoreField(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return qint16(0);
    const QStringView digits = wholeNumberDigits(trimmed);
    if (digits.isEmpty())
        return std::nullopt;
    int value = 0;
    // Pinned just beyond 16 bits, so that a long run of digits cannot overflow.
    for (const QChar c : digits)
        value = qMin(value * 10 + (c.unicode() - u'0'), 99999);
    if (trimmed.front() == u'-')
        value = -value;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(value);
}

namespace {

// The numbers of a split line: its scores (a result's first four fields) by readScoreField, its team
// numbers by readNumberField. Nothing when one cannot be read or a team plays itself; the reason is
// worded only when `error` asks for it, as display lines are built by the tens of thousands.
std::optional<std::array<qint16, 6>> readFieldNumbers(const FieldViews& fields, QString* error)
{
    std::array<qint16, 6> numbers {};
    const int teamField = fields.fieldCount - 2;
    for (int i = 0; i < fields.fieldCount; ++i) {
        const QStringView text = fields.fields[i];
        const std::optional<qint16> number = i < teamField ? readScoreField(text) : readNumberField(text);
        if (!number) {
            if (error)
                *error = i < teamField && !isWholeNumber(text)
                    ? QCoreApplication::translate("RecordLines", "the score \"%1\" is not a whole number").arg(text)
                    : QCoreApplication::translate("RecordLines", "the number \"%1\" does not fit 16 bits").arg(text);
            return std::nullopt;
        }
        numbers[i] = *number;
    }
    if (numbers[teamField] == numbers[teamField + 1]) {
        if (error)
            *error = QCoreApplication::translate("RecordLines", "team %1 plays itself").arg(numbers[teamField]);
        return std::nullopt;
    }
    return numbers;
}

} // namespace

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
            return fail(QCoreApplication::translate("RecordLines", "the line begins with neither \"F:\" nor \"R:\""));
        const qsizetype fieldCount = QStringView(line).mid(kRecordDatePosition).count(u':');
        return fail(fieldCount > (isResult ? 6 : 2)
                        ? QCoreApplication::translate("RecordLines", "the line has too many fields")
                        : QCoreApplication::translate("RecordLines", "the line has too few fields"));
    }
    const std::optional<std::array<qint16, 6>> numbers = readFieldNumbers(*fields, error);
    if (!numbers)
        return std::nullopt;

    Record record;
    record.isResult = fields->isResult;
    record.dateText = fields->dateText.toString();
    record.date = parseRecordDate(fields->dateText);
    if (record.isResult) {
        record.halfTimeGiven = !fields->fields[0].trimmed().isEmpty() || !fields->fields[1].trimmed().isEmpty();
        record.homeHalfTime = (*numbers)[0];
        record.awayHalfTime = (*numbers)[1];
        record.homeFullTime = (*numbers)[2];
        record.awayFullTime = (*numbers)[3];
        record.home = (*numbers)[4];
        record.away = (*numbers)[5];
    } else {
        record.home = (*numbers)[0];
        record.away = (*numbers)[1];
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

QString completedResultLine(const QString& dateText, const ScoreTexts& scores, const QString& homeNumber,
                            const QString& awayNumber)
{
    return joined({ u"R:", dateText, u":", scores[0], u":", scores[1], u":", scores[2], u":", scores[3], u":",
                    homeNumber, u":", awayNumber });
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
    const QStringView trimmed = QStringView(scoreText).trimmed();
    if (trimmed.isEmpty())
        return QString();
    const bool negative = trimmed.front() == u'-';
    const QStringView digits = negative ? trimmed.mid(1) : trimmed;
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return QCoreApplication::translate("RecordLines", "The score \"%1\" is not a number.").arg(scoreText);
    if (negative)
        return QCoreApplication::translate("RecordLines", "The score \"%1\" is negative: scores run from 0 to 32767.")
            .arg(scoreText);
    if (!readScoreField(digits))
        return QCoreApplication::translate("RecordLines", "The score \"%1\" is too large: scores run from 0 to 32767.")
            .arg(scoreText);
    return QString();
}

QList<ScoreProblem> resultScoreProblems(const ScoreTexts& scores)
{
    QList<ScoreProblem> problems;
    for (int field = 0; field < 4; ++field) {
        const QString reason = scoreTextProblem(scores[field]);
        if (!reason.isEmpty())
            problems.append({ field, reason });
    }
    for (const int halfTime : { 0, 1 }) {
        const int fullTime = halfTime + 2;
        const QString& first = scores[halfTime];
        const QString& last = scores[fullTime];
        if (first.trimmed().isEmpty() || last.trimmed().isEmpty() || !scoreTextProblem(first).isEmpty()
            || !scoreTextProblem(last).isEmpty())
            continue;
        const qint16 half = readScoreField(first).value_or(0);
        const qint16 full = readScoreField(last).value_or(0);
        if (half > full)
            problems.append({ halfTime,
                              QCoreApplication::translate(
                                  "RecordLines", "The %1 half-time score (%2) is more than the full-time score (%3).")
                                  .arg(halfTime == 0 ? u"home" : u"away")
                                  .arg(half)
                                  .arg(full),
                              false });
    }
    return problems;
}

QString scoreRefusal(const ScoreProblem& problem)
{
    static const std::array<const char*, 4> kFieldNames
        = { "home half-time score", "away half-time score", "home full-time score", "away full-time score" };
    if (!problem.ofTheText)
        return problem.reason;
    return QCoreApplication::translate("RecordLines", "The %1 is not valid.\r%2")
        .arg(QLatin1String(kFieldNames[problem.field]), problem.reason);
}

QString teamNameProblem(const QString& name)
{
    if (name.contains(kSeparator))
        return QCoreApplication::translate(
            "RecordLines", "A team name may not contain \"-v-\": it separates the two teams of a fixture.");
    if (name.contains(u'\n') || name.contains(u'\r'))
        return QCoreApplication::translate("RecordLines", "A team name may not hold a line break.");
    return QString();
}

bool sameTeamName(const QString& first, const QString& second)
{
    return first.trimmed().compare(second.trimmed(), Qt::CaseInsensitive) == 0;
}

QString teamNameProblem(const QString& name, const QStringList& teams, const QString& groupCaption, int renamed)
{
    const QString problem = teamNameProblem(name);
    if (!problem.isEmpty())
        return problem;
    for (int team = 0; team < teams.size(); ++team) {
        if (team != renamed && sameTeamName(teams[team], name))
            return QCoreApplication::translate("RecordLines", "There is already a team called \"%1\" in %2.")
                .arg(teams[team], groupCaption);
    }
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
    const std::optional<std::array<qint16, 6>> read = readFieldNumbers(*fields, nullptr);
    if (!read)
        return storedLine;
    const std::array<qint16, 6>& numbers = *read;
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
