#include "gui/timetable/TimetableWindow.h"

#include "core/setup/MoveCheck.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/timetable/TimetableSheets.h"
#include "gui/timetable/TimetableView.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Prompts.h"

#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

QString moveTitle()
{
    return TimetableWindow::tr("Move Game");
}

// Which game a box shows, to find it again once the timetable was shown anew.
QString gameKey(const TimetableGame& game)
{
    return game.isKnockout() ? game.tie + QLatin1Char('/') + QString::number(game.leg)
                             : QString::number(game.group) + QLatin1Char('/') + QString::number(game.position);
}

} // namespace

TimetableWindow::TimetableWindow(TournamentDocument* document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    setObjectName(QStringLiteral("timetableWindow"));
    setWindowTitle(tr("Timetable"));
    m_noTimetable = makeLabel(this, "noTimetableLabel",
                              tr("The day is not planned yet: choose File > Plan the Day to give the games "
                                 "their times and pitches."));
    m_noTimetable->setWordWrap(true);
    m_noTimetable->setAlignment(Qt::AlignCenter);
    m_view = new TimetableView;
    m_scrollArea = new QScrollArea;
    m_scrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_scrollArea->setAccessibleName(tr("Timetable"));
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_scrollArea->setWidget(m_view);
    m_scrollArea->setWidgetResizable(true);
    connect(m_scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, m_view, &TimetableView::pinHeads);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(m_noTimetable);
    m_pages->addWidget(m_scrollArea);

    auto* teamLabel = makeLabel(this, "teamLabel", tr("&Team:"));
    m_teamList = new QComboBox(this);
    m_teamList->setObjectName(QStringLiteral("teamList"));
    m_teamList->setAccessibleName(tr("Team whose games stand out"));
    teamLabel->setBuddy(m_teamList);
    auto* sheetLabel = makeLabel(this, "sheetLabel", tr("Print &as:"));
    m_sheetList = new QComboBox(this);
    m_sheetList->setObjectName(QStringLiteral("sheetList"));
    m_sheetList->setAccessibleName(tr("Print as"));
    m_sheetList->addItems({ tr("A page per pitch"), tr("A sheet per team") });
    sheetLabel->setBuddy(m_sheetList);
    m_previewButton = makeButton(this, "printPreviewButton", tr("Print Pre&view..."), tr("Print preview"));
    m_pdfButton = makeButton(this, "pdfButton", tr("Save as P&DF..."), tr("Save as PDF"));
    m_keysHint = makeLabel(this, "keysHint",
                           tr("Drag a game to another time or pitch, or select it and press Ctrl+Up or Ctrl+Down "
                              "to move it 5 minutes, Ctrl+Left or Ctrl+Right to the next pitch."));
    m_keysHint->setWordWrap(true);

    auto* controls = new QHBoxLayout;
    controls->setContentsMargins(6, 6, 6, 0);
    controls->addWidget(teamLabel);
    controls->addWidget(m_teamList, 1);
    controls->addSpacing(12);
    controls->addWidget(sheetLabel);
    controls->addWidget(m_sheetList);
    controls->addWidget(m_previewButton);
    controls->addWidget(m_pdfButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(controls);
    layout->addWidget(m_keysHint);
    layout->addWidget(m_pages, 1);

    connect(m_teamList, &QComboBox::currentIndexChanged, this, &TimetableWindow::highlightTeam);
    connect(m_previewButton, &QPushButton::clicked, this, &TimetableWindow::printPreview);
    connect(m_pdfButton, &QPushButton::clicked, this, &TimetableWindow::saveAsPdf);
    connect(m_view, &TimetableView::moveRequested, this, &TimetableWindow::shiftGame);
    connect(m_view, &TimetableView::dropRequested, this, &TimetableWindow::moveGame);
    for (auto signal : { &TournamentDocument::timetableChanged, &TournamentDocument::knockoutChanged,
                         &TournamentDocument::tournamentReset })
        connect(m_document, signal, this, &TimetableWindow::showTimetable);
    connect(m_document, &TournamentDocument::groupChanged, this, &TimetableWindow::showTimetable);
    showTimetable();
    resize(760, 560);
}

void TimetableWindow::showTimetable()
{
    const std::optional<Timetable>& timetable = m_document->timetable();
    const bool planned = timetable.has_value();
    m_pages->setCurrentWidget(planned ? static_cast<QWidget*>(m_scrollArea) : m_noTimetable);
    m_previewButton->setEnabled(planned);
    m_pdfButton->setEnabled(planned);
    m_keysHint->setVisible(planned);

    // The game that had the focus keeps it.
    QString focused;
    if (auto* box = qobject_cast<GameBox*>(focusWidget()))
        focused = gameKey(box->game());
    m_view->showGames(planned ? timetable->settings : TimetableSettings(),
                      planned ? timetableGames(m_document->data()) : QVector<TimetableGame>());
    for (GameBox* box : m_view->boxes())
        if (!focused.isEmpty() && gameKey(box->game()) == focused) {
            box->setFocus(Qt::OtherFocusReason);
            m_scrollArea->ensureWidgetVisible(box);
        }

    const QString chosen = m_teamList->currentIndex() > 0 ? m_teamList->currentText() : QString();
    QStringList teams;
    for (int group = 1; group <= m_document->groupCount(); ++group)
        teams += m_document->group(group).teams();
    const QSignalBlocker blocker(m_teamList);
    m_teamList->clear();
    m_teamList->addItem(tr("All teams"));
    m_teamList->addItems(teams);
    m_teamList->setCurrentIndex(qMax(0, m_teamList->findText(chosen)));
    highlightTeam();
}

void TimetableWindow::highlightTeam()
{
    m_view->highlightTeam(m_teamList->currentIndex() > 0 ? m_teamList->currentText() : QString());
}

void TimetableWindow::shiftGame(const TimetableGame& game, int minutes, int pitches)
{
    GameSlot to = game.slot;
    to.start += minutes;
    to.pitch += pitches;
    moveGame(game, to);
}

void TimetableWindow::moveGame(const TimetableGame& game, GameSlot to)
{
    const std::optional<Timetable>& timetable = m_document->timetable();
    if (!timetable)
        return;
    to.end = to.start
        + (game.isKnockout() ? timetable->settings.knockoutGameMinutes : timetable->settings.groupGameMinutes);
    if (to == game.slot)
        return;
    if (const QString problem = moveProblem(m_document->data(), game, to); !problem.isEmpty()) {
        Prompts::refuse(problem, moveTitle());
        return;
    }
    if (!game.isKnockout()) {
        m_document->setGameSlot(game.group, game.position, to);
        return;
    }
    KnockoutSlot moved = timetable->knockoutSlot(game.tie, game.leg).value_or(KnockoutSlot { game.tie, game.leg });
    moved.slot = to;
    m_document->setKnockoutSlot(moved);
}

TimetableWindow::Sheets TimetableWindow::chosenSheets() const
{
    return m_sheetList->currentIndex() == 1 ? Sheets::PerTeam : Sheets::PerPitch;
}

void TimetableWindow::printSheets(QPrinter* printer)
{
    const std::optional<Timetable>& timetable = m_document->timetable();
    if (!timetable)
        return;
    const QVector<TimetableGame> games = timetableGames(m_document->data());
    QStringList teams;
    for (int group = 1; group <= m_document->groupCount(); ++group)
        teams += m_document->group(group).teams();
    QTextDocument sheets;
    // Read at arm's length on the touchline: larger than the screen's font.
    QFont font = sheets.defaultFont();
    font.setPointSize(12);
    sheets.setDefaultFont(font);
    sheets.setHtml(chosenSheets() == Sheets::PerTeam
                       ? teamSheetsHtml(m_document->title(), timetable->settings, games, teams)
                       : pitchSheetsHtml(m_document->title(), timetable->settings, games));
    sheets.print(printer);
}

void TimetableWindow::printPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("timetablePreview"));
    preview.setWindowFlag(Qt::WindowMaximizeButtonHint);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &TimetableWindow::printSheets);
    preview.exec();
}

void TimetableWindow::saveAsPdf()
{
    const QString title = tr("Save Timetable as PDF");
    Prompts::FileRequest request;
    request.mode = Prompts::FileRequest::Mode::Save;
    request.title = title;
    request.filter = tr("PDF Files (*.pdf)");
    QString path = Prompts::file(request);
    if (path.isEmpty())
        return;
    path = withExtension(path, QStringLiteral(".pdf"));
    if (!Prompts::mayOverwrite(path))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printSheets(&printer);
    if (printer.printerState() == QPrinter::Error)
        Prompts::refuse(tr("The timetable could not be written to %1.").arg(path), title);
}
