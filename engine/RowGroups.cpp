#include "RowGroups.h"

#include "engine/OrderedChunks.h"

namespace {

constexpr int HashChunkRows = 4096;

} // namespace

void RowGroups::find(int rows, const std::function<uint(int)> &hashOf,
                     const std::function<bool(int, int)> &sameKeys)
{
    clear();
    QVector<uint> hashes(rows);
    uint *const hashAt = hashes.data();
    OrderedChunks::runAll((rows + HashChunkRows - 1) / HashChunkRows, [&](int k) {
        const int end = qMin(rows, (k + 1) * HashChunkRows);
        for (int r = k * HashChunkRows; r < end; ++r)
            hashAt[r] = hashOf(r);
    });
    group_.resize(rows);
    next_.fill(-1, rows);
    // Open addressing over group numbers (+1; 0 is a free slot), at most half
    // full: there are never more groups than rows.
    int size = 16;
    while (size < 2 * rows)
        size *= 2;
    QVector<int> table(size, 0);
    first_.reserve(rows);
    last_.reserve(rows);
    const uint mask = uint(size - 1);
    for (int r = 0; r < rows; ++r) {
        const uint hash = hashes.at(r);
        for (uint slot = hash & mask;; slot = (slot + 1) & mask) {
            const int g = table.at(int(slot)) - 1;
            if (g < 0) {
                table[int(slot)] = first_.size() + 1;
                group_[r] = first_.size();
                first_.append(r);
                last_.append(r);
                break;
            }
            if (hashes.at(first_.at(g)) == hash && sameKeys(first_.at(g), r)) {
                group_[r] = g;
                next_[last_.at(g)] = r;
                last_[g] = r;
                break;
            }
        }
    }
}

DistinctMerger::Groups RowGroups::members() const
{
    DistinctMerger::Groups groups;
    groups.reserve(count());
    for (int g = 0; g < count(); ++g) {
        QVector<int> rows;
        for (int r = first_.at(g); r >= 0; r = next_.at(r))
            rows.append(r);
        groups.append(std::move(rows));
    }
    return groups;
}

void RowGroups::clear()
{
    group_.clear();
    next_.clear();
    first_.clear();
    last_.clear();
}
