#include "language/TextTest.h"

#include "language/RuleText.h"

#include <QLatin1String>

namespace {

struct NamedKind
{
    QLatin1String name;
    TextTest::Kind kind;
};

const NamedKind textTestNames[] = {
    {QLatin1String("equalTo"), TextTest::Kind::EqualTo},
    {QLatin1String("notEqualTo"), TextTest::Kind::NotEqualTo},
    {QLatin1String("contains"), TextTest::Kind::Contains},
    {QLatin1String("notContains"), TextTest::Kind::NotContains},
    {QLatin1String("startsWith"), TextTest::Kind::StartsWith},
    {QLatin1String("notStartsWith"), TextTest::Kind::NotStartsWith},
    {QLatin1String("endsWith"), TextTest::Kind::EndsWith},
    {QLatin1String("notEndsWith"), TextTest::Kind::NotEndsWith},
};

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

TextTest::TextTest(const QString &condition)
{
    const QStringView name = ruleFunctionNameView(condition);
    for (const NamedKind &entry : textTestNames) {
        if (name == entry.name) {
            kind_ = entry.kind;
            text_ = ruleArgumentText(condition);
            return;
        }
    }
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
