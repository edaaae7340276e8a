#include "csv/CsvFileParts.h"
#include "csv/CsvReader.h"
#include "csv/InputTextDecoder.h"

#include "engine/EngineTestSupport.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

using Rows = QList<QStringList>;
using Fault = CsvRows::TextFault;
Q_DECLARE_METATYPE(InputTextDecoder::Encoding)
Q_DECLARE_METATYPE(CsvRows::TextFault)

class TestCsvReader : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void inPieces_data() { parse_data(); }
    void inPieces();
    void encodingsInPieces_data() { encodings_data(); }
    void encodingsInPieces();
    void utf8UntilLateFault();
    void encodings_data();
    void encodings();
    void localeCodecBeforeShiftJis();
    void halfWidthKanaOrUtf8_data();
    void halfWidthKanaOrUtf8();
    void textFaults_data();
    void textFaults();
    void utf8Validation_data();
    void utf8Validation();
    void largeFileKeepsEveryOrder();
    void inParts_data();
    void inParts();
};

void TestCsvReader::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("malformedLine");

    const QStringList ab{"A", "B"};
    QTest::newRow("plain") << "A,B\n1,2\n" << Rows{ab, {"1", "2"}} << 0;
    QTest::newRow("no final line feed") << "A,B\n1,2" << Rows{ab, {"1", "2"}} << 0;
    QTest::newRow("CRLF reads as LF") << "A,B\r\n1,2\r\n3,4\r\n"
                                      << Rows{ab, {"1", "2"}, {"3", "4"}} << 0;
    QTest::newRow("empty fields kept") << "A,B,C\n,,\n" << Rows{{"A", "B", "C"}, {"", "", ""}} << 0;
    QTest::newRow("quoted comma") << "A,B\n\"Tokyo, Chiyoda\",2\n"
                                  << Rows{ab, {"Tokyo, Chiyoda", "2"}} << 0;
    QTest::newRow("quoted line break") << "A,B\n1,\"morning\r\nplease\"\n"
                                       << Rows{ab, {"1", "morning\nplease"}} << 0;
    QTest::newRow("doubled quotes") << "A,B\n\"say \"\"hi\"\"\",2\n"
                                    << Rows{ab, {"say \"hi\"", "2"}} << 0;
    QTest::newRow("empty quoted field") << "A,B\n\"\",2\n" << Rows{ab, {"", "2"}} << 0;
    QTest::newRow("quote inside an unquoted field") << "A,B\n5\" disk,2\n"
                                                    << Rows{ab, {"5\" disk", "2"}} << 0;
    QTest::newRow("text after the closing quote") << "A,B\n\"ab\"cd,2\n" << Rows{ab} << 2;
    QTest::newRow("stray quote does not swallow the records after it")
        << "A,B,C\n1,\"2,3\n4,5,6\n7,\"8\",9\n"
        << Rows{{"A", "B", "C"}} << 2;
    QTest::newRow("blank between a closing quote and the separator") << "A,B\n1,2\n\"x\" ,2\n"
                                                                     << Rows{ab, {"1", "2"}} << 3;
    QTest::newRow("stray quote in the header") << "\"A\"x,B\n1,2\n" << Rows{{""}} << 1;
    QTest::newRow("space before a quote is plain text")
        << "A,B,C\n1, \"x\",3\n"
        << Rows{{"A", "B", "C"}, {"1", " \"x\"", "3"}} << 0;
    QTest::newRow("blank lines skipped") << "A,B\n\n1,2\r\n\r\n  \n3,4\n\n"
                                         << Rows{ab, {"1", "2"}, {"3", "4"}} << 0;
    QTest::newRow("fewer fields stand alone, padded")
        << "A,B,C\n1\n2,3,4\n"
        << Rows{{"A", "B", "C"}, {"1", "", ""}, {"2", "3", "4"}} << 0;
    QTest::newRow("unquoted line break joins two short lines")
        << "A,B,C\n1,line1\r\nline2,3\n4,5,6\n"
        << Rows{{"A", "B", "C"}, {"1", "line1\nline2", "3"}, {"4", "5", "6"}} << 0;
    QTest::newRow("unquoted line breaks over three lines")
        << "A,B,C\n1,a\n\nb\nc,3 \n"
        << Rows{{"A", "B", "C"}, {"1", "a\n\nb\nc", "3"}} << 0;
    QTest::newRow("joined too wide: each short line stands alone")
        << "A,B,C,D\n1,2,3\n4,5,6\n"
        << Rows{{"A", "B", "C", "D"}, {"1", "2", "3", ""}, {"4", "5", "6", ""}} << 0;
    QTest::newRow("short lines at the end stand alone")
        << "A,B,C\n1,a\n\nb\n\n"
        << Rows{{"A", "B", "C"}, {"1", "a", ""}, {"b", "", ""}} << 0;
    QTest::newRow("one column: a blank line is an empty value")
        << "A\n1\n\n \r\n2\n\n"
        << Rows{{"A"}, {"1"}, {""}, {""}, {"2"}, {""}} << 0;
    QTest::newRow("inner blanks kept, last field trimmed") << "A,B\n 1 , 2 \t\n"
                                                           << Rows{ab, {" 1 ", "2"}} << 0;
    QTest::newRow("ideographic space trimmed from the last field")
        << QString::fromUtf8("A,B\n1,x\u3000\n") << Rows{ab, {"1", "x"}} << 0;
    QTest::newRow("quoted last field keeps its blanks") << "A,B\n1,\" 2 \"  \n"
                                                        << Rows{ab, {"1", " 2 "}} << 0;
    QTest::newRow("quoted last field keeps a final line break") << "A,B\n1,\"x\n\"\n"
                                                                << Rows{ab, {"1", "x\n"}} << 0;
    QTest::newRow("blanks before a quoted last field") << "A,B\n1,  \"x,y\"\n" << Rows{ab} << 2;
    QTest::newRow("blanks around a quoted last field") << "A,B\n1,  \"x\"  \n"
                                                       << Rows{ab, {"1", "x"}} << 0;
    QTest::newRow("U+FEFF inside the text stays")
        << QString::fromUtf8("A,B\n1,\uFEFFx\n") << Rows{ab, {"1", QChar(0xFEFF) + QString("x")}}
        << 0;
    QTest::newRow("lone CR stays in the value") << "A,B\n1,a\rb\n" << Rows{ab, {"1", "a\rb"}} << 0;
    QTest::newRow("header trimmed") << "  A , B  \r\n1,2\n" << Rows{{"A ", " B"}, {"1", "2"}} << 0;
    QTest::newRow("quoted header") << "\"A\",\"B,C\"\n1,2\n" << Rows{{"A", "B,C"}, {"1", "2"}} << 0;
    QTest::newRow("empty file") << "" << Rows{{""}} << 0;
    QTest::newRow("header only") << "A,B\r\n" << Rows{ab} << 0;
    QTest::newRow("more fields than the header") << "A,B\n1,2\n3,4,5\n6,7\n"
                                                 << Rows{ab, {"1", "2"}} << 3;
    QTest::newRow("unquoted comma splits a record") << "A,B\n1,Tokyo, Chiyoda\n" << Rows{ab} << 2;
    QTest::newRow("quote open at the end") << "A,B\n1,2\n3,\"abc\ndef\n"
                                           << Rows{ab, {"1", "2"}} << 3;
    QTest::newRow("line of a bad record counts quoted breaks") << "A,B\n1,\"a\nb\"\n\n2,3,4\n"
                                                               << Rows{ab, {"1", "a\nb"}} << 5;
    QTest::newRow("quote open in the header") << "A,\"B\n" << Rows{{"A"}} << 1;
    // Cells past 65,535 characters of a record are placed differently.
    const QString wide(70000, QLatin1Char('w'));
    QTest::newRow("record longer than 16 bits reach")
        << "A,B,C\n" + wide + ",x,\"" + wide + "\"\n1,2,3\n"
        << Rows{{"A", "B", "C"}, {wide, "x", wide}, {"1", "2", "3"}} << 0;
}

