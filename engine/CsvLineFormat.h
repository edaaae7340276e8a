#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <memory>

class QTextEncoder;

// How the output file spells its lines: one quoting rule for names and values
// alike, the line end, and the locale codec's bytes. Every copy has its own
// encoder, so that threads can spell lines side by side.
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

    explicit CsvLineFormat(const QString &lineEnd);
    CsvLineFormat(const CsvLineFormat &other);
    ~CsvLineFormat();
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
    // Appends text in the output's encoding.
    void encode(QStringView text, QByteArray &bytes);

private:
    void appendText(QString &text, const QChar *begin, const QChar *end,
                    const QChar *valueBegin) const;

    const QString lineEnd_;
    const bool convertLineFeeds_;
    const bool utf8_; // the locale codec is UTF-8, which is spelled here directly
    std::unique_ptr<QTextEncoder> encoder_;
};
