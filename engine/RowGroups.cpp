#include "RowGroups.h"

#include "csv/GroupTable.h"
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
    GroupTable table;
    table.reserve(rows); // never more groups than rows
    first_.reserve(rows);
    last_.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        const int g =
            table.findOrAdd(hashAt[r], [&](int group) { return sameKeys(first_.at(group), r); });
        group_[r] = g;
        if (g == first_.size()) {
            first_.append(r);
            last_.append(r);
            continue;
        }
        next_[last_.at(g)] = r;
        last_[g] = r;
    }
}

void RowGroups::clear()
{
    group_.clear();
    next_.clear();
    first_.clear();
    last_.clear();
}
