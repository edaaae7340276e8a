#include "CsvReader.h"

#include "csv/InputTextDecoder.h"

#include <QBuffer>
#include <QTextCodec>
#include <QTextDecoder>
#include <QVarLengthArray>
#include <QVector>

#include <deque>
#include <memory>

namespace {

using Encoding = InputTextDecoder::Encoding;

constexpr ushort Quote = '"';
constexpr ushort Comma = ',';
constexpr ushort LineFeed = '\n';
constexpr ushort CarriageReturn = '\r';

// The white space QString::trimmed() removes.
inline bool isSpace(ushort c)
{
    if (c == ' ' || (c >= '\t' && c <= '\r'))
        return true;
    // Kana and kanji lie above U+3000, the last space.
    return c >= 0x85 && c <= 0x3000 && QChar::isSpace(c);
}

// Index of the last line feed among the first size bytes, or -1.
qsizetype lastLineFeed(const char *data, qsizetype size)
{
    for (qsizetype i = size - 1; i >= 0; --i) {
        if (data[i] == '\n')
            return i;
    }
    return -1;
}

// One line of the file split at its separators: the fields' text back to
// back and where each ends. A quoted field may carry it over several lines.
struct Line
{
    QString text;
    QVarLengthArray<int, 32> ends;
    int number = 0; // where it begins, 1-based
    bool firstQuoted = false;
    bool lastQuoted = false;

    int width() const { return int(ends.size()); }
    int lastStart() const { return ends.size() > 1 ? ends[ends.size() - 2] : 0; }
    void endField() { ends.append(text.size()); }
    void clear()
    {
        text.resize(0);
        ends.clear();
    }
    bool isBlank() const
    {
        if (ends.size() != 1 || firstQuoted)
            return false;
        for (const QChar c : text) {
            if (!isSpace(c.unicode()))
                return false;
        }
        return true;
    }
    CsvRecord record() const { return CsvRecord(text.constData(), ends.constData(), width()); }
    // Continues the last field with a line feed and the first field of next.
    void join(const Line &next)
    {
        text += QChar(LineFeed);
        const int base = text.size();
        text += next.text;
        ends.removeLast();
        for (const int end : next.ends)
            ends.append(base + end);
    }
    // Trims the last field's white space at its front and at its back.
    void trimLast(bool front, bool back)
    {
        const int start = lastStart();
        if (front) {
            int s = start;
            while (s < text.size() && isSpace(text.at(s).unicode()))
                ++s;
            if (s > start)
                text.remove(start, s - start);
        }
        if (back) {
            int e = text.size();
            while (e > start && isSpace(text.at(e - 1).unicode()))
                --e;
            text.truncate(e);
        }
        ends.last() = text.size();
    }
};

CsvRecord oneEmptyCell()
{
    const int end = 0;
    return CsvRecord(nullptr, &end, 1);
}

// Reads text given piece by piece: each piece is parsed up to its last
// complete line, the rest comes back at the start of the next piece.
class Parser
{
public:
    // width > 0: the text begins after the header, which is that wide.
    explicit Parser(int width = 0) : headerRead_(width > 0), width_(width) {}

    // Parses what text holds of whole lines; returns how many characters it
    // took. final: text is the end of the file.
    qsizetype feed(QStringView text, bool final);
    // True once the rows are complete: the end was fed, or a malformed record
    // stopped the reading.
    bool isDone() const { return done_; }
    // The line the text not taken yet begins on.
    int line() const { return line_; }
    // Whether all text fed so far ends exactly at the end of a record, so
    // that a parser that knows only the header's width would go on alike.
    bool isBetweenRecords() const { return headerRead_ && !done_ && waiting_.empty(); }
    CsvRows take();

private:
    enum class Outcome
    {
        Line,
        Malformed,
        // The piece ends inside the line; it is read again with the next one.
        Incomplete
    };

    // One pass over the current piece.
    void run();
    bool readHeader();
    Outcome readLine(Line &line);
    Outcome readField(Line &line, bool &quoted);

