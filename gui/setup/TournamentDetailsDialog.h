#pragma once

#include "core/common/Limits.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

// Defines a new tournament: name and location, groups and their team counts, how groups are
// titled and labelled, the league-order rules and the points for a win and a draw. It writes
// straight into Tournament; Tournament.GroupCount tells the caller the outcome (0 = cancelled).
// On acceptance the tournament title becomes the caption of `captionWindow`, the main window.
class frmTournamentDetails : public QDialog
{
    Q_OBJECT

public:
    explicit frmTournamentDetails(QWidget* captionWindow, QWidget* parent = nullptr);

public slots:
    void optGroups_Click(int Index);
    void cmbGroupTitle_Click();
    void cmdAddRule_Click();
    void cmdRemoveRule_Click();
    void cmdMoveUp_Click();
    void cmdMoveDown_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    // Escape and the window's close box count as Cancel.
    void reject() override;

private:
    void buildControls();
    void Form_Load();
    bool storeTeamCounts();

    QWidget* m_captionWindow = nullptr;

    QLineEdit* txtTournamentName = nullptr;
    QLineEdit* txtLocation = nullptr;
    QComboBox* cmbGroupTitle = nullptr;
    QComboBox* cmbIndicator = nullptr;
    QListWidget* lstRuleList = nullptr;
    QListWidget* lstRules = nullptr;
    // Indexed by meaning: group number 1..8, points 2..3 and 0..2; unused slots stay empty.
    std::array<QRadioButton*, kMaxGroups + 1> optGroups {};
    std::array<QLabel*, kMaxGroups + 1> Label6 {};
    std::array<QLineEdit*, kMaxGroups + 1> txtNoOfTeams {};
    std::array<QRadioButton*, 4> optPtsForWin {};
    std::array<QRadioButton*, 3> optPtsForDraw {};
};
