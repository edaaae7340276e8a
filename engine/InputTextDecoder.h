#pragma once

#include <QByteArray>
#include <QString>

class QTextCodec;

// Turns the bytes of an input file into text. A byte-order mark selects UTF-8,
// UTF-16 or UTF-32; otherwise the bytes are read as UTF-8 when they are valid
// UTF-8, else with the locale codec when that is not UTF-8, else as Shift-JIS
// the way Windows writes it (CP932), which is what Japanese shops export.
class InputTextDecoder
{
public:
    enum class Encoding
    {
        Utf8Bom,
        Utf16Le,
        Utf16Be,
        Utf32Le,
        Utf32Be,
        Utf8,
        Locale,
        ShiftJis
    };

    static QString decode(const QByteArray &bytes);
    static QString decode(const QByteArray &bytes, Encoding *detected);
    static Encoding detect(const QByteArray &bytes);

    // The encoding named by a byte-order mark at the start of bytes; false
    // when there is none.
    static bool markedEncoding(const QByteArray &bytes, Encoding *encoding);
    static int markLength(Encoding encoding);
    // What bytes without a mark that are not UTF-8 are read as.
    static Encoding fallbackEncoding();
    static QTextCodec *codec(Encoding encoding);

    static bool isValidUtf8(const char *data, qsizetype size);
    // The length of the longest valid start of data that ends on a whole
    // character, or -1 when data holds a fault. With final, a character cut
    // off at the end is a fault too.
    static qsizetype validUtf8Prefix(const char *data, qsizetype size, bool final);
};
