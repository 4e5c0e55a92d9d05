#include "gui/group/GroupWindow.h"

#include "core/common/Limits.h"
#include "core/records/RecordLines.h"
#include "core/standings/Standings.h"
#include "core/tournament/Settings.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/DatePickerDialog.h"
#include "gui/group/LeagueTablePanel.h"
#include "gui/group/ResultsTableModel.h"
#include "gui/group/ScoreDelegate.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/Prompts.h"
#include "gui/widgets/Twips.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStringListModel>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The window's outer size in twips never goes below this.
constexpr int kFormWidth = 6435;
constexpr int kMinFormHeight = 4890;
// Far beyond any screen; keeps a damaged "Form Height" value from making a window of absurd size.
constexpr int kMaxFormHeight = 144000;

constexpr int kDateButtonSize = 255;

// The first repeat of a held date button waits longer than the following ones, as a key does.
constexpr int kFirstRepeatMs = 250;
constexpr int kNextRepeatMs = 50;

// A new window's size, with room for a results table of ordinary names; within a 1366x768 screen.
constexpr int kDefaultFormWidth = 9600;
constexpr int kDefaultFormHeight = 8100;

const QString kFormHeightSetting = QStringLiteral("Form Height");
QString errorTitle()
{
    return GroupWindow::tr("ERROR");
}

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
    m_resultTable->viewport()->installEventFilter(this);
    spanUnreadableRows();
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
    m_resultsModel = new ResultsTableModel(m_document, m_group, this);

    // A window made smaller than its controls need (Tile does so on a small screen) scrolls them.
    m_scroller = new QScrollArea(this);
    m_scroller->setObjectName(QStringLiteral("groupScroller"));
    m_scroller->setAccessibleName(windowTitle());
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setFocusPolicy(Qt::NoFocus);
    m_scroller->setWidgetResizable(true);
    // The controls live left of the splitter, the league table panel right of it. They are made in
    // the order the Tab key visits them.
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(QStringLiteral("groupSplitter"));
    splitter->setChildrenCollapsible(false);
    m_splitter = splitter;
    auto* entry = new QWidget(splitter);
    entry->setObjectName(QStringLiteral("entryArea"));
    m_entryArea = entry;

    m_dateLabel = makeLabel(entry, "dateLabel", tr("Date"));
    m_entryDateField = makeShownField(entry, "entryDateField", tr("Entry date"));
    m_calendarButton = makeButton(entry, "calendarButton", QStringLiteral("..."), tr("Select Date"));
    m_calendarButton->setToolTip(tr("Select Date"));
    m_nextDateButton = makeButton(entry, "nextDateButton", QStringLiteral("+"), tr("Increment Date"));
    m_nextDateButton->setToolTip(tr("Increment Date"));
    m_previousDateButton = makeButton(entry, "previousDateButton", QStringLiteral("-"), tr("Decrease Date"));
    m_previousDateButton->setToolTip(tr("Decrease Date"));
    m_editNameButton = makeButton(entry, "editNameButton", tr("&Edit Name"), tr("Edit Name"));

    m_teamList = makeList(entry, "teamList", m_teamsModel, tr("Teams"));
    m_homeButton = makeButton(entry, "homeButton", tr("&Home"), tr("Home"));
    m_awayButton = makeButton(entry, "awayButton", tr("&Away"), tr("Away"));
    m_awayButton->setEnabled(false);
    m_clearButton = makeButton(entry, "clearButton", tr("&Clear"), tr("Clear"));

    m_teamsLabel = makeLabel(entry, "teamsLabel", tr("Teams"));
    m_halfTimeLabel = makeLabel(entry, "halfTimeLabel", tr("HT"));
    m_halfTimeLabel->setAccessibleName(tr("Half-time"));
    m_fullTimeLabel = makeLabel(entry, "fullTimeLabel", tr("FT"));
    m_fullTimeLabel->setAccessibleName(tr("Full-time"));
    m_homeTeamField = makeShownField(entry, "homeTeamField", tr("Home team"));
    m_homeHalfTimeField = makeTextField(entry, "homeHalfTimeField", QStringLiteral("0"), tr("Home half-time score"));
    m_homeFullTimeField = makeTextField(entry, "homeFullTimeField", QStringLiteral("0"), tr("Home full-time score"));
    m_versusLabel = makeLabel(entry, "versusLabel", tr("--V--"));
    m_versusLabel->setAccessibleName(tr("versus"));
    m_awayTeamField = makeShownField(entry, "awayTeamField", tr("Away team"));
    m_awayHalfTimeField = makeTextField(entry, "awayHalfTimeField", QStringLiteral("0"), tr("Away half-time score"));
    m_awayFullTimeField = makeTextField(entry, "awayFullTimeField", QStringLiteral("0"), tr("Away full-time score"));
    m_addFixtureButton = makeButton(entry, "addFixtureButton", tr("Add &Fixture"), tr("Add Fixture"));
    m_addFixtureButton->setEnabled(false);
    m_addResultButton = makeButton(entry, "addResultButton", tr("Add &Result"), tr("Add Result"));
    m_addResultButton->setEnabled(false);

    m_resultTable = makeResultsTable(entry);

    m_leagueTableButton
        = makeButton(entry, "leagueTableButton", tr("&League Table"), tr("League Table"), ButtonText::Wrapped);
    m_resultsReportButton
        = makeButton(entry, "resultsReportButton", tr("Results Re&port"), tr("Results Report"), ButtonText::Wrapped);
    m_fixtureListButton
        = makeButton(entry, "fixtureListButton", tr("Fi&xture List"), tr("Fixture List"), ButtonText::Wrapped);
    m_deleteButton = makeButton(entry, "deleteButton", tr("&Delete"), tr("Delete"));
    m_editResultButton = makeButton(entry, "editResultButton", tr("Ed&it"), tr("Edit result"));
    m_editDateButton = makeButton(entry, "editDateButton", tr("Edit Da&te"), tr("Edit Date"));
    m_sortButton = makeButton(entry, "sortButton", tr("&Sort"), tr("Sort"));

    m_leagueTablePanel = new LeagueTablePanel(splitter);
    m_leagueTablePanel->setAccessibleName(tr("League table of ") + windowTitle());
    m_leagueTablePanel->setVisible(false);

    m_dateRepeatTimer = new QTimer(this);
    m_dateRepeatTimer->setObjectName(QStringLiteral("dateRepeatTimer"));
    m_dateRepeatTimer->setInterval(kFirstRepeatMs);

    layOut(entry);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_scroller->setWidget(splitter);
    outer->addWidget(m_scroller);
    // Room beyond what the panel needs goes to the results.
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);

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
    connect(m_resultTable, &QTableView::doubleClicked, this, &GroupWindow::editChosenResult);

    // The date buttons act on the press of any mouse button and repeat while it is held, which
    // QPushButton's own clicked() cannot express: the filter takes their mouse events, and
    // clicked() is left to the keyboard (Space) and to accessibility tools.
    for (QPushButton* dateButton : { m_nextDateButton, m_previousDateButton })
        dateButton->installEventFilter(this);
    connect(m_nextDateButton, &QPushButton::clicked, this, [this] { moveEntryDate(true); });
    connect(m_previousDateButton, &QPushButton::clicked, this, [this] { moveEntryDate(false); });
    connect(m_dateRepeatTimer, &QTimer::timeout, this, &GroupWindow::stepDate);
}

