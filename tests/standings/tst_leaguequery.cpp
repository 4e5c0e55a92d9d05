#include "standings/LeagueQuery.h"

#include <QTest>

class TestLeagueQuery : public QObject
{
    Q_OBJECT

private slots:
    void fixedTextIsExact();
    void orderClauses_data();
    void orderClauses();
    void teamNumberBreaksRemainingTies_data();
    void teamNumberBreaksRemainingTies();
};

void TestLeagueQuery::fixedTextIsExact()
{
    QCOMPARE(kLeagueQueryFixedText.size(), 158);
    QVERIFY(kLeagueQueryFixedText.endsWith(QLatin1String("[League].[TeamNumber]  ")));
    QCOMPARE(kTempTableQuery, QStringLiteral("SELECT * FROM TempTable"));
}

void TestLeagueQuery::orderClauses_data()
{
    QTest::addColumn<QList<int>>("rules");
    QTest::addColumn<QString>("clauses");
    QTest::addColumn<bool>("headToHead");

    QTest::newRow("1, 2, 3") << QList<int> { 1, 2, 3 } << "ORDER BY [Pts] DESC, [Diff] DESC, [For] DESC" << false;
    QTest::newRow("2, 1") << QList<int> { 2, 1 } << "ORDER BY [Diff] DESC, [Pts] DESC" << false;
    QTest::newRow("5, 1") << QList<int> { 5, 1 } << "ORDER BY [Pts] DESC" << true;
    QTest::newRow("5 alone") << QList<int> { 5 } << "" << true;
    QTest::newRow("1, 5, 2: rules after 5 still count")
        << QList<int> { 1, 5, 2 } << "ORDER BY [Pts] DESC, [Diff] DESC" << true;
    QTest::newRow("4, 3") << QList<int> { 4, 3 } << "ORDER BY [Won] DESC, [For] DESC" << false;
    QTest::newRow("all five") << QList<int> { 1, 4, 2, 3, 5 }
                              << "ORDER BY [Pts] DESC, [Won] DESC, [Diff] DESC, [For] DESC" << true;
    QTest::newRow("unknown codes add nothing") << QList<int> { 0, 7, 2 } << "ORDER BY [Diff] DESC" << false;
    QTest::newRow("no rules") << QList<int> {} << "" << false;
}

void TestLeagueQuery::orderClauses()
{
    QFETCH(QList<int>, rules);
    QFETCH(QString, clauses);
    QFETCH(bool, headToHead);

    const LeagueQuery query = buildLeagueQuery(rules);
    QCOMPARE(query.text, kLeagueQueryFixedText + clauses);
    QCOMPARE(query.headToHead, headToHead);
}

void TestLeagueQuery::teamNumberBreaksRemainingTies_data()
{
    QTest::addColumn<QList<int>>("rules");
    QTest::addColumn<QString>("ending");

    QTest::newRow("after the rules' clauses") << QList<int> { 1, 2 } << ", [Teams].[TeamNumber]";
    QTest::newRow("alone without clauses") << QList<int> { 5 } << "ORDER BY [Teams].[TeamNumber]";
}

void TestLeagueQuery::teamNumberBreaksRemainingTies()
{
    QFETCH(QList<int>, rules);
    QFETCH(QString, ending);
    const LeagueQuery query = buildLeagueQuery(rules);
    QCOMPARE(query.orderedText, query.text + ending);
}

QTEST_GUILESS_MAIN(TestLeagueQuery)
#include "tst_leaguequery.moc"
