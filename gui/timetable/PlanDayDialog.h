#pragma once

#include "core/setup/DayPlanning.h"

#include <QDialog>
#include <functional>
#include <optional>

class DateField;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class QTimeEdit;

// What the day is planned by: the pitches, the one or two days and their hours, how long games last,
// the changeover and the least rest, the breaks, the teams that can only play within certain hours,
// and, while no knockout stage is set up, the knockout template to plan its games by. OK reads the
// controls and hands them to `plan`; a control that cannot be read, or settings `plan` refuses, is
// refused with the reason, and the dialog stays open with everything typed.
class PlanDayDialog : public QDialog
{
    Q_OBJECT

public:
    using Plan = std::function<bool(const TimetableSettings& settings, const std::optional<KnockoutPlanShape>& shape,
                                    QString* refusal)>;
    PlanDayDialog(const TournamentData& data, Plan plan, QWidget* parent = nullptr);

    void accept() override;

private:
    QString title() const;
    void addTeamHours();
    // False, with the reason shown, when the hours typed cannot be read.
    bool addTypedTeamHours();
    void removeTeamHours();
    void browse();
    void showTeamHours();
    // The settings as typed; nothing after a refusal naming the control at fault.
    std::optional<TimetableSettings> readSettings();
    std::optional<std::optional<KnockoutPlanShape>> readShape();

    Plan m_plan;
    QPlainTextEdit* m_pitchesField = nullptr;
    DateField* m_firstDayField = nullptr;
    DateField* m_secondDayField = nullptr;
    QTimeEdit* m_firstKickOffField = nullptr;
    QTimeEdit* m_lastFinishField = nullptr;
    QSpinBox* m_groupMinutesField = nullptr;
    QSpinBox* m_knockoutMinutesField = nullptr;
    QSpinBox* m_changeoverField = nullptr;
    QSpinBox* m_restField = nullptr;
    QPlainTextEdit* m_breaksField = nullptr;
    QComboBox* m_teamList = nullptr;
    QLineEdit* m_teamHoursField = nullptr;
    QListWidget* m_teamHoursList = nullptr;
    QVector<TeamHours> m_teamHours;
    QLineEdit* m_templateField = nullptr; // nullptr while a knockout stage is set up
    QCheckBox* m_thirdPlaceBox = nullptr;
};
