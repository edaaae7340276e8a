#pragma once

#include "csv/CsvRecord.h"
#include "csv/KeyGroups.h"

#include <QStringView>
#include <QVector>

#include <utility>

// The records of a file (row 0, the header, left out) indexed once by the
// value of one column, each value's records in file order. The index views
// the records' cells: keep them, unchanged, while it is in use.
class RecordChains
{
public:
    RecordChains(const QVector<CsvRecord> &fileRows, int column);

    // The first record holding value, or -1; then each next one, or -1.
    int first(QStringView value) const;
    int next(int record) const { return chains_.next(record); }

    // The join of rows with the records on their key, keyOf(row): each row
    // gives one row per record holding its key, in file order, attach(row,
    // record) adding that record to it; the last takes the row itself, the
    // others a copy. A row without a record stays as it is.
    template <typename Rows, typename KeyOf, typename Attach>
    Rows join(Rows &rows, KeyOf keyOf, Attach attach) const;

private:
    QStringView valueOf(int record) const;

    const QVector<CsvRecord> &records_;
    const int column_;
    KeyGroups chains_; // one group per distinct value
};

template <typename Rows, typename KeyOf, typename Attach>
Rows RecordChains::join(Rows &rows, KeyOf keyOf, Attach attach) const
{
    // Each row's first match, and how many rows the join makes, before any
    // is made: the joined list is allocated once.
    QVector<int> firsts;
    firsts.reserve(int(rows.size()));
    int total = 0;
    for (const auto &row : rows) {
        const int f = first(keyOf(row));
        firsts.append(f);
        total += f < 0 ? 1 : 0;
        for (int j = f; j >= 0; j = next(j))
            ++total;
    }
    Rows joined;
    joined.reserve(typename Rows::size_type(total));
    int r = 0;
    for (auto &row : rows) {
        const int f = firsts.at(r++);
        if (f < 0) {
            joined.push_back(std::move(row));
            continue;
        }
        for (int j = f; j >= 0; j = next(j)) {
            joined.push_back(next(j) < 0 ? std::move(row) : row);
            attach(joined.back(), j);
        }
    }
    return joined;
}
