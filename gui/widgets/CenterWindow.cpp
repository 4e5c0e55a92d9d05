#include "gui/widgets/CenterWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centerWindow(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    // Differences are halved with truncation toward zero, as the window's placement always was.
    const int left = (available.width() - frame.width()) / 2;
    const int top = (available.height() - frame.height()) / 2;
    window->move(available.left() + left, available.top() + top);
}
