#include "language/ConditionEvaluation.h"

#include "language/CompiledCondition.h"
#include "language/NumberRange.h"
#include "language/TextTest.h"

bool testTextCondition(const QString &condition, const QString &value)
{
    return TextTest(condition).matches(value);
}

bool testNumberRange(const QStringList &bounds, qint32 number)
{
    return NumberRange(bounds).contains(number);
}

bool evaluateCondition(const QString &condition, const QString &value)
{
    return CompiledCondition(condition).test(value);
}
