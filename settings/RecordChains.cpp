#include "settings/RecordChains.h"

RecordChains::RecordChains(const QList<QStringList> &fileRows, int column)
    : next_(fileRows.size(), -1)
{
    chains_.reserve(fileRows.size());
    for (int j = 1; j < fileRows.size(); ++j) {
        Chain &chain = chains_[fileRows.at(j).value(column)];
        if (chain.first < 0)
            chain.first = j;
        else
            next_[chain.last] = j;
        chain.last = j;
    }
}
