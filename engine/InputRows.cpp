#include "InputRows.h"

#include "csv/RecordChains.h"

#include <QVector>

#include <utility>

InputRows::InputRows() : layout_(std::make_unique<InputRowLayout>()) {}

void InputRows::setFirst(QVector<CsvRecord> &&fileRows)
{
    QVector<CsvRecord> records = std::move(fileRows);
    const int width = records.isEmpty() ? 0 : records.constFirst().size();
    layout_->clear();
    for (int c = 0; c < width; ++c)
        layout_->append({0, c});
    records_ = 1;
    rows_.clear();
    append(std::move(records));
}

void InputRows::append(QVector<CsvRecord> &&fileRows)
{
    QVector<CsvRecord> records = std::move(fileRows);
    if (records.size() < 2)
        return;
    rows_.reserve(rows_.size() + std::size_t(records.size() - 1));
    for (int j = 1; j < records.size(); ++j)
        rows_.emplace_back(layout_.get(), std::move(records[j]));
}

bool InputRows::join(QVector<CsvRecord> &&fileRows, int targetKey, int key)
{
    QVector<CsvRecord> records = std::move(fileRows);
    const int width = records.isEmpty() ? 0 : records.constFirst().size();
    if (targetKey < 0 || targetKey >= layout_->size() || key < 0 || key >= width)
        return false;

    const RecordChains chains(records, key);
    const int k = records_++;
    rows_ = chains.join(
        rows_, [targetKey](const InputRow &row) { return row.view(targetKey); },
        [&records, k](InputRow &row, int j) { row.setRecord(k, records.at(j)); });
    // The joined cells, without the key, follow the columns so far.
    for (int c = 0; c < width; ++c) {
        if (c != key)
            layout_->append({k, c});
    }
    return true;
}
