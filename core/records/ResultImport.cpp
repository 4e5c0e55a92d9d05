#include "core/records/ResultImport.h"

#include "core/common/FailureText.h"
#include "core/common/Limits.h"
#include "core/records/CsvRows.h"
#include "core/records/FixtureSort.h"
#include "core/records/RecordLines.h"

#include <QCollator>
#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <algorithm>
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
        problems->append({ 1, QString(),
                           QCoreApplication::translate(
                               "ResultImport", "The file is empty; it needs a header row naming its columns.") });
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
                problems->append(
                    { header.line, name,
                      QCoreApplication::translate("ResultImport", "The header names this column twice.") });
            sheet.index[column] = position;
        }
    }
    for (const Column column : { Date, Home, Away })
        if (sheet.index[column] < 0)
            problems->append({ header.line, kColumnNames[column],
                               QCoreApplication::translate("ResultImport", "The header names no such column.") });
    if (!problems->isEmpty())
        return std::nullopt;
    sheet.rows = reading.rows;
    return sheet;
}

// "07-Mar-2000" (a one-digit day too) or "2000-03-07", nothing else: a date with more after it
// may be a different date.
QDate readImportDate(const QString& text)
{
    const QDate date = parseRecordDate(text);
    if (date.isValid() || text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return date;
    for (const int i : { 0, 1, 2, 3, 5, 6, 8, 9 })
        if (text[i] < u'0' || text[i] > u'9')
            return QDate();
    return QDate(text.left(4).toInt(), text.mid(5, 2).toInt(), text.mid(8, 2).toInt());
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
        *reason = name.isEmpty() ? QCoreApplication::translate("ResultImport", "No team is named.")
                                 : QStringLiteral("\"%1\" is not a team of the group.").arg(name);
    return found;
}

} // namespace

ResultImport readResultImport(const QByteArray& csv, const QStringList& teams)
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

        // A quoted cell may run over several lines; no text of a group may.
        for (int column = 0; column < ColumnCount; ++column) {
            const QString text = sheet->cell(row, Column(column));
            if (text.contains(u'\n') || text.contains(u'\r'))
                refuse(Column(column), QCoreApplication::translate("ResultImport", "The cell holds a line break."));
        }
        if (!problems.isEmpty()) {
            import.problems += problems;
            continue;
        }

        const QString dateText = sheet->cell(row, Date);
        const QDate date = readImportDate(dateText);
        if (!date.isValid())
            refuse(Date,
                   dateText.isEmpty()
                       ? QCoreApplication::translate("ResultImport", "No date is given.")
                       : QStringLiteral("\"%1\" is not a date (dd-mmm-yyyy or yyyy-mm-dd).").arg(dateText));
        else if (date < earliestRecordDate() || date > latestRecordDate())
            refuse(Date,
                   QCoreApplication::translate("ResultImport", "%1 lies outside %2 to %3.")
                       .arg(dateText, formatRecordDate(earliestRecordDate()), formatRecordDate(latestRecordDate())));

        QString reason;
        const int home = teamNumber(teams, sheet->cell(row, Home), &reason);
        if (home < 0)
            refuse(Home, reason);
        const int away = teamNumber(teams, sheet->cell(row, Away), &reason);
        if (away < 0)
            refuse(Away, reason);
        else if (away == home)
            refuse(Away, QCoreApplication::translate("ResultImport", "A team cannot play itself."));

        ScoreTexts scores;
        const std::array<Column, 4> scoreColumns = { HomeHalfTime, AwayHalfTime, HomeFullTime, AwayFullTime };
        for (int i = 0; i < 4; ++i)
            scores[i] = sheet->cell(row, scoreColumns[i]);
        for (const ScoreProblem& problem : resultScoreProblems(scores))
            refuse(scoreColumns[problem.field], problem.reason);
        const bool isResult = !scores[2].isEmpty() && !scores[3].isEmpty();
        if (!isResult && scores[2].isEmpty() != scores[3].isEmpty())
            refuse(scores[2].isEmpty() ? HomeFullTime : AwayFullTime,
                   QCoreApplication::translate("ResultImport", "Only one of the two full-time scores is given."));
        else if (!isResult && !(scores[0].isEmpty() && scores[1].isEmpty()))
            refuse(
                scores[0].isEmpty() ? AwayHalfTime : HomeHalfTime,
                QCoreApplication::translate("ResultImport", "A half-time score is given without the full-time score."));

        if (!problems.isEmpty()) {
            import.problems += problems;
            continue;
        }
        ImportedRow taken { row.line, QString(), isResult, date, home, away };
        const QString stored = formatRecordDate(date);
        if (isResult) {
            taken.storedLine = resultStoredLine(stored, scores, home, away);
            for (int i = 0; i < 4; ++i)
                taken.scores[i] = readScoreField(scores[i]).value_or(0);
            taken.hasHalfTime = !scores[0].isEmpty() || !scores[1].isEmpty();
        } else {
            taken.storedLine = fixtureStoredLine(stored, home, away);
        }
        import.rows.append(taken);
    }
    if (!import.ok())
        import.rows.clear();
    return import;
}

