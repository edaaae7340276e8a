#include "csv/KeyGroups.h"

void KeyGroups::clear()
{
    table_.clear();
    group_.clear();
    next_.clear();
    first_.clear();
    last_.clear();
}
