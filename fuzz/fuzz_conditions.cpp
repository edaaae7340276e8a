// Conditions: a stored condition parsed once tests like one parsed per call,
// and dispatches to the text test or the number range; numbers read like the
// string library reads them. Fields: value, condition, two bounds.
#include "FuzzInput.h"

#include "language/CompiledCondition.h"
#include "language/ConditionEvaluation.h"
#include "language/NumberText.h"
#include "language/RuleText.h"

namespace {

// QString::toInt in the C locale also takes the minus sign U+2212; without
// it, it reads exactly the numbers toInt32OrZero reads.
void checkNumber(const QString &text, const QStringList &fields)
{
    if (text.contains(QChar(0x2212)))
        return;
    bool ok = false;
    const int library = text.toInt(&ok);
    require(toInt32OrZero(text) == (ok ? library : 0), "number differs from QString::toInt",
            fields);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList fields = fuzzFields(data, size);
    const QString value = fields.value(0);
    const QString condition = fields.value(1);

    const bool result = evaluateCondition(condition, value);
    require(CompiledCondition(condition).test(value) == result, "compiled condition differs",
            fields);
    if (ruleFunctionName(condition) == QLatin1String("range")) {
        const QStringList bounds = ruleArgumentText(condition).split(QLatin1Char(','));
        require(testNumberRange(bounds, toInt32OrZero(value)) == result, "range dispatch", fields);
    } else {
        require(testTextCondition(condition, value) == result, "text dispatch", fields);
    }

    // Bounds without a "," written into a stored condition come back as they were.
    const QString lower = fields.value(2);
    const QString upper = fields.value(3);
    if (!lower.contains(QLatin1Char(',')) && !upper.contains(QLatin1Char(','))) {
        const QString stored = QStringLiteral("range(%1,%2)").arg(lower, upper);
        require(evaluateCondition(stored, value) ==
                    testNumberRange(QStringList{lower, upper}, toInt32OrZero(value)),
                "range bounds", fields);
    }
    checkNumber(value, fields);
    return 0;
}
