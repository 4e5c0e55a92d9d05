#pragma once

#include <QStyledItemDelegate>

class ResultsTableModel;

// Edits the score cells of the results table. Enter takes the typed score, or refuses it with the
// result editor's message and keeps the cell open with the text as typed; the window then decides
// where to go on. Tab takes the score the same way and leaves the table.
class ScoreDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ScoreDelegate(ResultsTableModel* model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

signals:
    // A score was taken with Enter in the cell at `row` and `column`; `firstScore` when the cell was a
    // fixture's score.
    void scoreEntered(int row, int column, bool firstScore);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ResultsTableModel* m_model;
    mutable QPersistentModelIndex m_editing;
    bool m_refusing = false;
};
