#pragma once

#include "csv/InputRow.h"
#include "language/CompiledCondition.h"
#include "language/CompiledRuleList.h"
#include "language/ConditionCombination.h"
#include "settings/CompanyInfo.h"
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

    // One item's value of that row, which depends on the input row alone: a
    // view of the input cell or company value it is, or of scratch, where it
    // was built. Valid while the row and scratch are.
    QStringView valueView(int column, const InputRow &inputRow, QString &scratch) const;
    // Every item's value of that row, copied.
    QStringList buildOutputRow(const InputRow &inputRow) const;

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
    struct Item
    {
        QVector<Source> parts; // the sources that give a value
        QString separator;
        bool hasConditions = false;
        ConditionCombination::Kind combination = ConditionCombination::Kind::Unset;
        QVector<Condition> conditions;
        CompiledRuleList rules;
        bool hasRules = false;
    };

    QStringView sourceView(const Source &source, const InputRow &inputRow) const;
    bool passes(const Item &item, const InputRow &inputRow) const;

    QVector<Item> items_;
    CompanyInfo company_;
};
