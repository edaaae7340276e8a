#include "csv/Cp932.h"
#include "csv/InputTextDecoder.h"

#include "support/ProcessRunner.h"

#include <QFileInfo>
#include <QtTest>

namespace {

QByteArray bytesOf(int code)
{
    QByteArray bytes;
    if (code > 0xFF)
        bytes += char(code >> 8);
    bytes += char(code);
    return bytes;
}

QByteArray encoded(const QString &text, int *lost = nullptr)
{
    QByteArray bytes;
    const int count = Cp932::instance().encode(text, bytes);
    if (lost)
        *lost = count;
    return bytes;
}

// What the reader makes of bytes, and where its first fault is (-1: none).
QString read(const QByteArray &bytes, qsizetype *faultAt)
{
    return InputTextDecoder::decodeLegacy(InputTextDecoder::Encoding::ShiftJis, bytes.constData(),
                                          bytes.size(), faultAt);
}

QString text(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

} // namespace

class TestCp932 : public QObject
{
    Q_OBJECT
private slots:
    void tableIsWhatTheScriptWrites();
    void everyCharacterReadsAndWritesBack();
    void windowsChoice_data();
    void windowsChoice();
    void lookAlikes_data();
    void lookAlikes();
    void unencodable_data();
    void unencodable();
    void notText_data();
    void notText();
};

void TestCp932::tableIsWhatTheScriptWrites()
{
    const QString python = QStringLiteral(TEST_PYTHON3);
    if (python.isEmpty() || !QFileInfo(python).isExecutable())
        QSKIP("no python3 to run the generator with");
    const ProcessResult result = runProcess(
        python, {QStringLiteral(TEST_SOURCE_DIR "/scripts/generate-cp932-table"),
                 QStringLiteral("--check"), QStringLiteral(TEST_SOURCE_DIR "/csv/Cp932Table.cpp")});
    QVERIFY2(result.exitCode == 0, result.err.constData());
}

// Every single byte and every pair the table reads is written back as the
// same bytes, or, where Windows writes the character with another code, as
// that code, which reads as the same character.
void TestCp932::everyCharacterReadsAndWritesBack()
{
    QMap<QString, int> ranges; // characters read per range of codes
    for (int code = 0; code <= 0xFCFC; ++code) {
        const bool pair = code > 0xFF;
        if (pair && ((code & 0xFF) < 0x40 || (code & 0xFF) > 0xFC))
            continue;
        const QByteArray bytes = bytesOf(code);
        qsizetype faultAt = 0;
        const QString character = read(bytes, &faultAt);
        if (faultAt >= 0 || character.size() != 1)
            continue;
        int lost = -1;
        const QByteArray written = encoded(character, &lost);
        QCOMPARE(lost, 0);
        if (written != bytes) {
            // Only the NEC row 13 and the two IBM blocks share characters.
            QVERIFY2((code >= 0x8740 && code <= 0x879C) || (code >= 0xED40 && code <= 0xEEFC) ||
                         (code >= 0xFA40 && code <= 0xFC4B),
                     qPrintable(QString::number(code, 16)));
            QCOMPARE(read(written, &faultAt), character);
            QCOMPARE(faultAt, qsizetype(-1));
        }
        QString range = QStringLiteral("other pairs");
        if (!pair)
            range = QStringLiteral("single bytes");
        else if (code >= 0x8740 && code <= 0x879C)
            range = QStringLiteral("NEC row 13");
        else if (code >= 0xED40 && code <= 0xEEFC)
            range = QStringLiteral("NEC-selected IBM");
        else if (code >= 0xFA40 && code <= 0xFC4B)
            range = QStringLiteral("IBM");
        else if (code >= 0xF040 && code <= 0xF9FC)
            range = QStringLiteral("user-defined");
        ++ranges[range];
    }
    const QMap<QString, int> expected{
        {QStringLiteral("single bytes"), 128 + 63}, {QStringLiteral("NEC row 13"), 83},
        {QStringLiteral("NEC-selected IBM"), 374},  {QStringLiteral("IBM"), 388},
        {QStringLiteral("user-defined"), 1880},     {QStringLiteral("other pairs"), 6879}};
    QCOMPARE(ranges, expected);
}

// Where a character has several codes, the one Windows writes.
void TestCp932::windowsChoice_data()
{
    QTest::addColumn<uint>("character");
    QTest::addColumn<int>("code");
    QTest::newRow("髙: IBM, not NEC-selected IBM") << 0x9AD9u << 0xFBFC;
    QTest::newRow("ⅰ: IBM, not NEC-selected IBM") << 0x2170u << 0xFA40;
    QTest::newRow("Ⅰ: NEC row 13, not IBM") << 0x2160u << 0x8754;
    QTest::newRow("①: NEC row 13") << 0x2460u << 0x8740;
    QTest::newRow("㈱: NEC row 13, not IBM") << 0x3231u << 0x878A;
    QTest::newRow("№: NEC row 13, not IBM") << 0x2116u << 0x8782;
    QTest::newRow("∵: JIS X 0208, not NEC row 13 or IBM") << 0x2235u << 0x81E6;
    QTest::newRow("≒: JIS X 0208, not NEC row 13") << 0x2252u << 0x81E0;
    QTest::newRow("￢: JIS X 0208, not the IBM blocks") << 0xFFE2u << 0x81CA;
    QTest::newRow("∮: NEC row 13 only") << 0x222Eu << 0x8793;
    QTest::newRow("〓") << 0x3013u << 0x81AC;
    QTest::newRow("ｱ") << 0xFF71u << 0xB1;
    QTest::newRow("backslash stays ASCII") << 0x5Cu << 0x5C;
    QTest::newRow("user-defined area") << 0xE000u << 0xF040;
}

void TestCp932::windowsChoice()
{
    QFETCH(uint, character);
    QFETCH(int, code);
    QCOMPARE(encoded(text(character)), bytesOf(code));
}

// Written as the code of a look-alike; read back as that code's character.
void TestCp932::lookAlikes_data()
{
    QTest::addColumn<uint>("character");
    QTest::addColumn<int>("code");
    QTest::addColumn<uint>("readBack");
    QTest::newRow("WAVE DASH") << 0x301Cu << 0x8160 << 0xFF5Eu;
    QTest::newRow("DOUBLE VERTICAL LINE") << 0x2016u << 0x8161 << 0x2225u;
    QTest::newRow("MINUS SIGN") << 0x2212u << 0x817C << 0xFF0Du;
    QTest::newRow("CENT SIGN") << 0xA2u << 0x8191 << 0xFFE0u;
    QTest::newRow("POUND SIGN") << 0xA3u << 0x8192 << 0xFFE1u;
    QTest::newRow("NOT SIGN") << 0xACu << 0x81CA << 0xFFE2u;
    QTest::newRow("EM DASH") << 0x2014u << 0x815C << 0x2015u;
}

void TestCp932::lookAlikes()
{
    QFETCH(uint, character);
    QFETCH(int, code);
    QFETCH(uint, readBack);
    int lost = -1;
    QCOMPARE(encoded(text(character), &lost), bytesOf(code));
    QCOMPARE(lost, 0);
    qsizetype faultAt = 0;
    QCOMPARE(read(bytesOf(code), &faultAt), text(readBack));
    QCOMPARE(encoded(text(readBack)), bytesOf(code));
}

void TestCp932::unencodable_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("lost");
    QTest::addColumn<int>("firstAt");
    QTest::newRow("𠮷, one character of two code units") << QString::fromUtf8("a𠮷b")
                                                         << QByteArray("a\x81\xAC"
                                                                       "b")
                                                         << 1 << 1;
    QTest::newRow("emoji twice") << QString::fromUtf8("😀山😀")
                                 << QByteArray("\x81\xAC\x8E\x52\x81\xAC") << 2 << 0;
    QTest::newRow("no-break space") << QString(QChar(0xA0)) << QByteArray("\x81\xAC") << 1 << 0;
    QTest::newRow("U+0080") << QString(QChar(0x80)) << QByteArray("\x81\xAC") << 1 << 0;
    QTest::newRow("é") << QString::fromUtf8("Café") << QByteArray("Caf\x81\xAC") << 1 << 3;
    QTest::newRow("YEN SIGN") << QString::fromUtf8("¥1")
                              << QByteArray("\x81\xAC"
                                            "1")
                              << 1 << 0;
    QTest::newRow("lone surrogate")
        << QString(QChar(0xD800)) + "x" << QByteArray("\x81\xACx") << 1 << 0;
    QTest::newRow("all held") << QString::fromUtf8("髙橋①～")
                              << QByteArray("\xFB\xFC\x8B\xB4\x87\x40\x81\x60") << 0 << -1;
}

