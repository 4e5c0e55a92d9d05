#include "gui/main/StartPanel.h"

#include "gui/main/ShownPath.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StartPanel::StartPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("startPanel"));
    setAccessibleName(tr("No tournament open"));
    auto* text = new QLabel(tr("No tournament is open. Start a new tournament, or open a tournament file."));
    text->setObjectName(QStringLiteral("startText"));
    text->setWordWrap(true);
    auto* newButton = new QPushButton(tr("&New Tournament..."));
    newButton->setObjectName(QStringLiteral("startNewButton"));
    newButton->setAccessibleName(tr("New Tournament"));
    connect(newButton, &QPushButton::clicked, this, &StartPanel::newRequested);
    auto* openButton = new QPushButton(tr("&Open..."));
    openButton->setObjectName(QStringLiteral("startOpenButton"));
    openButton->setAccessibleName(tr("Open"));
    connect(openButton, &QPushButton::clicked, this, &StartPanel::openRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newButton);
    buttons->addWidget(openButton);
    buttons->addStretch();
    m_recentList = new QVBoxLayout;
    auto* column = new QVBoxLayout;
    column->addStretch(1);
    column->addWidget(text);
    column->addLayout(buttons);
    column->addLayout(m_recentList);
    column->addStretch(3);
    // A readable column in the middle of a wide window.
    auto* outer = new QHBoxLayout(this);
    outer->addStretch(1);
    outer->addLayout(column, 2);
    outer->addStretch(1);
}

void StartPanel::setRecentFiles(const QStringList& paths)
{
    while (QLayoutItem* item = m_recentList->takeAt(0)) {
        // Later: the button pressed may be one of them, still in its click.
        item->widget()->hide();
        item->widget()->deleteLater();
        delete item;
    }
    if (paths.isEmpty())
        return;
    auto* heading = new QLabel(tr("Recent tournaments:"));
    heading->setObjectName(QStringLiteral("startRecentHeading"));
    m_recentList->addWidget(heading);
    for (int n = 1; n <= paths.size(); ++n) {
        const QString path = paths[n - 1];
        auto* button
            = new QPushButton(QStringLiteral("&%1 %2").arg(n).arg(shownPath(path).replace(u'&', QStringLiteral("&&"))));
        button->setObjectName(QStringLiteral("startRecentButton%1").arg(n));
        button->setAccessibleName(tr("Open %1").arg(shownPath(path)));
        button->setFlat(true);
        connect(button, &QPushButton::clicked, this, [this, path] { emit recentFileRequested(path); });
        m_recentList->addWidget(button, 0, Qt::AlignLeft);
    }
}
