// File > Save, File > Open and the recent files: the windows' side of the tournament file. The file
// itself is read, checked and written by model/TournamentFile.
#include "core/common/Limits.h"
#include "core/tournament/RecentFiles.h"
#include "core/tournament/Tournament.h"
#include "core/tournament/TournamentFile.h"
#include "gui/group/GroupWindow.h"
#include "gui/main/MainWindow.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString kFileErrorTitle = QStringLiteral("File Input Error");

QString tournamentFilter()
{
    return fileFilter({ { QStringLiteral("Tournament Files (*.trn)"), QStringLiteral("*.trn") } });
}

// "&1 ~/leagues/spring.trn": numbered for its access key, the home folder shortened.
QString recentFileCaption(int n, const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    const QString home = QDir::toNativeSeparators(QDir::homePath()) + QDir::separator();
    if (shown.startsWith(home))
        shown = QStringLiteral("~") + QDir::separator() + shown.mid(home.size());
    return QStringLiteral("&%1 %2").arg(n).arg(shown.replace(u'&', QStringLiteral("&&")));
}

} // namespace

void MainWindow::save()
{
    const QString path = showSaveDialog(QStringLiteral("Save Tournament ..."), tournamentFilter());
    if (path.isEmpty())
        return;

    // The name is remembered only when the file is new, so saving again over a file that existed
    // before asks again every time; saving to the remembered name never asks.
    QString fileName = Tournament.FileName;
    if (path != Tournament.FileName) {
        const bool isNew = !QFileInfo::exists(path);
        if (!Prompts::mayOverwrite(path))
            return;
        if (isNew)
            fileName = path;
    }

    TournamentData data;
    data.title = windowTitle();
    static_cast<TournamentSettings&>(data) = Tournament;
    for (int g = 1; g <= Tournament.GroupCount; ++g) {
        // Each group's window comes to the front as its block is taken; the last one stays active.
        activateGroupWindow(g);
        const GroupWindow* group = groupWindow(g);
        data.groups.append({ group->windowTitle(), group->teams(), group->storedLines(), group->adjustments() });
    }

    QString error;
    if (!saveTournamentFile(data, path, &error)) {
        Prompts::refuse(error, kFileErrorTitle);
        return;
    }
    Tournament.FileName = fileName;
    Tournament.Saved = true;
    rememberRecentFile(QFileInfo(path).absoluteFilePath());
}

void MainWindow::open()
{
    const QString path = showOpenDialog(tournamentFilter());
    if (!path.isEmpty())
        openTournamentFile(path);
}

bool MainWindow::openTournamentFile(const QString& path)
{
    if (Tournament.IsOpen && !closeTournament())
        return false;

    if (!QFileInfo::exists(path)) {
        Prompts::refuse(QStringLiteral("File Does Not Exist"), QStringLiteral("ERROR"));
        return false;
    }
    // Everything is read and checked before a window is made, so a refused file leaves none behind.
    const TournamentReadResult read = readTournamentFile(path);
    if (!read.ok()) {
        Prompts::refuse(read.error, kFileErrorTitle);
        return false;
    }
    const TournamentData& data = *read.data;

    setWindowTitle(data.title);
    static_cast<TournamentSettings&>(Tournament) = data;

    // Windows left by a New whose team entry was abandoned belong to no tournament: start afresh.
    for (int slot = 1; slot <= kMaxGroups; ++slot)
        unloadGroupWindow(slot);
    for (int g = 1; g <= data.GroupCount; ++g) {
        const TournamentGroupData& block = data.groups[g - 1];
        GroupWindow* group = groupWindow(g);
        group->setTag(QString::number(g));
        group->setWindowTitle(block.caption);
        group->setTeams(block.teams);
        group->setStoredLines(block.recordLines);
        group->setAdjustments(block.adjustments);
        showGroupWindow(g);
    }

    Tournament.Saved = true;
    Tournament.IsOpen = true;
    Tournament.FileName = path;
    rememberRecentFile(QFileInfo(path).absoluteFilePath());
    updateActions();
    if (!read.unreadable.isEmpty())
        Prompts::refuse(unreadableLinesMessage(read.unreadable), kFileErrorTitle);
    return true;
}

void MainWindow::addRecentFileItems(QMenu* file)
{
    for (int n = 1; n <= kRecentFileCount; ++n) {
        QAction* item = file->addAction(QString());
        item->setObjectName(QStringLiteral("recentFileAction%1").arg(n));
        connect(item, &QAction::triggered, this, [this, n] { openRecentFile(n); });
        m_recentFileItems.append(item);
    }
    m_recentFileSeparator = file->addSeparator();
    m_recentFileSeparator->setObjectName(QStringLiteral("recentFileSeparator"));
    updateRecentFileItems();
}

void MainWindow::updateRecentFileItems()
{
    const QStringList paths = recentFiles();
    for (int n = 1; n <= m_recentFileItems.size(); ++n) {
        QAction* item = m_recentFileItems[n - 1];
        item->setVisible(n <= paths.size());
        item->setText(recentFileCaption(n, paths.value(n - 1)));
        item->setData(paths.value(n - 1));
    }
    m_recentFileSeparator->setVisible(!paths.isEmpty());
}

void MainWindow::openRecentFile(int n)
{
    const QString path = m_recentFileItems.value(n - 1)->data().toString();
    if (Tournament.IsOpen && !closeTournament())
        return;
    if (!QFileInfo::exists(path)) {
        forgetRecentFile(path);
        updateRecentFileItems();
        Prompts::refuse(QStringLiteral("%1 no longer exists, so it has been taken off the list of recent tournaments.")
                            .arg(QDir::toNativeSeparators(path)),
                        QStringLiteral("ERROR"));
        return;
    }
    openTournamentFile(path);
}
