#pragma once

#include <QStringList>

// The two bounds of a "range(lower,upper)" condition, parsed once. A bound
// with an unknown name is no bound; a bound whose number does not convert is 0.
class NumberRange
{
public:
    NumberRange() = default;
    // bounds[0] is the lower, bounds[1] the upper bound; a missing entry is "".
    explicit NumberRange(const QStringList &bounds);

    bool contains(qint32 number) const;

private:
    enum class Lower
    {
        None,
        GreaterThan,
        NotLessThan
    };
    enum class Upper
    {
        None,
        LessThan,
        NotGreaterThan
    };

    Lower lower_ = Lower::None;
    Upper upper_ = Upper::None;
    qint32 lowerValue_ = 0;
    qint32 upperValue_ = 0;
};
