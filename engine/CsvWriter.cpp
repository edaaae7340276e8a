#include "CsvWriter.h"

#include "engine/CsvReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace {

// Characters buffered before encoding; small enough that the encoded block
// comes from the heap and is reused rather than mapped afresh every time.
constexpr int FlushSize = 1 << 14;

// Bytes written between two hints that the system may start putting them on disk.
constexpr qint64 WritebackBytes = 8 << 20;

constexpr ushort ByteOrderMark = 0xFEFF;

// The characters that make a value need quotes all lie at or below ','.
inline bool isSpecial(ushort u)
{
    return u <= ',' && (u == ',' || u == '"' || u == '\n' || u == '\r');
}

// A FIFO or a character device takes the bytes as they come; renaming a new
// file over it would replace it with a plain file.
bool isStreamTarget(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    return S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode);
#else
    Q_UNUSED(path);
    return false;
#endif
}

} // namespace

CsvWriter::CsvWriter(const QString &path) : path_(path)
{
    setLineEnd(platformLineEnd());
}

CsvWriter::CsvWriter(QIODevice *device) : device_(device)
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
    if (!device_) {
        const QFileInfo target(path_);
        if (isStreamTarget(path_)) {
            file_ = std::make_unique<QFile>(path_);
        } else if (target.exists() && !target.isFile()) {
            error_ = QCoreApplication::translate("CsvWriter", "%1 is not a regular file")
                         .arg(QDir::toNativeSeparators(path_));
            return false;
        } else {
            auto saveFile = std::make_unique<QSaveFile>(path_);
            saveFile_ = saveFile.get();
            file_ = std::move(saveFile);
        }
        if (!file_->open(QIODevice::WriteOnly)) {
            error_ = file_->errorString();
            return false;
        }
        device_ = file_.get();
    } else if (!device_->isWritable()) {
        error_ = QCoreApplication::translate("CsvWriter", "The device is not open for writing");
        return false;
    }
    encoder_.reset(QTextCodec::codecForLocale()->makeEncoder(QTextCodec::IgnoreHeader));
    buffer_.reserve(FlushSize + 1024);
    return true;
}

void CsvWriter::setLineEnd(const QString &lineEnd)
{
    lineEnd_ = lineEnd;
    convertLineFeeds_ = lineEnd != QLatin1String("\n");
}

void CsvWriter::appendText(const QChar *begin, const QChar *end, const QChar *valueBegin)
{
    if (!convertLineFeeds_) {
        buffer_.append(begin, int(end - begin));
        return;
    }
    for (const QChar *p = begin; p < end; ++p) {
        // A line feed after a carriage return already ends its line as it is.
        if (*p == QLatin1Char('\n') && (p == valueBegin || p[-1] != QLatin1Char('\r')))
            buffer_ += lineEnd_;
        else
            buffer_ += *p;
    }
}

// The one quoting rule, for names and values alike.
void CsvWriter::appendValue(const QString &value, int edges)
{
    const QChar *begin = value.constData();
    const QChar *end = begin + value.size();
    const QChar *p = begin;
    while (p < end && !isSpecial(p->unicode()))
        ++p;
    bool quote = p < end;
    if (!quote && begin < end) {
        // White space the reader would trim, or a mark it would take for the
        // file's own, stays only inside quotes.
        quote = ((edges & FrontTrimmed) && begin->isSpace()) ||
                ((edges & BackTrimmed) && end[-1].isSpace()) ||
                ((edges & FileStart) && begin->unicode() == ByteOrderMark);
    }
    if (!quote) {
        buffer_.append(begin, int(end - begin));
        return;
    }
    // Already one quoted field, such as a rule may make: it reads back as
    // the text between the quotes.
    if (CsvReader::isQuotedField(value)) {
        appendText(begin, end, begin);
        return;
    }
    buffer_ += QLatin1Char('"');
    const QChar *run = begin;
    for (p = begin; p < end; ++p) {
        if (*p == QLatin1Char('"')) {
            appendText(run, p + 1, begin); // the quote, then its double below
            run = p;
        }
    }
    appendText(run, end, begin);
    buffer_ += QLatin1Char('"');
}

void CsvWriter::writeLine(const QStringList &values, int firstEdges, int lastEdges)
{
    const int last = values.size() - 1;
    for (int i = 0; i <= last; ++i) {
        if (i > 0)
            buffer_ += QLatin1Char(',');
        const int edges = (i == 0 ? firstEdges : Inside) | (i == last ? lastEdges : Inside);
        appendValue(values.at(i), edges);
    }
    endLine();
}

void CsvWriter::endLine()
{
    buffer_ += lineEnd_;
    if (buffer_.size() >= FlushSize)
        flush();
}

void CsvWriter::flush()
{
    if (buffer_.isEmpty() || failed_ || !device_)
        return;
    const QByteArray bytes = encoder_->fromUnicode(buffer_);
    buffer_.resize(0);
    if (device_->write(bytes) != bytes.size()) {
        failed_ = true;
        error_ = device_->errorString();
        return;
    }
    startWriteback();
}

// The commit waits until the whole file is on disk; started early, most of
// that writing overlaps with building the rest of the file.
void CsvWriter::startWriteback()
{
#ifdef Q_OS_LINUX
    if (!saveFile_)
        return;
    const qint64 written = saveFile_->pos();
    if (written - writebackStart_ < WritebackBytes || !saveFile_->flush())
        return;
    ::sync_file_range(saveFile_->handle(), writebackStart_, written - writebackStart_,
                      SYNC_FILE_RANGE_WRITE);
    writebackStart_ = written;
#endif
}

// The header line loses white space at both its ends, and a byte-order mark
// at its start would be taken for the file's own.
void CsvWriter::writeHeader(const QStringList &names)
{
    if (names.isEmpty())
        return;
    writeLine(names, FrontTrimmed | FileStart, BackTrimmed);
}

// A record's last value loses white space at both its ends.
void CsvWriter::writeRow(const QStringList &values)
{
    writeLine(values, Inside, FrontTrimmed | BackTrimmed);
}

bool CsvWriter::commit()
{
    flush();
    if (failed_) {
        cancel();
        return false;
    }
    if (saveFile_) {
        if (saveFile_->commit())
            return true;
        error_ = saveFile_->errorString();
        return false;
    }
    // Written directly: the bytes only have to leave the device's buffer.
    auto *file = qobject_cast<QFileDevice *>(device_);
    if (file && !file->flush()) {
        error_ = file->errorString();
        return false;
    }
    if (file_)
        file_->close();
    return true;
}

void CsvWriter::cancel()
{
    if (saveFile_)
        saveFile_->cancelWriting();
    else if (file_)
        file_->close();
}

QString CsvWriter::errorString() const
{
    if (!error_.isEmpty() || !device_)
        return error_;
    return device_->errorString();
}
