#include "standings/frmPointsAdjustments.h"

#include "ui/CenterForm.h"
#include "ui/Controls.h"
#include "ui/Prompts.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

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
    showAdjustments();
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

void frmPointsAdjustments::showAdjustments()
{
    const QSignalBlocker quiet(grdAdjustments);
    grdAdjustments->setRowCount(int(m_adjustments.size()));
    for (int row = 0; row < m_adjustments.size(); ++row) {
        const PointsAdjustment& adjustment = m_adjustments[row];
        auto* points = new QTableWidgetItem(QString::number(adjustment.points));
        points->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grdAdjustments->setItem(row, 0, new QTableWidgetItem(m_teams.value(adjustment.team)));
        grdAdjustments->setItem(row, 1, points);
        grdAdjustments->setItem(row, 2, new QTableWidgetItem(adjustment.reason));
        if (adjustment.team == cmbTeam->currentIndex())
            grdAdjustments->selectRow(row);
    }
    grdAdjustments->resizeColumnToContents(0);
}

void frmPointsAdjustments::grdAdjustments_Click()
{
    const QList<QTableWidgetItem*> selected = grdAdjustments->selectedItems();
    if (selected.isEmpty())
        return;
    const PointsAdjustment& adjustment = m_adjustments.at(selected.first()->row());
    cmbTeam->setCurrentIndex(adjustment.team);
    txtPoints->setValue(adjustment.points);
    txtReason->setText(adjustment.reason);
}

bool frmPointsAdjustments::setChosen(bool shouldExist)
{
    const int team = cmbTeam->currentIndex();
    const bool exists = adjustmentPoints(m_adjustments, team) != 0;
    if (exists != shouldExist) {
        Prompts::refuse(
            exists
                ? QStringLiteral("%1 has a points adjustment already: change it instead.").arg(cmbTeam->currentText())
                : QStringLiteral("%1 has no points adjustment to change or remove.").arg(cmbTeam->currentText()),
            kTitle);
        return false;
    }
    if (txtPoints->value() == 0) {
        Prompts::refuse(QStringLiteral("An adjustment of 0 points is none: Remove takes one away."), kTitle);
        return false;
    }
    // The file keeps a reason on one line.
    QString reason = txtReason->text();
    reason.replace(u'\r', u' ').replace(u'\n', u' ');
    setPointsAdjustment(m_adjustments, team, txtPoints->value(), reason);
    showAdjustments();
    return true;
}

void frmPointsAdjustments::cmdAdd_Click()
{
    setChosen(false);
}

void frmPointsAdjustments::cmdChange_Click()
{
    setChosen(true);
}

void frmPointsAdjustments::cmdRemove_Click()
{
    const int team = cmbTeam->currentIndex();
    if (adjustmentPoints(m_adjustments, team) == 0) {
        Prompts::refuse(QStringLiteral("%1 has no points adjustment to change or remove.").arg(cmbTeam->currentText()),
                        kTitle);
        return;
    }
    setPointsAdjustment(m_adjustments, team, 0, QString());
    showAdjustments();
}
