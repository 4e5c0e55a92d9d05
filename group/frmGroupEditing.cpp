#include "app/Prompts.h"
#include "group/RecordLines.h"
#include "group/frmCalendar.h"
#include "group/frmEditFixture.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// What the result editor shows of a stored line.
struct EditedItem
{
    QString dateText;
    QString homeNumber;
    QString awayNumber;
    ScoreTexts scores { QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0") };
};

std::optional<EditedItem> itemToEdit(const QString& line, QString* error)
{
    if (const std::optional<Record> record = readRecordLine(line, error)) {
        EditedItem item;
        item.dateText = record->dateText;
        item.homeNumber = QString::number(record->home);
        item.awayNumber = QString::number(record->away);
        if (record->isResult) {
            item.scores = { QString::number(record->homeHalfTime), QString::number(record->awayHalfTime),
                            QString::number(record->homeFullTime), QString::number(record->awayFullTime) };
        }
        return item;
    }

    // A number beyond 16 bits can only come from a file written by something else. Such a field is
    // shown as stored: a score so that the user can correct it (OK refuses it until then), a team
    // number so that the line keeps naming the same team.
    const std::optional<RecordFields> fields = splitRecordLine(line);
    if (!fields)
        return std::nullopt;
    const auto shown = [](const QString& field) {
        const std::optional<qint16> number = readNumberField(field);
        return number ? QString::number(*number) : field;
    };
    EditedItem item;
    item.dateText = fields->dateText;
    const int teamField = fields->isResult ? 4 : 0;
    item.homeNumber = shown(fields->fields.at(teamField));
    item.awayNumber = shown(fields->fields.at(teamField + 1));
    if (fields->isResult) {
        for (int k = 0; k < 4; ++k)
            item.scores[k] = shown(fields->fields.at(k));
    }
    return item;
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

bool isRecordLine(const QString& line)
{
    return line.startsWith(QLatin1String("F:")) || line.startsWith(QLatin1String("R:"));
}

} // namespace

void frmGroup::cmdEditResult_Click()
{
    if (storedLines().isEmpty())
        return;
    const int i = selectedResult();
    if (i < 0 || i >= storedLines().size())
        return;
    const QString line = storedLines().at(i);
    if (!isRecordLine(line))
        return;

    QString error;
    const std::optional<EditedItem> item = itemToEdit(line, &error);
    if (!item) {
        Prompts::refuse(QStringLiteral("This item cannot be edited: %1.").arg(error), QStringLiteral("Edit Result"));
        return;
    }

    const QStringList names = teams();
    frmEditFixture dialog(this);
    dialog.setItem(item->homeNumber, item->awayNumber, teamNameForField(names, item->homeNumber),
                   teamNameForField(names, item->awayNumber), item->scores);
    EditedRecord = QStringLiteral("R:") + item->dateText;
    dialog.exec();

    if (EditedRecord.isEmpty() || i >= storedLines().size())
        return;
    QStringList lines = storedLines();
    lines[i] = EditedRecord;
    setStoredLines(lines);
    RefreshList();
    selectResult(i);
}

void frmGroup::cmdEditDate_Click()
{
    const int i = selectedResult();
    const QStringList display = displayLines();
    if (i < 0 || i >= storedLines().size() || i >= display.size())
        return;
    const QString line = storedLines().at(i);
    if (!isRecordLine(line))
        return;

    // Every line this program writes has its 11-character date end at the colon at index 13. A
    // line from elsewhere with a shorter date keeps all its other fields because the cut is made
    // at that colon rather than at a fixed place.
    qsizetype dateEnd = line.indexOf(u':', kRecordDatePosition);
    if (dateEnd < 0)
        dateEnd = line.size();

    QDate current = parseRecordDate(QStringView(display.at(i)).mid(kRecordDatePosition, kRecordDateLength));
    if (!current.isValid())
        current = parseRecordDate(QStringView(line).mid(kRecordDatePosition, dateEnd - kRecordDatePosition));
    CalendarDate = current.isValid() ? current : QDate::currentDate();

    frmCalendar calendar(this);
    calendar.exec();
    if (CalendarDate == calendarCancelDate() || !CalendarDate.isValid() || i >= storedLines().size())
        return;

    QStringList lines = storedLines();
    lines[i] = line.left(kRecordDatePosition) + formatRecordDate(CalendarDate) + line.mid(dateEnd);
    setStoredLines(lines);
    RefreshList();
    selectResult(i);
    Tournament.Saved = false;
}