QStringList teamNamesInCsv(const QByteArray& csv, QList<ImportProblem>* problems)
{
    const std::optional<Sheet> sheet = readSheet(csv, problems);
    if (!sheet)
        return {};
    QStringList names;
    QHash<QString, int> firstLine; // by the name's case-folded form: where it was first written
    for (const CsvRow& row : sheet->rows) {
        for (const Column column : { Home, Away }) {
            const QString name = sheet->cell(row, column);
            QString problem = name.isEmpty() ? QCoreApplication::translate("ResultImport", "No team is named.")
                                             : teamNameProblem(name);
            const QString key = name.toCaseFolded();
            if (problem.isEmpty() && firstLine.contains(key) && !names.contains(name)) {
                const int line = firstLine.value(key);
                const auto first = std::find_if(names.cbegin(), names.cend(),
                                                [&](const QString& known) { return known.toCaseFolded() == key; });
                problem = QStringLiteral("\"%1\" and \"%2\" on line %3 are one name written two ways; two teams "
                                         "of a group may not share a name.")
                              .arg(name, *first, QString::number(line));
            }
            if (!problem.isEmpty()) {
                problems->append({ row.line, kColumnNames[column], problem });
            } else if (!firstLine.contains(key)) {
                firstLine.insert(key, row.line);
                names.append(name);
            }
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
        QString place
            = problem.line > 0 ? QCoreApplication::translate("ResultImport", "Line %1").arg(problem.line) : QString();
        if (!problem.column.isEmpty())
            place += QCoreApplication::translate("ResultImport", ", column ") + problem.column;
        lines.append(place.isEmpty() ? problem.reason : place + QStringLiteral(": ") + problem.reason);
    }
    if (problems.size() > kProblemsShown)
        lines.append(
            QCoreApplication::translate("ResultImport", "... and %1 more.").arg(problems.size() - kProblemsShown));
    return lines;
}

namespace {

QString counted(int count, const char* singular, const char* plural)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

// A result's scores. "No half-time score" and "0-0 at half-time" differ, as the reports show them.
struct GameScore
{
    std::array<qint16, 4> goals {}; // HT home, HT away, FT home, FT away
    bool hasHalfTime = false;

    bool operator==(const GameScore& other) const
    {
        return goals[2] == other.goals[2] && goals[3] == other.goals[3] && hasHalfTime == other.hasHalfTime
            && (!hasHalfTime || (goals[0] == other.goals[0] && goals[1] == other.goals[1]));
    }
    QString fullTime() const { return QStringLiteral("%1-%2").arg(goals[2]).arg(goals[3]); }
    QString halfTime() const
    {
        return hasHalfTime
            ? QCoreApplication::translate("ResultImport", ", half-time %1-%2").arg(goals[0]).arg(goals[1])
            : QCoreApplication::translate("ResultImport", " with no half-time score");
    }
};

// "2-0, half-time 1-0; the file has 2-0 with no half-time score": what differs, and nothing else.
QString differenceText(const GameScore& entered, const GameScore& file)
{
    const bool halfTimeDiffers = entered.hasHalfTime != file.hasHalfTime
        || (entered.hasHalfTime && (entered.goals[0] != file.goals[0] || entered.goals[1] != file.goals[1]));
    const auto text = [&](const GameScore& score) {
        return halfTimeDiffers ? score.fullTime() + score.halfTime() : score.fullTime();
    };
    return text(entered) + QCoreApplication::translate("ResultImport", "; the file has ") + text(file);
}

struct EnteredResult
{
    QString dateText; // as a repeat names it
    GameScore score;
};

// Where the group's lines stand, by what a row is matched with: fixtures by their teams, in list
// order, and results by their date and teams. The results the group held before the import are
// kept by their teams too, to find repeats.
class LineIndex
{
public:
    explicit LineIndex(const QStringList& lines)
    {
        for (int i = 0; i < lines.size(); ++i) {
            const std::optional<Record> record = add(i, lines[i]);
            const quint64 teams = record ? key(QDate(), record->home, record->away) : 0;
            if (record && record->isResult && !m_played.contains(teams))
                m_played.insert(teams, *result(parseRecordDate(record->dateText), record->home, record->away));
        }
    }

    std::optional<Record> add(int position, const QString& line)
    {
        const std::optional<Record> record = readRecordLine(line);
        if (!record)
            return std::nullopt; // a line that cannot be read matches nothing, and stays as it is
        const QDate date = parseRecordDate(record->dateText);
        if (record->isResult) {
            const std::optional<RecordFields> fields = splitRecordLine(line);
            const bool hasHalfTime = fields
                && (!fields->fields.value(0).trimmed().isEmpty() || !fields->fields.value(1).trimmed().isEmpty());
            const GameScore score {
                { record->homeHalfTime, record->awayHalfTime, record->homeFullTime, record->awayFullTime }, hasHalfTime
            };
            const QString dateText = date.isValid() ? formatRecordDate(date) : record->dateText.trimmed();
            m_results.insert(key(date, record->home, record->away), { dateText, score });
        } else {
            m_fixtures[key(QDate(), record->home, record->away)].append(position);
            m_fixtureDates.insert(key(date, record->home, record->away));
        }
        return record;
    }

    // The stored result of this date and these teams.
    std::optional<EnteredResult> result(const QDate& date, int home, int away) const
    {
        const auto found = m_results.constFind(key(date, home, away));
        return found == m_results.cend() ? std::nullopt : std::optional<EnteredResult>(*found);
    }

    // The first result of these teams in the list the group held before the import.
    std::optional<EnteredResult> played(int home, int away) const
    {
        const auto found = m_played.constFind(key(QDate(), home, away));
        return found == m_played.cend() ? std::nullopt : std::optional<EnteredResult>(*found);
    }

    bool hasFixture(const QDate& date, int home, int away) const
    {
        return m_fixtureDates.contains(key(date, home, away));
    }

    // The first fixture of these teams, which leaves the index: it becomes a result.
    std::optional<int> takeFixture(int home, int away)
    {
        QList<int>& positions = m_fixtures[key(QDate(), home, away)];
        if (positions.isEmpty())
            return std::nullopt;
        return positions.takeFirst();
    }

private:
    static quint64 key(const QDate& date, int home, int away)
    {
        return (quint64(date.isValid() ? date.toJulianDay() : 0) << 32) | (quint64(quint16(home)) << 16)
            | quint16(away);
    }

    QHash<quint64, QList<int>> m_fixtures; // by teams only
    QSet<quint64> m_fixtureDates;
    QHash<quint64, EnteredResult> m_results;
    QHash<quint64, EnteredResult> m_played; // by teams only
};

} // namespace

QList<PlannedRow> ImportPlan::importableRows(bool withRepeats) const
{
    QList<PlannedRow> importable;
    for (const PlannedRow& row : rows)
        if (row.canImport() && (withRepeats || row.action != ImportAction::Repeat))
            importable.append(row);
    return importable;
}

QStringList ImportPlan::conflictLines() const
{
    QList<ImportProblem> conflicts;
    for (const PlannedRow& row : rows)
        if (row.action == ImportAction::Conflict)
            conflicts.append({ row.row.line, QString(), row.note + u'.' });
    return importProblemLines(conflicts);
}

ImportPlan planImport(const QStringList& storedLines, const QStringList& teams, const QByteArray& csv)
{
    ImportPlan plan;
    const ResultImport import = readResultImport(csv, teams);
    if (!import.ok()) {
        plan.refusal = importProblemLines(import.problems);
        return plan;
    }
    LineIndex index(storedLines);
    int added = int(storedLines.size()); // where the next row added would stand
    for (const ImportedRow& row : import.rows) {
        PlannedRow planned { row };
        const QString game = QCoreApplication::translate("ResultImport", "%1 v %2")
                                 .arg(teams[row.home].trimmed(), teams[row.away].trimmed());
        const std::optional<EnteredResult> entered = index.result(row.date, row.home, row.away);
        const std::optional<EnteredResult> played = index.played(row.home, row.away);
        std::optional<int> fixture;
        if (row.isResult && entered) {
            const GameScore score { row.scores, row.hasHalfTime };
            if (entered->score == score) {
                planned.action = ImportAction::AlreadyEntered;
            } else {
                planned.action = ImportAction::Conflict;
                planned.note = QCoreApplication::translate("ResultImport", "%1 on %2 is already entered as %3")
                                   .arg(game, formatRecordDate(row.date), differenceText(entered->score, score));
            }
        } else if (!row.isResult && (entered || index.hasFixture(row.date, row.home, row.away))) {
            planned.action = ImportAction::AlreadyEntered;
        } else if (row.isResult && (fixture = index.takeFixture(row.home, row.away))) {
            planned.action = ImportAction::ReplaceFixture;
            planned.position = *fixture;
        } else if (played) {
            planned.action = ImportAction::Repeat;
            planned.note = QCoreApplication::translate("ResultImport", "%1 already played on %2 (%3)")
                               .arg(game, played->dateText, played->score.fullTime());
        }
        if (planned.action == ImportAction::Add || planned.action == ImportAction::Repeat)
            planned.position = added++;
        if (planned.canImport())
            index.add(planned.position, row.storedLine);
        plan.rows.append(planned);
    }
    return plan;
}

QString GroupImport::summary(const QString& groupCaption) const
{
    QStringList added;
    if (fixtures > 0)
        added.append(counted(fixtures, "fixture", "fixtures"));
    if (results > 0)
        added.append(counted(results, "result", "results"));
    const QString replacedText = counted(replaced, "fixture", "fixtures");
    QStringList notes;
    if (skipped > 0)
        notes.append(skipped == 1
                         ? QCoreApplication::translate("ResultImport", "1 row was already entered")
                         : QCoreApplication::translate("ResultImport", "%1 rows were already entered").arg(skipped));
    if (leftOut > 0)
        notes.append(leftOut == 1 ? QCoreApplication::translate("ResultImport", "1 row was left out")
                                  : QCoreApplication::translate("ResultImport", "%1 rows were left out").arg(leftOut));
    QStringList parts;
    if (!added.isEmpty())
        parts.append(QCoreApplication::translate("ResultImport", "Added %1 to %2")
                         .arg(added.join(QCoreApplication::translate("ResultImport", " and ")), groupCaption));
    if (replaced > 0)
        parts.append(added.isEmpty()
                         ? QCoreApplication::translate("ResultImport", "Replaced %1 of %2 with %3")
                               .arg(replacedText, groupCaption,
                                    replaced == 1 ? QCoreApplication::translate("ResultImport", "its result")
                                                  : QCoreApplication::translate("ResultImport", "their results"))
                         : QCoreApplication::translate("ResultImport", "replaced ") + replacedText);
    if (parts.isEmpty() && notes.isEmpty())
        return QCoreApplication::translate("ResultImport",
                                           "The file holds no fixtures or results; nothing was added to %1.")
            .arg(groupCaption);
    if (parts.isEmpty())
        return QCoreApplication::translate("ResultImport", "Nothing was added to %1: %2.")
            .arg(groupCaption, notes.join(QCoreApplication::translate("ResultImport", "; ")));
    return (parts + notes).join(QStringLiteral("; ")) + u'.';
}

GroupImport importPlannedRows(const QStringList& storedLines, const ImportPlan& plan, const QList<PlannedRow>& chosen)
{
    GroupImport outcome;
    QSet<int> chosenLines; // a row of the file is known by its line
    for (const PlannedRow& row : chosen)
        chosenLines.insert(row.row.line);
    QStringList lines = storedLines;
    QHash<int, int> placed; // where the rows added stand, by the position the plan gave them
    QList<ImportProblem> problems;
    for (const PlannedRow& planned : plan.rows) {
        if (planned.action == ImportAction::AlreadyEntered) {
            ++outcome.skipped;
            continue;
        }
        if (!planned.canImport() || !chosenLines.contains(planned.row.line)) {
            ++outcome.leftOut;
            continue;
        }
        if (planned.action == ImportAction::ReplaceFixture) {
            // A fixture of the file itself is there only when its row was chosen; else the result is added.
            const int fixture
                = planned.position < storedLines.size() ? planned.position : placed.value(planned.position, -1);
            if (fixture >= 0) {
                lines[fixture] = planned.row.storedLine;
                ++outcome.replaced;
                continue;
            }
        }
        if (lines.size() >= kMaxListLines) {
            problems.append({ planned.row.line, QString(),
                              QCoreApplication::translate("ResultImport", "The group would hold more than %1 lines.")
                                  .arg(kMaxListLines) });
            continue;
        }
        placed.insert(planned.position, int(lines.size()));
        lines.append(planned.row.storedLine);
        ++(planned.row.isResult ? outcome.results : outcome.fixtures);
    }
    if (!problems.isEmpty()) {
        const QStringList refusal = importProblemLines(problems);
        outcome = GroupImport();
        outcome.refusal = refusal;
        return outcome;
    }
    QString problem;
    if (!sortByRecordDate(lines, &problem)) {
        outcome = GroupImport();
        outcome.refusal = QStringList { failureText(kSortFailureNumber, problem) };
        return outcome;
    }
    outcome.lines = lines;
    return outcome;
}

GroupImport importIntoGroup(const QStringList& storedLines, const QStringList& teams, const QByteArray& csv)
{
    const ImportPlan plan = planImport(storedLines, teams, csv);
    GroupImport refused;
    refused.refusal = plan.ok() ? plan.conflictLines() : plan.refusal;
    if (!refused.ok())
        return refused;
    return importPlannedRows(storedLines, plan, plan.importableRows(true));
}
