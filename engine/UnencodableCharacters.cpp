#include "UnencodableCharacters.h"

#include <algorithm>

void UnencodableCharacters::add(const Row &row)
{
    rows_.append(row);
    count_ += row.count;
}

void UnencodableCharacters::add(const UnencodableCharacters &other)
{
    rows_ += other.rows_;
    count_ += other.count_;
}

// Merged values are written after the rows that follow them, so rows come
// out of order.
QVector<int> UnencodableCharacters::rowNumbers() const
{
    QVector<int> numbers;
    numbers.reserve(rows_.size());
    for (const Row &row : rows_)
        numbers.append(row.row);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}
