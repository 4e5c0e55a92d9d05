#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;

// Picks one date. The caller puts the starting date into CalendarDate and reads CalendarDate
// once the dialog has closed: the chosen date after OK, calendarCancelDate() after Cancel
// (also when the dialog is closed any other way).
class frmCalendar : public QDialog
{
    Q_OBJECT

public:
    explicit frmCalendar(QWidget* parent = nullptr);

    // The text of lblMessage, for example "Select the start date".
    void setMessage(const QString& message);

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void reject() override;

private:
    void Form_Load();

    QCalendarWidget* Cal = nullptr;
    QLabel* lblMessage = nullptr;
};