    // Turns lines into records.
    void add(Line &line);
    void settle(bool atEnd);
    void standAlone(Line &line);
    void emitJoined();
    void append(Line &line, bool startQuoted, bool endQuoted, bool joined);
    void fail(int line);

    const ushort *p_ = nullptr;
    const ushort *end_ = nullptr;
    bool final_ = false;
    bool done_ = false;
    bool headerRead_ = false;
    int width_ = 0;
    int line_ = 1;
    CsvRows result_;
    // The line being read; its buffers serve every line.
    Line current_;
    // Short lines that may yet join into one record, and the width of that
    // record: the first line's fields plus each further line's, less the one
    // field it shares with the line before.
    std::deque<Line> waiting_;
    int joinedWidth_ = 0;
};

qsizetype Parser::feed(QStringView text, bool final)
{
    const ushort *begin = reinterpret_cast<const ushort *>(text.data());
    p_ = begin;
    end_ = begin + text.size();
    final_ = final;
    run();
    if (final_ && !done_) {
        settle(true);
        done_ = true;
    }
    return p_ - begin;
}

CsvRows Parser::take()
{
    if (!headerRead_)
        result_.records.append(oneEmptyCell());
    return std::move(result_);
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
    Line header;
    const Outcome outcome = readLine(header);
    if (outcome == Outcome::Incomplete) {
        p_ = start;
        line_ = 1;
        return false;
    }
    if (header.ends.isEmpty()) {
        header.clear();
        header.endField();
    } else if (!header.lastQuoted) {
        header.trimLast(false, true);
    }
    result_.records.append(header.record());
    width_ = header.width();
    headerRead_ = true;
    if (outcome == Outcome::Malformed) {
        p_ = start;
        line_ = 1;
        fail(1);
    }
    return !done_;
}

void Parser::run()
{
    if (done_ || (!headerRead_ && !readHeader()))
        return;
    while (p_ < end_) {
        const ushort *start = p_;
        const int startLine = line_;
        current_.clear();
        const Outcome outcome = readLine(current_);
        if (outcome != Outcome::Line) {
            // Read again with more text, or the line the reading stopped at.
            p_ = start;
            line_ = startLine;
            if (outcome == Outcome::Malformed)
                fail(startLine);
            return;
        }
        add(current_);
        if (done_)
            return;
    }
}

Parser::Outcome Parser::readLine(Line &line)
{
    line.number = line_;
    line.firstQuoted = p_ < end_ && *p_ == Quote;
    for (;;) {
        bool quoted = false;
        const Outcome outcome = readField(line, quoted);
        if (outcome != Outcome::Line)
            return outcome;
        line.endField();
        if (p_ < end_ && *p_ == Comma) {
            ++p_;
            continue;
        }
        line.lastQuoted = quoted;
        if (p_ >= end_)
            return final_ ? Outcome::Line : Outcome::Incomplete;
        ++p_; // the line feed
        ++line_;
        return Outcome::Line;
    }
}

// Appends the field's text to the line; the caller ends the field.
Parser::Outcome Parser::readField(Line &line, bool &quoted)
{
    if (p_ < end_ && *p_ == Quote) {
        quoted = true;
        ++p_;
        const ushort *contentStart = p_;
        bool plain = true; // no doubled quote and no CRLF inside
        for (;;) {
            if (p_ >= end_)
                return final_ ? Outcome::Malformed : Outcome::Incomplete;
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
            line.text.append(reinterpret_cast<const QChar *>(contentStart), int(p_ - contentStart));
        } else {
            for (const ushort *q = contentStart; q < p_; ++q) {
                if (*q == Quote) {
                    ++q; // the second of a pair
                } else if (*q == CarriageReturn && q + 1 < p_ && q[1] == LineFeed) {
                    continue;
                }
                line.text.append(QChar(*q));
            }
        }
        ++p_; // the closing quote
        // The closing quote ends the field: the separator or the line end must
        // follow, blanks before a line end aside. Anything else means the
        // quotes do not pair up, and the records after would be swallowed.
        const ushort *q = p_;
        while (q < end_ && *q != LineFeed && isSpace(*q))
            ++q;
        if (q == end_) {
            if (!final_)
                return Outcome::Incomplete;
            p_ = q;
            return Outcome::Line;
        }
        if (*q == LineFeed || (*q == Comma && q == p_)) {
            p_ = q;
            return Outcome::Line;
        }
        return Outcome::Malformed;
    }
    const ushort *start = p_;
    while (p_ < end_ && *p_ != Comma && *p_ != LineFeed)
        ++p_;
    const ushort *stop = p_;
    if (stop > start && p_ < end_ && *p_ == LineFeed && stop[-1] == CarriageReturn)
        --stop;
    line.text.append(reinterpret_cast<const QChar *>(start), int(stop - start));
    return Outcome::Line;
}

void Parser::fail(int line)
{
    result_.malformedLine = line;
    done_ = true;
    waiting_.clear();
}

void Parser::add(Line &line)
{
    if (width_ == 1) {
        // One column: every line is a record, a blank one an empty value.
        standAlone(line);
        return;
    }
    if (line.width() >= width_) {
        // A full line is a record of its own, never the rest of another.
        settle(true);
        standAlone(line);
        return;
    }
    if (waiting_.empty()) {
        if (line.isBlank())
            return; // blank lines between records
        joinedWidth_ = line.width();
    } else {
        joinedWidth_ += line.width() - 1;
    }
    waiting_.push_back(line);
    settle(false);
}

// A record shorter than the header continues on the next line while the
// joined record does not exceed the header's width, and only when it ends
// exactly at it; otherwise the short record stands alone and the next line
// starts anew. Each line waits once and leaves once.
void Parser::settle(bool atEnd)
{
    while (!waiting_.empty()) {
        if (joinedWidth_ == width_) {
            emitJoined();
            return;
        }
        if (joinedWidth_ < width_ && !atEnd)
            return;
        Line first = std::move(waiting_.front());
        waiting_.pop_front();
        joinedWidth_ -= first.width() - 1;
        standAlone(first);
        while (!waiting_.empty() && waiting_.front().isBlank())
            waiting_.pop_front(); // one field: the joined width stays
    }
    joinedWidth_ = 0;
}

void Parser::standAlone(Line &line)
{
    if (line.width() > width_) {
        fail(line.number);
        return;
    }
    append(line, line.lastQuoted, line.lastQuoted, false);
}

void Parser::emitJoined()
{
    Line &first = waiting_.front();
    // Where the last field's text begins and ends, for its trimming.
    bool startQuoted = first.lastQuoted;
    bool endQuoted = first.lastQuoted;
    bool joined = false;
    for (std::size_t k = 1; k < waiting_.size(); ++k) {
        const Line &next = waiting_[k];
        first.join(next);
        if (next.width() == 1) {
            joined = true;
            endQuoted = next.lastQuoted;
            continue;
        }
        startQuoted = endQuoted = next.lastQuoted;
        joined = false;
    }
    append(first, startQuoted, endQuoted, joined);
    waiting_.clear();
    joinedWidth_ = 0;
}

// The last field loses surrounding white space, but only outside quotes; the
// record is padded to the header's width.
void Parser::append(Line &line, bool startQuoted, bool endQuoted, bool joined)
{
    line.trimLast(!startQuoted, !endQuoted);
    // White space before an opening quote hid the quote; read it as quoted now.
    const int start = line.lastStart();
    const QStringView last = QStringView(line.text).mid(start);
    if (!joined && !startQuoted && last.size() >= 2 && CsvReader::isQuotedField(last)) {
        QString inner = last.mid(1, last.size() - 2).toString();
        inner.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        line.text.truncate(start);
        line.text += inner;
        line.ends.last() = line.text.size();
    }
    while (line.width() < width_)
        line.endField();
    result_.records.append(line.record());
}

// Reads a device piece by piece, decoding each piece as it comes, so that
// neither the whole file's bytes nor its whole text are held at once.
class StreamReader
{
public:
    StreamReader(QIODevice &device, qint64 pieceBytes)
        : device_(device), pieceBytes_(qMax<qint64>(1, pieceBytes))
    {}

