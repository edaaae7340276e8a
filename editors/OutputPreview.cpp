#include "editors/OutputPreview.h"

#include "csv/InputRow.h"
#include "engine/OutputRowBuilder.h"
#include "engine/OutputStage.h"

#include <vector>

QList<QStringList> OutputPreview::outputRows(const QList<OutputItem> &items,
                                             const QList<QStringList> &inputRows,
                                             const CompanyInfo &company)
{
    const std::vector<InputRow> rows(inputRows.cbegin(), inputRows.cend());
    return OutputStage(items, company).outputRows(rows);
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