void TestCp932::unencodable()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, bytes);
    QFETCH(int, lost);
    QFETCH(int, firstAt);
    int count = -1;
    QCOMPARE(encoded(value, &count), bytes);
    QCOMPARE(count, lost);
    QCOMPARE(int(Cp932::instance().unencodableAt(value)), firstAt);
}

// Bytes that are no character stop the text where they stand.
void TestCp932::notText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("0x80") << QByteArray("ab\x80") << QString("ab");
    QTest::newRow("0xA0") << QByteArray("\xA0") << QString();
    QTest::newRow("0xFD") << QByteArray("x\xFD") << QString("x");
    QTest::newRow("0xFF") << QByteArray("\xFF") << QString();
    QTest::newRow("lead byte at the end") << QByteArray("x\x81") << QString("x");
    QTest::newRow("lead byte before a line feed") << QByteArray("\x88\n") << QString();
    QTest::newRow("trail byte 0x7F") << QByteArray("\x81\x7F") << QString();
    QTest::newRow("pair without a character") << QByteArray("\x85\x40") << QString();
    QTest::newRow("after text") << QByteArray("\x8E\x52\xEF\x40") << QString::fromUtf8("山");
}

void TestCp932::notText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    qsizetype faultAt = -2;
    QCOMPARE(read(bytes, &faultAt), text);
    QCOMPARE(faultAt, qsizetype(text.size()));
}

QTEST_GUILESS_MAIN(TestCp932)
#include "tst_cp932.moc"
