#pragma once

#include "language/TextTest.h"
#include "language/Vocabulary.h"

#include <QString>

// The argument of a "find" rule, parsed once: test "," scope "," action, for
// example "contains(-),matchedString,replace(/)". A scope or action that is not
// recognised leaves every value unchanged.
class FindRule
{
public:
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

    FindRule() = default;
    explicit FindRule(const QString &argument);

    // The stored argument; the replacement counts only for Replace.
    static QString argument(const QString &test, Scope scope, Action action,
                            const QString &replacement);
    static const Vocabulary<Scope> &scopeWords();
    // Print and delete stand alone; replace is a call with its text.
    static const Vocabulary<Action> &actionWords();

    void apply(QString &value) const;

    const TextTest &test() const { return test_; }
    Scope scope() const { return scope_; }
    Action action() const { return action_; }
    const QString &replacement() const { return replacement_; }

private:
    void applyToMatch(QString &value) const;

    TextTest test_;
    Scope scope_ = Scope::Unknown;
    Action action_ = Action::Unknown;
    QString replacement_;
};
