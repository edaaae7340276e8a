#include "language/CompiledCondition.h"

#include "language/NumberRange.h"
#include "language/NumberText.h"
#include "language/RuleText.h"
#include "language/TextTest.h"

class CompiledConditionData : public QSharedData
{
public:
    bool isRange = false;
    TextTest textTest;
    NumberRange range;
};

CompiledCondition::CompiledCondition() : d(new CompiledConditionData) {}

CompiledCondition::CompiledCondition(const QString &condition) : d(new CompiledConditionData)
{
    if (ruleFunctionNameView(condition) == QLatin1String("range")) {
        d->isRange = true;
        d->range =
            NumberRange(ruleArgumentText(condition).split(QLatin1Char(','), Qt::KeepEmptyParts));
    } else {
        d->textTest = TextTest(condition);
    }
}

CompiledCondition::CompiledCondition(const CompiledCondition &other) = default;
CompiledCondition &CompiledCondition::operator=(const CompiledCondition &other) = default;
CompiledCondition::~CompiledCondition() = default;

bool CompiledCondition::test(QStringView value) const
{
    if (d->isRange)
        return d->range.contains(toInt32OrZero(value));
    return d->textTest.matches(value);
}
