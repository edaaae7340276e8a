#include "DistinctMerger.h"

#include "csv/CsvRecordBuilder.h"
#include "language/NumberText.h"

DistinctMerger::DistinctMerger(const QList<OutputItem> &items)
{
    afterRules_.reserve(items.size());
    for (int c = 0; c < items.size(); ++c) {
        const OutputItem &item = items.at(c);
        hasKeys_ = hasKeys_ || item.isDistinctKey();
        if (item.mergesStrings()) {
            mergeColumns_.append({c, Merge::String, item.mergeSeparator});
            ++stringColumns_;
        } else if (item.mergesNumbers()) {
            mergeColumns_.append({c, Merge::Number, QString()});
        }
        mergeAt_.append(item.merges() ? mergeColumns_.size() - 1 : -1);
        hasAfterRules_ = hasAfterRules_ || !item.afterRules.isEmpty();
        afterRules_.append(CompiledRuleList(item.afterRules));
    }
}

DistinctMerger::Merged DistinctMerger::startMerging(const CsvRecord &first) const
{
    Merged merged;
    merged.strings.reserve(stringColumns_);
    for (const MergeColumn &merge : qAsConst(mergeColumns_)) {
        if (merge.type == Merge::String)
            merged.strings.append(first.value(merge.column));
        else
            merged.sums.append(toInt32OrZero(first.view(merge.column)));
    }
    return merged;
}

// Folding in row order gives what joining all the values at the end gives:
// strings are joined with the separator (empty values too), numbers are read
// as 32-bit numbers (0 when they are none) and summed.
void DistinctMerger::fold(Merged &merged, const CsvRecord &duplicate) const
{
    int string = 0;
    int number = 0;
    for (const MergeColumn &merge : qAsConst(mergeColumns_)) {
        if (merge.type == Merge::Number) {
            merged.sums[number++] += toInt32OrZero(duplicate.view(merge.column));
            continue;
        }
        QString &joined = merged.strings[string++];
        joined += merge.separator;
        joined += duplicate.view(merge.column);
    }
}

// A row always has one value per item; a shorter one (given by a caller)
// leaves the missing columns as they are.
// The buffer is the caller's rather than a thread_local: in the Windows
// build (MinGW), a thread_local buffer of the helper threads corrupted the
// heap now and then once those threads ended.
CsvRecord DistinctMerger::finished(CsvRecord first, const Merged *merged,
                                   CsvRecordBuilder &row) const
{
    if (!merged && !hasAfterRules_)
        return first; // nothing changes: the row as it was built
    row.clear();
    int string = 0;
    int number = 0;
    for (int c = 0; c < first.size(); ++c) {
        QStringView value = first.view(c);
        QString changed;
        const int m = mergeAt_.value(c, -1);
        if (merged && m >= 0) {
            changed = mergeColumns_.at(m).type == Merge::String
                          ? merged->strings.at(string++)
                          : QString::number(merged->sums[number++]);
            value = changed;
        }
        if (c < afterRules_.size() && !afterRules_.at(c).isEmpty()) {
            changed = afterRules_.at(c).apply(changed.isNull() ? value.toString() : changed);
            value = changed;
        }
        row.append(value);
    }
    return row.record();
}
