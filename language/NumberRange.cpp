#include "language/NumberRange.h"

#include "language/RuleText.h"

// "unLimit" needs no case of its own: it is neither a lower nor an upper bound name.
NumberRange::NumberRange(const QStringList &bounds)
{
    const QString lower = bounds.value(0);
    const QStringView lowerName = ruleFunctionNameView(lower);
    if (lowerName == QLatin1String("greaterThan"))
        lower_ = Lower::GreaterThan;
    else if (lowerName == QLatin1String("notLessThan"))
        lower_ = Lower::NotLessThan;
    if (lower_ != Lower::None)
        lowerValue_ = ruleArgumentNumber(lower);

    const QString upper = bounds.value(1);
    const QStringView upperName = ruleFunctionNameView(upper);
    if (upperName == QLatin1String("lessThan"))
        upper_ = Upper::LessThan;
    else if (upperName == QLatin1String("notGreaterThan"))
        upper_ = Upper::NotGreaterThan;
    if (upper_ != Upper::None)
        upperValue_ = ruleArgumentNumber(upper);
}

bool NumberRange::contains(qint32 number) const
{
    if (lower_ == Lower::GreaterThan && number <= lowerValue_)
        return false;
    if (lower_ == Lower::NotLessThan && number < lowerValue_)
        return false;
    if (upper_ == Upper::LessThan && number >= upperValue_)
        return false;
    if (upper_ == Upper::NotGreaterThan && number > upperValue_)
        return false;
    return true;
}
