#pragma once

#include "core/timetable/Timetable.h"

#include <QMap>
#include <QString>
#include <QWidget>
#include <optional>

class KnockoutStage;
class QLabel;
class TieBox;

// A knockout stage drawn as a tree: the rounds from left to right under their names, each tie a
// box centred between the two ties whose winners it brings together, lines from each tie to the
// next, the third-place match below the final and the champion after it. It takes at least the
// room the bracket needs and spreads out over any more it is given.
class BracketView : public QWidget
{
    Q_OBJECT

public:
    explicit BracketView(QWidget* parent = nullptr);

    // Shows `stage`, with the times and pitches `timetable` gives its games; the boxes are made anew
    // only when its ties changed.
    void showStage(const KnockoutStage& stage, const std::optional<Timetable>& timetable = std::nullopt);
    TieBox* tieBox(const QString& code) const { return m_boxes.value(code); }
    // The tie an arrow key leads to from `code`: Left and Right the connected tie of the round
    // before or after, Up and Down the one above or below; "" for none.
    QString neighbour(const QString& code, int key) const;

    QSize minimumSizeHint() const override { return m_needed; }
    QSize sizeHint() const override { return m_needed; }

signals:
    void tieOpened(const QString& code);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeTies();
    void stepFrom(const QString& code, int key);
    QRect boxRect(const QString& code) const;
    // The rounds by their sizes, largest first.
    QList<int> roundSizes() const;

    int m_size = 0; // the first round's places, 0 without a stage
    bool m_thirdPlace = false;
    QString m_champion;
    QMap<QString, TieBox*> m_boxes;
    QLabel* m_championLabel = nullptr;
    QSize m_box;
    QSize m_needed;
};
