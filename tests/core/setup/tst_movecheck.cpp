// Moving a game of the timetable by hand: the first rule a move breaks, or none.
#include "core/setup/MoveCheck.h"

#include <QTest>

class TestMoveCheck : public QObject
{
    Q_OBJECT

private slots:
    // cup_day.trn: Group A's four games at 10:00 (pitches 1 and 2) and 10:50 (Alpha v Gamma on pitch 1), Group B's
    // Echo v Foxtrot at 10:25 on pitch 1 (Foxtrot plays only 10:00-12:00), a break 12:30-13:00, the final at 14:00;
    // 20-minute group games, 30-minute knockout games, 5 minutes' changeover, 20 minutes' rest.
    void checksAMove_data()
    {
        QTest::addColumn<QString>("game"); // "group position" or the tie's code
        QTest::addColumn<QString>("to");   // kick-off, pitch from 1 (the day is the timetable's, the length the game's)
        QTest::addColumn<QString>("problem");
        // clang-format off
        QTest::newRow("free slot") << "1 0" << "11:30 3" << "";
        QTest::newRow("onto a team's other game") << "1 0" << "10:50 3" << "Alpha plays Gamma on Pitch 1 at 10:50.";
        QTest::newRow("too little rest") << "1 0" << "11:25 3" << "Alpha needs 20 minutes' rest after its game at 10:50.";
        QTest::newRow("rest before a later game") << "1 0" << "10:20 3" << "Alpha needs 20 minutes' rest before its game at 10:50.";
        QTest::newRow("pitch clash within the changeover") << "1 0" << "10:05 1" << "Pitch 1 holds 2. Group B, Echo v Foxtrot at 10:25.";
        QTest::newRow("into a break") << "1 0" << "12:40 3" << "12:40 lies in the break 12:30-13:00.";
        QTest::newRow("running into a break") << "1 0" << "12:15 3" << "A game at 12:15 runs into the break 12:30-13:00.";
        QTest::newRow("before the first kick-off") << "1 0" << "08:55 3" << "08:55 is before the first kick-off at 09:00.";
        QTest::newRow("ending exactly at the last finish") << "3 F" << "17:30 3" << "";
        QTest::newRow("beyond the last finish") << "1 0" << "17:45 3" << "A game at 17:45 ends at 18:05, after the last finish at 18:00.";
        QTest::newRow("outside a team's hours") << "2 0" << "11:45 3" << "Foxtrot plays only between 10:00 and 12:00.";
        QTest::newRow("group game after the knockout starts") << "1 0" << "13:50 3" << "A group game must end by the first knockout game at 14:00.";
        QTest::newRow("knockout before the groups end") << "3 F" << "11:00 3" << "A knockout game cannot start before the group games end at 11:10.";
        QTest::newRow("knockout game onto a group pitch") << "3 F" << "10:50 2" << "Pitch 2 holds 1. Group A, Beta v Delta at 10:50.";
        // clang-format on
    }
    void checksAMove()
    {
        QFETCH(QString, game);
        QFETCH(QString, to);
        QFETCH(QString, problem);
        const TournamentReadResult read = readTournamentFile(QStringLiteral(TABULON_TEST_DATA "/cup_day.trn"));
        QVERIFY2(read.ok(), qPrintable(read.error));
        const QStringList ids = game.split(QLatin1Char(' '));
        const QVector<TimetableGame> games = timetableGames(*read.data);
        const auto moved = std::find_if(games.begin(), games.end(), [&](const TimetableGame& g) {
            return ids.at(0) == QLatin1String("3") ? g.tie == ids.at(1)
                                                   : g.group == ids.at(0).toInt() && g.position == ids.at(1).toInt();
        });
        QVERIFY(moved != games.end());
        GameSlot slot = moved->slot;
        slot.start = *readMinuteText(to.section(QLatin1Char(' '), 0, 0));
        slot.end = slot.start + (moved->slot.end - moved->slot.start);
        slot.pitch = to.section(QLatin1Char(' '), 1).toInt() - 1;
        QCOMPARE(moveProblem(*read.data, *moved, slot), problem);
    }

    void refusesAnotherLengthOrDay()
    {
        const TournamentData data = *readTournamentFile(QStringLiteral(TABULON_TEST_DATA "/cup_day.trn")).data;
        const TimetableGame game = timetableGames(data).first();
        GameSlot slot = game.slot;
        slot.end += 5;
        QCOMPARE(moveProblem(data, game, slot), "A group game lasts 20 minutes.");
        slot = game.slot;
        slot.date = slot.date.addDays(1);
        QCOMPARE(moveProblem(data, game, slot), "13-Jun-2027 is not a day of the timetable.");
    }
};

QTEST_GUILESS_MAIN(TestMoveCheck)
#include "tst_movecheck.moc"
