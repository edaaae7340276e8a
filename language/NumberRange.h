#pragma once

#include "language/NumberBound.h"

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
    using Kind = NumberBound::Kind;

    Kind lower_ = Kind::Unlimited;
    Kind upper_ = Kind::Unlimited;
    qint32 lowerValue_ = 0;
    qint32 upperValue_ = 0;
};
