#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// A program run to its end: exit code (-1 when it did not start or finish,
// -2 when it crashed) and both output streams.
struct ProcessResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

struct ProcessOptions
{
    QString workingDirectory; // empty: the test's own
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    int timeoutMs = 60000;
};

ProcessResult runProcess(const QString &program, const QStringList &arguments,
                         const ProcessOptions &options = ProcessOptions());
// rowsmith-cli, as built beside the tests.
ProcessResult runCliProcess(const QStringList &arguments,
                            const ProcessOptions &options = ProcessOptions());
