#include "gui/group/GroupWindow.h"

#include "core/common/Limits.h"
#include "core/records/RecordLines.h"
#include "core/tournament/Settings.h"
#include "core/tournament/Tournament.h"
#include "gui/group/DatePickerDialog.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/Prompts.h"
#include "gui/widgets/Twips.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStringListModel>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The window's outer size in twips: the width never changes, the height never goes below this.
constexpr int kFormWidth = 6435;
constexpr int kMinFormHeight = 4890;
// Far beyond any screen; keeps a damaged "Form Height" value from making a window of absurd size.
constexpr int kMaxFormHeight = 144000;

constexpr int kButtonHeight = 375;
constexpr int kTextHeight = 285;
constexpr int kLabelHeight = 255;
constexpr int kDateButtonSize = 255;

// The first repeat of a held date button waits longer than the following ones, as a key does.
constexpr int kFirstRepeatMs = 250;
constexpr int kNextRepeatMs = 50;

const QString kFormHeightSetting = QStringLiteral("Form Height");
const QString kErrorTitle = QStringLiteral("ERROR");

} // namespace

frmGroup::frmGroup(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmGroup"));
    buildControls();
    Form_Load();
}

frmGroup::~frmGroup() = default;

void frmGroup::buildControls()
{
    m_teamsModel = new QStringListModel(this);
    m_resultsModel = new QStringListModel(this);

    // Created in the order the Tab key visits them.
    Label2 = makeLabel(this, "Label2", QStringLiteral("Date"));
    txtDate = makeShownField(this, "txtDate", QStringLiteral("Entry date"));
    cmdCalendar = makeButton(this, "cmdCalendar", QStringLiteral("..."), QStringLiteral("Select Date"));
    cmdCalendar->setToolTip(QStringLiteral("Select Date"));
    cmdDatePlus = makeButton(this, "cmdDatePlus", QStringLiteral("+"), QStringLiteral("Increment Date"));
    cmdDatePlus->setToolTip(QStringLiteral("Increment Date"));
    cmdDateMinus = makeButton(this, "cmdDateMinus", QStringLiteral("-"), QStringLiteral("Decrease Date"));
    cmdDateMinus->setToolTip(QStringLiteral("Decrease Date"));
    cmdEdit = makeButton(this, "cmdEdit", QStringLiteral("&Edit Name"), QStringLiteral("Edit Name"));

    lstTeams = makeList(this, "lstTeams", m_teamsModel, QStringLiteral("Teams"));
    cmdHome = makeButton(this, "cmdHome", QStringLiteral("&Home"), QStringLiteral("Home"));
    cmdAway = makeButton(this, "cmdAway", QStringLiteral("&Away"), QStringLiteral("Away"));
    cmdAway->setEnabled(false);
    cmdClear = makeButton(this, "cmdClear", QStringLiteral("&Clear"), QStringLiteral("Clear"));

    lblTeams = makeLabel(this, "lblTeams", QStringLiteral("Teams"));
    lblHT = makeLabel(this, "lblHT", QStringLiteral("HT"));
    lblHT->setAccessibleName(QStringLiteral("Half-time"));
    lblFT = makeLabel(this, "lblFT", QStringLiteral("FT"));
    lblFT->setAccessibleName(QStringLiteral("Full-time"));
    txtHome = makeShownField(this, "txtHome", QStringLiteral("Home team"));
    txtHomeHT = makeTextField(this, "txtHomeHT", QStringLiteral("0"), QStringLiteral("Home half-time score"));
    txtHomeScore = makeTextField(this, "txtHomeScore", QStringLiteral("0"), QStringLiteral("Home full-time score"));
    lblVersus = makeLabel(this, "lblVersus", QStringLiteral("--V--"));
    lblVersus->setAccessibleName(QStringLiteral("versus"));
    txtAway = makeShownField(this, "txtAway", QStringLiteral("Away team"));
    txtAwayHT = makeTextField(this, "txtAwayHT", QStringLiteral("0"), QStringLiteral("Away half-time score"));
    txtAwayScore = makeTextField(this, "txtAwayScore", QStringLiteral("0"), QStringLiteral("Away full-time score"));
    cmdAddFixture = makeButton(this, "cmdAddFixture", QStringLiteral("Add &Fixture"), QStringLiteral("Add Fixture"));
    cmdAddFixture->setEnabled(false);
    cmdAddResult = makeButton(this, "cmdAddResult", QStringLiteral("Add &Result"), QStringLiteral("Add Result"));
    cmdAddResult->setEnabled(false);

    lstResults = makeList(this, "lstResults", m_resultsModel, QStringLiteral("Fixtures and results"));

    cmdLeagueTable = makeButton(this, "cmdLeagueTable", QStringLiteral("&League Table"), QStringLiteral("League Table"),
                                ButtonText::Wrapped);
    cmdReport = makeButton(this, "cmdReport", QStringLiteral("Results Re&port"), QStringLiteral("Results Report"),
                           ButtonText::Wrapped);
    cmdFixtureList = makeButton(this, "cmdFixtureList", QStringLiteral("Fi&xture List"), QStringLiteral("Fixture List"),
                                ButtonText::Wrapped);
    cmdDelete = makeButton(this, "cmdDelete", QStringLiteral("&Delete"), QStringLiteral("Delete"));
    cmdEditResult = makeButton(this, "cmdEditResult", QStringLiteral("Ed&it"), QStringLiteral("Edit result"));
    cmdEditDate = makeButton(this, "cmdEditDate", QStringLiteral("Edit Da&te"), QStringLiteral("Edit Date"));
    cmdSortFixtures = makeButton(this, "cmdSortFixtures", QStringLiteral("&Sort"), QStringLiteral("Sort"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kFirstRepeatMs);

    // Places that do not follow the window's height.
    placeInTwips(Label2, 360, 120, 615, kLabelHeight);
    placeInTwips(txtDate, 1080, 120, 1335, kTextHeight);
    placeInTwips(cmdCalendar, 2400, 120, kDateButtonSize, kDateButtonSize);
    placeInTwips(cmdDatePlus, 2760, 120, kDateButtonSize, kDateButtonSize);
    placeInTwips(cmdDateMinus, 3120, 120, kDateButtonSize, kDateButtonSize);
    placeInTwips(cmdEdit, 4200, 120, 1095, kButtonHeight);
    placeInTwips(cmdHome, 4200, 600, 1095, kButtonHeight);
    placeInTwips(cmdAway, 4200, 1080, 1095, kButtonHeight);
    placeInTwips(cmdClear, 4200, 1560, 1095, kButtonHeight);
    placeInTwips(cmdLeagueTable, 5400, 90, 855, 615);
    placeInTwips(cmdReport, 5400, 840, 855, 615);
    placeInTwips(cmdFixtureList, 5400, 1560, 855, 615);

    connect(cmdHome, &QPushButton::clicked, this, &frmGroup::cmdHome_Click);
    connect(cmdAway, &QPushButton::clicked, this, &frmGroup::cmdAway_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmGroup::cmdClear_Click);
    connect(cmdCalendar, &QPushButton::clicked, this, &frmGroup::cmdCalendar_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmGroup::cmdEdit_Click);
    connect(cmdAddFixture, &QPushButton::clicked, this, &frmGroup::cmdAddFixture_Click);
    connect(cmdAddResult, &QPushButton::clicked, this, &frmGroup::cmdAddResult_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmGroup::cmdDelete_Click);
    connect(cmdLeagueTable, &QPushButton::clicked, this, &frmGroup::cmdLeagueTable_Click);
    connect(cmdReport, &QPushButton::clicked, this, &frmGroup::cmdReport_Click);
    connect(cmdFixtureList, &QPushButton::clicked, this, &frmGroup::cmdFixtureList_Click);
    connect(cmdSortFixtures, &QPushButton::clicked, this, &frmGroup::cmdSortFixtures_Click);
    connect(cmdEditResult, &QPushButton::clicked, this, &frmGroup::cmdEditResult_Click);
    connect(cmdEditDate, &QPushButton::clicked, this, &frmGroup::cmdEditDate_Click);
    connect(lstTeams, &QListView::doubleClicked, this, &frmGroup::lstTeams_DblClick);
    connect(lstResults, &QListView::doubleClicked, this, &frmGroup::lstResults_DblClick);

    // The date buttons act on the press of any mouse button and repeat while it is held, which
    // QPushButton's own clicked() cannot express: the filter takes their mouse events, and
    // clicked() is left to the keyboard (Space) and to accessibility tools.
    for (QPushButton* dateButton : { cmdDatePlus, cmdDateMinus })
        dateButton->installEventFilter(this);
    connect(cmdDatePlus, &QPushButton::clicked, this, [this] { moveEntryDate(true); });
    connect(cmdDateMinus, &QPushButton::clicked, this, [this] { moveEntryDate(false); });
    connect(Timer1, &QTimer::timeout, this, &frmGroup::Timer1_Timer);
}

void frmGroup::Form_Load()
{
    const QString stored = ReadSetting(kCompany, kProduct, kFormHeightSetting, QString::number(kMinFormHeight));
    const double height = leadingNumericValue(stored);
    m_loadedHeight = std::isfinite(height) ? static_cast<int>(std::clamp(height, 0.0, double(kMaxFormHeight))) : 0;
    applySizeLimits();
    applyFormHeight(m_loadedHeight);

    dEntryDate = QDate::currentDate();
    showEntryDate();
}

QWidget* frmGroup::outerWindow()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return frame;
    return this;
}

