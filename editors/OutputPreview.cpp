#include "editors/OutputPreview.h"

#include "engine/DistinctMerger.h"
#include "engine/OutputRowBuilder.h"

QList<QStringList> OutputPreview::outputRows(const QList<OutputItem> &items,
                                             const QList<QStringList> &inputRows,
                                             const CompanyInfo &company)
{
    const OutputRowBuilder builder(items, company);
    QList<QStringList> rows;
    rows.reserve(inputRows.size());
    for (const QStringList &row : inputRows)
        rows.append(builder.buildOutputRow(row));
    DistinctMerger(items).distinctAndMerge(rows);
    return rows;
}

QString OutputPreview::sourceValue(OutputItem item, const QStringList &inputRow,
                                   const CompanyInfo &company)
{
    item.conditions.clear();
    item.condRules.clear();
    item.condSources.clear();
    item.condNums.clear();
    item.condCombination.clear();
    item.rules.clear();
    return OutputRowBuilder({item}, company).buildOutputRow(inputRow).value(0);
}

QString OutputPreview::sourceValue(const StatementField &field, const QStringList &inputRow)
{
    OutputItem item;
    item.mappings = field.mappings;
    item.mapNums = field.mapNums;
    for (int i = 0; i < field.mapNums.size(); ++i)
        item.mapSources.append(SourceKind::InputItem);
    item.separator = field.separator;
    return sourceValue(item, inputRow, CompanyInfo());
}
