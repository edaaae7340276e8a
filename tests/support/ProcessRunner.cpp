#include "support/ProcessRunner.h"

#include <QProcess>

ProcessResult runProcess(const QString &program, const QStringList &arguments,
                         const ProcessOptions &options)
{
    QProcess process;
    process.setProcessEnvironment(options.environment);
    if (!options.workingDirectory.isEmpty())
        process.setWorkingDirectory(options.workingDirectory);
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForFinished(options.timeoutMs))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

ProcessResult runCliProcess(const QStringList &arguments, const ProcessOptions &options)
{
    return runProcess(QStringLiteral(ROWSMITH_CLI_PATH), arguments, options);
}
