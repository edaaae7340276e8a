#include "language/RuleDescription.h"

#include "language/ConditionCombination.h"
#include "language/FindRule.h"
#include "language/MergeType.h"
#include "language/NumberBound.h"
#include "language/RuleKeyword.h"
#include "language/RuleText.h"
#include "language/TextTest.h"

QString RuleDescription::rule(const QString &rule)
{
    const RuleKeyword::Operation operation =
        RuleKeyword::operationOf(ruleFunctionNameView(rule), ruleArgumentView(rule));
    const QString words = RuleKeyword::description(operation);
    switch (RuleKeyword::argumentOf(operation)) {
    case RuleKeyword::Argument::Count:
        return words.arg(QString::number(ruleArgumentNumber(rule)));
    case RuleKeyword::Argument::Text:
        return words.arg(ruleArgumentText(rule));
    case RuleKeyword::Argument::Find: {
        const QString text = find(ruleArgumentText(rule));
        if (!text.isEmpty())
            return text;
        break;
    }
    case RuleKeyword::Argument::None:
        if (!words.isEmpty())
            return words;
        break;
    }
    return tr("Unknown rule, changes nothing: %1").arg(rule);
}

QString RuleDescription::rules(const QStringList &rules, const QStringList &afterRules)
{
    QStringList lines;
    for (const QString &r : rules)
        lines.append(rule(r));
    for (const QString &r : afterRules)
        lines.append(tr("After merge: %1").arg(rule(r)));
    return lines.join(QLatin1Char('\n'));
}

// Worded after what the rule does, which for the matched part depends on the
// test: only "contains", "starts with" and "ends with" have a part of their own.
QString RuleDescription::find(const QString &argument)
{
    const FindRule parsed(argument);
    const bool print = parsed.action() == FindRule::Action::Print;
    const bool remove = parsed.action() == FindRule::Action::Delete;
    const bool replace = parsed.action() == FindRule::Action::Replace;
    const bool whole = parsed.scope() == FindRule::Scope::FullString;
    if (parsed.action() == FindRule::Action::Unknown || parsed.scope() == FindRule::Scope::Unknown)
        return QString();

    const TextTest &tested = parsed.test();
    const QString test = TextTest::words().description(tested.kind(), tested.text());
    const QString &search = tested.text();
    const QString &replacement = parsed.replacement();
    if (test.isEmpty())
        return whole && print ? tr("Empty every value (unknown test)") : QString();
    if (whole || !print) {
        if (whole && print)
            return tr("Keep the value only if it %1").arg(test);
        switch (whole ? TextTest::Kind::Unknown : tested.kind()) {
        case TextTest::Kind::Contains:
            return remove ? tr("Delete every “%1”").arg(search)
                          : tr("Replace every “%1” with “%2”").arg(search, replacement);
        case TextTest::Kind::StartsWith:
            return remove ? tr("Delete the leading “%1”").arg(search)
                          : tr("Replace the leading “%1” with “%2”").arg(search, replacement);
        case TextTest::Kind::EndsWith:
            return remove ? tr("Delete the trailing “%1”").arg(search)
                          : tr("Replace the trailing “%1” with “%2”").arg(search, replacement);
        case TextTest::Kind::NotStartsWith:
        case TextTest::Kind::NotEndsWith:
            if (replace) {
                return tr("If the value %1, replace every “%2” with “%3”")
                    .arg(test, search, replacement);
            }
            break;
        default:
            break;
        }
        return remove ? tr("Empty the value if it %1").arg(test)
                      : tr("Make the value “%2” if it %1").arg(test, replacement);
    }
    // The matched part of every test is its search text.
    return tr("Make the value “%2” if it %1").arg(test, search);
}

QString RuleDescription::bound(const QString &bound, bool lower)
{
    return NumberBound::words(lower).description(
        NumberBound::kindOf(ruleFunctionNameView(bound), lower),
        QString::number(ruleArgumentNumber(bound)));
}

QString RuleDescription::condition(const QString &tested, const QString &condition)
{
    if (ruleFunctionName(condition) == QLatin1String("range")) {
        const QStringList bounds =
            ruleArgumentText(condition).split(QLatin1Char(','), Qt::KeepEmptyParts);
        QStringList parts = {bound(bounds.value(0), true), bound(bounds.value(1), false)};
        parts.removeAll(QString());
        if (parts.isEmpty())
            return tr("%1: any value").arg(tested);
        return tr("%1 is a number %2").arg(tested, parts.join(tr(", ")));
    }
    const TextTest parsed(condition);
    const QString test = TextTest::words().description(parsed.kind(), parsed.text());
    if (test.isEmpty())
        return tr("%1: no test set, never true").arg(tested);
    return tr("%1 %2").arg(tested, test);
}

