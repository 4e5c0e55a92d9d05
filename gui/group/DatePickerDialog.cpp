#include "gui/group/DatePickerDialog.h"

#include "core/records/RecordLines.h"
#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/DateField.h"
#include "gui/widgets/FocusReturn.h"

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
    setWindowTitle(tr("Select Date"));
    setModal(true);

    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("messageLabel"));
    m_messageLabel->setAccessibleName(tr("Message"));
    m_messageLabel->setText(tr("Choose a date"));

    // A date can be typed as well as picked: the field and the calendar show the same date.
    m_dateField = new DateField(this, "dateField", tr("Date"), DateField::Calendar::None);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("calendar"));
    m_calendar->setAccessibleName(tr("Calendar"));
    m_calendar->setGridVisible(true);
    // A record date keeps a four-digit year; the calendar offers no other.
    m_calendar->setDateRange(earliestRecordDate(), latestRecordDate());
    // Its own typing popup garbled typed dates ("3 Aug 2011" became "0 2021"); the field takes them.
    m_calendar->setDateEditEnabled(false);
    connect(m_calendar, &QCalendarWidget::activated, this, &DatePickerDialog::confirm);
    // The calendar's own parts carry no names a screen reader could announce.
    const std::pair<const char*, const char*> parts[] = {
        { "qt_calendar_prevmonth", QT_TR_NOOP("Previous month") },
        { "qt_calendar_nextmonth", QT_TR_NOOP("Next month") },
        { "qt_calendar_monthbutton", QT_TR_NOOP("Month") },
        { "qt_calendar_yearbutton", QT_TR_NOOP("Year") },
        { "qt_calendar_yearedit", QT_TR_NOOP("Year") },
        { "qt_calendar_calendarview", QT_TR_NOOP("Days of the month") },
    };
    for (const auto& [name, accessibleName] : parts) {
        if (auto* part = m_calendar->findChild<QWidget*>(QLatin1String(name)))
            part->setAccessibleName(tr(accessibleName));
    }

    auto* okButton = new QPushButton(tr("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setAccessibleName(tr("OK"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &DatePickerDialog::confirm);

    auto* cancelButton = new QPushButton(tr("&Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAccessibleName(tr("Cancel"));
    connect(cancelButton, &QPushButton::clicked, this, &DatePickerDialog::cancel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_messageLabel);
    layout->addWidget(m_dateField);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);

    connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] {
        // A date being typed keeps its form.
        if (m_dateField->date() != m_calendar->selectedDate())
            m_dateField->setDate(m_calendar->selectedDate());
    });
    connect(m_dateField, &DateField::dateTyped, m_calendar, &QCalendarWidget::setSelectedDate);
    m_calendar->setSelectedDate(start.isValid() ? start : QDate::currentDate());
    m_dateField->setDate(m_calendar->selectedDate());
    m_dateField->setFocus();
    centerWindow(this);
}

std::optional<QDate> DatePickerDialog::pick(const QDate& start, const QString& message, QWidget* parent)
{
    DatePickerDialog dialog(start, parent);
    if (!message.isEmpty())
        dialog.setMessage(message);
    const FocusReturn focusReturn;
    dialog.exec();
    return dialog.pickedDate();
}

void DatePickerDialog::setMessage(const QString& message)
{
    m_messageLabel->setText(message);
}

void DatePickerDialog::confirm()
{
    // The typed date, which the calendar shows too; a text that is no date keeps the dialog open.
    const std::optional<QDate> typed = m_dateField->takeDate(windowTitle());
    if (!typed)
        return;
    m_picked = *typed;
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
