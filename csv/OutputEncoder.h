#pragma once

#include "csv/OutputEncoding.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

class QTextCodec;

// Turns the text of an output file into bytes, every character checked: one
// the encoding cannot hold is written as 〓 (U+3013, "?" where the encoding
// lacks that too) and counted, never lost unnoticed. Code page 932 and UTF-8
// are the program's own, the same on every platform; another system codec is
// Qt's. Copies may encode side by side on several threads.
class OutputEncoder
{
public:
    explicit OutputEncoder(OutputEncoding::Kind kind);

    // What the file begins with: the UTF-8 byte-order mark for UTF-8-BOM.
    QByteArray fileStart() const;
    // Appends text's bytes; returns the number of characters written as 〓.
    int encode(QStringView text, QByteArray &bytes) const;
    // Where text holds the first character the encoding cannot hold, or -1.
    qsizetype unencodableAt(QStringView text) const;
    // The encoding's name as users know it: "UTF-8", "Shift_JIS", ...
    QString name() const;

    // The character at index at of text, a surrogate pair taken whole.
    static char32_t characterAt(QStringView text, qsizetype at);

private:
    enum class Mode
    {
        Utf8,
        Cp932,
        Codec
    };

    int encodeWithCodec(QStringView text, QByteArray &bytes) const;
    bool codecHolds(QStringView character) const;

    Mode mode_;
    bool mark_;
    QTextCodec *codec_ = nullptr;
};
