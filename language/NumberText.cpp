#include "language/NumberText.h"

#include <limits>

namespace {

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

} // namespace

qint32 toInt32OrZero(QStringView text)
{
    const int size = int(text.size());
    int i = 0;
    while (i < size && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < size && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const int firstDigit = i;
    // The magnitude saturates just above the 32-bit range, so no digit count
    // can overflow it, and leading zeros cost nothing.
    constexpr qint64 tooLarge = qint64(std::numeric_limits<qint32>::max()) + 2;
    qint64 magnitude = 0;
    while (i < size && isAsciiDigit(text[i])) {
        magnitude = qMin(magnitude * 10 + (text[i].unicode() - u'0'), tooLarge);
        ++i;
    }
    if (i == firstDigit)
        return 0;
    while (i < size && text[i].isSpace())
        ++i;
    if (i != size)
        return 0;
    const qint64 number = negative ? -magnitude : magnitude;
    if (number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
        return 0;
    return qint32(number);
}

qint32 toInt32OrZero(const QString &text)
{
    return toInt32OrZero(QStringView(text));
}
