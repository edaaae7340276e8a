#include "support/ListMerger.h"

#include "csv/CsvRecordBuilder.h"

ListMerger::ListMerger(const QList<OutputItem> &items) : merger_(items)
{
    for (int c = 0; c < items.size(); ++c) {
        if (items.at(c).isDistinctKey())
            keyColumns_.append(c);
    }
}

void ListMerger::reserve(int rows)
{
    rows_.reserve(rows);
    if (keyColumns_.isEmpty())
        return;
    groups_.reserve(rows);
    table_.reserve(rows);
}

uint ListMerger::keyHash(const CsvRecord &row) const
{
    uint hash = 0;
    for (int k : keyColumns_)
        hash = hash * 31u + qHash(row.view(k), 0x9E3779B9u);
    return hash;
}

// Keys compare exactly, case-sensitive, no trimming; a missing column reads as "".
bool ListMerger::sameKeys(const CsvRecord &a, const CsvRecord &b) const
{
    for (int k : keyColumns_) {
        if (a.view(k) != b.view(k))
            return false;
    }
    return true;
}

bool ListMerger::add(const QStringList &cells)
{
    CsvRecord row(cells);
    const int index = added_++;
    if (keyColumns_.isEmpty()) {
        rows_.append(std::move(row));
        return true;
    }
    const int group =
        table_.findOrAdd(keyHash(row), [&](int g) { return sameKeys(rows_.at(g), row); });
    if (group == groups_.size()) {
        groups_.append(Group{index, -1, {}});
        rows_.append(std::move(row));
        return true;
    }
    Group &kept = groups_[group];
    if (kept.merged < 0) {
        kept.merged = merged_.size();
        merged_.append(merger_.startMerging(rows_.at(group)));
    }
    merger_.fold(merged_[kept.merged], row);
    kept.duplicates.append(index);
    return false;
}

void ListMerger::clear()
{
    rows_ = QVector<CsvRecord>();
    groups_.clear();
    merged_.clear();
    table_.clear();
    added_ = 0;
}

QList<QStringList> ListMerger::takeRows(Groups *groups)
{
    if (groups)
        groups->clear();
    QList<QStringList> rows;
    rows.reserve(rows_.size());
    CsvRecordBuilder buffer;
    for (int g = 0; g < rows_.size(); ++g) {
        if (keyColumns_.isEmpty()) {
            rows.append(rows_.at(g).toStringList());
            continue;
        }
        const Group &group = groups_.at(g);
        const DistinctMerger::Merged *merged =
            group.merged >= 0 ? &merged_.at(group.merged) : nullptr;
        rows.append(merger_.finished(rows_.at(g), merged, buffer).toStringList());
        if (groups)
            groups->append(QVector<int>{group.survivor} + group.duplicates);
    }
    clear();
    return rows;
}

void ListMerger::distinctAndMerge(QList<QStringList> &rows, Groups *groups)
{
    reserve(rows.size());
    for (const QStringList &row : qAsConst(rows))
        add(row);
    rows = takeRows(groups);
}
