#pragma once

#include "language/Vocabulary.h"

// One bound of a "range(lower,upper)" condition. A bound counts only in its
// own place: any other name there, the other place's names included, is
// Unlimited.
class NumberBound
{
public:
    enum class Kind
    {
        GreaterThan,
        NotLessThan,
        LessThan,
        NotGreaterThan,
        Unlimited
    };

    // The bounds of the lower or the upper place, Unlimited last; the
    // descriptions read with the bound's number.
    static const Vocabulary<Kind> &words(bool lower);
    static Kind kindOf(QStringView name, bool lower)
    {
        return words(lower).kindOf(name, Kind::Unlimited);
    }
};
