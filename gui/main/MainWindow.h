#pragma once

#include "core/common/Limits.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class HelpWindow;
class frmGroup;

// The main window: a frame for the group windows, the menus, start-up and shut-down, and the
// one place that closes a tournament. Its caption is the only store of the tournament title.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Asks about unsaved changes, then closes every group window. False when the user declined.
    bool CloseTournament();

    // File > Open after its dialog: the unsaved question, then the file's checks and messages. The
    // start-up argument and the recent files open through it too. False when nothing was opened.
    bool openTournamentFile(const QString& path);

    // Slot n (1..8) of the group window table. groupWindow creates the window the first time the
    // slot is used (without showing it); loadedGroupWindow answers nullptr for an empty slot.
    frmGroup* groupWindow(int slot);
    frmGroup* loadedGroupWindow(int slot) const;
    void showGroupWindow(int slot);
    void activateGroupWindow(int slot);
    void unloadGroupWindow(int slot);
    frmGroup* activeGroupWindow() const;
    QMdiArea* mdiArea() const { return m_mdiArea; }

    // The window state kept under "Window State": 0 normal, 1 minimised, 2 maximised.
    int windowStateCode() const;

public slots:
    void mnuFile_Click();
    void mnuNew_Click();
    void mnuClose_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuGenerateFixtures_Click();
    void mnuGenerateBalancedFixtures_Click();
    void mnuImportResults_Click();
    void mnuExportCalendar_Click();
    void mnuPublishWebSite_Click();
    void mnuPointsAdjustments_Click();
    void mnuExit_Click();
    void mnuCascade_Click();
    void mnuShowHelp_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void MDIForm_Load();
    bool MDIForm_QueryUnload();
    void MDIForm_Unload();
    void fillWindowList();
    bool canSave() const;
    // Keeps every action's enabled state in step with the state it depends on.
    void updateActions();
    QAction* addMenuItem(QMenu* menu, const char* objectName, const QString& caption);
    void addRecentFileItems(QMenu* file);
    void updateRecentFileItems();
    void openRecentFile(int n);

    QMdiArea* m_mdiArea = nullptr;
    QMenu* m_windowList = nullptr;
    QPointer<HelpWindow> m_help;
    QAction* m_saveAction = nullptr;
    QList<QAction*> m_groupActions; // act on the active group window
    QAction* m_publishAction = nullptr;
    QList<QAction*> m_recentFileItems;
    QAction* m_recentFileSeparator = nullptr;
    std::array<QPointer<QMdiSubWindow>, kMaxGroups + 1> m_groupWindows; // slots 1..kMaxGroups
};
