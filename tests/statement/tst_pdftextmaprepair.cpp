#include "statement/PdfTextMapRepair.h"

#include <QtTest>

namespace {

QByteArray textMap(const QByteArray &ranges)
{
    return "1 0 obj\n<< /Length 9 >>\nstream\n/CIDInit /ProcSet findresource begin\n"
           "begincmap\n/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
           "2 beginbfrange\n" +
           ranges + "endbfrange\nendcmap\nend\nendstream\n";
}

// Stand-ins as the writer picks them, each with the character really drawn.
ushort intended(ushort code)
{
    switch (code) {
    case 0x2F0A:
        return 0x5165; // 入
    case 0x2027:
        return 0x30FB; // ・
    case 0x0009:
        return 0x0020;
    default:
        return code;
    }
}

} // namespace

class TestPdfTextMapRepair : public QObject
{
    Q_OBJECT
private slots:
    void repairs_data();
    void repairs();
    void fileIsRewritten();
};

void TestPdfTextMapRepair::repairs_data()
{
    QTest::addColumn<QByteArray>("ranges");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("changes");
    QTest::newRow("single glyph") << QByteArray("<0003> <0003> <2F0A>\n")
                                  << QByteArray("<0003> <0003> <5165>\n") << 1;
    QTest::newRow("array") << QByteArray("<0001> <0004> [<0041> <2027> <0009> <2F0A> ]\n")
                           << QByteArray("<0001> <0004> [<0041> <30FB> <0020> <5165> ]\n") << 3;
    QTest::newRow("linear range kept")
        << QByteArray("<0010> <0019> <2F0A>\n") << QByteArray("<0010> <0019> <2F0A>\n") << 0;
    QTest::newRow("nothing to mend")
        << QByteArray("<0000> <0000> <0000>\n<0001> <0001> <5165>\n")
        << QByteArray("<0000> <0000> <0000>\n<0001> <0001> <5165>\n") << 0;
}

void TestPdfTextMapRepair::repairs()
{
    QFETCH(QByteArray, ranges);
    QFETCH(QByteArray, expected);
    QFETCH(int, changes);
    QByteArray pdf = "%PDF-1.4\n" + textMap(ranges) + textMap(ranges) + "%%EOF\n";
    const int size = pdf.size();
    QCOMPARE(PdfTextMapRepair::repair(pdf, intended), 2 * changes);
    QCOMPARE(pdf.size(), size);
    QCOMPARE(pdf, "%PDF-1.4\n" + textMap(expected) + textMap(expected) + "%%EOF\n");
}

void TestPdfTextMapRepair::fileIsRewritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.pdf");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(textMap("<0003> <0003> <2F0A>\n"));
    }
    QVERIFY(PdfTextMapRepair::repairFile(path, intended));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), textMap("<0003> <0003> <5165>\n"));
    QVERIFY(!PdfTextMapRepair::repairFile(dir.filePath("missing.pdf"), intended));
}

QTEST_GUILESS_MAIN(TestPdfTextMapRepair)
#include "tst_pdftextmaprepair.moc"
