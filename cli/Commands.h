#pragma once

#include <QStringList>
#include <QTextStream>

// Each command of tabulon-cli: its arguments (after the command's name), where to print results
// and where to print errors. The answer is the process's exit status.
int runCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runResaveCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runGenerateCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int runTableCommand(const QStringList& args, QTextStream& out, QTextStream& err);
