#pragma once

#include "csv/CsvRecord.h"
#include "csv/GroupTable.h"
#include "language/CompiledRuleList.h"
#include "settings/OutputItem.h"

#include <QList>
#include <QStringList>
#include <QVarLengthArray>
#include <QVector>

// Removes the rows that repeat an earlier row on the key items, folds their
// values into the surviving row for the items with a merge type, then applies
// the after-merge rules to every remaining row. Rows keep the order of their
// first occurrences; duplicates fold in row order. Linear in the rows: equal
// keys are found through a hash of their values.
//
// Rows can be given one by one (add, then takeRows): a duplicate is folded
// into its group at once and only its index is kept, so only the surviving
// rows are held.
class DistinctMerger
{
public:
    // Each group: the original index of a surviving row, then the original
    // indexes of its duplicates in row order; groups in the order of the rows
    // that remain, covering every row once.
    using Groups = QVector<QVector<int>>;

    explicit DistinctMerger(const QList<OutputItem> &items);

    // True when at least one item is a key; without one the rows stay as they
    // are and no after-merge rule runs.
    bool hasKeys() const { return !keyColumns_.isEmpty(); }

    // Changes rows in place. With groups given, fills them (left empty when
    // there is no key item).
    void distinctAndMerge(QList<QStringList> &rows, Groups *groups = nullptr);

    void reserve(int rows);
    // The next row, in row order, one cell per item; true when it is kept,
    // the first of its keys.
    bool add(CsvRecord row);
    bool add(const QStringList &row) { return add(CsvRecord(row)); }
    // The rows after merging and the after-merge rules; the merger is empty
    // afterwards. Groups as above.
    QList<QStringList> takeRows(Groups *groups = nullptr);

    void clear();

    // Merging one group apart, for callers that know the groups themselves:
    // start from the group's first row, fold each duplicate in row order,
    // then take the row as it is written. Only reads the merger.
    struct Merged
    {
        QStringList strings;             // per string merge column, joined so far
        QVarLengthArray<qint64, 4> sums; // per number merge column, in 64 bits
    };
    Merged startMerging(const CsvRecord &first) const;
    void fold(Merged &merged, const CsvRecord &duplicate) const;
    // The first row with the merged values (a lone row has none: its
    // numbers stay as written) and the after-merge rules.
    CsvRecord finished(CsvRecord first, const Merged *merged) const;

private:
    enum class Merge
    {
        String,
        Number
    };
    struct MergeColumn
    {
        int column = 0;
        Merge type = Merge::String;
        QString separator;
    };
    // One surviving row; its duplicates' values are folded into it as they
    // come, so that a duplicate leaves nothing behind but its index.
    struct Group
    {
        int survivor = 0;        // original index
        int merged = -1;         // where its merged values are, once it has a duplicate
        QVector<int> duplicates; // original indexes, in row order
    };

    uint keyHash(const CsvRecord &row) const;
    bool sameKeys(const CsvRecord &a, const CsvRecord &b) const;

    QVector<int> keyColumns_;
    QVector<MergeColumn> mergeColumns_;
    QVector<int> mergeAt_; // per column, its place among mergeColumns_, or -1
    QVector<CompiledRuleList> afterRules_;
    bool hasAfterRules_ = false;

    // Surviving rows as built, each one block: most never meet a duplicate.
    QVector<CsvRecord> rows_;
    QVector<Group> groups_;
    // The groups by their keys, read from the surviving rows themselves.
    GroupTable table_;
    // Per group with duplicates, its merge values so far.
    QVector<Merged> merged_;
    int stringColumns_ = 0;
    int added_ = 0;
};
