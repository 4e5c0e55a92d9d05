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
class QStringListModel;
class QTimer;

// One group of the open tournament: its team list, its stored record lines and their display
// lines, the entry of fixtures and results, and the buttons that start the group's other work.
// It lives as a child window of the main window; the user cannot close it alone.
class frmGroup : public QWidget
{
    Q_OBJECT

public:
    explicit frmGroup(QWidget* parent = nullptr);
    ~frmGroup() override;

    // The group's number, 1..8, as decimal text.
    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    // What the window holds and shows: the teams (lstTeams), the stored record lines
    // (lstResultFile) and the display lines (lstResults).
    const GroupRecords& records() const { return m_records; }
    const QStringList& teams() const { return m_records.teams(); }
    const QStringList& storedLines() const { return m_records.storedLines(); }
    const QStringList& displayLines() const { return m_records.displayLines(); }

    // Each shows its change at once; the selection of fixtures and results is lost.
    void setTeams(const QStringList& teams);
    void appendTeam(const QString& name);
    void setStoredLines(const QStringList& lines);
    const PointsAdjustments& adjustments() const { return m_records.adjustments(); }
    void setAdjustments(const PointsAdjustments& adjustments) { m_records.setAdjustments(adjustments); }

    int selectedResult() const; // -1 without a selection
    void selectResult(int position);

    // Rebuilds every display line from the stored lines; the selection is lost.
    void RefreshList();

    // Shows the group's league table.
    void PopulateResults();

public slots:
    void cmdHome_Click();
    void cmdAway_Click();
    void lstTeams_DblClick();
    void cmdCalendar_Click();
    void cmdAddFixture_Click();
    void cmdAddResult_Click();
    void cmdClear_Click();
    void cmdDelete_Click();
    void cmdEdit_Click();
    void cmdEditResult_Click();
    void cmdEditDate_Click();
    void cmdSortFixtures_Click();
    void cmdLeagueTable_Click();
    void cmdReport_Click();
    void cmdFixtureList_Click();
    void lstResults_DblClick();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void Timer1_Timer();

private:
    void buildControls();
    void Form_Load();
    void Form_Resize();
    void showEntryDate();
    void moveEntryDate(bool forward);
    void cmdDateMinus_MouseDown();
    void cmdDatePlus_MouseDown();
    void cmdDate_MouseUp();

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
    void showResults();

    QString m_tag;
    GroupRecords m_records;

    QStringListModel* m_teamsModel = nullptr;
    QStringListModel* m_resultsModel = nullptr;
    QListView* lstTeams = nullptr;
    QListView* lstResults = nullptr;

    QLabel* Label2 = nullptr;
    QLineEdit* txtDate = nullptr;
    QPushButton* cmdCalendar = nullptr;
    QPushButton* cmdDatePlus = nullptr;
    QPushButton* cmdDateMinus = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdHome = nullptr;
    QPushButton* cmdAway = nullptr;
    QPushButton* cmdClear = nullptr;
    QLabel* lblTeams = nullptr;
    QLabel* lblHT = nullptr;
    QLabel* lblFT = nullptr;
    QLineEdit* txtHome = nullptr;
    QLineEdit* txtHomeHT = nullptr;
    QLineEdit* txtHomeScore = nullptr;
    QLabel* lblVersus = nullptr;
    QLineEdit* txtAway = nullptr;
    QLineEdit* txtAwayHT = nullptr;
    QLineEdit* txtAwayScore = nullptr;
    QPushButton* cmdAddFixture = nullptr;
    QPushButton* cmdAddResult = nullptr;
    QPushButton* cmdLeagueTable = nullptr;
    QPushButton* cmdReport = nullptr;
    QPushButton* cmdFixtureList = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdEditResult = nullptr;
    QPushButton* cmdEditDate = nullptr;
    QPushButton* cmdSortFixtures = nullptr;
    QTimer* Timer1 = nullptr;

    QDate dEntryDate;
    qint16 iHomeTeam = 0;
    qint16 iAwayTeam = 0;
    int m_loadedHeight = 0; // twips, from the shared "Form Height" setting
    bool m_shown = false;
    bool m_placing = false;
};
