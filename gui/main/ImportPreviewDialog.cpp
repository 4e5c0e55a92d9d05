#include "gui/main/ImportPreviewDialog.h"

#include "core/records/RecordLines.h"
#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/Controls.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Column { Tick, Line, Date, Home, Score, Away, Action, ColumnCount };

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(const QString& fileName, const QList<PlannedRow>& rows,
                                         const QStringList& teams, QWidget* parent)
    : QDialog(parent)
    , m_rows(rows)
{
    setObjectName(QStringLiteral("importPreviewDialog"));
    setWindowTitle(tr("Import Results - %1").arg(fileName));
    setModal(true);

    m_rowTable = new QTableWidget(int(m_rows.size()), ColumnCount, this);
    m_rowTable->setObjectName(QStringLiteral("rowTable"));
    m_rowTable->setAccessibleName(tr("Rows of the file and what importing each does"));
    m_rowTable->setHorizontalHeaderLabels(
        { tr("Import"), tr("Line"), tr("Date"), tr("Home"), tr("Score"), tr("Away"), tr("What it does") });
    m_rowTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rowTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rowTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rowTable->verticalHeader()->hide();
    m_rowTable->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < m_rows.size(); ++r) {
        const PlannedRow& planned = m_rows[r];
        const ImportedRow& row = planned.row;
        auto* tick = new QTableWidgetItem;
        // A row that cannot be imported shows an empty box that cannot be ticked.
        tick->setFlags(planned.canImport() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                                           : Qt::ItemIsSelectable);
        tick->setCheckState(planned.canImport() && planned.action != ImportAction::Repeat ? Qt::Checked
                                                                                          : Qt::Unchecked);
        tick->setData(Qt::AccessibleTextRole, tr("Import line %1").arg(row.line));
        QString score;
        if (row.isResult) {
            score = QStringLiteral("%1-%2").arg(row.scores[2]).arg(row.scores[3]);
            if (row.hasHalfTime)
                score += QStringLiteral(" (%1-%2)").arg(row.scores[0]).arg(row.scores[1]);
        }
        auto* line = readOnlyItem(QString::number(row.line));
        line->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* action = readOnlyItem(actionText(planned));
        action->setToolTip(action->text());
        m_rowTable->setItem(r, Tick, tick);
        m_rowTable->setItem(r, Line, line);
        m_rowTable->setItem(r, Date, readOnlyItem(formatRecordDate(row.date)));
        m_rowTable->setItem(r, Home, readOnlyItem(teams.value(row.home).trimmed()));
        m_rowTable->setItem(r, Score, readOnlyItem(score));
        m_rowTable->setItem(r, Away, readOnlyItem(teams.value(row.away).trimmed()));
        m_rowTable->setItem(r, Action, action);
    }
    m_rowTable->resizeColumnsToContents();
    m_rowTable->horizontalHeader()->setSectionResizeMode(Action, QHeaderView::Stretch);
    // The first row to look at is the first that is not imported as it stands: a repeat or a conflict.
    const auto notable = std::find_if(m_rows.cbegin(), m_rows.cend(), [](const PlannedRow& row) {
        return row.action == ImportAction::Repeat || row.action == ImportAction::Conflict;
    });
    m_rowTable->setCurrentCell(notable == m_rows.cend() ? 0 : int(notable - m_rows.cbegin()), Tick);

    auto* rowsLabel = makeLabel(this, QStringLiteral("rowsLabel"), tr("&Rows of the file; tick those to import:"));
    rowsLabel->setBuddy(m_rowTable);
    auto* countsLabel = makeLabel(this, QStringLiteral("countsLabel"), countsText());
    countsLabel->setWordWrap(true);
    auto* okButton = makeButton(this, QStringLiteral("okButton"), tr("&OK"), tr("Import the ticked rows"));
    auto* cancelButton = makeButton(this, QStringLiteral("cancelButton"), tr("&Cancel"), tr("Cancel"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rowsLabel);
    layout->addWidget(m_rowTable);
    layout->addWidget(countsLabel);
    layout->addLayout(buttons);

    // Wide enough for the names and what each row does, and within a 1366 by 768 screen.
    QSize size(1000, 640);
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 80));
    resize(size);
    centerWindow(this);
}

QList<PlannedRow> ImportPreviewDialog::tickedRows() const
{
    QList<PlannedRow> ticked;
    for (int r = 0; r < m_rows.size(); ++r)
        if (m_rows[r].canImport() && m_rowTable->item(r, Tick)->checkState() == Qt::Checked)
            ticked.append(m_rows[r]);
    return ticked;
}

QString ImportPreviewDialog::actionText(const PlannedRow& row) const
{
    switch (row.action) {
    case ImportAction::Add:
        return tr("Add");
    case ImportAction::ReplaceFixture:
        return tr("Replace a fixture");
    case ImportAction::AlreadyEntered:
        return tr("Already entered");
    case ImportAction::Repeat:
        return tr("Repeat: %1").arg(row.note);
    case ImportAction::Conflict:
        return tr("Conflict: %1").arg(row.note);
    }
    return QString();
}

QString ImportPreviewDialog::countsText() const
{
    const auto count = [&](ImportAction action) {
        return int(
            std::count_if(m_rows.cbegin(), m_rows.cend(), [&](const PlannedRow& row) { return row.action == action; }));
    };
    QString text = QStringList { tr("%n to add", nullptr, count(ImportAction::Add)),
                                 tr("%n to replace a fixture", nullptr, count(ImportAction::ReplaceFixture)),
                                 tr("%n already entered", nullptr, count(ImportAction::AlreadyEntered)),
                                 tr("%n to repeat a game played", nullptr, count(ImportAction::Repeat)),
                                 tr("%n in conflict", nullptr, count(ImportAction::Conflict)) }
                       .join(QStringLiteral(", "));
    if (count(ImportAction::Conflict) > 0)
        text += tr("; a row in conflict cannot be imported");
    return text + u'.';
}
