#include "KeptLines.h"

#include <QDir>
#include <QMutexLocker>
#include <QTemporaryFile>

KeptLines::KeptLines(qint64 memoryBytes) : memoryBytes_(memoryBytes), folder_(QDir::tempPath()) {}

KeptLines::~KeptLines() = default;

// The memory part is allocated once, whole, and spilled before it would have
// to grow: the lines never take more memory than the size allows.
void KeptLines::append(const char *line, int size)
{
    if (!file_ && !spillFailed_ && memory_.size() + qint64(size) > memoryBytes_)
        spill();
    if (file_ && file_->write(line, size) != size)
        unspill();
    if (!file_ && error_.isEmpty()) {
        if (memory_.capacity() == 0 && !spillFailed_)
            memory_.reserve(int(qMin<qint64>(memoryBytes_, 1 << 30)));
        memory_.append(line, size);
    }
    ends_.append(start(ends_.size()) + size);
}

void KeptLines::spill()
{
    auto file = std::make_unique<QTemporaryFile>(folder_ + QStringLiteral("/rowsmith-XXXXXX.tmp"));
    if (!file->open() || file->write(memory_) != memory_.size()) {
        spillFailed_ = true; // memory it stays
        return;
    }
    file_ = std::move(file);
    memory_ = QByteArray();
}

// The file failed to take a line: the lines before it come back into memory,
// and the rest stay there too.
void KeptLines::unspill()
{
    const qint64 total = start(ends_.size());
    QByteArray bytes;
    if (file_->flush() && file_->seek(0))
        bytes = file_->read(total);
    if (bytes.size() != total)
        error_ = file_->errorString();
    else
        memory_ = std::move(bytes);
    file_.reset();
    spillFailed_ = true;
}

bool KeptLines::read(int first, int count, QByteArray &bytes)
{
    const qint64 begin = start(first);
    const qint64 length = start(first + count) - begin;
    if (!file_) {
        if (!error_.isEmpty())
            return false;
        bytes = memory_.mid(int(begin), int(length));
        return true;
    }
    QMutexLocker lock(&mutex_);
    if (!error_.isEmpty())
        return false;
    if (!flushed_ && !file_->flush()) {
        error_ = file_->errorString();
        return false;
    }
    flushed_ = true;
    if (!file_->seek(begin) || (bytes = file_->read(length)).size() != length) {
        error_ = file_->errorString();
        return false;
    }
    return true;
}

QString KeptLines::errorString() const
{
    return error_;
}

void KeptLines::clear()
{
    ends_.clear();
    memory_ = QByteArray();
    file_.reset();
    flushed_ = false;
    spillFailed_ = false;
}
