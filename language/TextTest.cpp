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

const QStringList &TextTest::names()
{
    static const QStringList names = {QStringLiteral("equalTo"),    QStringLiteral("notEqualTo"),
                                      QStringLiteral("contains"),   QStringLiteral("notContains"),
                                      QStringLiteral("startsWith"), QStringLiteral("notStartsWith"),
                                      QStringLiteral("endsWith"),   QStringLiteral("notEndsWith")};
    return names;
}

TextTest::TextTest(const QString &condition)
{
    const QStringView name = ruleFunctionNameView(condition);
    const QStringList &known = names();
    for (int i = 0; i < known.size(); ++i) {
        if (name == known.at(i)) {
            kind_ = Kind(i);
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
