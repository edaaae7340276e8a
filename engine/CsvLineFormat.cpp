#include "CsvLineFormat.h"

#include "engine/CsvReader.h"

#include <QTextCodec>

#include <cstring>

namespace {

constexpr ushort ByteOrderMark = 0xFEFF;

// The characters that make a value need quotes all lie at or below ','.
inline bool isSpecial(ushort u)
{
    return u <= ',' && (u == ',' || u == '"' || u == '\n' || u == '\r');
}

QTextEncoder *makeEncoder()
{
    return QTextCodec::codecForLocale()->makeEncoder(QTextCodec::IgnoreHeader);
}

bool localeIsUtf8()
{
    return QTextCodec::codecForLocale()->mibEnum() == 106;
}

// UTF-8 as Qt's codec writes it, a lone surrogate becoming "?", without the
// cost of a new byte array per call.
void appendUtf8(QStringView text, QByteArray &bytes)
{
    const ushort *p = reinterpret_cast<const ushort *>(text.data());
    const ushort *const end = p + text.size();
    const int start = bytes.size();
    const int most = start + int(text.size()) * 3;
    if (most > bytes.capacity())
        bytes.reserve(qMax(most, 2 * bytes.capacity()));
    bytes.resize(most);
    uchar *out = reinterpret_cast<uchar *>(bytes.data()) + start;
    while (p < end) {
        const uint u = *p++;
        if (u < 0x80) {
            *out++ = uchar(u);
            // Runs of ASCII go four characters at a time while they last.
            while (end - p >= 4) {
                quint64 four;
                memcpy(&four, p, sizeof four);
                if (four & Q_UINT64_C(0xFF80FF80FF80FF80))
                    break;
                out[0] = uchar(four);
                out[1] = uchar(four >> 16);
                out[2] = uchar(four >> 32);
                out[3] = uchar(four >> 48);
                out += 4;
                p += 4;
            }
        } else if (u < 0x800) {
            *out++ = uchar(0xC0 | (u >> 6));
            *out++ = uchar(0x80 | (u & 0x3F));
        } else if (!QChar::isSurrogate(u)) {
            *out++ = uchar(0xE0 | (u >> 12));
            *out++ = uchar(0x80 | ((u >> 6) & 0x3F));
            *out++ = uchar(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && p < end && QChar::isLowSurrogate(*p)) {
            const uint c = QChar::surrogateToUcs4(ushort(u), *p++);
            *out++ = uchar(0xF0 | (c >> 18));
            *out++ = uchar(0x80 | ((c >> 12) & 0x3F));
            *out++ = uchar(0x80 | ((c >> 6) & 0x3F));
            *out++ = uchar(0x80 | (c & 0x3F));
        } else {
            *out++ = '?';
        }
    }
    bytes.resize(int(out - reinterpret_cast<uchar *>(bytes.data())));
}

} // namespace

CsvLineFormat::CsvLineFormat(const QString &lineEnd)
    : lineEnd_(lineEnd), convertLineFeeds_(lineEnd != QLatin1String("\n")), utf8_(localeIsUtf8()),
      encoder_(utf8_ ? nullptr : makeEncoder())
{}

CsvLineFormat::CsvLineFormat(const CsvLineFormat &other)
    : lineEnd_(other.lineEnd_), convertLineFeeds_(other.convertLineFeeds_), utf8_(other.utf8_),
      encoder_(utf8_ ? nullptr : makeEncoder())
{}

CsvLineFormat::~CsvLineFormat() = default;

void CsvLineFormat::appendText(QString &text, const QChar *begin, const QChar *end,
                               const QChar *valueBegin) const
{
    if (!convertLineFeeds_) {
        text.append(begin, int(end - begin));
        return;
    }
    for (const QChar *p = begin; p < end; ++p) {
        // A line feed after a carriage return already ends its line as it is.
        if (*p == QLatin1Char('\n') && (p == valueBegin || p[-1] != QLatin1Char('\r')))
            text += lineEnd_;
        else
            text += *p;
    }
}

void CsvLineFormat::appendValue(QString &text, QStringView value, int edges) const
{
    const QChar *begin = value.data();
    const QChar *end = begin + value.size();
    const QChar *p = begin;
    while (p < end && !isSpecial(p->unicode()))
        ++p;
    bool quote = p < end;
    if (!quote && begin < end) {
        // White space the reader would trim, or a mark it would take for the
        // file's own, stays only inside quotes.
        quote = ((edges & FrontTrimmed) && begin->isSpace()) ||
                ((edges & BackTrimmed) && end[-1].isSpace()) ||
                ((edges & FileStart) && begin->unicode() == ByteOrderMark);
    }
    if (!quote) {
        text.append(begin, int(end - begin));
        return;
    }
    // Already one quoted field, such as a rule may make: it reads back as
    // the text between the quotes.
    if (CsvReader::isQuotedField(value)) {
        appendText(text, begin, end, begin);
        return;
    }
    text += QLatin1Char('"');
    const QChar *run = begin;
    for (p = begin; p < end; ++p) {
        if (*p == QLatin1Char('"')) {
            appendText(text, run, p + 1, begin); // the quote, then its double below
            run = p;
        }
    }
    appendText(text, run, end, begin);
    text += QLatin1Char('"');
}

void CsvLineFormat::encode(QStringView text, QByteArray &bytes)
{
    if (text.isEmpty())
        return;
    if (utf8_) {
        appendUtf8(text, bytes);
        return;
    }
    bytes += encoder_->fromUnicode(text.data(), int(text.size()));
}
