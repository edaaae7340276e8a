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
        if (stored.condCombination == QLatin1String("AND"))
            item.combination = Combination::And;
        else if (stored.condCombination == QLatin1String("OR"))
            item.combination = Combination::Or;
        for (int j = 0; j < stored.condNums.size(); ++j) {
            item.conditions.append(
                {{stored.condSources.value(j, SourceKind::CompanyField), stored.condNums.at(j)},
                 CompiledCondition(stored.condRules.value(j))});
        }
        item.rules = CompiledRuleList(stored.rules);
        items_.append(std::move(item));
    }
}

QString OutputRowBuilder::sourceValue(const Source &source, const InputRow &inputRow) const
{
    if (source.kind == SourceKind::CompanyField)
        return company_.value(source.code);
    if (source.kind == SourceKind::InputItem)
        return inputRow.value(source.code);
    return QString();
}

bool OutputRowBuilder::passes(const Item &item, const InputRow &inputRow) const
{
    if (!item.hasConditions)
        return true;
    // Conditions have no side effects, so a result that can no longer change
    // ends the testing early.
    switch (item.combination) {
    case Combination::And:
        if (item.conditions.isEmpty())
            return false;
        for (const Condition &condition : item.conditions) {
            if (!condition.test.test(sourceValue(condition.source, inputRow)))
                return false;
        }
        return true;
    case Combination::Or:
        for (const Condition &condition : item.conditions) {
            if (condition.test.test(sourceValue(condition.source, inputRow)))
                return true;
        }
        return false;
    case Combination::Never:
        break;
    }
    return false;
}

QString OutputRowBuilder::assemble(const Item &item, const InputRow &inputRow) const
{
    const int count = item.parts.size();
    if (count == 0)
        return QString();
    if (count == 1)
        return sourceValue(item.parts.constFirst(), inputRow); // shares the cell, no copy
    QVarLengthArray<QString, 8> parts;
    qsizetype length = (count - 1) * item.separator.size();
    for (const Source &source : item.parts) {
        parts.append(sourceValue(source, inputRow));
        length += parts.last().size();
    }
    QString value;
    value.reserve(int(length));
    value += parts.first();
    for (int k = 1; k < count; ++k) {
        value += item.separator;
        value += parts.at(k);
    }
    return value;
}

QString OutputRowBuilder::value(int column, const InputRow &inputRow) const
{
    const Item &item = items_.at(column);
    if (!passes(item, inputRow))
        return QString();
    QString value = assemble(item, inputRow);
    if (!item.rules.isEmpty())
        value = item.rules.apply(std::move(value));
    return value;
}

QStringList OutputRowBuilder::buildOutputRow(const InputRow &inputRow) const
{
    QStringList row;
    row.reserve(items_.size());
    for (int c = 0; c < items_.size(); ++c)
        row.append(value(c, inputRow));
    return row;
}