QTableView* GroupWindow::makeResultsTable(QWidget* parent)
{
    auto* table = new QTableView(parent);
    table->setObjectName(QStringLiteral("resultTable"));
    table->setAccessibleName(tr("Fixtures and results"));
    table->setModel(m_resultsModel);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // A double click opens the result editor, as it did on the list; typing starts a score.
    table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    table->setTextElideMode(Qt::ElideNone);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    // Thousands of rows: every row as tall as the first.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setHighlightSections(false);
    auto* scores = new ScoreDelegate(m_resultsModel, table);
    table->setItemDelegateForColumn(ResultsTableModel::Score, scores);
    table->setItemDelegateForColumn(ResultsTableModel::HalfTime, scores);
    table->setItemDelegateForColumn(ResultsTableModel::Time, scores);
    table->setItemDelegateForColumn(ResultsTableModel::Pitch, scores);
    connect(m_resultsModel, &ResultsTableModel::columnsReset, this, &GroupWindow::fitResultColumns);
    connect(scores, &ScoreDelegate::scoreEntered, this, &GroupWindow::moveOnFromScore);
    // Tab and Shift+Tab leave the table, as they leave any control of a form; the arrows move
    // between cells.
    table->setTabKeyNavigation(false);
    table->installEventFilter(this);
    connect(m_resultsModel, &ResultsTableModel::rowsReset, this, &GroupWindow::spanUnreadableRows);
    connect(m_resultsModel, &ResultsTableModel::rowShown, this, [this](int row) {
        const bool span = !m_resultsModel->isReadable(row);
        if (span || m_resultTable->columnSpan(row, 0) > 1)
            m_resultTable->setSpan(row, 0, 1, span ? m_resultsModel->columnCount() : 1);
    });
    return table;
}

