#include "settings/RecordChains.h"

#include <QHash>

RecordChains::RecordChains(const QList<QStringList> &fileRows, int column)
    : lists_(&fileRows), column_(column)
{
    build(fileRows.size());
}

RecordChains::RecordChains(const QVector<CsvRecord> &fileRows, int column)
    : records_(&fileRows), column_(column)
{
    build(fileRows.size());
}

QStringView RecordChains::valueOf(int record) const
{
    if (records_)
        return records_->at(record).view(column_);
    const QStringList &row = lists_->at(record);
    return column_ < row.size() ? QStringView(row.at(column_)) : QStringView();
}

// The table grows with the values met, not with the records: a value's
// later records only lengthen its chain.
void RecordChains::build(int records)
{
    next_.fill(-1, records);
    QVector<int> last(records, -1); // per first record, the last of its chain
    int heads = 0;
    for (int j = 1; j < records; ++j) {
        if (2 * (heads + 1) > slots_.size())
            grow();
        const QStringView value = valueOf(j);
        const uint hash = qHash(value);
        const uint mask = uint(slots_.size() - 1);
        for (uint slot = hash & mask;; slot = (slot + 1) & mask) {
            const int head = slots_.at(int(slot)) - 1;
            if (head < 0) {
                slots_[int(slot)] = j + 1;
                hashes_[int(slot)] = hash;
                last[j] = j;
                ++heads;
                break;
            }
            if (hashes_.at(int(slot)) == hash && valueOf(head) == value) {
                next_[last.at(head)] = j;
                last[head] = j;
                break;
            }
        }
    }
}

void RecordChains::grow()
{
    const QVector<int> slots = std::move(slots_);
    const QVector<uint> hashes = std::move(hashes_);
    const int size = qMax(16, 2 * slots.size());
    slots_.fill(0, size);
    hashes_.fill(0, size);
    const uint mask = uint(size - 1);
    for (int s = 0; s < slots.size(); ++s) {
        if (slots.at(s) == 0)
            continue;
        uint slot = hashes.at(s) & mask;
        while (slots_.at(int(slot)) != 0)
            slot = (slot + 1) & mask;
        slots_[int(slot)] = slots.at(s);
        hashes_[int(slot)] = hashes.at(s);
    }
}

int RecordChains::first(QStringView value) const
{
    if (slots_.isEmpty())
        return -1;
    const uint hash = qHash(value);
    const uint mask = uint(slots_.size() - 1);
    for (uint slot = hash & mask;; slot = (slot + 1) & mask) {
        const int head = slots_.at(int(slot)) - 1;
        if (head < 0)
            return -1;
        if (hashes_.at(int(slot)) == hash && valueOf(head) == value)
            return head;
    }
}
