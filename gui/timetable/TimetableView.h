#pragma once

#include "core/setup/TimetableGames.h"
#include "core/timetable/Timetable.h"

#include <QFrame>
#include <QVector>
#include <QWidget>
#include <optional>
#include <utility>

class QLabel;

// One game of the timetable: its group or tie, its teams and its score when played. It takes the
// focus; Ctrl with an arrow asks to move it, a plain arrow passes the focus on, and it can be dragged.
class GameBox : public QFrame
{
    Q_OBJECT

public:
    GameBox(const TimetableGame& game, const QString& pitchName, QWidget* parent);

    const TimetableGame& game() const { return m_game; }
    void setColour(const QColor& colour);
    // A chosen team's game stands out; the others fade.
    void setHighlight(bool highlighted, bool faded);

signals:
    // Ctrl+Up/Down: `minutes` later (or earlier); Ctrl+Left/Right: `pitches` to the side.
    void moveRequested(const TimetableGame& game, int minutes, int pitches);
    void neighbourRequested(GameBox* box, int step);
    // The box's drag is over, dropped or not.
    void dragFinished();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TimetableGame m_game;
    QColor m_colour;
    bool m_highlighted = false;
    bool m_faded = false;
    QPoint m_pressAt;
};

// The day's games: time down, a column for each pitch, a box for each game at its kick-off and as
// long as it lasts. A box dropped on it asks to move its game to the time and pitch under it.
class TimetableView : public QWidget
{
    Q_OBJECT

public:
    explicit TimetableView(QWidget* parent = nullptr);

    void showGames(const TimetableSettings& settings, const QVector<TimetableGame>& games);
    const QVector<GameBox*>& boxes() const { return m_boxes; }
    // The team whose games stand out; empty for none.
    void highlightTeam(const QString& team);
    QSize sizeHint() const override;
    // The pitches' names stay in sight at `top`, the first line the window shows, as the day scrolls.
    void pinHeads(int top);

signals:
    void moveRequested(const TimetableGame& game, int minutes, int pitches);
    void dropRequested(const TimetableGame& game, const GameSlot& to);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int dayTop(int day) const;
    int pitchLeft(int pitch) const;
    void layOutColumns();
    std::optional<GameSlot> slotAt(const QPoint& at) const;

    TimetableSettings m_settings;
    int m_pitchColumn = 0;
    int m_headTop = 0;
    // Where a box was dropped: the move waits until its drag is over, as the move shows the boxes anew.
    std::optional<std::pair<TimetableGame, GameSlot>> m_drop;
    QVector<GameBox*> m_boxes;
    QVector<QLabel*> m_labels;
};
