#pragma once

#include "core/common/Limits.h"
#include "core/tournament/TournamentSettings.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

// Defines a new tournament: name and location, groups and their team counts, how groups are
// titled and labelled, the league-order rules and the points for a win and a draw. Once it is
// accepted, title() and settings() are the new tournament's.
class TournamentDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TournamentDetailsDialog(QWidget* parent = nullptr);

    // "Tabulon - <name> at <location>".
    QString title() const { return m_title; }
    const TournamentSettings& settings() const { return m_settings; }

public slots:
    void setGroupCount(int count);
    void chooseGroupTitle();
    void addRule();
    void removeRule();
    void moveRuleUp();
    void moveRuleDown();
    void confirm();
    void cancel();

protected:
    // Escape and the window's close box count as Cancel.
    void reject() override;

private:
    void buildControls();
    void setDefaults();
    bool storeTeamCounts();

    QString m_title;
    TournamentSettings m_settings;

    QLineEdit* m_nameField = nullptr;
    QLineEdit* m_locationField = nullptr;
    QComboBox* m_groupTitleBox = nullptr;
    QComboBox* m_indicatorBox = nullptr;
    QListWidget* m_unselectedRuleList = nullptr;
    QListWidget* m_selectedRuleList = nullptr;
    // Indexed by meaning: group number 1..8, points 2..3 and 0..2; unused slots stay empty.
    std::array<QRadioButton*, kMaxGroups + 1> m_groupCountButtons {};
    std::array<QLabel*, kMaxGroups + 1> m_teamCountLabels {};
    std::array<QLineEdit*, kMaxGroups + 1> m_teamCountFields {};
    std::array<QRadioButton*, 4> m_winPointsButtons {};
    std::array<QRadioButton*, 3> m_drawPointsButtons {};
};
