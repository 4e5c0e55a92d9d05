#include "cli/Commands.h"

int runGenerateCommand(const QStringList&, QTextStream&, QTextStream& err)
{
    err << "tabulon-cli: the generate command is not available yet\n";
    return 2;
}
