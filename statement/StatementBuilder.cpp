#include "statement/StatementBuilder.h"

#include "language/NumberText.h"

namespace {

QString joinedValue(const StatementField &field, const InputRow &inputRow)
{
    QString value;
    for (int k = 0; k < field.mapNums.size(); ++k) {
        if (k > 0)
            value += field.separator;
        value += inputRow.view(field.mapNums.at(k));
    }
    return value;
}

} // namespace

StatementBuilder::StatementBuilder(const QList<StatementField> &fields) : fields_(fields)
{
    // A short list (a damaged setting) behaves like fields that are not printed.
    while (fields_.size() < StatementFields::Count)
        fields_.append(StatementField());
    rules_.reserve(fields_.size());
    for (const StatementField &field : qAsConst(fields_))
        rules_.append(CompiledRuleList(field.rules));
}

StatementRecord StatementBuilder::buildStatementRecord(const InputRow &inputRow) const
{
    StatementRecord record;
    for (int c = 0; c < StatementFields::Count; ++c) {
        const StatementField &field = fields_.at(c);
        const QString value =
            field.toPrint ? rules_.at(c).apply(joinedValue(field, inputRow)) : QString();
        switch (c) {
        case StatementFields::Name:
            record.name = value;
            break;
        case StatementFields::Address:
            record.address = value;
            break;
        case StatementFields::PostCode:
            record.postCode = value;
            break;
        case StatementFields::OrderNumber:
            record.orderNumber = value;
            break;
        case StatementFields::OrderDate:
            record.orderDate = value;
            break;
        case StatementFields::ProductName:
            record.productName.append(value);
            break;
        case StatementFields::ProductNumber:
            record.productNumber.append(value);
            break;
        case StatementFields::Option:
            record.option.append(value);
            break;
        case StatementFields::Quantity:
            record.quantity.append(value.isEmpty() ? 1 : toInt32OrZero(value));
            break;
        case StatementFields::UnitPrice:
            record.unitPrice.append(toInt32OrZero(value));
            break;
        case StatementFields::Subtotal:
            record.subtotal.append(toInt32OrZero(value));
            break;
        case StatementFields::Sum:
            record.sum = toInt32OrZero(value);
            break;
        case StatementFields::Tax:
            record.tax = toInt32OrZero(value);
            break;
        case StatementFields::ShippingCharge:
            record.shippingCharge = toInt32OrZero(value);
            break;
        case StatementFields::CodCharge:
            record.codCharge = toInt32OrZero(value);
            break;
        case StatementFields::TotalSum:
            record.totalSum = toInt32OrZero(value);
            break;
        case StatementFields::Coupon:
            record.coupon = toInt32OrZero(value);
            break;
        case StatementFields::Point:
            record.point = toInt32OrZero(value);
            break;
        case StatementFields::Payment:
            record.payment = toInt32OrZero(value);
            break;
        default:
            break;
        }
    }
    return record;
}
