#include "language/CompiledRuleList.h"

#include "language/CompiledRule.h"

#include <QVector>

class CompiledRuleListData : public QSharedData
{
public:
    QVector<CompiledRule> rules;
};

CompiledRuleList::CompiledRuleList() : d(new CompiledRuleListData) {}

CompiledRuleList::CompiledRuleList(const QStringList &rules) : d(new CompiledRuleListData)
{
    d->rules.reserve(rules.size());
    for (const QString &rule : rules)
        d->rules.append(CompiledRule(rule));
}

CompiledRuleList::CompiledRuleList(const CompiledRuleList &other) = default;
CompiledRuleList &CompiledRuleList::operator=(const CompiledRuleList &other) = default;
CompiledRuleList::~CompiledRuleList() = default;

bool CompiledRuleList::isEmpty() const
{
    return d->rules.isEmpty();
}

QString CompiledRuleList::apply(QString value) const
{
    for (const CompiledRule &rule : d->rules)
        rule.apply(value);
    return value;
}
