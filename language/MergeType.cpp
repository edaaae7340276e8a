#include "language/MergeType.h"

const Vocabulary<MergeType::Kind> &MergeType::words()
{
    static const Vocabulary<Kind> words = {
        {Kind::None, "NO", QT_TRANSLATE_NOOP("RuleDescription", "병합 안함"), nullptr},
        {Kind::Strings, "STRING", QT_TRANSLATE_NOOP("RuleDescription", "문자열 병합"), nullptr},
        {Kind::Numbers, "NUMBER", QT_TRANSLATE_NOOP("RuleDescription", "숫자열 합"), nullptr},
    };
    return words;
}
