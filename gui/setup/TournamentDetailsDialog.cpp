#include "gui/setup/TournamentDetailsDialog.h"

#include "core/common/Limits.h"
#include "core/setup/TournamentSetup.h"
#include "core/tournament/Tournament.h"
#include "gui/widgets/CenterForm.h"
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

const QString kErrorTitle = QStringLiteral("ERROR");
const QString kOtherTitle = QStringLiteral("Other");

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

frmTournamentDetails::frmTournamentDetails(QWidget* captionWindow, QWidget* parent)
    : QDialog(parent)
    , m_captionWindow(captionWindow)
{
    setObjectName(QStringLiteral("frmTournamentDetails"));
    setWindowTitle(QStringLiteral("Tournament Details"));
    setModal(true);
    buildControls();
    Form_Load();
}

void frmTournamentDetails::buildControls()
{
    // Controls are created in tab order: name, location, groups, title, indicator, team counts,
    // rules, points, then OK and Cancel.
    auto* Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Tournament Name"));
    txtTournamentName = new QLineEdit(this);
    txtTournamentName->setObjectName(QStringLiteral("txtTournamentName"));
    txtTournamentName->setAccessibleName(QStringLiteral("Tournament name"));
    Label1->setBuddy(txtTournamentName);

    auto* Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("AT"));
    Label2->setAlignment(Qt::AlignCenter);

    auto* Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Tournament Location"));
    txtLocation = new QLineEdit(this);
    txtLocation->setObjectName(QStringLiteral("txtLocation"));
    txtLocation->setAccessibleName(QStringLiteral("Tournament location"));
    Label3->setBuddy(txtLocation);

    auto* Frame1 = new QGroupBox(QStringLiteral("# Groups"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setAccessibleName(QStringLiteral("Number of groups"));
    auto* groupsLayout = new QGridLayout(Frame1);
    for (int n = 1; n <= kMaxGroups; ++n) {
        optGroups[n] = makeOption(Frame1, QStringLiteral("optGroups%1").arg(n), QString::number(n),
                                  n == 1 ? QStringLiteral("1 group") : QStringLiteral("%1 groups").arg(n));
        groupsLayout->addWidget(optGroups[n], (n - 1) / 4, (n - 1) % 4);
    }

    auto* Label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("Group Title"));
    cmbGroupTitle = new QComboBox(this);
    cmbGroupTitle->setObjectName(QStringLiteral("cmbGroupTitle"));
    cmbGroupTitle->setAccessibleName(QStringLiteral("Group title"));
    cmbGroupTitle->addItems(
        { QStringLiteral("Division"), QStringLiteral("Group"), QStringLiteral("Pool"), kOtherTitle });
    Label4->setBuddy(cmbGroupTitle);

    auto* Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Indicator"));
    cmbIndicator = new QComboBox(this);
    cmbIndicator->setObjectName(QStringLiteral("cmbIndicator"));
    cmbIndicator->setAccessibleName(QStringLiteral("Group labels"));
    cmbIndicator->addItems(
        { QStringLiteral("A, B, C, etc."), QStringLiteral("1, 2, 3, etc."), QStringLiteral("Premier, 1, 2, etc.") });
    Label5->setBuddy(cmbIndicator);

    auto* teamsLayout = new QGridLayout;
    for (int n = 1; n <= kMaxGroups; ++n) {
        Label6[n] = makeLabel(this, QStringLiteral("Label6%1").arg(n), QStringLiteral("# Teams in Group %1").arg(n));
        txtNoOfTeams[n] = new QLineEdit(this);
        txtNoOfTeams[n]->setObjectName(QStringLiteral("txtNoOfTeams%1").arg(n));
        txtNoOfTeams[n]->setAccessibleName(QStringLiteral("Number of teams in group %1").arg(n));
        txtNoOfTeams[n]->setMaximumWidth(txtNoOfTeams[n]->fontMetrics().horizontalAdvance(u'0') * 8 + 12);
        Label6[n]->setBuddy(txtNoOfTeams[n]);
        // Hidden groups keep their place so that the dialog does not jump when the count changes.
        keepSpaceWhenHidden(Label6[n]);
        keepSpaceWhenHidden(txtNoOfTeams[n]);
        const int row = (n - 1) % 4;
        const int column = (n - 1) / 4 * 3;
        teamsLayout->addWidget(Label6[n], row, column);
        teamsLayout->addWidget(txtNoOfTeams[n], row, column + 1);
    }

    // Groups 1-4 on the left, 5-8 on the right, kept close together.
    teamsLayout->setColumnMinimumWidth(2, 24);
    teamsLayout->setColumnStretch(5, 1);

    auto* Label7 = makeLabel(this, QStringLiteral("Label7"), QStringLiteral("SELECT LEAGUE ORDER RULES"));
    QFont headingFont = Label7->font();
    headingFont.setBold(true);
    Label7->setFont(headingFont);

    auto* Label8 = makeLabel(this, QStringLiteral("Label8"), QStringLiteral("Not Selected"));
    lstRuleList = new QListWidget(this);
    lstRuleList->setObjectName(QStringLiteral("lstRuleList"));
    lstRuleList->setAccessibleName(QStringLiteral("Rules not selected"));
    Label8->setBuddy(lstRuleList);

    auto* cmdAddRule = makeButton(this, QStringLiteral("cmdAddRule"), QStringLiteral("->"), QStringLiteral("Add rule"));
    auto* cmdRemoveRule
        = makeButton(this, QStringLiteral("cmdRemoveRule"), QStringLiteral("<-"), QStringLiteral("Remove rule"));

    auto* Label9 = makeLabel(this, QStringLiteral("Label9"), QStringLiteral("Selected"));
    lstRules = new QListWidget(this);
    lstRules->setObjectName(QStringLiteral("lstRules"));
    lstRules->setAccessibleName(QStringLiteral("Selected rules, most significant first"));
    Label9->setBuddy(lstRules);

    auto* cmdMoveUp
        = makeButton(this, QStringLiteral("cmdMoveUp"), QStringLiteral("Up"), QStringLiteral("Move rule up"));
    auto* cmdMoveDown
        = makeButton(this, QStringLiteral("cmdMoveDown"), QStringLiteral("Dn"), QStringLiteral("Move rule down"));

    // Five entries at most: the lists need no more room than that.
    for (QListWidget* list : { lstRuleList, lstRules }) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QStringLiteral("5. Games Between Teams")) + 30);
        list->setFixedHeight(list->fontMetrics().height() * 6 + 10);
    }

    auto* fraPoints = new QGroupBox(QStringLiteral("Points for Win"), this);
    fraPoints->setObjectName(QStringLiteral("fraPoints"));
    fraPoints->setAccessibleName(QStringLiteral("Points for win"));
    auto* winLayout = new QHBoxLayout(fraPoints);
    for (int points = 2; points <= 3; ++points) {
        optPtsForWin[points] = makeOption(fraPoints, QStringLiteral("optPtsForWin%1").arg(points),
                                          QString::number(points), QStringLiteral("%1 points for a win").arg(points));
        winLayout->addWidget(optPtsForWin[points]);
    }

    auto* fraPointsForDraw = new QGroupBox(QStringLiteral("Points for Draw"), this);
    fraPointsForDraw->setObjectName(QStringLiteral("fraPointsForDraw"));
    fraPointsForDraw->setAccessibleName(QStringLiteral("Points for draw"));
    auto* drawLayout = new QHBoxLayout(fraPointsForDraw);
    for (int points = 0; points <= 2; ++points) {
        optPtsForDraw[points] = makeOption(
            fraPointsForDraw, QStringLiteral("optPtsForDraw%1").arg(points), QString::number(points),
            points == 1 ? QStringLiteral("1 point for a draw") : QStringLiteral("%1 points for a draw").arg(points));
        drawLayout->addWidget(optPtsForDraw[points]);
    }

    auto* cmdOK = makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"), QStringLiteral("OK"));
    cmdOK->setDefault(true);
    auto* cmdCancel
        = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"), QStringLiteral("Cancel"));

    // Layout: the tournament's name and location on top, groups beside their team counts, the
    // rules with their buttons, the points, and the dialog's buttons at the bottom right.
    auto* nameLayout = new QGridLayout;
    nameLayout->addWidget(Label1, 0, 0);
    nameLayout->addWidget(txtTournamentName, 0, 1);
    nameLayout->addWidget(Label2, 1, 1);
    nameLayout->addWidget(Label3, 2, 0);
    nameLayout->addWidget(txtLocation, 2, 1);

    auto* titleLayout = new QGridLayout;
    titleLayout->addWidget(Label4, 0, 0);
    titleLayout->addWidget(cmbGroupTitle, 0, 1);
    titleLayout->addWidget(Label5, 1, 0);
    titleLayout->addWidget(cmbIndicator, 1, 1);
    titleLayout->setRowStretch(2, 1);

    auto* groupsRow = new QHBoxLayout;
    groupsRow->addWidget(Frame1);
    groupsRow->addLayout(titleLayout);
    groupsRow->addStretch();

    auto* addRemoveColumn = new QVBoxLayout;
    addRemoveColumn->addStretch();
    addRemoveColumn->addWidget(cmdAddRule);
    addRemoveColumn->addWidget(cmdRemoveRule);
    addRemoveColumn->addStretch();

    auto* upDownColumn = new QVBoxLayout;
    upDownColumn->addStretch();
    upDownColumn->addWidget(cmdMoveUp);
    upDownColumn->addWidget(cmdMoveDown);
    upDownColumn->addStretch();

    auto* rulesLayout = new QGridLayout;
    rulesLayout->addWidget(Label7, 0, 0, 1, 4, Qt::AlignHCenter);
    rulesLayout->addWidget(Label8, 1, 0);
    rulesLayout->addWidget(Label9, 1, 2);
    rulesLayout->addWidget(lstRuleList, 2, 0);
    rulesLayout->addLayout(addRemoveColumn, 2, 1);
    rulesLayout->addWidget(lstRules, 2, 2);
    rulesLayout->addLayout(upDownColumn, 2, 3);

    auto* pointsRow = new QHBoxLayout;
    pointsRow->addWidget(fraPoints);
    pointsRow->addWidget(fraPointsForDraw);
    pointsRow->addStretch();

    auto* buttonsRow = new QHBoxLayout;
    buttonsRow->addStretch();
    buttonsRow->addWidget(cmdOK);
    buttonsRow->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameLayout);
    layout->addLayout(groupsRow);
    layout->addLayout(teamsLayout);
    layout->addLayout(rulesLayout);
    layout->addLayout(pointsRow);
    layout->addLayout(buttonsRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int n = 1; n <= kMaxGroups; ++n)
        connect(optGroups[n], &QRadioButton::toggled, this, [this, n](bool checked) {
            if (checked)
                optGroups_Click(n);
        });
    connect(cmbGroupTitle, &QComboBox::activated, this, &frmTournamentDetails::cmbGroupTitle_Click);
    connect(cmdAddRule, &QPushButton::clicked, this, &frmTournamentDetails::cmdAddRule_Click);
    connect(cmdRemoveRule, &QPushButton::clicked, this, &frmTournamentDetails::cmdRemoveRule_Click);
    connect(cmdMoveUp, &QPushButton::clicked, this, &frmTournamentDetails::cmdMoveUp_Click);
    connect(cmdMoveDown, &QPushButton::clicked, this, &frmTournamentDetails::cmdMoveDown_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTournamentDetails::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTournamentDetails::cmdCancel_Click);
}

