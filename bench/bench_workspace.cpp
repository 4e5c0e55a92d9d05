// The group window's league table panel kept up to date: one result changed in a real season's
// group, and in a group of 256 teams all level, with the results table and the panel shown.
#include "StandingsGroups.h"
#include "WidgetBenchmarkMain.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/group/GroupWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

void BM_PanelAfterOneResult(benchmark::State& state)
{
    const StandingsRequest request = state.range(0) == 0 ? season() : allLevel();
    QTemporaryDir folder;
    const QString database = folder.filePath(QStringLiteral("TempDB.mdb"));
    QFile::copy(QStringLiteral(TABULON_TEMPDB), database);
    QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
    TournamentData data;
    data.GroupCount = 1;
    data.RuleCount = static_cast<qint16>(request.ruleOrder.size());
    for (int i = 0; i < request.ruleOrder.size(); ++i)
        data.RuleOrder[i + 1] = static_cast<qint16>(request.ruleOrder[i]);
    data.groups.append({ QStringLiteral("1. Division 1"), request.group.teams(), request.group.storedLines(), {} });
    TournamentDocument document;
    document.reset(data);
    GroupWindow window(&document, 1, database);
    window.setLeagueTablePanelShown(true);
    window.show();
    QApplication::processEvents();
    // The first result moves to the next day and back: every step is a change to show, and the
    // level group stays level.
    const QString first = request.group.storedLines().first();
    const QString other = first.left(kRecordDatePosition) + formatRecordDate(recordDateOf(first).addDays(1))
        + first.mid(kRecordDatePosition + kRecordDateLength);
    bool changed = false;
    for (auto _ : state) {
        changed = !changed;
        document.replaceItem(1, 0, changed ? other : first);
        window.repaint();
    }
    state.counters["results"] = double(request.group.storedLines().size());
}
BENCHMARK(BM_PanelAfterOneResult)->Arg(0)->Arg(1)->ArgName("allLevel256")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
