#include "csv/CsvReader.h"
#include "csv/CsvWriter.h"

#include "engine/EngineTestSupport.h"
#include "support/TestWorkingFolder.h"

#include <QBuffer>
#include <QDir>
#include <QTextCodec>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// What the writer writes to a device, with LF line ends: the header (when
// given) and the rows. Empty when writing fails. *lost counts the characters
// the encoding could not hold.
QByteArray written(const QStringList &header, const QList<QStringList> &rows,
                   OutputEncoding::Kind encoding = OutputEncoding::System, int *lost = nullptr)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return QByteArray();
    CsvWriter writer(&buffer);
    writer.setLineEnd("\n");
    writer.setEncoding(encoding);
    if (!writer.open())
        return QByteArray();
    int count = writer.writeHeader(header);
    for (const QStringList &row : rows)
        count += writer.writeRow(row);
    if (lost)
        *lost = count;
    return writer.commit() ? bytes : QByteArray();
}

} // namespace

class TestCsvWriter : public QObject
{
    Q_OBJECT
private slots:
    void init() { QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106)); }
    void quoting_data();
    void quoting();
    void fileBytes_data();
    void fileBytes();
    void localeCodec_data();
    void localeCodec();
    void utf8AsTheCodecWrites_data();
    void utf8AsTheCodecWrites();
    void encodings_data();
    void encodings();
    void failuresLeaveTheOldFile_data();
    void failuresLeaveTheOldFile();
    void targets();
};

// Header and rows written to an open device: the bytes, and what they read back as.
void TestCsvWriter::quoting_data()
{
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("readBack"); // the row, unless it differs

    const QStringList ab{"A", "B"};
    auto add = [&](const char *name, const QStringList &header, const QStringList &row,
                   const QByteArray &bytes, const QStringList &readBack = QStringList()) {
        QTest::newRow(name) << header << row << bytes << (readBack.isEmpty() ? row : readBack);
    };
    add("plain", ab, {"plain", ""}, "A,B\nplain,\n");
    add("comma", ab, {"a,b", "x"}, "A,B\n\"a,b\",x\n");
    add("quote", ab, {"say \"hi\"", "x"}, "A,B\n\"say \"\"hi\"\"\",x\n");
    add("line feed", ab, {"one\ntwo", "x"}, "A,B\n\"one\ntwo\",x\n");
    add("carriage return", ab, {"a\rb", "x"}, "A,B\n\"a\rb\",x\n");
    add("a lone quote", ab, {"\"", "x"}, "A,B\n\"\"\"\",x\n");
    add("quote at the start only", ab, {"\"a,b", "x"}, "A,B\n\"\"\"a,b\",x\n");
    add("one quoted field stays as it is", ab, {"\"a,\"\"b\"\"\"", "x"}, "A,B\n\"a,\"\"b\"\"\",x\n",
        {"a,\"b\"", "x"});
    add("two quoted fields are one value", ab, {"\"x\",\"y\"", "z"},
        "A,B\n\"\"\"x\"\",\"\"y\"\"\",z\n");
    add("quoted lines are one value", ab, {"\"x\"\n\"y\"", "z"},
        "A,B\n\"\"\"x\"\"\n\"\"y\"\"\",z\n");
    add("blanks stay inside a line", ab, {" a ", "x"}, "A,B\n a ,x\n");
    add("blanks at the end of a line are quoted", ab, {"x", " a\t"}, "A,B\nx,\" a\t\"\n");
    add("header names quoted like values", {"a,b", "say \"c\""}, {"1", "2"},
        "\"a,b\",\"say \"\"c\"\"\"\n1,2\n");
    add("blanks at the ends of the header are quoted", {" A", "B "}, {"1", "2"},
        "\" A\",\"B \"\n1,2\n");
    add("a mark before the first name is quoted", {QString(QChar(0xFEFF)) + "A", "B"}, {"1", "2"},
        "\"\xEF\xBB\xBF"
        "A\",B\n1,2\n");
    add("one column: an empty value is an empty line", {"A"}, {""}, "A\n\n");
}

void TestCsvWriter::quoting()
{
    QFETCH(QStringList, header);
    QFETCH(QStringList, row);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, readBack);

    const QByteArray bytesWritten = written(header, {row});
    QCOMPARE(bytesWritten, bytes);
    const CsvRows read = readCsvRows(bytesWritten);
    QCOMPARE(read.lists(), (QList<QStringList>{header, readBack}));
}