void GroupWindow::layOut(QWidget* entry)
{
    auto* grid = new QGridLayout(entry);
    grid->setHorizontalSpacing(twipsToPixels(105));
    grid->setVerticalSpacing(twipsToPixels(60));
    grid->setContentsMargins(twipsToPixels(240), twipsToPixels(90), twipsToPixels(150), twipsToPixels(120));

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_dateLabel);
    m_entryDateField->setFixedWidth(m_entryDateField->fontMetrics().horizontalAdvance(QStringLiteral("00-Mmm-00000"))
                                    + 12);
    dateRow->addWidget(m_entryDateField);
    for (QPushButton* button : { m_calendarButton, m_nextDateButton, m_previousDateButton }) {
        button->setFixedSize(twipsToPixels(kDateButtonSize), twipsToPixels(kDateButtonSize));
        dateRow->addWidget(button);
    }
    dateRow->addStretch(1);
    const int scoreWidth = m_homeHalfTimeField->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8;
    for (QLineEdit* score : { m_homeHalfTimeField, m_homeFullTimeField, m_awayHalfTimeField, m_awayFullTimeField })
        score->setFixedWidth(scoreWidth);
    for (QLabel* label : { m_halfTimeLabel, m_fullTimeLabel })
        label->setAlignment(Qt::AlignCenter);
    m_versusLabel->setAlignment(Qt::AlignCenter);

    // Columns: the team list, fields and results (growing), HT, FT, the entry buttons, the rest.
    grid->addLayout(dateRow, 0, 0, 1, 3);
    grid->addWidget(m_editNameButton, 0, 3);
    grid->addWidget(m_leagueTableButton, 0, 4);
    grid->addWidget(m_teamList, 1, 0, 3, 3);
    grid->addWidget(m_homeButton, 1, 3);
    grid->addWidget(m_awayButton, 2, 3);
    grid->addWidget(m_resultsReportButton, 1, 4, 2, 1);
    grid->addWidget(m_clearButton, 3, 3);
    grid->addWidget(m_fixtureListButton, 3, 4, 2, 1);
    grid->addWidget(m_teamsLabel, 4, 0);
    grid->addWidget(m_halfTimeLabel, 4, 1);
    grid->addWidget(m_fullTimeLabel, 4, 2);
    grid->addWidget(m_homeTeamField, 5, 0);
    grid->addWidget(m_homeHalfTimeField, 5, 1);
    grid->addWidget(m_homeFullTimeField, 5, 2);
    grid->addWidget(m_addFixtureButton, 5, 3);
    grid->addWidget(m_versusLabel, 6, 0);
    grid->addWidget(m_awayTeamField, 7, 0);
    grid->addWidget(m_awayHalfTimeField, 7, 1);
    grid->addWidget(m_awayFullTimeField, 7, 2);
    grid->addWidget(m_addResultButton, 7, 3);
    grid->addWidget(m_deleteButton, 5, 4);
    grid->addWidget(m_editResultButton, 7, 4);
    grid->addWidget(m_resultTable, 8, 0, 2, 4);
    grid->addWidget(m_editDateButton, 8, 4);
    grid->addWidget(m_sortButton, 9, 4, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(3, 1);
    grid->setRowStretch(9, 4);
}