void TestCsvReader::parse()
{
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QFETCH(int, malformedLine);

    const CsvRows result = CsvReader::parse(text);
    QCOMPARE(result.malformedLine, malformedLine);
    QCOMPARE(result.isMalformed(), malformedLine > 0);
    QCOMPARE(result.lists(), rows);
}

// Pieces as small as one byte: records, quotes, line ends and characters
// cut anywhere must read as from one piece.
void TestCsvReader::inPieces()
{
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QFETCH(int, malformedLine);

    QByteArray bytes = text.toUtf8();
    for (qint64 piece : {1, 2, 3, 5, 8, 13}) {
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const CsvRows result = readCsvRows(buffer, piece);
        QCOMPARE(result.malformedLine, malformedLine);
        QCOMPARE(result.lists(), rows);
    }
}

void TestCsvReader::encodingsInPieces()
{
    QFETCH(QByteArray, bytes);
    QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106));
    const CsvRows whole = readCsvRows(bytes);
    for (qint64 piece : {1, 2, 3, 4, 7}) {
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const CsvRows result = readCsvRows(buffer, piece);
        QCOMPARE(result.malformedLine, 0);
        QCOMPARE(result.lists(), whole.lists());
    }
}

void TestCsvReader::utf8UntilLateFault()
{
    // Plain ASCII for many pieces, then Shift-JIS: the whole file is Shift-JIS.
    QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106));
    QString text = QStringLiteral("No,Name\n");
    for (int i = 0; i < 50; ++i)
        text += QStringLiteral("%1,ascii\n").arg(i);
    text += QString::fromUtf8("50,髙橋\n51,\"～―, －￥\"\n");
    QByteArray bytes = EngineTest::shiftJis(text);
    QVERIFY(!InputTextDecoder::isValidUtf8(bytes.constData(), bytes.size()));
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const CsvRows result = readCsvRows(buffer, 16);
    QCOMPARE(result.malformedLine, 0);
    QCOMPARE(result.lists().size(), 53);
    QCOMPARE(result.lists().at(51), (QStringList{"50", QString::fromUtf8("髙橋")}));
    QCOMPARE(result.lists().at(52), (QStringList{"51", QString::fromUtf8("～―, －￥")}));

    // A malformed record before the fault is found in the same codec.
    QByteArray bad = "No,Name\n1,2,3\n" + EngineTest::shiftJis(QString::fromUtf8("髙"));
    QBuffer badBuffer(&bad);
    QVERIFY(badBuffer.open(QIODevice::ReadOnly));
    QCOMPARE(readCsvRows(badBuffer, 4).malformedLine, 2);
}