    // Reads a part of a file instead: the text stops at the first of ends
    // where a record ends too, and a later part starts after the header.
    void setPart(const CsvPart &part)
    {
        ends_ = part.ends;
        width_ = part.width;
    }
    // Where the reading stopped: one of the part's ends, or -1 at the file's end.
    qint64 end() const { return limit_; }
    Encoding encoding() const { return encoding_; }
    // Unmarked UTF-8: the characters read.
    InputTextDecoder::KanaLookalikes lookalikes() const { return lookalikes_; }

    CsvRows read()
    {
        const qint64 origin = device_.pos();
        Encoding encoding;
        if (InputTextDecoder::markedEncoding(device_.peek(4), &encoding)) {
            device_.read(InputTextDecoder::markLength(encoding));
            return readAs(encoding);
        }
        // Without a mark the text is UTF-8 as long as its bytes are; should a
        // fault turn up further on, the file is read again in the other codec.
        CsvRows rows = readAs(Encoding::Utf8);
        if (foreignLine_ == 0) {
            // Half-width katakana only show at the end of the whole file; the
            // parts of a file are judged together (see CsvFileParts).
            if (!ends_.isEmpty() || !lookalikes_.areShiftJis() || !device_.seek(origin))
                return rows;
            return readAs(Encoding::ShiftJis);
        }
        if (!device_.seek(origin))
            return rows;
        return readAs(InputTextDecoder::fallbackEncoding());
    }
    // Reads the rest in the given encoding.
    CsvRows readAs(Encoding encoding);

private:
    // Hands text to the parser; the part it could not use yet stays for the
    // next piece. Once the parser is done only the lines are counted.
    void feed(Parser &parser, QStringView text, bool final)
    {
        if (parser.isDone()) {
            lineAfterDone_ += int(text.count(QChar(LineFeed)));
            return;
        }
        if (pending_.isEmpty()) {
            // Most pieces are parsed where they were decoded.
            const qsizetype used = parser.feed(text, final);
            pending_ = text.mid(used).toString();
        } else {
            pending_ += text;
            const qsizetype used = parser.feed(pending_, final);
            pending_.remove(0, int(used));
        }
        if (parser.isDone()) {
            lineAfterDone_ = parser.line() + pending_.count(QChar(LineFeed));
            pending_.clear();
        }
    }
    // The line at the end of the text fed so far.
    int currentLine(const Parser &parser) const
    {
        return parser.isDone() ? lineAfterDone_ : parser.line() + pending_.count(QChar(LineFeed));
    }
    // A line longer than a piece is read in growing pieces, so that it is
    // not parsed over and over.
    qint64 pieceSize(qint64 carried) const
    {
        const qint64 size = qMax(pieceBytes_, qMax(qint64(pending_.size()), carried) * 2);
        return qMin<qint64>(size, 1 << 30);
    }
    // The next piece of the device after what the last one left over; *last
    // once the device, or the part, has no more.
    QByteArray nextBytes(QByteArray &&carry, bool *last)
    {
        QByteArray bytes = std::move(carry);
        const int kept = bytes.size();
        qint64 wanted = pieceSize(kept);
        const qint64 available =
            limit_ >= 0 ? qMax<qint64>(0, limit_ - device_.pos()) : device_.bytesAvailable();
        if (available > 0 || limit_ >= 0)
            wanted = qMin(wanted, available); // a small file takes no large buffer
        bytes.resize(int(kept + wanted));
        const qint64 got = wanted > 0 ? device_.read(bytes.data() + kept, wanted) : 0;
        bytes.resize(kept + int(qMax<qint64>(0, got)));
        *last = got <= 0 || device_.atEnd() || (limit_ >= 0 && device_.pos() >= limit_);
        return bytes;
    }