void frmTournamentDetails::Form_Load()
{
    Tournament.GroupCount = 1;
    optGroups[1]->setChecked(true);
    optPtsForWin[3]->setChecked(true);
    optPtsForDraw[1]->setChecked(true);
    for (int n = 1; n <= kMaxGroups; ++n)
        txtNoOfTeams[n]->setText(QStringLiteral("2"));
    cmbGroupTitle->setCurrentIndex(0);
    cmbIndicator->setCurrentIndex(0);
    for (int n = 2; n <= kMaxGroups; ++n) {
        Label6[n]->hide();
        txtNoOfTeams[n]->hide();
    }
    lstRules->addItems(defaultRuleOrder());
    lstRuleList->addItems(defaultUnselectedRules());
    adjustSize();
    CenterForm(this);
}

void frmTournamentDetails::optGroups_Click(int Index)
{
    Tournament.GroupCount = static_cast<qint16>(Index);
    for (int n = 1; n <= kMaxGroups; ++n) {
        Label6[n]->setVisible(n <= Index);
        txtNoOfTeams[n]->setVisible(n <= Index);
    }
}

void frmTournamentDetails::cmbGroupTitle_Click()
{
    if (cmbGroupTitle->currentText() != kOtherTitle)
        return;
    const QString title = Prompts::input(QStringLiteral("Enter New Group Title"), QStringLiteral("New Group Title"))
                              .value_or(QString());
    if (title.isEmpty())
        return;
    cmbGroupTitle->removeItem(cmbGroupTitle->count() - 1);
    cmbGroupTitle->addItem(title);
    cmbGroupTitle->addItem(kOtherTitle);
    cmbGroupTitle->setCurrentIndex(cmbGroupTitle->count() - 2);
}

