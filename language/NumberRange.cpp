#include "language/NumberRange.h"

#include "language/RuleText.h"

NumberRange::NumberRange(const QStringList &bounds)
{
    const QString lower = bounds.value(0);
    lower_ = NumberBound::kindOf(ruleFunctionNameView(lower), true);
    if (lower_ != Kind::Unlimited)
        lowerValue_ = ruleArgumentNumber(lower);

    const QString upper = bounds.value(1);
    upper_ = NumberBound::kindOf(ruleFunctionNameView(upper), false);
    if (upper_ != Kind::Unlimited)
        upperValue_ = ruleArgumentNumber(upper);
}

bool NumberRange::contains(qint32 number) const
{
    if (lower_ == Kind::GreaterThan && number <= lowerValue_)
        return false;
    if (lower_ == Kind::NotLessThan && number < lowerValue_)
        return false;
    if (upper_ == Kind::LessThan && number >= upperValue_)
        return false;
    if (upper_ == Kind::NotGreaterThan && number > upperValue_)
        return false;
    return true;
}
