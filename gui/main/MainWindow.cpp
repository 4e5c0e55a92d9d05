#include "gui/main/MainWindow.h"

#include "core/common/FailureText.h"
#include "core/common/Limits.h"
#include "core/live/LiveServer.h"
#include "core/standings/TempDatabase.h"
#include "core/tournament/DatabaseLocation.h"
#include "core/tournament/ProgramFolders.h"
#include "core/tournament/RecentFiles.h"
#include "core/tournament/RecoveryCopy.h"
#include "core/tournament/Settings.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/GroupWindow.h"
#include "gui/knockout/KnockoutWindow.h"
#include "gui/main/AboutText.h"
#include "gui/main/HelpWindow.h"
#include "gui/main/StartPanel.h"
#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/Prompts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyle>
#include <QUndoStack>
#include <algorithm>
#include <cmath>

namespace {

const QString kProgramCaption = QStringLiteral("Tabulon");
const QString kWindowStateSetting = QStringLiteral("Window State");
const QString kPanelSetting = QStringLiteral("League Table Panel");
QString unsavedQuestion()
{
    return MainWindow::tr("Tournament not saved.  Are you sure you want to exit");
}
QString closeTitle()
{
    return MainWindow::tr("Close Tournament");
}

const char* const kUnloadingProperty = "tabulonUnloading";

// Group windows and the Knockout window have no close box; this keeps the system's close key from
// closing one too. Only removeLastingSubWindow, which marks the window first, closes one.
class GroupSubWindowGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close && !watched->property(kUnloadingProperty).toBool()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Keeps a sub-window that fills the area filling it while the area changes size (the main window
// taking its size on start, scroll bars coming and going), until the user gives it another size.
// `place` puts the window where it goes.
class AreaFill : public QObject
{
public:
    using Place = std::function<void(const QRect&)>;
    AreaFill(QMdiSubWindow* window, QWidget* area, Place place = {})
        : QObject(window)
        , m_window(window)
        , m_place(place ? std::move(place) : [window](const QRect& frame) { window->setGeometry(frame); })
    {
        m_place(QRect(QPoint(0, 0), area->size()));
        area->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize) {
            const auto* resize = static_cast<QResizeEvent*>(event);
            if (m_window->geometry() == QRect(QPoint(0, 0), resize->oldSize()))
                m_place(QRect(QPoint(0, 0), resize->size()));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QMdiSubWindow* m_window;
    Place m_place;
};

// How far one window of a cascade stands below and right of the one behind it: its title bar.
int captionHeight(const QMdiSubWindow* window)
{
    const int top = window->widget() ? window->widget()->geometry().top() : 0;
    return top > 0 ? top : window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
}

// Puts a sub-window at `frame`, smaller than its minimum if need be; a group window keeps the
// shared height it would open at.
void placeSubWindow(QMdiSubWindow* window, const QRect& frame)
{
    if (auto* group = qobject_cast<GroupWindow*>(window->widget())) {
        group->place(frame);
        return;
    }
    window->setMinimumSize(window->minimumSize().boundedTo(frame.size()));
    window->setGeometry(frame);
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(kProgramCaption);
    resize(1024, 720);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setAccessibleName(tr("Group windows"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Without a tournament the area makes way for what to do first.
    m_startPanel = new StartPanel(this);
    connect(m_startPanel, &StartPanel::newRequested, this, &MainWindow::newTournament);
    connect(m_startPanel, &StartPanel::openRequested, this, &MainWindow::open);
    connect(m_startPanel, &StartPanel::recentFileRequested, this, &MainWindow::openRecentPath);
    m_centralStack = new QStackedWidget(this);
    m_centralStack->addWidget(m_startPanel);
    m_centralStack->addWidget(m_mdiArea);
    setCentralWidget(m_centralStack);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::updateActions);

    m_document = new TournamentDocument(this);
    connect(m_document, &TournamentDocument::tournamentReset, this, &MainWindow::showTournament);
    connect(m_document, &TournamentDocument::groupAdded, this, &MainWindow::addGroupWindow);
    connect(m_document, &TournamentDocument::modifiedChanged, this, [this](bool modified) {
        setWindowModified(modified && m_document->isOpen());
        updateActions();
    });
    connect(m_document, &TournamentDocument::stepReplayed, this, &MainWindow::showReplayedStep);
    connect(m_document, &TournamentDocument::knockoutChanged, this, &MainWindow::updateKnockoutWindow);
    m_recovery = new RecoveryCopy(m_document, recoveryFolder(), this);
    setUpLivePage();

    buildMenus();
    restoreWindowState();
    updateActions();
    updateStartPanel();
}

MainWindow::~MainWindow()
{
    // The group windows close after this window's own parts are gone; they must not update them.
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

QAction* MainWindow::addMenuItem(QMenu* menu, const char* objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    // Held by the window as well, so that its shortcut works while the menu has never been opened.
    addAction(action);
    return action;
}

void MainWindow::buildMenus()
{
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    connect(fileMenu, &QMenu::aboutToShow, this, &MainWindow::updateFileMenu);

    QAction* newAction = addMenuItem(fileMenu, "newAction", tr("&New"));
    newAction->setShortcut(QKeySequence::New);
    connect(newAction, &QAction::triggered, this, &MainWindow::newTournament);

    QAction* closeAction = addMenuItem(fileMenu, "closeAction", tr("&Close"));
    connect(closeAction, &QAction::triggered, this, &MainWindow::closeTournament);

    QAction* openAction = addMenuItem(fileMenu, "openAction", tr("&Open"));
    openAction->setShortcut(QKeySequence::Open);
    connect(openAction, &QAction::triggered, this, &MainWindow::open);

    m_saveAction = addMenuItem(fileMenu, "saveAction", tr("&Save"));
    m_saveAction->setShortcut(QKeySequence::Save);
    m_saveAsAction = addMenuItem(fileMenu, "saveAsAction", tr("Save &As..."));
    // Spelled out: some desktops bind no key to the standard Save As.
    m_saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // A shortcut reaches an item without the menu being opened, so the same rule is checked here.
    connect(m_saveAction, &QAction::triggered, this, [this] {
        if (hasChangesToSave())
            save();
    });
    connect(m_saveAsAction, &QAction::triggered, this, [this] {
        if (canSave())
            saveAs();
    });

    fileMenu->addSeparator()->setObjectName(QStringLiteral("groupCommandsSeparator"));
    QAction* generateFixturesAction = addMenuItem(fileMenu, "generateFixturesAction", tr("&Generate Fixtures"));
    connect(generateFixturesAction, &QAction::triggered, this, &MainWindow::generateFixtures);
    QAction* generateBalancedFixturesAction
        = addMenuItem(fileMenu, "generateBalancedFixturesAction", tr("Generate &Balanced Fixtures"));
    connect(generateBalancedFixturesAction, &QAction::triggered, this, &MainWindow::generateBalancedFixtures);
    QAction* importResultsAction = addMenuItem(fileMenu, "importResultsAction", tr("&Import Results..."));
    connect(importResultsAction, &QAction::triggered, this, &MainWindow::importResults);
    QAction* exportCalendarAction = addMenuItem(fileMenu, "exportCalendarAction", tr("&Export Calendar..."));
    connect(exportCalendarAction, &QAction::triggered, this, &MainWindow::exportCalendar);
    QAction* publishWebSiteAction = addMenuItem(fileMenu, "publishWebSiteAction", tr("Publish &Web Site..."));
    connect(publishWebSiteAction, &QAction::triggered, this, &MainWindow::publishWebSite);
    QAction* pointsAdjustmentsAction = addMenuItem(fileMenu, "pointsAdjustmentsAction", tr("&Points Adjustments..."));
    connect(pointsAdjustmentsAction, &QAction::triggered, this, &MainWindow::editPointsAdjustments);
    m_knockoutAction = addMenuItem(fileMenu, "setUpKnockoutAction", tr("Set Up &Knockout Stage..."));
    connect(m_knockoutAction, &QAction::triggered, this, &MainWindow::setUpKnockoutStage);
    m_planDayAction = addMenuItem(fileMenu, "planDayAction", tr("Plan the &Day..."));
    connect(m_planDayAction, &QAction::triggered, this, &MainWindow::planDay);
    m_groupActions = { generateFixturesAction, generateBalancedFixturesAction, importResultsAction,
                       exportCalendarAction, pointsAdjustmentsAction };
    m_publishAction = publishWebSiteAction;
    QAction* shareLivePageAction = addMenuItem(fileMenu, "shareLivePageAction", tr("Share &Live Page..."));
    connect(shareLivePageAction, &QAction::triggered, this, &MainWindow::shareLivePage);
    m_shareLiveAction = shareLivePageAction;
    fileMenu->addSeparator()->setObjectName(QStringLiteral("exitSeparator"));
    addRecentFileItems(fileMenu);

    QAction* exitAction = addMenuItem(fileMenu, "exitAction", tr("E&xit"));
    exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    exitAction->setMenuRole(QAction::NoRole);
    connect(exitAction, &QAction::triggered, this, &MainWindow::quit);

    // The captions name the step: "&Undo Add Result", "&Redo Delete".
    QMenu* editMenu = menuBar()->addMenu(tr("&Edit"));
    editMenu->setObjectName(QStringLiteral("editMenu"));
    QAction* undoAction = m_document->history()->createUndoAction(this, tr("&Undo"));
    undoAction->setObjectName(QStringLiteral("undoAction"));
    undoAction->setShortcut(QKeySequence::Undo);
    QAction* redoAction = m_document->history()->createRedoAction(this, tr("&Redo"));
    redoAction->setObjectName(QStringLiteral("redoAction"));
    redoAction->setShortcuts({ QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    for (QAction* action : { undoAction, redoAction }) {
        editMenu->addAction(action);
        addAction(action); // the keys work before the menu was ever opened
    }

    // F10 opens the File menu, as on other desktops; a group window's access keys leave it alone.
    auto* openMenusAction = new QAction(this);
    openMenusAction->setObjectName(QStringLiteral("openMenusAction"));
    openMenusAction->setShortcut(Qt::Key_F10);
    addAction(openMenusAction);
    connect(openMenusAction, &QAction::triggered, this,
            [this, fileMenu] { menuBar()->setActiveAction(fileMenu->menuAction()); });

    // Every group window shows the panel or none does; the choice is kept for the next start.
    QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
    viewMenu->setObjectName(QStringLiteral("viewMenu"));
    m_leagueTablePanelAction = addMenuItem(viewMenu, "leagueTablePanelAction", tr("&League Table Panel"));
    m_leagueTablePanelAction->setCheckable(true);
    m_leagueTablePanelAction->setChecked(readSetting(kCompany, kProduct, kPanelSetting, QStringLiteral("0"))
                                         == QLatin1String("1"));
    connect(m_leagueTablePanelAction, &QAction::toggled, this, &MainWindow::showLeagueTablePanels);

    QMenu* windowMenu = menuBar()->addMenu(tr("&Window"));
    windowMenu->setObjectName(QStringLiteral("windowMenu"));
    QAction* cascadeAction = addMenuItem(windowMenu, "cascadeAction", tr("&Cascade"));
    connect(cascadeAction, &QAction::triggered, this, &MainWindow::cascadeWindows);
    QAction* tileAction = addMenuItem(windowMenu, "tileAction", tr("&Tile"));
    connect(tileAction, &QAction::triggered, this, &MainWindow::tileWindows);
    QAction* timetableAction = addMenuItem(windowMenu, "timetableAction", tr("T&imetable"));
    connect(timetableAction, &QAction::triggered, this, &MainWindow::showTimetableWindow);
    windowMenu->addSeparator()->setObjectName(QStringLiteral("windowListSeparator"));
    m_windowList = windowMenu->addMenu(tr("&Windows"));
    m_windowList->setObjectName(QStringLiteral("windowListMenu"));
    m_windowList->menuAction()->setObjectName(QStringLiteral("windowListAction"));
    connect(m_windowList, &QMenu::aboutToShow, this, &MainWindow::fillWindowList);

    QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    QAction* showHelpAction = addMenuItem(helpMenu, "showHelpAction", tr("&Help"));
    showHelpAction->setShortcut(QKeySequence::HelpContents);
    connect(showHelpAction, &QAction::triggered, this, &MainWindow::showHelp);
    QAction* aboutAction = addMenuItem(helpMenu, "aboutAction", tr("&About"));
    aboutAction->setMenuRole(QAction::NoRole);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::restoreWindowState()
{
    // The desktop's frame is not known before the window is shown; this leaves room for it on a
    // small screen, so that no part of the window lies off it.
    const QSize frameAllowance(16, 64);
    const QString stored = readSetting(kCompany, kProduct, kWindowStateSetting, QString());
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableGeometry().size() - frameAllowance;
        // The first start fills the screen even where nothing maximises windows.
        resize(stored.isEmpty() ? available : size().boundedTo(available));
    }
    // Centred first: placing a window would take it out of the maximised state again.
    centerWindow(this);
    bool isNumber = false;
    const int state = stored.toInt(&isNumber);
    // The first start, with nothing stored, takes the whole of the screen's free area.
    switch (stored.isEmpty() ? 2 : isNumber ? state : 0) {
    case 1:
        setWindowState(Qt::WindowMinimized);
        break;
    case 2:
        setWindowState(Qt::WindowMaximized);
        break;
    default:
        // Any other stored value opens the window in the normal state.
        setWindowState(Qt::WindowNoState);
        break;
    }

    const QString userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    m_databaseName = settleDatabaseName(programFolders(QCoreApplication::applicationDirPath()), userDataFolder);
    // A temporary database deleted because it was damaged is made anew.
    if (!QFileInfo::exists(m_databaseName))
        createTempDatabase(m_databaseName);
}

int MainWindow::windowStateCode() const
{
    if (isMinimized())
        return 1;
    if (isMaximized())
        return 2;
    return 0;
}

bool MainWindow::hasChangesToSave() const
{
    // As after a save, Save has nothing to do until something changes; Save As can still copy.
    return canSave() && (m_document->isModified() || m_document->fileName().isEmpty());
}

bool MainWindow::canSave() const
{
    // After a cancelled team entry the settings remain but no group does: nothing to save.
    return m_document->hasGroups();
}

void MainWindow::updateFileMenu()
{
    updateActions();
    updateRecentFileItems();
}

void MainWindow::updateActions()
{
    m_saveAction->setEnabled(hasChangesToSave());
    m_saveAsAction->setEnabled(canSave());
    // Commands that need a tournament or a group are greyed out without one rather than refusing.
    const bool hasGroup = m_document->isOpen() && activeGroupWindow();
    for (QAction* action : std::as_const(m_groupActions))
        action->setEnabled(hasGroup);
    m_publishAction->setEnabled(canSave());
    m_shareLiveAction->setEnabled(canSave());
    m_knockoutAction->setEnabled(canSave());
    m_planDayAction->setEnabled(canSave());
}

bool MainWindow::mayCloseUnsaved()
{
    if (!m_document->isModified())
        return true;
    switch (Prompts::message({ unsavedQuestion(), closeTitle(), Prompts::Icon::Question, Prompts::Buttons::YesNoSave,
                               Prompts::Answer::No })) {
    case Prompts::Answer::Yes:
        return true;
    case Prompts::Answer::Save:
        // A save cancelled or failed leaves it unsaved, and nothing is discarded.
        if (canSave())
            save();
        return !m_document->isModified();
    default:
        return false;
    }
}

bool MainWindow::closeTournament()
{
    if (!mayCloseUnsaved())
        return false;
    m_document->reset(TournamentData());
    return true;
}

void MainWindow::showTournament()
{
    followFileName();
    updateStartPanel();
    for (int slot = 1; slot <= kMaxGroups; ++slot)
        unloadGroupWindow(slot);
    unloadKnockoutWindow();
    // The Timetable window follows the tournament that takes the place of the last, but goes with it.
    if (m_timetableWindow && !m_document->isOpen())
        m_timetableWindow->close();
    for (int slot = 1; slot <= m_document->groupCount() && slot <= kMaxGroups; ++slot)
        addGroupWindow(slot);
    updateKnockoutWindow();
    // Each new window came to the front; the first group is where work starts.
    showGroupOneInFront();
    updateCaption();
    updateActions();
}

void MainWindow::updateCaption()
{
    // "[*]" marks where the caption shows "*" while the tournament is unsaved; one in a title is its own.
    setWindowTitle(m_document->isOpen()
                       ? QString(m_document->title()).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"))
                           + QStringLiteral("[*]") + (m_readOnly ? tr(" (read-only)") : QString())
                       : kProgramCaption);
    setWindowModified(m_document->isModified() && m_document->isOpen());
}

void MainWindow::updateStartPanel()
{
    // A group window needs the area, even one of a tournament whose settings are still being entered.
    const bool open = m_document->isOpen() || m_document->groupCount() > 0;
    if (!open)
        m_startPanel->setRecentFiles(recentFiles());
    QWidget* shown = open ? static_cast<QWidget*>(m_mdiArea) : m_startPanel;
    // The stack lays out only the page it shows, and later: the group windows that open next need
    // the whole area now.
    shown->setGeometry(m_centralStack->contentsRect());
    m_centralStack->setCurrentWidget(shown);
}

void MainWindow::showLeagueTablePanels(bool shown)
{
    writeSetting(kCompany, kProduct, kPanelSetting, shown ? QStringLiteral("1") : QStringLiteral("0"));
    for (int slot = 1; slot <= kMaxGroups; ++slot)
        if (GroupWindow* group = loadedGroupWindow(slot))
            group->setLeagueTablePanelShown(shown);
}

void MainWindow::showReplayedStep(int group, int position)
{
    activateGroupWindow(group);
    if (GroupWindow* window = loadedGroupWindow(group))
        window->showItem(position);
}

GroupWindow* MainWindow::loadedGroupWindow(int slot) const
{
    if (slot < 1 || slot > kMaxGroups || !m_groupWindows[slot])
        return nullptr;
    return qobject_cast<GroupWindow*>(m_groupWindows[slot]->widget());
}

void MainWindow::addGroupWindow(int slot)
{
    if (slot < 1 || slot > kMaxGroups)
        return;
    unloadGroupWindow(slot);
    updateStartPanel();
    auto* group = new GroupWindow(m_document, slot, m_databaseName);
    group->setLeagueTablePanelShown(m_leagueTablePanelAction->isChecked());
    m_groupWindows[slot] = addLastingSubWindow(group, QStringLiteral("groupWindow%1").arg(slot));
    placeGroupWindow(slot);
    updateActions();
}

void MainWindow::showGroupOneInFront()
{
    activateGroupWindow(1);
    for (int slot = 2; slot <= kMaxGroups && m_groupWindows[slot] && m_groupWindows[slot - 1]; ++slot)
        m_groupWindows[slot]->stackUnder(m_groupWindows[slot - 1]);
}

void MainWindow::placeGroupWindow(int slot)
{
    QMdiSubWindow* window = m_groupWindows[slot];
    auto* group = qobject_cast<GroupWindow*>(window->widget());
    // A tournament of one group has the whole area for it.
    if (m_document->settings().GroupCount == 1) {
        new AreaFill(window, m_mdiArea->viewport(), [group](const QRect& frame) { group->place(frame); });
        return;
    }
    // Several stand in a cascade inside the area, group 1 lowest and furthest right: in front, as a
    // tournament opens, it leaves every other group's caption in sight above it.
    const int groups
        = std::clamp(std::max(int(m_document->settings().GroupCount), m_document->groupCount()), 1, int(kMaxGroups));
    const int step = captionHeight(window);
    const int spare = (groups - 1) * step;
    const QSize area = m_mdiArea->viewport()->size();
    const QSize size = window->size().boundedTo(area - QSize(spare, spare)).expandedTo(QSize(step, step));
    const int offset = std::max(0, groups - slot) * step;
    group->place(QRect(QPoint(offset, offset), size));
}

QMdiSubWindow* MainWindow::addLastingSubWindow(QWidget* content, const QString& objectName)
{
    // No close or minimise button, as a group window lives as long as its tournament (the Knockout
    // window as long as its stage); it may take the whole area, though.
    const Qt::WindowFlags flags
        = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint;
    QMdiSubWindow* window = m_mdiArea->addSubWindow(content, flags);
    window->setObjectName(objectName);
    window->setOption(QMdiSubWindow::RubberBandResize, false);
    window->installEventFilter(new GroupSubWindowGuard(window));
    window->show();
    return window;
}

void MainWindow::removeLastingSubWindow(QMdiSubWindow* window)
{
    window->setProperty(kUnloadingProperty, true);
    m_mdiArea->removeSubWindow(window);
    delete window;
}

KnockoutWindow* MainWindow::knockoutWindow() const
{
    return m_knockoutWindow ? qobject_cast<KnockoutWindow*>(m_knockoutWindow->widget()) : nullptr;
}

void MainWindow::activateKnockoutWindow()
{
    if (m_knockoutWindow)
        m_mdiArea->setActiveSubWindow(m_knockoutWindow);
}

void MainWindow::updateKnockoutWindow()
{
    if (!m_document->knockout()) {
        unloadKnockoutWindow();
    } else if (!m_knockoutWindow) {
        // A bracket is wide: the window takes the whole area, behind the group that has the keyboard
        // until it is chosen from the Window menu.
        QMdiSubWindow* active = m_mdiArea->activeSubWindow();
        auto* window = new KnockoutWindow(m_document);
        connect(window, &KnockoutWindow::calendarExportRequested, this, &MainWindow::exportKnockoutCalendar);
        m_knockoutWindow = addLastingSubWindow(window, QStringLiteral("knockoutSubWindow"));
        new AreaFill(m_knockoutWindow, m_mdiArea->viewport());
        if (active)
            m_mdiArea->setActiveSubWindow(active);
    }
    updateActions();
}

void MainWindow::unloadKnockoutWindow()
{
    if (!m_knockoutWindow)
        return;
    QMdiSubWindow* window = m_knockoutWindow;
    m_knockoutWindow = nullptr;
    removeLastingSubWindow(window);
}

void MainWindow::activateGroupWindow(int slot)
{
    if (slot >= 1 && slot <= kMaxGroups && m_groupWindows[slot])
        m_mdiArea->setActiveSubWindow(m_groupWindows[slot]);
}

void MainWindow::unloadGroupWindow(int slot)
{
    if (slot < 1 || slot > kMaxGroups || !m_groupWindows[slot])
        return;
    QMdiSubWindow* window = m_groupWindows[slot];
    m_groupWindows[slot] = nullptr;
    removeLastingSubWindow(window);
    updateActions();
}

GroupWindow* MainWindow::activeGroupWindow() const
{
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    return active ? qobject_cast<GroupWindow*>(active->widget()) : nullptr;
}

std::optional<MainWindow::ActiveGroup> MainWindow::activeGroupFor(const QString& title) const
{
    if (!m_document->isOpen()) {
        Prompts::refuse(tr("There is no open tournament!"), title);
        return std::nullopt;
    }
    GroupWindow* group = activeGroupWindow();
    if (!group) {
        // Also the state after a cancelled team entry: the tournament is open but has no group window.
        Prompts::refuse(
            failureText(kNoGroupWindowFailure, tr("No group window is active: choose the group from the Window menu.")),
            title);
        return std::nullopt;
    }
    return ActiveGroup { group, group->group() };
}

void MainWindow::fillWindowList()
{
    m_windowList->clear();
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    for (int slot = 1; slot <= kMaxGroups; ++slot) {
        QMdiSubWindow* window = m_groupWindows[slot];
        if (!window || !window->isVisible())
            continue;
        QAction* item = m_windowList->addAction(window->windowTitle());
        item->setObjectName(QStringLiteral("groupWindowAction%1").arg(slot));
        item->setCheckable(true);
        item->setChecked(window == active);
        connect(item, &QAction::triggered, this, [this, slot] { activateGroupWindow(slot); });
    }
    if (m_knockoutWindow && m_knockoutWindow->isVisible()) {
        QAction* item = m_windowList->addAction(m_knockoutWindow->windowTitle());
        item->setObjectName(QStringLiteral("knockoutWindowAction"));
        item->setCheckable(true);
        item->setChecked(m_knockoutWindow == active);
        connect(item, &QAction::triggered, this, &MainWindow::activateKnockoutWindow);
    }
    if (m_timetableWindow && m_timetableWindow->isVisible()) {
        QAction* item = m_windowList->addAction(m_timetableWindow->windowTitle());
        item->setObjectName(QStringLiteral("timetableWindowAction"));
        item->setCheckable(true);
        item->setChecked(m_timetableWindow == active);
        connect(item, &QAction::triggered, this, &MainWindow::showTimetableWindow);
    }
}

void MainWindow::quit()
{
    close();
}

QList<QMdiSubWindow*> MainWindow::shownGroupWindows() const
{
    QList<QMdiSubWindow*> shown;
    for (int slot = 1; slot <= kMaxGroups; ++slot)
        if (m_groupWindows[slot] && m_groupWindows[slot]->isVisible())
            shown.append(m_groupWindows[slot]);
    if (m_knockoutWindow && m_knockoutWindow->isVisible())
        shown.append(m_knockoutWindow);
    return shown;
}

void MainWindow::cascadeWindows()
{
    // Each window stands one title bar lower and to the right of the one before it, made smaller
    // where the cascade would not fit the area otherwise (never below its minimum), so that every
    // group's title stays in sight; the last group comes to the front. A window that would reach
    // beyond the area all the same starts again at the top, one step further right.
    const QSize area = m_mdiArea->viewport()->size();
    const QList<QMdiSubWindow*> windows = shownGroupWindows();
    QMdiSubWindow* front = nullptr; // the last, in front
    QPoint corner(0, 0);
    int restarts = 0;
    for (QMdiSubWindow* window : windows) {
        window->showNormal();
        const int titleBar = captionHeight(window);
        const int spare = int(windows.size() - 1) * titleBar;
        placeSubWindow(window,
                       QRect(window->pos(),
                             window->size().boundedTo(area - QSize(spare, spare)).expandedTo(window->minimumSize())));
        const bool fits
            = corner.y() + window->height() <= area.height() && corner.x() + window->width() <= area.width();
        if (!fits && corner.y() > 0)
            corner = QPoint(++restarts * titleBar, 0);
        // One larger than the area keeps its top left corner in it.
        window->move(std::max(0, std::min(corner.x(), area.width() - window->width())),
                     std::max(0, std::min(corner.y(), area.height() - window->height())));
        corner += QPoint(titleBar, titleBar);
        front = window;
    }
    if (!front)
        return;
    // Stacked by the area's own means: raise() leaves the active window where it was.
    m_mdiArea->setActiveSubWindow(front);
    for (qsizetype i = windows.size() - 2; i >= 0; --i)
        windows[i]->stackUnder(windows[i + 1]);
}

void MainWindow::tileWindows()
{
    // A grid in group order, group 1 at the top left, filling the area. Of the grids that hold every
    // window, the one whose cells keep the most of a window's minimum size, the worse way; windows
    // smaller than that scroll their controls. Below half the minimum they keep that much, and the
    // area scrolls to the rest rather than letting them overlap.
    const QList<QMdiSubWindow*> windows = shownGroupWindows();
    if (windows.isEmpty())
        return;
    QSize smallest(1, 1);
    for (QMdiSubWindow* window : windows) {
        window->showNormal();
        smallest = smallest.expandedTo(window->minimumSize());
    }
    const QSize area = m_mdiArea->viewport()->size();
    const int count = int(windows.size());
    const auto rowsFor = [count](int columns) { return (count + columns - 1) / columns; };
    const auto kept = [&](int columns) {
        return std::min(double(area.width() / columns) / smallest.width(),
                        double(area.height() / rowsFor(columns)) / smallest.height());
    };
    int columns = 1;
    for (int tried = 2; tried <= count; ++tried)
        if (kept(tried) > kept(columns))
            columns = tried;
    const QSize cell = QSize(area.width() / columns, area.height() / rowsFor(columns))
                           .expandedTo(smallest / 2)
                           .expandedTo(QSize(1, 1));
    for (int i = 0; i < count; ++i)
        placeSubWindow(windows[i], QRect(QPoint(i % columns * cell.width(), i / columns * cell.height()), cell));
}

void MainWindow::showHelp()
{
    const QDir data(programFolders(QCoreApplication::applicationDirPath()).data);
    // The guide's file name is translated with the window texts; the English guide stands in when a
    // translated one is missing.
    //: The file name of the user guide written in this language, beside the English one.
    QString guide = data.filePath(tr("tabulon-help.html"));
    if (!QFileInfo::exists(guide))
        guide = data.filePath(kHelpFileName);
    if (!QFileInfo::exists(guide)) {
        Prompts::refuse(tr("The user guide was not found at ") + guide, tr("Help"));
        return;
    }
    if (!m_help) {
        m_help = new HelpWindow(guide, this);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void MainWindow::showAbout()
{
    const QString text = kProgramCaption + QStringLiteral("\r\r") + aboutCredit() + QStringLiteral("\r\r")
        + aboutRights() + QStringLiteral("\r\r") + kAboutWebAddress;
    Prompts::message(text, tr("About Tabulon"), Prompts::Icon::Information, Prompts::Buttons::Ok);
}

bool MainWindow::confirmClose()
{
    return mayCloseUnsaved();
}

void MainWindow::saveWindowState()
{
    writeSetting(kCompany, kProduct, kWindowStateSetting, QString::number(windowStateCode()));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    saveWindowState();
    event->accept();
}
