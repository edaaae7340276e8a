#include "DistinctMerger.h"

#include "language/NumberText.h"

DistinctMerger::DistinctMerger(const QList<OutputItem> &items)
{
    afterRules_.reserve(items.size());
    for (int c = 0; c < items.size(); ++c) {
        const OutputItem &item = items.at(c);
        if (item.isDistinctKey())
            keyColumns_.append(c);
        if (item.mergesStrings())
            mergeColumns_.append({c, Merge::String, item.mergeSeparator});
        else if (item.mergesNumbers())
            mergeColumns_.append({c, Merge::Number, QString()});
        if (item.mergesNumbers())
            ++numberColumns_;
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

uint DistinctMerger::keyHash(const QStringList &row) const
{
    uint hash = 0;
    for (int k : keyColumns_)
        hash = hash * 31u + qHash(row.value(k), 0x9E3779B9u);
    return hash;
}

// Keys compare as they were built: exact, case-sensitive, no trimming; a
// missing column reads as "".
bool DistinctMerger::sameKeys(const QStringList &a, const QStringList &b) const
{
    for (int k : keyColumns_) {
        if (a.value(k) != b.value(k))
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

int DistinctMerger::groupOf(const QStringList &row, int next)
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

bool DistinctMerger::add(QStringList row)
{
    const int index = added_++;
    if (keyColumns_.isEmpty()) {
        rows_.append(std::move(row));
        return true;
    }
    const int next = groups_.size();
    const int group = groupOf(row, next);
    if (group == next) {
        groups_.append(Group{index, {}});
        rows_.append(std::move(row));
        return true;
    }
    fold(group, row);
    groups_[group].duplicates.append(index);
    return false;
}

// Folding in row order gives what joining all the values at the end gives:
// strings are joined with the separator (empty values too), numbers are read
// as 32-bit numbers (0 when they are none) and summed.
void DistinctMerger::fold(int group, const QStringList &duplicate)
{
    QStringList &row = rows_[group];
    const bool first = groups_.at(group).duplicates.isEmpty();
    if (first && numberColumns_ > 0 && sums_.size() < (group + 1) * numberColumns_)
        sums_.resize((group + 1) * numberColumns_);
    int number = 0;
    for (const MergeColumn &merge : qAsConst(mergeColumns_)) {
        if (merge.column >= row.size())
            continue; // a row always has one value per item
        if (merge.type == Merge::String) {
            QString &merged = row[merge.column];
            merged += merge.separator;
            merged += duplicate.value(merge.column);
            continue;
        }
        qint64 &sum = sums_[group * numberColumns_ + number++];
        if (first)
            sum = toInt32OrZero(row.at(merge.column));
        sum += toInt32OrZero(duplicate.value(merge.column));
    }
}

void DistinctMerger::spellSums(QStringList &row, int group) const
{
    int number = 0;
    for (const MergeColumn &merge : qAsConst(mergeColumns_)) {
        if (merge.type != Merge::Number || merge.column >= row.size())
            continue;
        row[merge.column] = QString::number(sums_.at(group * numberColumns_ + number++));
    }
}

int DistinctMerger::startFinishing(Groups *groups)
{
    if (groups)
        groups->clear();
    // Detached now, so that finishing rows only reads the containers.
    rows_.detach();
    groups_.detach();
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

QStringList DistinctMerger::finishRow(int g)
{
    QStringList row = std::move(*(rows_.begin() + g));
    if (keyColumns_.isEmpty())
        return row;
    Group &group = *(groups_.begin() + g);
    if (!group.duplicates.isEmpty() && numberColumns_ > 0)
        spellSums(row, g);
    group = Group();
    for (int c = 0; c < row.size() && c < afterRules_.size(); ++c) {
        if (!afterRules_.at(c).isEmpty())
            row[c] = afterRules_.at(c).apply(row.at(c));
    }
    return row;
}

void DistinctMerger::clear()
{
    rows_ = QList<QStringList>();
    groups_.clear();
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
        rows.append(finishRow(g));
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
