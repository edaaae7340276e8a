#include "settings/OutputItem.h"

bool OutputItem::operator==(const OutputItem &other) const
{
    return name == other.name && mapSources == other.mapSources && mapNums == other.mapNums &&
           mappings == other.mappings && separator == other.separator &&
           condSources == other.condSources && condNums == other.condNums &&
           conditions == other.conditions && condRules == other.condRules &&
           condCombination == other.condCombination && rules == other.rules &&
           afterRules == other.afterRules && distinct == other.distinct && merge == other.merge &&
           mergeSeparator == other.mergeSeparator;
}
