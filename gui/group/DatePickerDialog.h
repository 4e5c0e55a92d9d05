#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;

// Picks one date. The caller puts the starting date into CalendarDate and reads CalendarDate
// once the dialog has closed: the chosen date after OK, calendarCancelDate() after Cancel
// (also when the dialog is closed any other way).
class DatePickerDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DatePickerDialog(QWidget* parent = nullptr);

    // The text of m_messageLabel, for example "Select the start date".
    void setMessage(const QString& message);

public slots:
    void confirm();
    void cancel();

protected:
    void reject() override;

private:
    QCalendarWidget* m_calendar = nullptr;
    QLabel* m_messageLabel = nullptr;
};
