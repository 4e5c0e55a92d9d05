#include "core/tournament/TournamentFile.h"

#include "core/common/BoundedFile.h"
#include "core/common/Limits.h"
#include "core/common/SafeWrite.h"
#include "core/common/Windows1252.h"
#include "core/knockout/TieResultText.h"
#include "core/records/RecordLines.h"
#include "core/timetable/SlotText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Heads the points adjustments after the last group's block.
const QString kAdjustmentsHeading = QStringLiteral("POINTS ADJUSTMENTS");
// Heads the knockout stage, after the adjustments.
const QString kKnockoutHeading = QStringLiteral("KNOCKOUT STAGE");
const QString kTimetableHeading = QStringLiteral("TIMETABLE");
constexpr int kNoGroupBye = -1;

// The offending text quoted in a message, cut short so a binary file cannot flood the message box.
QString quoted(QStringView text)
{
    constexpr int kShown = 40;
    if (text.size() <= kShown)
        return u'"' + text.toString() + u'"';
    return u'"' + text.left(kShown).toString() + QStringLiteral("...\"");
}

// A number as written in the file, cut short when it runs to absurd lengths.
QString shortened(QStringView number)
{
    constexpr int kShown = 12;
    return number.size() <= kShown ? number.toString() : number.left(kShown).toString() + QStringLiteral("...");
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// A number line: blanks, an optional sign, decimal digits, blanks. Values too long to matter are
// pinned just outside 16 bits so the range checks refuse them.
std::optional<int> readNumberLine(QStringView line)
{
    qsizetype i = 0;
    qsizetype end = line.size();
    while (i < end && isBlank(line[i]))
        ++i;
    while (end > i && isBlank(line[end - 1]))
        --end;
    bool negative = false;
    if (i < end && (line[i] == u'-' || line[i] == u'+')) {
        negative = line[i] == u'-';
        ++i;
    }
    if (i == end)
        return std::nullopt;
    int value = 0;
    for (; i < end; ++i) {
        const QChar c = line[i];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = qMin(value * 10 + (c.unicode() - u'0'), 99999);
    }
    return negative ? -value : value;
}

// What a line should hold, worded only when a message needs it: opening a large file reads
// hundreds of thousands of lines, and formatting a description for each would dominate the time.
struct Expected
{
    const char* pattern;
    int first = 0;
    int second = 0;

    QString text() const
    {
        const QString text = QLatin1String(pattern);
        if (text.contains(QLatin1String("%2")))
            return text.arg(first).arg(second);
        if (text.contains(QLatin1String("%1")))
            return text.arg(first);
        return text;
    }
};

class TournamentParser
{
public:
    explicit TournamentParser(QStringView text)
        : m_text(text)
    { }

    bool parse(TournamentData& data);
    const QVector<UnreadableRecordLine>& unreadable() const { return m_unreadable; }
    int faultLine() const { return m_faultLine; }
    const QString& faultReason() const { return m_faultReason; }

private:
    std::optional<QStringView> nextLine();
    bool readText(const Expected& what, QString& out);
    bool readNumber(const Expected& what, int min, int max, const char* range, qint16& out);
    // The game the line holds, read once here; nothing for a line that cannot be read.
    bool checkRecordLine(const QString& line, int number, int group, int teamCount, std::optional<Record>& game);
    bool readAdjustments(TournamentData& data);
    bool readKnockout(TournamentData& data);
    bool readKnockoutPlace(const TournamentData& data, int place, KnockoutStage::Place& out);
    bool readKnockoutResults(KnockoutStage& stage);
    bool readTimetable(TournamentData& data);
    bool readTimetableSettings(TimetableSettings& settings);
    bool readTime(const Expected& what, int& out);
    bool readSpan(const Expected& what, MinuteSpan& out);
    bool readGroupSlots(TournamentData& data, int pitchCount);
    bool readKnockoutSlots(Timetable& timetable);
    bool fail(int line, const QString& reason)
    {
        m_faultLine = line;
        m_faultReason = reason;
        return false;
    }

    QStringView m_text;
    qsizetype m_position = 0;
    int m_lineNumber = 0; // of the line last read
    int m_faultLine = 0;
    QString m_faultReason;
    QVector<UnreadableRecordLine> m_unreadable;
};

std::optional<QStringView> TournamentParser::nextLine()
{
    if (m_position >= m_text.size())
        return std::nullopt;
    qsizetype end = m_position;
    while (end < m_text.size() && m_text[end] != u'\n' && m_text[end] != u'\r')
        ++end;
    const QStringView line = m_text.mid(m_position, end - m_position);
    qsizetype next = end;
    if (next < m_text.size())
        next += m_text[next] == u'\r' && next + 1 < m_text.size() && m_text[next + 1] == u'\n' ? 2 : 1;
    m_position = next;
    ++m_lineNumber;
    return line;
}

bool TournamentParser::readText(const Expected& what, QString& out)
{
    const std::optional<QStringView> line = nextLine();
    if (!line)
        return fail(m_lineNumber + 1,
                    QCoreApplication::translate("TournamentFile", "the file ends early; this line should hold %1.")
                        .arg(what.text()));
    out = line->toString();
    return true;
}

bool TournamentParser::readNumber(const Expected& what, int min, int max, const char* range, qint16& out)
{
    const std::optional<QStringView> line = nextLine();
    if (!line)
        return fail(m_lineNumber + 1,
                    QCoreApplication::translate("TournamentFile", "the file ends early; this line should hold %1.")
                        .arg(what.text()));
    const std::optional<int> value = readNumberLine(*line);
    if (!value)
        return fail(m_lineNumber,
                    QCoreApplication::translate("TournamentFile", "%1 is not a number; this line should hold %2.")
                        .arg(quoted(*line), what.text()));
    if (*value < min || *value > max)
        return fail(m_lineNumber,
                    QCoreApplication::translate("TournamentFile", "%1 is %2; it must be %3.")
                        .arg(what.text(), shortened(line->trimmed()), QLatin1String(range)));
    out = static_cast<qint16>(*value);
    return true;
}

bool TournamentParser::checkRecordLine(const QString& line, int number, int group, int teamCount,
                                       std::optional<Record>& game)
{
    const auto which = [number, group] {
        return QCoreApplication::translate("TournamentFile", "record line %1 of group %2").arg(number).arg(group);
    };
    const RecordLineLayout layout = recordLineLayout(line);
    if (!layout.isRecordLine)
        return fail(m_lineNumber,
                    QCoreApplication::translate("TournamentFile", "%1 begins with neither \"F:\" nor \"R:\": %2.")
                        .arg(which(), quoted(line)));

    if (layout.fieldsAfterDate < layout.neededFields)
        return fail(m_lineNumber,
                    QCoreApplication::translate("TournamentFile", "%1 has %2 fields after its date; a %3 has %4: %5.")
                        .arg(which())
                        .arg(layout.fieldsAfterDate)
                        .arg(layout.isResult ? QStringLiteral("result") : QStringLiteral("fixture"))
                        .arg(layout.neededFields)
                        .arg(quoted(line)));

    if (!layout.date.isValid())
        return fail(m_lineNumber,
                    QCoreApplication::translate("TournamentFile", "%1 has no readable date: %2.")
                        .arg(which(), quoted(layout.dateText)));
    // Too many fields or a number beyond 16 bits: kept as stored, and listed once the file is read.
    QString problem;
    game = readRecordLine(line, &problem);
    const std::optional<Record>& record = game;
    if (!record) {
        m_unreadable.append({ group, number, line, problem });
        return true;
    }
    for (const qint16 team : { record->home, record->away }) {
        if (team >= 0 && team < teamCount)
            continue;
        const QString names = teamCount == 0
            ? QCoreApplication::translate("TournamentFile", "group %1 has no team names").arg(group)
            : QCoreApplication::translate("TournamentFile", "group %1 has %2 team names (numbers 0 to %3)")
                  .arg(group)
                  .arg(teamCount)
                  .arg(teamCount - 1);
        return fail(m_lineNumber,
                    QCoreApplication::translate("TournamentFile", "%1 names team %2, but %3.")
                        .arg(which())
                        .arg(team)
                        .arg(names));
    }
    return true;
}

bool TournamentParser::parse(TournamentData& data)
{
    static_assert(kMaxGroups == 8 && kMaxRules == 6 && kMaxListLines == 32767, "the range texts below");
    const char* const kListRange = "0 to 32767";

    if (!readText({ "the tournament title" }, data.title))
        return false;
    if (!readNumber({ "the group count" }, 1, kMaxGroups, "1 to 8", data.GroupCount))
        return false;
    if (!readText({ "the group title" }, data.GroupTitle))
        return false;
    // Styles beyond 0 and 1 are all labelled "Premier", 1, 2, ...
    if (!readNumber({ "the group label style" }, -32768, 32767, "-32768 to 32767", data.Indicator))
        return false;
    for (int g = 1; g <= data.GroupCount; ++g) {
        if (!readNumber({ "the team count of group %1", g }, 2, kMaxListLines, "2 to 32767", data.TeamsInGroup[g]))
            return false;
    }
    if (!readNumber({ "the number of league order rules" }, 1, kMaxRules, "1 to 6", data.RuleCount))
        return false;
    for (int r = 1; r <= data.RuleCount; ++r) {
        if (!readNumber({ "league order rule %1", r }, 1, kMaxRules, "1 to 6", data.RuleOrder[r]))
            return false;
    }
    if (!readNumber({ "the number of points for a win" }, 2, 3, "2 or 3", data.PointsForWin))
        return false;
    if (!readNumber({ "the number of points for a draw" }, 0, 2, "0, 1 or 2", data.PointsForDraw))
        return false;

    data.groups.resize(data.GroupCount);
    for (int g = 1; g <= data.GroupCount; ++g) {
        TournamentGroupData& group = data.groups[g - 1];
        if (!readText({ "the caption of group %1", g }, group.caption))
            return false;
        qint16 teamCount = 0;
        if (!readNumber({ "the number of team names of group %1", g }, 0, kMaxListLines, kListRange, teamCount))
            return false;
        group.teams.reserve(teamCount);
        for (int t = 1; t <= teamCount; ++t) {
            QString name;
            if (!readText({ "team name %1 of group %2", t, g }, name))
                return false;
            group.teams.append(name);
        }
        qint16 recordCount = 0;
        if (!readNumber({ "the number of record lines of group %1", g }, 0, kMaxListLines, kListRange, recordCount))
            return false;
        group.recordLines.reserve(recordCount);
        group.games.reserve(recordCount);
        for (int k = 1; k <= recordCount; ++k) {
            QString line;
            std::optional<Record> game;
            if (!readText({ "record line %1 of group %2", k, g }, line))
                return false;
            if (!checkRecordLine(line, k, g, teamCount, game))
                return false;
            // Games of one day share their date's text rather than each holding a copy.
            if (game && !group.games.isEmpty() && group.games.last() && group.games.last()->dateText == game->dateText)
                game->dateText = group.games.last()->dateText;
            group.recordLines.append(line);
            group.games.append(std::move(game));
        }
    }

    // Empty lines after the last block are harmless; anything else but the adjustments and then the
    // knockout stage means the counts above do not describe the file, and a save would silently
    // drop what they leave out.
    QString lastSection = QCoreApplication::translate("TournamentFile", "last group's record lines");
    bool adjustmentsRead = false;
    while (const std::optional<QStringView> line = nextLine()) {
        if (line->trimmed().isEmpty())
            continue;
        if (!adjustmentsRead && !data.knockout && !data.timetable && *line == kAdjustmentsHeading) {
            adjustmentsRead = true;
            lastSection = QCoreApplication::translate("TournamentFile", "points adjustments");
            if (!readAdjustments(data))
                return false;
            continue;
        }
        if (!data.knockout && !data.timetable && *line == kKnockoutHeading) {
            lastSection = QCoreApplication::translate("TournamentFile", "knockout stage");
            if (!readKnockout(data))
                return false;
            continue;
        }
        if (!data.timetable && *line == kTimetableHeading) {
            lastSection = QCoreApplication::translate("TournamentFile", "timetable");
            if (!readTimetable(data))
                return false;
            continue;
        }
        return fail(
            m_lineNumber,
            QCoreApplication::translate("TournamentFile", "text follows the %1: %2.").arg(lastSection, quoted(*line)));
    }
    return true;
}

bool TournamentParser::readKnockoutPlace(const TournamentData& data, int place, KnockoutStage::Place& out)
{
    qint16 group = 0;
    qint16 number = 0;
    QString name;
    if (!readNumber({ "the group of knockout place %1", place }, -1, kMaxGroups, "-1 to 8", group))
        return false;
    if (group > data.GroupCount)
        return fail(m_lineNumber,
                    QCoreApplication::translate("TournamentFile",
                                                "knockout place %1 names group %2, but the tournament has %3.")
                        .arg(place)
                        .arg(group)
                        .arg(data.GroupCount));
    if (!readNumber({ "the team of knockout place %1", place }, 0, kMaxListLines, "0 to 32767", number))
        return false;
    const QStringList* teams = group > 0 ? &data.groups[group - 1].teams : nullptr;
    if ((group == kNoGroupBye && number != 0) || (group == 0 && (number < 1 || number > kMaximumEntrants))
        || (teams && number >= teams->size()))
        return fail(
            m_lineNumber,
            QCoreApplication::translate("TournamentFile", "knockout place %1 names team %2, which %3 does not have.")
                .arg(place)
                .arg(number)
                .arg(group == kNoGroupBye ? QCoreApplication::translate("TournamentFile", "a bye")
                         : group == 0     ? QCoreApplication::translate("TournamentFile", "a seeded list")
                                          : QCoreApplication::translate("TournamentFile", "group %1").arg(group)));
    if (!readText({ "the name of the team in knockout place %1", place }, name))
        return false;
    if (teams && name != teams->at(number))
        return fail(
            m_lineNumber,
            QCoreApplication::translate("TournamentFile", "knockout place %1 names %2, but team %3 of group %4 is %5.")
                .arg(QString::number(place), quoted(name), QString::number(number), QString::number(group),
                     quoted(teams->at(number))));
    if ((group == kNoGroupBye) != name.isEmpty())
        return fail(m_lineNumber,
                    group == kNoGroupBye
                        ? QCoreApplication::translate("TournamentFile", "knockout place %1 is a bye, but it names %2.")
                              .arg(place)
                              .arg(quoted(name))
                        : QCoreApplication::translate("TournamentFile", "the team in knockout place %1 has no name.")
                              .arg(place));
    if (group == kNoGroupBye)
        out.reset();
    else
        out = KnockoutTeam { group, number, name };
    return true;
}

bool TournamentParser::readKnockout(TournamentData& data)
{
    qint16 placeCount = 0;
    if (!readNumber({ "the number of knockout places" }, kMinimumEntrants, kMaximumEntrants, "2 to 64", placeCount))
        return false;
    if (bracketSize(placeCount) != placeCount)
        return fail(m_lineNumber,
                    QCoreApplication::translate(
                        "TournamentFile", "the knockout stage has %1 places; a bracket has 2, 4, 8, 16, 32 or 64.")
                        .arg(placeCount));
    QVector<KnockoutStage::Place> places(placeCount);
    for (int p = 1; p <= placeCount; ++p) {
        if (!readKnockoutPlace(data, p, places[p - 1]))
            return false;
        for (int earlier = 1; earlier < p && places[p - 1]; ++earlier) {
            if (places[earlier - 1] && isSameTeam(*places[earlier - 1], *places[p - 1]))
                return fail(
                    m_lineNumber,
                    QCoreApplication::translate("TournamentFile",
                                                "knockout place %1 holds %2, as knockout place %3 does: a team has one "
                                                "place in the bracket.")
                        .arg(QString::number(p), quoted(places[p - 1]->name), QString::number(earlier)));
        }
    }
    QString refusal;
    std::optional<KnockoutStage> stage = KnockoutStage::fromPlaces(places, &refusal);
    if (!stage)
        return fail(m_lineNumber, refusal);
    for (int roundSize = placeCount; roundSize >= 2; roundSize /= 2) {
        qint16 legs = 0;
        if (!readNumber({ "the number of legs of the round of %1", roundSize }, 1, 2, "1 or 2", legs))
            return false;
        stage->setLegs(roundSize, legs, nullptr);
    }
    qint16 thirdPlace = 0;
    qint16 awayGoals = 0;
    if (!readNumber({ "whether a third-place match is played" }, 0, 1, "0 or 1", thirdPlace)
        || !readNumber({ "whether away goals count" }, 0, 1, "0 or 1", awayGoals))
        return false;
    stage->setThirdPlaceMatch(thirdPlace == 1);
    stage->setAwayGoals(awayGoals == 1);
    QString startText;
    if (!readText({ "the knockout stage's start date" }, startText))
        return false;
    const QDate start = QDate::fromString(startText, Qt::ISODate);
    if (!startText.isEmpty() && !start.isValid())
        return fail(
            m_lineNumber,
            QCoreApplication::translate("TournamentFile",
                                        "%1 is no date; this line should hold the knockout stage's start date as "
                                        "YYYY-MM-DD, or nothing.")
                .arg(quoted(startText)));
    qint16 gap = 0;
    if (!readNumber({ "the days between knockout rounds" }, 0, 366, "0 to 366", gap))
        return false;
    if (!stage->setSchedule(start, gap, &refusal))
        return fail(m_lineNumber, refusal);
    if (!readKnockoutResults(*stage))
        return false;
    data.knockout = std::move(stage);
    return true;
}

bool TournamentParser::readKnockoutResults(KnockoutStage& stage)
{
    qint16 count = 0;
    if (!readNumber({ "the number of knockout results" }, 0, kMaximumEntrants, "0 to 64", count))
        return false;
    for (int r = 1; r <= count; ++r) {
        QString line;
        if (!readText({ "knockout result %1", r }, line))
            return false;
        const qsizetype blank = line.indexOf(u' ');
        const QString code = line.left(blank);
        QString refusal;
        const std::optional<TieResult> result
            = blank < 0 ? std::nullopt : readTieResultText(QStringView(line).mid(blank + 1), &refusal);
        if (!result)
            return fail(
                m_lineNumber,
                QCoreApplication::translate("TournamentFile", "knockout result %1, %2, is no tie code and result: %3")
                    .arg(r)
                    .arg(quoted(line),
                         refusal.isEmpty() ? QCoreApplication::translate("TournamentFile", "the result is missing.")
                                           : refusal));
        if (stage.result(code))
            return fail(m_lineNumber,
                        QCoreApplication::translate("TournamentFile", "knockout result %1 is a second result for %2.")
                            .arg(r)
                            .arg(code));
        // Entered as the window enters it, so a file cannot hold a result the program would refuse.
        if (!stage.setResult(code, *result, &refusal))
            return fail(m_lineNumber,
                        QCoreApplication::translate("TournamentFile", "knockout result %1, %2: %3")
                            .arg(r)
                            .arg(quoted(line), refusal));
    }
    return true;
}

bool TournamentParser::readTime(const Expected& what, int& out)
{
    QString text;
    if (!readText(what, text))
        return false;
    const std::optional<int> minute = readMinuteText(text);
    if (!minute)
        return fail(m_lineNumber,
                    QCoreApplication::translate("TournamentFile", "%1 is no time; this line should hold %2 as HH:MM.")
                        .arg(quoted(text), what.text()));
    out = *minute;
    return true;
}

bool TournamentParser::readSpan(const Expected& what, MinuteSpan& out)
{
    QString text;
    if (!readText(what, text))
        return false;
    const std::optional<MinuteSpan> span = readMinuteSpan(text);
    if (!span)
        return fail(m_lineNumber,
                    QCoreApplication::translate("TournamentFile",
                                                "%1 is no span of time; this line should hold %2 as HH:MM-HH:MM.")
                        .arg(quoted(text), what.text()));
    out = *span;
    return true;
}

bool TournamentParser::readTimetableSettings(TimetableSettings& settings)
{
    qint16 pitchCount = 0;
    if (!readNumber({ "the number of pitches" }, 1, kMaxPitches, "1 to 64", pitchCount))
        return false;
    for (int p = 1; p <= pitchCount; ++p) {
        QString name;
        if (!readText({ "the name of pitch %1", p }, name))
            return false;
        settings.pitches.append(name);
    }
    qint16 dayCount = 0;
    if (!readNumber({ "the number of days of the timetable" }, 1, 2, "1 or 2", dayCount))
        return false;
    for (int d = 1; d <= dayCount; ++d) {
        QString text;
        if (!readText({ "day %1 of the timetable", d }, text))
            return false;
        const QDate day = QDate::fromString(text, Qt::ISODate);
        if (!day.isValid() || (d > 1 && day <= settings.days.last()))
            return fail(m_lineNumber,
                        QCoreApplication::translate("TournamentFile",
                                                    "%1 is no date after the day before; this line should hold day %2 "
                                                    "of the timetable as YYYY-MM-DD.")
                            .arg(quoted(text))
                            .arg(d));
        settings.days.append(day);
    }
    if (!readTime({ "the first kick-off" }, settings.hours.from) || !readTime({ "the last finish" }, settings.hours.to))
        return false;
    if (settings.hours.to <= settings.hours.from)
        return fail(m_lineNumber,
                    QCoreApplication::translate("TournamentFile", "the last finish is not after the first kick-off."));
    qint16 groupGame = 0;
    qint16 knockoutGame = 0;
    qint16 changeover = 0;
    qint16 rest = 0;
    if (!readNumber({ "the minutes of a group game" }, 1, 1440, "1 to 1440", groupGame)
        || !readNumber({ "the minutes of a knockout game" }, 1, 1440, "1 to 1440", knockoutGame)
        || !readNumber({ "the minutes of a changeover" }, 0, 1440, "0 to 1440", changeover)
        || !readNumber({ "the minutes of a team's least rest" }, 0, 1440, "0 to 1440", rest))
        return false;
    settings.groupGameMinutes = groupGame;
    settings.knockoutGameMinutes = knockoutGame;
    settings.changeoverMinutes = changeover;
    settings.restMinutes = rest;
    qint16 breakCount = 0;
    static_assert(kMaxBreaks == 24 && kMaxPitches == 64, "the range texts here");
    if (!readNumber({ "the number of breaks" }, 0, kMaxBreaks, "0 to 24", breakCount))
        return false;
    for (int b = 1; b <= breakCount; ++b) {
        MinuteSpan span;
        if (!readSpan({ "break %1", b }, span))
            return false;
        settings.breaks.append(span);
    }
    qint16 teamCount = 0;
    if (!readNumber({ "the number of teams with hours" }, 0, kMaxListLines, "0 to 32767", teamCount))
        return false;
    for (int t = 1; t <= teamCount; ++t) {
        TeamHours hours;
        if (!readText({ "the name of team %1 with hours", t }, hours.team)
            || !readSpan({ "the hours of team %1", t }, hours.hours))
            return false;
        settings.teamHours.append(hours);
    }
    return true;
}

bool TournamentParser::readGroupSlots(TournamentData& data, int pitchCount)
{
    qint16 count = 0;
    if (!readNumber({ "the number of group games with a time" }, 0, kMaxListLines, "0 to 32767", count))
        return false;
    for (int k = 1; k <= count; ++k) {
        QString line;
        if (!readText({ "the time of group game %1", k }, line))
            return false;
        const QList<QStringView> fields = QStringView(line).split(u' ');
        const int group = fields.size() > 2 ? fields[0].toInt() : 0;
        const int recordLine = fields.size() > 2 ? fields[1].toInt() : 0;
        const auto refuse = [&](const QString& reason) {
            return fail(m_lineNumber,
                        QCoreApplication::translate("TournamentFile", "the time of group game %1, %2: %3.")
                            .arg(QString::number(k), quoted(line), reason));
        };
        if (group < 1 || group > data.groups.size() || recordLine < 1
            || recordLine > data.groups[group - 1].recordLines.size())
            return refuse(QCoreApplication::translate("TournamentFile", "there is no such group and record line"));
        QString problem;
        const qsizetype slotStart = fields[0].size() + fields[1].size() + 2;
        const std::optional<GameSlot> slot = readSlotText(QStringView(line).mid(slotStart), pitchCount, &problem);
        if (!slot)
            return refuse(problem);
        TournamentGroupData& records = data.groups[group - 1];
        records.gameSlots.resize(records.recordLines.size());
        if (records.gameSlots[recordLine - 1])
            return refuse(QCoreApplication::translate("TournamentFile", "that game has a time already"));
        records.gameSlots[recordLine - 1] = slot;
    }
    return true;
}

bool TournamentParser::readKnockoutSlots(Timetable& timetable)
{
    qint16 count = 0;
    if (!readNumber({ "the number of knockout games with a time" }, 0, 2 * kMaximumEntrants, "0 to 128", count))
        return false;
    for (int k = 1; k <= count; ++k) {
        QString line;
        if (!readText({ "the time of knockout game %1", k }, line))
            return false;
        const QList<QStringView> fields = QStringView(line).split(u' ');
        const auto refuse = [&](const QString& reason) {
            return fail(m_lineNumber,
                        QCoreApplication::translate("TournamentFile", "the time of knockout game %1, %2: %3.")
                            .arg(QString::number(k), quoted(line), reason));
        };
        KnockoutSlot game;
        game.tie = fields[0].toString();
        game.leg = fields.size() > 2 ? fields[1].toInt() : 0;
        if (!readTieCode(game.tie) || game.leg < 1 || game.leg > 2)
            return refuse(QCoreApplication::translate("TournamentFile", "there is no such tie and leg"));
        if (timetable.knockoutSlot(game.tie, game.leg))
            return refuse(QCoreApplication::translate("TournamentFile", "that game has a time already"));
        QString problem;
        const qsizetype slotStart = fields[0].size() + fields[1].size() + 2;
        const std::optional<GameSlot> slot
            = readSlotText(QStringView(line).mid(slotStart), int(timetable.settings.pitches.size()), &problem);
        if (!slot)
            return refuse(problem);
        game.slot = *slot;
        if (!readText({ "the first team's name in knockout game %1", k }, game.homeName)
            || !readText({ "the second team's name in knockout game %1", k }, game.awayName))
            return false;
        timetable.knockout.append(game);
    }
    return true;
}

bool TournamentParser::readTimetable(TournamentData& data)
{
    Timetable timetable;
    if (!readTimetableSettings(timetable.settings))
        return false;
    const int pitchCount = int(timetable.settings.pitches.size());
    if (!readGroupSlots(data, pitchCount) || !readKnockoutSlots(timetable))
        return false;
    data.timetable = std::move(timetable);
    return true;
}

bool TournamentParser::readAdjustments(TournamentData& data)
{
    qint16 count = 0;
    if (!readNumber({ "the number of points adjustments" }, 0, kMaxListLines, "0 to 32767", count))
        return false;
    for (int a = 1; a <= count; ++a) {
        qint16 group = 0;
        qint16 team = 0;
        qint16 points = 0;
        QString reason;
        if (!readNumber({ "the group of points adjustment %1", a }, -32768, 32767, "-32768 to 32767", group))
            return false;
        if (group < 1 || group > data.GroupCount)
            return fail(m_lineNumber,
                        QCoreApplication::translate("TournamentFile",
                                                    "points adjustment %1 names group %2, but the tournament has %3.")
                            .arg(a)
                            .arg(group)
                            .arg(data.GroupCount));
        PointsAdjustments& adjustments = data.groups[group - 1].adjustments;
        const int teamCount = int(data.groups[group - 1].teams.size());
        if (!readNumber({ "the team of points adjustment %1", a }, -32768, 32767, "-32768 to 32767", team))
            return false;
        if (team < 0 || team >= teamCount)
            return fail(m_lineNumber,
                        QCoreApplication::translate("TournamentFile",
                                                    "points adjustment %1 names team %2, but group %3 has %4 team "
                                                    "names.")
                            .arg(a)
                            .arg(team)
                            .arg(group)
                            .arg(teamCount));
        if (!readNumber({ "the points of points adjustment %1", a }, -32768, 32767, "-32768 to 32767", points))
            return false;
        if (!readText({ "the reason of points adjustment %1", a }, reason))
            return false;
        // In the file's order, so that the file is written back as it was read; a team may have several.
        if (points != 0)
            adjustments.append({ team, points, reason });
    }
    return true;
}

bool isLineEnd(char byte)
{
    return byte == '\n' || byte == '\r';
}

// A file is read as UTF-8 when it all is; otherwise line by line, so that one line in the
// Windows code page does not turn every other accented name into nonsense at the next save.
QString decodeTournamentText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && !isLineEnd(bytes[end]))
            ++end;
        const QByteArray line = bytes.mid(start, end - start);
        QStringDecoder lineDecoder(QStringDecoder::Utf8);
        const QString decoded = lineDecoder.decode(line);
        text += lineDecoder.hasError() ? decodeWindows1252(line) : decoded;
        while (end < bytes.size() && isLineEnd(bytes[end]))
            text += QLatin1Char(bytes[end++]);
        start = end;
    }
    return text;
}

