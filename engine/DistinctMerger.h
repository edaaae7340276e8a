#pragma once

#include "csv/CsvRecord.h"
#include "language/CompiledRuleList.h"
#include "settings/OutputItem.h"

#include <QList>
#include <QStringList>
#include <QVarLengthArray>
#include <QVector>

class CsvRecordBuilder;

// Merges the rows that repeat an earlier row on the key items: folds their
// values into the group's first row for the items with a merge type, then
// applies the after-merge rules. The caller finds the groups; duplicates fold
// in row order.
class DistinctMerger
{
public:
    explicit DistinctMerger(const QList<OutputItem> &items);

    // True when at least one item is a key; without one the rows stay as they
    // are and no after-merge rule runs.
    bool hasKeys() const { return hasKeys_; }

    // Merging one group: start from the group's first row, fold each
    // duplicate in row order, then take the row as it is written. Only reads
    // the merger.
    struct Merged
    {
        QStringList strings;             // per string merge column, joined so far
        QVarLengthArray<qint64, 4> sums; // per number merge column, in 64 bits
    };
    Merged startMerging(const CsvRecord &first) const;
    void fold(Merged &merged, const CsvRecord &duplicate) const;
    // The first row with the merged values (a lone row has none: its
    // numbers stay as written) and the after-merge rules, spelt in buffer,
    // one of the calling thread's own.
    CsvRecord finished(CsvRecord first, const Merged *merged, CsvRecordBuilder &buffer) const;

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

    bool hasKeys_ = false;
    QVector<MergeColumn> mergeColumns_;
    QVector<int> mergeAt_; // per column, its place among mergeColumns_, or -1
    QVector<CompiledRuleList> afterRules_;
    bool hasAfterRules_ = false;
    int stringColumns_ = 0;
};
