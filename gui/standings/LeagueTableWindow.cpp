#include "gui/standings/LeagueTableWindow.h"

#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/Twips.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The window's first and smallest size: the grid above the button, with these gaps.
constexpr int kGridWidth = 6495;
constexpr int kGridHeight = 5310;
constexpr int kCloseGap = 210;
constexpr int kCloseWidth = 1455;
constexpr int kCloseHeight = 375;
constexpr int kBottomMargin = 120;

} // namespace

LeagueTableWindow::LeagueTableWindow(const LeagueTable& table, const QString& groupCaption, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("leagueTableWindow"));
    setWindowTitle(tr("League Table - ") + groupCaption);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setModal(true);
    buildControls();
    fillGrid(table);
    fitGridToColumns();
    resize(minimumSizeHint());
    centerWindow(this);
    // The hourglass of the computation ends as soon as the table is there to read.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
}

void LeagueTableWindow::buildControls()
{
    m_rows = new QStandardItemModel(this);

    m_leagueTableView = new QTableView(this);
    m_leagueTableView->setObjectName(QStringLiteral("leagueTableView"));
    m_leagueTableView->setAccessibleName(tr("League table"));
    m_leagueTableView->setModel(m_rows);
    m_leagueTableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_leagueTableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_leagueTableView->setWordWrap(false);
    m_leagueTableView->setTextElideMode(Qt::ElideNone);
    // One line of text per row, so that a whole season's table is seen almost at once.
    m_leagueTableView->verticalHeader()->setDefaultSectionSize(m_leagueTableView->fontMetrics().height() + 6);
    m_leagueTableView->setMinimumSize(twipsToPixels(kGridWidth), twipsToPixels(kGridHeight));

    m_closeButton = new QPushButton(tr("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAccessibleName(tr("Close"));
    m_closeButton->setMinimumSize(
        QSize(twipsToPixels(kCloseWidth), twipsToPixels(kCloseHeight)).expandedTo(m_closeButton->sizeHint()));
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, twipsToPixels(kBottomMargin));
    layout->setSpacing(twipsToPixels(kCloseGap));
    layout->addWidget(m_leagueTableView, 1);
    layout->addWidget(m_closeButton, 0, Qt::AlignHCenter);
}

void LeagueTableWindow::fillGrid(const LeagueTable& table)
{
    m_rows->setColumnCount(int(table.columns.size()));
    // The database's column names, headed in the user's language.
    static const char* const kHeadings[] = {
        QT_TR_NOOP("Competitors Name"), QT_TR_NOOP("Won"),  QT_TR_NOOP("Lost"), QT_TR_NOOP("Drawn"), QT_TR_NOOP("For"),
        QT_TR_NOOP("Against"),          QT_TR_NOOP("Diff"), QT_TR_NOOP("Pts")
    };
    Q_UNUSED(kHeadings)
    QStringList headings;
    for (const QString& column : table.columns)
        headings.append(tr(column.toUtf8().constData()));
    m_rows->setHorizontalHeaderLabels(headings);
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
// the window start wider, and can be made no narrower, when the columns need more than the grid's
// usual width.
void LeagueTableWindow::fitGridToColumns()
{
    m_leagueTableView->resizeColumnsToContents();
    int needed = 2 * m_leagueTableView->frameWidth() + m_leagueTableView->verticalHeader()->sizeHint().width();
    for (int column = 0; column < m_rows->columnCount(); ++column)
        needed += m_leagueTableView->columnWidth(column);
    int rowsHeight = m_leagueTableView->horizontalHeader()->sizeHint().height() + 2 * m_leagueTableView->frameWidth();
    for (int row = 0; row < m_rows->rowCount(); ++row)
        rowsHeight += m_leagueTableView->rowHeight(row);
    if (rowsHeight > m_leagueTableView->minimumHeight())
        needed += m_leagueTableView->verticalScrollBar()->sizeHint().width();
    m_leagueTableView->setMinimumWidth(qMax(needed, m_leagueTableView->minimumWidth()));
}
