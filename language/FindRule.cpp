#include "language/FindRule.h"

#include "language/RuleText.h"

#include <QStringList>

const Vocabulary<FindRule::Scope> &FindRule::scopeWords()
{
    static const Vocabulary<Scope> words = {
        {Scope::FullString, "fullString", QT_TRANSLATE_NOOP("RuleDescription", "전체열"), nullptr},
        {Scope::MatchedString, "matchedString", QT_TRANSLATE_NOOP("RuleDescription", "일치문자만"),
         nullptr},
    };
    return words;
}

const Vocabulary<FindRule::Action> &FindRule::actionWords()
{
    static const Vocabulary<Action> words = {
        {Action::Print, "print", QT_TRANSLATE_NOOP("RuleDescription", "출력"), nullptr},
        {Action::Delete, "delete", QT_TRANSLATE_NOOP("RuleDescription", "제외"), nullptr},
        {Action::Replace, "replace", QT_TRANSLATE_NOOP("RuleDescription", "치환"), nullptr},
    };
    return words;
}

FindRule::FindRule(const QString &argument)
{
    // The parts are split at every ",", so neither the search text nor the
    // replacement can hold one; missing parts are empty.
    const QStringList parts = argument.split(QLatin1Char(','), Qt::KeepEmptyParts);
    test_ = TextTest(parts.value(0));
    scope_ = scopeWords().kindOf(parts.value(1), Scope::Unknown);

    const QString action = parts.value(2);
    const Action alone = actionWords().kindOf(action, Action::Unknown);
    if (alone == Action::Print || alone == Action::Delete) {
        action_ = alone;
    } else if (actionWords().kindOf(ruleFunctionNameView(action), Action::Unknown) ==
               Action::Replace) {
        action_ = Action::Replace;
        replacement_ = ruleArgumentText(action);
    }
}

QString FindRule::argument(const QString &test, Scope scope, Action action,
                           const QString &replacement)
{
    QString actionText = actionWords().name(action);
    if (action == Action::Replace)
        actionText += QLatin1Char('(') + replacement + QLatin1Char(')');
    return test + QLatin1Char(',') + scopeWords().name(scope) + QLatin1Char(',') + actionText;
}

namespace {

// The value becomes text, in its own buffer when that is large enough: a
// caller that reuses one buffer for many values keeps it.
void assign(QString &value, const QString &text)
{
    if (!value.isDetached() || value.capacity() < text.size()) {
        value = text;
        return;
    }
    value.resize(0);
    value += text;
}

} // namespace

void FindRule::apply(QString &value) const
{
    if (scope_ == Scope::Unknown || action_ == Action::Unknown)
        return;
    const bool matched = test_.matches(value);
    if (scope_ == Scope::MatchedString) {
        if (matched)
            applyToMatch(value);
        return;
    }
    switch (action_) {
    case Action::Print:
        // Only the values that pass the test survive.
        if (!matched)
            value.resize(0);
        break;
    case Action::Delete:
        if (matched)
            value.resize(0);
        break;
    case Action::Replace:
        if (matched)
            assign(value, replacement_);
        break;
    case Action::Unknown:
        break;
    }
}

// Only called when the test matched. Where a test has no matched part of its
// own (equality and the negated tests), the whole value is the match, except
// that replacing for "does not start/end with" replaces every occurrence.
void FindRule::applyToMatch(QString &value) const
{
    const QString &search = test_.text();
    if (action_ == Action::Print) {
        assign(value, search);
        return;
    }
    const bool remove = action_ == Action::Delete;
    switch (test_.kind()) {
    case TextTest::Kind::Contains:
        if (remove)
            value.remove(search);
        else
            value.replace(search, replacement_);
        return;
    case TextTest::Kind::StartsWith:
        value.remove(0, search.size());
        if (!remove)
            value.prepend(replacement_);
        return;
    case TextTest::Kind::EndsWith:
        value.chop(search.size());
        if (!remove)
            value.append(replacement_);
        return;
    case TextTest::Kind::NotStartsWith:
    case TextTest::Kind::NotEndsWith:
        if (remove)
            value.resize(0);
        else
            value.replace(search, replacement_);
        return;
    case TextTest::Kind::EqualTo:
    case TextTest::Kind::NotEqualTo:
    case TextTest::Kind::NotContains:
        if (remove)
            value.resize(0);
        else
            assign(value, replacement_);
        return;
    case TextTest::Kind::Unknown:
        return;
    }
}