void GroupWindow::restoreHeightAndDate()
{
    const QString stored = readSetting(kCompany, kProduct, kFormHeightSetting, QString::number(kDefaultFormHeight));
    // A damaged value counts as none.
    const double height = beginsWithNumber(stored) ? leadingNumericValue(stored) : double(kDefaultFormHeight);
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
    // The window never gets smaller than it always was, nor than its controls need: the entry
    // area's, and the panel's when it is shown (the splitter learns of a shown panel only once it
    // is on screen itself).
    QSize needed = m_entryArea->minimumSizeHint();
    if (isLeagueTablePanelShown())
        needed.rwidth() += m_leagueTablePanel->minimumWidth() + m_splitter->handleWidth();
    QWidget* outer = outerWindow();
    if (outer != this) {
        // What this window needed while it stood alone goes to the frame, where it may be set
        // aside (Tile does so); the controls then scroll.
        setMinimumSize(0, 0);
        const int border = outer->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, outer);
        const int titleBar = outer->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, outer);
        needed += QSize(2 * border, titleBar + border);
    }
    outer->setMinimumSize(std::max(needed.width(), twipsToPixels(kFormWidth)),
                          std::max(needed.height(), twipsToPixels(kMinFormHeight)));
}

void GroupWindow::applyFormHeight(int heightTwips)
{
    QWidget* outer = outerWindow();
    const int height = std::clamp(heightTwips, kMinFormHeight, kMaxFormHeight);
    // Wide enough for the results' names without scrolling, as far as the main window has room.
    const int tableShortfall = std::max(0, naturalResultsWidth() - m_resultTable->minimumSizeHint().width());
    int width = std::max({ outer->width(), twipsToPixels(kDefaultFormWidth), outer->minimumWidth() + tableShortfall });
    QSize size(std::max(width, outer->minimumWidth()), std::max(twipsToPixels(height), outer->minimumHeight()));
    // Within the main window's area, whatever the screen the height was last used on; the width
    // leaves room for the scroll bar a second window may bring.
    if (outer != this && outer->parentWidget()) {
        const QSize area = outer->parentWidget()->size();
        size = size.boundedTo(QSize(area.width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent), area.height()));
        outer->setMinimumSize(outer->minimumSize().boundedTo(size));
    }
    // A height cut to this screen is not the one to open at on the next.
    m_placing = true;
    outer->resize(size);
    m_placing = false;
}

void GroupWindow::place(const QRect& frame)
{
    QWidget* outer = outerWindow();
    outer->setMinimumSize(outer->minimumSize().boundedTo(frame.size()));
    m_placing = true;
    outer->setGeometry(frame);
    m_placing = false;
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
        givePanelItsWidth();
    }
    return QWidget::event(event);
}

void GroupWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Every group window shares the one height; the last one resized wins. Sizes set while the
    // window is still being made, or by the main window placing it, are not the user's.
    QWidget* outer = outerWindow();
    if (m_shown && outer->isVisible() && !m_placing)
        writeSetting(kCompany, kProduct, kFormHeightSetting, QString::number(pixelsToTwips(outer->height())));
}

GroupWindow::ResultColumns GroupWindow::naturalResultColumns() const
{
    const QFontMetrics metrics = m_resultTable->fontMetrics();
    const int padding = 2 * metrics.horizontalAdvance(u'0');
    const auto widthOf = [&](const QString& text) { return metrics.horizontalAdvance(text) + padding; };
    ResultColumns columns;
    columns.date = widthOf(QStringLiteral("00-Mmm-0000"));
    columns.score = std::max(widthOf(QStringLiteral("000-000")), widthOf(tr("Score")));
    columns.name = widthOf(tr("Away"));
    for (const QString& team : teams())
        columns.name = std::max(columns.name, widthOf(team));
    if (m_resultsModel->hasTimetable()) {
        columns.time = std::max(widthOf(QStringLiteral("00:00")), widthOf(tr("Time")));
        columns.pitch = widthOf(tr("Pitch"));
        for (const QString& pitch : m_document->timetable()->settings.pitches)
            columns.pitch = std::max(columns.pitch, widthOf(pitch));
    }
    return columns;
}

