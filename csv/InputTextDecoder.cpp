#include "InputTextDecoder.h"

#include "csv/Cp932.h"

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

// A valid two-byte UTF-8 character whose bytes are both half-width katakana
// in Shift-JIS (0xA1-0xDF; the lead byte always is) and that is no Latin
// letter or accent: U+0370 and above. Without branches, which text of mixed
// scripts would mispredict.
bool passesForKana(unsigned char lead, unsigned char trail)
{
    return (trail >= 0xA1) & ((lead > 0xCD) | ((lead == 0xCD) & (trail >= 0xB0)));
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

// A system whose codec is code page 932 reads it by the program's own table,
// as every other system reads Shift-JIS.
InputTextDecoder::Encoding InputTextDecoder::fallbackEncoding()
{
    const bool otherLocale =
        QTextCodec::codecForLocale()->mibEnum() != Utf8Mib && !Cp932::isSystemCodec();
    return otherLocale ? Encoding::Locale : Encoding::ShiftJis;
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
    return nullptr;
}

QString InputTextDecoder::name(Encoding encoding)
{
    if (encoding == Encoding::ShiftJis)
        return QStringLiteral("Shift_JIS");
    return QString::fromLatin1(codec(encoding)->name());
}

bool InputTextDecoder::isUnicode(Encoding encoding)
{
    return encoding != Encoding::Locale && encoding != Encoding::ShiftJis;
}

InputTextDecoder::Encoding InputTextDecoder::detect(const QByteArray &bytes)
{
    Encoding encoding;
    if (markedEncoding(bytes, &encoding))
        return encoding;
    const Check check = checkUtf8(bytes.constData(), bytes.size(), true);
    if (!check.fault)
        return check.lookalikes.areShiftJis() ? Encoding::ShiftJis : Encoding::Utf8;
    return fallbackEncoding();
}

bool InputTextDecoder::isValidUtf8(const char *data, qsizetype size)
{
    return !checkUtf8(data, size, true).fault;
}

// Stops at the first fault, so a Shift-JIS file is recognised after a few bytes.
InputTextDecoder::Check InputTextDecoder::checkUtf8(const char *data, qsizetype size, bool final)
{
    Check check;
    const auto *begin = reinterpret_cast<const unsigned char *>(data);
    const auto *p = begin;
    const unsigned char *const end = p + size;
    // Kept in registers while the loop runs; a character of three or four
    // bytes is never a look-alike.
    qsizetype firstWide = -1;
    bool kanaSome = false;
    bool kanaOther = false;
    const auto finish = [&](qsizetype validLength, bool fault) {
        check.validLength = validLength;
        check.fault = fault;
        check.firstWide = firstWide;
        check.lookalikes.some = kanaSome;
        check.lookalikes.other = kanaOther || firstWide >= 0;
        return check;
    };
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
            return finish(p - begin, true);
        }
        const qsizetype available = end - p;
        for (int k = 1; k < length && k < available; ++k) {
            const unsigned char lower = k == 1 ? low : 0x80;
            const unsigned char upper = k == 1 ? high : 0xBF;
            if (p[k] < lower || p[k] > upper)
                return finish(p - begin, true);
        }
        // The rest comes with the next piece, unless there is none.
        if (available < length)
            return finish(p - begin, final);
        if (length >= 3) {
            if (firstWide < 0)
                firstWide = p - begin;
        } else if (!kanaOther) {
            // Once one character is no look-alike, the rest do not matter.
            const bool kana = passesForKana(c, p[1]);
            kanaSome |= kana;
            kanaOther = !kana;
        }
        p += length;
    }
    return finish(size, false);
}

InputTextDecoder::Check InputTextDecoder::checkUnicode(Encoding encoding, const char *data,
                                                       qsizetype size, bool final)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(data);
    const bool wide = encoding == Encoding::Utf32Le || encoding == Encoding::Utf32Be;
    const bool bigEndian = encoding == Encoding::Utf16Be || encoding == Encoding::Utf32Be;
    const int unit = wide ? 4 : 2;
    auto unitAt = [&](qsizetype at) {
        quint32 value = 0;
        for (int k = 0; k < unit; ++k)
            value |= quint32(bytes[at + (bigEndian ? unit - 1 - k : k)]) << (8 * k);
        return value;
    };
    Check check;
    qsizetype at = 0;
    while (size - at >= unit) {
        const quint32 value = unitAt(at);
        if (wide) {
            if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
                break;
            at += unit;
            continue;
        }
        if (value < 0xD800 || value > 0xDFFF) {
            at += unit;
            continue;
        }
        if (value > 0xDBFF)
            break; // a low surrogate without its high one
        if (size - at < 2 * unit) {
            // The low half comes with the next piece, unless there is none.
            check.validLength = at;
            check.fault = final;
            return check;
        }
        const quint32 low = unitAt(at + unit);
        if (low < 0xDC00 || low > 0xDFFF)
            break;
        at += 2 * unit;
    }
    check.validLength = at;
    check.fault = at < size && (final || size - at >= unit);
    return check;
}

bool InputTextDecoder::holdsWideUtf8Line(const char *data, qsizetype size)
{
    const char *p = data;
    const char *const end = data + size;
    while (p < end) {
        const char *lineEnd = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        if (!lineEnd)
            lineEnd = end;
        const Check check = checkUtf8(p, lineEnd - p, true);
        if (!check.fault && check.firstWide >= 0)
            return true;
        p = lineEnd + 1;
    }
    return false;
}

QString InputTextDecoder::decodeLegacy(Encoding encoding, const char *data, qsizetype size,
                                       qsizetype *faultAt)
{
    if (encoding == Encoding::ShiftJis)
        return Cp932::instance().decode(data, size, faultAt);
    QTextCodec *const textCodec = codec(encoding);
    // A lead byte at the very end would vanish without a trace; followed by a
    // line feed, which no multi-byte character ends with, it shows as a fault.
    const bool endsLine = size == 0 || data[size - 1] == '\n';
    QString text = endsLine ? textCodec->toUnicode(data, int(size))
                            : textCodec->toUnicode(QByteArray(data, int(size)) + '\n');
    if (!endsLine && text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    // No legacy codec maps a byte sequence to U+FFFD: it marks bytes the
    // codec could not decode.
    *faultAt = text.indexOf(QChar(0xFFFD));
    return text;
}
