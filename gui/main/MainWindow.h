#pragma once

#include "core/common/Limits.h"
#include "core/tournament/TournamentFileLock.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

struct Calendar;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStackedWidget;
class HelpWindow;
class GroupWindow;
class KnockoutWindow;
class TimetableWindow;
class LiveServer;
class QLabel;
class QTimer;
class RecoveryCopy;
class StartPanel;
class TournamentDocument;

// The main window: it owns the open tournament's document and shows each of its groups in a group
// window inside its frame; the menus, start-up and shut-down; the one place that closes a
// tournament. Its caption is the tournament's title.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    TournamentDocument* document() const { return m_document; }

    // Asks about unsaved changes, then closes the tournament. False when the user declined.
    bool closeTournament();

    // At start-up, before anything else: offers the unsaved work a Tabulon that died left behind.
    void offerRecovery();
    // Where the unsaved work is kept while it is unsaved.
    static QString recoveryFolder();
    RecoveryCopy* recoveryCopy() const { return m_recovery; }

    // File > Open after its dialog: the unsaved question, then the file's checks and messages. The
    // start-up argument and the recent files open through it too. False when nothing was opened.
    bool openTournamentFile(const QString& path);
    // Opened while another Tabulon holds its file: Save goes to Save As.
    bool isReadOnly() const { return m_readOnly; }

    // The window of group n (1..8) of the document; nullptr while there is none.
    GroupWindow* loadedGroupWindow(int slot) const;
    void activateGroupWindow(int slot);
    GroupWindow* activeGroupWindow() const;
    // The active group window and its group number, for a command that acts on one group; nothing,
    // after one refusal titled `title`, without an open tournament or an active group window.
    struct ActiveGroup
    {
        GroupWindow* window = nullptr;
        int number = 0;
    };
    std::optional<ActiveGroup> activeGroupFor(const QString& title) const;
    QMdiArea* mdiArea() const { return m_mdiArea; }
    // The Knockout window, there while the tournament has a knockout stage; nullptr otherwise.
    KnockoutWindow* knockoutWindow() const;
    void activateKnockoutWindow();
    // The Timetable window, while it is open; nullptr otherwise.
    TimetableWindow* timetableWindow() const;
    void showTimetableWindow();

    // The window state kept under "Window State": 0 normal, 1 minimised, 2 maximised.
    int windowStateCode() const;

    // The temporary database every league table of this window's tournament is computed in.
    QString databaseName() const { return m_databaseName; }

public slots:
    void updateFileMenu();
    void newTournament();
    void open();
    void save();
    void saveAs();
    void generateFixtures();
    void generateBalancedFixtures();
    void importResults();
    void exportCalendar();
    // The Knockout window's games as a calendar file.
    void exportKnockoutCalendar();
    void publishWebSite();
    void shareLivePage();
    void editPointsAdjustments();
    void setUpKnockoutStage();
    void planDay();
    void quit();
    void cascadeWindows();
    void tileWindows();
    void showHelp();
    void showAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void saveCalendar(const std::function<Calendar()>& build);
    void buildMenus();
    // A window for every group of the document, and the caption; after the tournament was replaced.
    void showTournament();
    void addGroupWindow(int slot);
    // Where a new group window opens: filling the area, or in a cascade of the tournament's groups.
    void placeGroupWindow(int slot);
    // Group 1 in front of the others, which stand in group order behind it as their cascade needs.
    void showGroupOneInFront();
    void unloadGroupWindow(int slot);
    // Opens the Knockout window when the document has a stage and closes it when it has none.
    void updateKnockoutWindow();
    void unloadKnockoutWindow();
    // A window that lives as long as what it shows: no close or minimise button.
    QMdiSubWindow* addLastingSubWindow(QWidget* content, const QString& objectName);
    void removeLastingSubWindow(QMdiSubWindow* window);
    // An undone or redone step: its group comes to the front with the line it changed selected.
    void showReplayedStep(int group, int position);
    void showLeagueTablePanels(bool shown);
    void saveTo(const QString& path);
    // The unsaved question, whose Save saves first; true when the tournament may be closed.
    bool mayCloseUnsaved();
    // The file lock follows the document's file after it was replaced.
    void followFileName();
    void updateCaption();
    void updateStartPanel();
    void openRecentPath(const QString& path);
    // The shown group windows in group order, then the Knockout window.
    QList<QMdiSubWindow*> shownGroupWindows() const;
    void restoreWindowState();
    bool confirmClose();
    void saveWindowState();
    void fillWindowList();
    bool canSave() const;
    bool hasChangesToSave() const;
    // Keeps every action's enabled state in step with the state it depends on.
    void updateActions();
    QAction* addMenuItem(QMenu* menu, const char* objectName, const QString& caption);
    void addRecentFileItems(QMenu* file);
    void updateRecentFileItems();
    void openRecentFile(int n);
    void setUpLivePage();
    void refreshLivePage();
    void stopLivePage();

    TournamentDocument* m_document = nullptr;
    RecoveryCopy* m_recovery = nullptr;
    QString m_databaseName;
    QMdiArea* m_mdiArea = nullptr;
    QStackedWidget* m_centralStack = nullptr;
    StartPanel* m_startPanel = nullptr;
    // The open tournament's file, held against other programs; read-only when another held it first.
    TournamentFileLock m_fileLock;
    bool m_readOnly = false;
    QMenu* m_windowList = nullptr;
    QPointer<HelpWindow> m_help;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QList<QAction*> m_groupActions; // act on the active group window
    QAction* m_publishAction = nullptr;
    QAction* m_shareLiveAction = nullptr;
    QAction* m_knockoutAction = nullptr;
    QAction* m_planDayAction = nullptr;
    QAction* m_leagueTablePanelAction = nullptr;
    QList<QAction*> m_recentFileItems;
    QAction* m_recentFileSeparator = nullptr;
    std::unique_ptr<LiveServer> m_liveServer; // serves while the live page is shared
    QLabel* m_liveStatus = nullptr;
    QTimer* m_liveRefresh = nullptr;
    std::array<QPointer<QMdiSubWindow>, kMaxGroups + 1> m_groupWindows; // slots 1..kMaxGroups
    QPointer<QMdiSubWindow> m_knockoutWindow;
    QPointer<QMdiSubWindow> m_timetableWindow;
};
