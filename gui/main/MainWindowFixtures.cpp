// File > Generate Fixtures and File > Generate Balanced Fixtures: fill the active, still empty group
// window with a dated round-robin schedule, once or home and away.
#include "core/common/FailureText.h"
#include "core/common/Limits.h"
#include "core/records/RecordLines.h"
#include "core/schedule/BalancedSchedule.h"
#include "core/schedule/FixtureGeneration.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/DatePickerDialog.h"
#include "gui/group/GroupWindow.h"
#include "gui/main/MainWindow.h"
#include "gui/widgets/BusyWindow.h"
#include "gui/widgets/Prompts.h"

#include <QTime>
#include <limits>
#include <optional>

namespace {

QString refusalTitle()
{
    return MainWindow::tr("Generation Error");
}
QString failureTitle()
{
    return MainWindow::tr("Error Generating Fixtures");
}

void showFailure(const ScheduleFailure& failure)
{
    Prompts::refuse(failureText(failure.number, failure.description), failureTitle());
}

// Both menu items ask the same questions and refuse the same groups; only the schedule differs.
void generateFixturesIn(MainWindow* window, ScheduleBuilder build, TournamentDocument::ItemsChange kind)
{
    // Seeded afresh from the time of day, so that runs at different moments shuffle differently.
    const RandomFraction nextFraction
        = seededFractions(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));

    const std::optional<MainWindow::ActiveGroup> active = window->activeGroupFor(refusalTitle());
    if (!active)
        return;
    GroupWindow* group = active->window;
    const int groupNumber = active->number;
    const int n = window->document()->settings().TeamsInGroup[groupNumber];
    switch (fixtureRefusal(n, group->teams(), group->storedLines())) {
    case FixtureRefusal::None:
        break;
    case FixtureRefusal::NotEmpty:
        Prompts::refuse(MainWindow::tr("Cannot create fixtures unless") + u'\r'
                            + MainWindow::tr("fixture list is empty."),
                        refusalTitle());
        return;
    case FixtureRefusal::TooFewTeams:
        Prompts::refuse(MainWindow::tr("Cannot create fixtures for a group") + u'\r'
                            + MainWindow::tr("with fewer than two teams."),
                        refusalTitle());
        return;
    case FixtureRefusal::MissingTeamNames:
        showFailure({ kGroupNumberFailure,
                      MainWindow::tr("Group %1 should have %2 teams but lists %3 team names.")
                          .arg(groupNumber)
                          .arg(n)
                          .arg(group->teams().size()) });
        return;
    }

    // Cancel or Escape at any of the questions ends the command with nothing generated.
    const Prompts::Answer homeAndAway
        = Prompts::askOrCancel(MainWindow::tr("Do you want home and away fixtures"), MainWindow::tr("Home & Away"));
    if (homeAndAway == Prompts::Answer::Cancel)
        return;
    const int legs = homeAndAway == Prompts::Answer::Yes ? 2 : 1;
    const QVector<qint16> teamOrder = shuffledTeamOrder(n, nextFraction);

    const QDate today = QDate::currentDate();
    const std::optional<QDate> picked = DatePickerDialog::pick(today, MainWindow::tr("Select the start date"), window);
    window->raise();
    window->activateWindow();
    if (!picked)
        return;
    const QDate start = *picked;

    const std::optional<QString> gapAnswer
        = Prompts::input(MainWindow::tr("Enter the default number of days between fixtures (e.g. 7)"),
                         MainWindow::tr("Fixture Gap"), QStringLiteral("7"));
    // An empty answer reads as 0, every round on the start date; a typo is refused rather than read as 0.
    if (!gapAnswer)
        return;
    if (!gapAnswer->trimmed().isEmpty() && !beginsWithNumber(*gapAnswer)) {
        showFailure({ kGapTypeFailure,
                      MainWindow::tr("Type mismatch: a gap of \"%1\" is not a number of days.").arg(*gapAnswer) });
        return;
    }
    const std::optional<qint16> gap = readNumberField(*gapAnswer);
    if (!gap) {
        showFailure({ kGapOverflowFailure,
                      MainWindow::tr("Overflow: a gap of \"%1\" days is beyond %2 days.")
                          .arg(gapAnswer->trimmed(), QString::number(std::numeric_limits<qint16>::max())) });
        return;
    }

    BusyWindow busy(window);
    const FixtureGeneration generation = generateFixtures(group->storedLines(), teamOrder, legs, start, *gap, build);
    if (!generation.ok()) {
        // Nothing has been appended: every limit is checked before the first line is made.
        busy.done();
        showFailure(generation.failure);
        return;
    }
    window->document()->setItems(groupNumber, generation.lines, kind);
}

} // namespace

void MainWindow::generateFixtures()
{
    generateFixturesIn(this, buildSchedule, TournamentDocument::ItemsChange::GenerateFixtures);
}

void MainWindow::generateBalancedFixtures()
{
    generateFixturesIn(this, buildBalancedSchedule, TournamentDocument::ItemsChange::GenerateBalancedFixtures);
}
