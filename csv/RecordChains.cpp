#include "csv/RecordChains.h"

#include <QHash>

RecordChains::RecordChains(const QVector<CsvRecord> &fileRows, int column)
    : records_(fileRows), column_(column)
{
    build(fileRows.size());
}

QStringView RecordChains::valueOf(int record) const
{
    return records_.at(record).view(column_);
}

// The table grows with the values met, not with the records: a value's
// later records only lengthen its chain.
void RecordChains::build(int records)
{
    next_.fill(-1, records);
    QVector<int> last; // per value, the last record of its chain
    for (int j = 1; j < records; ++j) {
        const QStringView value = valueOf(j);
        const int g = values_.findOrAdd(
            qHash(value), [&](int group) { return valueOf(firsts_.at(group)) == value; });
        if (g == firsts_.size()) {
            firsts_.append(j);
            last.append(j);
            continue;
        }
        next_[last.at(g)] = j;
        last[g] = j;
    }
}

int RecordChains::first(QStringView value) const
{
    const int g =
        values_.find(qHash(value), [&](int group) { return valueOf(firsts_.at(group)) == value; });
    return g < 0 ? -1 : firsts_.at(g);
}
