#include "gui/setup/TournamentDetailsDialog.h"

#include "core/common/Limits.h"
#include "core/setup/TournamentSetup.h"
#include "gui/widgets/CenterWindow.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/Prompts.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString errorTitle()
{
    return TournamentDetailsDialog::tr("ERROR");
}
QString otherTitle()
{
    return TournamentDetailsDialog::tr("Other");
}

// The position of the selected entry of a list, or -1 when none is selected (a current entry
// without a selection does not count).
int selectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void selectRow(QListWidget* list, int row)
{
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

// Moves the selected entry of `from` to the end of `to`, then selects the first entry left in `from`.
void moveSelectedRule(QListWidget* from, QListWidget* to)
{
    const int row = selectedRow(from);
    if (row < 0)
        return;
    to->addItem(from->item(row)->text());
    delete from->takeItem(row);
    if (from->count() > 0)
        selectRow(from, 0);
}

// Exchanges the texts of two entries and selects the moved one at its new place.
void swapRuleWithNeighbour(QListWidget* list, int row, int neighbour)
{
    QListWidgetItem* moved = list->item(row);
    QListWidgetItem* other = list->item(neighbour);
    const QString movedText = moved->text();
    moved->setText(other->text());
    other->setText(movedText);
    selectRow(list, neighbour);
}

void keepSpaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

TournamentDetailsDialog::TournamentDetailsDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("tournamentDetailsDialog"));
    setWindowTitle(tr("Tournament Details"));
    setModal(true);
    buildControls();
    setDefaults();
}

