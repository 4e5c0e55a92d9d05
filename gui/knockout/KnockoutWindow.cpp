#include "gui/knockout/KnockoutWindow.h"

#include "core/reports/KnockoutReport.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/knockout/BracketView.h"
#include "gui/knockout/TieBox.h"
#include "gui/knockout/TieDescription.h"
#include "gui/knockout/TieResultDialog.h"
#include "gui/reports/ReportWindow.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/Prompts.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QString resultTitle()
{
    return KnockoutWindow::tr("Knockout Result");
}

} // namespace

KnockoutWindow::KnockoutWindow(TournamentDocument* document, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
{
    setObjectName(QStringLiteral("knockoutWindow"));
    setWindowTitle(tr("Knockout"));
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_scrollArea->setAccessibleName(tr("Bracket"));
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    m_bracket = new BracketView;
    m_scrollArea->setWidget(m_bracket);
    m_reportButton = makeButton(this, "reportButton", tr("Knockout &Report"), tr("Knockout report"));
    m_calendarButton
        = makeButton(this, "calendarButton", tr("Export Ca&lendar..."), tr("Export the knockout calendar"));
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 0, 6, 6);
    buttons->addWidget(m_reportButton);
    buttons->addWidget(m_calendarButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
    layout->addLayout(buttons);
    connect(m_reportButton, &QPushButton::clicked, this, &KnockoutWindow::showReport);
    connect(m_calendarButton, &QPushButton::clicked, this, &KnockoutWindow::calendarExportRequested);
    // The tie that takes the focus comes into sight.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (auto* box = qobject_cast<TieBox*>(now); box && box->parentWidget() == m_bracket)
            m_scrollArea->ensureWidgetVisible(box);
    });
    connect(m_bracket, &BracketView::tieOpened, this, &KnockoutWindow::enterResult);
    connect(m_document, &TournamentDocument::knockoutChanged, this, &KnockoutWindow::showStage);
    connect(m_document, &TournamentDocument::timetableChanged, this, &KnockoutWindow::showStage);
    showStage();
    resize(m_bracket->sizeHint().boundedTo(QSize(900, 600)) + QSize(24, 24));
}

void KnockoutWindow::showStage()
{
    if (m_document->knockout())
        m_bracket->showStage(*m_document->knockout(), m_document->timetable());
}

void KnockoutWindow::enterResult(const QString& code)
{
    if (!m_document->knockout())
        return;
    const KnockoutStage& stage = *m_document->knockout();
    const std::optional<TieId> tie = readTieCode(code);
    if (!tie)
        return;
    const QString name = shownTieName(*tie);
    if (stage.isBye(code)) {
        Prompts::refuse(tr("%1 is a bye: it has no result to enter.").arg(name), resultTitle());
        return;
    }
    const std::optional<KnockoutTeam> first = stage.team(code, TieSide::First);
    const std::optional<KnockoutTeam> second = stage.team(code, TieSide::Second);
    if (!first || !second) {
        Prompts::refuse(
            tr("Who plays in %1 is not known yet: enter the results of the ties before it first.").arg(name),
            resultTitle());
        return;
    }
    TieResultDialog dialog(name, first->name, second->name, stage.games(code), stage.awayGoals(), stage.result(code),
                           this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<TieResult> result = dialog.result();
    auto later = TournamentDocument::LaterResults::Keep;
    const QStringList changed = stage.laterResultsChangedBy(code, result);
    if (!changed.isEmpty()) {
        if (!Prompts::ask(laterResultsNotice(changed) + tr(" Clear the later results?"), resultTitle(),
                          Prompts::Answer::No))
            return;
        later = TournamentDocument::LaterResults::Clear;
    }
    QString refusal;
    if (!m_document->setTieResult(code, result, later, &refusal))
        Prompts::refuse(refusal, resultTitle());
    else if (TieBox* box = m_bracket->tieBox(code))
        box->setFocus(Qt::OtherFocusReason);
}

void KnockoutWindow::showReport()
{
    if (!m_document->knockout())
        return;
    const ReportHeading heading { shortTitleOf(m_document->title()), windowTitle(), QDate::currentDate() };
    showReportWindow(knockoutReport(heading, *m_document->knockout(), m_document->timetable()), this);
}
