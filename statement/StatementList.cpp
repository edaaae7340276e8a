#include "statement/StatementList.h"

#include "settings/StatementField.h"

#include <limits>
#include <utility>

namespace {

// Amounts come in as 32-bit numbers, so products and sums fit in 64 bits for
// any realistic order; saturating keeps even absurd inputs defined.
constexpr qint64 Max = std::numeric_limits<qint64>::max();
constexpr qint64 Min = std::numeric_limits<qint64>::min();

qint64 addSaturated(qint64 a, qint64 b)
{
    if (b > 0 && a > Max - b)
        return Max;
    if (b < 0 && a < Min - b)
        return Min;
    return a + b;
}

qint64 subtractSaturated(qint64 a, qint64 b)
{
    if (b < 0 && a > Max + b)
        return Max;
    if (b > 0 && a < Min + b)
        return Min;
    return a - b;
}

qint64 multiplySaturated(qint64 a, qint64 b)
{
    if (a == 0 || b == 0)
        return 0;
    const bool negative = (a < 0) != (b < 0);
    // Compare magnitudes in unsigned arithmetic, where |Min| is representable.
    const quint64 ua = a < 0 ? quint64(0) - quint64(a) : quint64(a);
    const quint64 ub = b < 0 ? quint64(0) - quint64(b) : quint64(b);
    const quint64 limit = negative ? quint64(Max) + 1 : quint64(Max);
    if (ua > limit / ub)
        return negative ? Min : Max;
    const quint64 product = ua * ub;
    if (!negative)
        return qint64(product);
    return product == quint64(Max) + 1 ? Min : -qint64(product);
}

template <typename T> T firstOr(const QList<T> &list, const T &fallback)
{
    return list.isEmpty() ? fallback : list.first();
}

qint64 entryOrZero(const QList<qint64> &list, int k)
{
    return k < list.size() ? list.at(k) : 0;
}

// A line's subtotal, or its quantity times its unit price where that is 0.
qint64 completedSubtotal(qint64 quantity, qint64 unitPrice, qint64 subtotal)
{
    return subtotal != 0 ? subtotal : multiplySaturated(quantity, unitPrice);
}

// The sum of the kept lines' subtotals, completed.
qint64 keptLinesTotal(const StatementRecord &record)
{
    qint64 sum = 0;
    for (int k = 0; k < record.subtotal.size(); ++k)
        sum = addSaturated(sum, completedSubtotal(entryOrZero(record.quantity, k),
                                                  entryOrZero(record.unitPrice, k),
                                                  record.subtotal.at(k)));
    return sum;
}

void completeTotals(StatementRecord &record)
{
    for (int k = 0; k < record.subtotal.size(); ++k)
        record.subtotal[k] =
            completedSubtotal(entryOrZero(record.quantity, k), entryOrZero(record.unitPrice, k),
                              record.subtotal.at(k));
    if (record.sum == 0)
        record.sum = record.hiddenLines > 0 ? record.linesTotal : keptLinesTotal(record);
    if (record.totalSum == 0)
        record.totalSum = addSaturated(
            addSaturated(addSaturated(record.shippingCharge, record.codCharge), record.tax),
            record.sum);
    if (record.payment == 0)
        record.payment =
            subtractSaturated(subtractSaturated(record.totalSum, record.point), record.coupon);
}

} // namespace

void StatementList::clear()
{
    records_.clear();
}

void StatementList::append(const StatementRecord &record)
{
    records_.append(record);
}

int StatementList::count() const
{
    return records_.size();
}

StatementRecord StatementList::record(int i) const
{
    return i >= 0 && i < records_.size() ? records_.at(i) : StatementRecord();
}

const StatementRecord &StatementList::at(int i) const
{
    return records_.at(i);
}

void StatementList::removeAt(int i)
{
    if (i >= 0 && i < records_.size())
        records_.removeAt(i);
}

void StatementList::appendFirstLine(int i, const StatementRecord &duplicate)
{
    if (i < 0 || i >= records_.size())
        return;
    StatementRecord &target = records_[i];
    if (target.productName.size() < lineLimit_) {
        target.productName.append(firstOr(duplicate.productName, QString()));
        target.productNumber.append(firstOr(duplicate.productNumber, QString()));
        target.option.append(firstOr(duplicate.option, QString()));
        target.quantity.append(firstOr<qint64>(duplicate.quantity, 0));
        target.unitPrice.append(firstOr<qint64>(duplicate.unitPrice, 0));
        target.subtotal.append(firstOr<qint64>(duplicate.subtotal, 0));
        return;
    }
    // The kept lines are final from here on: the sum goes on from theirs, in
    // line order, as it would over every line.
    if (target.hiddenLines == 0)
        target.linesTotal = keptLinesTotal(target);
    ++target.hiddenLines;
    target.linesTotal =
        addSaturated(target.linesTotal, completedSubtotal(firstOr<qint64>(duplicate.quantity, 0),
                                                          firstOr<qint64>(duplicate.unitPrice, 0),
                                                          firstOr<qint64>(duplicate.subtotal, 0)));
}

void StatementList::mergeInto(int i, int j)
{
    if (i < 0 || j < 0 || i >= records_.size() || j >= records_.size() || i == j)
        return;
    appendFirstLine(i, records_.at(j));
    records_.removeAt(j);
}

void StatementList::mergeGroups(const QVector<QVector<int>> &groups)
{
    const int size = records_.size();
    // An index outside the list, or one already used by an earlier group, is
    // ignored, so that no record can be taken twice.
    QVector<bool> used(size, false);
    auto take = [&](int index) {
        if (index < 0 || index >= size || used.at(index))
            return false;
        used[index] = true;
        return true;
    };

    // Survivors are merged into in place, then moved together.
    QVector<int> survivors;
    survivors.reserve(groups.size());
    for (const QVector<int> &group : groups) {
        if (group.isEmpty() || !take(group.first()))
            continue;
        survivors.append(group.first());
        for (int k = 1; k < group.size(); ++k) {
            if (take(group.at(k)))
                appendFirstLine(group.first(), records_.at(group.at(k)));
        }
    }
    QList<StatementRecord> merged;
    merged.reserve(survivors.size());
    for (const int survivor : qAsConst(survivors))
        merged.append(std::move(records_[survivor]));
    records_ = std::move(merged);
}

void StatementList::computeTotals()
{
    if (!printed_[StatementFields::Subtotal] && !printed_[StatementFields::Sum] &&
        !printed_[StatementFields::TotalSum] && !printed_[StatementFields::Payment])
        return;
    for (StatementRecord &record : records_)
        completeTotals(record);
}

void StatementList::setLineLimit(int lines)
{
    lineLimit_ = qMax(1, lines);
}

void StatementList::setPrinted(int field, bool printed)
{
    if (field >= 0 && field < int(printed_.size()))
        printed_[field] = printed;
}

bool StatementList::isPrinted(int field) const
{
    return field >= 0 && field < int(printed_.size()) && printed_[field];
}

void StatementList::setCompanyFlags(const StatementOptions &options)
{
    company_ = {options.printCompanyName,  options.printStoreName, options.printStorePostCode,
                options.printStoreAddress, options.printStoreSite, options.printStoreTel,
                options.printStoreFax,     options.printStoreEmail};
}

bool StatementList::companyFlag(int line) const
{
    return line >= 0 && line < int(company_.size()) && company_[line];
}
