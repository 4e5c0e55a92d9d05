#pragma once

#include "core/records/PointsAdjustment.h"

#include <QDialog>
#include <QStringList>
#include <optional>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;

// The points adjustments of one group: a table of team, points and reason, one row per adjustment
// (a team may have several), and fields below it that add one, or change or remove the one chosen
// in the table. The group keeps the changes only when the dialog is accepted; OK or Enter adds an
// adjustment typed in the fields and not added yet, and stays open when it is refused.
class PointsAdjustmentsDialog : public QDialog
{
    Q_OBJECT

public:
    PointsAdjustmentsDialog(const QString& groupCaption, const QStringList& teams, const PointsAdjustments& adjustments,
                            QWidget* parent = nullptr);

    const PointsAdjustments& adjustments() const { return m_adjustments; }

    void accept() override;

public slots:
    void showChosenAdjustment();
    void addAdjustment();
    void changeAdjustment();
    void removeAdjustment();

private:
    void buildControls();
    // Fills the table and selects row `selected` (-1 for none).
    void showAdjustments(int selected = -1);
    int selectedRow() const; // -1 without a selection
    // The chosen team's last adjustment becomes the selected row, the fields unchanged.
    void selectChosenTeam();
    // The row Change and Remove act on: the selected adjustment of the chosen team; -1, after
    // saying why, without one.
    int rowToAlter();
    // The points typed, or nothing after refusing 0 points.
    std::optional<int> typedPoints();
    QString typedReason() const;
    bool isEntryPending() const;
    bool addTyped();

    QStringList m_teams;
    PointsAdjustments m_adjustments;
    QTableWidget* m_adjustmentTable = nullptr;
    QComboBox* m_teamBox = nullptr;
    QSpinBox* m_pointsField = nullptr;
    QLineEdit* m_reasonField = nullptr;
};
