#include "csv/GroupTable.h"

void GroupTable::reserve(int groups)
{
    hashes_.reserve(groups);
    int size = 16;
    while (size < 2 * groups)
        size *= 2;
    if (size > slots_.size())
        rebuild(size);
}

void GroupTable::rebuild(int size)
{
    QVector<int> slots(size, 0);
    const uint mask = uint(size - 1);
    for (int g = 0; g < hashes_.size(); ++g) {
        uint slot = hashes_.at(g) & mask;
        while (slots.at(int(slot)) != 0)
            slot = (slot + 1) & mask;
        slots[int(slot)] = g + 1;
    }
    slots_ = std::move(slots);
}

void GroupTable::clear()
{
    slots_.clear();
    hashes_.clear();
}
