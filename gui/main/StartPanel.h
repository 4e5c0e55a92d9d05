#pragma once

#include <QStringList>
#include <QWidget>

class QVBoxLayout;

// What the main window shows while no tournament is open: what to do first, with New, Open and
// the recent files at hand.
class StartPanel : public QWidget
{
    Q_OBJECT

public:
    explicit StartPanel(QWidget* parent = nullptr);

    void setRecentFiles(const QStringList& paths);

signals:
    void newRequested();
    void openRequested();
    void recentFileRequested(const QString& path);

private:
    QVBoxLayout* m_recentList = nullptr;
};
