// Builds the temporary database that ships beside the program from the program's schema:
//   make_tempdb OUTPUT.mdb
#include "core/standings/TempDatabase.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: make_tempdb OUTPUT.mdb\n";
        return 2;
    }
    QString error;
    if (!createTempDatabase(args[1], &error)) {
        err << "cannot create " << args[1] << ": " << error << "\n";
        return 1;
    }
    return 0;
}
