#include "DistinctMerger.h"

#include "language/NumberText.h"

#include <QVarLengthArray>

DistinctMerger::DistinctMerger(const QList<OutputItem> &items)
{
    afterRules_.reserve(items.size());
    for (int c = 0; c < items.size(); ++c) {
        const OutputItem &item = items.at(c);
        if (item.isDistinctKey())
            keyColumns_.append(c);
        if (item.mergesStrings()) {
            mergeColumns_.append({c, Merge::String, item.mergeSeparator});
            ++stringColumns_;
        } else if (item.mergesNumbers()) {
            mergeColumns_.append({c, Merge::Number, QString()});
            ++numberColumns_;
        }
        mergeAt_.append(item.merges() ? mergeColumns_.size() - 1 : -1);
        hasAfterRules_ = hasAfterRules_ || !item.afterRules.isEmpty();
        afterRules_.append(CompiledRuleList(item.afterRules));
        if (!item.afterRules.isEmpty() || item.merges())
            touchedColumns_.append(c);
    }
}

void DistinctMerger::reserve(int rows)
{
    rows_.reserve(rows);
    if (keyColumns_.isEmpty())
        return;
    groups_.reserve(rows);
    hashes_.reserve(rows);
    int size = 16;
    while (size < 2 * rows)
        size *= 2;
    // Groups already added keep their place in the larger table.
    if (size > table_.size())
        rebuildTable(size);
}

uint DistinctMerger::keyHash(const CsvRecord &row) const
{
    uint hash = 0;
    for (int k : keyColumns_)
        hash = hash * 31u + qHash(row.view(k), 0x9E3779B9u);
    return hash;
}

// Keys compare as they were built: exact, case-sensitive, no trimming; a
// missing column reads as "".
bool DistinctMerger::sameKeys(const CsvRecord &a, const CsvRecord &b) const
{
    for (int k : keyColumns_) {
        if (a.view(k) != b.view(k))
            return false;
    }
    return true;
}

void DistinctMerger::rebuildTable(int size)
{
    QVector<int> table(size, 0);
    const uint mask = uint(table.size() - 1);
    for (int g = 0; g < hashes_.size(); ++g) {
        uint slot = hashes_.at(g) & mask;
        while (table.at(int(slot)) != 0)
            slot = (slot + 1) & mask;
        table[int(slot)] = g + 1;
    }
    table_ = std::move(table);
}

int DistinctMerger::groupOf(const CsvRecord &row, int next)
{
    if (2 * (next + 1) > table_.size())
        rebuildTable(qMax(16, table_.size() * 2));
    const uint hash = keyHash(row);
    const uint mask = uint(table_.size() - 1);
    uint slot = hash & mask;
    for (;;) {
        const int entry = table_.at(int(slot));
        if (entry == 0)
            break;
        const int group = entry - 1;
        if (hashes_.at(group) == hash && sameKeys(rows_.at(group), row))
            return group;
        slot = (slot + 1) & mask;
    }
    table_[int(slot)] = next + 1;
    hashes_.append(hash);
    return next;
}

bool DistinctMerger::add(CsvRecord row)
{
    const int index = added_++;
    if (keyColumns_.isEmpty()) {
        rows_.append(std::move(row));
        return true;
    }
    const int next = groups_.size();
    const int group = groupOf(row, next);
    if (group == next) {
        groups_.append(Group{index, -1, {}});
        rows_.append(std::move(row));
        return true;
    }
    Group &kept = groups_[group];
    fold(kept, rows_.at(group), row);
    kept.duplicates.append(index);
    return false;
}

// Folding in row order gives what joining all the values at the end gives:
// strings are joined with the separator (empty values too), numbers are read
// as 32-bit numbers (0 when they are none) and summed. A row always has one
// value per item; a shorter one (given by a caller) leaves the missing
// columns as they are.
void DistinctMerger::fold(Group &group, const CsvRecord &survivor, const CsvRecord &duplicate)
{
    if (group.merged < 0) {
        group.merged = strings_.size();
        QStringList strings;
        strings.reserve(stringColumns_);
        for (const MergeColumn &merge : qAsConst(mergeColumns_)) {
            if (merge.type == Merge::String)
                strings.append(survivor.value(merge.column));
            else
                sums_.append(toInt32OrZero(survivor.view(merge.column)));
        }
        strings_.append(std::move(strings));
    }
    QStringList &strings = strings_[group.merged];
    qint64 *sums = sums_.data() + group.merged * numberColumns_;
    int string = 0;
    for (const MergeColumn &merge : qAsConst(mergeColumns_)) {
        if (merge.type == Merge::Number) {
            *sums++ += toInt32OrZero(duplicate.view(merge.column));
            continue;
        }
        QString &merged = strings[string++];
        merged += merge.separator;
        merged += duplicate.view(merge.column);
    }
}

int DistinctMerger::startFinishing(Groups *groups)
{
    if (groups)
        groups->clear();
    // Detached now, so that finishing rows only reads the containers.
    rows_.detach();
    groups_.detach();
    strings_.detach();
    sums_.detach();
    if (groups && !keyColumns_.isEmpty()) {
        groups->reserve(groups_.size());
        for (const Group &group : qAsConst(groups_)) {
            QVector<int> members;
            members.reserve(1 + group.duplicates.size());
            members.append(group.survivor);
            members += group.duplicates;
            groups->append(std::move(members));
        }
    }
    return rows_.size();
}

CsvRecord DistinctMerger::finishRow(int g)
{
    CsvRecord built = std::move(rows_.data()[g]);
    if (keyColumns_.isEmpty())
        return built;
    Group &group = groups_.data()[g];
    const int merged = group.merged;
    group = Group();
    if (merged < 0 && !hasAfterRules_)
        return built; // nothing changes: the row as it was built
    QStringList strings;
    const qint64 *sums = nullptr;
    if (merged >= 0) {
        strings = std::move(strings_.data()[merged]);
        sums = sums_.constData() + merged * numberColumns_;
    }
    // Each thread spells its rows into a buffer of its own.
    thread_local QString text;
    thread_local QVarLengthArray<int, 16> ends;
    text.resize(0);
    ends.clear();
    int string = 0;
    int number = 0;
    for (int c = 0; c < built.size(); ++c) {
        QStringView value = built.view(c);
        QString changed;
        const int m = mergeAt_.value(c, -1);
        if (merged >= 0 && m >= 0) {
            changed = mergeColumns_.at(m).type == Merge::String ? std::move(strings[string++])
                                                                : QString::number(sums[number++]);
            value = changed;
        }
        if (c < afterRules_.size() && !afterRules_.at(c).isEmpty()) {
            changed = afterRules_.at(c).apply(changed.isNull() ? value.toString() : changed);
            value = changed;
        }
        text.append(value);
        ends.append(text.size());
    }
    return CsvRecord(text.constData(), ends.constData(), ends.size());
}

void DistinctMerger::clear()
{
    rows_ = QVector<CsvRecord>();
    groups_.clear();
    strings_.clear();
    table_.clear();
    hashes_.clear();
    sums_.clear();
    added_ = 0;
}

QList<QStringList> DistinctMerger::takeRows(Groups *groups)
{
    const int count = startFinishing(groups);
    QList<QStringList> rows;
    rows.reserve(count);
    for (int g = 0; g < count; ++g)
        rows.append(finishRow(g).toStringList());
    clear();
    return rows;
}

void DistinctMerger::distinctAndMerge(QList<QStringList> &rows, Groups *groups)
{
    reserve(rows.size());
    for (QStringList &row : rows)
        add(std::move(row));
    rows = takeRows(groups);
}
