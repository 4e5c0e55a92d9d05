#pragma once

#include <QDate>
#include <QDialog>
#include <optional>

class DateField;
class QCalendarWidget;
class QLabel;

// Picks one date, typed or from the calendar, starting at `start` (today when it is invalid). pickedDate() answers the
// chosen date after OK, and nothing after Cancel or when the dialog is closed any other way.
class DatePickerDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DatePickerDialog(const QDate& start, QWidget* parent = nullptr);

    // Shows the dialog modally and answers the date picked, or nothing when it was cancelled.
    static std::optional<QDate> pick(const QDate& start, const QString& message, QWidget* parent);

    // The text of m_messageLabel, for example "Select the start date".
    void setMessage(const QString& message);

public slots:
    void confirm();
    void cancel();

    std::optional<QDate> pickedDate() const { return m_picked; }

protected:
    void reject() override;

private:
    DateField* m_dateField = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    QLabel* m_messageLabel = nullptr;
    std::optional<QDate> m_picked;
};
