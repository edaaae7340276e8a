#include "settings/InputRow.h"

#include <utility>

InputRow::InputRow(QStringList cells) : first_(std::move(cells)) {}

InputRow::InputRow(std::initializer_list<QString> cells) : first_(cells) {}

InputRow::InputRow(const InputRowLayout *layout, QStringList first)
    : layout_(layout), first_(std::move(first))
{}

void InputRow::setRecord(int k, QStringList record)
{
    if (k == 0) {
        first_ = std::move(record);
    } else if (k == 1) {
        second_ = std::move(record);
    } else {
        while (further_.size() < k - 1)
            further_.append(QStringList());
        further_[k - 2] = std::move(record);
    }
}

const QStringList &InputRow::record(int k) const
{
    static const QStringList none;
    if (k == 0)
        return first_;
    if (k == 1)
        return second_;
    return k - 2 < further_.size() ? further_.at(k - 2) : none;
}

QString InputRow::value(int column) const
{
    if (!layout_)
        return first_.value(column);
    if (column < 0 || column >= layout_->size())
        return QString();
    const InputColumnPlace place = layout_->at(column);
    return record(place.record).value(place.cell);
}

QStringList InputRow::cells() const
{
    if (!layout_)
        return first_;
    QStringList cells;
    cells.reserve(layout_->size());
    for (int c = 0; c < layout_->size(); ++c)
        cells.append(value(c));
    return cells;
}
