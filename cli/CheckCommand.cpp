#include "cli/Commands.h"
#include "core/tournament/FileGroupRecords.h"
#include "core/tournament/TournamentFile.h"

namespace {

QString counted(qsizetype count, const char* singular, const char* plural)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? singular : plural));
}

} // namespace

int runCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 1) {
        err << "Usage: tabulon-cli check FILE.trn\n";
        return 2;
    }
    const TournamentReadResult read = readTournamentFile(args.first());
    if (!read.ok()) {
        err << read.error << '\n';
        return 1;
    }
    if (!read.unreadable.isEmpty())
        err << unreadableLinesMessage(read.unreadable).replace(u'\r', u'\n') << '\n';
    out << read.data->title << '\n';
    for (const TournamentGroupData& group : read.data->groups) {
        // Every line is a fixture or a result: the file reader refuses any other.
        const GroupRecords::LineCounts lines = recordsOfGroup(group).lineCounts();
        out << group.caption << ": " << counted(group.teams.size(), "team", "teams") << ", "
            << counted(lines.fixtures, "fixture", "fixtures") << ", " << counted(lines.results, "result", "results")
            << '\n';
    }
    if (const std::optional<KnockoutStage>& stage = read.data->knockout) {
        const int ties = int(stage->tieCodes().size());
        out << "Knockout stage: " << roundName(stage->size()) << " to Final, "
            << counted(stage->results().size(), "result", "results") << " of " << ties;
        if (stage->champion())
            out << ", champion " << stage->champion()->name;
        out << '\n';
    }
    return 0;
}