QString RuleDescription::conditions(const QStringList &tested, const QStringList &conditions,
                                    const QString &combination)
{
    const ConditionCombination::Kind kind = ConditionCombination::kindOf(combination);
    const bool all = kind == ConditionCombination::Kind::All;
    const bool any = kind == ConditionCombination::Kind::Any;
    QStringList lines;
    for (int i = 0; i < tested.size(); ++i) {
        const QString line = condition(tested.at(i), conditions.value(i));
        if (i == 0)
            lines.append(line);
        else if (all)
            lines.append(tr("and %1").arg(line));
        else if (any)
            lines.append(tr("or %1").arg(line));
        else
            lines.append(line);
    }
    if (!tested.isEmpty() && !all && !any)
        lines.append(tr("Never written: the way to combine the conditions is not set"));
    return lines.join(QLatin1Char('\n'));
}

QString RuleDescription::merge(const QString &type, const QString &separator)
{
    const MergeType::Kind kind = MergeType::kindOf(type);
    if (kind == MergeType::Kind::Strings) {
        if (separator == QLatin1String("\n"))
            return tr("Join as text (new line LF)");
        if (separator == QLatin1String("\r\n"))
            return tr("Join as text (new line CRLF)");
        if (separator.isEmpty())
            return tr("Join as text (no separator)");
        return tr("Join as text (%1)").arg(separator);
    }
    if (kind == MergeType::Kind::Numbers)
        return tr("Sum");
    return QString();
}

QStringList RuleDescription::ruleExamples()
{
    return {QStringLiteral("left(10)"),
            QStringLiteral("right(4)"),
            QStringLiteral("cutLeft(1)"),
            QStringLiteral("cutRight(2)"),
            QStringLiteral("breakLine(10)"),
            QStringLiteral("newLine(LF)"),
            QStringLiteral("newLine(CRLF)"),
            QStringLiteral("newLine(REMOVE)"),
            QStringLiteral("prepend(〒)"),
            QStringLiteral("append( 様)"),
            QStringLiteral("find(contains(-),matchedString,delete)"),
            QStringLiteral("find(contains(/),matchedString,replace(-))"),
            QStringLiteral("find(equalTo(なし),fullString,delete)"),
            QStringLiteral("find(equalTo(代金引換),fullString,replace(2))"),
            QStringLiteral("find(contains(@),fullString,print)"),
            QStringLiteral("find(startsWith(TEL:),matchedString,delete)"),
            QStringLiteral("find(startsWith(0),matchedString,replace(+81-))"),
            QStringLiteral("find(endsWith(様),matchedString,delete)"),
            QStringLiteral("find(endsWith(様),matchedString,replace(さん))"),
            QStringLiteral("find(contains(ギフト),matchedString,print)"),
            QStringLiteral("find(notEqualTo(済),matchedString,delete)"),
            QStringLiteral("charType(fullWidth)"),
            QStringLiteral("charType(halfWidth)"),
            QStringLiteral("charType(hirakana)"),
            QStringLiteral("charType(katakana)"),
            QStringLiteral("charType(upperCase)"),
            QStringLiteral("charType(lowerCase)"),
            QStringLiteral("trim"),
            QStringLiteral("simplified")};
}

QStringList RuleDescription::conditionExamples()
{
    return {QStringLiteral("equalTo(代金引換)"),
            QStringLiteral("notEqualTo(代金引換)"),
            QStringLiteral("contains(ギフト)"),
            QStringLiteral("notContains(ギフト)"),
            QStringLiteral("startsWith(090)"),
            QStringLiteral("notStartsWith(090)"),
            QStringLiteral("endsWith(様方)"),
            QStringLiteral("notEndsWith(様方)"),
            QStringLiteral("range(greaterThan(0),unLimit)"),
            QStringLiteral("range(notLessThan(1000),lessThan(5000))"),
            QStringLiteral("range(unLimit,notGreaterThan(100))"),
            QStringLiteral("range(unLimit,unLimit)")};
}