void TestCsvReader::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<InputTextDecoder::Encoding>("encoding");

    using E = InputTextDecoder::Encoding;
    const QString text = QString::fromUtf8("名前,記号,金額\r\n髙橋①,～―－,￥1200\r\n"
                                           "\"渡辺, 様\",\"備考\r\n二行目\",￥980\r\n");
    auto encoded = [&](const char *codec, const QByteArray &mark) {
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        return mark +
               QTextCodec::codecForName(codec)->fromUnicode(text.constData(), text.size(), &state);
    };
    QTest::newRow("UTF-8") << text.toUtf8() << E::Utf8;
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << E::Utf8Bom;
    QTest::newRow("UTF-16LE with mark")
        << encoded("UTF-16LE", QByteArray("\xFF\xFE", 2)) << E::Utf16Le;
    QTest::newRow("UTF-16BE with mark")
        << encoded("UTF-16BE", QByteArray("\xFE\xFF", 2)) << E::Utf16Be;
    QTest::newRow("UTF-32LE with mark")
        << encoded("UTF-32LE", QByteArray("\xFF\xFE\x00\x00", 4)) << E::Utf32Le;
    QTest::newRow("UTF-32BE with mark")
        << encoded("UTF-32BE", QByteArray("\x00\x00\xFE\xFF", 4)) << E::Utf32Be;
    QTest::newRow("CP932 file written on Windows")
        << EngineTest::readBytes(EngineTest::dataPath("cp932.csv")) << E::ShiftJis;
    QTest::newRow("CP932 by the Shift_JIS codec")
        << encoded("Shift_JIS", QByteArray()) << E::ShiftJis;
}

