#include "CsvReader.h"

#include "engine/InputTextDecoder.h"

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

class Parser
{
public:
    explicit Parser(QStringView text)
        : p_(reinterpret_cast<const ushort *>(text.data())), end_(p_ + text.size())
    {
    }

    CsvRows run();

private:
    enum class Outcome { Record, EndOfText, OpenQuote };

    // How the last field of a line is trimmed: a record's on both sides, the
    // header's only at the end (the header line as a whole is trimmed).
    enum class Trim { Record, HeaderLine };

    // Reads one record from the current position; fields go to `fields`.
    Outcome readRecord(QStringList &fields, Trim trim = Trim::Record);
    // Reads one field; returns false when its quote is still open at the end.
    bool readField(QString &field, bool &quoted, qsizetype &quotedLength);
    bool atBlankLine() const;
    void skipLine();
    static void trimLastField(QString &field, bool quoted, qsizetype quotedLength, Trim trim);

    const ushort *p_;
    const ushort *const end_;
    int line_ = 1;
};

CsvRows Parser::run()
{
    CsvRows result;
    // The header line is trimmed of surrounding white space; the line end is
    // the trailing part, the leading part goes here.
    while (p_ < end_ && *p_ != LineFeed && isSpace(*p_))
        ++p_;
    QStringList header;
    const int headerLine = line_;
    if (readRecord(header, Trim::HeaderLine) == Outcome::OpenQuote) {
        result.rows.append(header);
        result.malformedLine = headerLine;
        return result;
    }
    const int width = header.size();
    result.rows.append(header);

    for (;;) {
        while (p_ < end_ && atBlankLine())
            skipLine();
        if (p_ >= end_)
            break;
        const int recordLine = line_;
        QStringList fields;
        fields.reserve(width);
        const Outcome outcome = readRecord(fields);
        if (outcome == Outcome::OpenQuote || fields.size() > width) {
            result.malformedLine = recordLine;
            return result;
        }
        while (fields.size() < width)
            fields.append(QString());
        result.rows.append(std::move(fields));
        if (outcome == Outcome::EndOfText)
            break;
    }
    return result;
}

bool Parser::atBlankLine() const
{
    for (const ushort *q = p_; q < end_; ++q) {
        if (*q == LineFeed)
            return true;
        if (!isSpace(*q))
            return false;
    }
    return true;
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
        if (!readField(field, quoted, quotedLength))
            return Outcome::OpenQuote;
        if (p_ < end_ && *p_ == Comma) {
            ++p_;
            fields.append(std::move(field));
            continue;
        }
        trimLastField(field, quoted, quotedLength, trim);
        fields.append(std::move(field));
        if (p_ >= end_)
            return Outcome::EndOfText;
        ++p_; // the line feed
        ++line_;
        return p_ < end_ ? Outcome::Record : Outcome::EndOfText;
    }
}

bool Parser::readField(QString &field, bool &quoted, qsizetype &quotedLength)
{
    const ushort *start = p_;
    if (p_ < end_ && *p_ == Quote) {
        quoted = true;
        ++p_;
        const ushort *contentStart = p_;
        bool plain = true; // no doubled quote and no CRLF inside
        for (;;) {
            if (p_ >= end_)
                return false;
            const ushort c = *p_;
            if (c == Quote) {
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
            field = QString(reinterpret_cast<const QChar *>(contentStart), p_ - contentStart);
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
            field = QString(tail, stop - start);
    }
    return true;
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

} // namespace

CsvRows CsvReader::parse(QStringView text) { return Parser(text).run(); }

CsvRows readCsvRows(QIODevice &device) { return readCsvRows(device.readAll()); }

CsvRows readCsvRows(const QByteArray &bytes)
{
    const QString text = InputTextDecoder::decode(bytes);
    return CsvReader::parse(text);
}
