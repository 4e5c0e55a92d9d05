#include "gui/main/MainWindow.h"

#include "core/common/Limits.h"
#include "core/standings/TempDatabase.h"
#include "core/tournament/DatabaseLocation.h"
#include "core/tournament/ProgramFolders.h"
#include "core/tournament/Settings.h"
#include "core/tournament/Tournament.h"
#include "gui/group/GroupWindow.h"
#include "gui/main/AboutText.h"
#include "gui/main/HelpWindow.h"
#include "gui/widgets/CenterForm.h"
#include "gui/widgets/Prompts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStandardPaths>

namespace {

const QString kProgramCaption = QStringLiteral("Tabulon");
const QString kWindowStateSetting = QStringLiteral("Window State");
const QString kUnsavedQuestion = QStringLiteral("Tournament not saved.  Are you sure you want to exit");
const QString kCloseTitle = QStringLiteral("Close Tournament");

const char* const kUnloadingProperty = "tabulonUnloading";

// Group windows have no close box; this keeps the system's close key from closing one too.
// Only unloadGroupWindow, which marks the window first, closes one.
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

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kProgramCaption);
    resize(1024, 720);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setAccessibleName(QStringLiteral("Group windows"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &frmMain::updateActions);

    buildMenus();
    MDIForm_Load();
    updateActions();
}

