// tabulon-cli: Tabulon's tournament work without windows.
#include "cli/Commands.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Veltrix"));
    QCoreApplication::setApplicationName(QStringLiteral("Tabulon"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCli(app.arguments().mid(1), out, err);
}