void appendTextLine(QByteArray& out, const QString& text)
{
    out += text.toUtf8();
    out += "\r\n";
}

void appendNumberLine(QByteArray& out, int value)
{
    out += value < 0 ? '-' : ' ';
    out += QByteArray::number(value < 0 ? -value : value);
    out += " \r\n";
}

bool holdsLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

// Results in the order the ties are played, so that reading enters each one after those it needs.
void appendKnockoutSection(QByteArray& out, const KnockoutStage& stage)
{
    appendTextLine(out, kKnockoutHeading);
    appendNumberLine(out, stage.size());
    for (const KnockoutStage::Place& place : stage.places()) {
        appendNumberLine(out, place ? place->group : kNoGroupBye);
        appendNumberLine(out, place ? place->number : 0);
        appendTextLine(out, place ? place->name : QString());
    }
    for (int roundSize = stage.size(); roundSize >= 2; roundSize /= 2)
        appendNumberLine(out, stage.legs(roundSize));
    appendNumberLine(out, stage.thirdPlaceMatch() ? 1 : 0);
    appendNumberLine(out, stage.awayGoals() ? 1 : 0);
    appendTextLine(out, stage.startDate().isValid() ? stage.startDate().toString(Qt::ISODate) : QString());
    appendNumberLine(out, stage.daysBetweenRounds());
    appendNumberLine(out, int(stage.results().size()));
    for (const QString& code : stage.tieCodes()) {
        if (const std::optional<TieResult> result = stage.result(code))
            appendTextLine(out, code + u' ' + tieResultText(*result));
    }
}

