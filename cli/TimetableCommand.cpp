// tabulon-cli timetable: Plan the Day without windows, and the planned games as CSV.
#include "cli/Commands.h"
#include "cli/GroupOption.h"
#include "core/common/FullStop.h"
#include "core/common/TypedDate.h"
#include "core/records/CsvRows.h"
#include "core/records/RecordLines.h"
#include "core/setup/DayPlanning.h"
#include "core/setup/KnockoutSetup.h"
#include "core/tournament/TournamentFileLock.h"

#include <QCommandLineParser>
#include <tuple>

namespace {

const char* const kUsage
    = "Usage: tabulon-cli timetable FILE.trn --pitches \"Pitch 1,Pitch 2\" --day DD-MMM-YYYY [--day DD-MMM-YYYY]\n"
      "       --from HH:MM --to HH:MM --game MINUTES [--knockout-game MINUTES] --changeover MINUTES\n"
      "       --rest MINUTES [--break HH:MM-HH:MM]... [--available \"TEAM=HH:MM-HH:MM\"]...\n"
      "       [--knockout T.csv [--third-place]]\n"
      "   or: tabulon-cli timetable FILE.trn --format csv\n";

int refuse(QTextStream& err, const QString& message, int status = 1)
{
    err << "tabulon-cli timetable: " << withFullStop(message) << '\n';
    return status;
}

std::optional<int> readMinutes(const QString& text, int least)
{
    bool isNumber = false;
    const int minutes = text.toInt(&isNumber);
    return isNumber && minutes >= least && minutes <= 24 * 60 ? std::optional<int>(minutes) : std::nullopt;
}

// The settings the options give; nothing, with the option at fault and why in `error`.
std::optional<TimetableSettings> readSettings(const QCommandLineParser& parser, QString* error)
{
    const auto fail = [error](const QString& message) {
        *error = message;
        return std::nullopt;
    };
    TimetableSettings settings;
    const QString pitches = parser.value(QStringLiteral("pitches"));
    for (const QString& pitch : pitches.split(u',')) {
        if (pitch.trimmed().isEmpty())
            return fail(QStringLiteral("--pitches needs the pitches' names separated by commas, as \"Pitch 1,Pitch "
                                       "2\", not \"%1\".")
                            .arg(pitches));
        if (settings.pitches.contains(pitch.trimmed(), Qt::CaseInsensitive))
            return fail(QStringLiteral("--pitches names \"%1\" twice.").arg(pitch.trimmed()));
        settings.pitches.append(pitch.trimmed());
    }
    const QStringList days = parser.values(QStringLiteral("day"));
    if (days.size() > 2)
        return fail(QStringLiteral("--day is given once or twice: a plan covers one or two days."));
    for (const QString& text : days) {
        const std::optional<QDate> day = readTypedDate(text);
        if (!day)
            return fail(QStringLiteral("--day needs a date as DD-MMM-YYYY, not \"%1\".").arg(text));
        if (!settings.days.isEmpty() && *day <= settings.days.first())
            return fail(QStringLiteral("The second --day, %1, must come after the first.").arg(text));
        settings.days.append(*day);
    }
    for (const char* option : { "from", "to" }) {
        const QString text = parser.value(QString::fromLatin1(option));
        const std::optional<int> minute = readMinuteText(text);
        if (!minute)
            return fail(
                QStringLiteral("--%1 needs a time as HH:MM, not \"%2\".").arg(QString::fromLatin1(option), text));
        (option[0] == 'f' ? settings.hours.from : settings.hours.to) = *minute;
    }
    if (settings.hours.to <= settings.hours.from)
        return fail(QStringLiteral("--to, %1, must come after --from, %2.")
                        .arg(minuteText(settings.hours.to), minuteText(settings.hours.from)));
    const QString knockoutGame
        = parser.isSet(QStringLiteral("knockout-game")) ? QStringLiteral("knockout-game") : QStringLiteral("game");
    for (const auto& [option, least, minutes] :
         { std::tuple { QStringLiteral("game"), 1, &settings.groupGameMinutes },
           std::tuple { knockoutGame, 1, &settings.knockoutGameMinutes },
           std::tuple { QStringLiteral("changeover"), 0, &settings.changeoverMinutes },
           std::tuple { QStringLiteral("rest"), 0, &settings.restMinutes } }) {
        const std::optional<int> read = readMinutes(parser.value(option), least);
        if (!read)
            return fail(QStringLiteral("--%1 needs a whole number of minutes from %2 to 1440, not \"%3\".")
                            .arg(option, QString::number(least), parser.value(option)));
        *minutes = *read;
    }
    for (const QString& text : parser.values(QStringLiteral("break"))) {
        const std::optional<MinuteSpan> span = readMinuteSpan(text);
        if (!span)
            return fail(QStringLiteral("--break needs a time span as 12:30-13:00, not \"%1\".").arg(text));
        settings.breaks.append(*span);
    }
    for (const QString& text : parser.values(QStringLiteral("available"))) {
        const qsizetype sign = text.lastIndexOf(u'=');
        const std::optional<MinuteSpan> span = sign > 0 ? readMinuteSpan(text.mid(sign + 1)) : std::nullopt;
        if (!span || text.left(sign).trimmed().isEmpty())
            return fail(QStringLiteral("--available needs a team and the hours it can play, as \"Rovers=10:30-18:00\", "
                                       "not \"%1\".")
                            .arg(text));
        settings.teamHours.append({ text.left(sign).trimmed(), *span });
    }
    return settings;
}

// One row per game in time order; a tie's legs numbered only when it has two.
QString timetableCsv(const TournamentData& data)
{
    const QVector<TimetableGame> games = timetableGames(data);
    QStringList twoLegged;
    for (const TimetableGame& game : games)
        if (game.isKnockout() && game.leg == 2)
            twoLegged.append(game.tie);
    QString csv = QStringLiteral("date,start,end,pitch,stage,tie,leg,home,away\n");
    for (const TimetableGame& game : games) {
        const bool legs = game.isKnockout()
            && (twoLegged.contains(game.tie) || (data.knockout && data.knockout->games(game.tie) == 2));
        const QStringList cells { formatRecordDate(game.slot.date),
                                  minuteText(game.slot.start),
                                  minuteText(game.slot.end),
                                  data.timetable->settings.pitches.value(game.slot.pitch),
                                  game.stage,
                                  game.tie,
                                  legs ? QString::number(game.leg) : QString(),
                                  game.homeName,
                                  game.awayName };
        QStringList quoted;
        for (const QString& cell : cells)
            quoted.append(csvCell(cell));
        csv += quoted.join(u',') + u'\n';
    }
    return csv;
}

} // namespace

int runTimetableCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    for (const char* name : { "pitches", "day", "from", "to", "game", "knockout-game", "changeover", "rest", "break",
                              "available", "knockout", "format" })
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("VALUE")));
    parser.addOption(QCommandLineOption(QStringLiteral("third-place")));
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { QStringLiteral("timetable") } + args)) {
        err << "tabulon-cli timetable: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    if (parser.positionalArguments().size() != 1) {
        err << kUsage;
        return 2;
    }
    const QString path = parser.positionalArguments().first();
    if (parser.isSet(QStringLiteral("format"))) {
        if (parser.optionNames().count(QStringLiteral("format")) != parser.optionNames().size()) {
            err << kUsage;
            return 2;
        }
        if (parser.value(QStringLiteral("format")) != QLatin1String("csv"))
            return refuse(
                err, QStringLiteral("--format needs csv, not \"%1\".").arg(parser.value(QStringLiteral("format"))));
        const TournamentReadResult read = readTournamentFile(path);
        if (!read.ok())
            return refuse(err, read.error);
        if (!read.data->timetable)
            return refuse(err,
                          QStringLiteral("%1 has no timetable; tabulon-cli timetable with --pitches, --day and "
                                         "the hours plans the day.")
                              .arg(path));
        out << timetableCsv(*read.data);
        return 0;
    }
    for (const char* required : { "pitches", "day", "from", "to", "game", "changeover", "rest" }) {
        if (!parser.isSet(QString::fromLatin1(required))) {
            err << kUsage;
            return 2;
        }
    }
    QString error;
    const std::optional<TimetableSettings> settings = readSettings(parser, &error);
    if (!settings)
        return refuse(err, error);
    std::optional<KnockoutPlanShape> shape;
    if (parser.isSet(QStringLiteral("knockout"))) {
        const std::optional<QByteArray> bytes = readEntrantsFile(parser.value(QStringLiteral("knockout")), &error);
        const std::optional<KnockoutTemplate> knockoutTemplate
            = bytes ? readKnockoutTemplate(*bytes, &error) : std::nullopt;
        if (!knockoutTemplate)
            return refuse(err, error);
        shape = KnockoutPlanShape { *knockoutTemplate, parser.isSet(QStringLiteral("third-place")) };
    } else if (parser.isSet(QStringLiteral("third-place"))) {
        return refuse(err, QStringLiteral("--third-place goes with --knockout, the template of the stage to plan."));
    }

    TournamentFileLock lock;
    if (lock.lock(path) == TournamentFileLock::Result::InUse)
        return refuse(err, fileInUseMessage(path));
    TournamentDocument document;
    if (!openTournamentWithGroup(document, path, 0, &error))
        return refuse(err, error);
    const std::optional<PlannedDay> day = planTournamentDay(document.data(), *settings, shape, &error);
    if (!day)
        return refuse(err, error);
    document.setTimetable(day->timetable, day->groupSlots, QStringLiteral("Plan the Day"));
    if (!document.save(path, &error))
        return refuse(err, error);
    out << day->summary << '\n';
    return 0;
}
