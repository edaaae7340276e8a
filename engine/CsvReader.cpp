#include "CsvReader.h"

#include "engine/InputTextDecoder.h"

#include <QBuffer>
#include <QTextCodec>
#include <QTextDecoder>
#include <QVector>

namespace {

constexpr ushort Quote = '"';
constexpr ushort Comma = ',';
constexpr ushort LineFeed = '\n';
constexpr ushort CarriageReturn = '\r';

// The white space QString::trimmed() removes.
inline bool isSpace(ushort c)
{
    if (c == ' ' || (c >= '\t' && c <= '\r'))
        return true;
    return c >= 0x85 && QChar::isSpace(c);
}

// Reads text given piece by piece: each piece is parsed up to its last
// complete record, the rest comes back at the start of the next piece.
class Parser
{
public:
    // Parses what text holds of whole records; returns how many characters
    // it took. final: text is the end of the file.
    qsizetype feed(QStringView text, bool final);
    // True once the rows are complete: the end was fed, or a malformed record
    // stopped the reading.
    bool isDone() const { return done_; }
    CsvRows take() { return std::move(result_); }

private:
    enum class Outcome
    {
        Record,
        EndOfText,
        OpenQuote,
        // The piece ends inside the record; it is read again with the next one.
        Incomplete
    };

    // One pass over the current piece.
    void run();
    bool readHeader();

    // How the last field of a line is trimmed: a record's on both sides, the
    // header's only at the end (the header line as a whole is trimmed).
    enum class Trim
    {
        Record,
        HeaderLine
    };

    // Reads one record from the current position; fields go to `fields`.
    Outcome readRecord(QStringList &fields, Trim trim = Trim::Record);
    // Reads one field; OpenQuote or Incomplete when it runs into the end.
    Outcome readField(QString &field, bool &quoted, qsizetype &quotedLength);
    // 1: the line holds only white space, 0: it does not, -1: the piece ends first.
    int blankLine() const;
    void skipLine();
    static void trimLastField(QString &field, bool quoted, qsizetype quotedLength, Trim trim);
    // A field's text; short values that repeat (amounts, payment methods,
    // product names) share one string instead of each taking its own.
    QString makeField(const ushort *begin, qsizetype length);

    static constexpr qsizetype ShareLength = 32;
    static constexpr int ShareSlots = 4096; // a power of two

