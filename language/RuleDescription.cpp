#include "language/RuleDescription.h"

#include "language/RuleText.h"
#include "language/TextTest.h"

QString RuleDescription::rule(const QString &rule)
{
    const QString name = ruleFunctionName(rule);
    const QString argument = ruleArgumentText(rule);
    const QString count = QString::number(ruleArgumentNumber(rule));
    if (name == QLatin1String("left"))
        return tr("Keep the first %1 characters").arg(count);
    if (name == QLatin1String("right"))
        return tr("Keep the last %1 characters").arg(count);
    if (name == QLatin1String("cutLeft"))
        return tr("Delete the first %1 characters").arg(count);
    if (name == QLatin1String("cutRight"))
        return tr("Delete the last %1 characters").arg(count);
    if (name == QLatin1String("breakLine"))
        return tr("Break the line every %1 characters").arg(count);
    if (name == QLatin1String("prepend"))
        return tr("Insert “%1” at the start").arg(argument);
    if (name == QLatin1String("append"))
        return tr("Insert “%1” at the end").arg(argument);
    if (name == QLatin1String("trim"))
        return tr("Delete blanks at the start and end");
    if (name == QLatin1String("simplified"))
        return tr("Delete blanks at the start and end, and make each run of blanks one space");
    if (name == QLatin1String("find")) {
        const QString text = find(argument);
        if (!text.isEmpty())
            return text;
    }
    if (name == QLatin1String("newLine")) {
        if (argument == QLatin1String("LF"))
            return tr("Make every new line LF");
        if (argument == QLatin1String("CRLF"))
            return tr("Make every new line CRLF");
        if (argument == QLatin1String("REMOVE"))
            return tr("Delete new lines, making one line");
    }
    if (name == QLatin1String("charType")) {
        if (argument == QLatin1String("lowerCase"))
            return tr("Convert to lower case");
        if (argument == QLatin1String("upperCase"))
            return tr("Convert to upper case");
        if (argument == QLatin1String("fullWidth"))
            return tr("Convert to full width");
        if (argument == QLatin1String("halfWidth"))
            return tr("Convert to half width");
        if (argument == QLatin1String("hirakana"))
            return tr("Convert to hiragana");
        if (argument == QLatin1String("katakana"))
            return tr("Convert to katakana");
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

QString RuleDescription::textTest(const QString &test)
{
    const TextTest parsed(test);
    const QString &text = parsed.text();
    switch (parsed.kind()) {
    case TextTest::Kind::EqualTo:
        return tr("equals “%1”").arg(text);
    case TextTest::Kind::NotEqualTo:
        return tr("does not equal “%1”").arg(text);
    case TextTest::Kind::Contains:
        return tr("contains “%1”").arg(text);
    case TextTest::Kind::NotContains:
        return tr("does not contain “%1”").arg(text);
    case TextTest::Kind::StartsWith:
        return tr("starts with “%1”").arg(text);
    case TextTest::Kind::NotStartsWith:
        return tr("does not start with “%1”").arg(text);
    case TextTest::Kind::EndsWith:
        return tr("ends with “%1”").arg(text);
    case TextTest::Kind::NotEndsWith:
        return tr("does not end with “%1”").arg(text);
    case TextTest::Kind::Unknown:
        break;
    }
    return QString();
}

// Worded after what the rule does, which for the matched part depends on the
// test: only "contains", "starts with" and "ends with" have a part of their own.
QString RuleDescription::find(const QString &argument)
{
    const QStringList parts = argument.split(QLatin1Char(','), Qt::KeepEmptyParts);
    const QString scope = parts.value(1);
    const QString action = parts.value(2);
    const bool print = action == QLatin1String("print");
    const bool remove = action == QLatin1String("delete");
    const bool replace = ruleFunctionName(action) == QLatin1String("replace");
    const bool whole = scope == QLatin1String("fullString");
    if ((!print && !remove && !replace) || (!whole && scope != QLatin1String("matchedString")))
        return QString();

    const TextTest parsed(parts.value(0));
    const QString test = textTest(parts.value(0));
    const QString &search = parsed.text();
    const QString replacement = ruleArgumentText(action);
    if (test.isEmpty())
        return whole && print ? tr("Empty every value (unknown test)") : QString();
    if (whole || !print) {
        if (whole && print)
            return tr("Keep the value only if it %1").arg(test);
        switch (whole ? TextTest::Kind::Unknown : parsed.kind()) {
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

// A bound counts only in its own place, as when the condition is tested: a
// lower bound's name in the upper place is no bound.
QString RuleDescription::bound(const QString &bound, bool lower)
{
    const QString name = ruleFunctionName(bound);
    const QString number = QString::number(ruleArgumentNumber(bound));
    if (lower && name == QLatin1String("greaterThan"))
        return tr("over %1").arg(number);
    if (lower && name == QLatin1String("notLessThan"))
        return tr("%1 or more").arg(number);
    if (!lower && name == QLatin1String("lessThan"))
        return tr("under %1").arg(number);
    if (!lower && name == QLatin1String("notGreaterThan"))
        return tr("%1 or less").arg(number);
    return QString();
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
    const QString test = textTest(condition);
    if (test.isEmpty())
        return tr("%1: no test set, never true").arg(tested);
    return tr("%1 %2").arg(tested, test);
}

QString RuleDescription::conditions(const QStringList &tested, const QStringList &conditions,
                                    const QString &combination)
{
    const bool all = combination == QLatin1String("AND");
    const bool any = combination == QLatin1String("OR");
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
    if (type == QLatin1String("STRING")) {
        if (separator == QLatin1String("\n"))
            return tr("Join as text (new line LF)");
        if (separator == QLatin1String("\r\n"))
            return tr("Join as text (new line CRLF)");
        if (separator.isEmpty())
            return tr("Join as text (no separator)");
        return tr("Join as text (%1)").arg(separator);
    }
    if (type == QLatin1String("NUMBER"))
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
