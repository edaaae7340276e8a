#pragma once

#include "language/CompiledCondition.h"
#include "language/CompiledRuleList.h"
#include "settings/CompanyInfo.h"
#include "settings/InputRow.h"
#include "settings/OutputItem.h"

#include <QList>
#include <QStringList>
#include <QVector>

// Builds one output row per input row: each item's source values joined by its
// separator, emptied when its conditions fail, rewritten by its rules. Rules
// and conditions are parsed once, when the builder is made; company values come
// from the copy it is given.
class OutputRowBuilder
{
public:
    OutputRowBuilder(const QList<OutputItem> &items, const CompanyInfo &company);

    QStringList buildOutputRow(const InputRow &inputRow) const;
    // One item's value of that row: each value depends on the input row alone.
    QString value(int column, const InputRow &inputRow) const;

private:
    struct Source
    {
        SourceKind kind = SourceKind::CompanyField;
        int code = 0;
    };
    struct Condition
    {
        Source source;
        CompiledCondition test;
    };
    enum class Combination
    {
        And,
        Or,
        Never
    };
    struct Item
    {
        QVector<Source> parts; // the sources that give a value
        QString separator;
        bool hasConditions = false;
        Combination combination = Combination::Never;
        QVector<Condition> conditions;
        CompiledRuleList rules;
    };

    QString sourceValue(const Source &source, const InputRow &inputRow) const;
    bool passes(const Item &item, const InputRow &inputRow) const;
    QString assemble(const Item &item, const InputRow &inputRow) const;

    QVector<Item> items_;
    CompanyInfo company_;
};
