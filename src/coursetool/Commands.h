#pragma once
// The command line of coursetool: which command, its arguments, and what it prints.

#include <QStringList>

class QTextStream;

namespace coursetool {

// Runs one command; returns the process exit code (0 done, 1 problems found or the
// command failed, 2 a wrong command line).
int runCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
int runCommand(const QStringList &arguments);

} // namespace coursetool
