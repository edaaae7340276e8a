#pragma once

#include "language/Vocabulary.h"

// How the conditions of one output item combine. Any other stored name, the
// empty one included, is Unset.
class ConditionCombination
{
public:
    enum class Kind
    {
        All,
        Any,
        Unset
    };

    static const Vocabulary<Kind> &words();
    static Kind kindOf(QStringView name) { return words().kindOf(name, Kind::Unset); }
};
