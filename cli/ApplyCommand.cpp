#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"

#include "language/CompiledRuleList.h"

// rowsmith-cli apply VALUE RULE [RULE...]
int runApplyCommand(const QStringList &arguments)
{
    const CompiledRuleList rules(arguments.mid(1));
    writeStandardOutput(rules.apply(arguments.first()) + QLatin1Char('\n'));
    return 0;
}
