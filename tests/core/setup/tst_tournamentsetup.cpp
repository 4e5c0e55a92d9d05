#include "core/setup/GroupCaption.h"
#include "core/setup/TournamentSetup.h"

#include <QTest>

using Status = TeamCountReading::Status;
Q_DECLARE_METATYPE(Status)

class TestTournamentSetup : public QObject
{
    Q_OBJECT

private slots:
    void labelsGroups_data()
    {
        QTest::addColumn<int>("indicator");
        QTest::addColumn<QStringList>("labels"); // of groups 1, 2 and 3
        QTest::addColumn<QString>("caption");    // of group 2 in a tournament of divisions
        // clang-format off
        QTest::newRow("letters") << 0 << QStringList { "A", "B", "C" } << "2. Division B";
        QTest::newRow("numbers") << 1 << QStringList { "1", "2", "3" } << "2. Division 2";
        QTest::newRow("premier first") << 2 << QStringList { "Premier", "1", "2" } << "2. Division 1";
        // clang-format on
    }
    void labelsGroups()
    {
        QFETCH(int, indicator);
        QFETCH(QStringList, labels);
        QFETCH(QString, caption);
        QCOMPARE((QStringList { groupLabel(1, indicator), groupLabel(2, indicator), groupLabel(3, indicator) }),
                 labels);
        QCOMPARE(groupCaption(2, QStringLiteral("Division"), indicator), caption);
    }

    void readsTeamCount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Status>("status");
        QTest::addColumn<int>("count"); // when accepted
        QTest::newRow("whole number") << "5" << Status::Accepted << 5;
        QTest::newRow("blanks and words around the number") << "  32767 teams" << Status::Accepted << 32767;
        QTest::newRow("half rounds down to even") << "2.5" << Status::Accepted << 2;
        QTest::newRow("half rounds up to even") << "3.5" << Status::Accepted << 4;
        QTest::newRow("no number") << "abc" << Status::TooFew << 0;
        QTest::newRow("one") << "1" << Status::TooFew << 0;
        QTest::newRow("below 2 as typed, though it rounds to 2") << "1.6" << Status::TooFew << 0;
        QTest::newRow("rounds beyond 16 bits") << "32767.5" << Status::TooLarge << 0;
    }
    void readsTeamCount()
    {
        QFETCH(QString, text);
        QFETCH(Status, status);
        QFETCH(int, count);
        const TeamCountReading reading = readTeamCount(text);
        QCOMPARE(reading.status, status);
        QCOMPARE(int(reading.count), count);
    }
};

QTEST_GUILESS_MAIN(TestTournamentSetup)
#include "tst_tournamentsetup.moc"
