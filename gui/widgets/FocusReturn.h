#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

// Gives the keyboard back to the control that had it once the dialog it opened has closed. Some
// window managers activate no window of the program after a modal dialog, and then no key reaches
// it until a click: the control's window is activated again too. A control gone meanwhile (the
// editor of a table cell) leaves the keyboard to the nearest of its parents that takes it.
class FocusReturn
{
public:
    explicit FocusReturn(QWidget* control = QApplication::focusWidget())
    {
        for (QWidget* widget = control; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget())
            m_controls.append(widget);
    }
    ~FocusReturn()
    {
        for (const QPointer<QWidget>& control : std::as_const(m_controls)) {
            if (!control || !control->isVisible() || !control->isEnabled()
                || (control->focusPolicy() == Qt::NoFocus && !control->isWindow()))
                continue;
            control->activateWindow();
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QList<QPointer<QWidget>> m_controls; // the control, then its parents up to its window
};
