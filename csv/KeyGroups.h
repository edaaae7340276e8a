#pragma once

#include "csv/GroupTable.h"

#include <QVector>

// Which rows share their keys, found once: groups are numbered in the order
// of their first rows, and each row links to the next row of its group.
// Keys are told apart through a hash of each and compared by the caller, so
// no key is held here.
class KeyGroups
{
public:
    // Groups rows from..rows-1 (the rows before belong to none): hashOf(r) is
    // row r's hash; sameKeys(a, b) compares the keys of two rows whose hashes
    // are equal. The table starts with room for expectedGroups.
    template <typename HashOf, typename SameKeys>
    void find(int rows, int from, HashOf hashOf, SameKeys sameKeys, int expectedGroups = 0);
    // The group of the key that equal(row) finds in a group's first row,
    // among the groups of its hash; -1 when none.
    template <typename Equal> int groupWith(uint hash, Equal equal) const
    {
        return table_.find(hash, [&](int group) { return equal(first_.at(group)); });
    }
    // Lets go of what groupWith() needs, once no key is looked up any more.
    void releaseIndex() { table_ = GroupTable(); }

    int count() const { return first_.size(); }
    int groupOf(int row) const { return group_.at(row); }
    int first(int group) const { return first_.at(group); }
    int last(int group) const { return last_.at(group); }
    // The next row of the row's group, or -1.
    int next(int row) const { return next_.at(row); }
    // Whether the group of row lies within rows begin..end-1.
    bool within(int row, int begin, int end) const
    {
        const int g = group_.at(row);
        return first_.at(g) >= begin && last_.at(g) < end;
    }
    void clear();

private:
    GroupTable table_;
    QVector<int> group_; // per row; -1 for the rows before from
    QVector<int> next_;  // per row
    QVector<int> first_; // per group
    QVector<int> last_;  // per group
};

template <typename HashOf, typename SameKeys>
void KeyGroups::find(int rows, int from, HashOf hashOf, SameKeys sameKeys, int expectedGroups)
{
    clear();
    group_.fill(-1, rows);
    next_.fill(-1, rows);
    table_.reserve(expectedGroups);
    first_.reserve(expectedGroups);
    last_.reserve(expectedGroups);
    for (int r = from; r < rows; ++r) {
        const int g =
            table_.findOrAdd(hashOf(r), [&](int group) { return sameKeys(first_.at(group), r); });
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
