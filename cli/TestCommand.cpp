#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"

#include "language/ConditionEvaluation.h"

// rowsmith-cli test VALUE CONDITION
int runTestCommand(const QStringList &arguments)
{
    const bool passed = evaluateCondition(arguments.at(1), arguments.at(0));
    writeStandardOutput(passed ? QStringLiteral("true\n") : QStringLiteral("false\n"));
    return 0;
}
