#include "language/NumberBound.h"

const Vocabulary<NumberBound::Kind> &NumberBound::words(bool lower)
{
    static const Vocabulary<Kind>::Word unlimited = {
        Kind::Unlimited, "unLimit", QT_TRANSLATE_NOOP("RuleDescription", "무제한"), nullptr};
    static const Vocabulary<Kind> lowerWords = {
        {Kind::GreaterThan, "greaterThan", QT_TRANSLATE_NOOP("RuleDescription", "초과"),
         QT_TRANSLATE_NOOP("RuleDescription", "over %1")},
        {Kind::NotLessThan, "notLessThan", QT_TRANSLATE_NOOP("RuleDescription", "이상"),
         QT_TRANSLATE_NOOP("RuleDescription", "%1 or more")},
        unlimited,
    };
    static const Vocabulary<Kind> upperWords = {
        {Kind::LessThan, "lessThan", QT_TRANSLATE_NOOP("RuleDescription", "미만"),
         QT_TRANSLATE_NOOP("RuleDescription", "under %1")},
        {Kind::NotGreaterThan, "notGreaterThan", QT_TRANSLATE_NOOP("RuleDescription", "이하"),
         QT_TRANSLATE_NOOP("RuleDescription", "%1 or less")},
        unlimited,
    };
    return lower ? lowerWords : upperWords;
}
