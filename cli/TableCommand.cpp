#include "cli/Commands.h"

int runTableCommand(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "tabulon-cli: the table command is not available yet\n";
    return 2;
}
