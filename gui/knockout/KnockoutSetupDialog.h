#pragma once

#include "core/setup/KnockoutSetup.h"

#include <QDialog>
#include <QMap>
#include <functional>

class DateField;
class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

// How a knockout stage is set up: who enters (a template after the group tables or a seeded list,
// from a CSV file), which rounds are played in two legs, a third-place match, away goals, and the
// dates. OK reads the file and hands the set-up to `check`; a file that cannot be read or a set-up
// `check` refuses is refused with the reason, and the dialog stays open with every choice.
class KnockoutSetupDialog : public QDialog
{
    Q_OBJECT

public:
    using Check = std::function<bool(const KnockoutSetup& setup, QString* refusal)>;
    explicit KnockoutSetupDialog(Check check, QWidget* parent = nullptr);

    // After Accepted: the set-up `check` took, with the file's bytes.
    const KnockoutSetup& setup() const { return m_setup; }

    void accept() override;

public slots:
    void browse();
    // Shows the rounds the chosen file's entrants play, or every round while that is not known.
    void showRounds();

private:
    QRadioButton* m_templateButton = nullptr;
    QRadioButton* m_seededListButton = nullptr;
    QLineEdit* m_fileField = nullptr;
    QMap<int, QCheckBox*> m_twoLegsBoxes; // by round size
    QCheckBox* m_thirdPlaceBox = nullptr;
    QCheckBox* m_awayGoalsBox = nullptr;
    QCheckBox* m_datedBox = nullptr;
    DateField* m_startDateField = nullptr;
    QSpinBox* m_gapField = nullptr;
    Check m_check;
    KnockoutSetup m_setup;
};
