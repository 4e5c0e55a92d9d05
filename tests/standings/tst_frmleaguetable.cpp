#include "ModalDialog.h"
#include "ScriptedPrompts.h"
#include "TemporarySettings.h"
#include "group/frmGroup.h"
#include "model/Tournament.h"
#include "standings/frmLeagueTable.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class TestFrmLeagueTable : public QObject
{
    Q_OBJECT

private slots:
    // Rules 1, 5: Rovers beat United 2-1, United beat Rovers 1-0, and a team with a long name has a fixture.
    void leagueTableButton()
    {
        TemporarySettings settings;
        QTemporaryDir folder;
        resetProgramState();
        Tournament.RuleCount = 2;
        Tournament.RuleOrder = { 0, 1, 5 };
        DatabaseName = folder.filePath("TempDB.mdb");
        QVERIFY(QFile::copy(TABULON_TEMPDB, DatabaseName));
        QFile::setPermissions(DatabaseName, QFile::ReadOwner | QFile::WriteOwner);
        frmGroup group;
        group.setTeams({ "Rovers", "United", "Borussia Verein für Leibesübungen Mönchengladbach 1900 e.V." });
        group.setStoredLines({ "R:07-Mar-2000:1:0:2:1:0:1", "R:14-Mar-2000:0:0:1:0:1:0", "F:21-Mar-2000:2:0" });
        group.RefreshList();
        group.show();
        ScriptedPrompts prompts;
        QStringList seen;
        ModalDialog<frmLeagueTable> driver([&](frmLeagueTable* window) {
            auto* grid = window->findChild<QTableView*>("DBGrid1");
            auto* close = window->findChild<QPushButton*>("cmdClose");
            for (int r = -1, width = 0; r < grid->model()->rowCount(); ++r, width = 0) {
                QStringList cells;
                for (int c = 0; c < grid->model()->columnCount(); width += grid->columnWidth(c++))
                    cells << (r < 0 ? grid->model()->headerData(c, Qt::Horizontal) : grid->model()->index(r, c).data())
                                 .toString();
                seen << cells.join(u',');
                // Nothing is cut: every name fits its column, every column the grid.
                QVERIFY(grid->columnWidth(0) > grid->fontMetrics().horizontalAdvance(cells[0]));
                QVERIFY(grid->viewport()->width() >= width);
            }
            const QCursor* cursor = QGuiApplication::overrideCursor(); // the hourglass ends once the table is there
            QVERIFY(!cursor || cursor->shape() != Qt::WaitCursor);
            QVERIFY(!group.isEnabled());
            QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
            QVERIFY(close->y() > grid->geometry().bottom()); // however far the grid widens
            close->click();
        });
        group.findChild<QPushButton*>("cmdLeagueTable")->click();
        QCOMPARE(seen,
                 (QStringList { "Competitors Name,Won,Drawn,Lost,For,Against,Diff,Pts", "United,1,0,1,2,2,0,3",
                                "Rovers,1,0,1,2,2,0,3",
                                "Borussia Verein für Leibesübungen Mönchengladbach 1900 e.V.,0,0,0,0,0,0,0" }));
        QVERIFY(group.isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(prompts.calls().isEmpty());
        QCOMPARE(group.PopulateResults(true), "SELECT * FROM TempTable"); // report mode shows no window

        // A missing file is not created: the computation says why and shows no table; report mode answers nothing.
        DatabaseName = folder.filePath("Absent.mdb");
        for (int i = 0; i < 2; ++i)
            prompts.expect("Error 14 - unable to open database file").answer(Prompts::Answer::Ok);
        group.cmdLeagueTable_Click();
        QCOMPARE(prompts.lastCall().title, QStringLiteral("ERROR"));
        QCOMPARE(prompts.calls().size(), 1);
        QVERIFY(group.isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(group.PopulateResults(true), QString());
        QVERIFY(prompts.allAnswered());
        QVERIFY(!QFileInfo::exists(DatabaseName));

        // With no line the button does nothing, not even the computation that would fail on the missing file.
        group.setStoredLines({});
        group.RefreshList();
        group.cmdLeagueTable_Click();
        QCOMPARE(prompts.calls().size(), 2);
    }
};

QTEST_MAIN(TestFrmLeagueTable)
#include "tst_frmleaguetable.moc"
