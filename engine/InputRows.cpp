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
    // Each row's first match, and how many rows the join makes, before any
    // is made: the joined list is allocated once.
    QVector<int> firsts;
    firsts.reserve(int(rows_.size()));
    std::size_t total = 0;
    for (const InputRow &row : rows_) {
        const int first = chains.first(row.view(targetKey));
        firsts.append(first);
        total += first < 0 ? 1 : 0;
        for (int j = first; j >= 0; j = chains.next(j))
            ++total;
    }
    std::vector<InputRow> joined;
    joined.reserve(total);
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        InputRow &row = rows_[r];
        const int first = firsts.at(int(r));
        if (first < 0) {
            joined.push_back(std::move(row));
            continue;
        }
        // The last match takes the row itself, the others a copy.
        for (int j = first; j >= 0; j = chains.next(j)) {
            const bool last = chains.next(j) < 0;
            joined.push_back(last ? std::move(row) : row);
            joined.back().setRecord(k, records.at(j));
        }
    }
    rows_ = std::move(joined);
    // The joined cells, without the key, follow the columns so far.
    for (int c = 0; c < width; ++c) {
        if (c != key)
            layout_->append({k, c});
    }
    return true;
}
