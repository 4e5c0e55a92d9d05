#include "gui/group/ScoreDelegate.h"

#include "gui/group/ResultsTableModel.h"
#include "gui/widgets/Prompts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

ScoreDelegate::ScoreDelegate(ResultsTableModel* model, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_model(model)
{ }

QWidget* ScoreDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    switch (index.column()) {
    case ResultsTableModel::Time:
        editor->setAccessibleName(tr("Kick-off time"));
        break;
    case ResultsTableModel::Pitch:
        editor->setAccessibleName(tr("Pitch"));
        break;
    default:
        editor->setAccessibleName(index.column() == ResultsTableModel::Score ? tr("Full-time score")
                                                                             : tr("Half-time score"));
    }
    m_editing = index;
    return editor;
}

bool ScoreDelegate::eventFilter(QObject* watched, QEvent* event)
{
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (!editor || !m_editing.isValid())
        return QStyledItemDelegate::eventFilter(watched, event);
    const QString problem = m_model->scoreProblem(m_editing, editor->text());
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
        if (!enter && !tab)
            return QStyledItemDelegate::eventFilter(watched, event);
        if (!problem.isEmpty()) {
            m_refusing = true;
            Prompts::refuse(problem, tr("ERROR"));
            m_refusing = false;
            editor->setFocus();
            editor->selectAll();
            return true;
        }
        const int row = m_editing.row();
        const int column = m_editing.column();
        // Only a fixture's first score moves on to the next fixture; a correction stays put.
        const bool firstScore = column == ResultsTableModel::Score && m_model->isFixture(row);
        QWidget* view = editor->parentWidget() ? editor->parentWidget()->parentWidget() : nullptr;
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (enter) {
            emit scoreEntered(row, column, firstScore);
        } else if (view) {
            // Tab takes the score and leaves the table for the next control, as it does from any
            // cell; the view has the focus back by now.
            QKeyEvent again(QEvent::KeyPress, key, static_cast<QKeyEvent*>(event)->modifiers());
            QCoreApplication::sendEvent(view, &again);
        }
        return true;
    }
    // Leaving a cell that holds no score keeps what was typed there, for correcting; the refusal's
    // own message box takes the focus too.
    if (event->type() == QEvent::FocusOut && (m_refusing || !problem.isEmpty()))
        return true;
    return QStyledItemDelegate::eventFilter(watched, event);
}
