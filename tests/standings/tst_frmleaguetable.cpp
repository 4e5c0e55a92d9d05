#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "app/Twips.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"
#include "standings/LeagueQuery.h"
#include "standings/frmLeagueTable.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// What the test saw of the league table window while it was open.
struct Seen
{
    bool shown = false;
    QString title;
    QStringList headers;
    QList<QStringList> rows;
    bool groupEnabled = true;
    bool waitPointer = false;
    bool editable = true;
    QRect gridGeometry;
    QRect closeGeometry;
    QString closeCaption;
    int columnsWidth = 0;
    int viewportWidth = 0;
    int nameColumnWidth = 0;
    int widestNameWidth = 0;
};

Seen readWindow(frmLeagueTable* window, const frmGroup& group)
{
    Seen seen;
    seen.shown = window->isVisible();
    seen.title = window->windowTitle();
    auto* grid = window->findChild<QTableView*>(QStringLiteral("DBGrid1"));
    auto* close = window->findChild<QPushButton*>(QStringLiteral("cmdClose"));
    if (!grid || !close)
        return seen;
    const QAbstractItemModel* model = grid->model();
    for (int c = 0; c < model->columnCount(); ++c) {
        seen.headers.append(model->headerData(c, Qt::Horizontal).toString());
        seen.columnsWidth += grid->columnWidth(c);
    }
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells.append(model->index(r, c).data().toString());
        seen.rows.append(cells);
        seen.widestNameWidth
            = qMax(seen.widestNameWidth, grid->fontMetrics().horizontalAdvance(model->index(r, 0).data().toString()));
    }
    seen.nameColumnWidth = grid->columnWidth(0);
    seen.viewportWidth = grid->viewport()->width();
    seen.groupEnabled = group.isEnabled();
    seen.waitPointer
        = QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    seen.editable = grid->editTriggers() != QAbstractItemView::NoEditTriggers;
    seen.gridGeometry = grid->geometry();
    seen.closeGeometry = close->geometry();
    seen.closeCaption = close->text();
    return seen;
}

// Runs `press` and reads the league table window it opens; a guard closes it should the test fail.
Seen pressAndRead(frmGroup& group, const std::function<void()>& press)
{
    Seen seen;
    QTimer::singleShot(0, &group, [&] {
        if (auto* window = qobject_cast<frmLeagueTable*>(QApplication::activeModalWidget())) {
            seen = readWindow(window, group);
            window->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
        }
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    guard.start(5000);
    press();
    return seen;
}

void setRules(const QList<int>& rules)
{
    Tournament.RuleCount = qint16(rules.size());
    for (int i = 0; i < rules.size(); ++i)
        Tournament.RuleOrder[i + 1] = qint16(rules[i]);
}

} // namespace

class TestFrmLeagueTable : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void buttonShowsTheTable_data();
    void buttonShowsTheTable();
    void nothingHappensWithoutLines();
    void layoutAndReadOnly();
    void longNamesAreNeverCut();
    void pressingAgainRecomputes();
    void reportModeReturnsTheQueryText_data();
    void reportModeReturnsTheQueryText();
    void missingDatabaseShowsTheError();

private:
    void fillGroup(const QStringList& teams, const QStringList& storedLines);

    TemporarySettings m_settings;
    QTemporaryDir m_folder;
    frmGroup* m_group = nullptr;
};

void TestFrmLeagueTable::init()
{
    resetProgramState();
    Tournament.PointsForWin = 3;
    Tournament.PointsForDraw = 1;
    setRules({ 1, 2 });
    DatabaseName = m_folder.filePath(QStringLiteral("TempDB.mdb"));
    QFile::remove(DatabaseName);
    QVERIFY(QFile::copy(QStringLiteral(TABULON_TEMPDB), DatabaseName));
    QFile::setPermissions(DatabaseName, QFile::ReadOwner | QFile::WriteOwner);
    m_group = new frmGroup;
    m_group->setTag(QStringLiteral("1"));
    m_group->show();
}

