#include "language/TextTest.h"

#include "language/RuleText.h"

namespace {

// The empty text is contained in, and starts and ends, every value. Checked
// first so that a null and an empty value behave alike.
bool containsText(QStringView value, const QString &text)
{
    return text.isEmpty() || value.contains(text);
}

bool startsWithText(QStringView value, const QString &text)
{
    return text.isEmpty() || value.startsWith(text);
}

bool endsWithText(QStringView value, const QString &text)
{
    return text.isEmpty() || value.endsWith(text);
}

} // namespace

const Vocabulary<TextTest::Kind> &TextTest::words()
{
    static const Vocabulary<Kind> words = {
        {Kind::EqualTo, "equalTo", QT_TRANSLATE_NOOP("RuleDescription", "과 일치"),
         QT_TRANSLATE_NOOP("RuleDescription", "equals “%1”")},
        {Kind::NotEqualTo, "notEqualTo", QT_TRANSLATE_NOOP("RuleDescription", "과 불일치"),
         QT_TRANSLATE_NOOP("RuleDescription", "does not equal “%1”")},
        {Kind::Contains, "contains", QT_TRANSLATE_NOOP("RuleDescription", "을 포함"),
         QT_TRANSLATE_NOOP("RuleDescription", "contains “%1”")},
        {Kind::NotContains, "notContains", QT_TRANSLATE_NOOP("RuleDescription", "을 미포함"),
         QT_TRANSLATE_NOOP("RuleDescription", "does not contain “%1”")},
        {Kind::StartsWith, "startsWith", QT_TRANSLATE_NOOP("RuleDescription", "으로 시작"),
         QT_TRANSLATE_NOOP("RuleDescription", "starts with “%1”")},
        {Kind::NotStartsWith, "notStartsWith",
         QT_TRANSLATE_NOOP("RuleDescription", "으로 시작하지 않음"),
         QT_TRANSLATE_NOOP("RuleDescription", "does not start with “%1”")},
        {Kind::EndsWith, "endsWith", QT_TRANSLATE_NOOP("RuleDescription", "으로 끝"),
         QT_TRANSLATE_NOOP("RuleDescription", "ends with “%1”")},
        {Kind::NotEndsWith, "notEndsWith", QT_TRANSLATE_NOOP("RuleDescription", "으로 끝나지 않음"),
         QT_TRANSLATE_NOOP("RuleDescription", "does not end with “%1”")},
    };
    return words;
}

TextTest::TextTest(const QString &condition)
    : kind_(words().kindOf(ruleFunctionNameView(condition), Kind::Unknown))
{
    if (kind_ != Kind::Unknown)
        text_ = ruleArgumentText(condition);
}

bool TextTest::matches(QStringView value) const
{
    switch (kind_) {
    case Kind::EqualTo:
        return value == text_;
    case Kind::NotEqualTo:
        return value != text_;
    case Kind::Contains:
        return containsText(value, text_);
    case Kind::NotContains:
        return !containsText(value, text_);
    case Kind::StartsWith:
        return startsWithText(value, text_);
    case Kind::NotStartsWith:
        return !startsWithText(value, text_);
    case Kind::EndsWith:
        return endsWithText(value, text_);
    case Kind::NotEndsWith:
        return !endsWithText(value, text_);
    case Kind::Unknown:
        break;
    }
    return false;
}
