#pragma once

#include "core/timetable/Timetable.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

class KnockoutStage;

// One tie of the bracket: both teams with their goals in each game, the winner in bold, and a
// line for the aggregate, extra time and penalties. It takes the focus, so that a screen reader
// and the keyboard reach every tie; Enter or a double-click asks for its result, and the arrow
// keys ask to go to a neighbouring tie.
class TieBox : public QWidget
{
    Q_OBJECT

public:
    TieBox(const QString& code, QWidget* parent = nullptr);

    QString code() const { return m_code; }
    // Shows the tie, and under its teams when and where its games are played when `timetable` says.
    void showTie(const KnockoutStage& stage, const std::optional<Timetable>& timetable = std::nullopt);
    // The lines of the tie's times and pitches, as shown.
    const QStringList& slotTexts() const { return m_slots; }
    // The size every box of a bracket takes: room for the longest of `names` and `games` scores, and
    // `slotLines` lines of times.
    static QSize boxSize(const QFont& font, const QStringList& names, int games, int slotLines = 0);

signals:
    void opened(const QString& code);
    void stepRequested(const QString& code, int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Line
    {
        QString name;
        QStringList goals;
        bool winner = false;
    };
    QString m_code;
    Line m_first;
    Line m_second;
    QString m_note;
    QStringList m_slots;
};
