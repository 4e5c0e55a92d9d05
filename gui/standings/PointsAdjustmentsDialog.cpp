#include "gui/standings/PointsAdjustmentsDialog.h"

#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/Prompts.h"
#include "gui/widgets/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>

namespace {

QString title()
{
    return PointsAdjustmentsDialog::tr("Points Adjustments");
}
constexpr int kTableWidth = 7200;
constexpr int kTableHeight = 3000;

} // namespace

PointsAdjustmentsDialog::PointsAdjustmentsDialog(const QString& groupCaption, const QStringList& teams,
                                                 const PointsAdjustments& adjustments, QWidget* parent)
    : QDialog(parent)
    , m_teams(teams)
    , m_adjustments(adjustments)
{
    setObjectName(QStringLiteral("pointsAdjustmentsDialog"));
    setWindowTitle(title() + QStringLiteral(" - ") + groupCaption);
    setModal(true);
    buildControls();
    selectChosenTeam();
    adjustSize(); // centred at its final size
    centerWindow(this);
}

void PointsAdjustmentsDialog::buildControls()
{
    m_adjustmentTable = new QTableWidget(0, 3, this);
    m_adjustmentTable->setObjectName(QStringLiteral("adjustmentTable"));
    m_adjustmentTable->setAccessibleName(tr("Points adjustments of the group"));
    m_adjustmentTable->setHorizontalHeaderLabels({ tr("Team"), tr("Points"), tr("Reason") });
    m_adjustmentTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_adjustmentTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_adjustmentTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_adjustmentTable->horizontalHeader()->setStretchLastSection(true);
    m_adjustmentTable->verticalHeader()->hide();
    m_adjustmentTable->setMinimumSize(twipsToPixels(kTableWidth), twipsToPixels(kTableHeight));
    connect(m_adjustmentTable, &QTableWidget::itemSelectionChanged, this,
            &PointsAdjustmentsDialog::showChosenAdjustment);

    auto* teamLabel = makeLabel(this, QStringLiteral("teamLabel"), tr("&Team"));
    m_teamBox = new QComboBox(this);
    m_teamBox->setObjectName(QStringLiteral("teamBox"));
    m_teamBox->setAccessibleName(tr("Team"));
    m_teamBox->addItems(m_teams);
    teamLabel->setBuddy(m_teamBox);
    connect(m_teamBox, &QComboBox::currentIndexChanged, this, &PointsAdjustmentsDialog::selectChosenTeam);

    auto* pointsLabel = makeLabel(this, QStringLiteral("pointsLabel"), tr("&Points"));
    m_pointsField = new QSpinBox(this);
    m_pointsField->setObjectName(QStringLiteral("pointsField"));
    m_pointsField->setAccessibleName(tr("Points, negative for a deduction"));
    m_pointsField->setRange(-32768, 32767);
    pointsLabel->setBuddy(m_pointsField);

    auto* reasonLabel = makeLabel(this, QStringLiteral("reasonLabel"), tr("&Reason"));
    m_reasonField = makeTextField(this, QStringLiteral("reasonField"), QString(), tr("Reason"));
    reasonLabel->setBuddy(m_reasonField);

    auto* addButton = makeButton(this, QStringLiteral("addButton"), tr("&Add"), tr("Add adjustment"));
    auto* changeButton = makeButton(this, QStringLiteral("changeButton"), tr("C&hange"), tr("Change adjustment"));
    auto* removeButton = makeButton(this, QStringLiteral("removeButton"), tr("Re&move"), tr("Remove adjustment"));
    auto* okButton = makeButton(this, QStringLiteral("okButton"), tr("&OK"), tr("OK"));
    auto* cancelButton = makeButton(this, QStringLiteral("cancelButton"), tr("&Cancel"), tr("Cancel"));
    okButton->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(teamLabel, 0, 0);
    fields->addWidget(m_teamBox, 0, 1);
    fields->addWidget(pointsLabel, 0, 2);
    fields->addWidget(m_pointsField, 0, 3);
    fields->addWidget(reasonLabel, 1, 0);
    fields->addWidget(m_reasonField, 1, 1, 1, 3);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : { addButton, changeButton, removeButton })
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_adjustmentTable);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(addButton, &QPushButton::clicked, this, &PointsAdjustmentsDialog::addAdjustment);
    connect(changeButton, &QPushButton::clicked, this, &PointsAdjustmentsDialog::changeAdjustment);
    connect(removeButton, &QPushButton::clicked, this, &PointsAdjustmentsDialog::removeAdjustment);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PointsAdjustmentsDialog::showAdjustments(int selected)
{
    const QSignalBlocker quiet(m_adjustmentTable);
    m_adjustmentTable->clearSelection();
    m_adjustmentTable->setRowCount(int(m_adjustments.size()));
    for (int row = 0; row < m_adjustments.size(); ++row) {
        const PointsAdjustment& adjustment = m_adjustments[row];
        auto* points = new QTableWidgetItem(QString::number(adjustment.points));
        points->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_adjustmentTable->setItem(row, 0, new QTableWidgetItem(m_teams.value(adjustment.team)));
        m_adjustmentTable->setItem(row, 1, points);
        m_adjustmentTable->setItem(row, 2, new QTableWidgetItem(adjustment.reason));
    }
    if (selected >= 0)
        m_adjustmentTable->selectRow(selected);
    m_adjustmentTable->resizeColumnToContents(0);
}

