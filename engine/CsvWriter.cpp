#include "CsvWriter.h"

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

// Bytes gathered before they are written; small enough to stay in the heap
// rather than be mapped afresh every time.
constexpr int FlushSize = 1 << 16;

// Bytes written between two hints that the system may start putting them on disk.
constexpr qint64 WritebackBytes = 8 << 20;

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
    format_ = std::make_unique<CsvLineFormat>(lineEnd_);
    bytes_.reserve(FlushSize + 4096);
    return true;
}

void CsvWriter::setLineEnd(const QString &lineEnd)
{
    lineEnd_ = lineEnd;
    if (format_)
        format_ = std::make_unique<CsvLineFormat>(lineEnd_);
}

void CsvWriter::writeLine(const QStringList &values, int firstEdges, int lastEdges)
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
    format_->encode(text_, bytes_);
    flushIfFull();
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
    writeLine(names, CsvLineFormat::FrontTrimmed | CsvLineFormat::FileStart,
              CsvLineFormat::BackTrimmed);
}

// A record's last value loses white space at both its ends.
void CsvWriter::writeRow(const QStringList &values)
{
    writeLine(values, CsvLineFormat::Inside,
              CsvLineFormat::FrontTrimmed | CsvLineFormat::BackTrimmed);
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
