#include "group/ResultImport.h"

#include "fixtures/FixtureSort.h"
#include "group/CsvRows.h"
#include "group/RecordLines.h"
#include "model/FailureText.h"
#include "model/Limits.h"

#include <QCollator>
#include <QLocale>
#include <array>

namespace {

enum Column { Date, Home, Away, HomeHalfTime, AwayHalfTime, HomeFullTime, AwayFullTime, ColumnCount };
const std::array<QString, ColumnCount> kColumnNames
    = { QStringLiteral("date"),    QStringLiteral("home"),    QStringLiteral("away"),   QStringLiteral("home_ht"),
        QStringLiteral("away_ht"), QStringLiteral("home_ft"), QStringLiteral("away_ft") };
constexpr int kProblemsShown = 10;

// The rows under the header, and where each named column stands in them (-1: absent).
struct Sheet
{
    QList<CsvRow> rows;
    std::array<int, ColumnCount> index {};

    QString cell(const CsvRow& row, Column column) const { return row.cells.value(index[column]).trimmed(); }
};

std::optional<Sheet> readSheet(const QByteArray& csv, QList<ImportProblem>* problems)
{
    CsvReading reading = readCsv(csv);
    if (!reading.ok()) {
        problems->append({ 0, QString(), reading.error });
        return std::nullopt;
    }
    if (reading.rows.isEmpty()) {
        problems->append(
            { 1, QString(), QStringLiteral("The file is empty; it needs a header row naming its columns.") });
        return std::nullopt;
    }
    Sheet sheet;
    sheet.index.fill(-1);
    const CsvRow header = reading.rows.takeFirst();
    for (int position = 0; position < header.cells.size(); ++position) {
        const QString name = header.cells[position].trimmed().toLower();
        for (int column = 0; column < ColumnCount; ++column) {
            if (name != kColumnNames[column])
                continue;
            if (sheet.index[column] >= 0)
                problems->append({ header.line, name, QStringLiteral("The header names this column twice.") });
            sheet.index[column] = position;
        }
    }
    for (const Column column : { Date, Home, Away })
        if (sheet.index[column] < 0)
            problems->append({ header.line, kColumnNames[column], QStringLiteral("The header names no such column.") });
    if (!problems->isEmpty())
        return std::nullopt;
    sheet.rows = reading.rows;
    return sheet;
}

QDate readImportDate(const QString& text)
{
    const QDate date = parseRecordDate(text);
    return date.isValid() ? date : QDate::fromString(text, Qt::ISODate);
}

// The team's number, or the reason it has none.
int teamNumber(const QStringList& teams, const QString& name, QString* reason)
{
    int found = -1;
    for (int team = 0; team < teams.size(); ++team) {
        if (teams[team].trimmed() != name)
            continue;
        if (found >= 0) {
            *reason = QStringLiteral("\"%1\" names more than one team of the group.").arg(name);
            return -1;
        }
        found = team;
    }
    if (found < 0)
        *reason = name.isEmpty() ? QStringLiteral("No team is named.")
                                 : QStringLiteral("\"%1\" is not a team of the group.").arg(name);
    return found;
}

} // namespace

