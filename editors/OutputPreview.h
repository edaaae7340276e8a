#pragma once

#include "settings/CompanyInfo.h"
#include "settings/OutputItem.h"
#include "settings/StatementField.h"

#include <QList>
#include <QStringList>

// What a conversion run makes of a few input rows, computed by the engine
// itself (row building with conditions and rules, distinct and merge, the
// after-merge rules), so that a setting can be seen at work while it is edited.
class OutputPreview
{
public:
    static QList<QStringList> outputRows(const QList<OutputItem> &items,
                                         const QList<QStringList> &inputRows,
                                         const CompanyInfo &company);
    // What the item's sources give for the row before its conditions and
    // rules: the value its rules start from.
    static QString sourceValue(OutputItem item, const QStringList &inputRow,
                               const CompanyInfo &company);
    // The same for a statement field, whose sources are input items.
    static QString sourceValue(const StatementField &field, const QStringList &inputRow);
};