void TestFrmLeagueTable::cleanup()
{
    delete m_group;
    m_group = nullptr;
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void TestFrmLeagueTable::fillGroup(const QStringList& teams, const QStringList& storedLines)
{
    m_group->setTeams(teams);
    m_group->setStoredLines(storedLines);
    m_group->RefreshList();
}

void TestFrmLeagueTable::buttonShowsTheTable_data()
{
    QTest::addColumn<QList<int>>("rules");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QList<QStringList>>("rows");

    // Rovers 2-1 United, United 1-0 Rovers, and Wanderers only have a fixture.
    QTest::newRow("league query: Lost before Drawn")
        << QList<int> { 1, 2 }
        << QStringList { "Competitors Name", "Won", "Lost", "Drawn", "For", "Against", "Diff", "Pts" }
        << QList<QStringList> { { "Rovers", "1", "1", "0", "2", "2", "0", "3" },
                                { "United", "1", "1", "0", "2", "2", "0", "3" },
                                { "Wanderers", "0", "0", "0", "0", "0", "0", "0" } };
    QTest::newRow("TempTable with rule 5: Drawn before Lost, head-to-head applied")
        << QList<int> { 1, 5 }
        << QStringList { "Competitors Name", "Won", "Drawn", "Lost", "For", "Against", "Diff", "Pts" }
        << QList<QStringList> { { "United", "1", "0", "1", "2", "2", "0", "3" },
                                { "Rovers", "1", "0", "1", "2", "2", "0", "3" },
                                { "Wanderers", "0", "0", "0", "0", "0", "0", "0" } };
}

void TestFrmLeagueTable::buttonShowsTheTable()
{
    QFETCH(QList<int>, rules);
    QFETCH(QStringList, headers);
    QFETCH(QList<QStringList>, rows);

    setRules(rules);
    fillGroup({ "Rovers", "United", "Wanderers" },
              { "R:07-Mar-2000:1:0:2:1:0:1", "R:14-Mar-2000:0:0:1:0:1:0", "F:21-Mar-2000:2:0" });
    ScriptedPrompts prompts;
    const Seen seen = pressAndRead(
        *m_group, [this] { m_group->findChild<QPushButton*>(QStringLiteral("cmdLeagueTable"))->click(); });

    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("League Table"));
    QCOMPARE(seen.headers, headers);
    QCOMPARE(seen.rows, rows);
    QVERIFY(!seen.groupEnabled);
    QVERIFY(!seen.waitPointer); // the hourglass ends once the table is there
    QVERIFY(m_group->isEnabled());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(prompts.calls().isEmpty());
}

