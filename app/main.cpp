#include "core/tournament/ProgramFolders.h"
#include "gui/main/MainWindow.h"
#include "gui/main/Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>

namespace {

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Veltrix"));
    QCoreApplication::setApplicationName(QStringLiteral("Tabulon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TABULON_VERSION));
}

void describeArguments(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Runs a sports tournament or league: fixtures, results, "
                                                    "league tables and reports."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE.trn"), QStringLiteral("The tournament file (.trn) to open."),
                                 QStringLiteral("[FILE.trn]"));
}

// Help and the version answer on the terminal, which may have no display to start windows on.
bool asksOnlyForText(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameApplication();
        QCommandLineParser parser;
        describeArguments(parser);
        parser.process(app); // prints the answer and exits
        return 0;
    }

    QApplication app(argc, argv);
    nameApplication();
    // The windows speak the system's language where a translation ships; files, reports and
    // tabulon-cli stay English (see installTranslations).
    installTranslations(QLocale::system(), programFolders(QCoreApplication::applicationDirPath()).data);
    QGuiApplication::setDesktopFileName(QStringLiteral("example.veltrix.Tabulon"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tabulon/icon.png")));
    QCommandLineParser parser;
    describeArguments(parser);
    parser.process(app);

    MainWindow window;
    window.show();
    window.offerRecovery();
    // A file opened from the desktop or the terminal takes File > Open's path; one that cannot be
    // read leaves the program running with no tournament.
    if (!parser.positionalArguments().isEmpty())
        window.openTournamentFile(QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath());
    return app.exec();
}