void TournamentDetailsDialog::buildControls()
{
    // Controls are created in tab order: name, location, groups, title, indicator, team counts,
    // rules, points, then OK and Cancel.
    auto* nameLabel = makeLabel(this, QStringLiteral("nameLabel"), tr("Tournament Name"));
    m_nameField = new QLineEdit(this);
    m_nameField->setObjectName(QStringLiteral("nameField"));
    m_nameField->setAccessibleName(tr("Tournament name"));
    nameLabel->setBuddy(m_nameField);

    auto* atLabel = makeLabel(this, QStringLiteral("atLabel"), tr("AT"));
    atLabel->setAlignment(Qt::AlignCenter);

    auto* locationLabel = makeLabel(this, QStringLiteral("locationLabel"), tr("Tournament Location"));
    m_locationField = new QLineEdit(this);
    m_locationField->setObjectName(QStringLiteral("locationField"));
    m_locationField->setAccessibleName(tr("Tournament location"));
    locationLabel->setBuddy(m_locationField);

    auto* groupCountBox = new QGroupBox(tr("# Groups"), this);
    groupCountBox->setObjectName(QStringLiteral("groupCountBox"));
    groupCountBox->setAccessibleName(tr("Number of groups"));
    auto* groupsLayout = new QGridLayout(groupCountBox);
    for (int n = 1; n <= kMaxGroups; ++n) {
        m_groupCountButtons[n] = makeOption(groupCountBox, QStringLiteral("groupCountButton%1").arg(n),
                                            QString::number(n), n == 1 ? tr("1 group") : tr("%n groups", nullptr, n));
        groupsLayout->addWidget(m_groupCountButtons[n], (n - 1) / 4, (n - 1) % 4);
    }

    auto* groupTitleLabel = makeLabel(this, QStringLiteral("groupTitleLabel"), tr("Group Title"));
    m_groupTitleBox = new QComboBox(this);
    m_groupTitleBox->setObjectName(QStringLiteral("groupTitleBox"));
    m_groupTitleBox->setAccessibleName(tr("Group title"));
    m_groupTitleBox->addItems({ tr("Division"), tr("Group"), tr("Pool"), otherTitle() });
    groupTitleLabel->setBuddy(m_groupTitleBox);

    auto* indicatorLabel = makeLabel(this, QStringLiteral("indicatorLabel"), tr("Indicator"));
    m_indicatorBox = new QComboBox(this);
    m_indicatorBox->setObjectName(QStringLiteral("indicatorBox"));
    m_indicatorBox->setAccessibleName(tr("Group labels"));
    m_indicatorBox->addItems({ tr("A, B, C, etc."), tr("1, 2, 3, etc."), tr("Premier, 1, 2, etc.") });
    indicatorLabel->setBuddy(m_indicatorBox);

    auto* teamsLayout = new QGridLayout;
    for (int n = 1; n <= kMaxGroups; ++n) {
        m_teamCountLabels[n]
            = makeLabel(this, QStringLiteral("teamCountLabel%1").arg(n), tr("# Teams in Group %1").arg(n));
        m_teamCountFields[n] = new QLineEdit(this);
        m_teamCountFields[n]->setObjectName(QStringLiteral("teamCountField%1").arg(n));
        m_teamCountFields[n]->setAccessibleName(tr("Number of teams in group %1").arg(n));
        m_teamCountFields[n]->setMaximumWidth(m_teamCountFields[n]->fontMetrics().horizontalAdvance(u'0') * 8 + 12);
        m_teamCountLabels[n]->setBuddy(m_teamCountFields[n]);
        // Hidden groups keep their place so that the dialog does not jump when the count changes.
        keepSpaceWhenHidden(m_teamCountLabels[n]);
        keepSpaceWhenHidden(m_teamCountFields[n]);
        const int row = (n - 1) % 4;
        const int column = (n - 1) / 4 * 3;
        teamsLayout->addWidget(m_teamCountLabels[n], row, column);
        teamsLayout->addWidget(m_teamCountFields[n], row, column + 1);
    }

    // Groups 1-4 on the left, 5-8 on the right, kept close together.
    teamsLayout->setColumnMinimumWidth(2, 24);
    teamsLayout->setColumnStretch(5, 1);

    auto* rulesHeadingLabel = makeLabel(this, QStringLiteral("rulesHeadingLabel"), tr("SELECT LEAGUE ORDER RULES"));
    QFont headingFont = rulesHeadingLabel->font();
    headingFont.setBold(true);
    rulesHeadingLabel->setFont(headingFont);

    auto* unselectedRulesLabel = makeLabel(this, QStringLiteral("unselectedRulesLabel"), tr("Not Selected"));
    m_unselectedRuleList = new QListWidget(this);
    m_unselectedRuleList->setObjectName(QStringLiteral("unselectedRuleList"));
    m_unselectedRuleList->setAccessibleName(tr("Rules not selected"));
    unselectedRulesLabel->setBuddy(m_unselectedRuleList);

    auto* addRuleButton = makeButton(this, QStringLiteral("addRuleButton"), QStringLiteral("->"), tr("Add rule"));
    auto* removeRuleButton
        = makeButton(this, QStringLiteral("removeRuleButton"), QStringLiteral("<-"), tr("Remove rule"));

    auto* selectedRulesLabel = makeLabel(this, QStringLiteral("selectedRulesLabel"), tr("Selected"));
    m_selectedRuleList = new QListWidget(this);
    m_selectedRuleList->setObjectName(QStringLiteral("selectedRuleList"));
    m_selectedRuleList->setAccessibleName(tr("Selected rules, most significant first"));
    selectedRulesLabel->setBuddy(m_selectedRuleList);

    auto* moveUpButton = makeButton(this, QStringLiteral("moveUpButton"), tr("Up"), tr("Move rule up"));
    auto* moveDownButton = makeButton(this, QStringLiteral("moveDownButton"), tr("Dn"), tr("Move rule down"));

    // Five entries at most: the lists need no more room than that.
    for (QListWidget* list : { m_unselectedRuleList, m_selectedRuleList }) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QStringLiteral("5. Games Between Teams")) + 30);
        list->setFixedHeight(list->fontMetrics().height() * 6 + 10);
    }

    auto* winPointsBox = new QGroupBox(tr("Points for Win"), this);
    winPointsBox->setObjectName(QStringLiteral("winPointsBox"));
    winPointsBox->setAccessibleName(tr("Points for win"));
    auto* winLayout = new QHBoxLayout(winPointsBox);
    for (int points = 2; points <= 3; ++points) {
        m_winPointsButtons[points] = makeOption(winPointsBox, QStringLiteral("winPointsButton%1").arg(points),
                                                QString::number(points), tr("%n points for a win", nullptr, points));
        winLayout->addWidget(m_winPointsButtons[points]);
    }

    auto* drawPointsBox = new QGroupBox(tr("Points for Draw"), this);
    drawPointsBox->setObjectName(QStringLiteral("drawPointsBox"));
    drawPointsBox->setAccessibleName(tr("Points for draw"));
    auto* drawLayout = new QHBoxLayout(drawPointsBox);
    for (int points = 0; points <= 2; ++points) {
        m_drawPointsButtons[points]
            = makeOption(drawPointsBox, QStringLiteral("drawPointsButton%1").arg(points), QString::number(points),
                         points == 1 ? tr("1 point for a draw") : tr("%n points for a draw", nullptr, points));
        drawLayout->addWidget(m_drawPointsButtons[points]);
    }

    auto* okButton = makeButton(this, QStringLiteral("okButton"), tr("&OK"), tr("OK"));
    okButton->setDefault(true);
    auto* cancelButton = makeButton(this, QStringLiteral("cancelButton"), tr("&Cancel"), tr("Cancel"));

    // Layout: the tournament's name and location on top, groups beside their team counts, the
    // rules with their buttons, the points, and the dialog's buttons at the bottom right.
    auto* nameLayout = new QGridLayout;
    nameLayout->addWidget(nameLabel, 0, 0);
    nameLayout->addWidget(m_nameField, 0, 1);
    nameLayout->addWidget(atLabel, 1, 1);
    nameLayout->addWidget(locationLabel, 2, 0);
    nameLayout->addWidget(m_locationField, 2, 1);

    auto* titleLayout = new QGridLayout;
    titleLayout->addWidget(groupTitleLabel, 0, 0);
    titleLayout->addWidget(m_groupTitleBox, 0, 1);
    titleLayout->addWidget(indicatorLabel, 1, 0);
    titleLayout->addWidget(m_indicatorBox, 1, 1);
    titleLayout->setRowStretch(2, 1);

    auto* groupsRow = new QHBoxLayout;
    groupsRow->addWidget(groupCountBox);
    groupsRow->addLayout(titleLayout);
    groupsRow->addStretch();

    auto* addRemoveColumn = new QVBoxLayout;
    addRemoveColumn->addStretch();
    addRemoveColumn->addWidget(addRuleButton);
    addRemoveColumn->addWidget(removeRuleButton);
    addRemoveColumn->addStretch();

    auto* upDownColumn = new QVBoxLayout;
    upDownColumn->addStretch();
    upDownColumn->addWidget(moveUpButton);
    upDownColumn->addWidget(moveDownButton);
    upDownColumn->addStretch();

    auto* rulesLayout = new QGridLayout;
    rulesLayout->addWidget(rulesHeadingLabel, 0, 0, 1, 4, Qt::AlignHCenter);
    rulesLayout->addWidget(unselectedRulesLabel, 1, 0);
    rulesLayout->addWidget(selectedRulesLabel, 1, 2);
    rulesLayout->addWidget(m_unselectedRuleList, 2, 0);
    rulesLayout->addLayout(addRemoveColumn, 2, 1);
    rulesLayout->addWidget(m_selectedRuleList, 2, 2);
    rulesLayout->addLayout(upDownColumn, 2, 3);

    auto* pointsRow = new QHBoxLayout;
    pointsRow->addWidget(winPointsBox);
    pointsRow->addWidget(drawPointsBox);
    pointsRow->addStretch();

    auto* buttonsRow = new QHBoxLayout;
    buttonsRow->addStretch();
    buttonsRow->addWidget(okButton);
    buttonsRow->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameLayout);
    layout->addLayout(groupsRow);
    layout->addLayout(teamsLayout);
    layout->addLayout(rulesLayout);
    layout->addLayout(pointsRow);
    layout->addLayout(buttonsRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int n = 1; n <= kMaxGroups; ++n)
        connect(m_groupCountButtons[n], &QRadioButton::toggled, this, [this, n](bool checked) {
            if (checked)
                setGroupCount(n);
        });
    connect(m_groupTitleBox, &QComboBox::activated, this, &TournamentDetailsDialog::chooseGroupTitle);
    connect(addRuleButton, &QPushButton::clicked, this, &TournamentDetailsDialog::addRule);
    connect(removeRuleButton, &QPushButton::clicked, this, &TournamentDetailsDialog::removeRule);
    connect(moveUpButton, &QPushButton::clicked, this, &TournamentDetailsDialog::moveRuleUp);
    connect(moveDownButton, &QPushButton::clicked, this, &TournamentDetailsDialog::moveRuleDown);
    connect(okButton, &QPushButton::clicked, this, &TournamentDetailsDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &TournamentDetailsDialog::cancel);
}

