#pragma once

#include <QByteArray>
#include <QString>

class QTextCodec;

// Turns the bytes of an input file into text. A byte-order mark selects UTF-8,
// UTF-16 or UTF-32; otherwise the bytes are read as UTF-8 when they are valid
// UTF-8, else with the locale codec when that is neither UTF-8 nor CP932, else
// as Shift-JIS the way Windows writes it (CP932, by the program's own table),
// which is what Japanese shops export.
// Valid UTF-8 is Shift-JIS all the same when all its non-ASCII characters look
// like half-width katakana (see KanaLookalikes). Bytes an encoding cannot
// decode are found, never replaced in silence.
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

    static Encoding detect(const QByteArray &bytes);

    // The encoding named by a byte-order mark at the start of bytes; false
    // when there is none.
    static bool markedEncoding(const QByteArray &bytes, Encoding *encoding);
    static int markLength(Encoding encoding);
    // What bytes without a mark that are not UTF-8 are read as.
    static Encoding fallbackEncoding();
    // Qt's codec of a Unicode encoding or of the locale; null for Shift-JIS,
    // which the program reads by its own table (Cp932).
    static QTextCodec *codec(Encoding encoding);
    // The encoding's name as users know it: "UTF-8", "Shift_JIS", ...
    static QString name(Encoding encoding);
    static bool isUnicode(Encoding encoding);

    // Two half-width katakana in Shift-JIS (bytes 0xA1-0xDF each) can make
    // one two-byte character of UTF-8: "ﾕｷ" reads as "շ". Text whose every
    // non-ASCII character is such a pair, outside the Latin letters and their
    // accents (U+0080-U+036F, as in "Café"), is taken for Shift-JIS: a
    // Japanese order export holds half-width kana far more likely than, say,
    // Cyrillic or Greek made only of letters that pass for kana.
    struct KanaLookalikes
    {
        bool some = false;  // a two-byte character that passes for two katakana
        bool other = false; // a non-ASCII character that does not

        void add(const KanaLookalikes &more)
        {
            some = some || more.some;
            other = other || more.other;
        }
        bool areShiftJis() const { return some && !other; }
    };

    // How far bytes are whole characters of an encoding.
    struct Check
    {
        qsizetype validLength = 0;
        // What follows validLength is not text. Otherwise it is a character
        // cut off at the end, whose rest comes with the next bytes.
        bool fault = false;
        // UTF-8 only: offset of the first character of three or four bytes, or -1.
        qsizetype firstWide = -1;
        // UTF-8 only: the characters before validLength.
        KanaLookalikes lookalikes;
    };
    // Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
    // With final, a character cut off at the end is a fault too.
    static Check checkUtf8(const char *data, qsizetype size, bool final);
    // The same for UTF-16 and UTF-32 in the encoding's byte order: lone
    // surrogates and code points above U+10FFFF are faults.
    static Check checkUnicode(Encoding encoding, const char *data, qsizetype size, bool final);
    static bool isValidUtf8(const char *data, qsizetype size);
    // Whether one of the lines of data is valid UTF-8 holding a character of
    // three or more bytes, as Japanese text in UTF-8 always does. Half-width
    // kana in Shift-JIS can pass for two-byte UTF-8, so those do not count.
    static bool holdsWideUtf8Line(const char *data, qsizetype size);

    // Decodes whole lines in Shift-JIS or the locale codec. *faultAt becomes
    // the index in the text of the first character the codec could not
    // decode, or -1.
    static QString decodeLegacy(Encoding encoding, const char *data, qsizetype size,
                                qsizetype *faultAt);
};