int PointsAdjustmentsDialog::selectedRow() const
{
    const QList<QTableWidgetItem*> selected = m_adjustmentTable->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

void PointsAdjustmentsDialog::selectChosenTeam()
{
    int last = -1;
    for (int row = 0; row < m_adjustments.size(); ++row) {
        if (m_adjustments[row].team == m_teamBox->currentIndex())
            last = row;
    }
    showAdjustments(last);
}

void PointsAdjustmentsDialog::showChosenAdjustment()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const PointsAdjustment& adjustment = m_adjustments.at(row);
    const QSignalBlocker quiet(m_teamBox);
    m_teamBox->setCurrentIndex(adjustment.team);
    m_pointsField->setValue(adjustment.points);
    m_reasonField->setText(adjustment.reason);
}

std::optional<int> PointsAdjustmentsDialog::typedPoints()
{
    if (m_pointsField->value() == 0) {
        Prompts::refuse(tr("An adjustment of 0 points is none: Remove takes one away."), title());
        return std::nullopt;
    }
    return m_pointsField->value();
}

QString PointsAdjustmentsDialog::typedReason() const
{
    // The file keeps a reason on one line.
    QString reason = m_reasonField->text();
    return reason.replace(u'\r', u' ').replace(u'\n', u' ');
}

int PointsAdjustmentsDialog::rowToAlter()
{
    const int team = m_teamBox->currentIndex();
    const int row = selectedRow();
    if (row >= 0 && m_adjustments[row].team == team)
        return row;
    const bool hasAny = std::any_of(m_adjustments.cbegin(), m_adjustments.cend(),
                                    [team](const PointsAdjustment& a) { return a.team == team; });
    Prompts::refuse(
        hasAny ? tr("Choose the adjustment of %1 to change or remove in the table.").arg(m_teamBox->currentText())
               : tr("%1 has no points adjustment to change or remove.").arg(m_teamBox->currentText()),
        title());
    return -1;
}

bool PointsAdjustmentsDialog::isEntryPending() const
{
    if (m_pointsField->value() == 0 && m_reasonField->text().isEmpty())
        return false;
    const int row = selectedRow();
    if (row < 0)
        return true;
    const PointsAdjustment& shown = m_adjustments[row];
    return !(shown.team == m_teamBox->currentIndex() && shown.points == m_pointsField->value()
             && shown.reason == typedReason());
}

bool PointsAdjustmentsDialog::addTyped()
{
    const std::optional<int> points = typedPoints();
    if (!points)
        return false;
    showAdjustments(addPointsAdjustment(m_adjustments, m_teamBox->currentIndex(), *points, typedReason()));
    return true;
}

void PointsAdjustmentsDialog::addAdjustment()
{
    addTyped();
}

void PointsAdjustmentsDialog::changeAdjustment()
{
    const int row = rowToAlter();
    if (row < 0)
        return;
    const std::optional<int> points = typedPoints();
    if (!points)
        return;
    m_adjustments[row].points = static_cast<qint16>(*points);
    m_adjustments[row].reason = typedReason();
    showAdjustments(row);
}

void PointsAdjustmentsDialog::removeAdjustment()
{
    const int row = rowToAlter();
    if (row < 0)
        return;
    m_adjustments.removeAt(row);
    showAdjustments();
    // Cleared, so that OK does not take what was removed for an entry still to add.
    m_pointsField->setValue(0);
    m_reasonField->clear();
}

void PointsAdjustmentsDialog::accept()
{
    // Enter in a field presses OK: what was typed there is added first, not lost.
    if (isEntryPending() && !addTyped())
        return;
    QDialog::accept();
}
