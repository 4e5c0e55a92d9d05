#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// Runs the tabulon-cli executable (TABULON_CLI, set by tests/cli/CMakeLists.txt) and keeps what it
// printed. `configHome`, when given, becomes the program's settings folder.
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList& args, const QString& configHome = QString())
{
    QProcess process;
    if (!configHome.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(TABULON_CLI), args);
    CliRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