void TournamentDetailsDialog::setDefaults()
{
    m_settings.GroupCount = 1;
    m_groupCountButtons[1]->setChecked(true);
    m_winPointsButtons[3]->setChecked(true);
    m_drawPointsButtons[1]->setChecked(true);
    for (int n = 1; n <= kMaxGroups; ++n)
        m_teamCountFields[n]->setText(QStringLiteral("2"));
    m_groupTitleBox->setCurrentIndex(0);
    m_indicatorBox->setCurrentIndex(0);
    for (int n = 2; n <= kMaxGroups; ++n) {
        m_teamCountLabels[n]->hide();
        m_teamCountFields[n]->hide();
    }
    m_selectedRuleList->addItems(defaultRuleOrder());
    m_unselectedRuleList->addItems(defaultUnselectedRules());
    adjustSize();
    centerWindow(this);
}

void TournamentDetailsDialog::setGroupCount(int count)
{
    m_settings.GroupCount = static_cast<qint16>(count);
    for (int n = 1; n <= kMaxGroups; ++n) {
        m_teamCountLabels[n]->setVisible(n <= count);
        m_teamCountFields[n]->setVisible(n <= count);
    }
}

void TournamentDetailsDialog::chooseGroupTitle()
{
    if (m_groupTitleBox->currentText() != otherTitle())
        return;
    const QString title = Prompts::input(tr("Enter New Group Title"), tr("New Group Title")).value_or(QString());
    if (title.isEmpty())
        return;
    m_groupTitleBox->removeItem(m_groupTitleBox->count() - 1);
    m_groupTitleBox->addItem(title);
    m_groupTitleBox->addItem(otherTitle());
    m_groupTitleBox->setCurrentIndex(m_groupTitleBox->count() - 2);
}

