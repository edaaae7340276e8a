#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// Writes a seeded, realistic pair of Japanese shop exports in CP932: one row
// per order (quoted fields, commas inside addresses, multi-line delivery
// notes) and about 1.5 order lines per order, joined on the order number.
class OrderExportGenerator
{
public:
    // linesPerOrder > 0: every order has that many lines instead.
    OrderExportGenerator(int orders, quint32 seed, int linesPerOrder = 0);

    static QStringList orderHeads();
    static QStringList lineHeads();

    // Writes orders.csv and lines.csv into folder; false when a file fails.
    bool write(const QString &folder);

private:
    QString pick(const QStringList &list);
    QString orderRow(int index, QStringList &lines);

    const int orders_;
    const int linesPerOrder_;
    QRandomGenerator random_;
};
