#pragma once

#include "settings/ConvertSetting.h"

// The convert setting "bench" over the generated exports: about 25 output
// items using every rule kind, text and number conditions under AND and OR,
// company fields, and the order number as key with string and number merges.
class BenchSetting
{
public:
    static ConvertSetting make();
    // "bench-statement": the same, and the purchase statement with every
    // statement field printed.
    static ConvertSetting makeWithStatement();
    // Saves both settings and a company record into ./rowsmith.dat.
    static bool save();
};
