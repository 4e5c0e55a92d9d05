#include "cli/Commands.h"

int runCheckCommand(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "tabulon-cli: the check command is not available yet\n";
    return 2;
}