void TestCsvReader::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(InputTextDecoder::Encoding, encoding);
    QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106));

    QVERIFY(!bytes.isEmpty());
    QCOMPARE(InputTextDecoder::detect(bytes), encoding);
    const CsvRows result = readCsvRows(bytes);
    QCOMPARE(result.malformedLine, 0);
    const Rows expected{
        {QString::fromUtf8("名前"), QString::fromUtf8("記号"), QString::fromUtf8("金額")},
        {QString::fromUtf8("髙橋①"), QString::fromUtf8("～―－"), QString::fromUtf8("￥1200")},
        {QString::fromUtf8("渡辺, 様"), QString::fromUtf8("備考\n二行目"),
         QString::fromUtf8("￥980")}};
    QCOMPARE(result.lists(), expected);
}

void TestCsvReader::localeCodecBeforeShiftJis()
{
    // A non-UTF-8 locale codec is taken for bytes that are not UTF-8.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    const QByteArray bytes("Name\ncaf\xE9\n");
    QCOMPARE(InputTextDecoder::detect(bytes), InputTextDecoder::Encoding::Locale);
    QCOMPARE(readCsvRows(bytes).lists().at(1).at(0), QString::fromUtf8("café"));
    QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106));
    QCOMPARE(InputTextDecoder::detect(bytes), InputTextDecoder::Encoding::ShiftJis);
}

void TestCsvReader::halfWidthKanaOrUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<InputTextDecoder::Encoding>("encoding");
    QTest::addColumn<Rows>("rows");

    using E = InputTextDecoder::Encoding;
    auto sjis = [](const char *text) { return EngineTest::shiftJis(QString::fromUtf8(text)); };
    auto utf8 = [](const char *text) { return QByteArray(text); };
    auto rows = [](const char *text) {
        Rows lines;
        for (const QString &line : QString::fromUtf8(text).split('\n', Qt::SkipEmptyParts))
            lines.append(line.split(','));
        return lines;
    };
    // Each pair of these katakana is also a two-byte character of UTF-8.
    const char *kana = "No,A,B\n1,ﾕｷ,ﾐｶ\n";
    QTest::newRow("Shift-JIS half-width kana") << sjis(kana) << E::ShiftJis << rows(kana);
    const char *mixed = "No,Kana\n1,abc\n2,ﾕｷ ﾎｼ\n3,xyz\n4,ﾏｻﾐｶ\n";
    QTest::newRow("Shift-JIS kana lines among ASCII lines")
        << sjis(mixed) << E::ShiftJis << rows(mixed);
    QTest::newRow("Shift-JIS kana in the header only")
        << sjis("ﾘｶ,ﾏｲ\n1,2\n") << E::ShiftJis << rows("ﾘｶ,ﾏｲ\n1,2\n");
    QTest::newRow("UTF-8 accented Latin")
        << utf8("Name,Note\nCafé,Ünïcödé\n") << E::Utf8 << rows("Name,Note\nCafé,Ünïcödé\n");
    // "é" is C3 A9, two katakana in Shift-JIS, but a Latin letter.
    QTest::newRow("UTF-8 Latin whose bytes pass for kana")
        << utf8("Name\nCafé\n") << E::Utf8 << rows("Name\nCafé\n");
    QTest::newRow("UTF-8 Latin beside kana look-alikes")
        << utf8("Name\nշ\nCafé\n") << E::Utf8 << rows("Name\nշ\nCafé\n");
    QTest::newRow("UTF-8 Cyrillic")
        << utf8("Город,Имя\nМосква,Иван\n") << E::Utf8 << rows("Город,Имя\nМосква,Иван\n");
    QTest::newRow("UTF-8 Greek") << utf8("Όνομα\nΑθήνα\n") << E::Utf8 << rows("Όνομα\nΑθήνα\n");
    QTest::newRow("UTF-8 kana look-alikes beside a kanji")
        << utf8("Name\nж山\n") << E::Utf8 << rows("Name\nж山\n");
    // Cyrillic or Greek of only such letters cannot be told from half-width
    // kana; in an order export the kana are by far the likelier.
    QTest::newRow("Cyrillic whose every letter passes for kana")
        << utf8("No,Word\n1,да\n") << E::ShiftJis << rows("No,Word\n1,ﾐｴﾐｰ\n");
    QTest::newRow("Greek whose every letter passes for kana")
        << utf8("No\nαβγ\n") << E::ShiftJis << rows("No\nﾎｱﾎｲﾎｳ\n");
    QTest::newRow("kana look-alikes after a UTF-8 mark")
        << "\xEF\xBB\xBF" + utf8("No\nշ\n") << E::Utf8Bom << rows("No\nշ\n");
    QTest::newRow("ASCII only") << utf8("No,A\n1,x\n") << E::Utf8 << rows("No,A\n1,x\n");
}

