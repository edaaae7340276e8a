#include "csv/InputRow.h"

#include <utility>

InputRow::InputRow(const QStringList &cells) : first_(cells) {}

InputRow::InputRow(std::initializer_list<QString> cells) : first_(QStringList(cells)) {}

InputRow::InputRow(CsvRecord cells) : first_(std::move(cells)) {}

InputRow::InputRow(const InputRowLayout *layout, CsvRecord first)
    : layout_(layout), first_(std::move(first))
{}

void InputRow::setRecord(int k, CsvRecord record)
{
    if (k == 0) {
        first_ = std::move(record);
    } else if (k == 1) {
        second_ = std::move(record);
    } else {
        while (further_.size() < k - 1)
            further_.append(CsvRecord());
        further_[k - 2] = std::move(record);
    }
}

const CsvRecord &InputRow::record(int k) const
{
    static const CsvRecord none;
    if (k == 0)
        return first_;
    if (k == 1)
        return second_;
    return k - 2 < further_.size() ? further_.at(k - 2) : none;
}

QStringView InputRow::view(int column) const
{
    if (!layout_)
        return first_.view(column);
    if (column < 0 || column >= layout_->size())
        return QStringView();
    const InputColumnPlace place = layout_->at(column);
    return record(place.record).view(place.cell);
}

QStringList InputRow::cells() const
{
    const int width = layout_ ? layout_->size() : first_.size();
    QStringList cells;
    cells.reserve(width);
    for (int c = 0; c < width; ++c)
        cells.append(value(c));
    return cells;
}
