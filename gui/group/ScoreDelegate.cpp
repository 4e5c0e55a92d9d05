#include "gui/group/ScoreDelegate.h"

#include "gui/group/ResultsTableModel.h"
#include "gui/widgets/Prompts.h"

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
    editor->setAccessibleName(index.column() == ResultsTableModel::Score ? QStringLiteral("Full-time score")
                                                                         : QStringLiteral("Half-time score"));
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
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return QStyledItemDelegate::eventFilter(watched, event);
        if (!problem.isEmpty()) {
            m_refusing = true;
            Prompts::refuse(problem, QStringLiteral("ERROR"));
            m_refusing = false;
            editor->setFocus();
            editor->selectAll();
            return true;
        }
        const int row = m_editing.row();
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        emit scoreEntered(row);
        return true;
    }
    // Leaving a cell that holds no score keeps what was typed there, for correcting; the refusal's
    // own message box takes the focus too.
    if (event->type() == QEvent::FocusOut && (m_refusing || !problem.isEmpty()))
        return true;
    return QStyledItemDelegate::eventFilter(watched, event);
}
