#pragma once

#include <QVector>

#include <functional>

// Which rows share their keys, found once before any row is built: groups are
// numbered in the order of their first rows, and each row links to the next
// row of its group. Knowing where a group ends lets a run finish it as soon
// as its last row is built, instead of holding every row until the end.
class RowGroups
{
public:
    // hashOf(row) may run on any thread; sameKeys(a, b) runs on this one,
    // for rows whose hashes are equal.
    void find(int rows, const std::function<uint(int)> &hashOf,
              const std::function<bool(int, int)> &sameKeys);

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
    QVector<int> group_; // per row
    QVector<int> next_;  // per row
    QVector<int> first_; // per group
    QVector<int> last_;  // per group
};