void frmGroup::applySizeLimits()
{
    QWidget* outer = outerWindow();
    if (outer != this) {
        // The frame around this widget carries the limits now; the widget follows the frame.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    outer->setMinimumHeight(twipsToPixels(kMinFormHeight));
    outer->setFixedWidth(twipsToPixels(kFormWidth));
}

void frmGroup::applyFormHeight(int heightTwips)
{
    const int height = std::clamp(heightTwips, kMinFormHeight, kMaxFormHeight);
    outerWindow()->resize(twipsToPixels(kFormWidth), twipsToPixels(height));
    // A hidden window hears of its new size only when it is shown; its controls are placed now.
    Form_Resize();
}

QPushButton* frmGroup::accessKeyButton(const QKeyEvent* key) const
{
    if (key->modifiers() != Qt::AltModifier || key->key() < Qt::Key_A || key->key() > Qt::Key_Z)
        return nullptr;
    const QKeySequence pressed(Qt::ALT | Qt::Key(key->key()));
    QPushButton* found = nullptr;
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (!button->isVisible() || !button->isEnabled() || QKeySequence::mnemonic(button->text()) != pressed)
            continue;
        // Should two buttons ever share the key, the usual turn-taking decides.
        if (found)
            return nullptr;
        found = button;
    }
    return found;
}

