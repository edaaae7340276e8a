#pragma once

#include "language/FindRule.h"

#include <QString>

// One rule string parsed once. apply() is the whole meaning of a rule: both
// applyRule() and CompiledRuleList run through it.
class CompiledRule
{
public:
    explicit CompiledRule(const QString &rule);

    void apply(QString &value) const;

private:
    enum class Operation
    {
        Unchanged,
        Left,
        Right,
        CutLeft,
        CutRight,
        BreakLine,
        NewLineToLf,
        NewLineToCrLf,
        NewLineRemove,
        Prepend,
        Append,
        Find,
        LowerCase,
        UpperCase,
        FullWidth,
        HalfWidth,
        Hiragana,
        Katakana,
        Trim,
        Simplified
    };

    static Operation operationOf(QStringView name, QStringView argument);

    Operation operation_ = Operation::Unchanged;
    int count_ = 0;
    QString text_;
    FindRule find_;
};
