#include "language/FindRule.h"

#include "language/RuleText.h"

#include <QStringList>

FindRule::FindRule(const QString &argument)
{
    // The parts are split at every ",", so neither the search text nor the
    // replacement can hold one; missing parts are empty.
    const QStringList parts = argument.split(QLatin1Char(','), Qt::KeepEmptyParts);
    test_ = TextTest(parts.value(0));

    const QString scope = parts.value(1);
    if (scope == QLatin1String("fullString"))
        scope_ = Scope::FullString;
    else if (scope == QLatin1String("matchedString"))
        scope_ = Scope::MatchedString;

    const QString action = parts.value(2);
    if (action == QLatin1String("print")) {
        action_ = Action::Print;
    } else if (action == QLatin1String("delete")) {
        action_ = Action::Delete;
    } else if (ruleFunctionNameView(action) == QLatin1String("replace")) {
        action_ = Action::Replace;
        replacement_ = ruleArgumentText(action);
    }
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