void appendTimetableSection(QByteArray& out, const TournamentData& data)
{
    const Timetable& timetable = *data.timetable;
    const TimetableSettings& settings = timetable.settings;
    appendTextLine(out, kTimetableHeading);
    appendNumberLine(out, int(settings.pitches.size()));
    for (const QString& pitch : settings.pitches)
        appendTextLine(out, pitch);
    appendNumberLine(out, int(settings.days.size()));
    for (const QDate& day : settings.days)
        appendTextLine(out, day.toString(Qt::ISODate));
    appendTextLine(out, minuteText(settings.hours.from));
    appendTextLine(out, minuteText(settings.hours.to));
    appendNumberLine(out, settings.groupGameMinutes);
    appendNumberLine(out, settings.knockoutGameMinutes);
    appendNumberLine(out, settings.changeoverMinutes);
    appendNumberLine(out, settings.restMinutes);
    appendNumberLine(out, int(settings.breaks.size()));
    for (const MinuteSpan& span : settings.breaks)
        appendTextLine(out, minuteText(span.from) + u'-' + minuteText(span.to));
    appendNumberLine(out, int(settings.teamHours.size()));
    for (const TeamHours& hours : settings.teamHours) {
        appendTextLine(out, hours.team);
        appendTextLine(out, minuteText(hours.hours.from) + u'-' + minuteText(hours.hours.to));
    }
    QStringList groupSlots;
    for (int g = 0; g < data.groups.size(); ++g) {
        const QVector<std::optional<GameSlot>>& gameSlots = data.groups[g].gameSlots;
        for (int k = 0; k < gameSlots.size(); ++k) {
            if (gameSlots[k])
                groupSlots.append(QStringLiteral("%1 %2 ").arg(g + 1).arg(k + 1) + slotText(*gameSlots[k]));
        }
    }
    appendNumberLine(out, int(groupSlots.size()));
    for (const QString& line : std::as_const(groupSlots))
        appendTextLine(out, line);
    appendNumberLine(out, int(timetable.knockout.size()));
    for (const KnockoutSlot& game : timetable.knockout) {
        appendTextLine(out, QStringLiteral("%1 %2 ").arg(game.tie).arg(game.leg) + slotText(game.slot));
        appendTextLine(out, game.homeName);
        appendTextLine(out, game.awayName);
    }
}

} // namespace