    // What was read before the fault depends on where the pieces happened to
    // end, and is of no use: only the fault is told.
    static CsvRows fault(CsvRows::TextFault kind, int line, Encoding encoding)
    {
        CsvRows rows;
        rows.records.append(oneEmptyCell());
        rows.textFault = kind;
        rows.textFaultLine = line;
        if (kind == CsvRows::TextFault::NotText)
            rows.encodingName = InputTextDecoder::name(encoding);
        return rows;
    }

    // Decodes what bytes hold of whole characters (legacy codecs: of whole
    // lines); *used is how many bytes that took, *faultAt where in the text a
    // fault was met, or -1.
    QString decode(Encoding encoding, const QByteArray &bytes, bool final, qsizetype *used,
                   qsizetype *faultAt);
    // Whether the rest of the device holds a line of wide UTF-8.
    bool restHoldsWideUtf8(QByteArray carry);

    QIODevice &device_;
    const qint64 pieceBytes_;
    // A part: where it may end, and the header's width when it is not the first.
    QVector<qint64> ends_;
    int width_ = 0;
    // Where the text stops for now: the next of ends_, or -1 for the device's end.
    qint64 limit_ = -1;
    Encoding encoding_ = Encoding::Utf8;
    QString pending_;
    int lineAfterDone_ = 0;
    std::unique_ptr<QTextDecoder> unicodeDecoder_;
    // Unmarked UTF-8: bytes taken so far, where the first character of three
    // or more bytes and the current line begin, and the line of the first
    // fault, 0 while there is none.
    qint64 offset_ = 0;
    qint64 firstWide_ = -1;
    qint64 lineStart_ = 0;
    int foreignLine_ = 0;
    bool mixed_ = false;
    InputTextDecoder::KanaLookalikes lookalikes_;
};

QString StreamReader::decode(Encoding encoding, const QByteArray &bytes, bool final,
                             qsizetype *used, qsizetype *faultAt)
{
    const char *data = bytes.constData();
    *faultAt = -1;
    if (!InputTextDecoder::isUnicode(encoding)) {
        *used = final ? bytes.size() : lastLineFeed(data, bytes.size()) + 1;
        return InputTextDecoder::decodeLegacy(encoding, data, *used, faultAt);
    }
    const bool utf8 = encoding == Encoding::Utf8 || encoding == Encoding::Utf8Bom;
    const InputTextDecoder::Check check =
        utf8 ? InputTextDecoder::checkUtf8(data, bytes.size(), final)
             : InputTextDecoder::checkUnicode(encoding, data, bytes.size(), final);
    *used = check.validLength;
    // Not QString::fromUtf8(), which drops a U+FEFF that happens to begin a piece.
    if (!unicodeDecoder_)
        unicodeDecoder_ = std::make_unique<QTextDecoder>(InputTextDecoder::codec(encoding),
                                                         QTextCodec::IgnoreHeader);
    const QString text = unicodeDecoder_->toUnicode(data, int(check.validLength));
    if (encoding == Encoding::Utf8) {
        // A fault on a later line than a wide character mixes encodings.
        if (firstWide_ < 0 && check.firstWide >= 0)
            firstWide_ = offset_ + check.firstWide;
        const qsizetype lineFeed = lastLineFeed(data, check.validLength);
        if (lineFeed >= 0)
            lineStart_ = offset_ + lineFeed + 1;
        mixed_ = check.fault && firstWide_ >= 0 && firstWide_ < lineStart_;
        offset_ += check.validLength;
        lookalikes_.add(check.lookalikes);
    }
    if (check.fault)
        *faultAt = text.size();
    return text;
}

CsvRows StreamReader::readAs(Encoding encoding)
{
    Parser parser(width_);
    encoding_ = encoding;
    int nextEnd = 0;
    limit_ = ends_.value(nextEnd++, -1);
    pending_.clear();
    lineAfterDone_ = 0;
    unicodeDecoder_.reset();
    lookalikes_ = InputTextDecoder::KanaLookalikes();
    QByteArray carry; // what the last piece held of a cut character or line
    for (;;) {
        bool last = false;
        const QByteArray bytes = nextBytes(std::move(carry), &last);
        // A part that ends before the file does is not final: its last record
        // may run on into the next part.
        const bool final = last && (limit_ < 0 || device_.atEnd());
        if (final)
            limit_ = -1;
        qsizetype used = 0;
        qsizetype faultAt = -1;
        if (!InputTextDecoder::isUnicode(encoding) &&
            InputTextDecoder::holdsWideUtf8Line(
                bytes.constData(),
                final ? bytes.size() : lastLineFeed(bytes.constData(), bytes.size()) + 1))
            return fault(CsvRows::TextFault::MixedEncodings, foreignLine_, encoding);
        const QString text = decode(encoding, bytes, final, &used, &faultAt);
        carry = bytes.mid(int(used));
        if (faultAt < 0) {
            feed(parser, text, final);
            if (final)
                return parser.take();
            // A part with a malformed record is of no use: the file is read
            // again whole, for the record's line.
            if (!ends_.isEmpty() && parser.isDone())
                return parser.take();
            if (!last)
                continue;
            // The part's end is a line end; unless it is a record's end too
            // (not inside quotes, no short lines that may join the next ones),
            // the part runs on to its next end.
            if (carry.isEmpty() && pending_.isEmpty() && parser.isBetweenRecords())
                return parser.take();
            limit_ = ends_.value(nextEnd++, -1);
            continue;
        }
        feed(parser, QStringView(text).left(faultAt), false);
        const int line = currentLine(parser);
        if (encoding == Encoding::Utf8) {
            if (mixed_)
                return fault(CsvRows::TextFault::MixedEncodings, line, encoding);
            // Read again in the other codec; should that fail, this stands.
            foreignLine_ = line;
        } else if (!InputTextDecoder::isUnicode(encoding) && restHoldsWideUtf8(carry)) {
            return fault(CsvRows::TextFault::MixedEncodings, foreignLine_, encoding);
        }
        return fault(CsvRows::TextFault::NotText, line, encoding);
    }
}

bool StreamReader::restHoldsWideUtf8(QByteArray carry)
{
    for (;;) {
        bool last = false;
        const QByteArray bytes = nextBytes(std::move(carry), &last);
        const qsizetype whole =
            last ? bytes.size() : lastLineFeed(bytes.constData(), bytes.size()) + 1;
        if (InputTextDecoder::holdsWideUtf8Line(bytes.constData(), whole))
            return true;
        if (last)
            return false;
        carry = bytes.mid(int(whole));
    }
}

} // namespace

