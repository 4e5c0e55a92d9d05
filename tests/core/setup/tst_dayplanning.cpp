// The tournament's day planned from its data: cup16.trn has four groups of four, each with its six
// fixtures round by round, and cup16_template.csv the quarter-finals after them.
#include "core/records/RecordLines.h"
#include "core/setup/DayPlanning.h"

#include <QFile>
#include <QTest>
#include <tuple>

namespace {

const QDate kDay(2027, 6, 12);

TournamentData cup16()
{
    return *readTournamentFile(QStringLiteral(TABULON_TEST_DATA "/cup16.trn")).data;
}

KnockoutTemplate cupTemplate()
{
    QFile file(QStringLiteral(TABULON_TEST_DATA "/cup16_template.csv"));
    return file.open(QIODevice::ReadOnly) ? readKnockoutTemplate(file.readAll(), nullptr).value() : KnockoutTemplate();
}

TimetableSettings cupSettings()
{
    TimetableSettings settings;
    settings.pitches = QStringList { "Pitch 1", "Pitch 2", "Pitch 3" };
    settings.days = { kDay };
    settings.hours = { 9 * 60, 18 * 60 };
    settings.groupGameMinutes = 20;
    settings.knockoutGameMinutes = 30;
    settings.changeoverMinutes = 5;
    settings.restMinutes = 20;
    return settings;
}

PlannedDay planCup(const TournamentData& data, TimetableSettings settings = cupSettings())
{
    QString refusal;
    const std::optional<PlannedDay> day
        = planTournamentDay(data, settings, KnockoutPlanShape { cupTemplate(), true }, &refusal);
    if (!day)
        qWarning() << refusal;
    return day.value_or(PlannedDay());
}

void applyPlan(TournamentData& data, const PlannedDay& day)
{
    data.timetable = day.timetable;
    for (int g = 0; g < data.groups.size(); ++g)
        data.groups[g].gameSlots = day.groupSlots.value(g);
}

} // namespace

class TestDayPlanning : public QObject
{
    Q_OBJECT

private slots:
    void plansTheCupDay()
    {
        TimetableSettings settings = cupSettings();
        settings.teamHours = { { "town, leeds", { 10 * 60 + 30, 18 * 60 } } };
        const TournamentData data = cup16();
        const PlannedDay day = planCup(data, settings);
        QVERIFY(day.summary.startsWith("Planned 32 games on 3 pitches, 09:00 to "));
        QVector<int> groupEnd(4, 0);
        for (int g = 0; g < 4; ++g) {
            QCOMPARE(day.groupSlots.value(g).size(), 6);
            for (int line = 0; line < 6; ++line) {
                const std::optional<GameSlot> slot = day.groupSlots[g][line];
                QVERIFY(slot && slot->date == kDay);
                groupEnd[g] = std::max(groupEnd[g], slot->end);
                const Record game = *data.groups[g].games[line];
                if (data.groups[g].teams[game.home] == "Town, Leeds"
                    || data.groups[g].teams[game.away] == "Town, Leeds")
                    QVERIFY(slot->start >= 10 * 60 + 30);
            }
        }
        QStringList games;
        QMap<QString, GameSlot> slotOf;
        for (const KnockoutSlot& game : day.timetable.knockout) {
            games << game.tie + ':' + game.homeName + " v " + game.awayName;
            slotOf[game.tie] = game.slot;
        }
        games.sort();
        QCOMPARE(games,
                 QStringList({ "3P:Loser SF1 v Loser SF2", "F:Winner SF1 v Winner SF2", "QF1:1A v 2B", "QF2:1C v 2D",
                               "QF3:1B v 2A", "QF4:1D v 2C", "SF1:Winner QF1 v Winner QF2",
                               "SF2:Winner QF3 v Winner QF4" }));
        // Each quarter-final waits for its groups' games and the rest after them, and for every group game.
        for (const auto& [quarterFinal, groupA, groupB] : { std::tuple { "QF1", 0, 1 }, std::tuple { "QF2", 2, 3 },
                                                            std::tuple { "QF3", 1, 0 }, std::tuple { "QF4", 3, 2 } }) {
            QVERIFY(slotOf[quarterFinal].start >= std::max(groupEnd[groupA], groupEnd[groupB]) + settings.restMinutes);
            QVERIFY(slotOf[quarterFinal].start >= *std::max_element(groupEnd.begin(), groupEnd.end()));
        }
        QVERIFY(slotOf["SF1"].start >= std::max(slotOf["QF1"].end, slotOf["QF2"].end) + settings.restMinutes);
        for (const char* last : { "F", "3P" })
            QVERIFY(slotOf[last].start >= std::max(slotOf["SF1"].end, slotOf["SF2"].end) + settings.restMinutes);
        QCOMPARE(day.timetable.settings, settings);
    }

