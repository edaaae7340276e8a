#include "Cp932.h"

#include "csv/Cp932Table.h"
#include "csv/EncodedBytes.h"

#include <QTextCodec>
#include <algorithm>
#include <cstring>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

constexpr char16_t Lead = Cp932Table::LeadByte;
constexpr char16_t Fault = Cp932Table::NotText;

int leadIndex(int byte)
{
    return byte <= 0x9F ? byte - 0x81 : byte - 0xE0 + 0x1F;
}

int leadAt(int index)
{
    return index < 0x1F ? index + 0x81 : index - 0x1F + 0xE0;
}

char16_t pair(int lead, int trail)
{
    if (trail < 0x40 || trail > 0xFC)
        return Fault;
    return Cp932Table::pairs[leadIndex(lead) * Cp932Table::TrailCount + trail - 0x40];
}

} // namespace

const Cp932 &Cp932::instance()
{
    static const Cp932 table;
    return table;
}

// The writer's table from the reader's: every code writes its character,
// except the codes Windows does not write, plus the look-alikes.
Cp932::Cp932() : codes_(0x10000, 0)
{
    std::memcpy(single_, Cp932Table::singleBytes, sizeof single_);
    asciiAsItIs_ = true;
    for (int byte = 0; byte < 0x80; ++byte)
        asciiAsItIs_ = asciiAsItIs_ && single_[byte] == byte;

    const quint16 *const unwritten = Cp932Table::unwrittenCodes;
    const quint16 *const unwrittenEnd = unwritten + Cp932Table::UnwrittenCount;
    const auto isWritten = [&](int code) {
        return !std::binary_search(unwritten, unwrittenEnd, quint16(code));
    };
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t c = single_[byte];
        if (c != Lead && c != Fault && isWritten(byte))
            codes_[c] = quint16(byte);
    }
    for (int index = 0; index < Cp932Table::LeadCount; ++index) {
        const int lead = leadAt(index);
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const char16_t c = pair(lead, trail);
            const int code = (lead << 8) | trail;
            if (c != Fault && isWritten(code))
                codes_[c] = quint16(code);
        }
    }
    for (const Cp932Table::Alias &alias : Cp932Table::aliases)
        codes_[alias.character] = alias.code;
}

QString Cp932::decode(const char *data, qsizetype size, qsizetype *faultAt) const
{
    QString text(int(size), Qt::Uninitialized);
    ushort *const begin = reinterpret_cast<ushort *>(text.data());
    ushort *out = begin;
    const uchar *p = reinterpret_cast<const uchar *>(data);
    const uchar *const end = p + size;
    *faultAt = -1;
    while (p < end) {
        if (asciiAsItIs_) {
            // Most bytes of a file are ASCII: eight at a time while they last.
            while (end - p >= 8) {
                quint64 eight;
                std::memcpy(&eight, p, sizeof eight);
                if (eight & Q_UINT64_C(0x8080808080808080))
                    break;
                for (int k = 0; k < 8; ++k)
                    out[k] = p[k];
                out += 8;
                p += 8;
            }
            if (p == end)
                break;
        }
        char16_t c = single_[*p];
        if (c == Lead) {
            c = p + 1 < end ? pair(p[0], p[1]) : Fault;
            p += 2;
        } else {
            ++p;
        }
        if (c == Fault) {
            *faultAt = out - begin;
            break;
        }
        *out++ = c;
    }
    text.truncate(int(out - begin));
    return text;
}

int Cp932::encode(QStringView text, QByteArray &bytes) const
{
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    uchar *out = EncodedBytes::grow(bytes, int(text.size()) * 2);
    int lost = 0;
    while (p < end) {
        const char16_t u = *p++;
        if (u < 0x80) {
            *out++ = uchar(u);
            EncodedBytes::copyAscii(p, end, out);
            continue;
        }
        int c = codes_[u];
        if (c == 0) {
            // A surrogate pair is one character, and CP932 has none above U+FFFF.
            if (QChar::isHighSurrogate(u) && p < end && QChar::isLowSurrogate(*p))
                ++p;
            c = GetaMark;
            ++lost;
        }
        if (c > 0xFF)
            *out++ = uchar(c >> 8);
        *out++ = uchar(c);
    }
    EncodedBytes::shrink(bytes, out);
    return lost;
}

qsizetype Cp932::unencodableAt(QStringView text) const
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (code(text.at(i).unicode()) < 0)
            return i;
    }
    return -1;
}

bool Cp932::isSystemCodec()
{
    const int mib = QTextCodec::codecForLocale()->mibEnum();
    constexpr int ShiftJisMib = 17;
    constexpr int Windows31jMib = 2024;
    if (mib == ShiftJisMib || mib == Windows31jMib)
        return true;
#ifdef Q_OS_WIN
    // Qt's own codec for the system code page has no number of its own.
    return mib == 0 && GetACP() == 932;
#else
    return false;
#endif
}
