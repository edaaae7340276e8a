#pragma once

#include "csv/CsvRecord.h"
#include "csv/InputTextDecoder.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

// The rows of one CSV file: row 0 the header, then the records in file order.
// There is always at least the header row. With a text fault the rows are just
// one empty header and malformedLine is 0: nothing else of the file counts.
struct CsvRows
{
    // Why the bytes of a file could not be taken as text.
    enum class TextFault
    {
        None,
        // Without a byte-order mark, some lines are UTF-8 holding characters
        // of three or more bytes while others are not UTF-8 at all.
        MixedEncodings,
        // The encoding the file is read in meets bytes it cannot decode.
        NotText
    };

    QVector<CsvRecord> records;
    // Line (1-based) where the first malformed record starts: one with more
    // fields than the header, a quote still open at the end of the file, or
    // a closing quote followed by anything but the separator or the line end.
    // 0 when the file is sound. Reading stops at such a record.
    int malformedLine = 0;
    TextFault textFault = TextFault::None;
    // With a text fault: for MixedEncodings the first line that is not UTF-8,
    // for NotText the line of the first byte that cannot be decoded.
    int textFaultLine = 0;
    // With NotText: the encoding the file was read in ("UTF-8", "Shift_JIS", ...).
    QString encodingName;

    // The records as lists of cells, for callers that read only a few.
    QList<QStringList> lists() const;

    bool isMalformed() const { return malformedLine > 0; }
    bool hasTextFault() const { return textFault != TextFault::None; }
};

// The one CSV reader of the program. "," separates fields; a field that begins
// with a double quote runs to its closing quote and may hold commas, line
// breaks and doubled quotes (each pair reads as one quote); other fields are
// taken as they stand. CRLF reads as LF. The header line is trimmed of
// surrounding white space; each record's last field loses its surrounding white
// space outside quotes. A line shorter than the header is continued by the next
// short lines when, joined with line feeds, they give exactly the header's
// width; otherwise it stands alone, padded with empty cells. Blank lines
// between records are skipped, except in a file of one column, where a blank
// line is an empty value.
class CsvReader
{
public:
    static CsvRows parse(QStringView text);

    // Whether text is one well-formed quoted field: it begins and ends with a
    // double quote, and every quote between comes in a pair.
    static bool isQuotedField(QStringView text);
};

// Reads the rest of an open device, choosing its encoding as InputTextDecoder
// does. The device is read and decoded in pieces of about pieceBytes, so that
// neither all its bytes nor all its text are held at once.
CsvRows readCsvRows(QIODevice &device, qint64 pieceBytes = 1 << 20);
CsvRows readCsvRows(const QByteArray &bytes);

// A byte range of a seekable file that is read apart from the rest, so that
// the parts of a large file can be read side by side (see CsvFileParts).
struct CsvPart
{
    // Offsets just after a line feed where the part may end, ascending. It
    // ends at the first of them that ends a record too, past the last at the
    // file's end.
    QVector<qint64> ends;
    // 0 for the part that begins the file. A later part begins after the
    // header: its width, and the encoding the file's text is in.
    int width = 0;
    InputTextDecoder::Encoding encoding = InputTextDecoder::Encoding::Utf8;
};

struct CsvPartRows
{
    // Only the first part's rows begin with the header.
    CsvRows rows;
    // No text fault and no malformed record.
    bool sound = false;
    // Where the part ended: one of its ends, or -1 at the file's end.
    qint64 end = -1;
    // The header's width, and the encoding the part was read in.
    int width = 0;
    InputTextDecoder::Encoding encoding = InputTextDecoder::Encoding::Utf8;
    // Read as unmarked UTF-8: the characters of the bytes it took, for the
    // parts to tell together whether the file is Shift-JIS after all.
    InputTextDecoder::KanaLookalikes lookalikes;
};

// Reads a part of a file from the device's position. Its rows are those a
// read of the whole file gives for these bytes only when they are sound, the
// part begins where a record begins, and the whole file is read in the same
// encoding.
CsvPartRows readCsvPart(QIODevice &device, const CsvPart &part, qint64 pieceBytes = 1 << 20);
