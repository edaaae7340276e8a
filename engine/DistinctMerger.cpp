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
        groups_.append(Group{index, {}, {}});
        rows_.append(std::move(row));
        return true;
    }
    Group &target = groups_[group];
    target.duplicates.append(index);
    for (const MergeColumn &merge : qAsConst(mergeColumns_))
        target.mergeValues.append(row.value(merge.column));
    return false;
}

void DistinctMerger::merge(QStringList &row, const Group &group) const
{
    const int count = group.duplicates.size();
    const int width = mergeColumns_.size();
    for (int m = 0; m < width; ++m) {
        const MergeColumn &merge = mergeColumns_.at(m);
        if (merge.column >= row.size())
            continue; // a row always has one value per item
        const QString first = row.at(merge.column);
        if (merge.type == Merge::String) {
            // Empty values take part: the separator goes in all the same.
            qsizetype length = first.size();
            for (int d = 0; d < count; ++d)
                length += merge.separator.size() + group.mergeValues.at(d * width + m).size();
            QString merged;
            merged.reserve(int(length));
            merged += first;
            for (int d = 0; d < count; ++d) {
                merged += merge.separator;
                merged += group.mergeValues.at(d * width + m);
            }
            row[merge.column] = merged;
        } else {
            // Each value is read as a 32-bit number (0 when it is none); the
            // sum is kept in 64 bits so that many large values cannot overflow.
            qint64 sum = toInt32OrZero(first);
            for (int d = 0; d < count; ++d)
                sum += toInt32OrZero(group.mergeValues.at(d * width + m));
            row[merge.column] = QString::number(sum);
        }
    }
}

int DistinctMerger::startFinishing(Groups *groups)
{
    if (groups)
        groups->clear();
    // Detached now, so that finishing rows only reads the containers.
    rows_.detach();
    groups_.detach();
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
    if (!group.duplicates.isEmpty() && !mergeColumns_.isEmpty())
        merge(row, group);
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
