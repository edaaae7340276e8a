#pragma once

#include <QString>
#include <QStringList>

// Exit code of a command line that does not fit any command.
constexpr int ExitUsage = 2;

// Runs the command that arguments (without the program name) name, and
// returns the program's exit code.
int runCommandLine(const QStringList &arguments);
QString usageText();
// Prints the usage text on stderr; returns ExitUsage, so a handler can end
// with `return usageError();`.
int usageError();
