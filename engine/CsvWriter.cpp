#include "CsvWriter.h"

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace {

// Characters buffered before encoding; small enough that the encoded block
// comes from the heap and is reused rather than mapped afresh every time.
constexpr int FlushSize = 1 << 14;

// Bytes written between two hints that the system may start putting them on disk.
constexpr qint64 WritebackBytes = 8 << 20;

// The characters that make a value need quotes all lie at or below ','.
inline bool isSpecial(ushort u)
{
    return u <= ',' && (u == ',' || u == '"' || u == '\n' || u == '\r');
}

} // namespace

CsvWriter::CsvWriter(const QString &path) : file_(path)
{
    setLineEnd(platformLineEnd());
}

CsvWriter::~CsvWriter() = default;

QString CsvWriter::platformLineEnd()
{
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}

bool CsvWriter::open()
{
    if (!file_.open(QIODevice::WriteOnly))
        return false;
    encoder_.reset(QTextCodec::codecForLocale()->makeEncoder(QTextCodec::IgnoreHeader));
    buffer_.reserve(FlushSize + 1024);
    return true;
}

void CsvWriter::setLineEnd(const QString &lineEnd)
{
    lineEnd_ = lineEnd;
    convertLineFeeds_ = lineEnd != QLatin1String("\n");
}

bool CsvWriter::needsQuotes(const QString &value)
{
    for (const QChar c : value) {
        if (isSpecial(c.unicode()))
            return true;
    }
    return false;
}

bool CsvWriter::alreadyQuoted(const QString &value)
{
    return value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
           value.endsWith(QLatin1Char('"'));
}

QString CsvWriter::quoted(const QString &value)
{
    if (!needsQuotes(value) || alreadyQuoted(value))
        return value;
    QString result;
    result.reserve(value.size() + 2);
    result += QLatin1Char('"');
    for (const QChar c : value) {
        if (c == QLatin1Char('"'))
            result += QLatin1Char('"');
        result += c;
    }
    result += QLatin1Char('"');
    return result;
}

void CsvWriter::appendText(const QChar *begin, const QChar *end)
{
    if (!convertLineFeeds_) {
        buffer_.append(begin, int(end - begin));
        return;
    }
    for (const QChar *p = begin; p < end; ++p) {
        if (*p == QLatin1Char('\n'))
            buffer_ += lineEnd_;
        else
            buffer_ += *p;
    }
}

void CsvWriter::appendValue(const QString &value)
{
    const QChar *begin = value.constData();
    const QChar *end = begin + value.size();
    const QChar *p = begin;
    while (p < end && !isSpecial(p->unicode()))
        ++p;
    if (p == end) {
        buffer_.append(begin, int(end - begin));
        return;
    }
    if (alreadyQuoted(value)) {
        appendText(begin, end);
        return;
    }
    buffer_ += QLatin1Char('"');
    const QChar *run = begin;
    for (p = begin; p < end; ++p) {
        if (*p == QLatin1Char('"')) {
            appendText(run, p + 1); // the quote, then its double below
            run = p;
        }
    }
    appendText(run, end);
    buffer_ += QLatin1Char('"');
}

void CsvWriter::endLine()
{
    buffer_ += lineEnd_;
    if (buffer_.size() >= FlushSize)
        flush();
}

void CsvWriter::flush()
{
    if (buffer_.isEmpty() || failed_)
        return;
    const QByteArray bytes = encoder_->fromUnicode(buffer_);
    buffer_.resize(0);
    if (file_.write(bytes) != bytes.size()) {
        failed_ = true;
        error_ = file_.errorString();
        return;
    }
    startWriteback();
}

// The commit waits until the whole file is on disk; started early, most of
// that writing overlaps with building the rest of the file.
void CsvWriter::startWriteback()
{
#ifdef Q_OS_LINUX
    const qint64 written = file_.pos();
    if (written - writebackStart_ < WritebackBytes || !file_.flush())
        return;
    ::sync_file_range(file_.handle(), writebackStart_, written - writebackStart_,
                      SYNC_FILE_RANGE_WRITE);
    writebackStart_ = written;
#endif
}

void CsvWriter::writeHeader(const QStringList &names)
{
    if (names.isEmpty())
        return;
    for (int i = 0; i < names.size(); ++i) {
        if (i > 0)
            buffer_ += QLatin1Char(',');
        appendText(names.at(i).constData(), names.at(i).constData() + names.at(i).size());
    }
    endLine();
}

void CsvWriter::writeRow(const QStringList &values)
{
    for (int i = 0; i < values.size(); ++i) {
        if (i > 0)
            buffer_ += QLatin1Char(',');
        appendValue(values.at(i));
    }
    endLine();
}

bool CsvWriter::commit()
{
    flush();
    if (failed_) {
        file_.cancelWriting();
        return false;
    }
    if (file_.commit())
        return true;
    error_ = file_.errorString();
    return false;
}

void CsvWriter::cancel()
{
    file_.cancelWriting();
}

QString CsvWriter::errorString() const
{
    return error_.isEmpty() ? file_.errorString() : error_;
}
