#include "gui/group/GroupWindow.h"

#include "core/common/Limits.h"
#include "core/records/RecordLines.h"
#include "core/tournament/Settings.h"
#include "core/tournament/TournamentDocument.h"
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

// Shows `lines` in `list`: a line appended to what it shows is added alone, since a group holds
// thousands of lines; any other change replaces them all, which loses the selection.
void showLines(QListView* list, QStringListModel* model, const QStringList& lines)
{
    const QStringList shown = model->stringList();
    if (lines.size() == shown.size() + 1 && std::equal(shown.begin(), shown.end(), lines.begin())) {
        const int row = int(shown.size());
        model->insertRows(row, 1);
        model->setData(model->index(row), lines.last());
        fitListToLine(list, lines.last());
    } else if (lines != shown) {
        model->setStringList(lines);
        fitListToLines(list, lines);
    }
}

} // namespace

GroupWindow::GroupWindow(TournamentDocument* document, int group, const QString& databaseName, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
    , m_group(group)
    , m_databaseName(databaseName)
{
    setObjectName(QStringLiteral("groupWindow"));
    setWindowTitle(m_document->groupCaption(m_group));
    buildControls();
    restoreHeightAndDate();
    showGroup();
    connect(m_document, &TournamentDocument::groupChanged, this, [this](int changed) {
        if (changed == m_group)
            showGroup();
    });
}

GroupWindow::~GroupWindow() = default;

const GroupRecords& GroupWindow::records() const
{
    return m_document->group(m_group);
}

void GroupWindow::buildControls()
{
    m_teamsModel = new QStringListModel(this);
    m_resultsModel = new QStringListModel(this);

    // Created in the order the Tab key visits them.
    m_dateLabel = makeLabel(this, "dateLabel", QStringLiteral("Date"));
    m_entryDateField = makeShownField(this, "entryDateField", QStringLiteral("Entry date"));
    m_calendarButton = makeButton(this, "calendarButton", QStringLiteral("..."), QStringLiteral("Select Date"));
    m_calendarButton->setToolTip(QStringLiteral("Select Date"));
    m_nextDateButton = makeButton(this, "nextDateButton", QStringLiteral("+"), QStringLiteral("Increment Date"));
    m_nextDateButton->setToolTip(QStringLiteral("Increment Date"));
    m_previousDateButton = makeButton(this, "previousDateButton", QStringLiteral("-"), QStringLiteral("Decrease Date"));
    m_previousDateButton->setToolTip(QStringLiteral("Decrease Date"));
    m_editNameButton = makeButton(this, "editNameButton", QStringLiteral("&Edit Name"), QStringLiteral("Edit Name"));

    m_teamList = makeList(this, "teamList", m_teamsModel, QStringLiteral("Teams"));
    m_homeButton = makeButton(this, "homeButton", QStringLiteral("&Home"), QStringLiteral("Home"));
    m_awayButton = makeButton(this, "awayButton", QStringLiteral("&Away"), QStringLiteral("Away"));
    m_awayButton->setEnabled(false);
    m_clearButton = makeButton(this, "clearButton", QStringLiteral("&Clear"), QStringLiteral("Clear"));

    m_teamsLabel = makeLabel(this, "teamsLabel", QStringLiteral("Teams"));
    m_halfTimeLabel = makeLabel(this, "halfTimeLabel", QStringLiteral("HT"));
    m_halfTimeLabel->setAccessibleName(QStringLiteral("Half-time"));
    m_fullTimeLabel = makeLabel(this, "fullTimeLabel", QStringLiteral("FT"));
    m_fullTimeLabel->setAccessibleName(QStringLiteral("Full-time"));
    m_homeTeamField = makeShownField(this, "homeTeamField", QStringLiteral("Home team"));
    m_homeHalfTimeField
        = makeTextField(this, "homeHalfTimeField", QStringLiteral("0"), QStringLiteral("Home half-time score"));
    m_homeFullTimeField
        = makeTextField(this, "homeFullTimeField", QStringLiteral("0"), QStringLiteral("Home full-time score"));
    m_versusLabel = makeLabel(this, "versusLabel", QStringLiteral("--V--"));
    m_versusLabel->setAccessibleName(QStringLiteral("versus"));
    m_awayTeamField = makeShownField(this, "awayTeamField", QStringLiteral("Away team"));
    m_awayHalfTimeField
        = makeTextField(this, "awayHalfTimeField", QStringLiteral("0"), QStringLiteral("Away half-time score"));
    m_awayFullTimeField
        = makeTextField(this, "awayFullTimeField", QStringLiteral("0"), QStringLiteral("Away full-time score"));
    m_addFixtureButton
        = makeButton(this, "addFixtureButton", QStringLiteral("Add &Fixture"), QStringLiteral("Add Fixture"));
    m_addFixtureButton->setEnabled(false);
    m_addResultButton
        = makeButton(this, "addResultButton", QStringLiteral("Add &Result"), QStringLiteral("Add Result"));
    m_addResultButton->setEnabled(false);

    m_resultList = makeList(this, "resultList", m_resultsModel, QStringLiteral("Fixtures and results"));

    m_leagueTableButton = makeButton(this, "leagueTableButton", QStringLiteral("&League Table"),
                                     QStringLiteral("League Table"), ButtonText::Wrapped);
    m_resultsReportButton = makeButton(this, "resultsReportButton", QStringLiteral("Results Re&port"),
                                       QStringLiteral("Results Report"), ButtonText::Wrapped);
    m_fixtureListButton = makeButton(this, "fixtureListButton", QStringLiteral("Fi&xture List"),
                                     QStringLiteral("Fixture List"), ButtonText::Wrapped);
    m_deleteButton = makeButton(this, "deleteButton", QStringLiteral("&Delete"), QStringLiteral("Delete"));
    m_editResultButton = makeButton(this, "editResultButton", QStringLiteral("Ed&it"), QStringLiteral("Edit result"));
    m_editDateButton = makeButton(this, "editDateButton", QStringLiteral("Edit Da&te"), QStringLiteral("Edit Date"));
    m_sortButton = makeButton(this, "sortButton", QStringLiteral("&Sort"), QStringLiteral("Sort"));

    m_dateRepeatTimer = new QTimer(this);
    m_dateRepeatTimer->setObjectName(QStringLiteral("dateRepeatTimer"));
    m_dateRepeatTimer->setInterval(kFirstRepeatMs);

    // Places that do not follow the window's height.
    placeInTwips(m_dateLabel, 360, 120, 615, kLabelHeight);
    placeInTwips(m_entryDateField, 1080, 120, 1335, kTextHeight);
    placeInTwips(m_calendarButton, 2400, 120, kDateButtonSize, kDateButtonSize);
    placeInTwips(m_nextDateButton, 2760, 120, kDateButtonSize, kDateButtonSize);
    placeInTwips(m_previousDateButton, 3120, 120, kDateButtonSize, kDateButtonSize);
    placeInTwips(m_editNameButton, 4200, 120, 1095, kButtonHeight);
    placeInTwips(m_homeButton, 4200, 600, 1095, kButtonHeight);
    placeInTwips(m_awayButton, 4200, 1080, 1095, kButtonHeight);
    placeInTwips(m_clearButton, 4200, 1560, 1095, kButtonHeight);
    placeInTwips(m_leagueTableButton, 5400, 90, 855, 615);
    placeInTwips(m_resultsReportButton, 5400, 840, 855, 615);
    placeInTwips(m_fixtureListButton, 5400, 1560, 855, 615);

    connect(m_homeButton, &QPushButton::clicked, this, &GroupWindow::chooseHomeTeam);
    connect(m_awayButton, &QPushButton::clicked, this, &GroupWindow::chooseAwayTeam);
    connect(m_clearButton, &QPushButton::clicked, this, &GroupWindow::clearEntry);
    connect(m_calendarButton, &QPushButton::clicked, this, &GroupWindow::pickEntryDate);
    connect(m_editNameButton, &QPushButton::clicked, this, &GroupWindow::editTeamName);
    connect(m_addFixtureButton, &QPushButton::clicked, this, &GroupWindow::addFixture);
    connect(m_addResultButton, &QPushButton::clicked, this, &GroupWindow::addResult);
    connect(m_deleteButton, &QPushButton::clicked, this, &GroupWindow::deleteResult);
    connect(m_leagueTableButton, &QPushButton::clicked, this, &GroupWindow::showLeagueTable);
    connect(m_resultsReportButton, &QPushButton::clicked, this, &GroupWindow::showResultsReport);
    connect(m_fixtureListButton, &QPushButton::clicked, this, &GroupWindow::showFixtureList);
    connect(m_sortButton, &QPushButton::clicked, this, &GroupWindow::sortFixtures);
    connect(m_editResultButton, &QPushButton::clicked, this, &GroupWindow::editResult);
    connect(m_editDateButton, &QPushButton::clicked, this, &GroupWindow::editDate);
    connect(m_teamList, &QListView::doubleClicked, this, &GroupWindow::chooseTeam);
    connect(m_resultList, &QListView::doubleClicked, this, &GroupWindow::editChosenResult);

    // The date buttons act on the press of any mouse button and repeat while it is held, which
    // QPushButton's own clicked() cannot express: the filter takes their mouse events, and
    // clicked() is left to the keyboard (Space) and to accessibility tools.
    for (QPushButton* dateButton : { m_nextDateButton, m_previousDateButton })
        dateButton->installEventFilter(this);
    connect(m_nextDateButton, &QPushButton::clicked, this, [this] { moveEntryDate(true); });
    connect(m_previousDateButton, &QPushButton::clicked, this, [this] { moveEntryDate(false); });
    connect(m_dateRepeatTimer, &QTimer::timeout, this, &GroupWindow::stepDate);
}

void GroupWindow::restoreHeightAndDate()
{
    const QString stored = readSetting(kCompany, kProduct, kFormHeightSetting, QString::number(kMinFormHeight));
    const double height = leadingNumericValue(stored);
    m_loadedHeight = std::isfinite(height) ? static_cast<int>(std::clamp(height, 0.0, double(kMaxFormHeight))) : 0;
    applySizeLimits();
    applyFormHeight(m_loadedHeight);

    m_entryDate = QDate::currentDate();
    showEntryDate();
}

QWidget* GroupWindow::outerWindow()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return frame;
    return this;
}

