#include "gui/standings/PointsAdjustmentsDialog.h"

#include "gui/widgets/CenterForm.h"
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

const QString kTitle = QStringLiteral("Points Adjustments");
constexpr int kTableWidth = 7200;
constexpr int kTableHeight = 3000;

} // namespace

frmPointsAdjustments::frmPointsAdjustments(const QString& groupCaption, const QStringList& teams,
                                           const PointsAdjustments& adjustments, QWidget* parent)
    : QDialog(parent)
    , m_teams(teams)
    , m_adjustments(adjustments)
{
    setObjectName(QStringLiteral("frmPointsAdjustments"));
    setWindowTitle(kTitle + QStringLiteral(" - ") + groupCaption);
    setModal(true);
    buildControls();
    selectChosenTeam();
    adjustSize(); // centred at its final size
    CenterForm(this);
}

void frmPointsAdjustments::buildControls()
{
    grdAdjustments = new QTableWidget(0, 3, this);
    grdAdjustments->setObjectName(QStringLiteral("grdAdjustments"));
    grdAdjustments->setAccessibleName(QStringLiteral("Points adjustments of the group"));
    grdAdjustments->setHorizontalHeaderLabels(
        { QStringLiteral("Team"), QStringLiteral("Points"), QStringLiteral("Reason") });
    grdAdjustments->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAdjustments->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdAdjustments->setSelectionMode(QAbstractItemView::SingleSelection);
    grdAdjustments->horizontalHeader()->setStretchLastSection(true);
    grdAdjustments->verticalHeader()->hide();
    grdAdjustments->setMinimumSize(twipsToPixels(kTableWidth), twipsToPixels(kTableHeight));
    connect(grdAdjustments, &QTableWidget::itemSelectionChanged, this, &frmPointsAdjustments::grdAdjustments_Click);

    auto* lblTeam = makeLabel(this, QStringLiteral("lblTeam"), QStringLiteral("&Team"));
    cmbTeam = new QComboBox(this);
    cmbTeam->setObjectName(QStringLiteral("cmbTeam"));
    cmbTeam->setAccessibleName(QStringLiteral("Team"));
    cmbTeam->addItems(m_teams);
    lblTeam->setBuddy(cmbTeam);
    connect(cmbTeam, &QComboBox::currentIndexChanged, this, &frmPointsAdjustments::selectChosenTeam);

    auto* lblPoints = makeLabel(this, QStringLiteral("lblPoints"), QStringLiteral("&Points"));
    txtPoints = new QSpinBox(this);
    txtPoints->setObjectName(QStringLiteral("txtPoints"));
    txtPoints->setAccessibleName(QStringLiteral("Points, negative for a deduction"));
    txtPoints->setRange(-32768, 32767);
    lblPoints->setBuddy(txtPoints);

    auto* lblReason = makeLabel(this, QStringLiteral("lblReason"), QStringLiteral("&Reason"));
    txtReason = makeTextField(this, QStringLiteral("txtReason"), QString(), QStringLiteral("Reason"));
    lblReason->setBuddy(txtReason);

    auto* cmdAdd = makeButton(this, QStringLiteral("cmdAdd"), QStringLiteral("&Add"), QStringLiteral("Add adjustment"));
    auto* cmdChange
        = makeButton(this, QStringLiteral("cmdChange"), QStringLiteral("C&hange"), QStringLiteral("Change adjustment"));
    auto* cmdRemove
        = makeButton(this, QStringLiteral("cmdRemove"), QStringLiteral("Re&move"), QStringLiteral("Remove adjustment"));
    auto* cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"), QStringLiteral("OK"));
    auto* cmdCancel
        = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"), QStringLiteral("Cancel"));
    cmdOK->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(lblTeam, 0, 0);
    fields->addWidget(cmbTeam, 0, 1);
    fields->addWidget(lblPoints, 0, 2);
    fields->addWidget(txtPoints, 0, 3);
    fields->addWidget(lblReason, 1, 0);
    fields->addWidget(txtReason, 1, 1, 1, 3);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : { cmdAdd, cmdChange, cmdRemove })
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdAdjustments);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(cmdAdd, &QPushButton::clicked, this, &frmPointsAdjustments::cmdAdd_Click);
    connect(cmdChange, &QPushButton::clicked, this, &frmPointsAdjustments::cmdChange_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmPointsAdjustments::cmdRemove_Click);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPointsAdjustments::showAdjustments(int selected)
{
    const QSignalBlocker quiet(grdAdjustments);
    grdAdjustments->clearSelection();
    grdAdjustments->setRowCount(int(m_adjustments.size()));
    for (int row = 0; row < m_adjustments.size(); ++row) {
        const PointsAdjustment& adjustment = m_adjustments[row];
        auto* points = new QTableWidgetItem(QString::number(adjustment.points));
        points->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdAdjustments->setItem(row, 0, new QTableWidgetItem(m_teams.value(adjustment.team)));
        grdAdjustments->setItem(row, 1, points);
        grdAdjustments->setItem(row, 2, new QTableWidgetItem(adjustment.reason));
    }
    if (selected >= 0)
        grdAdjustments->selectRow(selected);
    grdAdjustments->resizeColumnToContents(0);
}

