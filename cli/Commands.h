#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTextStream>
#include <optional>

// tabulon-cli with its arguments (without the program's name): picks the command, or prints the usage.
int runCli(QStringList args, QTextStream& out, QTextStream& err);

// Each command of tabulon-cli: its arguments (after the command's name), where to print results
// and where to print errors. The answer is the process's exit status.
int runCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runResaveCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runGenerateCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runTableCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runReportCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runFixturesCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runImportCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runNewCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runAdjustCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runKnockoutCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runKnockoutResultCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runRankingCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runTimetableCommand(const QStringList& args, QTextStream& out, QTextStream& err);

int runCalendarCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runPublishCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runBracketCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runServeCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// The temporary database the League Table window uses: the DatabaseName setting, settled on the
// first start as the window settles it.
QString cliDatabaseName();
