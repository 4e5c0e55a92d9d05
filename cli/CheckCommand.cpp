#include "cli/Commands.h"
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
        qsizetype results = 0;
        for (const QString& line : group.recordLines)
            results += line.startsWith(QLatin1String("R:")) ? 1 : 0;
        out << group.caption << ": " << counted(group.teams.size(), "team", "teams") << ", "
            << counted(group.recordLines.size() - results, "fixture", "fixtures") << ", "
            << counted(results, "result", "results") << '\n';
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
