#include "settings/StatementField.h"

namespace StatementFields {

QStringList keys()
{
    static const QStringList list{QStringLiteral("Name"),          QStringLiteral("Address"),
                                  QStringLiteral("PostCode"),      QStringLiteral("OrderNumber"),
                                  QStringLiteral("OrderDate"),     QStringLiteral("ProductName"),
                                  QStringLiteral("ProductNumber"), QStringLiteral("Option"),
                                  QStringLiteral("Quantity"),      QStringLiteral("UnitPrice"),
                                  QStringLiteral("Subtotal"),      QStringLiteral("Sum"),
                                  QStringLiteral("Tax"),           QStringLiteral("ShippingCharge"),
                                  QStringLiteral("C.O.D.Charge"),  QStringLiteral("TotalSum"),
                                  QStringLiteral("Coupon"),        QStringLiteral("Point"),
                                  QStringLiteral("Payment")};
    return list;
}

} // namespace StatementFields
