#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

// The records of a file (row 0, the header, left out) indexed once by the
// value of one column, each value's records in file order.
class RecordChains
{
public:
    RecordChains(const QList<QStringList> &fileRows, int column);

    // The first record holding value, or -1; then each next one, or -1.
    int first(const QString &value) const { return chains_.value(value).first; }
    int next(int record) const { return next_.at(record); }

private:
    struct Chain
    {
        int first = -1;
        int last = -1;
    };
    QHash<QString, Chain> chains_;
    QVector<int> next_;
};
