#pragma once

#include <QStringList>
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
    InputRow(QStringList cells); // NOLINT: a plain record is a row of its own
    InputRow(std::initializer_list<QString> cells);
    // layout must outlive the row; the table that made both keeps it.
    InputRow(const InputRowLayout *layout, QStringList first);

    void setRecord(int k, QStringList record);
    QString value(int column) const;
    // The cells in a list, as wide as the layout.
    QStringList cells() const;

private:
    const QStringList &record(int k) const;

    const InputRowLayout *layout_ = nullptr;
    // Two forms are the common case; a third and more share a list.
    QStringList first_;
    QStringList second_;
    QList<QStringList> further_;
};