void frmTournamentDetails::cmdAddRule_Click()
{
    moveSelectedRule(lstRuleList, lstRules);
}

void frmTournamentDetails::cmdRemoveRule_Click()
{
    moveSelectedRule(lstRules, lstRuleList);
}

void frmTournamentDetails::cmdMoveUp_Click()
{
    const int row = selectedRow(lstRules);
    if (row >= 1)
        swapRuleWithNeighbour(lstRules, row, row - 1);
}

void frmTournamentDetails::cmdMoveDown_Click()
{
    const int row = selectedRow(lstRules);
    if (row >= 0 && row < lstRules->count() - 1)
        swapRuleWithNeighbour(lstRules, row, row + 1);
}

bool frmTournamentDetails::storeTeamCounts()
{
    for (int n = 1; n <= Tournament.GroupCount && n <= kMaxGroups; ++n) {
        const TeamCountReading reading = readTeamCount(txtNoOfTeams[n]->text());
        switch (reading.status) {
        case TeamCountReading::Status::TooFew:
            Prompts::refuse(QStringLiteral("Must have at least 2 teams in group"), kErrorTitle);
            return false;
        case TeamCountReading::Status::TooLarge:
            Prompts::refuse(teamCountTooLargeMessage(n), kErrorTitle);
            return false;
        case TeamCountReading::Status::Accepted:
            // Stored at once: a later group's refusal leaves the groups before it stored.
            Tournament.TeamsInGroup[n] = reading.count;
            break;
        }
    }
    return true;
}

