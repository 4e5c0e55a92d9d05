#include "gui/group/DatePickerDialog.h"

#include "core/records/RecordLines.h"
#include "core/tournament/Tournament.h"
#include "gui/widgets/CenterForm.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmCalendar::frmCalendar(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCalendar"));
    // A title bar to move it by, so that it never hides what the user needs to see to pick a date.
    setWindowTitle(QStringLiteral("Select Date"));
    setModal(true);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setAccessibleName(QStringLiteral("Message"));
    lblMessage->setText(QStringLiteral("Choose a date"));

    Cal = new QCalendarWidget(this);
    Cal->setObjectName(QStringLiteral("Cal"));
    Cal->setAccessibleName(QStringLiteral("Calendar"));
    Cal->setGridVisible(true);
    // A record date keeps a four-digit year; the calendar offers no other.
    Cal->setDateRange(earliestRecordDate(), latestRecordDate());
    connect(Cal, &QCalendarWidget::activated, this, &frmCalendar::cmdOK_Click);
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
        if (auto* part = Cal->findChild<QWidget*>(QLatin1String(name)))
            part->setAccessibleName(QLatin1String(accessibleName));
    }

    auto* cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(QStringLiteral("OK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmCalendar::cmdOK_Click);

    auto* cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAccessibleName(QStringLiteral("Cancel"));
    connect(cmdCancel, &QPushButton::clicked, this, &frmCalendar::cmdCancel_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMessage);
    layout->addWidget(Cal);
    layout->addLayout(buttons);

    Form_Load();
}

void frmCalendar::Form_Load()
{
    if (CalendarDate.isValid())
        Cal->setSelectedDate(CalendarDate);
    CenterForm(this);
}

void frmCalendar::setMessage(const QString& message)
{
    lblMessage->setText(message);
}

void frmCalendar::cmdOK_Click()
{
    CalendarDate = Cal->selectedDate();
    accept();
}

void frmCalendar::cmdCancel_Click()
{
    CalendarDate = calendarCancelDate();
    QDialog::reject();
}

void frmCalendar::reject()
{
    // Escape and the window's close control count as Cancel.
    cmdCancel_Click();
}
