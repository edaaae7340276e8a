#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of an input file into text. A byte-order mark selects UTF-8,
// UTF-16 or UTF-32; otherwise the bytes are read as UTF-8 when they are valid
// UTF-8, else with the locale codec when that is not UTF-8, else as Shift-JIS
// the way Windows writes it (CP932), which is what Japanese shops export.
class InputTextDecoder
{
public:
    enum class Encoding { Utf8Bom, Utf16Le, Utf16Be, Utf32Le, Utf32Be, Utf8, Locale, ShiftJis };

    static QString decode(const QByteArray &bytes);
    static QString decode(const QByteArray &bytes, Encoding *detected);
    static Encoding detect(const QByteArray &bytes);
    static bool isValidUtf8(const char *data, qsizetype size);
};
