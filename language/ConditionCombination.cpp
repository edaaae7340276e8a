#include "language/ConditionCombination.h"

const Vocabulary<ConditionCombination::Kind> &ConditionCombination::words()
{
    static const Vocabulary<Kind> words = {
        {Kind::All, "AND", QT_TRANSLATE_NOOP("RuleDescription", "위 조건을 모두 만족시 출력"),
         nullptr},
        {Kind::Any, "OR", QT_TRANSLATE_NOOP("RuleDescription", "위 조건을 하나라도 만족시 출력"),
         nullptr},
    };
    return words;
}
