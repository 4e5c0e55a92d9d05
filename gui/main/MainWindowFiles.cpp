// File > Save, Save As, File > Open and the recent files: the windows' side of the tournament file. The
// document reads, checks and writes the file itself.
#include "core/common/Limits.h"
#include "core/tournament/RecentFiles.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/main/MainWindow.h"
#include "gui/main/ShownPath.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

QString fileErrorTitle()
{
    return MainWindow::tr("File Input Error");
}

QString tournamentFilter()
{
    return fileFilter({ { MainWindow::tr("Tournament Files (*.trn)"), QStringLiteral("*.trn") } });
}

// "&1 ~/leagues/spring.trn": numbered for its access key, the home folder shortened.
QString recentFileCaption(int n, const QString& path)
{
    return QStringLiteral("&%1 %2").arg(n).arg(shownPath(path).replace(u'&', QStringLiteral("&&")));
}

} // namespace

void MainWindow::save()
{
    // A tournament that has a file is written back to it; only a new one asks where, and one whose
    // file another Tabulon holds.
    if (m_document->fileName().isEmpty() || m_readOnly)
        saveAs();
    else
        saveTo(m_document->fileName());
}

void MainWindow::saveAs()
{
    const QString path = showSaveDialog(tr("Save Tournament ..."), tournamentFilter());
    if (path.isEmpty() || (path != m_document->fileName() && !Prompts::mayOverwrite(path)))
        return;
    saveTo(path);
}

void MainWindow::saveTo(const QString& path)
{
    // Another file, or this one while another program held it, is locked before it is written;
    // one another Tabulon holds is refused.
    TournamentFileLock lock;
    const bool locksAnew = path != m_fileLock.path() || !m_fileLock.isLocked();
    if (locksAnew && lock.lock(path) == TournamentFileLock::Result::InUse) {
        Prompts::refuse(fileInUseMessage(path), fileErrorTitle());
        return;
    }
    if (path == m_document->fileName() && m_document->isFileChangedElsewhere()) {
        const Prompts::Answer answer = Prompts::message(
            { tr("%1 was changed by another program since you opened it. Overwrite it?")
                  .arg(QFileInfo(path).fileName()),
              tr("Save"), Prompts::Icon::Question, Prompts::Buttons::YesNoSaveAs, Prompts::Answer::No });
        if (answer == Prompts::Answer::SaveAs)
            saveAs();
        if (answer != Prompts::Answer::Yes)
            return;
    }
    // The file saved to becomes the tournament's file, which the next Save writes without asking.
    QString error;
    if (!m_document->save(path, &error, TournamentDocument::FileNameAfterSave::Adopt)) {
        Prompts::refuse(error, fileErrorTitle());
        return;
    }
    if (locksAnew) {
        m_fileLock = std::move(lock);
        m_readOnly = false;
        updateCaption();
    }
    rememberRecentFile(QFileInfo(path).absoluteFilePath());
}

void MainWindow::followFileName()
{
    if (m_document->fileName() == m_fileLock.path())
        return;
    m_fileLock.unlock();
    m_readOnly = !m_document->fileName().isEmpty()
        && m_fileLock.lock(m_document->fileName()) == TournamentFileLock::Result::InUse;
}

void MainWindow::open()
{
    const QString path = showOpenDialog(tournamentFilter());
    if (!path.isEmpty())
        openTournamentFile(path);
}

bool MainWindow::openTournamentFile(const QString& path)
{
    if (m_document->isOpen() && !closeTournament())
        return false;

    if (!QFileInfo::exists(path)) {
        Prompts::refuse(tr("File Does Not Exist"), tr("ERROR"));
        return false;
    }
    // Two programs saving one file would each throw the other's work away: a file another Tabulon
    // holds opens read-only or not at all.
    TournamentFileLock lock;
    const bool inUse = lock.lock(path) == TournamentFileLock::Result::InUse;
    if (inUse
        && !Prompts::ask(tr("%1 is open in another Tabulon window. Open it read-only?").arg(QFileInfo(path).fileName()),
                         tr("Open"))) {
        return false;
    }
    m_fileLock = std::move(lock);
    m_readOnly = inUse;
    // Everything is read and checked before the document takes it, so a refused file changes nothing.
    const TournamentReadResult read = m_document->open(path);
    if (!read.ok()) {
        m_fileLock.unlock();
        m_readOnly = false;
        Prompts::refuse(read.error, fileErrorTitle());
        return false;
    }
    rememberRecentFile(QFileInfo(path).absoluteFilePath());
    if (!read.unreadable.isEmpty())
        Prompts::refuse(unreadableLinesMessage(read.unreadable), fileErrorTitle());
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
    openRecentPath(m_recentFileItems.value(n - 1)->data().toString());
}

void MainWindow::openRecentPath(const QString& path)
{
    if (m_document->isOpen() && !closeTournament())
        return;
    if (!QFileInfo::exists(path)) {
        forgetRecentFile(path);
        updateRecentFileItems();
        updateStartPanel();
        Prompts::refuse(tr("%1 no longer exists, so it has been taken off the list of recent tournaments.")
                            .arg(QDir::toNativeSeparators(path)),
                        tr("ERROR"));
        return;
    }
    openTournamentFile(path);
}
