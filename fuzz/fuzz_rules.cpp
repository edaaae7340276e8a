// Rules: applying a rule list parsed once gives what parsing every rule again
// gives, rule by rule; the counting rules keep their promises; nothing crashes
// or trips a sanitizer. Fields: the value, then up to eight rule strings.
#include "FuzzInput.h"

#include "language/CharacterCount.h"
#include "language/CompiledRuleList.h"
#include "language/RuleApplication.h"
#include "language/RuleText.h"

namespace {

// Rules can multiply a value's length; beyond this the list stops being run.
constexpr int longestValue = 1 << 16;

void checkCountingRule(const QString &rule, const QString &before, const QString &after,
                       const QStringList &fields)
{
    const QString name = ruleFunctionName(rule);
    const int n = ruleArgumentNumber(rule);
    const int length = characterCount(before);
    if (name == QLatin1String("left") && n >= 0) {
        require(before.startsWith(after) && characterCount(after) == qMin(n, length), "left",
                fields);
    } else if (name == QLatin1String("right") && n >= 0) {
        require(before.endsWith(after) && characterCount(after) == qMin(n, length), "right",
                fields);
    } else if (name == QLatin1String("cutLeft") && n >= 0) {
        require(before.endsWith(after) && characterCount(after) == qMax(0, length - n), "cutLeft",
                fields);
    } else if (name == QLatin1String("cutRight") && n >= 0) {
        require(before.startsWith(after) && characterCount(after) == qMax(0, length - n),
                "cutRight", fields);
    } else if (name == QLatin1String("breakLine")) {
        const int breaks = n >= 1 && n < length - 1 ? (length - 2) / n : 0;
        require(after.size() == before.size() + breaks, "breakLine length", fields);
        require(QString(after).remove(QLatin1Char('\n')) ==
                    QString(before).remove(QLatin1Char('\n')),
                "breakLine text", fields);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList fields = fuzzFields(data, size);
    const QString value = fields.first();
    const QStringList rules = fields.mid(1, 8);

    QString current = value;
    for (const QString &rule : rules) {
        const QString next = applyRule(rule, current);
        require(CompiledRuleList(QStringList{rule}).apply(current) == next, "compiled rule differs",
                fields);
        // A rule never cuts a character in half, nor makes up a lone surrogate.
        if (isWellFormed(current) && isWellFormed(rule))
            require(isWellFormed(next), "surrogate pair cut", fields);
        checkCountingRule(rule, current, next, fields);
        current = next;
        if (current.size() > longestValue)
            return 0;
    }
    require(CompiledRuleList(rules).apply(value) == current, "compiled list differs", fields);
    require(applyRules(rules, value) == current, "applyRules differs", fields);
    return 0;
}
