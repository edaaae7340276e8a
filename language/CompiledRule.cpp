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
    : operation_(RuleKeyword::operationOf(ruleFunctionNameView(rule), ruleArgumentView(rule)))
{
    switch (RuleKeyword::argumentOf(operation_)) {
    case RuleKeyword::Argument::Count:
        count_ = ruleArgumentNumber(rule);
        break;
    case RuleKeyword::Argument::Text:
        text_ = ruleArgumentText(rule);
        break;
    case RuleKeyword::Argument::Find:
        find_ = FindRule(ruleArgumentText(rule));
        break;
    case RuleKeyword::Argument::None:
        break;
    }
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