void TestCsvWriter::utf8AsTheCodecWrites_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("writtenAs");
    const QChar high(0xD83D);
    const QChar low(0xDE00);
    const QChar geta(0x3013);
    QTest::newRow("ASCII, long") << QString("0123456789abcdefghij") << QString();
    QTest::newRow("kana and kanji") << QString::fromUtf8("ｻｲﾄｳ 斎藤 花子 ½") << QString();
    QTest::newRow("a pair of surrogates") << QString("a") + high + low + "b" << QString();
    // UTF-8 cannot hold a lone surrogate: it is written as 〓 and counted.
    QTest::newRow("a lone high surrogate")
        << QString("ab") + high + "cdef" << QString("ab") + geta + "cdef";
    QTest::newRow("a lone low surrogate") << QString("abcd") + low << QString("abcd") + geta;
    QTest::newRow("a high surrogate at the end")
        << QString("abcdefg") + high << QString("abcdefg") + geta;
}

// The output's own UTF-8 gives the bytes of the UTF-8 codec.
void TestCsvWriter::utf8AsTheCodecWrites()
{
    QFETCH(QString, value);
    QFETCH(QString, writtenAs);
    const QString expected = writtenAs.isEmpty() ? value : writtenAs;
    int lost = -1;
    QCOMPARE(written({}, {{value, value}}, OutputEncoding::Utf8, &lost),
             QTextCodec::codecForMib(106)->fromUnicode(expected + "," + expected + "\n"));
    QCOMPARE(lost, writtenAs.isEmpty() ? 0 : 2);
}

// The mark only for UTF-8-BOM, and at the start of the file only.
void TestCsvWriter::encodings_data()
{
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("lost");
    const QByteArray utf8 = QString::fromUtf8("氏名\n髙橋 ①～,〜𠮷\n").toUtf8();
    QTest::newRow("UTF-8") << int(OutputEncoding::Utf8) << utf8 << 0;
    QTest::newRow("UTF-8-BOM") << int(OutputEncoding::Utf8Bom) << "\xEF\xBB\xBF" + utf8 << 0;
    QTest::newRow("Shift_JIS")
        << int(OutputEncoding::ShiftJis)
        << QByteArray("\x8E\x81\x96\xBC\n\xFB\xFC\x8B\xB4 \x87\x40\x81\x60,\x81\x60\x81\xAC\n")
        << 1;
}

void TestCsvWriter::encodings()
{
    QFETCH(int, encoding);
    QFETCH(QByteArray, bytes);
    QFETCH(int, lost);
    int count = -1;
    QCOMPARE(written({QString::fromUtf8("氏名")},
                     {{QString::fromUtf8("髙橋 ①～"), QString::fromUtf8("〜𠮷")}},
                     OutputEncoding::Kind(encoding), &count),
             bytes);
    QCOMPARE(count, lost);
}

void TestCsvWriter::fileBytes_data()
{
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("lineEnd");
    QTest::addColumn<QByteArray>("bytes");

    const QList<QStringList> rows{{"1", "a,b", "x"}, {"2", "one\ntwo", ""}};
    QTest::newRow("LF") << QStringList{"No", "Value", "Last"} << rows << "\n"
                        << QByteArray("No,Value,Last\n1,\"a,b\",x\n2,\"one\ntwo\",\n");
    QTest::newRow("CRLF, also inside values")
        << QStringList{"No", "Value", "Last"} << rows << "\r\n"
        << QByteArray("No,Value,Last\r\n1,\"a,b\",x\r\n2,\"one\r\ntwo\",\r\n");
    QTest::newRow("CRLF inside a value is not doubled")
        << QStringList{"A"} << QList<QStringList>{{"a\r\nb\nc\r"}} << "\r\n"
        << QByteArray("A\r\n\"a\r\nb\r\nc\r\"\r\n");
    QTest::newRow("no items: no header, one empty line per row")
        << QStringList() << QList<QStringList>{{}, {}, {}} << "\n"
        << QByteArray("\n\n\n");
    QTest::newRow("Japanese text") << QStringList{QString::fromUtf8("氏名")}
                                   << QList<QStringList>{{QString::fromUtf8("山田 太郎")}} << "\n"
                                   << QString::fromUtf8("氏名\n山田 太郎\n").toUtf8();
}

void TestCsvWriter::fileBytes()
{
    QFETCH(QStringList, header);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, lineEnd);
    QFETCH(QByteArray, bytes);

    TestWorkingFolder folder;
    const QString path = folder.filePath("out.csv");
    CsvWriter writer(path);
    writer.setLineEnd(lineEnd);
    QVERIFY(writer.open());
    writer.writeHeader(header);
    for (const QStringList &row : rows)
        writer.writeRow(row);
    QVERIFY(writer.commit());
    QCOMPARE(EngineTest::readBytes(path), bytes);
}

