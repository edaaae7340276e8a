#pragma once

#include "csv/CsvRecord.h"
#include "csv/GroupTable.h"
#include "engine/DistinctMerger.h"

#include <QList>
#include <QStringList>
#include <QVector>

// Distinct and merge over a whole list of built rows, one row after another:
// the plain form of what a run does in chunks, kept as the tests' reference.
// Rows keep the order of their first occurrences.
class ListMerger
{
public:
    // Each group: the original index of a surviving row, then the original
    // indexes of its duplicates in row order; groups in the order of the rows
    // that remain, covering every row once. Empty without a key item.
    using Groups = QVector<QVector<int>>;

    explicit ListMerger(const QList<OutputItem> &items);

    // Changes rows in place.
    void distinctAndMerge(QList<QStringList> &rows, Groups *groups = nullptr);

    void reserve(int rows);
    // The next row, one cell per item; true when it is kept, the first of its keys.
    bool add(const QStringList &row);
    // The rows after merging and the after-merge rules; the merger is empty afterwards.
    QList<QStringList> takeRows(Groups *groups = nullptr);

private:
    // One surviving row; its duplicates' values are folded into it as they come.
    struct Group
    {
        int survivor = 0;        // original index
        int merged = -1;         // where its merged values are, once it has a duplicate
        QVector<int> duplicates; // original indexes, in row order
    };

    uint keyHash(const CsvRecord &row) const;
    bool sameKeys(const CsvRecord &a, const CsvRecord &b) const;
    void clear();

    const DistinctMerger merger_;
    QVector<int> keyColumns_;
    QVector<CsvRecord> rows_; // surviving rows
    QVector<Group> groups_;
    GroupTable table_;
    QVector<DistinctMerger::Merged> merged_; // per group with duplicates
    int added_ = 0;
};