void GroupWindow::applySizeLimits()
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

void GroupWindow::applyFormHeight(int heightTwips)
{
    const int height = std::clamp(heightTwips, kMinFormHeight, kMaxFormHeight);
    outerWindow()->resize(twipsToPixels(kFormWidth), twipsToPixels(height));
    // A hidden window hears of its new size only when it is shown; its controls are placed now.
    keepOuterSize();
}

QPushButton* GroupWindow::accessKeyButton(const QKeyEvent* key) const
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

void GroupWindow::keyPressEvent(QKeyEvent* event)
{
    if (QPushButton* button = accessKeyButton(event)) {
        button->animateClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool GroupWindow::event(QEvent* event)
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

void GroupWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    keepOuterSize();
}

void GroupWindow::keepOuterSize()
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

    placeInTwips(m_teamList, 360, teamsTop, 3735, teamsHeight);
    placeInTwips(m_teamsLabel, 360, labelsTop, 735, kLabelHeight);
    placeInTwips(m_halfTimeLabel, 3120, labelsTop, 375, kLabelHeight);
    placeInTwips(m_fullTimeLabel, 3720, labelsTop, 375, kLabelHeight);
    placeInTwips(m_homeTeamField, 360, homeTop, 2655, kTextHeight);
    placeInTwips(m_homeHalfTimeField, 3120, homeTop, 375, kTextHeight);
    placeInTwips(m_homeFullTimeField, 3720, homeTop, 375, kTextHeight);
    placeInTwips(m_addFixtureButton, 4200, homeTop, 1095, kButtonHeight);
    placeInTwips(m_deleteButton, 5400, homeTop, 855, kButtonHeight);
    placeInTwips(m_versusLabel, 1560, versusTop, 375, kLabelHeight);
    placeInTwips(m_awayTeamField, 360, awayTop, 2655, kTextHeight);
    placeInTwips(m_awayHalfTimeField, 3120, awayTop, 375, kTextHeight);
    placeInTwips(m_awayFullTimeField, 3720, awayTop, 375, kTextHeight);
    placeInTwips(m_addResultButton, 4200, addResultTop, 1095, kButtonHeight);
    placeInTwips(m_editResultButton, 5400, addResultTop, 855, kButtonHeight);
    placeInTwips(m_resultList, 360, resultsTop, 5055, 0.2 * h);
    placeInTwips(m_editDateButton, 5400, resultsTop, 855, kButtonHeight);
    placeInTwips(m_sortButton, 5400, resultsTop + 480, 855, 315);

    // Every group window shares the one height; the last one resized wins. Sizes set while the
    // window is still being made are not the user's.
    if (m_shown && outer->isVisible())
        writeSetting(kCompany, kProduct, kFormHeightSetting, QString::number(formHeight));
}

