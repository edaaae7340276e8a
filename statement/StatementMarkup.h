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

    // No product row is shorter than its cells' padding, 2 pixels above and
    // below, and the spacing of 1 pixel between rows, whatever its text.
    static constexpr int MinimumRowHeight = 2 + 2 + 1;

    QString styleSheet() const { return styleSheet_; }
    // With at most lineCount product lines: the page cuts off the rest.
    QString body(const StatementRecord &record, int lineCount) const;
    // Which of the body's tables, counted in order, holds the product lines;
    // -1 when it has none.
    int productTableIndex() const;

private:
    QString amount(qint64 value) const;
    QString orderBlock(const StatementRecord &record) const;
    bool hasOrderBlock() const;
    bool hasProductTable() const;
    QString productTable(const StatementRecord &record, int lineCount) const;
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