// Valid UTF-8 is Shift-JIS when every non-ASCII character of the whole file
// passes for half-width katakana, however the file is cut in pieces.
void TestCsvReader::halfWidthKanaOrUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(InputTextDecoder::Encoding, encoding);
    QFETCH(Rows, rows);
    QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106));

    QCOMPARE(InputTextDecoder::detect(bytes), encoding);
    for (qint64 piece : {1, 2, 3, 7, 1 << 20}) {
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const CsvRows result = readCsvRows(buffer, piece);
        QVERIFY(!result.hasTextFault());
        QCOMPARE(result.lists(), rows);
    }
}

void TestCsvReader::textFaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("lastValue"); // of a file read without fault

    auto sjis = [](const char *text) { return EngineTest::shiftJis(QString::fromUtf8(text)); };
    const QByteArray head("No,Name\n");
    QTest::newRow("UTF-8 file with one CP932 line")
        << head + "1,山田\n2," + sjis("田中") + "\n3,佐藤\n"
        << Fault::MixedEncodings << 3 << ""
        << "";
    QTest::newRow("CP932 line before the UTF-8 ones")
        << head + "1," + sjis("田中") + "\n2,abc\n3,山田\n"
        << Fault::MixedEncodings << 2 << ""
        << "";
    QTest::newRow("CP932 half-width kana that pass for UTF-8")
        << head + "1," + sjis("ﾂｱ") + "\n2," + sjis("山田") + "\n"
        << Fault::None << 0 << "" << QString::fromUtf8("山田");
    QTest::newRow("CP932 control codes kept")
        << head + "1,a\x1A\x1C\x7F" + sjis("山") + "\n"
        << Fault::None << 0 << "" << QString::fromUtf8("a\x1A\x1C\x7F山");
    QTest::newRow("bytes Shift-JIS cannot decode") << head + "1,abc\n2,\x81\x20x\n"
                                                   << Fault::NotText << 3 << "Shift_JIS"
                                                   << "";
    QTest::newRow("Shift-JIS lead byte at the very end")
        << head + "1," + sjis("山") + "\n2,\x82" << Fault::NotText << 3 << "Shift_JIS"
        << "";
    QTest::newRow("UTF-8 with mark, one CP932 line")
        << "\xEF\xBB\xBF" + head + "1,\"a\nb\"\n2," + sjis("田中") + "\n"
        << Fault::NotText << 4 << "UTF-8"
        << "";
    QTest::newRow("UTF-16 lone surrogate")
        << QByteArray("\xFF\xFEN\0\n\0a\0\n\0\x00\xD8\n\0", 14) << Fault::NotText << 3 << "UTF-16LE"
        << "";
    QTest::newRow("UTF-32 beyond U+10FFFF")
        << QByteArray("\0\0\xFE\xFF\0\0\0N\0\0\0\n\0\x11\0\0", 16) << Fault::NotText << 2
        << "UTF-32BE"
        << "";
}

