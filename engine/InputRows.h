#pragma once

#include "csv/InputRow.h"

#include <QVector>

#include <memory>
#include <vector>

// The data rows of a run's combined input table. A joined row refers to the
// records it joins instead of copying their cells, so an order with many
// lines is held once. The rows read through the table's layout: keep the
// table while they are in use.
class InputRows
{
public:
    InputRows();

    // Each takes a file's rows, header first; the header is left out.
    void setFirst(QVector<CsvRecord> &&fileRows);
    void append(QVector<CsvRecord> &&fileRows);
    // Joins as InputTable::joinForm does, on the same checks.
    bool join(QVector<CsvRecord> &&fileRows, int targetKey, int key);

    int size() const { return int(rows_.size()); }
    std::vector<InputRow> &rows() { return rows_; }

private:
    std::unique_ptr<InputRowLayout> layout_;
    int records_ = 0; // records per full row
    std::vector<InputRow> rows_;
};
