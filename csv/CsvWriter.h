#pragma once

#include "csv/CsvLineFormat.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class PendingFile;
class QIODevice;

// Writes the output CSV file. Text is encoded in the chosen encoding (the
// system's codec unless set), with a byte-order mark for UTF-8-BOM only; a
// character the encoding cannot hold is written as 〓 and counted. Lines end with the platform's
// line end, and so does every bare line feed inside a value. A value is quoted when it holds ",", a
// double quote, CR or LF, or when white space at the start or end of its line would be lost on
// reading, unless it already is one well-formed quoted field. Header names follow the same rule.
class CsvWriter
{
public:
    // A regular file, or a new one, is replaced only once the whole new file
    // has been written, and keeps the old one's permissions and owner. An
    // existing FIFO or character device is written directly; any other
    // existing target that is not a regular file is refused by open().
    explicit CsvWriter(const QString &path);
    // Writes to a device already open for writing, such as standard output.
    explicit CsvWriter(QIODevice *device);
    ~CsvWriter();
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    static QString platformLineEnd();
    // For tests of the other platform's line end.
    void setLineEnd(const QString &lineEnd);
    // Before open().
    void setEncoding(OutputEncoding::Kind encoding);

    bool open();
    // No items, no line. Both return the number of characters the encoding
    // could not hold.
    int writeHeader(const QStringList &names);
    int writeRow(const QStringList &values);
    // Bytes already in the output's encoding, such as lines a copy of
    // lineFormat() spelled.
    void writeEncoded(const char *data, qsizetype size);
    // The spelling of the lines this writer writes; valid once open.
    const CsvLineFormat &lineFormat() const { return *format_; }
    // Writes what is left and, for a regular file, replaces the target; false
    // on any failure on the way, a regular target then being left as it was.
    bool commit();
    // Writes what is left and completes the new file without replacing the
    // target yet: that is left to the caller, through pendingFile(), when
    // several files must take their places together.
    bool finish();
    // The new file of a path target; null when writing to a device.
    PendingFile *pendingFile() const { return file_.get(); }
    // Drops the new file; a regular target stays as it was.
    void cancel();
    QString errorString() const;

private:
    int writeLine(const QStringList &values, int firstEdges, int lastEdges);
    void flushIfFull();
    void flush();
    void writeBytes(const char *data, qint64 size);
    void startWriteback();

    const QString path_;
    std::unique_ptr<PendingFile> file_; // of a path target
    QIODevice *device_ = nullptr;       // where the bytes go
    std::unique_ptr<CsvLineFormat> format_;
    QString text_;     // the line being spelled
    QByteArray bytes_; // encoded, not yet written
    QString lineEnd_;
    OutputEncoding::Kind encoding_ = OutputEncoding::System;
    bool failed_ = false;
    qint64 writebackStart_ = 0;
    QString error_; // the system's text of the first failure
};