    const ushort *p_ = nullptr;
    const ushort *end_ = nullptr;
    bool final_ = false;
    bool done_ = false;
    bool headerRead_ = false;
    int width_ = 0;
    int line_ = 1;
    CsvRows result_;
    QVector<QString> shared_ = QVector<QString>(ShareSlots);
};

QString Parser::makeField(const ushort *begin, qsizetype length)
{
    const QChar *text = reinterpret_cast<const QChar *>(begin);
    if (length > ShareLength || length == 0)
        return QString(text, int(length));
    uint hash = uint(length);
    for (qsizetype k = 0; k < length; ++k)
        hash = hash * 31u + begin[k];
    QString &slot = shared_[int((hash ^ (hash >> 13)) & (ShareSlots - 1))];
    if (slot.size() != length || QStringView(slot) != QStringView(text, length))
        slot = QString(text, int(length));
    return slot;
}

qsizetype Parser::feed(QStringView text, bool final)
{
    const ushort *begin = reinterpret_cast<const ushort *>(text.data());
    p_ = begin;
    end_ = begin + text.size();
    final_ = final;
    run();
    if (final_)
        done_ = true;
    return p_ - begin;
}

bool Parser::readHeader()
{
    const ushort *start = p_;
    // The header line is trimmed of surrounding white space; the line end is
    // the trailing part, the leading part goes here.
    while (p_ < end_ && *p_ != LineFeed && isSpace(*p_))
        ++p_;
    if (p_ == end_ && !final_) {
        p_ = start;
        return false;
    }
    QStringList header;
    const Outcome outcome = readRecord(header, Trim::HeaderLine);
    if (outcome == Outcome::Incomplete) {
        p_ = start;
        line_ = 1;
        return false;
    }
    result_.rows.append(header);
    width_ = header.size();
    headerRead_ = true;
    if (outcome == Outcome::OpenQuote) {
        result_.malformedLine = 1;
        done_ = true;
    }
    return !done_;
}

void Parser::run()
{
    if (done_ || (!headerRead_ && !readHeader()))
        return;
    for (;;) {
        int blank;
        while ((blank = blankLine()) == 1)
            skipLine();
        if (blank < 0) {
            // Only white space is left: blank at the end, or undecided yet.
            if (final_)
                p_ = end_;
            return;
        }
        const ushort *fieldsStart = p_;
        const int fieldsLine = line_;
        QStringList fields;
        fields.reserve(width_);
        const Outcome outcome = readRecord(fields);
        if (outcome == Outcome::Incomplete) {
            // Blank lines before the record were skipped for good.
            p_ = fieldsStart;
            line_ = fieldsLine;
            return;
        }
        if (outcome == Outcome::OpenQuote || fields.size() > width_) {
            result_.malformedLine = fieldsLine;
            done_ = true;
            return;
        }
        while (fields.size() < width_)
            fields.append(QString());
        result_.rows.append(std::move(fields));
        if (outcome == Outcome::EndOfText)
            return;
    }
}

int Parser::blankLine() const
{
    for (const ushort *q = p_; q < end_; ++q) {
        if (*q == LineFeed)
            return 1;
        if (!isSpace(*q))
            return 0;
    }
    return -1;
}

void Parser::skipLine()
{
    while (p_ < end_ && *p_ != LineFeed)
        ++p_;
    if (p_ < end_) {
        ++p_;
        ++line_;
    }
}

Parser::Outcome Parser::readRecord(QStringList &fields, Trim trim)
{
    for (;;) {
        QString field;
        bool quoted = false;
        qsizetype quotedLength = 0;
        const Outcome outcome = readField(field, quoted, quotedLength);
        if (outcome != Outcome::Record)
            return outcome;
        if (p_ < end_ && *p_ == Comma) {
            ++p_;
            fields.append(std::move(field));
            continue;
        }
        if (p_ >= end_ && !final_)
            return Outcome::Incomplete;
        trimLastField(field, quoted, quotedLength, trim);
        fields.append(std::move(field));
        if (p_ >= end_)
            return Outcome::EndOfText;
        ++p_; // the line feed
        ++line_;
        return p_ < end_ || !final_ ? Outcome::Record : Outcome::EndOfText;
    }
}

Parser::Outcome Parser::readField(QString &field, bool &quoted, qsizetype &quotedLength)
{
    const ushort *start = p_;
    if (p_ < end_ && *p_ == Quote) {
        quoted = true;
        ++p_;
        const ushort *contentStart = p_;
        bool plain = true; // no doubled quote and no CRLF inside
        for (;;) {
            if (p_ >= end_)
                return final_ ? Outcome::OpenQuote : Outcome::Incomplete;
            const ushort c = *p_;
            if (c == Quote) {
                // Whether a quote closes the field or is the first of a pair
                // shows only in the next character.
                if (p_ + 1 == end_ && !final_)
                    return Outcome::Incomplete;
                if (p_ + 1 < end_ && p_[1] == Quote) {
                    plain = false;
                    p_ += 2;
                    continue;
                }
                break;
            }
            if (c == LineFeed) {
                ++line_;
                if (p_ > contentStart && p_[-1] == CarriageReturn)
                    plain = false;
            }
            ++p_;
        }
        if (plain) {
            field = makeField(contentStart, p_ - contentStart);
        } else {
            field.reserve(int(p_ - contentStart));
            for (const ushort *q = contentStart; q < p_; ++q) {
                if (*q == Quote) {
                    ++q; // the second of a pair
                } else if (*q == CarriageReturn && q + 1 < p_ && q[1] == LineFeed) {
                    continue;
                }
                field.append(QChar(*q));
            }
        }
        quotedLength = field.size();
        ++p_; // the closing quote
        // Text between the closing quote and the next separator is kept as it stands.
        start = p_;
    }
    while (p_ < end_ && *p_ != Comma && *p_ != LineFeed)
        ++p_;
    const ushort *stop = p_;
    if (stop > start && p_ < end_ && *p_ == LineFeed && stop[-1] == CarriageReturn)
        --stop;
    if (stop > start) {
        const QChar *tail = reinterpret_cast<const QChar *>(start);
        if (quoted)
            field.append(tail, int(stop - start));
        else
            field = makeField(start, stop - start);
    }
    return Outcome::Record;
}

// The last field of a line loses surrounding white space, but only outside
// quotes: the value of a quoted field stays exactly as written.
void Parser::trimLastField(QString &field, bool quoted, qsizetype quotedLength, Trim trim)
{
    if (quoted || trim == Trim::HeaderLine) {
        qsizetype size = field.size();
        while (size > quotedLength && isSpace(field.at(int(size) - 1).unicode()))
            --size;
        if (size < field.size())
            field.truncate(int(size));
        return;
    }
    if (field.isEmpty())
        return;
    const ushort *data = reinterpret_cast<const ushort *>(field.constData());
    if (isSpace(data[0]) || isSpace(data[field.size() - 1]))
        field = field.trimmed();
    // White space before an opening quote hid the quote; read it as quoted now.
    if (field.size() >= 2 && field.startsWith(QChar(Quote)) && field.endsWith(QChar(Quote))) {
        field = field.mid(1, field.size() - 2);
        field.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    }
}

// Reads a device piece by piece, decoding each piece as it comes, so that
// neither the whole file's bytes nor its whole text are held at once.
class StreamReader
{
public:
    StreamReader(QIODevice &device, qint64 pieceBytes)
        : device_(device), pieceBytes_(qMax<qint64>(1, pieceBytes))
    {}

