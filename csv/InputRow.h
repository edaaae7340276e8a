#pragma once

#include "csv/CsvRecord.h"

#include <QStringList>
#include <QStringView>
#include <QVector>

#include <initializer_list>

// Where a column of the combined input table comes from: which of a row's
// records, and which cell of it.
struct InputColumnPlace
{
    int record = 0;
    int cell = 0;
};
using InputRowLayout = QVector<InputColumnPlace>;

// One row of the combined input table held as the records it joins, not as a
// copy of their cells: the first form's record, then the matching record of
// each joined form. The records are shared with every other row they join,
// and let go with the last of them. A row without a layout is one record as
// it stands. Missing cells read as "".
class InputRow
{
public:
    InputRow() = default;
    InputRow(const QStringList &cells); // NOLINT: a plain record is a row of its own
    InputRow(std::initializer_list<QString> cells);
    explicit InputRow(CsvRecord cells);
    // layout must outlive the row; the table that made both keeps it.
    InputRow(const InputRowLayout *layout, CsvRecord first);

    void setRecord(int k, CsvRecord record);
    // A cell as it stands in its record; valid while the row is.
    QStringView view(int column) const;
    QString value(int column) const { return view(column).toString(); }
    // The cells in a list, as wide as the layout.
    QStringList cells() const;

private:
    const CsvRecord &record(int k) const;

    const InputRowLayout *layout_ = nullptr;
    // Two forms are the common case; a third and more share a list.
    CsvRecord first_;
    CsvRecord second_;
    QVector<CsvRecord> further_;
};
