#pragma once

#include <QString>
#include <QVector>

// The encodings an output file can be written in, by the names a convert
// setting stores: empty for the system's codec (UTF-8 on most Linux desktops,
// code page 932 on a Japanese Windows), "UTF-8", "UTF-8-BOM" (with the
// byte-order mark that Excel needs to take a file for UTF-8) and "Shift_JIS"
// (code page 932, as Japanese shipping and marketplace services take it).
class OutputEncoding
{
public:
    enum Kind
    {
        System,
        Utf8,
        Utf8Bom,
        ShiftJis
    };

    static const QVector<Kind> &kinds();
    static QString storedName(Kind kind);
    // The command line's name: "system" for the system's codec.
    static QString commandLineName(Kind kind);
    // The kind a stored or command-line name stands for, letter case aside;
    // false for a name no kind has.
    static bool fromName(const QString &name, Kind *kind);
};
