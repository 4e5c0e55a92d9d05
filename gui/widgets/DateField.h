#pragma once

#include <QDate>
#include <QWidget>
#include <optional>

class QCalendarWidget;
class QLineEdit;
class QPushButton;

// A date typed by hand in any form readTypedDate reads ("3 Aug 2011", "07-Mar-2000", "2000-03-07"),
// or picked from the calendar its "..." button opens. The text stays as typed until the owner takes
// the date: a text that is no date is refused then, and stays in the field to be corrected.
class DateField : public QWidget
{
    Q_OBJECT

public:
    // Without a calendar button for a dialog that shows a calendar of its own.
    enum class Calendar { Button, None };
    DateField(QWidget* parent, QAnyStringView objectName, const QString& accessibleName,
              Calendar calendar = Calendar::Button);

    // Shows `date` as "dd-Mmm-yyyy", selected, so that typing replaces it.
    void setDate(const QDate& date);
    // The typed date; nothing for a text that is no date.
    std::optional<QDate> date() const;
    // The typed date; for a text that is no date nothing, after a refusal titled `title` that
    // names the forms a date takes, with the field holding the text for correcting.
    std::optional<QDate> takeDate(const QString& title);

    QLineEdit* textField() const { return m_text; }

signals:
    // The typed text became the date `date`.
    void dateTyped(const QDate& date);

private:
    void showCalendar();

    QLineEdit* m_text = nullptr;
    QPushButton* m_calendarButton = nullptr;
    QCalendarWidget* m_calendar = nullptr; // the button's popup, made when first opened
};
