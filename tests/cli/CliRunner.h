#pragma once

#include "cli/CommandLine.h"
#include "cli/ConsoleOutput.h"

#include <QByteArray>
#include <QStringList>

// One command line run inside the test: exit code and both streams as the
// program would have written them (UTF-8).
struct CliOutcome
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline CliOutcome runCli(const QStringList &arguments)
{
    const ConsoleCapture capture;
    CliOutcome outcome;
    outcome.exitCode = runCommandLine(arguments);
    outcome.out = capture.output();
    outcome.err = capture.error();
    return outcome;
}
