#pragma once

#include "csv/CsvReader.h"

#include <QFile>
#include <QString>
#include <QVector>

#include <vector>

// Reads a large file in parts side by side, with exactly the rows, faults and
// line numbers a read of the whole file gives. The file is cut after line
// feeds, which no character of UTF-8 or Shift-JIS holds; a part that begins
// after the header is read in the encoding the file's first lines show. A
// part whose end is not the end of a record reads on to the next part's end,
// and the part it ran over is not used. The parts' rows are joined when all
// are sound and in the first part's encoding; otherwise (a text fault, a
// malformed record, an encoding the first lines did not show, UTF-8 that
// passes for half-width katakana throughout) the file is read again whole.
class CsvFileParts
{
public:
    // Plans the parts of an open file: about partBytes each, or one part for
    // the whole file when partBytes is 0 or the file cannot be cut safely.
    CsvFileParts(QFile &file, qint64 partBytes, qint64 pieceBytes = 1 << 20);

    int count() const { return int(parts_.size()); }
    qint64 size(int part) const;
    // Reads one part; different parts may be read on different threads at once.
    void read(int part);
    // The rows of the whole file, once every part was read; on failure empty
    // rows and errorString() tells why.
    CsvRows take();
    QString errorString() const { return error_; }
    // Whether take() had to read the file again whole.
    bool readWholeAgain() const { return readWholeAgain_; }

private:
    struct Part
    {
        qint64 begin = 0;
        CsvPartRows read;
        QString error;
    };

    // Where the parts after the first begin: from each of offsets on, the
    // first line that is as wide as the header. That most likely begins a
    // record, where a line inside a quoted field or one of the short lines
    // that make up a record does not; failing that, the first line.
    QVector<qint64> recordStarts(QFile &file, const QVector<qint64> &offsets) const;
    qint64 recordStart(QFile &file, qint64 offset) const;
    // The file read again as one, should the parts not fit together.
    CsvRows readWhole();

    QString path_;
    qint64 fileSize_ = 0;
    qint64 pieceBytes_;
    // What the parts after the first assume of the file.
    int width_ = 0;
    InputTextDecoder::Encoding encoding_ = InputTextDecoder::Encoding::Utf8;
    // One thread may read a part while another reads the next.
    std::vector<Part> parts_;
    QString error_;
    bool readWholeAgain_ = false;
};
