#include "gui/widgets/DateField.h"

#include "core/common/TypedDate.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/Prompts.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

DateField::DateField(QWidget* parent, QAnyStringView objectName, const QString& accessibleName, Calendar calendar)
    : QWidget(parent)
{
    setObjectName(objectName);
    m_text = makeTextField(this, "dateText", QString(), accessibleName);
    m_text->setMinimumWidth(m_text->fontMetrics().horizontalAdvance(QStringLiteral("00-Mmm-00000")) + 12);
    setFocusProxy(m_text);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    if (calendar == Calendar::Button) {
        m_calendarButton = makeButton(this, "dateCalendarButton", QStringLiteral("..."), tr("Select Date"));
        m_calendarButton->setToolTip(tr("Select Date"));
        m_calendarButton->setFixedWidth(m_calendarButton->sizeHint().height());
        layout->addWidget(m_calendarButton);
        connect(m_calendarButton, &QPushButton::clicked, this, &DateField::showCalendar);
    }
    connect(m_text, &QLineEdit::textEdited, this, [this] {
        if (const std::optional<QDate> typed = date())
            emit dateTyped(*typed);
    });
}

void DateField::setDate(const QDate& date)
{
    // Always in English, as every date of a tournament is written.
    m_text->setText(QLocale::c().toString(date, QStringLiteral("dd-MMM-yyyy")));
    m_text->selectAll();
}

std::optional<QDate> DateField::date() const
{
    return readTypedDate(m_text->text());
}

std::optional<QDate> DateField::takeDate(const QString& title)
{
    if (const std::optional<QDate> typed = date())
        return typed;
    Prompts::refuse(
        tr("\"%1\" is not a date: type it as 07-Mar-2000, 2000-03-07 or 7 Mar 2000.").arg(m_text->text().trimmed()),
        title);
    m_text->setFocus();
    m_text->selectAll();
    return std::nullopt;
}

void DateField::showCalendar()
{
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->setObjectName(QStringLiteral("dateCalendar"));
        m_calendar->setAccessibleName(tr("Calendar"));
        m_calendar->setGridVisible(true);
        // The calendar's own typing popup garbles typed dates; the field takes them.
        m_calendar->setDateEditEnabled(false);
        m_calendar->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
        connect(m_calendar, &QCalendarWidget::activated, this, [this](const QDate& picked) {
            setDate(picked);
            m_calendar->hide();
            m_text->setFocus();
        });
        connect(m_calendar, &QCalendarWidget::clicked, m_calendar, &QCalendarWidget::activated);
    }
    m_calendar->setSelectedDate(date().value_or(QDate::currentDate()));
    m_calendar->adjustSize();
    m_calendar->move(mapToGlobal(QPoint(0, height())));
    m_calendar->show();
    m_calendar->setFocus();
}
