#include "cli/Commands.h"

int runResaveCommand(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "tabulon-cli: the resave command is not available yet\n";
    return 2;
}
