#include "OutputEncoder.h"

#include "csv/Cp932.h"
#include "csv/EncodedBytes.h"

#include <QTextCodec>

namespace {

constexpr int Utf8Mib = 106;
constexpr char16_t GetaMark = 0x3013;

// UTF-8 without the cost of a new byte array per call; a lone surrogate,
// which UTF-8 cannot hold, becomes 〓 and is counted.
int appendUtf8(QStringView text, QByteArray &bytes)
{
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    uchar *out = EncodedBytes::grow(bytes, int(text.size()) * 3);
    int lost = 0;
    while (p < end) {
        uint u = *p++;
        if (u < 0x80) {
            *out++ = uchar(u);
            EncodedBytes::copyAscii(p, end, out);
            continue;
        }
        if (u < 0x800) {
            *out++ = uchar(0xC0 | (u >> 6));
            *out++ = uchar(0x80 | (u & 0x3F));
            continue;
        }
        if (QChar::isSurrogate(u)) {
            if (QChar::isHighSurrogate(u) && p < end && QChar::isLowSurrogate(*p)) {
                const uint c = QChar::surrogateToUcs4(char16_t(u), *p++);
                *out++ = uchar(0xF0 | (c >> 18));
                *out++ = uchar(0x80 | ((c >> 12) & 0x3F));
                *out++ = uchar(0x80 | ((c >> 6) & 0x3F));
                *out++ = uchar(0x80 | (c & 0x3F));
                continue;
            }
            u = GetaMark;
            ++lost;
        }
        *out++ = uchar(0xE0 | (u >> 12));
        *out++ = uchar(0x80 | ((u >> 6) & 0x3F));
        *out++ = uchar(0x80 | (u & 0x3F));
    }
    EncodedBytes::shrink(bytes, out);
    return lost;
}

QByteArray codecBytes(QTextCodec *codec, QStringView text)
{
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return codec->fromUnicode(text.data(), int(text.size()), &state);
}

} // namespace

OutputEncoder::OutputEncoder(OutputEncoding::Kind kind) : mark_(kind == OutputEncoding::Utf8Bom)
{
    switch (kind) {
    case OutputEncoding::Utf8:
    case OutputEncoding::Utf8Bom:
        mode_ = Mode::Utf8;
        return;
    case OutputEncoding::ShiftJis:
        mode_ = Mode::Cp932;
        return;
    case OutputEncoding::System:
        break;
    }
    codec_ = QTextCodec::codecForLocale();
    // The system's codec is taken over by the program's own where there is one.
    if (codec_->mibEnum() == Utf8Mib)
        mode_ = Mode::Utf8;
    else if (Cp932::isSystemCodec())
        mode_ = Mode::Cp932;
    else
        mode_ = Mode::Codec;
}

QByteArray OutputEncoder::fileStart() const
{
    return mark_ ? QByteArray("\xEF\xBB\xBF") : QByteArray();
}

int OutputEncoder::encode(QStringView text, QByteArray &bytes) const
{
    if (text.isEmpty())
        return 0;
    switch (mode_) {
    case Mode::Utf8:
        return appendUtf8(text, bytes);
    case Mode::Cp932:
        return Cp932::instance().encode(text, bytes);
    case Mode::Codec:
        break;
    }
    return encodeWithCodec(text, bytes);
}

// Qt's codecs do not all tell which characters they could not write; a
// character that does not read back as itself is taken for one of them.
bool OutputEncoder::codecHolds(QStringView character) const
{
    return codec_->toUnicode(codecBytes(codec_, character)) == character;
}

int OutputEncoder::encodeWithCodec(QStringView text, QByteArray &bytes) const
{
    const QByteArray whole = codecBytes(codec_, text);
    if (codec_->toUnicode(whole) == text) {
        bytes += whole;
        return 0;
    }
    const QChar geta(GetaMark);
    const QByteArray replacement =
        codecHolds(QStringView(&geta, 1)) ? codecBytes(codec_, QStringView(&geta, 1)) : "?";
    int lost = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = characterAt(text, i) > 0xFFFF ? 2 : 1;
        const QStringView character = text.mid(i, length);
        if (codecHolds(character)) {
            bytes += codecBytes(codec_, character);
        } else {
            bytes += replacement;
            ++lost;
        }
        i += length;
    }
    return lost;
}

qsizetype OutputEncoder::unencodableAt(QStringView text) const
{
    switch (mode_) {
    case Mode::Cp932:
        return Cp932::instance().unencodableAt(text);
    case Mode::Utf8:
    case Mode::Codec:
        break;
    }
    for (qsizetype i = 0; i < text.size();) {
        const char32_t c = characterAt(text, i);
        const qsizetype length = c > 0xFFFF ? 2 : 1;
        const bool lone = QChar::isSurrogate(c);
        if (lone || (mode_ == Mode::Codec && !codecHolds(text.mid(i, length))))
            return i;
        i += length;
    }
    return -1;
}

QString OutputEncoder::name() const
{
    switch (mode_) {
    case Mode::Utf8:
        return QStringLiteral("UTF-8");
    case Mode::Cp932:
        return QStringLiteral("Shift_JIS");
    case Mode::Codec:
        break;
    }
    return QString::fromLatin1(codec_->name());
}

char32_t OutputEncoder::characterAt(QStringView text, qsizetype at)
{
    const char16_t u = text.at(at).unicode();
    if (QChar::isHighSurrogate(u) && at + 1 < text.size() &&
        QChar::isLowSurrogate(text.at(at + 1).unicode()))
        return QChar::surrogateToUcs4(u, text.at(at + 1).unicode());
    return u;
}
