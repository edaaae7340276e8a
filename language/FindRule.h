#pragma once

#include "language/TextTest.h"

#include <QString>

// The argument of a "find" rule, parsed once: test "," scope "," action, for
// example "contains(-),matchedString,replace(/)". A scope or action that is not
// recognised leaves every value unchanged.
class FindRule
{
public:
    FindRule() = default;
    explicit FindRule(const QString &argument);

    void apply(QString &value) const;

private:
    enum class Scope
    {
        FullString,
        MatchedString,
        Unknown
    };
    enum class Action
    {
        Print,
        Delete,
        Replace,
        Unknown
    };

    void applyToMatch(QString &value) const;

    TextTest test_;
    Scope scope_ = Scope::Unknown;
    Action action_ = Action::Unknown;
    QString replacement_;
};
