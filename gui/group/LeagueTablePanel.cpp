#include "gui/group/LeagueTablePanel.h"

#include "core/standings/LeagueRow.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>

LeagueTablePanel::LeagueTablePanel(QWidget* parent)
    : QTableView(parent)
    , m_rows(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("leagueTablePanel"));
    m_rows->setHorizontalHeaderLabels(
        { tr("Pos"), tr("Team"), tr("P"), tr("W"), tr("D"), tr("L"), tr("F"), tr("A"), tr("GD"), tr("Pts") });
    setModel(m_rows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
}

void LeagueTablePanel::showTable(const LeagueTable& table)
{
    m_rows->removeRows(0, m_rows->rowCount());
    setToolTip(QString());
    for (int r = 0; r < table.rows.size(); ++r) {
        const LeagueRow& row = table.rows[r];
        const QList<QVariant> values = { r + 1,        row.name,    row.won + row.drawn + row.lost,
                                         row.won,      row.drawn,   row.lost,
                                         row.goalsFor, row.against, row.diff,
                                         row.pts };
        const QString why = table.why.value(r);
        QList<QStandardItem*> cells;
        for (const QVariant& value : values) {
            auto* cell = new QStandardItem;
            cell->setData(value, Qt::DisplayRole);
            if (value.typeId() != QMetaType::QString)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!why.isEmpty()) {
                cell->setToolTip(why);
                cell->setData(why, Qt::AccessibleDescriptionRole);
            }
            cells.append(cell);
        }
        m_rows->appendRow(cells);
    }
    // The widest name decides the table's narrowest width, so that no team is cut.
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < m_rows->columnCount(); ++column)
        width += qMax(horizontalHeader()->sectionSizeHint(column), sizeHintForColumn(column));
    setMinimumWidth(width);
}

void LeagueTablePanel::showFailure(const QString& error)
{
    m_rows->removeRows(0, m_rows->rowCount());
    setToolTip(error);
    setAccessibleDescription(error);
}
