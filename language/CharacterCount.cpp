#include "language/CharacterCount.h"

namespace {

bool pairStartsAt(QStringView text, int i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

bool pairEndsAt(QStringView text, int i)
{
    return text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate();
}

} // namespace

int characterCount(QStringView text)
{
    const int size = int(text.size());
    int count = 0;
    for (int i = 0; i < size; ++i, ++count) {
        if (pairStartsAt(text, i))
            ++i;
    }
    return count;
}

int unitsOfFirstCharacters(QStringView text, int count)
{
    const int size = int(text.size());
    int i = 0;
    for (; i < size && count > 0; ++i, --count) {
        if (pairStartsAt(text, i))
            ++i;
    }
    return i;
}

int unitsOfLastCharacters(QStringView text, int count)
{
    int i = int(text.size());
    for (; i > 0 && count > 0; --i, --count) {
        if (pairEndsAt(text, i - 1))
            --i;
    }
    return int(text.size()) - i;
}
