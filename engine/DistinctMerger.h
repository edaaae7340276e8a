#pragma once

#include "language/CompiledRuleList.h"
#include "settings/OutputItem.h"

#include <QList>
#include <QStringList>
#include <QVector>

// Removes the rows that repeat an earlier row on the key items, folds their
// values into the surviving row for the items with a merge type, then applies
// the after-merge rules to every remaining row. Rows keep the order of their
// first occurrences; duplicates fold in row order. Linear in the rows: equal
// keys are found through a hash of their values.
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
    void distinctAndMerge(QList<QStringList> &rows, Groups *groups = nullptr) const;

private:
    enum class Merge { None, String, Number };
    struct MergeColumn
    {
        int column = 0;
        Merge type = Merge::None;
        QString separator;
    };

    QString mergeStrings(const QString &first, const QList<QStringList> &rows,
                         const QVector<int> &duplicates, const MergeColumn &merge) const;
    static QString sumNumbers(const QString &first, const QList<QStringList> &rows,
                              const QVector<int> &duplicates, int column);

    QVector<int> keyColumns_;
    QVector<MergeColumn> mergeColumns_;
    QVector<CompiledRuleList> afterRules_;
};
