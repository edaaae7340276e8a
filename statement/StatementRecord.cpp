#include "statement/StatementRecord.h"

bool StatementRecord::operator==(const StatementRecord &other) const
{
    return name == other.name && address == other.address && postCode == other.postCode &&
           orderNumber == other.orderNumber && orderDate == other.orderDate &&
           productName == other.productName && productNumber == other.productNumber &&
           option == other.option && quantity == other.quantity && unitPrice == other.unitPrice &&
           subtotal == other.subtotal && sum == other.sum && tax == other.tax &&
           shippingCharge == other.shippingCharge && codCharge == other.codCharge &&
           totalSum == other.totalSum && coupon == other.coupon && point == other.point &&
           payment == other.payment && hiddenLines == other.hiddenLines &&
           linesTotal == other.linesTotal;
}
