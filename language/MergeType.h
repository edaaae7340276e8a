#pragma once

#include "language/Vocabulary.h"

// How an output item merges the values of rows that fold into one. Any other
// stored name, the empty one included, merges nothing.
class MergeType
{
public:
    enum class Kind
    {
        None,
        Strings,
        Numbers
    };

    static const Vocabulary<Kind> &words();
    static Kind kindOf(QStringView name) { return words().kindOf(name, Kind::None); }
};
