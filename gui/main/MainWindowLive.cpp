// File > Share Live Page: the open tournament's site served from memory while the window runs.
#include "core/live/LiveServer.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/live/ShareLiveDialog.h"
#include "gui/main/MainWindow.h"
#include "gui/widgets/Prompts.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

void MainWindow::setUpLivePage()
{
    m_liveServer = std::make_unique<LiveServer>();
    m_liveStatus = new QLabel(this);
    m_liveStatus->setObjectName(QStringLiteral("liveStatus"));
    m_liveStatus->setAccessibleName(tr("Live page"));
    m_liveStatus->hide();
    statusBar()->addPermanentWidget(m_liveStatus);
    // A burst of changes (an import, a group's fixtures) makes the pages once, soon after the last.
    m_liveRefresh = new QTimer(this);
    m_liveRefresh->setSingleShot(true);
    m_liveRefresh->setInterval(100);
    connect(m_liveRefresh, &QTimer::timeout, this, &MainWindow::refreshLivePage);
    connect(m_document, &TournamentDocument::contentChanged, this, [this] {
        if (m_liveServer->isRunning())
            m_liveRefresh->start();
    });
    // Another tournament, or none, ends the sharing of this one.
    connect(m_document, &TournamentDocument::tournamentReset, this, &MainWindow::stopLivePage);
}

void MainWindow::refreshLivePage()
{
    QString error;
    if (m_liveServer->isRunning() && !serveTournament(*m_liveServer, m_document->data(), m_databaseName, &error))
        statusBar()->showMessage(tr("The live page was not updated: %1").arg(error));
}

void MainWindow::stopLivePage()
{
    m_liveRefresh->stop();
    m_liveServer->stop();
    m_liveStatus->hide();
}

void MainWindow::shareLivePage()
{
    if (!m_document->isOpen())
        return;
    const auto start = [this](const QString& address, int port) {
        QString error;
        if (!serveTournament(*m_liveServer, m_document->data(), m_databaseName, &error)
            || !m_liveServer->start(address, port, &error)) {
            Prompts::refuse(error, tr("Share Live Page"));
            return QString();
        }
        m_liveStatus->setText(tr("Live page at %1").arg(m_liveServer->url()));
        m_liveStatus->show();
        return m_liveServer->url();
    };
    ShareLiveDialog dialog(
        livePageAddresses(), m_liveServer->isRunning() ? m_liveServer->url() : QString(), start,
        [this] { stopLivePage(); }, this);
    dialog.exec();
}