void TournamentDetailsDialog::addRule()
{
    moveSelectedRule(m_unselectedRuleList, m_selectedRuleList);
}

void TournamentDetailsDialog::removeRule()
{
    moveSelectedRule(m_selectedRuleList, m_unselectedRuleList);
}

void TournamentDetailsDialog::moveRuleUp()
{
    const int row = selectedRow(m_selectedRuleList);
    if (row >= 1)
        swapRuleWithNeighbour(m_selectedRuleList, row, row - 1);
}

void TournamentDetailsDialog::moveRuleDown()
{
    const int row = selectedRow(m_selectedRuleList);
    if (row >= 0 && row < m_selectedRuleList->count() - 1)
        swapRuleWithNeighbour(m_selectedRuleList, row, row + 1);
}

bool TournamentDetailsDialog::storeTeamCounts()
{
    for (int n = 1; n <= m_settings.GroupCount && n <= kMaxGroups; ++n) {
        const TeamCountReading reading = readTeamCount(m_teamCountFields[n]->text());
        switch (reading.status) {
        case TeamCountReading::Status::TooFew:
            Prompts::refuse(tr("Must have at least 2 teams in group"), errorTitle());
            return false;
        case TeamCountReading::Status::TooLarge:
            Prompts::refuse(teamCountTooLargeMessage(n), errorTitle());
            return false;
        case TeamCountReading::Status::Accepted:
            // Stored at once: a later group's refusal leaves the groups before it stored.
            m_settings.TeamsInGroup[n] = reading.count;
            break;
        }
    }
    return true;
}

void TournamentDetailsDialog::confirm()
{
    const QString name = m_nameField->text();
    const QString location = m_locationField->text();
    if (name.isEmpty()) {
        Prompts::refuse(tr("Must Enter Name of Tournament"), errorTitle());
        return;
    }
    if (location.isEmpty()) {
        Prompts::refuse(tr("Must Enter Tournament Location"), errorTitle());
        return;
    }
    if (m_selectedRuleList->count() == 0) {
        Prompts::refuse(tr("Must Specify at least 1 Rule"), errorTitle());
        return;
    }

    QStringList rules;
    for (int i = 0; i < m_selectedRuleList->count(); ++i)
        rules.append(m_selectedRuleList->item(i)->text());
    m_settings.RuleCount = static_cast<qint16>(rules.size());
    for (int i = 0; i < rules.size(); ++i)
        m_settings.RuleOrder[i + 1] = ruleCodeOf(rules[i]);

    m_settings.Indicator = static_cast<qint16>(m_indicatorBox->currentIndex());
    m_settings.GroupTitle = m_groupTitleBox->currentText();

    if (!storeTeamCounts())
        return;

    m_settings.PointsForWin = m_winPointsButtons[2]->isChecked() ? 2 : 3;
    if (m_drawPointsButtons[0]->isChecked())
        m_settings.PointsForDraw = 0;
    else if (m_drawPointsButtons[1]->isChecked())
        m_settings.PointsForDraw = 1;
    else
        m_settings.PointsForDraw = 2;

    QList<qint16> teamCounts;
    for (int n = 1; n <= m_settings.GroupCount && n <= kMaxGroups; ++n)
        teamCounts.append(m_settings.TeamsInGroup[n]);
    const QString summary = checkSettingsText(name, location, m_settings.GroupCount, teamCounts, rules);
    if (!Prompts::ask(summary, tr("Check Settings")))
        return;

    m_title = tournamentTitle(name, location);
    accept();
}

void TournamentDetailsDialog::cancel()
{
    QDialog::reject();
}

void TournamentDetailsDialog::reject()
{
    cancel();
}