void frmTournamentDetails::cmdOK_Click()
{
    const QString name = txtTournamentName->text();
    const QString location = txtLocation->text();
    if (name.isEmpty()) {
        Prompts::refuse(QStringLiteral("Must Enter Name of Tournament"), kErrorTitle);
        return;
    }
    if (location.isEmpty()) {
        Prompts::refuse(QStringLiteral("Must Enter Tournament Location"), kErrorTitle);
        return;
    }
    if (lstRules->count() == 0) {
        Prompts::refuse(QStringLiteral("Must Specify at least 1 Rule"), kErrorTitle);
        return;
    }

    QStringList rules;
    for (int i = 0; i < lstRules->count(); ++i)
        rules.append(lstRules->item(i)->text());
    Tournament.RuleCount = static_cast<qint16>(rules.size());
    for (int i = 0; i < rules.size(); ++i)
        Tournament.RuleOrder[i + 1] = ruleCodeOf(rules[i]);

    Tournament.Indicator = static_cast<qint16>(cmbIndicator->currentIndex());
    Tournament.GroupTitle = cmbGroupTitle->currentText();

    if (!storeTeamCounts())
        return;

    Tournament.PointsForWin = optPtsForWin[2]->isChecked() ? 2 : 3;
    if (optPtsForDraw[0]->isChecked())
        Tournament.PointsForDraw = 0;
    else if (optPtsForDraw[1]->isChecked())
        Tournament.PointsForDraw = 1;
    else
        Tournament.PointsForDraw = 2;

    QList<qint16> teamCounts;
    for (int n = 1; n <= Tournament.GroupCount && n <= kMaxGroups; ++n)
        teamCounts.append(Tournament.TeamsInGroup[n]);
    const QString summary = checkSettingsText(name, location, Tournament.GroupCount, teamCounts, rules);
    if (!Prompts::ask(summary, QStringLiteral("Check Settings")))
        return;

    if (m_captionWindow)
        m_captionWindow->setWindowTitle(tournamentTitle(name, location));
    Tournament.IsOpen = true;
    Tournament.Saved = false;
    Tournament.FileName.clear();
    accept();
}

void frmTournamentDetails::cmdCancel_Click()
{
    Tournament.GroupCount = 0;
    QDialog::reject();
}

void frmTournamentDetails::reject()
{
    cmdCancel_Click();
}