int frmPointsAdjustments::selectedRow() const
{
    const QList<QTableWidgetItem*> selected = grdAdjustments->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

void frmPointsAdjustments::selectChosenTeam()
{
    int last = -1;
    for (int row = 0; row < m_adjustments.size(); ++row) {
        if (m_adjustments[row].team == cmbTeam->currentIndex())
            last = row;
    }
    showAdjustments(last);
}

void frmPointsAdjustments::grdAdjustments_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const PointsAdjustment& adjustment = m_adjustments.at(row);
    const QSignalBlocker quiet(cmbTeam);
    cmbTeam->setCurrentIndex(adjustment.team);
    txtPoints->setValue(adjustment.points);
    txtReason->setText(adjustment.reason);
}

std::optional<int> frmPointsAdjustments::typedPoints()
{
    if (txtPoints->value() == 0) {
        Prompts::refuse(QStringLiteral("An adjustment of 0 points is none: Remove takes one away."), kTitle);
        return std::nullopt;
    }
    return txtPoints->value();
}

QString frmPointsAdjustments::typedReason() const
{
    // The file keeps a reason on one line.
    QString reason = txtReason->text();
    return reason.replace(u'\r', u' ').replace(u'\n', u' ');
}

int frmPointsAdjustments::rowToAlter()
{
    const int team = cmbTeam->currentIndex();
    const int row = selectedRow();
    if (row >= 0 && m_adjustments[row].team == team)
        return row;
    const bool hasAny = std::any_of(m_adjustments.cbegin(), m_adjustments.cend(),
                                    [team](const PointsAdjustment& a) { return a.team == team; });
    Prompts::refuse(
        hasAny ? QStringLiteral("Choose the adjustment of %1 to change or remove in the table.")
                     .arg(cmbTeam->currentText())
               : QStringLiteral("%1 has no points adjustment to change or remove.").arg(cmbTeam->currentText()),
        kTitle);
    return -1;
}

bool frmPointsAdjustments::isEntryPending() const
{
    if (txtPoints->value() == 0 && txtReason->text().isEmpty())
        return false;
    const int row = selectedRow();
    if (row < 0)
        return true;
    const PointsAdjustment& shown = m_adjustments[row];
    return !(shown.team == cmbTeam->currentIndex() && shown.points == txtPoints->value()
             && shown.reason == typedReason());
}

bool frmPointsAdjustments::addTyped()
{
    const std::optional<int> points = typedPoints();
    if (!points)
        return false;
    showAdjustments(addPointsAdjustment(m_adjustments, cmbTeam->currentIndex(), *points, typedReason()));
    return true;
}

void frmPointsAdjustments::cmdAdd_Click()
{
    addTyped();
}

void frmPointsAdjustments::cmdChange_Click()
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

void frmPointsAdjustments::cmdRemove_Click()
{
    const int row = rowToAlter();
    if (row < 0)
        return;
    m_adjustments.removeAt(row);
    showAdjustments();
    // Cleared, so that OK does not take what was removed for an entry still to add.
    txtPoints->setValue(0);
    txtReason->clear();
}

void frmPointsAdjustments::accept()
{
    // Enter in a field presses OK: what was typed there is added first, not lost.
    if (isEntryPending() && !addTyped())
        return;
    QDialog::accept();
}