    CsvRows read()
    {
        const qint64 origin = device_.pos();
        InputTextDecoder::Encoding encoding;
        if (InputTextDecoder::markedEncoding(device_.peek(4), &encoding)) {
            device_.read(InputTextDecoder::markLength(encoding));
            return readAs(encoding);
        }
        // Without a mark the text is UTF-8 as long as its bytes are; should a
        // fault turn up further on, the file is read again in the other codec.
        CsvRows rows;
        if (readAsUtf8(&rows) || !device_.seek(origin))
            return rows;
        return readAs(InputTextDecoder::fallbackEncoding());
    }

private:
    // Hands text to the parser; the part it could not use yet stays for the next piece.
    void feed(Parser &parser, const QString &text, bool final)
    {
        pending_ += text;
        const qsizetype used = parser.feed(pending_, final);
        pending_.remove(0, int(used));
    }
    // A record longer than a piece is read in growing pieces, so that it is
    // not parsed over and over.
    qint64 pieceSize() const { return qMax(pieceBytes_, qint64(pending_.size()) * 2); }

    CsvRows readAs(InputTextDecoder::Encoding encoding)
    {
        Parser parser;
        pending_.clear();
        QTextDecoder decoder(InputTextDecoder::codec(encoding), QTextCodec::IgnoreHeader);
        while (!parser.isDone()) {
            const QByteArray bytes = device_.read(pieceSize());
            const bool final = bytes.isEmpty() || device_.atEnd();
            feed(parser, decoder.toUnicode(bytes), final);
        }
        return parser.take();
    }

    // False when the bytes are not all UTF-8.
    bool readAsUtf8(CsvRows *rows)
    {
        Parser parser;
        pending_.clear();
        QByteArray carry; // the start of a character cut off by the piece
        for (;;) {
            const QByteArray piece = device_.read(pieceSize());
            const bool final = piece.isEmpty() || device_.atEnd();
            const QByteArray bytes = carry.isEmpty() ? piece : carry + piece;
            const qsizetype valid =
                InputTextDecoder::validUtf8Prefix(bytes.constData(), bytes.size(), final);
            if (valid < 0)
                return false;
            carry = bytes.mid(int(valid));
            if (!parser.isDone())
                feed(parser, QString::fromUtf8(bytes.constData(), int(valid)), final);
            // A malformed record ends the parsing, not the check of the bytes:
            // the codec must be the one the whole file calls for.
            if (final) {
                *rows = parser.take();
                return true;
            }
        }
    }

    QIODevice &device_;
    const qint64 pieceBytes_;
    QString pending_;
};

} // namespace

CsvRows CsvReader::parse(QStringView text)
{
    Parser parser;
    parser.feed(text, true);
    return parser.take();
}

CsvRows readCsvRows(QIODevice &device, qint64 pieceBytes)
{
    if (device.isSequential()) {
        // A pipe cannot be read again should the bytes prove not to be UTF-8.
        QByteArray bytes = device.readAll();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        return StreamReader(buffer, pieceBytes).read();
    }
    return StreamReader(device, pieceBytes).read();
}

CsvRows readCsvRows(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return StreamReader(buffer, 1 << 20).read();
}
