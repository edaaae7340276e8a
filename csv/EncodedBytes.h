#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <cstring>

// Helpers of the output's encoders, which write their bytes straight into the
// end of a byte array instead of making a new one per call.
namespace EncodedBytes {

// Makes room for at most `most` more bytes; returns where they go.
inline uchar *grow(QByteArray &bytes, int most)
{
    const int start = bytes.size();
    if (start + most > bytes.capacity())
        bytes.reserve(qMax(start + most, 2 * bytes.capacity()));
    bytes.resize(start + most);
    return reinterpret_cast<uchar *>(bytes.data()) + start;
}

// Ends the bytes where the encoder stopped writing.
inline void shrink(QByteArray &bytes, const uchar *end)
{
    bytes.resize(int(end - reinterpret_cast<const uchar *>(bytes.constData())));
}

// Copies the ASCII characters at p as bytes, four at a time while they last:
// digits, commas and the like come in runs.
inline void copyAscii(const char16_t *&p, const char16_t *end, uchar *&out)
{
    while (end - p >= 4) {
        quint64 four;
        std::memcpy(&four, p, sizeof four);
        if (four & Q_UINT64_C(0xFF80FF80FF80FF80))
            return;
        out[0] = uchar(four);
        out[1] = uchar(four >> 16);
        out[2] = uchar(four >> 32);
        out[3] = uchar(four >> 48);
        out += 4;
        p += 4;
    }
}

} // namespace EncodedBytes