// Nothing is decoded wrongly in silence, however the file is cut in pieces.
void TestCsvReader::textFaults()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Fault, fault);
    QFETCH(int, line);
    QFETCH(QString, encoding);
    QFETCH(QString, lastValue);
    QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106));

    for (qint64 piece : {1, 2, 3, 7, 1 << 20}) {
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const CsvRows result = readCsvRows(buffer, piece);
        QCOMPARE(result.textFault, fault);
        QCOMPARE(result.textFaultLine, line);
        QCOMPARE(result.encodingName, encoding);
        QVERIFY(!result.lists().isEmpty());
        if (fault == Fault::None)
            QCOMPARE(result.lists().last().last(), lastValue);
    }
}

void TestCsvReader::utf8Validation_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("ASCII") << QByteArray("plain ascii text, long enough for chunks") << true;
    QTest::newRow("two bytes") << QByteArray("\xC3\xA9") << true;
    QTest::newRow("kanji") << QByteArray("\xE5\xB1\xB1\xE7\x94\xB0") << true;
    QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80") << true;
    QTest::newRow("overlong") << QByteArray("\xC0\x80") << false;
    QTest::newRow("overlong three") << QByteArray("\xE0\x80\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
    QTest::newRow("cut off at the end") << QByteArray("abc\xE5\xB1") << false;
    QTest::newRow("lone continuation") << QByteArray("abcdefgh\x80") << false;
    QTest::newRow("Shift-JIS kana") << QByteArray("\x83\x41\x83\x43") << false;
}

void TestCsvReader::utf8Validation()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(InputTextDecoder::isValidUtf8(bytes.constData(), bytes.size()), valid);
}

void TestCsvReader::largeFileKeepsEveryOrder()
{
    // Quoted commas and line breaks in every record: no order may go missing.
    QString text = QStringLiteral("No,Address,Note\r\n");
    const int orders = 20000;
    for (int i = 0; i < orders; ++i)
        text += QStringLiteral("%1,\"Tokyo, %1\",\"line one\r\nline \"\"two\"\"\"\r\n").arg(i);
    const CsvRows result = CsvReader::parse(text);
    QCOMPARE(result.malformedLine, 0);
    QCOMPARE(result.lists().size(), orders + 1);
    QCOMPARE(result.lists().last(),
             (QStringList{QString::number(orders - 1), QStringLiteral("Tokyo, %1").arg(orders - 1),
                          QStringLiteral("line one\nline \"two\"")}));
}

