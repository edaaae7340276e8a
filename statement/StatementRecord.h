#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The data of one statement page: one order. A record built from one input row
// has exactly one product line; merging appends further lines.
struct StatementRecord
{
    QString name;
    QString address;
    QString postCode;
    QString orderNumber;
    QString orderDate;
    QStringList productName;
    QStringList productNumber;
    QStringList option;
    // Amounts are read as 32-bit numbers and computed in 64 bits, so that a
    // large order never overflows.
    QList<qint64> quantity;
    QList<qint64> unitPrice;
    QList<qint64> subtotal;
    qint64 sum = 0;
    qint64 tax = 0;
    qint64 shippingCharge = 0;
    qint64 codCharge = 0;
    qint64 totalSum = 0;
    qint64 coupon = 0;
    qint64 point = 0;
    qint64 payment = 0;
    // Product lines merged in beyond those a page can show are not kept:
    // how many there were, and the sum of every line's subtotal (quantity
    // times unit price where it is 0) in line order, which Sum still counts.
    int hiddenLines = 0;
    qint64 linesTotal = 0;

    bool operator==(const StatementRecord &other) const;
};
