#pragma once

#include "language/FindRule.h"
#include "language/RuleKeyword.h"

#include <QString>

// One rule string parsed once. apply() is the whole meaning of a rule: both
// applyRule() and CompiledRuleList run through it.
class CompiledRule
{
public:
    explicit CompiledRule(const QString &rule);

    void apply(QString &value) const;

private:
    using Operation = RuleKeyword::Operation;

    Operation operation_ = Operation::Unchanged;
    int count_ = 0;
    QString text_;
    FindRule find_;
};
