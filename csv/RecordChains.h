#pragma once

#include "csv/CsvRecord.h"
#include "csv/GroupTable.h"

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
    int first(QStringView value) const;
    int next(int record) const { return next_.at(record); }

private:
    QStringView valueOf(int record) const;
    void build(int records);

    const QList<QStringList> *lists_ = nullptr;
    const QVector<CsvRecord> *records_ = nullptr;
    const int column_;
    // The distinct values, each read from its first record.
    GroupTable values_;
    QVector<int> firsts_; // per value
    QVector<int> next_;
};
