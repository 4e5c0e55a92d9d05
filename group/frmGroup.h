#pragma once

#include <QDate>
#include <QStringList>
#include <QWidget>

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

    // lstTeams: the team names in team-number order.
    QStringList teams() const;
    void setTeams(const QStringList& teams);
    void appendTeam(const QString& name);

    // lstResultFile: the stored record lines. Callers that replace or extend them call RefreshList.
    const QStringList& storedLines() const { return m_resultFile; }
    void setStoredLines(const QStringList& lines);

    // lstResults: the display lines, parallel to the stored lines.
    QStringList displayLines() const;
    int selectedResult() const;   // -1 without a selection
    void selectResult(int position);

    // Rebuilds every display line from the stored lines; the selection is lost.
    void RefreshList();

    // The league table of the group: display mode shows it, report mode answers the query text.
    QString PopulateResults(bool bHidden);

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

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void Form_Resize();
    void showEntryDate();

    QString m_tag;
    QStringList m_resultFile;

    QStringListModel* m_teamsModel = nullptr;
    QStringListModel* m_resultsModel = nullptr;
    QListView* lstTeams = nullptr;
    QListView* lstResults = nullptr;

    QDate dEntryDate;
    qint16 iHomeTeam = 0;
    qint16 iAwayTeam = 0;
};
