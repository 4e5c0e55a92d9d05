// tabulon-cli serve: the tournament's site served live from its file until Ctrl+C.
#include "cli/Commands.h"
#include "core/common/FullStop.h"
#include "core/live/LiveServer.h"
#include "core/reports/Report.h"
#include "core/tournament/TournamentFile.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <atomic>
#include <csignal>

namespace {

const char* const kUsage = "Usage: tabulon-cli serve FILE.trn [--address 127.0.0.1] [--port 8080]\n";

std::atomic<bool> stopRequested { false };

void requestStop(int)
{
    stopRequested = true;
}

int refuse(QTextStream& err, const QString& message, int status)
{
    err << "tabulon-cli serve: " << withFullStop(message) << '\n';
    return status;
}

// What tells a saved file from the one read before: a save replaces the file, an edit in place
// changes its time or size.
QString fileStamp(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() ? QString::number(info.lastModified().toMSecsSinceEpoch()) + u'/'
            + QString::number(info.size()) + u'/' + QString::number(info.metadataChangeTime().toMSecsSinceEpoch())
                         : QString();
}

} // namespace

int runServeCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    const QCommandLineOption addressOption(QStringLiteral("address"), QString(), QStringLiteral("ADDRESS"),
                                           QStringLiteral("127.0.0.1"));
    const QCommandLineOption portOption(QStringLiteral("port"), QString(), QStringLiteral("PORT"),
                                        QStringLiteral("8080"));
    parser.addOptions({ addressOption, portOption });
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    if (!parser.parse(QStringList { QStringLiteral("serve") } + args)) {
        err << "tabulon-cli serve: " << parser.errorText() << '\n' << kUsage;
        return 2;
    }
    if (parser.positionalArguments().size() != 1) {
        err << kUsage;
        return 2;
    }
    bool portOk = false;
    const int port = parser.value(portOption).toInt(&portOk);
    if (!portOk || port < 0 || port > 65535)
        return refuse(
            err, QStringLiteral("--port needs a number from 0 to 65535, not \"%1\".").arg(parser.value(portOption)), 2);
    const QString path = parser.positionalArguments().first();
    QString stamp = fileStamp(path);
    const TournamentReadResult read = readTournamentFile(path);
    if (!read.ok())
        return refuse(err, read.error, 1);

    const QString databaseName = cliDatabaseName();
    LiveServer server;
    QString error;
    if (!serveTournament(server, *read.data, databaseName, &error))
        return refuse(err, error, 1);
    if (!server.start(parser.value(addressOption), port, &error))
        return refuse(err, error, 1);
    out << "Serving " << shortTitleOf(read.data->title) << " at " << server.url() << " (Ctrl+C stops)\n";
    out.flush();

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    QEventLoop loop;
    QTimer watch;
    // A look at the file four times a second keeps a change well within the two seconds a reader
    // waits, and sees a file replaced by a save, which a watch on the file itself would lose.
    watch.setInterval(250);
    QString lastProblem;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&]() {
        if (stopRequested) {
            loop.quit();
            return;
        }
        const QString now = fileStamp(path);
        if (now == stamp)
            return;
        stamp = now;
        const TournamentReadResult changed = readTournamentFile(path);
        QString problem = changed.ok() ? QString() : changed.error;
        if (changed.ok())
            serveTournament(server, *changed.data, databaseName, &problem);
        if (!problem.isEmpty() && problem != lastProblem) {
            err << "tabulon-cli serve: " << withFullStop(problem) << " The pages read before are still served.\n";
            err.flush();
        }
        lastProblem = problem;
    });
    watch.start();
    loop.exec();
    server.stop();
    out << "Stopped\n";
    return 0;
}
