#include "csv/RecordChains.h"

#include <QHash>

// The table grows with the values met, not with the records: a value's
// later records only lengthen its chain.
RecordChains::RecordChains(const QVector<CsvRecord> &fileRows, int column)
    : records_(fileRows), column_(column)
{
    chains_.find(
        fileRows.size(), 1, [this](int j) { return qHash(valueOf(j)); },
        [this](int a, int b) { return valueOf(a) == valueOf(b); });
}

QStringView RecordChains::valueOf(int record) const
{
    return records_.at(record).view(column_);
}

int RecordChains::first(QStringView value) const
{
    const int g =
        chains_.groupWith(qHash(value), [&](int record) { return valueOf(record) == value; });
    return g < 0 ? -1 : chains_.first(g);
}
