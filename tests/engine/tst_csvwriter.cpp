#include "engine/CsvWriter.h"

#include "engine/EngineTestSupport.h"
#include "support/TestWorkingFolder.h"

#include <QDir>
#include <QTextCodec>
#include <QtTest>

class TestCsvWriter : public QObject
{
    Q_OBJECT
private slots:
    void init() { QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106)); }
    void quoting_data();
    void quoting();
    void fileBytes_data();
    void fileBytes();
    void localeCodec();
    void failuresLeaveTheOldFile_data();
    void failuresLeaveTheOldFile();
};

void TestCsvWriter::quoting_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain") << "plain"
                           << "plain";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("comma") << "a,b"
                           << "\"a,b\"";
    QTest::newRow("quote") << "say \"hi\""
                           << "\"say \"\"hi\"\"\"";
    QTest::newRow("line feed") << "one\ntwo"
                               << "\"one\ntwo\"";
    QTest::newRow("carriage return") << "a\rb"
                                     << "\"a\rb\"";
    QTest::newRow("already quoted") << "\"a,b\""
                                    << "\"a,b\"";
    QTest::newRow("already quoted, inner quote") << "\"a\"b\""
                                                 << "\"a\"b\"";
    QTest::newRow("a lone quote") << "\""
                                  << "\"\"\"\"";
    QTest::newRow("quote at the start only") << "\"a,b"
                                             << "\"\"\"a,b\"";
    QTest::newRow("blanks stay") << " a "
                                 << " a ";
}

void TestCsvWriter::quoting()
{
    QFETCH(QString, value);
    QFETCH(QString, written);
    QCOMPARE(CsvWriter::quoted(value), written);
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
    QTest::newRow("header names are not quoted")
        << QStringList{"a,b", "c"} << QList<QStringList>{{"1", "2"}} << "\n"
        << QByteArray("a,b,c\n1,2\n");
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

void TestCsvWriter::localeCodec()
{
    TestWorkingFolder folder;
    QTextCodec *shiftJis = QTextCodec::codecForName("Shift_JIS");
    QTextCodec::setCodecForLocale(shiftJis);
    const QString text = QString::fromUtf8("髙橋①,～―－￥");
    CsvWriter writer(folder.filePath("out.csv"));
    QVERIFY(writer.open());
    writer.writeRow({text});
    QVERIFY(writer.commit());
    const QByteArray bytes = EngineTest::readBytes(folder.filePath("out.csv"));
    QCOMPARE(bytes, QByteArray("\"") + shiftJis->fromUnicode(text) + QByteArray("\"\n"));
    QCOMPARE(bytes.left(3), QByteArray("\"\xFB\xFC")); // no byte-order mark, CP932 bytes
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

    // A target the new file cannot replace: the commit fails with the system's text.
    QVERIFY(QDir(folder.path()).mkdir("taken.csv"));
    CsvWriter blocked(folder.filePath("taken.csv"));
    if (blocked.open()) {
        blocked.writeRow({"new"});
        QVERIFY(!blocked.commit());
    }
    QVERIFY(!blocked.errorString().isEmpty());
    QVERIFY(QFileInfo(folder.filePath("taken.csv")).isDir());
    // Nothing is created in a folder that does not exist.
    CsvWriter missing(folder.filePath("no/such/folder/out.csv"));
    QVERIFY(!missing.open());
    QVERIFY(!missing.errorString().isEmpty());
}

QTEST_GUILESS_MAIN(TestCsvWriter)
#include "tst_csvwriter.moc"
