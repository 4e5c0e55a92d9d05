// File > Save, File > Open and the recent files: the windows' side of the tournament file. The
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

const QString kFileErrorTitle = QStringLiteral("File Input Error");

QString tournamentFilter()
{
    return fileFilter({ { QStringLiteral("Tournament Files (*.trn)"), QStringLiteral("*.trn") } });
}

// "&1 ~/leagues/spring.trn": numbered for its access key, the home folder shortened.
QString recentFileCaption(int n, const QString& path)
{
    return QStringLiteral("&%1 %2").arg(n).arg(shownPath(path).replace(u'&', QStringLiteral("&&")));
}

} // namespace

void MainWindow::save()
{
    const QString path = showSaveDialog(QStringLiteral("Save Tournament ..."), tournamentFilter());
    if (path.isEmpty())
        return;

    // The name is remembered only when the file is new, so saving again over a file that existed
    // before asks again every time; saving to the remembered name never asks.
    auto fileName = TournamentDocument::FileNameAfterSave::Adopt;
    if (path != m_document->fileName()) {
        if (QFileInfo::exists(path))
            fileName = TournamentDocument::FileNameAfterSave::Keep;
        if (!Prompts::mayOverwrite(path))
            return;
    }

    QString error;
    if (!m_document->save(path, &error, fileName)) {
        Prompts::refuse(error, kFileErrorTitle);
        return;
    }
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
    if (m_document->isOpen() && !closeTournament())
        return false;

    if (!QFileInfo::exists(path)) {
        Prompts::refuse(QStringLiteral("File Does Not Exist"), QStringLiteral("ERROR"));
        return false;
    }
    // Everything is read and checked before the document takes it, so a refused file changes nothing.
    const TournamentReadResult read = m_document->open(path);
    if (!read.ok()) {
        Prompts::refuse(read.error, kFileErrorTitle);
        return false;
    }
    rememberRecentFile(QFileInfo(path).absoluteFilePath());
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
    if (m_document->isOpen() && !closeTournament())
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
