#include "cli/Commands.h"
#include "core/common/FullStop.h"
#include "core/tournament/TournamentFile.h"
#include "core/tournament/TournamentFileLock.h"

int runResaveCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 2) {
        err << "Usage: tabulon-cli resave IN.trn OUT.trn\n";
        return 2;
    }
    const TournamentReadResult read = readTournamentFile(args[0]);
    if (!read.ok()) {
        err << read.error << '\n';
        return 1;
    }
    TournamentFileLock lock;
    if (lock.lock(args[1]) == TournamentFileLock::Result::InUse) {
        err << fileInUseMessage(args[1]) << '\n';
        return 1;
    }
    QString error;
    if (!saveTournamentFile(*read.data, args[1], &error)) {
        err << withFullStop(error) << '\n';
        return 1;
    }
    out << "Wrote " << args[1] << '\n';
    return 0;
}
