#pragma once

#include <QStyledItemDelegate>

class ResultsTableModel;

// Edits the score cells of the results table. Enter takes the typed score, or refuses it with the
// result editor's message and keeps the cell open with the text as typed; a taken score moves on to
// the next fixture's score cell, so that a round is typed as one score and Enter after another.
class ScoreDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ScoreDelegate(ResultsTableModel* model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    // A score was taken at `row` with Enter.
    void scoreEntered(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ResultsTableModel* m_model;
    mutable QPersistentModelIndex m_editing;
    bool m_refusing = false;
};
