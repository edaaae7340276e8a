#pragma once

#include "settings/StatementOptions.h"
#include "statement/StatementRecord.h"

#include <QList>
#include <QVector>
#include <array>
#include <limits>

// The statement records of a run, record k belonging to output row k, with the
// print flags of the 19 fields and of the 8 company lines.
class StatementList
{
public:
    void clear();
    void append(const StatementRecord &record);
    int count() const;
    StatementRecord record(int i) const;
    const StatementRecord &at(int i) const;
    void removeAt(int i);
    // Appends the first product line of duplicate to record i.
    void appendFirstLine(int i, const StatementRecord &duplicate);
    // Appends the first product line of record j to record i, then removes j.
    void mergeInto(int i, int j);
    // The same result as mergeInto over whole groups at once, in linear time:
    // each group lists original record indexes, survivor first, then its
    // duplicates in row order; the groups are in survivor order and cover every
    // record once.
    void mergeGroups(const QVector<QVector<int>> &groups);
    void computeTotals();

    // The most product lines a record keeps, as many as a page can show;
    // lines appended beyond only count towards the totals. No limit at first.
    void setLineLimit(int lines);

    void setPrinted(int field, bool printed);
    bool isPrinted(int field) const;
    // Company flags in this order: company name, store name, postal code,
    // address, store site, telephone, fax, e-mail.
    void setCompanyFlags(const StatementOptions &options);
    bool companyFlag(int line) const;

private:
    QList<StatementRecord> records_;
    std::array<bool, 19> printed_{};
    std::array<bool, 8> company_{};
    int lineLimit_ = std::numeric_limits<int>::max();
};
