#include "language/CharacterConversion.h"

#include "language/CharacterConverter.h"

namespace {

QString converted(const CharacterConverter &converter, const QString &text)
{
    QString result = text;
    converter.convert(result);
    return result;
}

} // namespace

QString toFullWidth(const QString &text)
{
    return converted(CharacterConverter::fullWidth(), text);
}

QString toHalfWidth(const QString &text)
{
    return converted(CharacterConverter::halfWidth(), text);
}

QString toHiragana(const QString &text)
{
    return converted(CharacterConverter::hiragana(), text);
}

QString toKatakana(const QString &text)
{
    return converted(CharacterConverter::katakana(), text);
}
