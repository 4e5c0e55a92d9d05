#include "model/ExtractField.h"

#include <QTest>

class TestExtractField : public QObject
{
    Q_OBJECT

private slots:
    void extractsFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");

        QTest::newRow("quotes and blanks removed") << "a, \"b\" ,c" << 2 << "b";
        QTest::newRow("beyond the last field") << "a,b,c" << 4 << kNoData;
        QTest::newRow("empty last field") << "a,b," << 3 << "";
        QTest::newRow("empty line has one empty field") << "" << 1 << "";
        QTest::newRow("empty line has no second field") << "" << 2 << kNoData;
        QTest::newRow("comma inside quotes still separates") << "\"x,y\",z" << 1 << "x";
        QTest::newRow("only one quote removed at each end") << "\"\"q\"\"" << 1 << "\"q\"";
        QTest::newRow("blanks inside kept") << "  two words  " << 1 << "two words";
        QTest::newRow("blank inside quotes kept") << "\" in \"" << 1 << " in ";
        QTest::newRow("n below 1") << "a,b" << 0 << kNoData;
        // A report line of a 20-team table has more than 24 fields when it is wide; nothing is cut.
        QStringList fields;
        for (int i = 1; i <= 40; ++i)
            fields << QString::number(i);
        QTest::newRow("no field limit") << fields.join(u',') << 40 << "40";
    }
    void extractsFields()
    {
        QFETCH(QString, line);
        QFETCH(int, n);
        QFETCH(QString, expected);
        QCOMPARE(ExtractField(line, n), expected);
    }
};

QTEST_GUILESS_MAIN(TestExtractField)
#include "tst_extractfield.moc"
