#include "InputTextDecoder.h"

#include <QTextCodec>
#include <cstring>

namespace {

constexpr int Utf8Mib = 106;
constexpr int Utf16BeMib = 1013;
constexpr int Utf16LeMib = 1014;
constexpr int Utf32BeMib = 1018;
constexpr int Utf32LeMib = 1019;

bool startsWith(const QByteArray &bytes, const char *prefix, int length)
{
    return bytes.size() >= length && std::memcmp(bytes.constData(), prefix, length) == 0;
}

} // namespace

bool InputTextDecoder::markedEncoding(const QByteArray &bytes, Encoding *encoding)
{
    Encoding found;
    if (startsWith(bytes, "\xEF\xBB\xBF", 3))
        found = Encoding::Utf8Bom;
    // UTF-32LE's mark begins with UTF-16LE's, so it is tested first.
    else if (startsWith(bytes, "\xFF\xFE\x00\x00", 4))
        found = Encoding::Utf32Le;
    else if (startsWith(bytes, "\x00\x00\xFE\xFF", 4))
        found = Encoding::Utf32Be;
    else if (startsWith(bytes, "\xFF\xFE", 2))
        found = Encoding::Utf16Le;
    else if (startsWith(bytes, "\xFE\xFF", 2))
        found = Encoding::Utf16Be;
    else
        return false;
    *encoding = found;
    return true;
}

int InputTextDecoder::markLength(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8Bom:
        return 3;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        return 2;
    case Encoding::Utf32Le:
    case Encoding::Utf32Be:
        return 4;
    default:
        return 0;
    }
}

InputTextDecoder::Encoding InputTextDecoder::fallbackEncoding()
{
    return QTextCodec::codecForLocale()->mibEnum() != Utf8Mib ? Encoding::Locale
                                                              : Encoding::ShiftJis;
}

QTextCodec *InputTextDecoder::codec(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8Bom:
    case Encoding::Utf8:
        return QTextCodec::codecForMib(Utf8Mib);
    case Encoding::Utf16Le:
        return QTextCodec::codecForMib(Utf16LeMib);
    case Encoding::Utf16Be:
        return QTextCodec::codecForMib(Utf16BeMib);
    case Encoding::Utf32Le:
        return QTextCodec::codecForMib(Utf32LeMib);
    case Encoding::Utf32Be:
        return QTextCodec::codecForMib(Utf32BeMib);
    case Encoding::Locale:
        return QTextCodec::codecForLocale();
    case Encoding::ShiftJis:
        break;
    }
    static QTextCodec *const shiftJis = QTextCodec::codecForName("Shift_JIS");
    return shiftJis;
}

InputTextDecoder::Encoding InputTextDecoder::detect(const QByteArray &bytes)
{
    Encoding encoding;
    if (markedEncoding(bytes, &encoding))
        return encoding;
    if (isValidUtf8(bytes.constData(), bytes.size()))
        return Encoding::Utf8;
    return fallbackEncoding();
}

QString InputTextDecoder::decode(const QByteArray &bytes)
{
    return decode(bytes, nullptr);
}

QString InputTextDecoder::decode(const QByteArray &bytes, Encoding *detected)
{
    const Encoding encoding = detect(bytes);
    if (detected)
        *detected = encoding;
    const int skip = markLength(encoding);
    // The mark, if any, is cut off here; a further U+FEFF is text.
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return codec(encoding)->toUnicode(bytes.constData() + skip, bytes.size() - skip, &state);
}

bool InputTextDecoder::isValidUtf8(const char *data, qsizetype size)
{
    return validUtf8Prefix(data, size, true) == size;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
// Stops at the first fault, so a Shift-JIS file is recognised after a few bytes.
qsizetype InputTextDecoder::validUtf8Prefix(const char *data, qsizetype size, bool final)
{
    const auto *begin = reinterpret_cast<const unsigned char *>(data);
    const auto *p = begin;
    const unsigned char *const end = p + size;
    while (p < end) {
        // Plain ASCII runs dominate order files; test eight bytes at a time.
        while (end - p >= 8) {
            quint64 chunk;
            std::memcpy(&chunk, p, 8);
            if (chunk & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0;
            else if (c == 0xED)
                high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90;
            else if (c == 0xF4)
                high = 0x8F;
        } else {
            return -1;
        }
        const qsizetype available = end - p;
        for (int k = 1; k < length && k < available; ++k) {
            const unsigned char lower = k == 1 ? low : 0x80;
            const unsigned char upper = k == 1 ? high : 0xBF;
            if (p[k] < lower || p[k] > upper)
                return -1;
        }
        if (available < length)
            return final ? -1 : p - begin; // the rest comes with the next piece
        p += length;
    }
    return size;
}
