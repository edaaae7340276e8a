#include "cli/CommandLine.h"

#include "cli/CommandTable.h"
#include "cli/ConsoleOutput.h"

namespace {

bool isHelpRequest(const QString &argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h") ||
           argument == QLatin1String("help");
}

bool fitsArgumentCount(const Command &command, int count)
{
    return count >= command.minimumArguments &&
           (command.maximumArguments < 0 || count <= command.maximumArguments);
}

} // namespace

QString usageText()
{
    QString text = QStringLiteral("Usage:\n");
    for (const Command &command : commandTable()) {
        text += QStringLiteral("  rowsmith-cli %1 %2\n      %3\n")
                    .arg(command.name, command.arguments, command.description);
    }
    text += QStringLiteral("  rowsmith-cli --help\n      Prints this text.\n");
    return text;
}

int usageError()
{
    writeStandardError(usageText());
    return ExitUsage;
}

int runCommandLine(const QStringList &arguments)
{
    if (arguments.size() == 1 && isHelpRequest(arguments.first())) {
        writeStandardOutput(usageText());
        return 0;
    }
    const Command *command = arguments.isEmpty() ? nullptr : findCommand(arguments.first());
    if (!command || !fitsArgumentCount(*command, arguments.size() - 1))
        return usageError();
    return command->run(arguments.mid(1));
}
