// CSV reading: any bytes (any encoding, quotes, line ends, NUL bytes, long
// fields) read the same however the file is cut into pieces, and from a file
// read in parts, never crash and give every record exactly the header's
// width; the rows written out and read back are the same rows.
#include "csv/CsvFileParts.h"
#include "csv/CsvReader.h"
#include "csv/CsvWriter.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTextCodec>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

// What a value reads back as once written: one that already is a quoted field
// is written as it stands and loses its quotes, and inside quotes CR LF reads
// as a line feed.
QString readBack(const QString &value)
{
    QString text = value;
    if (CsvReader::isQuotedField(text)) {
        text = text.mid(1, text.size() - 2);
        text.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The rows, faults and lines of the file read in parts, as they are read whole.
void checkInParts(const QByteArray &bytes, const CsvRows &whole)
{
    static const QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("in.csv")));
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "file not written");
    file.close();
    check(file.open(QIODevice::ReadOnly), "file does not open");
    CsvFileParts parts(file, 1 + bytes.size() / (2 + bytes.size() % 6), 1 + bytes.size() % 5);
    for (int k = parts.count() - 1; k >= 0; --k)
        parts.read(k);
    const CsvRows joined = parts.take();
    check(parts.errorString().isEmpty(), "parts not read");
    check(joined.malformedLine == whole.malformedLine && joined.textFault == whole.textFault &&
              joined.textFaultLine == whole.textFaultLine &&
              joined.encodingName == whole.encodingName,
          "fault differs in parts");
    check(joined.lists() == whole.lists(), "rows differ in parts");
}

QByteArray write(const QList<QStringList> &rows, const QString &lineEnd)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CsvWriter writer(&buffer);
    writer.setLineEnd(lineEnd);
    check(writer.open(), "writer does not open");
    writer.writeHeader(rows.first());
    for (int r = 1; r < rows.size(); ++r)
        writer.writeRow(rows.at(r));
    check(writer.commit(), "writer does not commit");
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Bytes that are not UTF-8 are read as Shift-JIS; the file is written in UTF-8.
    static const bool ready = [] {
        QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106));
        return true;
    }();
    Q_UNUSED(ready);

    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const CsvRows whole = readCsvRows(bytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const CsvRows pieces = readCsvRows(buffer, 1 + qint64(size % 7));

    const QList<QStringList> wholeRows = whole.lists();
    check(!wholeRows.isEmpty() && !wholeRows.first().isEmpty(), "no header");
    check(pieces.malformedLine == whole.malformedLine, "malformed line depends on the pieces");
    check(pieces.textFault == whole.textFault && pieces.textFaultLine == whole.textFaultLine &&
              pieces.encodingName == whole.encodingName,
          "text fault depends on the pieces");
    check(!whole.hasTextFault() || whole.textFaultLine > 0, "text fault without a line");
    checkInParts(bytes, whole);
    if (whole.isMalformed() || whole.hasTextFault())
        return 0;
    check(pieces.lists() == wholeRows, "rows depend on the pieces");

    const int width = wholeRows.first().size();
    QList<QStringList> expected;
    for (const QStringList &row : wholeRows) {
        check(row.size() == width, "record not as wide as the header");
        QStringList values;
        for (const QString &value : row)
            values.append(readBack(value));
        expected.append(values);
    }
    for (const QString &lineEnd : {QStringLiteral("\n"), QStringLiteral("\r\n")}) {
        const CsvRows back = readCsvRows(write(wholeRows, lineEnd));
        check(!back.isMalformed() && !back.hasTextFault(), "written file does not read");
        check(back.lists() == expected, "rows read back differ");
    }
    return 0;
}