QString unreadableLinesMessage(const QVector<UnreadableRecordLine>& lines)
{
    constexpr int kListed = 10;
    QString message = lines.size() == 1
        ? QCoreApplication::translate("TournamentFile", "1 record line could not be read.")
        : QCoreApplication::translate("TournamentFile", "%1 record lines could not be read.").arg(lines.size());
    message += QCoreApplication::translate("TournamentFile",
                                           " They are kept as they are and saved back unchanged, but league tables and "
                                           "reports leave them out:");
    for (int i = 0; i < lines.size() && i < kListed; ++i) {
        const UnreadableRecordLine& line = lines[i];
        message += QCoreApplication::translate("TournamentFile", "\rGroup %1, record line %2: %3 (%4)")
                       .arg(line.group)
                       .arg(line.recordLine)
                       .arg(quoted(line.text), line.reason);
    }
    if (lines.size() > kListed)
        message += QCoreApplication::translate("TournamentFile", "\rand %1 more.").arg(lines.size() - kListed);
    return message;
}

namespace {

// `source` names the file in the messages, or is empty for bytes that come from elsewhere.
TournamentReadResult parseTournamentFrom(const QByteArray& bytes, const QString& source)
{
    const QString text = decodeTournamentText(bytes);
    TournamentParser parser(text);
    TournamentData data;
    TournamentReadResult result;
    if (parser.parse(data)) {
        result.data = std::move(data);
        result.unreadable = parser.unreadable();
        return result;
    }
    result.line = parser.faultLine();
    result.error = source.isEmpty()
        ? QCoreApplication::translate("TournamentFile", "Line %1: %2").arg(parser.faultLine()).arg(parser.faultReason())
        : QCoreApplication::translate("TournamentFile", "Line %1 of %2: %3")
              .arg(parser.faultLine())
              .arg(source, parser.faultReason());
    return result;
}

} // namespace

