#include "language/RuleText.h"

#include "language/NumberText.h"

QStringView ruleFunctionNameView(QStringView s)
{
    const qsizetype open = s.indexOf(QLatin1Char('('));
    return open < 0 ? s : s.left(open);
}

// Nesting is not tracked: the argument runs from behind the first "(" to the
// last ")". Without a ")" behind the first "(" it runs to the end of s; without
// any "(" it starts at the beginning of s.
QStringView ruleArgumentView(QStringView s)
{
    const qsizetype open = s.indexOf(QLatin1Char('('));
    const qsizetype close = s.lastIndexOf(QLatin1Char(')'));
    const qsizetype begin = open < 0 ? 0 : open + 1;
    const qsizetype end = close >= begin ? close : s.size();
    return s.mid(begin, end - begin);
}

QString ruleFunctionName(const QString &s)
{
    return ruleFunctionNameView(s).toString();
}

QString ruleArgumentText(const QString &s)
{
    return ruleArgumentView(s).toString();
}

int ruleArgumentNumber(const QString &s)
{
    return toInt32OrZero(ruleArgumentView(s));
}
