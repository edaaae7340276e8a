#include "CsvFileParts.h"

#include <cstring>

namespace {

using Encoding = InputTextDecoder::Encoding;

// How much of the file's beginning shows its header and its encoding, and
// how much is looked at for a part's beginning.
constexpr qint64 HeadBytes = 64 * 1024;
// How many lines may be tried for a part's beginning.
constexpr int MaxTries = 16;

// Whether a line of exactly width fields, with quoted fields as the reader
// takes them, begins at p and ends before end. Only a guess: the bytes are
// not decoded, and the line may lie inside a quoted field.
bool holdsRecord(const char *p, const char *end, int width)
{
    for (int fields = 1; fields <= width; ++fields) {
        if (p < end && *p == '"') {
            for (++p; p < end; ++p) {
                if (*p != '"')
                    continue;
                if (p + 1 < end && p[1] == '"')
                    ++p;
                else
                    break;
            }
            if (p == end)
                return false;
            ++p; // the closing quote
            while (p < end && (*p == ' ' || *p == '\t' || *p == '\r'))
                ++p;
            if (p < end && *p != ',' && *p != '\n')
                return false;
        } else {
            while (p < end && *p != ',' && *p != '\n')
                ++p;
        }
        if (p == end)
            return false;
        if (*p == '\n')
            return fields == width;
        ++p; // the comma
    }
    return false;
}

} // namespace

CsvFileParts::CsvFileParts(QFile &file, qint64 partBytes, qint64 pieceBytes)
    : path_(file.fileName()), fileSize_(file.size()), pieceBytes_(pieceBytes)
{
    parts_.emplace_back();
    if (partBytes <= 0 || fileSize_ < 2 * partBytes || file.isSequential() || file.pos() != 0)
        return;
    QByteArray head = file.peek(HeadBytes);
    Encoding marked = Encoding::Utf8;
    const bool hasMark = InputTextDecoder::markedEncoding(head, &marked);
    // A line feed byte may be half a character of UTF-16 or UTF-32.
    if (hasMark && marked != Encoding::Utf8Bom)
        return;
    // Should the rest of the file prove these wrong, the first part tells.
    const int headerEnd = head.indexOf('\n');
    if (headerEnd < 0)
        return;
    const CsvRows header = readCsvRows(head.left(headerEnd + 1));
    if (header.hasTextFault() || header.isMalformed() || header.records.size() != 1)
        return;
    width_ = header.records.constFirst().size();
    head.truncate(head.lastIndexOf('\n') + 1);
    encoding_ = hasMark ? marked
                : InputTextDecoder::isValidUtf8(head.constData(), head.size())
                    ? Encoding::Utf8
                    : InputTextDecoder::fallbackEncoding();

    const qint64 count = (fileSize_ + partBytes / 2) / partBytes;
    QVector<qint64> offsets;
    for (qint64 k = 1; k < count; ++k)
        offsets.append(fileSize_ * k / count);
    for (const qint64 begin : recordStarts(file, offsets)) {
        parts_.emplace_back();
        parts_.back().begin = begin;
    }
}

QVector<qint64> CsvFileParts::recordStarts(QFile &file, const QVector<qint64> &offsets) const
{
    QVector<qint64> starts;
    for (qint64 offset : offsets) {
        if (!starts.isEmpty())
            offset = qMax(offset, starts.last());
        const qint64 start = recordStart(file, offset);
        // A part must hold something: none begins at the file's end.
        if (start < 0 || start >= fileSize_)
            break;
        if (starts.isEmpty() || start > starts.last())
            starts.append(start);
    }
    file.seek(0);
    return starts;
}

qint64 CsvFileParts::recordStart(QFile &file, qint64 offset) const
{
    if (!file.seek(offset))
        return -1;
    const QByteArray window = file.read(HeadBytes);
    const char *const begin = window.constData();
    const char *const end = begin + window.size();
    const char *first = nullptr;
    const char *p = begin;
    for (int tried = 0; tried < MaxTries; ++tried) {
        p = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        if (!p)
            break;
        ++p;
        if (!first)
            first = p;
        if (holdsRecord(p, end, width_))
            return offset + (p - begin);
    }
    if (first)
        return offset + (first - begin);
    // A line longer than the window.
    offset += window.size();
    while (!file.atEnd()) {
        const QByteArray bytes = file.read(HeadBytes);
        const int lineFeed = bytes.indexOf('\n');
        if (lineFeed >= 0)
            return offset + lineFeed + 1;
        if (bytes.isEmpty())
            break;
        offset += bytes.size();
    }
    return -1;
}

qint64 CsvFileParts::size(int part) const
{
    const qint64 end = part + 1 < count() ? parts_.at(part + 1).begin : fileSize_;
    return end - parts_.at(part).begin;
}

void CsvFileParts::read(int part)
{
    Part &p = parts_[part];
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        p.error = file.errorString();
        return;
    }
    if (parts_.size() == 1) {
        p.read.rows = readCsvRows(file, pieceBytes_);
    } else if (file.seek(p.begin)) {
        CsvPart spec;
        for (int k = part + 1; k < count(); ++k)
            spec.ends.append(parts_.at(k).begin);
        if (part > 0) {
            spec.width = width_;
            spec.encoding = encoding_;
        }
        p.read = readCsvPart(file, spec, pieceBytes_);
    }
    if (file.error() != QFileDevice::NoError) {
        p.error = file.errorString();
        p.read = CsvPartRows();
    }
}

CsvRows CsvFileParts::take()
{
    for (const Part &part : parts_) {
        if (!part.error.isEmpty()) {
            error_ = part.error;
            parts_.clear();
            return CsvRows();
        }
    }
    if (parts_.size() == 1)
        return std::move(parts_[0].read.rows);
    // Each part read on from where the one before ended a record; a part
    // that ran past the next one's beginning took its place.
    QVector<int> chain;
    int rowCount = 0;
    InputTextDecoder::KanaLookalikes lookalikes;
    for (int k = 0;;) {
        const CsvPartRows &read = parts_.at(k).read;
        if (!read.sound || read.width != width_ || read.encoding != encoding_)
            return readWhole();
        chain.append(k);
        rowCount += read.rows.records.size();
        lookalikes.add(read.lookalikes);
        if (read.end < 0)
            break;
        while (k < count() && parts_.at(k).begin != read.end)
            ++k;
        if (k == count())
            return readWhole();
    }
    // UTF-8 that passes for half-width katakana throughout is Shift-JIS.
    if (encoding_ == Encoding::Utf8 && lookalikes.areShiftJis())
        return readWhole();
    QVector<CsvRecord> &rows = parts_[0].read.rows.records;
    rows.reserve(rowCount);
    for (int k = 1; k < chain.size(); ++k) {
        QVector<CsvRecord> &more = parts_[chain.at(k)].read.rows.records;
        rows.append(more);
        more = QVector<CsvRecord>();
    }
    CsvRows whole = std::move(parts_[0].read.rows);
    parts_.clear();
    return whole;
}

// Some part's rows may differ from what a read of the whole file gives, or
// its fault or malformed record needs its line in the whole file.
CsvRows CsvFileParts::readWhole()
{
    parts_.clear(); // their rows are not held while the file is read again
    readWholeAgain_ = true;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = file.errorString();
        return CsvRows();
    }
    CsvRows rows = readCsvRows(file, pieceBytes_);
    if (file.error() != QFileDevice::NoError) {
        error_ = file.errorString();
        return CsvRows();
    }
    return rows;
}
