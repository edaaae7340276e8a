#pragma once

#include "csv/OutputEncoder.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// How the output file spells its lines: one quoting rule for names and values
// alike, the line end, and the bytes of the output's encoding. Copies can
// spell lines side by side on several threads.
class CsvLineFormat
{
public:
    // What reading would trim off a value at its place in the line: white
    // space at its front or back, a byte-order mark at the start of the file.
    enum Edge
    {
        Inside = 0,
        FrontTrimmed = 1,
        BackTrimmed = 2,
        FileStart = 4
    };

    explicit CsvLineFormat(const QString &lineEnd,
                           OutputEncoding::Kind encoding = OutputEncoding::System);
    CsvLineFormat(const CsvLineFormat &other) = default;
    CsvLineFormat &operator=(const CsvLineFormat &) = delete;

    const QString &lineEnd() const { return lineEnd_; }
    // The edges of a record's value: its last value loses white space at both ends.
    static int recordEdges(int column, int width)
    {
        return column == width - 1 ? FrontTrimmed | BackTrimmed : Inside;
    }

    // Appends value to text, quoted when it holds ",", a double quote, CR or
    // LF, or when reading would trim it at its edges, unless it already is one
    // well-formed quoted field. Every bare line feed becomes the line end.
    void appendValue(QString &text, QStringView value, int edges) const;
    // Appends text in the output's encoding; returns the number of
    // characters it cannot hold, written as 〓 (see OutputEncoder).
    int encode(QStringView text, QByteArray &bytes) const { return encoder_.encode(text, bytes); }
    const OutputEncoder &encoder() const { return encoder_; }

private:
    void appendText(QString &text, const QChar *begin, const QChar *end,
                    const QChar *valueBegin) const;

    const QString lineEnd_;
    const bool convertLineFeeds_;
    const OutputEncoder encoder_;
};