void GroupWindow::showEntryDate()
{
    m_entryDateField->setText(formatRecordDate(m_entryDate));
}

void GroupWindow::moveEntryDate(bool forward)
{
    const QDate moved = m_entryDate.addDays(forward ? 1 : -1);
    // The date field always holds "dd-mmm-yyyy", so the entry date stays within four-digit years.
    if (moved < earliestRecordDate() || moved > latestRecordDate())
        return;
    m_entryDate = moved;
    showEntryDate();
}

bool GroupWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* dateButton = qobject_cast<QPushButton*>(watched);
    if (!dateButton || (dateButton != m_nextDateButton && dateButton != m_previousDateButton))
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // the second press of a quick double click
        // The filter sees the presses even while the window is disabled (the calendar is open).
        if (!dateButton->isEnabled())
            return true;
        dateButton->setDown(true);
        if (dateButton == m_nextDateButton)
            startSteppingForward();
        else
            startSteppingBack();
        return true;
    case QEvent::MouseButtonRelease:
        dateButton->setDown(false);
        stopStepping();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void GroupWindow::startSteppingBack()
{
    moveEntryDate(false);
    m_steppingForward = false;
    m_dateRepeatTimer->start();
}

void GroupWindow::startSteppingForward()
{
    moveEntryDate(true);
    m_steppingForward = true;
    m_dateRepeatTimer->start();
}