void frmGroup::keyPressEvent(QKeyEvent* event)
{
    if (QPushButton* button = accessKeyButton(event)) {
        button->animateClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmGroup::event(QEvent* event)
{
    // While this window has the focus, its own access keys win over the menu bar's (Alt+H is
    // "&Home", not the Help menu); the menus stay reachable with F10, Alt alone and the mouse.
    if (event->type() == QEvent::ShortcutOverride && accessKeyButton(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    // The main window makes the window first and then puts it into its frame: the frame takes over
    // the size limits and the loaded height.
    if (event->type() == QEvent::ParentChange) {
        applySizeLimits();
        applyFormHeight(m_loadedHeight);
    } else if (event->type() == QEvent::Show && !m_shown) {
        // The main window's area gives a new subwindow a size of its own choosing before it is
        // shown; the window opens at the shared height all the same.
        m_shown = true;
        applyFormHeight(m_loadedHeight);
    }
    return QWidget::event(event);
}

void frmGroup::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmGroup::Form_Resize()
{
    // Correcting the outer size below resizes this widget again; that inner pass has nothing to add.
    if (m_placing)
        return;
    m_placing = true;
    QWidget* outer = outerWindow();
    int formHeight = pixelsToTwips(outer->height());
    if (formHeight < kMinFormHeight || outer->width() != twipsToPixels(kFormWidth)) {
        formHeight = std::max(formHeight, kMinFormHeight);
        outer->resize(twipsToPixels(kFormWidth), twipsToPixels(formHeight));
    }
    m_placing = false;

    const double h = formHeight;
    const double teamsTop = 0.1 * h;
    const double teamsHeight = 0.3 * h;
    const double labelsTop = teamsTop + teamsHeight + 0.03 * h;
    const double homeTop = labelsTop + 0.05 * h;
    const double versusTop = homeTop + 0.07 * h;
    const double awayTop = versusTop + 0.05 * h;
    const double addResultTop = homeTop + 600;
    const double resultsTop = awayTop + 0.1 * h;

    placeInTwips(lstTeams, 360, teamsTop, 3735, teamsHeight);
    placeInTwips(lblTeams, 360, labelsTop, 735, kLabelHeight);
    placeInTwips(lblHT, 3120, labelsTop, 375, kLabelHeight);
    placeInTwips(lblFT, 3720, labelsTop, 375, kLabelHeight);
    placeInTwips(txtHome, 360, homeTop, 2655, kTextHeight);
    placeInTwips(txtHomeHT, 3120, homeTop, 375, kTextHeight);
    placeInTwips(txtHomeScore, 3720, homeTop, 375, kTextHeight);
    placeInTwips(cmdAddFixture, 4200, homeTop, 1095, kButtonHeight);
    placeInTwips(cmdDelete, 5400, homeTop, 855, kButtonHeight);
    placeInTwips(lblVersus, 1560, versusTop, 375, kLabelHeight);
    placeInTwips(txtAway, 360, awayTop, 2655, kTextHeight);
    placeInTwips(txtAwayHT, 3120, awayTop, 375, kTextHeight);
    placeInTwips(txtAwayScore, 3720, awayTop, 375, kTextHeight);
    placeInTwips(cmdAddResult, 4200, addResultTop, 1095, kButtonHeight);
    placeInTwips(cmdEditResult, 5400, addResultTop, 855, kButtonHeight);
    placeInTwips(lstResults, 360, resultsTop, 5055, 0.2 * h);
    placeInTwips(cmdEditDate, 5400, resultsTop, 855, kButtonHeight);
    placeInTwips(cmdSortFixtures, 5400, resultsTop + 480, 855, 315);

    // Every group window shares the one height; the last one resized wins. Sizes set while the
    // window is still being made are not the user's.
    if (m_shown && outer->isVisible())
        WriteSetting(kCompany, kProduct, kFormHeightSetting, QString::number(formHeight));
}

void frmGroup::showEntryDate()
{
    txtDate->setText(formatRecordDate(dEntryDate));
}

void frmGroup::moveEntryDate(bool forward)
{
    const QDate moved = dEntryDate.addDays(forward ? 1 : -1);
    // The date field always holds "dd-mmm-yyyy", so the entry date stays within four-digit years.
    if (moved < earliestRecordDate() || moved > latestRecordDate())
        return;
    dEntryDate = moved;
    showEntryDate();
}

bool frmGroup::eventFilter(QObject* watched, QEvent* event)
{
    auto* dateButton = qobject_cast<QPushButton*>(watched);
    if (!dateButton || (dateButton != cmdDatePlus && dateButton != cmdDateMinus))
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // the second press of a quick double click
        // The filter sees the presses even while the window is disabled (the calendar is open).
        if (!dateButton->isEnabled())
            return true;
        dateButton->setDown(true);
        if (dateButton == cmdDatePlus)
            cmdDatePlus_MouseDown();
        else
            cmdDateMinus_MouseDown();
        return true;
    case QEvent::MouseButtonRelease:
        dateButton->setDown(false);
        cmdDate_MouseUp();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void frmGroup::cmdDateMinus_MouseDown()
{
    moveEntryDate(false);
    bDateUp = false;
    Timer1->start();
}

void frmGroup::cmdDatePlus_MouseDown()
{
    moveEntryDate(true);
    bDateUp = true;
    Timer1->start();
}

void frmGroup::cmdDate_MouseUp()
{
    Timer1->stop();
    Timer1->setInterval(kFirstRepeatMs);
}

void frmGroup::Timer1_Timer()
{
    moveEntryDate(bDateUp);
    Timer1->setInterval(kNextRepeatMs);
}

void frmGroup::cmdCalendar_Click()
{
    setEnabled(false);
    CalendarDate = parseRecordDate(txtDate->text());

    // The dialog waits without blocking the main window and the other groups. It belongs to the
    // main window, not to this disabled one, whose children would be disabled with it.
    QWidget* owner = window() == this ? nullptr : window();
    auto* calendar = new frmCalendar(owner);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setWindowModality(Qt::NonModal);
    connect(this, &QObject::destroyed, calendar, &QObject::deleteLater);
    connect(calendar, &QDialog::finished, this, [this] {
        if (CalendarDate.isValid() && CalendarDate != calendarCancelDate()) {
            dEntryDate = CalendarDate;
            showEntryDate();
        }
        setEnabled(true);
    });
    calendar->show();
}

int frmGroup::selectedTeam() const
{
    const QModelIndex current = lstTeams->selectionModel()->currentIndex();
    if (!current.isValid() || !lstTeams->selectionModel()->isSelected(current))
        return -1;
    return current.row();
}

void frmGroup::cmdHome_Click()
{
    const int team = selectedTeam();
    if (team < 0)
        return;
    iHomeTeam = static_cast<qint16>(team);
    txtHome->setText(teams().at(team));
    cmdAway->setEnabled(true);
    cmdHome->setEnabled(false);
}

void frmGroup::cmdAway_Click()
{
    const int team = selectedTeam();
    if (team < 0)
        return;
    if (team == iHomeTeam) {
        Prompts::refuse(QStringLiteral("Unable to play same team home and away"), kErrorTitle);
        return;
    }
    txtAway->setText(teams().at(team));
    cmdHome->setEnabled(true);
    cmdAway->setEnabled(false);
    cmdAddFixture->setEnabled(true);
    cmdAddResult->setEnabled(true);
    iAwayTeam = static_cast<qint16>(team);
}

void frmGroup::lstTeams_DblClick()
{
    if (cmdHome->isEnabled())
        cmdHome_Click();
    else
        cmdAway_Click();
}

void frmGroup::lstResults_DblClick()
{
    if (cmdEditResult->isEnabled())
        cmdEditResult->click();
}

bool frmGroup::refuseFullList()
{
    if (!m_records.isFull())
        return false;
    Prompts::refuse(QStringLiteral("This group already holds %1 fixtures and results, as many as a group can hold.\r"
                                   "Delete an item before adding another.")
                        .arg(kMaxListLines),
                    kErrorTitle);
    return true;
}

// The item just appended joins the list without rebuilding the others.
void frmGroup::showAppendedItem()
{
    const int row = m_resultsModel->rowCount();
    m_resultsModel->insertRows(row, 1);
    m_resultsModel->setData(m_resultsModel->index(row), m_records.displayLines().last());
    fitListToLine(lstResults, m_records.displayLines().last());
    selectResult(row);
    lstResults->scrollTo(m_resultsModel->index(row));
    cmdClear_Click();
    Tournament.Saved = false;
}

void frmGroup::cmdAddFixture_Click()
{
    if (txtAway->text().isEmpty() || refuseFullList())
        return;
    m_records.appendFixture(txtDate->text().trimmed(), iHomeTeam, iAwayTeam);
    showAppendedItem();
}

void frmGroup::cmdAddResult_Click()
{
    if (txtAway->text().isEmpty() || refuseFullList())
        return;

    const std::array<QLineEdit*, 4> fields = { txtHomeHT, txtAwayHT, txtHomeScore, txtAwayScore };
    ScoreTexts scores;
    for (size_t i = 0; i < fields.size(); ++i)
        scores[i] = fields[i]->text().trimmed();
    // A typo such as "1o" would count as something else: such a result is refused whole, and the
    // fields keep what was typed.
    const QList<ScoreProblem> problems = resultScoreProblems(scores);
    if (!problems.isEmpty()) {
        Prompts::refuse(scoreRefusal(problems.first()), kErrorTitle);
        fields[problems.first().field]->setFocus();
        fields[problems.first().field]->selectAll();
        return;
    }
    m_records.appendResult(txtDate->text().trimmed(), scores, iHomeTeam, iAwayTeam);
    showAppendedItem();
}

void frmGroup::cmdClear_Click()
{
    cmdHome->setEnabled(true);
    cmdAway->setEnabled(false);
    cmdAddFixture->setEnabled(false);
    cmdAddResult->setEnabled(false);
    txtHome->clear();
    txtAway->clear();
    for (QLineEdit* score : { txtHomeHT, txtAwayHT, txtHomeScore, txtAwayScore })
        score->setText(QStringLiteral("0"));
}

void frmGroup::cmdDelete_Click()
{
    const int row = selectedResult();
    if (row < 0)
        return;
    if (!Prompts::ask(QStringLiteral("Are you sure you want to delete this item ?"), QStringLiteral("Confirm Delete"),
                      Prompts::Answer::No))
        return;
    m_records.remove(row);
    m_resultsModel->removeRows(row, 1);
    lstResults->selectionModel()->clear();
    Tournament.Saved = false;
}

void frmGroup::cmdEdit_Click()
{
    const int team = selectedTeam();
    if (team < 0)
        return;

    const QString title = QStringLiteral("Change Name");
    const QString oldName = teams().at(team);
    // The prompt starts with the name to change, and after a refusal with the refused text, so
    // that a small correction needs no retyping.
    QString newName = oldName;
    for (;;) {
        newName = Prompts::input(QStringLiteral("Enter New Name"), title, newName).value_or(QString());
        if (newName.isEmpty() || newName == oldName)
            return;
        // "-v-" separates the two names of a display line, and two teams of one name would merge
        // in reports: such a name is refused. The team may change its own name's letter case.
        const QString problem = teamNameProblem(newName, teams(), windowTitle(), team);
        if (problem.isEmpty())
            break;
        Prompts::refuse(problem, kErrorTitle);
    }

    if (!Prompts::ask(QStringLiteral("Are you sure you want to change") + u'\r' + oldName + QStringLiteral(" to ")
                          + newName,
                      title))
        return;
    m_records.renameTeam(team, newName);
    m_teamsModel->setData(m_teamsModel->index(team), newName);
    fitListToLines(lstTeams, teams());
    showResults();
    // The file records the names, so a rename is a change to save like any other.
    Tournament.Saved = false;
}

void frmGroup::setTeams(const QStringList& teams)
{
    m_records.setTeams(teams);
    m_teamsModel->setStringList(teams);
    fitListToLines(lstTeams, teams);
    showResults();
}

void frmGroup::appendTeam(const QString& name)
{
    m_records.appendTeam(name);
    const int row = m_teamsModel->rowCount();
    m_teamsModel->insertRows(row, 1);
    m_teamsModel->setData(m_teamsModel->index(row), name);
    fitListToLine(lstTeams, name);
    showResults();
}

void frmGroup::setStoredLines(const QStringList& lines)
{
    m_records.setStoredLines(lines);
    showResults();
}

void frmGroup::showResults()
{
    m_resultsModel->setStringList(m_records.displayLines());
    fitListToLines(lstResults, m_records.displayLines());
}

int frmGroup::selectedResult() const
{
    const QModelIndex current = lstResults->selectionModel()->currentIndex();
    if (!current.isValid() || !lstResults->selectionModel()->isSelected(current))
        return -1;
    return current.row();
}

void frmGroup::selectResult(int position)
{
    const QModelIndex index = m_resultsModel->index(position);
    lstResults->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void frmGroup::RefreshList()
{
    m_records.rebuildDisplayLines();
    showResults();
}
