#include "OutputRowBuilder.h"

#include <QVarLengthArray>

OutputRowBuilder::OutputRowBuilder(const QList<OutputItem> &items, const CompanyInfo &company)
    : company_(company)
{
    items_.reserve(items.size());
    for (const OutputItem &stored : items) {
        Item item;
        // A kind missing from a shorter kind list counts as a company field; a
        // source of another kind adds no part at all, not even an empty one.
        for (int k = 0; k < stored.mapNums.size(); ++k) {
            const SourceKind kind = stored.mapSources.value(k, SourceKind::CompanyField);
            if (kind == SourceKind::CompanyField || kind == SourceKind::InputItem)
                item.parts.append({kind, stored.mapNums.at(k)});
        }
        item.separator = stored.separator;
        item.hasConditions = !stored.conditions.isEmpty();
        item.combination = ConditionCombination::kindOf(stored.condCombination);
        for (int j = 0; j < stored.condNums.size(); ++j) {
            item.conditions.append(
                {{stored.condSources.value(j, SourceKind::CompanyField), stored.condNums.at(j)},
                 CompiledCondition(stored.condRules.value(j))});
        }
        item.rules = CompiledRuleList(stored.rules);
        item.hasRules = !item.rules.isEmpty();
        items_.append(std::move(item));
    }
}

QStringView OutputRowBuilder::sourceView(const Source &source, const InputRow &inputRow) const
{
    if (source.kind == SourceKind::CompanyField)
        return company_.view(source.code);
    if (source.kind == SourceKind::InputItem)
        return inputRow.view(source.code);
    return QStringView();
}

bool OutputRowBuilder::passes(const Item &item, const InputRow &inputRow) const
{
    if (!item.hasConditions)
        return true;
    // Conditions have no side effects, so a result that can no longer change
    // ends the testing early.
    switch (item.combination) {
    case ConditionCombination::Kind::All:
        if (item.conditions.isEmpty())
            return false;
        for (const Condition &condition : item.conditions) {
            if (!condition.test.test(sourceView(condition.source, inputRow)))
                return false;
        }
        return true;
    case ConditionCombination::Kind::Any:
        for (const Condition &condition : item.conditions) {
            if (condition.test.test(sourceView(condition.source, inputRow)))
                return true;
        }
        return false;
    case ConditionCombination::Kind::Unset:
        break;
    }
    return false;
}

QStringView OutputRowBuilder::valueView(int column, const InputRow &inputRow,
                                        QString &scratch) const
{
    const Item &item = items_.at(column);
    if (!passes(item, inputRow))
        return QStringView();
    const int count = item.parts.size();
    if (!item.hasRules && count <= 1)
        return count == 0 ? QStringView() : sourceView(item.parts.constFirst(), inputRow);
    QVarLengthArray<QStringView, 8> parts;
    qsizetype length = (count - 1) * item.separator.size();
    for (const Source &source : item.parts) {
        parts.append(sourceView(source, inputRow));
        length += parts.last().size();
    }
    // One allocation at most, and none while a reused scratch is large
    // enough; a rule may have left it shared with its own text.
    if (scratch.isDetached())
        scratch.resize(0);
    else
        scratch = QString();
    scratch.reserve(int(length));
    for (int k = 0; k < count; ++k) {
        if (k > 0)
            scratch += item.separator;
        scratch += parts.at(k);
    }
    if (item.hasRules)
        scratch = item.rules.apply(std::move(scratch));
    return scratch;
}

QStringList OutputRowBuilder::buildOutputRow(const InputRow &inputRow) const
{
    QStringList row;
    row.reserve(items_.size());
    QString scratch;
    for (int c = 0; c < items_.size(); ++c)
        row.append(valueView(c, inputRow, scratch).toString());
    return row;
}
