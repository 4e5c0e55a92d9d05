#include "setup/TournamentSetup.h"

#include <QTest>

using Status = TeamCountReading::Status;
Q_DECLARE_METATYPE(TeamCountReading::Status)

class TestTournamentSetup : public QObject
{
    Q_OBJECT

private slots:
    void teamCounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Status>("status");
        QTest::addColumn<int>("count");
        QTest::newRow("two") << "2" << Status::Accepted << 2;
        QTest::newRow("2.5 rounds down to even") << "2.5" << Status::Accepted << 2;
        QTest::newRow("3.5 rounds up to even") << "3.5" << Status::Accepted << 4;
        QTest::newRow("2.6 rounds to nearest") << "2.6" << Status::Accepted << 3;
        QTest::newRow("leading blanks skipped") << "   7" << Status::Accepted << 7;
        QTest::newRow("text after the number ignored") << "12 teams" << Status::Accepted << 12;
        QTest::newRow("plus sign") << "+3" << Status::Accepted << 3;
        QTest::newRow("exponent") << "3e1" << Status::Accepted << 30;
        QTest::newRow("largest 16-bit count") << "32767" << Status::Accepted << 32767;
        QTest::newRow("one") << "1" << Status::TooFew << 0;
        QTest::newRow("1.6 is below 2 before rounding") << "1.6" << Status::TooFew << 0;
        QTest::newRow("empty") << "" << Status::TooFew << 0;
        QTest::newRow("letters only") << "abc" << Status::TooFew << 0;
        QTest::newRow("letters before digits") << "x12" << Status::TooFew << 0;
        QTest::newRow("negative") << "-5" << Status::TooFew << 0;
        QTest::newRow("large negative") << "-40000" << Status::TooFew << 0;
        QTest::newRow("40000") << "40000" << Status::TooLarge << 0;
        QTest::newRow("32767.5 rounds beyond 16 bits") << "32767.5" << Status::TooLarge << 0;
        QTest::newRow("exponent beyond 16 bits") << "1e6" << Status::TooLarge << 0;
    }
    void teamCounts()
    {
        QFETCH(QString, text);
        QFETCH(Status, status);
        QFETCH(int, count);
        const TeamCountReading reading = readTeamCount(text);
        QCOMPARE(reading.status, status);
        if (status == Status::Accepted)
            QCOMPARE(int(reading.count), count);
    }

    void ruleEntriesAndCodes()
    {
        const QStringList entries = ruleEntries();
        QCOMPARE(entries,
                 (QStringList { "1. Points Scored", "2. Goal Difference", "3. Goals Scored", "4. Games Won",
                                "5. Games Between Teams" }));
        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(int(ruleCodeOf(entries[i])), i + 1);
        QCOMPARE(defaultRuleOrder(),
                 (QStringList { "1. Points Scored", "4. Games Won", "2. Goal Difference", "3. Goals Scored",
                                "5. Games Between Teams" }));
    }

    void title()
    {
        QCOMPARE(tournamentTitle("Spring Cup", "Leeds"), QStringLiteral("Tabulon - Spring Cup at Leeds"));
        QCOMPARE(tournamentTitle(" ", " "), QStringLiteral("Tabulon -   at  "));
    }

    void summaryText()
    {
        const QString expected = QStringLiteral("Tournament Setup\r\r"
                                                "Tournament Name = Spring Cup\r"
                                                "Location = Leeds\r"
                                                "Number of Groups = 3\r"
                                                "Teams in Group 1 = 4\r"
                                                "Teams in Group 2 = 12\r"
                                                "Teams in Group 3 = 32767\r"
                                                "RULES ORDER\r"
                                                "4. Games Won\r"
                                                "1. Points Scored\r"
                                                "\rAre these settings correct");
        QCOMPARE(checkSettingsText("Spring Cup", "Leeds", 3, { 4, 12, 32767 }, { "4. Games Won", "1. Points Scored" }),
                 expected);
    }

    void summaryKeepsPercentSignsOfNames()
    {
        const QString text = checkSettingsText("100% Cup %1", "Hall %2", 1, { 2 }, { "1. Points Scored" });
        QVERIFY(text.contains(QStringLiteral("Tournament Name = 100% Cup %1\r")));
        QVERIFY(text.contains(QStringLiteral("Location = Hall %2\r")));
        QVERIFY(text.contains(QStringLiteral("Teams in Group 1 = 2\r")));
    }
};

QTEST_GUILESS_MAIN(TestTournamentSetup)
#include "tst_tournamentsetup.moc"
