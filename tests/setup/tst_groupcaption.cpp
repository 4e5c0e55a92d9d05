#include "setup/GroupCaption.h"

#include <QTest>

class TestGroupCaption : public QObject
{
    Q_OBJECT

private slots:
    void labelsOfEightGroups_data()
    {
        QTest::addColumn<int>("indicator");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("letters") << 0 << QStringList { "A", "B", "C", "D", "E", "F", "G", "H" };
        QTest::newRow("numbers") << 1 << QStringList { "1", "2", "3", "4", "5", "6", "7", "8" };
        QTest::newRow("premier then numbers") << 2 << QStringList { "Premier", "1", "2", "3", "4", "5", "6", "7" };
        QTest::newRow("3 is labelled as 2") << 3 << QStringList { "Premier", "1", "2", "3", "4", "5", "6", "7" };
        QTest::newRow("-1 is labelled as 2") << -1 << QStringList { "Premier", "1", "2", "3", "4", "5", "6", "7" };
        QTest::newRow("32767 is labelled as 2")
            << 32767 << QStringList { "Premier", "1", "2", "3", "4", "5", "6", "7" };
    }
    void labelsOfEightGroups()
    {
        QFETCH(int, indicator);
        QFETCH(QStringList, labels);
        QStringList actual;
        for (int group = 1; group <= 8; ++group)
            actual.append(groupLabel(group, indicator));
        QCOMPARE(actual, labels);
    }

    void captions_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("indicator");
        QTest::addColumn<QString>("caption");
        QTest::newRow("first division by letter") << 1 << "Division" << 0 << "1. Division A";
        QTest::newRow("third division by letter") << 3 << "Division" << 0 << "3. Division C";
        QTest::newRow("second pool by number") << 2 << "Pool" << 1 << "2. Pool 2";
        QTest::newRow("premier group") << 1 << "Group" << 2 << "1. Group Premier";
        QTest::newRow("third group under premier") << 3 << "Group" << 2 << "3. Group 2";
        QTest::newRow("title of two words kept") << 8 << "Far  League" << 0 << "8. Far  League H";
        QTest::newRow("empty title keeps its blank") << 2 << "" << 1 << "2.  2";
    }
    void captions()
    {
        QFETCH(int, group);
        QFETCH(QString, title);
        QFETCH(int, indicator);
        QFETCH(QString, caption);
        QCOMPARE(groupCaption(group, title, indicator), caption);
    }
};

QTEST_GUILESS_MAIN(TestGroupCaption)
#include "tst_groupcaption.moc"
