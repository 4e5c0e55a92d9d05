#include "gui/timetable/PlanDayDialog.h"

#include "core/common/Limits.h"
#include "core/setup/KnockoutSetup.h"
#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/DateField.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

int minutesOf(const QTime& time)
{
    return time.hour() * 60 + time.minute();
}

QTime timeOf(int minutes)
{
    return QTime(minutes / 60, minutes % 60);
}

QSpinBox* makeMinutesField(QWidget* parent, QAnyStringView objectName, const QString& accessibleName, int minimum)
{
    auto* field = new QSpinBox(parent);
    field->setObjectName(objectName);
    field->setAccessibleName(accessibleName);
    field->setRange(minimum, 600);
    return field;
}

QTimeEdit* makeTimeField(QWidget* parent, QAnyStringView objectName, const QString& accessibleName)
{
    auto* field = new QTimeEdit(parent);
    field->setObjectName(objectName);
    field->setAccessibleName(accessibleName);
    field->setDisplayFormat(QStringLiteral("HH:mm"));
    return field;
}

QString teamHoursText(const TeamHours& hours)
{
    return hours.team + QStringLiteral(": ") + minuteText(hours.hours.from) + QLatin1Char('-')
        + minuteText(hours.hours.to);
}

// The first date a group game is fixed for, for a day not planned before.
QDate firstFixtureDate(const TournamentData& data)
{
    QDate first;
    for (const TournamentGroupData& group : data.groups)
        for (const std::optional<Record>& game : group.games)
            if (game && !game->isResult && game->date.isValid() && (!first.isValid() || game->date < first))
                first = game->date;
    return first;
}

} // namespace