ResultImport readResultImport(const QByteArray& csv, const QStringList& teams, int existingLines)
{
    ResultImport import;
    const std::optional<Sheet> sheet = readSheet(csv, &import.problems);
    if (!sheet)
        return import;
    for (const CsvRow& row : sheet->rows) {
        QList<ImportProblem> problems;
        const auto refuse = [&](Column column, const QString& reason) {
            problems.append({ row.line, kColumnNames[column], reason });
        };

        const QString dateText = sheet->cell(row, Date);
        const QDate date = readImportDate(dateText);
        if (!date.isValid())
            refuse(Date,
                   dateText.isEmpty()
                       ? QStringLiteral("No date is given.")
                       : QStringLiteral("\"%1\" is not a date (dd-mmm-yyyy or yyyy-mm-dd).").arg(dateText));
        else if (date < earliestRecordDate() || date > latestRecordDate())
            refuse(Date,
                   QStringLiteral("%1 lies outside %2 to %3.")
                       .arg(dateText, formatRecordDate(earliestRecordDate()), formatRecordDate(latestRecordDate())));

        QString reason;
        const int home = teamNumber(teams, sheet->cell(row, Home), &reason);
        if (home < 0)
            refuse(Home, reason);
        const int away = teamNumber(teams, sheet->cell(row, Away), &reason);
        if (away < 0)
            refuse(Away, reason);
        else if (away == home)
            refuse(Away, QStringLiteral("A team cannot play itself."));

        ScoreTexts scores;
        const std::array<Column, 4> scoreColumns = { HomeHalfTime, AwayHalfTime, HomeFullTime, AwayFullTime };
        for (int i = 0; i < 4; ++i) {
            scores[i] = sheet->cell(row, scoreColumns[i]);
            const QString problem = scoreTextProblem(scores[i]);
            if (!problem.isEmpty())
                refuse(scoreColumns[i], problem);
        }
        const bool isResult = !scores[2].isEmpty() && !scores[3].isEmpty();
        if (!isResult && scores[2].isEmpty() != scores[3].isEmpty())
            refuse(scores[2].isEmpty() ? HomeFullTime : AwayFullTime,
                   QStringLiteral("Only one of the two full-time scores is given."));
        else if (!isResult && !(scores[0].isEmpty() && scores[1].isEmpty()))
            refuse(scores[0].isEmpty() ? AwayHalfTime : HomeHalfTime,
                   QStringLiteral("A half-time score is given without the full-time score."));

        if (problems.isEmpty() && existingLines + import.lines.size() >= kMaxListLines)
            problems.append(
                { row.line, QString(), QStringLiteral("The group would hold more than %1 lines.").arg(kMaxListLines) });
        if (!problems.isEmpty()) {
            import.problems += problems;
            continue;
        }
        const QString stored = formatRecordDate(date);
        if (isResult) {
            import.lines.append(resultStoredLine(stored, scores, home, away));
            ++import.results;
        } else {
            import.lines.append(fixtureStoredLine(stored, home, away));
            ++import.fixtures;
        }
    }
    if (!import.ok())
        import.lines.clear();
    return import;
}

QStringList teamNamesInCsv(const QByteArray& csv, QList<ImportProblem>* problems)
{
    const std::optional<Sheet> sheet = readSheet(csv, problems);
    if (!sheet)
        return {};
    QStringList names;
    for (const CsvRow& row : sheet->rows) {
        for (const Column column : { Home, Away }) {
            const QString name = sheet->cell(row, column);
            const QString problem = name.isEmpty() ? QStringLiteral("No team is named.") : teamNameProblem(name);
            if (!problem.isEmpty())
                problems->append({ row.line, kColumnNames[column], problem });
            else if (!names.contains(name))
                names.append(name);
        }
    }
    QCollator collator { QLocale(QLocale::English, QLocale::UnitedKingdom) };
    std::sort(names.begin(), names.end(), collator);
    return names;
}

QStringList importProblemLines(const QList<ImportProblem>& problems)
{
    QStringList lines;
    for (const ImportProblem& problem : problems.mid(0, kProblemsShown)) {
        QString place = problem.line > 0 ? QStringLiteral("Line %1").arg(problem.line) : QString();
        if (!problem.column.isEmpty())
            place += QStringLiteral(", column ") + problem.column;
        lines.append(place.isEmpty() ? problem.reason : place + QStringLiteral(": ") + problem.reason);
    }
    if (problems.size() > kProblemsShown)
        lines.append(QStringLiteral("... and %1 more.").arg(problems.size() - kProblemsShown));
    return lines;
}

QString GroupImport::summary(const QString& groupCaption) const
{
    QStringList added;
    if (fixtures > 0)
        added.append(QStringLiteral("%1 %2").arg(fixtures).arg(fixtures == 1 ? u"fixture" : u"fixtures"));
    if (results > 0)
        added.append(QStringLiteral("%1 %2").arg(results).arg(results == 1 ? u"result" : u"results"));
    if (added.isEmpty())
        return QStringLiteral("The file holds no fixtures or results; nothing was added to %1.").arg(groupCaption);
    return QStringLiteral("Added %1 to %2.").arg(added.join(QStringLiteral(" and ")), groupCaption);
}

GroupImport importIntoGroup(const QStringList& storedLines, const QStringList& teams, const QByteArray& csv)
{
    GroupImport outcome;
    const ResultImport import = readResultImport(csv, teams, int(storedLines.size()));
    if (!import.ok()) {
        outcome.refusal = importProblemLines(import.problems);
        return outcome;
    }
    QStringList lines = storedLines + import.lines;
    QString problem;
    if (!sortByRecordDate(lines, &problem)) {
        outcome.refusal = QStringList { failureText(kSortFailureNumber, problem) };
        return outcome;
    }
    outcome.lines = lines;
    outcome.fixtures = import.fixtures;
    outcome.results = import.results;
    return outcome;
}
