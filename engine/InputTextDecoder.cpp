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

QString decodeWith(QTextCodec *codec, const char *data, qsizetype size)
{
    // The mark, if any, has been cut off already; a further U+FEFF is text.
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return codec->toUnicode(data, int(size), &state);
}

QTextCodec *shiftJis()
{
    static QTextCodec *const codec = QTextCodec::codecForName("Shift_JIS");
    return codec;
}

} // namespace

InputTextDecoder::Encoding InputTextDecoder::detect(const QByteArray &bytes)
{
    if (startsWith(bytes, "\xEF\xBB\xBF", 3))
        return Encoding::Utf8Bom;
    // UTF-32LE's mark begins with UTF-16LE's, so it is tested first.
    if (startsWith(bytes, "\xFF\xFE\x00\x00", 4))
        return Encoding::Utf32Le;
    if (startsWith(bytes, "\x00\x00\xFE\xFF", 4))
        return Encoding::Utf32Be;
    if (startsWith(bytes, "\xFF\xFE", 2))
        return Encoding::Utf16Le;
    if (startsWith(bytes, "\xFE\xFF", 2))
        return Encoding::Utf16Be;
    if (isValidUtf8(bytes.constData(), bytes.size()))
        return Encoding::Utf8;
    if (QTextCodec::codecForLocale()->mibEnum() != Utf8Mib)
        return Encoding::Locale;
    return Encoding::ShiftJis;
}

QString InputTextDecoder::decode(const QByteArray &bytes) { return decode(bytes, nullptr); }

QString InputTextDecoder::decode(const QByteArray &bytes, Encoding *detected)
{
    const Encoding encoding = detect(bytes);
    if (detected)
        *detected = encoding;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    switch (encoding) {
    case Encoding::Utf8Bom:
        return QString::fromUtf8(data + 3, int(size - 3));
    case Encoding::Utf32Le:
        return decodeWith(QTextCodec::codecForMib(Utf32LeMib), data + 4, size - 4);
    case Encoding::Utf32Be:
        return decodeWith(QTextCodec::codecForMib(Utf32BeMib), data + 4, size - 4);
    case Encoding::Utf16Le:
        return decodeWith(QTextCodec::codecForMib(Utf16LeMib), data + 2, size - 2);
    case Encoding::Utf16Be:
        return decodeWith(QTextCodec::codecForMib(Utf16BeMib), data + 2, size - 2);
    case Encoding::Utf8:
        return QString::fromUtf8(data, int(size));
    case Encoding::Locale:
        return decodeWith(QTextCodec::codecForLocale(), data, size);
    case Encoding::ShiftJis:
        break;
    }
    return decodeWith(shiftJis(), data, size);
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no
// sequence cut off at the end. Stops at the first fault, so a Shift-JIS file
// is recognised after a few bytes.
bool InputTextDecoder::isValidUtf8(const char *data, qsizetype size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
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
            return false;
        }
        if (end - p < length)
            return false;
        if (p[1] < low || p[1] > high)
            return false;
        for (int k = 2; k < length; ++k) {
            if ((p[k] & 0xC0) != 0x80)
                return false;
        }
        p += length;
    }
    return true;
}
