#include "cli/CommandTable.h"

#include "cli/Commands.h"

const QVector<Command> &commandTable()
{
    static const QVector<Command> table = {
        {QStringLiteral("apply"), QStringLiteral("VALUE RULE [RULE...]"),
         QStringLiteral("Prints VALUE after applying the rules in order."), 2, -1, runApplyCommand},
        {QStringLiteral("test"), QStringLiteral("VALUE CONDITION"),
         QStringLiteral("Prints true when VALUE passes the condition, else false."), 2, 2,
         runTestCommand},
        {QStringLiteral("list"), QString(),
         QStringLiteral("Prints the setting names of ./rowsmith.dat, one per line."), 0, 0,
         runListCommand},
        {QStringLiteral("convert"),
         QStringLiteral("--setting NAME --output FILE|- [--verbose] INPUT..."),
         QStringLiteral("Converts the input files by the setting; prints the written paths."), 5,
         -1, runConvertCommand, true},
    };
    return table;
}

const Command *findCommand(const QString &name)
{
    for (const Command &command : commandTable()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}