TournamentReadResult parseTournament(const QByteArray& bytes)
{
    return parseTournamentFrom(bytes, QString());
}

TournamentReadResult readTournamentFile(const QString& path)
{
    TournamentReadResult result;
    if (QFileInfo(path).isDir()) {
        result.error
            = QCoreApplication::translate("TournamentFile", "Cannot read %1: it is a folder, not a tournament file.")
                  .arg(path);
        return result;
    }
    const std::optional<QByteArray> bytes = readBoundedFile(
        path, kMaxTournamentFileBytes, QCoreApplication::translate("TournamentFile", "tournament file"), &result.error);
    if (!bytes)
        return result;
    return parseTournamentFrom(*bytes, path);
}

std::optional<QByteArray> formatTournament(const TournamentData& data, QString* error)
{
    const auto fail = [error](const QString& reason) -> std::optional<QByteArray> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (data.GroupCount < 1 || data.GroupCount > kMaxGroups || data.groups.size() != data.GroupCount)
        return fail(
            QCoreApplication::translate("TournamentFile",
                                        "The tournament has %1 groups and %2 group windows; it needs 1 to %3 of each.")
                .arg(data.GroupCount)
                .arg(data.groups.size())
                .arg(kMaxGroups));
    if (data.RuleCount < 1 || data.RuleCount > kMaxRules)
        return fail(
            QCoreApplication::translate("TournamentFile", "The tournament has %1 league order rules; it needs 1 to %2.")
                .arg(data.RuleCount)
                .arg(kMaxRules));
    for (const QString* text : { &data.title, &data.GroupTitle }) {
        if (holdsLineBreak(*text))
            return fail(
                QCoreApplication::translate("TournamentFile", "The text %1 holds a line break.").arg(quoted(*text)));
    }
    qsizetype adjustmentCount = 0;
    for (int g = 1; g <= data.GroupCount; ++g) {
        const TournamentGroupData& group = data.groups[g - 1];
        if (group.teams.size() > kMaxListLines || group.recordLines.size() > kMaxListLines)
            return fail(
                QCoreApplication::translate("TournamentFile", "Group %1 holds more than %2 teams or record lines.")
                    .arg(g)
                    .arg(kMaxListLines));
        if (holdsLineBreak(group.caption))
            return fail(
                QCoreApplication::translate("TournamentFile", "The caption of group %1 holds a line break.").arg(g));
        for (const PointsAdjustment& adjustment : group.adjustments) {
            if (adjustment.team < 0 || adjustment.team >= group.teams.size())
                return fail(
                    QCoreApplication::translate("TournamentFile",
                                                "Group %1 has a points adjustment for team %2, which it does not have.")
                        .arg(g)
                        .arg(adjustment.team));
            if (holdsLineBreak(adjustment.reason))
                return fail(
                    QCoreApplication::translate("TournamentFile", "The reason %1 of group %2 holds a line break.")
                        .arg(quoted(adjustment.reason), QString::number(g)));
        }
        adjustmentCount += group.adjustments.size();
        for (const QStringList* list : { &group.teams, &group.recordLines }) {
            for (const QString& text : *list) {
                if (holdsLineBreak(text))
                    return fail(
                        QCoreApplication::translate("TournamentFile", "The text %1 of group %2 holds a line break.")
                            .arg(quoted(text), QString::number(g)));
            }
        }
    }
    if (data.knockout) {
        for (const KnockoutStage::Place& place : data.knockout->places()) {
            if (place && holdsLineBreak(place->name))
                return fail(QCoreApplication::translate("TournamentFile", "The knockout team %1 holds a line break.")
                                .arg(quoted(place->name)));
        }
    }
    if (data.timetable) {
        const TimetableSettings& settings = data.timetable->settings;
        QStringList names = settings.pitches;
        for (const TeamHours& hours : settings.teamHours)
            names.append(hours.team);
        for (const KnockoutSlot& game : data.timetable->knockout)
            names << game.homeName << game.awayName;
        for (const QString& name : std::as_const(names)) {
            if (holdsLineBreak(name))
                return fail(QCoreApplication::translate("TournamentFile", "The timetable's name %1 holds a line break.")
                                .arg(quoted(name)));
        }
    }
    if (adjustmentCount > kMaxListLines)
        return fail(
            QCoreApplication::translate("TournamentFile", "The tournament holds more than %1 points adjustments.")
                .arg(kMaxListLines));

    QByteArray out;
    qsizetype estimate = 256;
    for (const TournamentGroupData& group : data.groups) {
        for (const QString& team : group.teams)
            estimate += team.size() + 2;
        for (const QString& line : group.recordLines)
            estimate += line.size() + 2;
    }
    out.reserve(estimate);

    appendTextLine(out, data.title);
    appendNumberLine(out, data.GroupCount);
    appendTextLine(out, data.GroupTitle);
    appendNumberLine(out, data.Indicator);
    for (int g = 1; g <= data.GroupCount; ++g)
        appendNumberLine(out, data.TeamsInGroup[g]);
    appendNumberLine(out, data.RuleCount);
    for (int r = 1; r <= data.RuleCount; ++r)
        appendNumberLine(out, data.RuleOrder[r]);
    appendNumberLine(out, data.PointsForWin);
    appendNumberLine(out, data.PointsForDraw);
    for (const TournamentGroupData& group : data.groups) {
        appendTextLine(out, group.caption);
        appendNumberLine(out, static_cast<int>(group.teams.size()));
        for (const QString& team : group.teams)
            appendTextLine(out, team);
        appendNumberLine(out, static_cast<int>(group.recordLines.size()));
        for (const QString& line : group.recordLines)
            appendTextLine(out, line);
    }
    // Written only when there are any, so a file without them stays as the Windows edition wrote it.
    if (adjustmentCount > 0) {
        appendTextLine(out, kAdjustmentsHeading);
        appendNumberLine(out, static_cast<int>(adjustmentCount));
        for (int g = 1; g <= data.GroupCount; ++g) {
            for (const PointsAdjustment& adjustment : data.groups[g - 1].adjustments) {
                appendNumberLine(out, g);
                appendNumberLine(out, adjustment.team);
                appendNumberLine(out, adjustment.points);
                appendTextLine(out, adjustment.reason);
            }
        }
    }
    if (data.knockout)
        appendKnockoutSection(out, *data.knockout);
    if (data.timetable)
        appendTimetableSection(out, data);
    return out;
}

bool saveTournamentFile(const TournamentData& data, const QString& path, QString* error)
{
    const auto fail = [&path, error](const QString& reason) {
        if (error)
            *error = QCoreApplication::translate("TournamentFile", "Cannot save the tournament to %1: %2")
                         .arg(path, reason);
        return false;
    };
    QString problem;
    const std::optional<QByteArray> bytes = formatTournament(data, &problem);
    if (!bytes)
        return fail(problem);

    QString reason;
    if (!writeFileSafely(path, *bytes, &reason))
        return fail(reason + u'.');
    return true;
}
