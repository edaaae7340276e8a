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
        {QStringLiteral("list"), QStringLiteral("[--long]"),
         QStringLiteral("Prints the setting names of ./rowsmith.dat, one per line; --long adds,\n"
                        "      after tabs, the output encoding (system, UTF-8, UTF-8-BOM or\n"
                        "      Shift_JIS) and what becomes of a character it cannot hold:\n"
                        "      \"refuse\" (the run stops) or \"replace\" (written as U+3013)."),
         0, 1, runListCommand},
        {QStringLiteral("convert"),
         QStringLiteral("--setting NAME --output FILE|- [--encoding NAME] [--verbose] INPUT..."),
         QStringLiteral("Converts the input files by the setting; prints the written paths.\n"
                        "      --encoding writes the output in system, UTF-8, UTF-8-BOM or\n"
                        "      Shift_JIS instead of the setting's encoding."),
         5, -1, runConvertCommand, true},
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