QList<QStringList> CsvRows::lists() const
{
    QList<QStringList> rows;
    rows.reserve(records.size());
    for (const CsvRecord &record : records)
        rows.append(record.toStringList());
    return rows;
}

CsvRows CsvReader::parse(QStringView text)
{
    Parser parser;
    parser.feed(text, true);
    return parser.take();
}

bool CsvReader::isQuotedField(QStringView text)
{
    const qsizetype size = text.size();
    if (size < 2 || text.front() != QLatin1Char('"') || text.back() != QLatin1Char('"'))
        return false;
    for (qsizetype i = 1; i < size - 1; ++i) {
        if (text[i] != QLatin1Char('"'))
            continue;
        if (i + 1 >= size - 1 || text[i + 1] != QLatin1Char('"'))
            return false;
        ++i;
    }
    return true;
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

CsvPartRows readCsvPart(QIODevice &device, const CsvPart &part, qint64 pieceBytes)
{
    StreamReader reader(device, pieceBytes);
    reader.setPart(part);
    CsvPartRows read;
    read.rows = part.width > 0 ? reader.readAs(part.encoding) : reader.read();
    read.sound = !read.rows.hasTextFault() && !read.rows.isMalformed();
    read.end = reader.end();
    read.width = part.width > 0 ? part.width : read.rows.records.constFirst().size();
    read.encoding = reader.encoding();
    read.lookalikes = reader.lookalikes();
    return read;
}
