#include "CsvWriter.h"

namespace {

constexpr int FlushSize = 1 << 18; // characters buffered before encoding

} // namespace

CsvWriter::CsvWriter(const QString &path) : file_(path), lineEnd_(platformLineEnd()) {}

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

bool CsvWriter::needsQuotes(const QString &value)
{
    for (const QChar c : value) {
        const ushort u = c.unicode();
        if (u == ',' || u == '"' || u == '\n' || u == '\r')
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

void CsvWriter::appendText(const QString &text)
{
    if (lineEnd_ == QLatin1String("\n") || !text.contains(QLatin1Char('\n'))) {
        buffer_ += text;
        return;
    }
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            buffer_ += lineEnd_;
        else
            buffer_ += c;
    }
}

void CsvWriter::appendValue(const QString &value)
{
    if (!needsQuotes(value) || alreadyQuoted(value)) {
        appendText(value);
        return;
    }
    appendText(quoted(value));
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
    }
}

void CsvWriter::writeHeader(const QStringList &names)
{
    if (names.isEmpty())
        return;
    for (int i = 0; i < names.size(); ++i) {
        if (i > 0)
            buffer_ += QLatin1Char(',');
        appendText(names.at(i));
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

void CsvWriter::cancel() { file_.cancelWriting(); }

QString CsvWriter::errorString() const { return error_.isEmpty() ? file_.errorString() : error_; }
