#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

// Drives a modal dialog that the code under test is about to open with exec(): once it is the
// active modal widget, `interact` receives it (cast to Dialog) and should close it. A guard rejects
// whatever modal dialog is still open after `guardMs`, so a failing test cannot hang the suite.
// Call it before the code that opens the dialog; `wasShown()` tells whether `interact` ran. Its
// timers end with it, so it never touches a later test's dialog.
template <typename Dialog>
class ModalDialog
{
public:
    explicit ModalDialog(std::function<void(Dialog*)> interact, int guardMs = 5000)
        : m_interact(std::move(interact))
    {
        QTimer::singleShot(0, &m_context, [this] { poll(); });
        QTimer::singleShot(guardMs, &m_context, [] {
            if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                open->reject();
        });
    }
    bool wasShown() const { return m_shown; }

private:
    void poll()
    {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            m_shown = true;
            m_interact(dialog);
            return;
        }
        if (++m_polls < 500)
            QTimer::singleShot(10, &m_context, [this] { poll(); });
    }

    QObject m_context;
    std::function<void(Dialog*)> m_interact;
    bool m_shown = false;
    int m_polls = 0;
};