int GroupWindow::naturalResultsWidth() const
{
    const ResultColumns columns = naturalResultColumns();
    return columns.date + columns.time + columns.pitch + 2 * columns.score + 2 * columns.name
        + 2 * m_resultTable->frameWidth() + m_resultTable->verticalScrollBar()->sizeHint().width();
}

void GroupWindow::fitResultColumns()
{
    const ResultColumns columns = naturalResultColumns();
    // Names are never cut: what the viewport has beyond them goes to both teams alike.
    const int extra = std::max(0,
                               m_resultTable->viewport()->width() - columns.date - columns.time - columns.pitch
                                   - 2 * columns.score - 2 * columns.name);
    QHeaderView* header = m_resultTable->horizontalHeader();
    if (m_resultsModel->hasTimetable()) {
        // The day's time and pitch follow the date.
        header->moveSection(header->visualIndex(ResultsTableModel::Time), 1);
        header->moveSection(header->visualIndex(ResultsTableModel::Pitch), 2);
        header->resizeSection(ResultsTableModel::Time, columns.time);
        header->resizeSection(ResultsTableModel::Pitch, columns.pitch);
    }
    header->resizeSection(ResultsTableModel::Date, columns.date);
    header->resizeSection(ResultsTableModel::Home, columns.name + extra / 2);
    header->resizeSection(ResultsTableModel::Score, columns.score);
    header->resizeSection(ResultsTableModel::Away, columns.name + extra - extra / 2);
    header->resizeSection(ResultsTableModel::HalfTime, columns.score);
}

void GroupWindow::spanUnreadableRows()
{
    m_resultTable->clearSpans();
    for (int row = 0; row < m_resultsModel->rowCount(); ++row)
        if (!m_resultsModel->isReadable(row))
            m_resultTable->setSpan(row, 0, 1, m_resultsModel->columnCount());
}

void GroupWindow::moveOnFromScore(int row, int column, bool firstScore)
{
    if (firstScore) {
        editNextScore(row);
        return;
    }
    // The half-time scores of a round are typed down their column.
    if (column == ResultsTableModel::HalfTime && row + 1 < m_resultsModel->rowCount()) {
        const QModelIndex below = m_resultsModel->index(row + 1, column);
        m_resultTable->setCurrentIndex(below);
        m_resultTable->scrollTo(below);
        if (below.flags() & Qt::ItemIsEditable)
            m_resultTable->edit(below);
        return;
    }
    m_resultTable->setCurrentIndex(m_resultsModel->index(row, column));
}

