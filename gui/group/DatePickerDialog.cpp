#include "gui/group/DatePickerDialog.h"

#include "core/records/RecordLines.h"
#include "gui/widgets/CenterWindow.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DatePickerDialog::DatePickerDialog(const QDate& start, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("datePickerDialog"));
    // A title bar to move it by, so that it never hides what the user needs to see to pick a date.
    setWindowTitle(QStringLiteral("Select Date"));
    setModal(true);

    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("messageLabel"));
    m_messageLabel->setAccessibleName(QStringLiteral("Message"));
    m_messageLabel->setText(QStringLiteral("Choose a date"));

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setAccessibleName(QStringLiteral("Calendar"));
    m_calendar->setGridVisible(true);
    // A record date keeps a four-digit year; the calendar offers no other.
    m_calendar->setDateRange(earliestRecordDate(), latestRecordDate());
    connect(m_calendar, &QCalendarWidget::activated, this, &DatePickerDialog::confirm);
    // The calendar's own parts carry no names a screen reader could announce.
    const std::pair<const char*, const char*> parts[] = {
        { "qt_calendar_prevmonth", "Previous month" },
        { "qt_calendar_nextmonth", "Next month" },
        { "qt_calendar_monthbutton", "Month" },
        { "qt_calendar_yearbutton", "Year" },
        { "qt_calendar_yearedit", "Year" },
        { "qt_calendar_calendarview", "Days of the month" },
    };
    for (const auto& [name, accessibleName] : parts) {
        if (auto* part = m_calendar->findChild<QWidget*>(QLatin1String(name)))
            part->setAccessibleName(QLatin1String(accessibleName));
    }

    auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setAccessibleName(QStringLiteral("OK"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &DatePickerDialog::confirm);

    auto* cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAccessibleName(QStringLiteral("Cancel"));
    connect(cancelButton, &QPushButton::clicked, this, &DatePickerDialog::cancel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_messageLabel);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);

    m_calendar->setSelectedDate(start.isValid() ? start : QDate::currentDate());
    centerWindow(this);
}

std::optional<QDate> DatePickerDialog::pick(const QDate& start, const QString& message, QWidget* parent)
{
    DatePickerDialog dialog(start, parent);
    if (!message.isEmpty())
        dialog.setMessage(message);
    dialog.exec();
    return dialog.pickedDate();
}

void DatePickerDialog::setMessage(const QString& message)
{
    m_messageLabel->setText(message);
}

void DatePickerDialog::confirm()
{
    m_picked = m_calendar->selectedDate();
    accept();
}

void DatePickerDialog::cancel()
{
    m_picked.reset();
    QDialog::reject();
}

void DatePickerDialog::reject()
{
    // Escape and the window's close control count as Cancel.
    cancel();
}
