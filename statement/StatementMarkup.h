#pragma once

#include "statement/StatementList.h"

#include <QLocale>
#include <QString>

// The rich-text body of a statement page and its style sheet. Labels and the
// style sheet are made once per statement; body() once per page.
class StatementMarkup
{
public:
    StatementMarkup(const StatementList &statements, const QString &fontFamily);

    QString styleSheet() const { return styleSheet_; }
    QString body(const StatementRecord &record) const;

private:
    QString amount(qint64 value) const;
    QString orderBlock(const StatementRecord &record) const;
    QString productTable(const StatementRecord &record) const;
    QString totalsTable(const int (&fields)[4], const QString (&labels)[4],
                        const qint64 (&values)[4]) const;

    bool printed_[19] = {};
    QLocale locale_;
    QString styleSheet_;
    QString orderDetail_, orderNumber_, orderDate_;
    QString product_, quantity_, unitPrice_, subtotal_;
    QString firstLabels_[4];
    QString secondLabels_[4];
};