frmMain::~frmMain()
{
    // The group windows close after this window's own parts are gone; they must not update them.
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

QAction* frmMain::addMenuItem(QMenu* menu, const char* objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    // Held by the window as well, so that its shortcut works while the menu has never been opened.
    addAction(action);
    return action;
}

void frmMain::buildMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    connect(mnuFile, &QMenu::aboutToShow, this, &frmMain::mnuFile_Click);

    QAction* mnuNew = addMenuItem(mnuFile, "mnuNew", QStringLiteral("&New"));
    mnuNew->setShortcut(QKeySequence::New);
    connect(mnuNew, &QAction::triggered, this, &frmMain::mnuNew_Click);

    QAction* mnuClose = addMenuItem(mnuFile, "mnuClose", QStringLiteral("&Close"));
    connect(mnuClose, &QAction::triggered, this, &frmMain::mnuClose_Click);

    QAction* mnuOpen = addMenuItem(mnuFile, "mnuOpen", QStringLiteral("&Open"));
    mnuOpen->setShortcut(QKeySequence::Open);
    connect(mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);

    m_saveAction = addMenuItem(mnuFile, "mnuSave", QStringLiteral("&Save"));
    m_saveAction->setShortcut(QKeySequence::Save);
    m_saveAction->setEnabled(false);
    // A shortcut reaches the item without the menu being opened, so the same rule is checked here.
    connect(m_saveAction, &QAction::triggered, this, [this] {
        if (canSave())
            mnuSave_Click();
    });

    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    QAction* mnuGenerateFixtures = addMenuItem(mnuFile, "mnuGenerateFixtures", QStringLiteral("&Generate Fixtures"));
    connect(mnuGenerateFixtures, &QAction::triggered, this, &frmMain::mnuGenerateFixtures_Click);
    QAction* mnuGenerateBalancedFixtures
        = addMenuItem(mnuFile, "mnuGenerateBalancedFixtures", QStringLiteral("Generate &Balanced Fixtures"));
    connect(mnuGenerateBalancedFixtures, &QAction::triggered, this, &frmMain::mnuGenerateBalancedFixtures_Click);
    QAction* mnuImportResults = addMenuItem(mnuFile, "mnuImportResults", QStringLiteral("&Import Results..."));
    connect(mnuImportResults, &QAction::triggered, this, &frmMain::mnuImportResults_Click);
    QAction* mnuExportCalendar = addMenuItem(mnuFile, "mnuExportCalendar", QStringLiteral("Export Ca&lendar..."));
    connect(mnuExportCalendar, &QAction::triggered, this, &frmMain::mnuExportCalendar_Click);
    QAction* mnuPublishWebSite = addMenuItem(mnuFile, "mnuPublishWebSite", QStringLiteral("Publish &Web Site..."));
    connect(mnuPublishWebSite, &QAction::triggered, this, &frmMain::mnuPublishWebSite_Click);
    QAction* mnuPointsAdjustments
        = addMenuItem(mnuFile, "mnuPointsAdjustments", QStringLiteral("Points &Adjustments..."));
    connect(mnuPointsAdjustments, &QAction::triggered, this, &frmMain::mnuPointsAdjustments_Click);
    m_groupActions = { mnuGenerateFixtures, mnuGenerateBalancedFixtures, mnuImportResults, mnuExportCalendar,
                       mnuPointsAdjustments };
    m_publishAction = mnuPublishWebSite;
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    addRecentFileItems(mnuFile);

    QAction* mnuExit = addMenuItem(mnuFile, "mnuExit", QStringLiteral("E&xit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnuExit->setMenuRole(QAction::NoRole);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);

    // F10 opens the File menu, as on other desktops; a group window's access keys leave it alone.
    auto* openMenus = new QAction(this);
    openMenus->setObjectName(QStringLiteral("mnuOpenMenus"));
    openMenus->setShortcut(Qt::Key_F10);
    addAction(openMenus);
    connect(openMenus, &QAction::triggered, this,
            [this, mnuFile] { menuBar()->setActiveAction(mnuFile->menuAction()); });

    QMenu* mnuWindow = menuBar()->addMenu(QStringLiteral("&Window"));
    mnuWindow->setObjectName(QStringLiteral("mnuWindow"));
    QAction* mnuCascade = addMenuItem(mnuWindow, "mnuCascade", QStringLiteral("&Cascade"));
    connect(mnuCascade, &QAction::triggered, this, &frmMain::mnuCascade_Click);
    mnuWindow->addSeparator()->setObjectName(QStringLiteral("sep2"));
    m_windowList = mnuWindow->addMenu(QStringLiteral("&Windows"));
    m_windowList->setObjectName(QStringLiteral("mnuWindows"));
    m_windowList->menuAction()->setObjectName(QStringLiteral("mnuWindowsItem"));
    connect(m_windowList, &QMenu::aboutToShow, this, &frmMain::fillWindowList);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction* mnuShowHelp = addMenuItem(mnuHelp, "mnuShowHelp", QStringLiteral("&Help"));
    mnuShowHelp->setShortcut(QKeySequence::HelpContents);
    connect(mnuShowHelp, &QAction::triggered, this, &frmMain::mnuShowHelp_Click);
    QAction* mnuAbout = addMenuItem(mnuHelp, "mnuAbout", QStringLiteral("&About"));
    mnuAbout->setMenuRole(QAction::NoRole);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
}

void frmMain::MDIForm_Load()
{
    // Centred first: placing a window would take it out of the maximised state again.
    CenterForm(this);
    bool isNumber = false;
    const int state = ReadSetting(kCompany, kProduct, kWindowStateSetting, QStringLiteral("0")).toInt(&isNumber);
    switch (isNumber ? state : 0) {
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

    Tournament.Saved = true;
    Tournament.FileName.clear();

    const QString userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    DatabaseName = settleDatabaseName(programFolders(QCoreApplication::applicationDirPath()), userDataFolder);
    // A temporary database deleted because it was damaged is made anew.
    if (!QFileInfo::exists(DatabaseName))
        createTempDatabase(DatabaseName);
}

int frmMain::windowStateCode() const
{
    if (isMinimized())
        return 1;
    if (isMaximized())
        return 2;
    return 0;
}

bool frmMain::canSave() const
{
    // After a cancelled team entry the settings remain but no group window exists: nothing to save.
    return Tournament.GroupCount != 0 && loadedGroupWindow(1) != nullptr;
}

void frmMain::mnuFile_Click()
{
    updateActions();
    updateRecentFileItems();
}

void frmMain::updateActions()
{
    m_saveAction->setEnabled(canSave());
    // Commands that need a tournament or a group are greyed out without one rather than refusing.
    const bool hasGroup = Tournament.IsOpen && activeGroupWindow();
    for (QAction* action : std::as_const(m_groupActions))
        action->setEnabled(hasGroup);
    m_publishAction->setEnabled(Tournament.IsOpen && canSave());
}

bool frmMain::CloseTournament()
{
    if (!Tournament.Saved) {
        if (!Prompts::ask(kUnsavedQuestion, kCloseTitle, Prompts::Answer::No))
            return false;
        Tournament.Saved = true;
    }
    for (int slot = 1; slot <= Tournament.GroupCount && slot <= kMaxGroups; ++slot)
        unloadGroupWindow(slot);
    Tournament.GroupCount = 0;
    setWindowTitle(kProgramCaption);
    Tournament.IsOpen = false;
    updateActions();
    return true;
}

frmGroup* frmMain::loadedGroupWindow(int slot) const
{
    if (slot < 1 || slot > kMaxGroups || !m_groupWindows[slot])
        return nullptr;
    return qobject_cast<frmGroup*>(m_groupWindows[slot]->widget());
}

frmGroup* frmMain::groupWindow(int slot)
{
    Q_ASSERT(slot >= 1 && slot <= kMaxGroups);
    if (frmGroup* existing = loadedGroupWindow(slot))
        return existing;

    auto* group = new frmGroup;
    // No close, minimise or maximise button: a group window lives as long as its tournament.
    const Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    QMdiSubWindow* window = m_mdiArea->addSubWindow(group, flags);
    window->setObjectName(QStringLiteral("groupWindow%1").arg(slot));
    window->setOption(QMdiSubWindow::RubberBandResize, false);
    window->installEventFilter(new GroupSubWindowGuard(window));
    window->hide();
    m_groupWindows[slot] = window;
    updateActions();
    return group;
}

void frmMain::showGroupWindow(int slot)
{
    groupWindow(slot);
    m_groupWindows[slot]->show();
}

void frmMain::activateGroupWindow(int slot)
{
    groupWindow(slot);
    m_groupWindows[slot]->show();
    m_mdiArea->setActiveSubWindow(m_groupWindows[slot]);
}

void frmMain::unloadGroupWindow(int slot)
{
    if (slot < 1 || slot > kMaxGroups || !m_groupWindows[slot])
        return;
    QMdiSubWindow* window = m_groupWindows[slot];
    m_groupWindows[slot] = nullptr;
    window->setProperty(kUnloadingProperty, true);
    m_mdiArea->removeSubWindow(window);
    delete window;
    updateActions();
}

frmGroup* frmMain::activeGroupWindow() const
{
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    return active ? qobject_cast<frmGroup*>(active->widget()) : nullptr;
}

void frmMain::fillWindowList()
{
    m_windowList->clear();
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    for (int slot = 1; slot <= kMaxGroups; ++slot) {
        QMdiSubWindow* window = m_groupWindows[slot];
        if (!window || !window->isVisible())
            continue;
        QAction* item = m_windowList->addAction(window->windowTitle());
        item->setObjectName(QStringLiteral("mnuWindowsGroup%1").arg(slot));
        item->setCheckable(true);
        item->setChecked(window == active);
        connect(item, &QAction::triggered, this, [this, slot] { activateGroupWindow(slot); });
    }
}

void frmMain::mnuClose_Click()
{
    CloseTournament();
}

void frmMain::mnuExit_Click()
{
    close();
}

void frmMain::mnuCascade_Click()
{
    // Each window stands one title bar lower and to the right of the one before it, keeping its
    // size, so that every group's title stays in sight; the last group comes to the front.
    QMdiSubWindow* front = nullptr;
    QPoint corner(0, 0);
    for (int slot = 1; slot <= kMaxGroups; ++slot) {
        QMdiSubWindow* window = m_groupWindows[slot];
        if (!window || !window->isVisible())
            continue;
        window->showNormal();
        window->move(corner);
        window->raise();
        const int titleBar = window->widget() ? window->widget()->geometry().top() : 24;
        corner += QPoint(titleBar, titleBar);
        front = window;
    }
    if (front)
        m_mdiArea->setActiveSubWindow(front);
}

void frmMain::mnuShowHelp_Click()
{
    const QString guide = QDir(programFolders(QCoreApplication::applicationDirPath()).data).filePath(kHelpFileName);
    if (!QFileInfo::exists(guide)) {
        Prompts::refuse(QStringLiteral("The user guide was not found at ") + guide, QStringLiteral("Help"));
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

void frmMain::mnuAbout_Click()
{
    const QString text = kProgramCaption + QStringLiteral("\r\r") + kAboutCredit + QStringLiteral("\r\r") + kAboutRights
        + QStringLiteral("\r\r") + kAboutWebAddress;
    Prompts::message(text, QStringLiteral("About Tabulon"), Prompts::Icon::Information, Prompts::Buttons::Ok);
}

bool frmMain::MDIForm_QueryUnload()
{
    if (Tournament.Saved)
        return true;
    return Prompts::ask(kUnsavedQuestion, kCloseTitle, Prompts::Answer::No);
}

void frmMain::MDIForm_Unload()
{
    WriteSetting(kCompany, kProduct, kWindowStateSetting, QString::number(windowStateCode()));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!MDIForm_QueryUnload()) {
        event->ignore();
        return;
    }
    MDIForm_Unload();
    event->accept();
}
