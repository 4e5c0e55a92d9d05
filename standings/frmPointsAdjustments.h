#pragma once

#include "model/PointsAdjustment.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;

// The points adjustments of one group: a table of team, points and reason, and fields below it
// that add, change or remove the adjustment of the team chosen there. The group keeps the changes
// only when the dialog is accepted.
class frmPointsAdjustments : public QDialog
{
    Q_OBJECT

public:
    frmPointsAdjustments(const QString& groupCaption, const QStringList& teams, const PointsAdjustments& adjustments,
                         QWidget* parent = nullptr);

    const PointsAdjustments& adjustments() const { return m_adjustments; }

public slots:
    void grdAdjustments_Click();
    void cmdAdd_Click();
    void cmdChange_Click();
    void cmdRemove_Click();

private:
    void buildControls();
    void showAdjustments();
    // The chosen team's adjustment set from the fields; false, after saying why, when refused.
    bool setChosen(bool shouldExist);

    QStringList m_teams;
    PointsAdjustments m_adjustments;
    QTableWidget* grdAdjustments = nullptr;
    QComboBox* cmbTeam = nullptr;
    QSpinBox* txtPoints = nullptr;
    QLineEdit* txtReason = nullptr;
};
