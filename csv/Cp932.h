#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QVector>

// Shift-JIS as Windows reads and writes it (code page 932, with the NEC and
// IBM extensions), by the program's own table rather than the platform's
// codec: Qt builds with and without ICU read and write some characters
// differently, and one without ICU cannot write 髙, ① or ㈱ at all. Where
// several codes stand for one character, the one Windows writes is written.
class Cp932
{
public:
    // The two bytes of 〓, which stands in for a character CP932 lacks.
    static constexpr quint16 GetaMark = 0x81AC;

    static const Cp932 &instance();

    // Decodes whole lines. The text stops at the first bytes that are no
    // character, whose place in the text *faultAt becomes; -1 when there are
    // none. A lead byte at the very end is such a fault.
    QString decode(const char *data, qsizetype size, qsizetype *faultAt) const;

    // The code written for a character of the Basic Multilingual Plane: one
    // byte below 0x100, else two; -1 when CP932 cannot hold it.
    int code(char16_t character) const
    {
        const quint16 c = codes_[character];
        return c != 0 || character == 0 ? int(c) : -1;
    }
    // Appends text; a character CP932 cannot hold (a surrogate pair counting
    // as one) is written as 〓 and counted. Returns the count.
    int encode(QStringView text, QByteArray &bytes) const;
    // Where text holds the first character CP932 cannot hold, or -1.
    qsizetype unencodableAt(QStringView text) const;

    // Whether the system's own codec is code page 932 (or Shift-JIS), so
    // that this table stands in for it.
    static bool isSystemCodec();

private:
    Cp932();

    QVector<quint16> codes_; // per UTF-16 code unit; 0 where none (U+0000 aside)
    char16_t single_[256];
    bool asciiAsItIs_ = false;
};
