#pragma once

#include <QVector>

// Numbers the distinct keys met, in the order they come, through a hash of
// each key: open addressing over the group numbers, never more than half
// full. Only the numbers and each group's hash are stored; the caller
// compares the keys themselves, so no key is held twice.
class GroupTable
{
public:
    // Room for this many groups without growing.
    void reserve(int groups);
    int count() const { return hashes_.size(); }

    // The group whose key equal(group) says is the one hashed; -1 when none.
    template <typename Equal> int find(uint hash, Equal equal) const
    {
        if (slots_.isEmpty())
            return -1;
        const uint mask = uint(slots_.size() - 1);
        for (uint slot = hash & mask;; slot = (slot + 1) & mask) {
            const int group = slots_.at(int(slot)) - 1;
            if (group < 0 || (hashes_.at(group) == hash && equal(group)))
                return group;
        }
    }

    // As find(), but a key met for the first time becomes group count().
    template <typename Equal> int findOrAdd(uint hash, Equal equal)
    {
        if (2 * (count() + 1) > slots_.size())
            rebuild(qMax(16, 2 * slots_.size()));
        const uint mask = uint(slots_.size() - 1);
        for (uint slot = hash & mask;; slot = (slot + 1) & mask) {
            const int group = slots_.at(int(slot)) - 1;
            if (group < 0) {
                slots_[int(slot)] = count() + 1;
                hashes_.append(hash);
                return count() - 1;
            }
            if (hashes_.at(group) == hash && equal(group))
                return group;
        }
    }

    void clear();

private:
    // Groups already numbered keep their numbers in a table of size slots.
    void rebuild(int size);

    QVector<int> slots_;   // a group's number + 1; 0 is a free slot
    QVector<uint> hashes_; // per group
};