void TestCsvReader::inParts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("partBytes");
    // Whether some part cannot be taken as it stands, so the file is read again whole.
    QTest::addColumn<bool>("readAgain");

    auto sjis = [](const QString &text) { return EngineTest::shiftJis(text); };
    auto records = [](int count, const char *pattern) {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes += QByteArray(pattern).replace("#", QByteArray::number(i));
        return bytes;
    };
    const QByteArray head("No,Name,Note\r\n");
    const QByteArray plain = records(40, "#,name #,note\r\n\r\n");
    QTest::newRow("records, CRLF and blank lines") << head + plain << qint64(40) << false;
    // Lines inside the quotes look like records where a part may begin.
    QTest::newRow("quoted lines across a cut")
        << head + records(40, "#,\"a,b,c\nd,e,f\ng,h,i\",\"j, k\"\n") << qint64(40) << false;
    QTest::newRow("short lines joined across a cut")
        << head + records(40, "#,a\nb,c\n") << qint64(30) << false;
    QTest::newRow("short lines before a cut stand alone")
        << head + records(40, "#\n#,a,b\n") << qint64(30) << false;
    QTest::newRow("one column") << "One\n" + records(40, "#\n\n\"a\nb\"\n") << qint64(20) << false;
    QTest::newRow("malformed record in a later part")
        << head + plain + "1,2,3,4\n" + plain << qint64(40) << true;
    QTest::newRow("malformed record in the first part")
        << head + "1,\"a\"b,c\n" + plain << qint64(40) << true;
    const QByteArray kanji = sjis(QString::fromUtf8("髙橋,～―－\n"));
    QTest::newRow("Shift-JIS") << sjis(QString::fromUtf8("番号,名前,備考\n")) +
                                      records(40, "#,").replace(",", "," + kanji)
                               << qint64(50) << false;
    QTest::newRow("Shift-JIS fault in a later part")
        << head + "1," + kanji + plain + "2,\x81\x20,x\n" + plain << qint64(40) << true;
    QTest::newRow("UTF-8 then a Shift-JIS line in a later part")
        << head + QString::fromUtf8("1,山田,x\n").toUtf8() + plain + "2," + kanji + plain
        << qint64(40) << true;
    // A part may begin with U+FEFF, which is text there, not a mark.
    QTest::newRow("UTF-8 with mark")
        << "\xEF\xBB\xBF" + head + records(40, "\xEF\xBB\xBF#,\xE5\xB1\xB1,x\n") << qint64(40)
        << false;
    const QByteArray kana = sjis(QString::fromUtf8("ﾕｷ,ﾐｶ\n"));
    QTest::newRow("Shift-JIS kana that pass for UTF-8")
        << head + records(40, "#,").replace(",", "," + kana) << qint64(40) << true;
    QTest::newRow("Shift-JIS kana that pass for UTF-8 in a later part only")
        << head + plain + "1," + kana + plain << qint64(40) << true;
    QTest::newRow("UTF-8 Cyrillic")
        << head + records(40, "#,\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0,x\n")
        << qint64(40) << false;
    // The file's first lines are plain ASCII, the first part shows Shift-JIS,
    // and the later ones would pass for UTF-8.
    QTest::newRow("Shift-JIS after the first lines")
        << head + records(5000, "#,name,note\n") + "1," + kanji + records(12000, "#,\xC3\xA9,b\n")
        << qint64(90000) << true;
}

// However a file is cut into parts, it reads exactly as it does whole.
void TestCsvReader::inParts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, partBytes);
    QFETCH(bool, readAgain);
    QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106));

    QTemporaryDir dir;
    QFile file(dir.filePath("in.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    const CsvRows whole = readCsvRows(file, 7);
    QVERIFY(file.seek(0));

    CsvFileParts parts(file, partBytes, 7);
    QVERIFY(parts.count() >= 2);
    for (int k = parts.count() - 1; k >= 0; --k)
        parts.read(k);
    const CsvRows joined = parts.take();
    QCOMPARE(parts.errorString(), QString());
    QCOMPARE(parts.readWholeAgain(), readAgain);
    QCOMPARE(joined.textFault, whole.textFault);
    QCOMPARE(joined.textFaultLine, whole.textFaultLine);
    QCOMPARE(joined.encodingName, whole.encodingName);
    QCOMPARE(joined.malformedLine, whole.malformedLine);
    QCOMPARE(joined.lists(), whole.lists());
    QVERIFY(readAgain || whole.lists().size() > 40);
}

QTEST_GUILESS_MAIN(TestCsvReader)
#include "tst_csvreader.moc"
