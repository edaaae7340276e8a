#pragma once

#include "settings/CsvRecord.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QStringView>
#include <QVector>

// The records of a file (row 0, the header, left out) indexed once by the
// value of one column, each value's records in file order. The index views
// the records' cells: keep them, unchanged, while it is in use.
class RecordChains
{
public:
    RecordChains(const QList<QStringList> &fileRows, int column);
    RecordChains(const QVector<CsvRecord> &fileRows, int column);

    // The first record holding value, or -1; then each next one, or -1.
    int first(QStringView value) const { return chains_.value(value).first; }
    int next(int record) const { return next_.at(record); }

private:
    struct Chain
    {
        int first = -1;
        int last = -1;
    };
    void add(QStringView value, int record);

    QHash<QStringView, Chain> chains_;
    QVector<int> next_;
};