void GroupWindow::stopStepping()
{
    m_dateRepeatTimer->stop();
    m_dateRepeatTimer->setInterval(kFirstRepeatMs);
}

void GroupWindow::stepDate()
{
    moveEntryDate(m_steppingForward);
    m_dateRepeatTimer->setInterval(kNextRepeatMs);
}

void GroupWindow::pickEntryDate()
{
    setEnabled(false);

    // The dialog waits without blocking the main window and the other groups. It belongs to the
    // main window, not to this disabled one, whose children would be disabled with it.
    QWidget* owner = window() == this ? nullptr : window();
    auto* calendar = new DatePickerDialog(parseRecordDate(m_entryDateField->text()), owner);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setWindowModality(Qt::NonModal);
    connect(this, &QObject::destroyed, calendar, &QObject::deleteLater);
    connect(calendar, &QDialog::finished, this, [this, calendar] {
        if (const std::optional<QDate> picked = calendar->pickedDate()) {
            m_entryDate = *picked;
            showEntryDate();
        }
        setEnabled(true);
    });
    calendar->show();
}

int GroupWindow::selectedTeam() const
{
    return selectedRow(m_teamList);
}

void GroupWindow::chooseHomeTeam()
{
    const int team = selectedTeam();
    if (team < 0)
        return;
    m_homeTeam = static_cast<qint16>(team);
    m_homeTeamField->setText(teams().at(team));
    m_awayButton->setEnabled(true);
    m_homeButton->setEnabled(false);
}