void GroupWindow::aimDigitAtScore(const QKeyEvent* key)
{
    const QString text = key->text();
    if (text.size() != 1 || !text.front().isDigit() || (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
        return;
    const QModelIndex current = m_resultTable->currentIndex();
    if (!current.isValid() || (current.flags() & Qt::ItemIsEditable))
        return;
    // Where the table would search for a date starting with the digit, the digit starts the score:
    // the table then opens the cell with it as the first character typed.
    const QModelIndex score = current.siblingAtColumn(ResultsTableModel::Score);
    if (score.flags() & Qt::ItemIsEditable)
        m_resultTable->setCurrentIndex(score);
}

void GroupWindow::editNextScore(int row)
{
    for (int next = row + 1; next < m_resultsModel->rowCount(); ++next) {
        if (m_resultsModel->isFixture(next)) {
            const QModelIndex score = m_resultsModel->index(next, ResultsTableModel::Score);
            m_resultTable->setCurrentIndex(score);
            m_resultTable->edit(score);
            return;
        }
    }
    showItem(row);
}

void GroupWindow::setLeagueTablePanelShown(bool shown)
{
    if (shown == isLeagueTablePanelShown())
        return;
    m_leagueTablePanel->setVisible(shown);
    refreshPanel();
    // The panel takes room beside the results rather than from them.
    QWidget* outer = outerWindow();
    const int panelWidth = m_leagueTablePanel->sizeHint().width();
    outer->setMinimumSize(0, 0);
    applySizeLimits();
    outer->resize(std::max(outer->width() + (shown ? panelWidth : -panelWidth), outer->minimumWidth()),
                  outer->height());
    givePanelItsWidth();
}

void GroupWindow::givePanelItsWidth()
{
    if (!isLeagueTablePanelShown())
        return;
    const int panel = m_leagueTablePanel->minimumWidth();
    m_splitter->setSizes({ std::max(0, m_splitter->width() - panel - m_splitter->handleWidth()), panel });
}

bool GroupWindow::isLeagueTablePanelShown() const
{
    return !m_leagueTablePanel->isHidden();
}

void GroupWindow::refreshPanel()
{
    if (m_leagueTablePanel->isHidden())
        return;
    const StandingsOutcome outcome
        = computeStandings(standingsRequestFor(records(), m_document->settings()), m_databaseName);
    if (outcome.ok())
        m_leagueTablePanel->showTable(outcome.table);
    else
        m_leagueTablePanel->showFailure(outcome.error);
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
    if (watched == m_resultTable->viewport() && event->type() == QEvent::Resize)
        fitResultColumns();
    if (watched == m_resultTable && event->type() == QEvent::KeyPress)
        aimDigitAtScore(static_cast<QKeyEvent*>(event));
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
        // The window lost the focus while it rested; the button that opened the calendar has it again.
        m_calendarButton->activateWindow();
        m_calendarButton->setFocus();
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
        Prompts::refuse(tr("Unable to play same team home and away"), errorTitle());
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
    Prompts::refuse(tr("This group already holds %1 fixtures and results, as many as a group can hold.\r"
                       "Delete an item before adding another.")
                        .arg(kMaxListLines),
                    errorTitle());
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
        m_resultTable->selectionModel()->clear();
        return;
    }
    selectResult(position);
    m_resultTable->scrollTo(m_resultsModel->index(position, 0));
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
        Prompts::refuse(scoreRefusal(problems.first()), errorTitle());
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
    if (!Prompts::ask(tr("Are you sure you want to delete this item ?"), tr("Confirm Delete"), Prompts::Answer::No))
        return;
    m_document->removeItem(m_group, row);
    m_resultTable->selectionModel()->clear();
}

void GroupWindow::editTeamName()
{
    const int team = selectedTeam();
    if (team < 0)
        return;

    const QString title = tr("Change Name");
    const QString oldName = teams().at(team);
    // The prompt starts with the name to change, and after a refusal with the refused text, so
    // that a small correction needs no retyping.
    QString newName = oldName;
    for (;;) {
        newName = Prompts::input(tr("Enter New Name"), title, newName).value_or(QString());
        if (newName.isEmpty() || newName == oldName)
            return;
        // "-v-" separates the two names of a display line, and two teams of one name would merge
        // in reports: such a name is refused. The team may change its own name's letter case.
        const QString problem = teamNameProblem(newName, teams(), windowTitle(), team);
        if (problem.isEmpty())
            break;
        Prompts::refuse(problem, errorTitle());
    }

    if (!Prompts::ask(tr("Are you sure you want to change") + u'\r' + oldName + tr(" to ") + newName, title))
        return;
    m_document->renameTeam(m_group, team, newName);
    m_teamList->setCurrentIndex(m_teamsModel->index(team));
}

void GroupWindow::showGroup()
{
    const bool teamsChange = m_teamsModel->stringList() != teams();
    showLines(m_teamList, m_teamsModel, teams());
    if (teamsChange)
        fitResultColumns();
    refreshPanel();
}

int GroupWindow::selectedResult() const
{
    return selectedRow(m_resultTable);
}

void GroupWindow::selectResult(int position)
{
    const QModelIndex index = m_resultsModel->index(position, 0);
    m_resultTable->selectionModel()->setCurrentIndex(index,
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
