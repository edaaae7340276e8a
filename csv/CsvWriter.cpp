#include "CsvWriter.h"

#include "csv/FileReplacement.h"
#include "csv/PendingFile.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace {

// Bytes gathered before they are written; small enough to stay in the heap
// rather than be mapped afresh every time.
constexpr int FlushSize = 1 << 16;

// Bytes written between two hints that the system may start putting them on disk.
constexpr qint64 WritebackBytes = 8 << 20;

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
        file_ = std::make_unique<PendingFile>(path_);
        if (!file_->open()) {
            error_ = file_->errorString();
            return false;
        }
        device_ = &file_->file();
    } else if (!device_->isWritable()) {
        error_ = QCoreApplication::translate("CsvWriter", "The device is not open for writing");
        return false;
    }
    format_ = std::make_unique<CsvLineFormat>(lineEnd_, encoding_);
    bytes_.reserve(FlushSize + 4096);
    bytes_ += format_->encoder().fileStart();
    return true;
}

void CsvWriter::setLineEnd(const QString &lineEnd)
{
    lineEnd_ = lineEnd;
    if (format_)
        format_ = std::make_unique<CsvLineFormat>(lineEnd_, encoding_);
}

void CsvWriter::setEncoding(OutputEncoding::Kind encoding)
{
    encoding_ = encoding;
}

int CsvWriter::writeLine(const QStringList &values, int firstEdges, int lastEdges)
{
    text_.resize(0);
    const int last = values.size() - 1;
    for (int i = 0; i <= last; ++i) {
        if (i > 0)
            text_ += QLatin1Char(',');
        const int edges = (i == 0 ? firstEdges : CsvLineFormat::Inside) |
                          (i == last ? lastEdges : CsvLineFormat::Inside);
        format_->appendValue(text_, values.at(i), edges);
    }
    text_ += lineEnd_;
    const int lost = format_->encode(text_, bytes_);
    flushIfFull();
    return lost;
}

void CsvWriter::writeEncoded(const char *data, qsizetype size)
{
    if (bytes_.size() + size < FlushSize) {
        bytes_.append(data, int(size));
        return;
    }
    // A large block goes out as it is, after what was gathered before it.
    flush();
    writeBytes(data, size);
}

void CsvWriter::flushIfFull()
{
    if (bytes_.size() >= FlushSize)
        flush();
}

void CsvWriter::flush()
{
    writeBytes(bytes_.constData(), bytes_.size());
    bytes_.resize(0);
}

void CsvWriter::writeBytes(const char *data, qint64 size)
{
    if (size == 0 || failed_ || !device_)
        return;
    if (device_->write(data, size) != size) {
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
    if (!file_ || file_->isDirect())
        return;
    QFile &file = file_->file();
    const qint64 written = file.pos();
    if (written - writebackStart_ < WritebackBytes || !file.flush())
        return;
    ::sync_file_range(file.handle(), writebackStart_, written - writebackStart_,
                      SYNC_FILE_RANGE_WRITE);
    writebackStart_ = written;
#endif
}

// The header line loses white space at both its ends, and a byte-order mark
// at its start would be taken for the file's own.
int CsvWriter::writeHeader(const QStringList &names)
{
    if (names.isEmpty())
        return 0;
    return writeLine(names, CsvLineFormat::FrontTrimmed | CsvLineFormat::FileStart,
                     CsvLineFormat::BackTrimmed);
}

// A record's last value loses white space at both its ends.
int CsvWriter::writeRow(const QStringList &values)
{
    return writeLine(values, CsvLineFormat::Inside,
                     CsvLineFormat::FrontTrimmed | CsvLineFormat::BackTrimmed);
}

bool CsvWriter::commit()
{
    if (!finish())
        return false;
    if (!file_ || file_->isDirect())
        return true;
    FileReplacement replacement;
    replacement.add(file_->stagedPath(), file_->target());
    if (replacement.commit())
        return true;
    error_ = replacement.errorString();
    return false;
}

bool CsvWriter::finish()
{
    flush();
    if (failed_) {
        cancel();
        return false;
    }
    if (file_) {
        if (file_->finish())
            return true;
        error_ = file_->errorString();
        return false;
    }
    // Written to a device: the bytes only have to leave its buffer.
    auto *file = qobject_cast<QFileDevice *>(device_);
    if (file && !file->flush()) {
        error_ = file->errorString();
        return false;
    }
    return true;
}

void CsvWriter::cancel()
{
    file_.reset(); // the new file goes with it; the target stays as it was
    device_ = nullptr;
}

QString CsvWriter::errorString() const
{
    if (!error_.isEmpty() || !device_)
        return error_;
    return device_->errorString();
}
