#include "settings/RecordChains.h"

RecordChains::RecordChains(const QList<QStringList> &fileRows, int column)
    : next_(fileRows.size(), -1)
{
    chains_.reserve(fileRows.size());
    for (int j = 1; j < fileRows.size(); ++j) {
        const QStringList &row = fileRows.at(j);
        add(column < row.size() ? QStringView(row.at(column)) : QStringView(), j);
    }
}

RecordChains::RecordChains(const QVector<CsvRecord> &fileRows, int column)
    : next_(fileRows.size(), -1)
{
    chains_.reserve(fileRows.size());
    for (int j = 1; j < fileRows.size(); ++j)
        add(fileRows.at(j).view(column), j);
}

void RecordChains::add(QStringView value, int record)
{
    Chain &chain = chains_[value];
    if (chain.first < 0)
        chain.first = record;
    else
        next_[chain.last] = record;
    chain.last = record;
}
