#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One of the 19 statement fields of a setting, stored as SettingInfo/{name}/{key}.
struct StatementField
{
    bool toPrint = false;
    QList<int> mapNums;
    QStringList mappings;
    QStringList rules;
    QString separator;

    bool operator==(const StatementField &other) const
    {
        return toPrint == other.toPrint && mapNums == other.mapNums && mappings == other.mappings &&
               rules == other.rules && separator == other.separator;
    }
};

namespace StatementFields {
constexpr int Count = 19;
enum Index
{
    Name,
    Address,
    PostCode,
    OrderNumber,
    OrderDate,
    ProductName,
    ProductNumber,
    Option,
    Quantity,
    UnitPrice,
    Subtotal,
    Sum,
    Tax,
    ShippingCharge,
    CodCharge,
    TotalSum,
    Coupon,
    Point,
    Payment
};
// The group keys in field order: "Name", "Address", ..., "C.O.D.Charge", ..., "Payment".
QStringList keys();
} // namespace StatementFields
