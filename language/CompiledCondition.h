#pragma once

#include <QSharedDataPointer>
#include <QString>
#include <QStringView>

class CompiledConditionData;

// A stored condition string parsed once; test() gives exactly what
// evaluateCondition() gives for the same string.
class CompiledCondition
{
public:
    CompiledCondition();
    explicit CompiledCondition(const QString &condition);
    CompiledCondition(const CompiledCondition &other);
    CompiledCondition &operator=(const CompiledCondition &other);
    ~CompiledCondition();

    bool test(QStringView value) const;

private:
    QSharedDataPointer<CompiledConditionData> d;
};
