#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QVector>

#include <memory>

class QTemporaryFile;

// The encoded lines a run keeps until every row is merged, back to back in
// row order. Past a size they move to a temporary file, so that the output
// waiting to be merged does not sit in memory beside the input still being
// converted; should that file fail, they come back into memory.
class KeptLines
{
public:
    static constexpr qint64 MemoryBytes = 2 << 20;

    explicit KeptLines(qint64 memoryBytes = MemoryBytes);
    ~KeptLines();
    // Where the temporary file goes; the system's temporary folder unless set.
    void setFolder(const QString &folder) { folder_ = folder; }

    void append(const char *line, int size);
    int size() const { return ends_.size(); }
    bool isSpilled() const { return file_ != nullptr; }

    // The bytes of count lines from first on; each line g of them begins at
    // start(g) - start(first). Threads may read at once once every line is in.
    // False, with errorString() set, when the temporary file cannot be read.
    bool read(int first, int count, QByteArray &bytes);
    qint64 start(int line) const { return line == 0 ? 0 : ends_.at(line - 1); }
    // Why the lines are lost; empty while they are not.
    QString errorString() const;
    void clear();

private:
    void spill();
    void unspill();

    const qint64 memoryBytes_;
    QString folder_;
    QVector<qint64> ends_; // per line, where it ends among all the lines
    QByteArray memory_;
    std::unique_ptr<QTemporaryFile> file_;
    bool flushed_ = false;
    bool spillFailed_ = false; // the file failed once: memory from then on
    QMutex mutex_;
    QString error_;
};
