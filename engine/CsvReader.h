#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The rows of one CSV file: row 0 the header, then the records in file order.
struct CsvRows
{
    QList<QStringList> rows;
    // Line (1-based) where the first malformed record starts: one with more
    // fields than the header, or a quote still open at the end of the file.
    // 0 when the file is sound. Reading stops at such a record.
    int malformedLine = 0;

    bool isMalformed() const { return malformedLine > 0; }
};

// The one CSV reader of the program. "," separates fields; a field that begins
// with a double quote runs to its closing quote and may hold commas, line
// breaks and doubled quotes (each pair reads as one quote); other fields are
// taken as they stand. CRLF reads as LF. The header line is trimmed of
// surrounding white space; each record's last field loses its surrounding white
// space outside quotes. Blank lines between records are skipped; a record with
// fewer fields than the header is padded with empty cells.
class CsvReader
{
public:
    static CsvRows parse(QStringView text);
};

// Reads the rest of an open device, choosing its encoding as InputTextDecoder
// does. The device is read and decoded in pieces of about pieceBytes, so that
// neither all its bytes nor all its text are held at once.
CsvRows readCsvRows(QIODevice &device, qint64 pieceBytes = 1 << 20);
CsvRows readCsvRows(const QByteArray &bytes);
