#pragma once

#include <QSharedDataPointer>
#include <QString>
#include <QStringList>

class CompiledRuleListData;

// A rule list parsed once; apply() gives exactly what applyRules() gives for
// the same strings, without parsing them again per value.
class CompiledRuleList
{
public:
    CompiledRuleList();
    explicit CompiledRuleList(const QStringList &rules);
    CompiledRuleList(const CompiledRuleList &other);
    CompiledRuleList &operator=(const CompiledRuleList &other);
    ~CompiledRuleList();

    bool isEmpty() const;
    QString apply(QString value) const;

private:
    QSharedDataPointer<CompiledRuleListData> d;
};
