#include "settings/StatementOptions.h"

bool StatementOptions::operator==(const StatementOptions &other) const
{
    return generate == other.generate && title == other.title && ment == other.ment &&
           comment == other.comment && font == other.font &&
           printCompanyName == other.printCompanyName && printStoreName == other.printStoreName &&
           printStorePostCode == other.printStorePostCode &&
           printStoreAddress == other.printStoreAddress && printStoreTel == other.printStoreTel &&
           printStoreFax == other.printStoreFax && printStoreEmail == other.printStoreEmail &&
           printStoreSite == other.printStoreSite;
}
