// File > Plan the Day and the Timetable window.
#include "core/setup/DayPlanning.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/main/MainWindow.h"
#include "gui/timetable/PlanDayDialog.h"
#include "gui/timetable/TimetableWindow.h"
#include "gui/widgets/Prompts.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void MainWindow::planDay()
{
    const QString title = tr("Plan the Day");
    if (!m_document->hasGroups()) {
        Prompts::refuse(tr("There is no open tournament!"), title);
        return;
    }
    if (m_document->timetable()
        && !Prompts::ask(tr("The day is planned already. Planning it again gives every game not yet played a new "
                            "time and pitch. Do you want to go on?"),
                         title, Prompts::Answer::No))
        return;
    const TournamentData data = m_document->data();
    std::optional<PlannedDay> plan;
    PlanDayDialog dialog(
        data,
        [&](const TimetableSettings& settings, const std::optional<KnockoutPlanShape>& shape, QString* refusal) {
            plan = planTournamentDay(data, settings, shape, refusal);
            return plan.has_value();
        },
        this);
    if (dialog.exec() != QDialog::Accepted || !plan)
        return;
    m_document->setTimetable(plan->timetable, plan->groupSlots, title);
    Prompts::message(plan->summary, title, Prompts::Icon::Information);
    showTimetableWindow();
}

TimetableWindow* MainWindow::timetableWindow() const
{
    return m_timetableWindow ? qobject_cast<TimetableWindow*>(m_timetableWindow->widget()) : nullptr;
}

void MainWindow::showTimetableWindow()
{
    if (!m_timetableWindow) {
        auto* window = new TimetableWindow(m_document);
        m_timetableWindow = m_mdiArea->addSubWindow(window);
        m_timetableWindow->setObjectName(QStringLiteral("timetableSubWindow"));
        m_timetableWindow->setAttribute(Qt::WA_DeleteOnClose);
        // A day of several pitches is wide and long: the window takes the area, and can be made smaller.
        m_timetableWindow->setGeometry(m_mdiArea->viewport()->rect());
    }
    m_timetableWindow->show();
    m_mdiArea->setActiveSubWindow(m_timetableWindow);
}
