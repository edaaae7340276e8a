#include "language/CompiledRule.h"

#include "language/CharacterConverter.h"
#include "language/CharacterCount.h"
#include "language/RuleText.h"

#include <algorithm>

namespace {

// Cuts after every `width` characters with a LF, as long as the cut lies
// before the last character: every line but the last has `width` characters,
// the last between 2 and width + 1. A width below 1 changes nothing.
void breakLines(QString &value, int width)
{
    if (width < 1)
        return;
    const int length = characterCount(value);
    if (width >= length - 1)
        return;
    const int breaks = (length - 2) / width;
    QString result(value.size() + breaks, Qt::Uninitialized);
    QChar *out = result.data();
    QStringView rest(value);
    for (int line = 0; line < breaks; ++line) {
        const int units = unitsOfFirstCharacters(rest, width);
        out = std::copy_n(rest.data(), units, out);
        *out++ = QLatin1Char('\n');
        rest = rest.mid(units);
    }
    std::copy(rest.begin(), rest.end(), out);
    value = std::move(result);
}

} // namespace

CompiledRule::CompiledRule(const QString &rule)
{
    const QStringView name = ruleFunctionNameView(rule);
    const auto is = [&](const char *candidate) { return name == QLatin1String(candidate); };
    if (is("left")) {
        operation_ = Operation::Left;
    } else if (is("right")) {
        operation_ = Operation::Right;
    } else if (is("cutLeft")) {
        operation_ = Operation::CutLeft;
    } else if (is("cutRight")) {
        operation_ = Operation::CutRight;
    } else if (is("breakLine")) {
        operation_ = Operation::BreakLine;
    } else if (is("newLine")) {
        parseNewLine(ruleArgumentView(rule));
    } else if (is("prepend")) {
        operation_ = Operation::Prepend;
    } else if (is("append")) {
        operation_ = Operation::Append;
    } else if (is("find")) {
        operation_ = Operation::Find;
        find_ = FindRule(ruleArgumentText(rule));
    } else if (is("charType")) {
        parseCharType(ruleArgumentView(rule));
    } else if (is("trim")) {
        operation_ = Operation::Trim;
    } else if (is("simplified")) {
        operation_ = Operation::Simplified;
    }
    if (operation_ >= Operation::Left && operation_ <= Operation::BreakLine)
        count_ = ruleArgumentNumber(rule);
    if (operation_ == Operation::Prepend || operation_ == Operation::Append)
        text_ = ruleArgumentText(rule);
}

void CompiledRule::parseNewLine(QStringView keyword)
{
    if (keyword == QLatin1String("LF"))
        operation_ = Operation::NewLineToLf;
    else if (keyword == QLatin1String("CRLF"))
        operation_ = Operation::NewLineToCrLf;
    else if (keyword == QLatin1String("REMOVE"))
        operation_ = Operation::NewLineRemove;
}

void CompiledRule::parseCharType(QStringView kind)
{
    if (kind == QLatin1String("lowerCase"))
        operation_ = Operation::LowerCase;
    else if (kind == QLatin1String("upperCase"))
        operation_ = Operation::UpperCase;
    else if (kind == QLatin1String("fullWidth"))
        operation_ = Operation::FullWidth;
    else if (kind == QLatin1String("halfWidth"))
        operation_ = Operation::HalfWidth;
    else if (kind == QLatin1String("hirakana"))
        operation_ = Operation::Hiragana;
    else if (kind == QLatin1String("katakana"))
        operation_ = Operation::Katakana;
}

void CompiledRule::apply(QString &value) const
{
    // A negative count (only from a hand-edited file) leaves the value as it is.
    switch (operation_) {
    case Operation::Unchanged:
        return;
    case Operation::Left:
        if (count_ >= 0)
            value.truncate(unitsOfFirstCharacters(value, count_));
        return;
    case Operation::Right:
        if (count_ >= 0)
            value.remove(0, value.size() - unitsOfLastCharacters(value, count_));
        return;
    case Operation::CutLeft:
        if (count_ >= 0)
            value.remove(0, unitsOfFirstCharacters(value, count_));
        return;
    case Operation::CutRight:
        if (count_ >= 0)
            value.chop(unitsOfLastCharacters(value, count_));
        return;
    case Operation::BreakLine:
        breakLines(value, count_);
        return;
    case Operation::NewLineToLf:
        value.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        return;
    case Operation::NewLineToCrLf:
        value.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        return;
    case Operation::NewLineRemove:
        value.remove(QLatin1Char('\r'));
        value.remove(QLatin1Char('\n'));
        return;
    case Operation::Prepend:
        value.prepend(text_);
        return;
    case Operation::Append:
        value.append(text_);
        return;
    case Operation::Find:
        find_.apply(value);
        return;
    case Operation::LowerCase:
        value = std::move(value).toLower();
        return;
    case Operation::UpperCase:
        value = std::move(value).toUpper();
        return;
    case Operation::FullWidth:
        CharacterConverter::fullWidth().convert(value);
        return;
    case Operation::HalfWidth:
        CharacterConverter::halfWidth().convert(value);
        return;
    case Operation::Hiragana:
        CharacterConverter::hiragana().convert(value);
        return;
    case Operation::Katakana:
        CharacterConverter::katakana().convert(value);
        return;
    case Operation::Trim:
        value = std::move(value).trimmed();
        return;
    case Operation::Simplified:
        value = std::move(value).simplified();
        return;
    }
}
