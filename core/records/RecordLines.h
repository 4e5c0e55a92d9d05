#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <array>
#include <optional>

// A group's fixtures and results are kept as stored record lines:
//   fixture  F:07-Mar-2000:0:3                (date, home team number, away team number)
//   result   R:07-Mar-2000:1:0:2:2:0:3        (date, HT home, HT away, FT home, FT away, home, away)
// and shown as display lines built from them with the team names filled in:
//   F:07-Mar-2000:Rovers-v-United
//   R:07-Mar-2000:HT:1-0:FT:2-2:Rovers-v-United
// A team number is the team's 0-based position in the group's team list. Several readers rely on
// the record date always being the 11 characters at positions 2..12 (0-based) of either form.

constexpr int kRecordDatePosition = 2;
constexpr int kRecordDateLength = 11;

// "dd-mmm-yyyy" with English month abbreviations, whatever the locale: 07-Mar-2000.
QString formatRecordDate(const QDate& date);

// Record dates keep a four-digit year: every way to a date stays within these two.
QDate earliestRecordDate();
QDate latestRecordDate();

// Reads "dd-mmm-yyyy"; a one-digit day and blanks around the text are accepted, the month's
// case is not significant. Answers an invalid QDate when the text is not a date.
QDate parseRecordDate(QStringView text);

// The record date of a stored line: the text from position 2 up to the first ":" after it, read
// as above (so a one-digit day from elsewhere is read too). Invalid when there is none.
QDate recordDateOf(QStringView line);

// How a stored line is laid out, as the file reader checks it before reading its game: whether it
// begins with "F:" or "R:", how many fields follow its date (a fixture needs two, a result six), and
// its date as text (from position 2 to the first ":" after it, a view into the line, which must
// outlive it) and as the date it stands for.
struct RecordLineLayout
{
    bool isRecordLine = false;
    bool isResult = false;
    int fieldsAfterDate = 0;
    int neededFields = 0;
    QStringView dateText;
    QDate date; // invalid when the text is no date
};
RecordLineLayout recordLineLayout(QStringView line);

// The leading numeric value of a text: leading blanks skipped, an optional sign, digits, a decimal
// part and an exponent; 0 when the text does not begin with a number.
double leadingNumericValue(QStringView text);

// True when the text begins with a number as leadingNumericValue reads one: "2", " -3", ".5", "2x".
bool beginsWithNumber(QStringView text);

// The number a field of a stored line stands for: its leading numeric value rounded to a whole
// number with halves going to the even neighbour. Nothing when that does not fit 16 bits.
std::optional<qint16> readNumberField(QStringView text);

// A stored line cut at its colons. The date runs from position 2 to the first ":" after it; a
// fixture has two further fields, a result six. A line with more fields cannot be read.
struct RecordFields
{
    bool isResult = false;
    QString dateText;
    QStringList fields;
};
std::optional<RecordFields> splitRecordLine(const QString& line);

// A game read once from its stored line: what every table, report and view works on. Scores are
// zero for a fixture.
struct Record
{
    bool isResult = false;
    QString dateText;           // as stored, not trimmed
    QDate date;                 // the date it stands for; invalid when the text is no date
    bool halfTimeGiven = false; // a result's half-time score was written, not left blank
    qint16 homeHalfTime = 0;
    qint16 awayHalfTime = 0;
    qint16 homeFullTime = 0;
    qint16 awayFullTime = 0;
    qint16 home = 0;
    qint16 away = 0;
};

// A stored score: blank reads as 0, otherwise a whole number, blanks around it, leading zeros and a
// sign allowed (older files and the result editor stored " 2", "02" and "-1"). Nothing for any other
// text ("2.5", "1e2", "1o") or a number beyond 16 bits: such a score cannot be counted.
std::optional<qint16> readScoreField(QStringView text);

// Reads a stored line by the splitting rule above. Nothing, with the reason in `error`, when the
// line begins with neither "F:" nor "R:", has too few or too many fields, holds a score that
// readScoreField cannot read or a team number beyond 16 bits, or has a team play itself.
std::optional<Record> readRecordLine(const QString& line, QString* error = nullptr);

// The four score texts of a result, in stored order: HT home, HT away, FT home, FT away.
using ScoreTexts = std::array<QString, 4>;

QString fixtureStoredLine(const QString& dateText, int home, int away);
QString resultStoredLine(const QString& dateText, const ScoreTexts& scores, int home, int away);
// The result line the result editor completes: the date as stored, the four score texts and the two
// team numbers, every text as given.
QString completedResultLine(const QString& dateText, const ScoreTexts& scores, const QString& homeNumber,
                            const QString& awayNumber);
QString fixtureDisplayLine(const QString& dateText, const QString& homeName, const QString& awayName);
QString resultDisplayLine(const QString& dateText, const ScoreTexts& scores, const QString& homeName,
                          const QString& awayName);

// Why a typed score cannot be stored, or empty when it can. A score is blank or a whole number from
// 0 to 32767: digits only, blanks around them aside ("02" is 2).
QString scoreTextProblem(const QString& scoreText);

// What is wrong with a result's four scores, first problem first: each text by scoreTextProblem,
// then a half-time score above the full-time score of the same team when both are given.
// Result entry, the result editor and the CSV import all check by this.
struct ScoreProblem
{
    int field = 0;         // the score to correct, 0..3 in ScoreTexts order
    QString reason;        // "The score "1o" is not a number."
    bool ofTheText = true; // false: the text is a score, but not with the other
};
QList<ScoreProblem> resultScoreProblems(const ScoreTexts& scores);

// The refusal a window shows: "The home half-time score is not valid." + CR + the reason, or the
// reason alone when the two scores of a team disagree.
QString scoreRefusal(const ScoreProblem& problem);

// Why a team name cannot be used (it holds "-v-", which separates the two names of a display
// line, or a line break, which ends a line of the file), or empty when it can.
QString teamNameProblem(const QString& name);

// Two names of one team: equal without regard to letter case once trimmed.
bool sameTeamName(const QString& first, const QString& second);

// Why `name` cannot be a team of the group with `teams` and caption `groupCaption` (the team at
// `renamed` aside, for a new name of that team): the reasons above, or another team of the group has
// that name. Reports would merge the two teams' rows.
QString teamNameProblem(const QString& name, const QStringList& teams, const QString& groupCaption, int renamed = -1);

// The team's name, or a visible placeholder when the number lies outside the team list.
QString teamNameOrPlaceholder(const QStringList& teams, int number);

// The display line rebuilt from a stored line: names from the team list, scores as whole numbers.
// A line that cannot be read is shown as it is stored, so that the two lists stay parallel.
QString displayLineFor(const QString& storedLine, const QStringList& teams);
QStringList buildDisplayLines(const QStringList& storedLines, const QStringList& teams);
