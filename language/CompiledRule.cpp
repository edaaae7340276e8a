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
    : operation_(operationOf(ruleFunctionNameView(rule), ruleArgumentView(rule)))
{
    if (operation_ >= Operation::Left && operation_ <= Operation::BreakLine)
        count_ = ruleArgumentNumber(rule);
    else if (operation_ == Operation::Prepend || operation_ == Operation::Append)
        text_ = ruleArgumentText(rule);
    else if (operation_ == Operation::Find)
        find_ = FindRule(ruleArgumentText(rule));
}

// "newLine" and "charType" pick their operation by the argument. Unknown
// names and keywords leave every value unchanged.
CompiledRule::Operation CompiledRule::operationOf(QStringView name, QStringView argument)
{
    struct Keyword
    {
        const char *text;
        Operation operation;
    };
    static const Keyword names[] = {
        {"left", Operation::Left},           {"right", Operation::Right},
        {"cutLeft", Operation::CutLeft},     {"cutRight", Operation::CutRight},
        {"breakLine", Operation::BreakLine}, {"prepend", Operation::Prepend},
        {"append", Operation::Append},       {"find", Operation::Find},
        {"trim", Operation::Trim},           {"simplified", Operation::Simplified},
    };
    static const Keyword newLineCodes[] = {
        {"LF", Operation::NewLineToLf},
        {"CRLF", Operation::NewLineToCrLf},
        {"REMOVE", Operation::NewLineRemove},
    };
    static const Keyword characterTypes[] = {
        {"lowerCase", Operation::LowerCase}, {"upperCase", Operation::UpperCase},
        {"fullWidth", Operation::FullWidth}, {"halfWidth", Operation::HalfWidth},
        {"hirakana", Operation::Hiragana},   {"katakana", Operation::Katakana},
    };
    const auto lookUp = [](const auto &keywords, QStringView text) {
        for (const Keyword &keyword : keywords) {
            if (text == QLatin1String(keyword.text))
                return keyword.operation;
        }
        return Operation::Unchanged;
    };
    if (name == QLatin1String("newLine"))
        return lookUp(newLineCodes, argument);
    if (name == QLatin1String("charType"))
        return lookUp(characterTypes, argument);
    return lookUp(names, name);
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
