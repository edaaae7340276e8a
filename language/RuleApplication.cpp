#include "language/RuleApplication.h"

#include "language/CompiledRule.h"

QString applyRule(const QString &rule, const QString &value)
{
    QString result = value;
    CompiledRule(rule).apply(result);
    return result;
}

QString applyRules(const QStringList &rules, QString value)
{
    for (const QString &rule : rules)
        CompiledRule(rule).apply(value);
    return value;
}