    // The stage set up from the template the day was planned by plays its games in their slots.
    void stageSetUpKeepsTheSlots()
    {
        TournamentData data = cup16();
        const PlannedDay day = planCup(data);
        applyPlan(data, day);
        QVector<QVector<KnockoutTeam>> groups; // in league order: as listed
        for (int g = 0; g < data.groups.size(); ++g) {
            groups.append(QVector<KnockoutTeam>());
            for (int t = 0; t < data.groups[g].teams.size(); ++t)
                groups[g].append({ g + 1, t, data.groups[g].teams[t] });
        }
        data.knockout = KnockoutStage::fromPlaces(*templatePlaces(cupTemplate(), groups, {}, nullptr), nullptr);
        data.knockout->setThirdPlaceMatch(true);
        int found = 0;
        for (const TimetableGame& game : timetableGames(data)) {
            if (game.tie == "QF3") {
                QCOMPARE(game.slot, day.timetable.knockoutSlot("QF3", 1)->slot);
                QCOMPARE(game.homeName + " v " + game.awayName,
                         data.groups[1].teams[0] + " v " + data.groups[0].teams[1]);
                ++found;
            }
        }
        QCOMPARE(found, 1);
        // Planned again with the stage set up: the same ties, its teams by name.
        const std::optional<PlannedDay> again = planTournamentDay(data, cupSettings(), std::nullopt, nullptr);
        QCOMPARE(again->timetable.knockout.size(), 8);
        QCOMPARE(again->timetable.knockoutSlot("QF3", 1)->homeName, data.groups[1].teams[0]);
        QCOMPARE(again->timetable.knockoutSlot("SF2", 1)->awayName, "Winner QF4");
    }

    // A played game keeps its slot; the games left start after it ends and the rest after it.
    void playedGameKeepsItsSlot()
    {
        TournamentData data = cup16();
        QStringList& lines = data.groups[2].recordLines;
        lines[3] = "R:" + lines[3].section(':', 1, 1) + ":::2:1:" + lines[3].section(':', 2);
        data.groups[2].games[3] = readRecordLine(lines[3]);
        const GameSlot played { kDay, 10 * 60, 10 * 60 + 20, 1 };
        data.groups[2].gameSlots = { {}, {}, {}, played, {}, {} };
        const PlannedDay day = planCup(data);
        QCOMPARE(day.groupSlots[2][3], played);
        QVERIFY(day.summary.startsWith("Planned 31 games on 3 pitches, 10:40 to "));
        for (const auto& group : day.groupSlots)
            for (const std::optional<GameSlot>& slot : group)
                QVERIFY(*slot == played || slot->start >= played.end + 20);
    }

    void refusesHoursOfAnUnknownTeam()
    {
        TimetableSettings settings = cupSettings();
        settings.teamHours = { { "Rovers", { 10 * 60 + 30, 18 * 60 } } };
        QString refusal;
        QVERIFY(!planTournamentDay(cup16(), settings, std::nullopt, &refusal));
        QCOMPARE(refusal, "No group has a team called \"Rovers\".");
        // No more pitches than a file holds, so that the plan is never saved where it cannot be read again.
        settings = cupSettings();
        for (int pitch = int(settings.pitches.size()); pitch <= 64; ++pitch)
            settings.pitches.append(QStringLiteral("Field %1").arg(pitch));
        QVERIFY(!planTournamentDay(cup16(), settings, std::nullopt, &refusal));
        QCOMPARE(refusal, "A timetable has at most 64 pitches.");
    }
};

QTEST_GUILESS_MAIN(TestDayPlanning)
#include "tst_dayplanning.moc"