void TestFrmLeagueTable::nothingHappensWithoutLines()
{
    fillGroup({ "Rovers", "United" }, {});
    // A computation would now fail on the missing file and show a message the script does not expect.
    DatabaseName = m_folder.filePath(QStringLiteral("Absent.mdb"));
    ScriptedPrompts prompts;
    const Seen seen = pressAndRead(*m_group, [this] { m_group->cmdLeagueTable_Click(); });
    QVERIFY(!seen.shown);
    QVERIFY(prompts.calls().isEmpty());
    QVERIFY(m_group->isEnabled());
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestFrmLeagueTable::layoutAndReadOnly()
{
    fillGroup({ "Rovers", "United" }, { "R:07-Mar-2000:1:0:2:1:0:1" });
    const Seen seen = pressAndRead(*m_group, [this] { m_group->cmdLeagueTable_Click(); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.gridGeometry, QRect(0, 0, twipsToPixels(6495), twipsToPixels(5310)));
    QCOMPARE(seen.closeGeometry,
             QRect(twipsToPixels(2640), twipsToPixels(5520), twipsToPixels(1455), twipsToPixels(375)));
    QCOMPARE(seen.closeCaption, QStringLiteral("&Close"));
    QVERIFY(!seen.editable);
}

void TestFrmLeagueTable::longNamesAreNeverCut()
{
    const QString longName = QStringLiteral("Borussia Verein für Leibesübungen Mönchengladbach 1900 e.V.");
    QStringList teams { longName };
    QStringList lines;
    for (int i = 1; i < 20; ++i) {
        teams.append(QStringLiteral("Team %1").arg(i));
        lines.append(QStringLiteral("R:07-Mar-2000:0:0:1:0:0:%1").arg(i));
    }
    fillGroup(teams, lines);
    const Seen seen = pressAndRead(*m_group, [this] { m_group->cmdLeagueTable_Click(); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.rows.first().first(), longName);
    QVERIFY(seen.nameColumnWidth > seen.widestNameWidth);
    QVERIFY2(seen.viewportWidth >= seen.columnsWidth,
             qPrintable(QStringLiteral("%1 < %2").arg(seen.viewportWidth).arg(seen.columnsWidth)));
    QVERIFY(seen.gridGeometry.width() > twipsToPixels(6495));
}

void TestFrmLeagueTable::pressingAgainRecomputes()
{
    fillGroup({ "Rovers", "United" }, { "R:07-Mar-2000:1:0:2:1:0:1" });
    const Seen first = pressAndRead(*m_group, [this] { m_group->cmdLeagueTable_Click(); });
    QCOMPARE(first.rows.first().first(), QStringLiteral("Rovers"));

    m_group->setStoredLines({ "R:07-Mar-2000:1:0:0:3:0:1" });
    m_group->RefreshList();
    const Seen second = pressAndRead(*m_group, [this] { m_group->cmdLeagueTable_Click(); });
    QCOMPARE(second.rows.first(), (QStringList { "United", "1", "0", "0", "3", "0", "3", "3" }));
}

void TestFrmLeagueTable::reportModeReturnsTheQueryText_data()
{
    QTest::addColumn<QList<int>>("rules");
    QTest::addColumn<QString>("text");

    QTest::newRow("rules 1, 2") << QList<int> { 1, 2 } << kLeagueQueryFixedText + "ORDER BY [Pts] DESC, [Diff] DESC";
    QTest::newRow("rules 5, 1") << QList<int> { 5, 1 } << "SELECT * FROM TempTable";
}

void TestFrmLeagueTable::reportModeReturnsTheQueryText()
{
    QFETCH(QList<int>, rules);
    QFETCH(QString, text);
    setRules(rules);
    fillGroup({ "Rovers", "United" }, { "R:07-Mar-2000:1:0:2:1:0:1" });
    QString answer;
    const Seen seen = pressAndRead(*m_group, [&] { answer = m_group->PopulateResults(true); });
    QVERIFY(!seen.shown);
    QCOMPARE(answer, text);
}

void TestFrmLeagueTable::missingDatabaseShowsTheError()
{
    DatabaseName = m_folder.filePath(QStringLiteral("nowhere/TempDB.mdb"));
    fillGroup({ "Rovers", "United" }, { "R:07-Mar-2000:1:0:2:1:0:1" });
    ScriptedPrompts prompts;
    prompts.expect(QStringLiteral("Error 14 - unable to open database file")).answer(Prompts::Answer::Ok);
    prompts.expect(QStringLiteral("Error 14 - unable to open database file")).answer(Prompts::Answer::Ok);

    const Seen seen = pressAndRead(*m_group, [this] { m_group->cmdLeagueTable_Click(); });
    QVERIFY(!seen.shown);
    QCOMPARE(prompts.calls().size(), 1);
    QCOMPARE(prompts.lastCall().title, QStringLiteral("ERROR"));
    QCOMPARE(prompts.lastCall().icon, Prompts::Icon::Exclamation);
    QCOMPARE(prompts.lastCall().buttons, Prompts::Buttons::Ok);
    QVERIFY(m_group->isEnabled());
    QVERIFY(!QGuiApplication::overrideCursor());

    QCOMPARE(m_group->PopulateResults(true), QString());
    QVERIFY(prompts.allAnswered());
    QVERIFY(!QFileInfo::exists(DatabaseName));
}

QTEST_MAIN(TestFrmLeagueTable)
#include "tst_frmleaguetable.moc"
