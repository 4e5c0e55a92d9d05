#include "gui/standings/LeagueTableWindow.h"

#include "gui/widgets/CenterForm.h"
#include "gui/widgets/Twips.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>

namespace {

constexpr int kGridWidth = 6495;
constexpr int kGridHeight = 5310;
constexpr int kCloseLeft = 2640;
constexpr int kCloseTop = 5520;
constexpr int kCloseWidth = 1455;
constexpr int kCloseHeight = 375;
constexpr int kBottomMargin = 120;

} // namespace

frmLeagueTable::frmLeagueTable(const LeagueTable& table, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLeagueTable"));
    setWindowTitle(QStringLiteral("League Table"));
    setModal(true);
    buildControls();
    fillGrid(table);
    fitGridToColumns();
    Form_Load();
}

void frmLeagueTable::buildControls()
{
    m_rows = new QStandardItemModel(this);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("League table"));
    DBGrid1->setModel(m_rows);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setWordWrap(false);
    DBGrid1->setTextElideMode(Qt::ElideNone);
    // One line of text per row, so that a whole season's table is seen almost at once.
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->setGeometry(0, 0, twipsToPixels(kGridWidth), twipsToPixels(kGridHeight));

    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAccessibleName(QStringLiteral("Close"));
    cmdClose->setGeometry(twipsToPixels(kCloseLeft), twipsToPixels(kCloseTop), twipsToPixels(kCloseWidth),
                          twipsToPixels(kCloseHeight));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &frmLeagueTable::cmdClose_Click);

    setFixedSize(twipsToPixels(kGridWidth), twipsToPixels(kCloseTop + kCloseHeight + kBottomMargin));
}

void frmLeagueTable::fillGrid(const LeagueTable& table)
{
    m_rows->setColumnCount(int(table.columns.size()));
    m_rows->setHorizontalHeaderLabels(table.columns);
    for (int r = 0; r < table.rows.size(); ++r) {
        const LeagueRow& row = table.rows[r];
        const QString why = table.why.value(r);
        QList<QStandardItem*> cells;
        for (const QString& column : table.columns) {
            auto* cell = new QStandardItem;
            const QVariant value = leagueRowValue(row, column);
            cell->setData(value, Qt::DisplayRole);
            if (!why.isEmpty()) {
                cell->setToolTip(why);
                cell->setData(why, Qt::AccessibleDescriptionRole);
            }
            if (value.typeId() != QMetaType::QString)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cells.append(cell);
        }
        m_rows->appendRow(cells);
    }
}

// Every column as wide as its widest cell or heading, so that no team name is cut; the grid and
// the window grow when the columns need more than the grid's usual width.
void frmLeagueTable::fitGridToColumns()
{
    DBGrid1->resizeColumnsToContents();
    int needed = 2 * DBGrid1->frameWidth() + DBGrid1->verticalHeader()->sizeHint().width();
    for (int column = 0; column < m_rows->columnCount(); ++column)
        needed += DBGrid1->columnWidth(column);
    int rowsHeight = DBGrid1->horizontalHeader()->sizeHint().height() + 2 * DBGrid1->frameWidth();
    for (int row = 0; row < m_rows->rowCount(); ++row)
        rowsHeight += DBGrid1->rowHeight(row);
    if (rowsHeight > DBGrid1->height())
        needed += DBGrid1->verticalScrollBar()->sizeHint().width();

    const int extra = qMax(0, needed - DBGrid1->width());
    if (extra == 0)
        return;
    DBGrid1->resize(DBGrid1->width() + extra, DBGrid1->height());
    cmdClose->move(cmdClose->x() + extra / 2, cmdClose->y());
    setFixedSize(width() + extra, height());
}

void frmLeagueTable::Form_Load()
{
    CenterForm(this);
    // The hourglass of the computation ends as soon as the table is there to read.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
}

void frmLeagueTable::cmdClose_Click()
{
    accept();
}
