#pragma once

#include "core/records/GroupRecords.h"

#include <QDate>
#include <QStringList>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QScrollArea;
class QStringListModel;
class QSplitter;
class QTableView;
class QTimer;
class LeagueTablePanel;
class ResultsTableModel;
class TournamentDocument;

// One group of the open tournament, as the document holds it: its team list and its fixtures and
// results, the entry of fixtures and results, and the buttons that start the group's other work.
// Every change goes to the document, and the window shows whatever the document then holds. It
// lives as a child window of the main window; the user cannot close it alone.
class GroupWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows group `group` (1..8) of `document`. League tables and the results report are computed
    // in the temporary database at `databaseName`.
    GroupWindow(TournamentDocument* document, int group, const QString& databaseName, QWidget* parent = nullptr);
    ~GroupWindow() override;

    QString databaseName() const { return m_databaseName; }
    int group() const { return m_group; }

    // What the window shows: the teams (m_teamList), the stored record lines and the display lines
    // (m_resultList).
    const GroupRecords& records() const;
    const QStringList& teams() const { return records().teams(); }
    const QStringList& storedLines() const { return records().storedLines(); }
    QStringList displayLines() const { return records().displayLines(); }

    int selectedResult() const; // -1 without a selection
    void selectResult(int position);
    // Selects the item at `position` and scrolls to it; -1 selects none.
    void showItem(int position);

    // Puts the window's frame at `frame` in the main window's area: a place the main window gives
    // (filling the area, a cascade, a tile), not a size the user chose, so the shared height stays
    // as it was. A place smaller than the controls need is taken all the same; they scroll.
    void place(const QRect& frame);

    // Shows the group's league table.
    void showStandings();

    // The league table beside the results, kept up to date while it is shown.
    void setLeagueTablePanelShown(bool shown);
    bool isLeagueTablePanelShown() const;

public slots:
    void chooseHomeTeam();
    void chooseAwayTeam();
    void chooseTeam();
    void pickEntryDate();
    void addFixture();
    void addResult();
    void clearEntry();
    void deleteResult();
    void editTeamName();
    void editResult();
    void editDate();
    void sortFixtures();
    void showLeagueTable();
    void showResultsReport();
    void showFixtureList();
    void editChosenResult();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void stepDate();
    // After a score was typed into the cell at `row` and `column`: a fixture's first score goes on to
    // the next fixture's score cell, a half-time score to the one below it; a correction stays.
    void moveOnFromScore(int row, int column, bool firstScore);
    void spanUnreadableRows();

private:
    void editNextScore(int row);
    // A digit typed on a row whose current cell takes none goes to its score, as in a spreadsheet.
    void aimDigitAtScore(const QKeyEvent* key);
    void buildControls();
    QTableView* makeResultsTable(QWidget* parent);
    void layOut(QWidget* entry);
    // The results' columns as wide as their widest text, and the table that shows them so.
    struct ResultColumns
    {
        int date = 0;
        int score = 0;
        int name = 0;
        int time = 0; // 0 without a timetable
        int pitch = 0;
    };
    ResultColumns naturalResultColumns() const;
    int naturalResultsWidth() const;
    void fitResultColumns();
    void refreshPanel();
    // The panel as wide as its table, the results the rest.
    void givePanelItsWidth();
    void restoreHeightAndDate();
    void showEntryDate();
    void moveEntryDate(bool forward);
    void startSteppingBack();
    void startSteppingForward();
    void stopStepping();

    // The window whose outer size the layout rules speak of: the subwindow frame inside the main
    // window, or this widget when it stands alone.
    QWidget* outerWindow();
    void applySizeLimits();
    void applyFormHeight(int heightTwips);

    enum class ReportKind { Results, FixtureList };
    void showReport(ReportKind kind);

    // The one button of this window whose access key the key press is, or nullptr.
    QPushButton* accessKeyButton(const QKeyEvent* key) const;

    int selectedTeam() const; // -1 without a selection
    bool refuseFullList();
    void showAppendedItem();
    // Brings both lists in step with the document; an item or team just appended joins its list
    // without the others being rebuilt.
    void showGroup();

    TournamentDocument* m_document = nullptr;
    int m_group = 0;
    QString m_databaseName;

    QStringListModel* m_teamsModel = nullptr;
    ResultsTableModel* m_resultsModel = nullptr;
    QListView* m_teamList = nullptr;
    QTableView* m_resultTable = nullptr;
    LeagueTablePanel* m_leagueTablePanel = nullptr;
    QScrollArea* m_scroller = nullptr;
    QSplitter* m_splitter = nullptr;
    QWidget* m_entryArea = nullptr;

    QLabel* m_dateLabel = nullptr;
    QLineEdit* m_entryDateField = nullptr;
    QPushButton* m_calendarButton = nullptr;
    QPushButton* m_nextDateButton = nullptr;
    QPushButton* m_previousDateButton = nullptr;
    QPushButton* m_editNameButton = nullptr;
    QPushButton* m_homeButton = nullptr;
    QPushButton* m_awayButton = nullptr;
    QPushButton* m_clearButton = nullptr;
    QLabel* m_teamsLabel = nullptr;
    QLabel* m_halfTimeLabel = nullptr;
    QLabel* m_fullTimeLabel = nullptr;
    QLineEdit* m_homeTeamField = nullptr;
    QLineEdit* m_homeHalfTimeField = nullptr;
    QLineEdit* m_homeFullTimeField = nullptr;
    QLabel* m_versusLabel = nullptr;
    QLineEdit* m_awayTeamField = nullptr;
    QLineEdit* m_awayHalfTimeField = nullptr;
    QLineEdit* m_awayFullTimeField = nullptr;
    QPushButton* m_addFixtureButton = nullptr;
    QPushButton* m_addResultButton = nullptr;
    QPushButton* m_leagueTableButton = nullptr;
    QPushButton* m_resultsReportButton = nullptr;
    QPushButton* m_fixtureListButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_editResultButton = nullptr;
    QPushButton* m_editDateButton = nullptr;
    QPushButton* m_sortButton = nullptr;
    QTimer* m_dateRepeatTimer = nullptr;
    bool m_steppingForward = true; // the direction the held date button repeats in

    QDate m_entryDate;
    qint16 m_homeTeam = 0;
    qint16 m_awayTeam = 0;
    int m_loadedHeight = 0; // twips, from the shared "Form Height" setting
    bool m_shown = false;
    bool m_placing = false; // the program, not the user, is sizing the window
};
