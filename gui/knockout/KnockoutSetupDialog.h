#pragma once

#include "core/knockout/KnockoutFormats.h"
#include "core/setup/KnockoutSetup.h"

#include <QDialog>
#include <QMap>
#include <functional>

class DateField;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

// How a knockout stage is set up: who enters (a format ready made for the tournament's groups, a
// seeded list typed in the dialog, or a template or seeded list from a CSV file), which rounds are
// played in two legs, a third-place match, away goals, and the dates. OK reads the entrants and
// hands the set-up to `check`; a file that cannot be read or a set-up `check` refuses is refused
// with the reason, and the dialog stays open with every choice.
class KnockoutSetupDialog : public QDialog
{
    Q_OBJECT

public:
    using Check = std::function<bool(const KnockoutSetup& setup, QString* refusal)>;
    KnockoutSetupDialog(int groupCount, Check check, QWidget* parent = nullptr);

    // After Accepted: the set-up `check` took, with the file's bytes.
    const KnockoutSetup& setup() const { return m_setup; }

    void accept() override;

public slots:
    void browse();
    // Shows the rounds the chosen entrants play, or every round while that is not known.
    void showRounds();

private:
    // Chooses the template unless the seeded list file is chosen.
    void chooseFile();
    // The entrants chosen, the file read or the format built; nothing, with the reason, else.
    std::optional<KnockoutSetup> readEntrants(QString* error) const;

    int m_groupCount = 0;
    QMap<KnockoutFormat, QRadioButton*> m_formatButtons;
    QRadioButton* m_typedListButton = nullptr;
    QPlainTextEdit* m_typedListField = nullptr;
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
