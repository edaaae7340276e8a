#pragma once

#include "csv/InputRow.h"
#include "language/CompiledCondition.h"
#include "language/CompiledRuleList.h"
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

    QStringList buildOutputRow(const InputRow &inputRow) const;
    // One item's value of that row: each value depends on the input row alone.
    QString value(int column, const InputRow &inputRow) const;
    // The same value without a copy of its own: a view of the input cell or
    // company value it is, or of scratch, where it was built. Valid while
    // the row and scratch are.
    QStringView valueView(int column, const InputRow &inputRow, QString &scratch) const;

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
        bool hasRules = false;
    };

    QStringView sourceView(const Source &source, const InputRow &inputRow) const;
    bool passes(const Item &item, const InputRow &inputRow) const;
    // Builds the value into scratch unless it is one source as it stands;
    // true when scratch holds it.
    bool build(const Item &item, const InputRow &inputRow, QString &scratch,
               QStringView *value) const;

    QVector<Item> items_;
    CompanyInfo company_;
};