void TestCsvWriter::localeCodec_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("lost");
    // Written by the program's own table, without a byte-order mark.
    QTest::newRow("Shift_JIS") << QByteArray("Shift_JIS") << QString::fromUtf8("髙橋①,～―－￥")
                               << QByteArray("\"\xFB\xFC\x8B\xB4\x87\x40,\x81\x60\x81\x5C"
                                             "\x81\x7C\x81\x8F\"\n")
                               << 0;
    // Another codec is Qt's; what it lacks, 〓 included, becomes "?".
    QTest::newRow("Latin-1") << QByteArray("ISO-8859-1") << QString::fromUtf8("Café 山")
                             << QByteArray("Caf\xE9 ?\n") << 1;
}

void TestCsvWriter::localeCodec()
{
    QFETCH(QByteArray, codec);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(int, lost);
    TestWorkingFolder folder;
    QTextCodec::setCodecForLocale(QTextCodec::codecForName(codec));
    CsvWriter writer(folder.filePath("out.csv"));
    QVERIFY(writer.open());
    QCOMPARE(writer.writeRow({text}), lost);
    QVERIFY(writer.commit());
    QCOMPARE(EngineTest::readBytes(folder.filePath("out.csv")), EngineTest::platformLines(bytes));
}

void TestCsvWriter::failuresLeaveTheOldFile_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("cancelled") << true;
    QTest::newRow("dropped without commit") << false;
}

void TestCsvWriter::failuresLeaveTheOldFile()
{
    QFETCH(bool, cancel);
    TestWorkingFolder folder;
    const QString path = folder.filePath("out.csv");
    QVERIFY(EngineTest::writeBytes(path, "old contents\r\n"));
    {
        CsvWriter writer(path);
        QVERIFY(writer.open());
        writer.writeRow({"new"});
        if (cancel)
            writer.cancel();
        QCOMPARE(EngineTest::readBytes(path), QByteArray("old contents\r\n"));
    }
    QCOMPARE(EngineTest::readBytes(path), QByteArray("old contents\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"out.csv"});

    // Nothing is created in a folder that does not exist.
    CsvWriter missing(folder.filePath("no/such/folder/out.csv"));
    QVERIFY(!missing.open());
    QVERIFY(!missing.errorString().isEmpty());
}

// Only a regular file is replaced by a new one; what else the path names is
// written directly or refused.
void TestCsvWriter::targets()
{
    TestWorkingFolder folder;
    // A folder is refused and stays.
    QVERIFY(QDir(folder.path()).mkdir("taken.csv"));
    CsvWriter blocked(folder.filePath("taken.csv"));
    QVERIFY(!blocked.open());
    QVERIFY(blocked.errorString().contains("taken.csv"));
    QVERIFY(QFileInfo(folder.filePath("taken.csv")).isDir());
#ifdef Q_OS_UNIX
    // A regular file keeps its permissions.
    const QString path = folder.filePath("out.csv");
    QVERIFY(EngineTest::writeBytes(path, "old\n"));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    CsvWriter regular(path);
    QVERIFY(regular.open());
    regular.writeRow({"new"});
    QVERIFY(regular.commit());
    QCOMPARE(EngineTest::readBytes(path), QByteArray("new\n"));
    QCOMPARE(QFile::permissions(path) & 0x7077, // owner, group and others
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    // A FIFO is written through and stays a FIFO.
    const QByteArray fifo = QFile::encodeName(folder.filePath("pipe.csv"));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    CsvWriter piped(QFile::decodeName(fifo));
    QVERIFY(piped.open());
    piped.writeHeader({"A", "B"});
    piped.writeRow({"1", "a,b"});
    QVERIFY(piped.commit());
    char bytes[64];
    const ssize_t got = ::read(reader, bytes, sizeof bytes);
    ::close(reader);
    QCOMPARE(QByteArray(bytes, int(qMax<ssize_t>(0, got))), QByteArray("A,B\n1,\"a,b\"\n"));
    struct stat status;
    QCOMPARE(::lstat(fifo.constData(), &status), 0);
    QVERIFY(S_ISFIFO(status.st_mode));

    // A character device is written through, never replaced.
    CsvWriter device("/dev/null");
    QVERIFY(device.open());
    device.writeRow({"x"});
    QVERIFY(device.commit());
    QCOMPARE(::stat("/dev/null", &status), 0);
    QVERIFY(S_ISCHR(status.st_mode));
#endif
}

QTEST_GUILESS_MAIN(TestCsvWriter)
#include "tst_csvwriter.moc"