void GroupWindow::chooseAwayTeam()
{
    const int team = selectedTeam();
    if (team < 0)
        return;
    if (team == m_homeTeam) {
        Prompts::refuse(QStringLiteral("Unable to play same team home and away"), kErrorTitle);
        return;
    }
    m_awayTeamField->setText(teams().at(team));
    m_homeButton->setEnabled(true);
    m_awayButton->setEnabled(false);
    m_addFixtureButton->setEnabled(true);
    m_addResultButton->setEnabled(true);
    m_awayTeam = static_cast<qint16>(team);
}

void GroupWindow::chooseTeam()
{
    if (m_homeButton->isEnabled())
        chooseHomeTeam();
    else
        chooseAwayTeam();
}

void GroupWindow::editChosenResult()
{
    if (m_editResultButton->isEnabled())
        m_editResultButton->click();
}

bool GroupWindow::refuseFullList()
{
    if (!records().isFull())
        return false;
    Prompts::refuse(QStringLiteral("This group already holds %1 fixtures and results, as many as a group can hold.\r"
                                   "Delete an item before adding another.")
                        .arg(kMaxListLines),
                    kErrorTitle);
    return true;
}

void GroupWindow::showAppendedItem()
{
    showItem(m_resultsModel->rowCount() - 1);
    clearEntry();
}

void GroupWindow::showItem(int position)
{
    if (position < 0) {
        m_resultList->selectionModel()->clear();
        return;
    }
    selectResult(position);
    m_resultList->scrollTo(m_resultsModel->index(position));
}

void GroupWindow::addFixture()
{
    if (m_awayTeamField->text().isEmpty() || refuseFullList())
        return;
    m_document->addFixture(m_group, m_entryDateField->text().trimmed(), m_homeTeam, m_awayTeam);
    showAppendedItem();
}

void GroupWindow::addResult()
{
    if (m_awayTeamField->text().isEmpty() || refuseFullList())
        return;

    const std::array<QLineEdit*, 4> fields
        = { m_homeHalfTimeField, m_awayHalfTimeField, m_homeFullTimeField, m_awayFullTimeField };
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
    m_document->addResult(m_group, m_entryDateField->text().trimmed(), scores, m_homeTeam, m_awayTeam);
    showAppendedItem();
}

void GroupWindow::clearEntry()
{
    m_homeButton->setEnabled(true);
    m_awayButton->setEnabled(false);
    m_addFixtureButton->setEnabled(false);
    m_addResultButton->setEnabled(false);
    m_homeTeamField->clear();
    m_awayTeamField->clear();
    for (QLineEdit* score : { m_homeHalfTimeField, m_awayHalfTimeField, m_homeFullTimeField, m_awayFullTimeField })
        score->setText(QStringLiteral("0"));
}

void GroupWindow::deleteResult()
{
    const int row = selectedResult();
    if (row < 0)
        return;
    if (!Prompts::ask(QStringLiteral("Are you sure you want to delete this item ?"), QStringLiteral("Confirm Delete"),
                      Prompts::Answer::No))
        return;
    m_document->removeItem(m_group, row);
    m_resultList->selectionModel()->clear();
}

void GroupWindow::editTeamName()
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
    m_document->renameTeam(m_group, team, newName);
    m_teamList->setCurrentIndex(m_teamsModel->index(team));
}

void GroupWindow::showGroup()
{
    showLines(m_teamList, m_teamsModel, teams());
    showLines(m_resultList, m_resultsModel, displayLines());
}

int GroupWindow::selectedResult() const
{
    return selectedRow(m_resultList);
}

void GroupWindow::selectResult(int position)
{
    const QModelIndex index = m_resultsModel->index(position);
    m_resultList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}