PlanDayDialog::PlanDayDialog(const TournamentData& data, Plan plan, QWidget* parent)
    : QDialog(parent)
    , m_plan(std::move(plan))
{
    setObjectName(QStringLiteral("planDayDialog"));
    setWindowTitle(title());
    auto* form = new QFormLayout;
    auto addRow = [&](QAnyStringView objectName, const QString& caption, QWidget* field) {
        QLabel* label = makeLabel(this, objectName, caption);
        label->setBuddy(field);
        form->addRow(label, field);
    };

    m_pitchesField = new QPlainTextEdit(this);
    m_pitchesField->setObjectName(QStringLiteral("pitchesField"));
    m_pitchesField->setAccessibleName(tr("Pitches, one a line, or their number"));
    m_pitchesField->setTabChangesFocus(true);
    m_pitchesField->setMaximumHeight(80);
    addRow("pitchesLabel", tr("&Pitches (one a line, or a number):"), m_pitchesField);
    m_firstDayField = new DateField(this, "firstDayField", tr("First day"));
    addRow("firstDayLabel", tr("First &day:"), m_firstDayField);
    m_secondDayField = new DateField(this, "secondDayField", tr("Second day, if any"));
    addRow("secondDayLabel", tr("Second da&y (if any):"), m_secondDayField);
    m_firstKickOffField = makeTimeField(this, "firstKickOffField", tr("First kick-off"));
    addRow("firstKickOffLabel", tr("First &kick-off:"), m_firstKickOffField);
    m_lastFinishField = makeTimeField(this, "lastFinishField", tr("Last finish"));
    addRow("lastFinishLabel", tr("&Last finish:"), m_lastFinishField);
    m_groupMinutesField = makeMinutesField(this, "groupMinutesField", tr("Minutes of a group game"), 1);
    addRow("groupMinutesLabel", tr("&Group game (minutes):"), m_groupMinutesField);
    m_knockoutMinutesField = makeMinutesField(this, "knockoutMinutesField", tr("Minutes of a knockout game"), 1);
    addRow("knockoutMinutesLabel", tr("Knockout ga&me (minutes):"), m_knockoutMinutesField);
    m_changeoverField = makeMinutesField(this, "changeoverField", tr("Minutes of changeover between games"), 0);
    addRow("changeoverLabel", tr("C&hangeover (minutes):"), m_changeoverField);
    m_restField = makeMinutesField(this, "restField", tr("Least rest of a team, in minutes"), 0);
    addRow("restLabel", tr("Least &rest (minutes):"), m_restField);
    m_breaksField = new QPlainTextEdit(this);
    m_breaksField->setObjectName(QStringLiteral("breaksField"));
    m_breaksField->setAccessibleName(tr("Breaks, one a line, such as 12:30-13:00"));
    m_breaksField->setTabChangesFocus(true);
    m_breaksField->setMaximumHeight(60);
    addRow("breaksLabel", tr("&Breaks (one a line, 12:30-13:00):"), m_breaksField);

    m_teamList = new QComboBox(this);
    m_teamList->setObjectName(QStringLiteral("teamHoursTeamList"));
    m_teamList->setAccessibleName(tr("Team that can only play within certain hours"));
    for (const TournamentGroupData& group : data.groups)
        m_teamList->addItems(group.teams);
    m_teamHoursField = makeTextField(this, "teamHoursField", QStringLiteral("10:00-14:00"), tr("The team's hours"));
    QPushButton* addButton = makeButton(this, "addTeamHoursButton", tr("&Add"), tr("Add the team's hours"));
    QPushButton* removeButton
        = makeButton(this, "removeTeamHoursButton", tr("Remo&ve"), tr("Remove the chosen team's hours"));
    auto* teamRow = new QHBoxLayout;
    teamRow->addWidget(m_teamList, 1);
    QLabel* hoursLabel = makeLabel(this, "teamHoursLabel", tr("Hour&s:"));
    hoursLabel->setBuddy(m_teamHoursField);
    teamRow->addWidget(hoursLabel);
    teamRow->addWidget(m_teamHoursField);
    teamRow->addWidget(addButton);
    QLabel* teamLabel = makeLabel(this, "teamHoursTeamLabel", tr("Team with ho&urs:"));
    teamLabel->setBuddy(m_teamList);
    form->addRow(teamLabel, teamRow);
    m_teamHoursList = new QListWidget(this);
    m_teamHoursList->setObjectName(QStringLiteral("teamHoursList"));
    m_teamHoursList->setAccessibleName(tr("Teams with hours"));
    m_teamHoursList->setMaximumHeight(70);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_teamHoursList, 1);
    listRow->addWidget(removeButton, 0, Qt::AlignTop);
    QLabel* listLabel = makeLabel(this, "teamHoursListLabel", tr("Teams &with hours:"));
    listLabel->setBuddy(m_teamHoursList);
    form->addRow(listLabel, listRow);
    setTabOrder(m_teamHoursList, removeButton); // the list first, then what acts on it
    connect(addButton, &QPushButton::clicked, this, &PlanDayDialog::addTeamHours);
    connect(removeButton, &QPushButton::clicked, this, &PlanDayDialog::removeTeamHours);

    // Without a knockout stage, its games can still be planned from the template it will follow.
    if (!data.knockout) {
        m_templateField = makeTextField(this, "templateField", QString(), tr("Knockout template file, if any"));
        QPushButton* browseButton = makeButton(this, "browseButton", tr("Choose &File..."), tr("Choose the template"));
        auto* templateRow = new QHBoxLayout;
        templateRow->addWidget(m_templateField, 1);
        templateRow->addWidget(browseButton);
        QLabel* templateLabel = makeLabel(this, "templateLabel", tr("Knockout &template (if any):"));
        templateLabel->setBuddy(m_templateField);
        form->addRow(templateLabel, templateRow);
        m_thirdPlaceBox = new QCheckBox(tr("Th&ird-place match"), this);
        m_thirdPlaceBox->setObjectName(QStringLiteral("thirdPlaceBox"));
        m_thirdPlaceBox->setAccessibleName(tr("Third-place match"));
        form->addRow(QString(), m_thirdPlaceBox);
        connect(browseButton, &QPushButton::clicked, this, &PlanDayDialog::browse);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = makeButton(this, "okButton", tr("&OK"), tr("OK"));
    ok->setDefault(true);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(makeButton(this, "cancelButton", tr("&Cancel"), tr("Cancel")), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &PlanDayDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PlanDayDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    // The plan there is, else a day of sensible length on the day the fixtures are for.
    TimetableSettings settings;
    if (data.timetable) {
        settings = data.timetable->settings;
    } else {
        const QDate first = firstFixtureDate(data);
        settings.days = { first.isValid() ? first : QDate::currentDate() };
        settings.hours = { 9 * 60, 18 * 60 };
        settings.groupGameMinutes = 20;
        settings.knockoutGameMinutes = 30;
        settings.changeoverMinutes = 5;
        settings.restMinutes = 20;
    }
    m_pitchesField->setPlainText(settings.pitches.isEmpty() ? QStringLiteral("2") : settings.pitches.join(u'\n'));
    if (!settings.days.isEmpty())
        m_firstDayField->setDate(settings.days.first());
    if (settings.days.size() > 1)
        m_secondDayField->setDate(settings.days.at(1));
    m_firstKickOffField->setTime(timeOf(settings.hours.from));
    m_lastFinishField->setTime(timeOf(settings.hours.to));
    m_groupMinutesField->setValue(settings.groupGameMinutes);
    m_knockoutMinutesField->setValue(settings.knockoutGameMinutes);
    m_changeoverField->setValue(settings.changeoverMinutes);
    m_restField->setValue(settings.restMinutes);
    QStringList breaks;
    for (const MinuteSpan& pause : settings.breaks)
        breaks.append(minuteText(pause.from) + QLatin1Char('-') + minuteText(pause.to));
    m_breaksField->setPlainText(breaks.join(u'\n'));
    m_teamHours = settings.teamHours;
    showTeamHours();
    adjustSize();
    centerWindow(this);
}

QString PlanDayDialog::title() const
{
    return tr("Plan the Day");
}

void PlanDayDialog::showTeamHours()
{
    m_teamHoursList->clear();
    for (const TeamHours& hours : std::as_const(m_teamHours))
        m_teamHoursList->addItem(teamHoursText(hours));
}

void PlanDayDialog::addTeamHours()
{
    addTypedTeamHours();
}

bool PlanDayDialog::addTypedTeamHours()
{
    if (m_teamList->currentIndex() < 0)
        return true;
    const QString typed = m_teamHoursField->text().trimmed();
    const std::optional<MinuteSpan> hours = readMinuteSpan(typed);
    if (!hours) {
        Prompts::refuse(tr("\"%1\" is no span of hours: type it as 10:00-14:00.").arg(typed), title());
        m_teamHoursField->setFocus();
        return false;
    }
    const QString team = m_teamList->currentText();
    // A team named again gets the hours typed last.
    m_teamHours.erase(std::remove_if(m_teamHours.begin(), m_teamHours.end(),
                                     [&](const TeamHours& other) { return other.team == team; }),
                      m_teamHours.end());
    m_teamHours.append({ team, *hours });
    m_teamHoursField->setModified(false);
    showTeamHours();
    return true;
}

void PlanDayDialog::removeTeamHours()
{
    const int row = m_teamHoursList->currentRow();
    if (row < 0 || row >= m_teamHours.size())
        return;
    m_teamHours.removeAt(row);
    showTeamHours();
}

void PlanDayDialog::browse()
{
    const QString path = showOpenDialog(fileFilter({ { tr("CSV Files (*.csv)"), QStringLiteral("*.csv") },
                                                     { tr("All Files (*.*)"), QStringLiteral("*.*") } }),
                                        tr("Knockout Template"));
    if (!path.isEmpty())
        m_templateField->setText(path);
}

std::optional<TimetableSettings> PlanDayDialog::readSettings()
{
    TimetableSettings settings;
    const QStringList pitchLines = m_pitchesField->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    bool isCount = false;
    const int count = pitchLines.size() == 1 ? pitchLines.first().trimmed().toInt(&isCount) : 0;
    if (isCount) {
        for (int pitch = 1; pitch <= count && pitch <= kMaxPitches + 1; ++pitch) // more are refused
            settings.pitches.append(QStringLiteral("Pitch %1").arg(pitch));      // kept in the file, so English
    } else {
        for (const QString& line : pitchLines)
            if (!line.trimmed().isEmpty())
                settings.pitches.append(line.trimmed());
    }
    if (settings.pitches.isEmpty()) {
        Prompts::refuse(tr("Name the pitches, one a line, or type how many there are."), title());
        m_pitchesField->setFocus();
        return std::nullopt;
    }
    if (settings.pitches.removeDuplicates() > 0) {
        Prompts::refuse(tr("Each pitch needs a name of its own."), title());
        m_pitchesField->setFocus();
        return std::nullopt;
    }

    const std::optional<QDate> firstDay = m_firstDayField->takeDate(title());
    if (!firstDay)
        return std::nullopt;
    settings.days = { *firstDay };
    if (!m_secondDayField->textField()->text().trimmed().isEmpty()) {
        const std::optional<QDate> secondDay = m_secondDayField->takeDate(title());
        if (!secondDay)
            return std::nullopt;
        if (*secondDay <= *firstDay) {
            Prompts::refuse(tr("The second day must come after the first."), title());
            m_secondDayField->textField()->setFocus();
            return std::nullopt;
        }
        settings.days.append(*secondDay);
    }

    settings.hours = { minutesOf(m_firstKickOffField->time()), minutesOf(m_lastFinishField->time()) };
    if (settings.hours.to <= settings.hours.from) {
        Prompts::refuse(tr("The last finish must come after the first kick-off."), title());
        m_lastFinishField->setFocus();
        return std::nullopt;
    }
    settings.groupGameMinutes = m_groupMinutesField->value();
    settings.knockoutGameMinutes = m_knockoutMinutesField->value();
    settings.changeoverMinutes = m_changeoverField->value();
    settings.restMinutes = m_restField->value();

    const QStringList breakLines = m_breaksField->toPlainText().split(u'\n');
    for (const QString& line : breakLines) {
        if (line.trimmed().isEmpty())
            continue;
        const std::optional<MinuteSpan> pause = readMinuteSpan(line.trimmed());
        if (!pause) {
            Prompts::refuse(
                tr("The break \"%1\" is no span of time: type each break as 12:30-13:00.").arg(line.trimmed()),
                title());
            m_breaksField->setFocus();
            return std::nullopt;
        }
        settings.breaks.append(*pause);
    }
    // Hours typed for a team but not added yet are added, not lost.
    if (m_teamHoursField->isModified() && !addTypedTeamHours())
        return std::nullopt;
    settings.teamHours = m_teamHours;
    return settings;
}

std::optional<std::optional<KnockoutPlanShape>> PlanDayDialog::readShape()
{
    const QString path = m_templateField ? m_templateField->text().trimmed() : QString();
    if (path.isEmpty())
        return std::optional<KnockoutPlanShape>();
    QString error;
    const std::optional<QByteArray> file = readEntrantsFile(path, &error);
    std::optional<KnockoutTemplate> read;
    if (file)
        read = readKnockoutTemplate(*file, &error);
    if (!read) {
        Prompts::refuse(error, title());
        m_templateField->setFocus();
        return std::nullopt;
    }
    return std::optional<KnockoutPlanShape>(KnockoutPlanShape { *read, m_thirdPlaceBox->isChecked() });
}

void PlanDayDialog::accept()
{
    const std::optional<TimetableSettings> settings = readSettings();
    if (!settings)
        return;
    const std::optional<std::optional<KnockoutPlanShape>> shape = readShape();
    if (!shape)
        return;
    QString refusal;
    if (!m_plan(*settings, *shape, &refusal)) {
        Prompts::refuse(refusal, title());
        return;
    }
    QDialog::accept();
}
