#include "settings/StatementField.h"
#include "statement/StatementWriter.h"
#include "support/ProcessRunner.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

namespace {

using namespace StatementFields;

CompanyInfo company()
{
    CompanyInfo info;
    const QStringList values{
        "株式会社ヴェルトラ", "ヴェルトラ商店",          "https://shop.example.jp",
        "150-0001",           "東京都渋谷区神宮前1-2-3", "03-1234-5678",
        "03-1234-5679",       "info@example.jp"};
    for (int code = 0; code < values.size(); ++code)
        info.setValue(code, values.at(code));
    return info;
}

StatementOptions options(bool allCompanyLines = true)
{
    StatementOptions o;
    o.generate = true;
    o.title = "お買上げ明細書";
    o.ment = "この度はご注文いただき誠にありがとうございます。";
    o.comment = "返品・交換は商品到着後7日以内にご連絡ください。";
    o.printCompanyName = o.printStoreName = o.printStorePostCode = o.printStoreAddress =
        allCompanyLines;
    o.printStoreTel = o.printStoreFax = o.printStoreEmail = o.printStoreSite = allCompanyLines;
    return o;
}

StatementRecord order(int n)
{
    StatementRecord r;
    r.name = QString("山田 太郎%1 様").arg(n);
    r.address = "大阪府大阪市北区梅田3-1-1 グランフロント101";
    r.postCode = "530-0001";
    r.orderNumber = QString("ORD-2024-%1").arg(n, 4, 10, QChar('0'));
    r.orderDate = "2024-05-01 12:34:56";
    r.productName = QStringList{"有機緑茶"};
    r.productNumber = QStringList{"T-001"};
    r.option = QStringList{"100g"};
    r.quantity = {1200};
    r.unitPrice = {12345};
    r.subtotal = {0};
    return r;
}

StatementList printedList(const QList<int> &unprinted = {})
{
    StatementList list;
    for (int c = 0; c < Count; ++c)
        list.setPrinted(c, !unprinted.contains(c));
    list.setCompanyFlags(options());
    return list;
}

QString run(const QString &tool, const QStringList &arguments)
{
    const ProcessResult result = runProcess(tool, arguments);
    return result.exitCode == 0 ? QString::fromUtf8(result.out) : QString();
}

QString pdfText(const QString &path)
{
    return run("pdftotext", {path, "-"});
}

int pageCount(const QString &path)
{
    const QRegularExpressionMatch match =
        QRegularExpression("^Pages:\\s+(\\d+)$", QRegularExpression::MultilineOption)
            .match(run("pdfinfo", {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

class TestStatementWriter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void onePageOfA4PerRecord_data();
    void onePageOfA4PerRecord();
    void pageContent();
    void productLinesInMergedOrder();
    void hugeOrderShowsItsFirstLines();
    void markupInValuesShownAsText();
    void sectionsLeftOut_data();
    void sectionsLeftOut();
    void companyBlock_data();
    void companyBlock();
    void everyJisCharacterCanBeCopied();
    void fontsAreEmbedded_data();
    void fontsAreEmbedded();
    void callbacks();
    void unwritablePathFails_data();
    void unwritablePathFails();
    void replacesAnEarlierStatement();

private:
    QString write(const StatementList &list, const StatementOptions &o = options());
    QTemporaryDir dir_;
    int written_ = 0;
};

void TestStatementWriter::initTestCase()
{
    QVERIFY(dir_.isValid());
    for (const char *tool : {"pdfinfo", "pdftotext", "pdffonts"})
        QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
                 qPrintable(QString(tool) + " (poppler-utils) is needed"));
}

QString TestStatementWriter::write(const StatementList &list, const StatementOptions &o)
{
    const QString path = dir_.filePath(QString("statement%1.pdf").arg(++written_));
    StatementWriter writer(list, o, company());
    if (!writer.writeStatement(path))
        return QString();
    return path;
}

void TestStatementWriter::onePageOfA4PerRecord_data()
{
    QTest::addColumn<int>("records");
    QTest::newRow("one") << 1;
    QTest::newRow("three") << 3;
    QTest::newRow("forty") << 40;
}

void TestStatementWriter::onePageOfA4PerRecord()
{
    QFETCH(int, records);
    StatementList list = printedList();
    for (int n = 0; n < records; ++n)
        list.append(order(n));
    const QString path = write(list);
    QVERIFY(!path.isEmpty());
    QCOMPARE(pageCount(path), records);
    QVERIFY(run("pdfinfo", {path})
                .contains(QRegularExpression("Page size:\\s+595 x 842 pts \\(A4\\)")));
}

void TestStatementWriter::pageContent()
{
    StatementList list = printedList();
    StatementRecord r = order(7);
    r.shippingCharge = 600;
    r.tax = 987;
    list.append(r);
    list.computeTotals();
    const QString text = pdfText(write(list));
    const QStringList expectedTexts{"お買上げ明細書",
                                    "〒 530-0001",
                                    "大阪府大阪市北区梅田3-1-1 グランフロント101",
                                    "山田 太郎7 様",
                                    "この度はご注文いただき誠にありがとうございます。",
                                    "返品・交換は商品到着後7日以内にご連絡ください。",
                                    "Order Detail",
                                    "Order Number : ORD-2024-0007",
                                    "Order Date : 2024-05-01",
                                    "T-001 / 有機緑茶 / 100g",
                                    "1,200",
                                    "12,345 円",
                                    "14,814,000 円",
                                    "Shipping Charge",
                                    "600 円",
                                    "987 円",
                                    "C.O.D Charge",
                                    "Total Sum",
                                    "14,815,587 円",
                                    "Coupon",
                                    "Point",
                                    "Payment",
                                    "ヴェルトラ商店",
                                    "https://shop.example.jp",
                                    "株式会社ヴェルトラ",
                                    "〒 150-0001",
                                    "東京都渋谷区神宮前1-2-3",
                                    "TEL : 03-1234-5678",
                                    "FAX : 03-1234-5679",
                                    "E-Mail : info@example.jp"};
    for (const QString &expected : expectedTexts)
        QVERIFY2(text.contains(expected), qPrintable(expected + " missing from:\n" + text));
    QVERIFY(!text.contains("12:34"));
}

void TestStatementWriter::productLinesInMergedOrder()
{
    StatementList list = printedList();
    const QStringList products{"北海道産じゃがいも", "静岡県産抹茶", "宮崎県産マンゴー"};
    for (int n = 0; n < products.size(); ++n) {
        StatementRecord r = order(1);
        r.productName = QStringList{products.at(n)};
        r.productNumber = QStringList{QString("P-%1").arg(n)};
        // The second line has no option, the third no number.
        if (n == 1)
            r.option = QStringList{QString()};
        if (n == 2)
            r.productNumber = QStringList{" "};
        list.append(r);
    }
    list.mergeInto(0, 1);
    list.mergeInto(0, 1);
    const QString path = write(list);
    QCOMPARE(pageCount(path), 1);
    const QString text = pdfText(path);
    // Only the parts that have text are joined.
    const QStringList lines{"P-0 / 北海道産じゃがいも / 100g", "P-1 / 静岡県産抹茶\n",
                            "\n宮崎県産マンゴー / 100g"};
    int previous = -1;
    for (const QString &line : lines) {
        const int at = text.indexOf(line);
        QVERIFY2(at > previous, qPrintable(line + " not in order in:\n" + text));
        previous = at;
    }
}

// Lines past the bottom of the page are cut off: an order of thousands of
// lines shows what an order of the lines a record keeps shows.
void TestStatementWriter::hugeOrderShowsItsFirstLines()
{
    StatementRecord huge = order(1);
    huge.productName.clear();
    huge.productNumber.clear();
    for (int k = 0; k < 3000; ++k) {
        huge.productName.append(QString("有機緑茶 %1").arg(k));
        huge.productNumber.append(QString("T-%1").arg(k));
        huge.option.append("100g");
        huge.quantity.append(1);
        huge.unitPrice.append(1000 + k);
        huge.subtotal.append(0);
    }
    StatementRecord kept = huge;
    const int limit = StatementWriter::lineLimit();
    kept.productName = kept.productName.mid(0, limit);
    kept.productNumber = kept.productNumber.mid(0, limit);
    StatementList hugeList = printedList();
    hugeList.append(huge);
    StatementList keptList = printedList();
    keptList.append(kept);

    const QString path = write(hugeList);
    QCOMPARE(pageCount(path), 1);
    const QString text = pdfText(path);
    QCOMPARE(text, pdfText(write(keptList)));
    for (const char *shown : {"T-0 / 有機緑茶 0 / 100g", "T-20 / 有機緑茶 20 / 100g"})
        QVERIFY2(text.contains(shown), qPrintable(text));
    for (const char *cut : {"T-100 /", "Total Sum"})
        QVERIFY2(!text.contains(cut), qPrintable(text));
}

void TestStatementWriter::markupInValuesShownAsText()
{
    StatementList list = printedList();
    StatementRecord r = order(1);
    r.productName = QStringList{"<b>&特価</b> <i>セット"};
    r.name = "<u>佐藤 & 鈴木</u>";
    r.orderNumber = "A&amp;B";
    list.append(r);
    const QString text = pdfText(write(list));
    QVERIFY2(text.contains("T-001 / <b>&特価</b> <i>セット / 100g"), qPrintable(text));
    QVERIFY(text.contains("<u>佐藤 & 鈴木</u>"));
    QVERIFY(text.contains("Order Number : A&amp;B"));
}

void TestStatementWriter::sectionsLeftOut_data()
{
    QTest::addColumn<QList<int>>("unprinted");
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<QStringList>("present");
    QTest::newRow("no product fields")
        << QList<int>{ProductName, ProductNumber, Option, Quantity, UnitPrice, Subtotal}
        << QStringList{"Product", "Quantity", "Unit Price", "Subtotal", "有機緑茶", "1,200"}
        << QStringList{"Total Sum", "Order Detail"};
    QTest::newRow("no totals") << QList<int>{Sum,      Tax,    ShippingCharge, CodCharge,
                                             TotalSum, Coupon, Point,          Payment}
                               << QStringList{"Sum",    "Tax",   "Shipping Charge",
                                              "Coupon", "Point", "Payment"}
                               << QStringList{"Product", "12,345 円"};
    QTest::newRow("second totals table only")
        << QList<int>{Sum, Tax, ShippingCharge, CodCharge}
        << QStringList{"Tax", "Shipping Charge", "C.O.D Charge"}
        << QStringList{"Total Sum", "Payment"};
    QTest::newRow("no order block")
        << QList<int>{OrderNumber, OrderDate} << QStringList{"Order Detail", "Order Number", "ORD-"}
        << QStringList{"Product"};
    QTest::newRow("no recipient") << QList<int>{Name, Address, PostCode}
                                  << QStringList{"山田", "〒 530-0001", "梅田"}
                                  << QStringList{"〒 150-0001"};
    QTest::newRow("product name only") << QList<int>{ProductNumber, Option}
                                       << QStringList{"T-001", "100g"} << QStringList{"有機緑茶"};
}

void TestStatementWriter::sectionsLeftOut()
{
    QFETCH(QList<int>, unprinted);
    QFETCH(QStringList, absent);
    QFETCH(QStringList, present);
    StatementList list = printedList(unprinted);
    list.append(order(1));
    const QString text = pdfText(write(list));
    QVERIFY(!text.isEmpty());
    for (const QString &word : absent)
        QVERIFY2(!text.contains(word), qPrintable(word + " found in:\n" + text));
    for (const QString &word : present)
        QVERIFY2(text.contains(word), qPrintable(word + " missing from:\n" + text));
}

void TestStatementWriter::companyBlock_data()
{
    QTest::addColumn<bool>("tel");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("all off") << false << QStringList{"ヴェルトラ", "shop.example", "150-0001",
                                                     "TEL",        "FAX",          "E-Mail"};
    QTest::newRow("only TEL") << true
                              << QStringList{"ヴェルトラ", "shop.example", "150-0001", "FAX",
                                             "E-Mail"};
}

void TestStatementWriter::companyBlock()
{
    QFETCH(bool, tel);
    QFETCH(QStringList, absent);
    StatementOptions o = options(false);
    o.printStoreTel = tel;
    StatementList list = printedList();
    list.setCompanyFlags(o);
    list.append(order(1));
    const QString text = pdfText(write(list, o));
    QVERIFY(text.contains("山田 太郎1 様"));
    QCOMPARE(text.contains("TEL : 03-1234-5678"), tel);
    for (const QString &word : absent)
        QVERIFY2(!text.contains(word), qPrintable(word + " found in:\n" + text));
}

void TestStatementWriter::everyJisCharacterCanBeCopied()
{
    // Every character of JIS X 0208 (through Shift-JIS) and a run of Hangul
    // syllables, as product names: the text a viewer copies must be the text
    // that was printed, not a look-alike sharing the glyph.
    QTextCodec *shiftJis = QTextCodec::codecForName("Shift-JIS");
    QVERIFY(shiftJis);
    QString all;
    for (int high = 0x81; high <= 0xEF; ++high) {
        if (high >= 0xA0 && high <= 0xDF)
            continue;
        for (int low = 0x40; low <= 0xFC; ++low) {
            const char bytes[2] = {char(high), char(low)};
            const QString c = shiftJis->toUnicode(bytes, 2);
            if (c.size() == 1 && c.at(0) != QChar::ReplacementCharacter && !c.at(0).isSpace() &&
                low != 0x7F)
                all += c;
        }
    }
    for (ushort c = 0xAC00; c < 0xAC00 + 3000; c += 3)
        all += QChar(c);
    QVERIFY(all.size() > 7000);

    StatementList list = printedList();
    StatementRecord r;
    for (int k = 0; k < all.size(); k += 30) {
        r.productName.append(all.mid(k, 30));
        if (r.productName.size() == 20) {
            list.append(r);
            r = StatementRecord();
        }
    }
    list.append(r);
    const QString text = pdfText(write(list));
    QSet<QChar> copied;
    for (const QChar c : text)
        copied.insert(c);
    QString missing;
    for (const QChar c : qAsConst(all)) {
        if (!copied.contains(c))
            missing += c;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

void TestStatementWriter::fontsAreEmbedded_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("embedded");
    const bool noto = QFontDatabase().families().contains("Noto Sans CJK JP");
    const QString fallback = noto ? "NotoSansCJKjp" : QString();
    QTest::newRow("empty family") << QString() << fallback;
    QTest::newRow("family not installed") << QString("No Such Family 42") << fallback;
    QTest::newRow("Korean family")
        << QString("Noto Sans CJK KR")
        << QString(QFontDatabase().families().contains("Noto Sans CJK KR") ? "NotoSansCJKkr" : "");
}

void TestStatementWriter::fontsAreEmbedded()
{
    QFETCH(QString, family);
    QFETCH(QString, embedded);
    StatementOptions o = options();
    o.font = family;
    o.title = "구매명세서 購入明細書";
    StatementList list = printedList();
    list.append(order(1));
    const QString path = write(list, o);
    QVERIFY(!path.isEmpty());
    QVERIFY(pdfText(path).contains("구매명세서 購入明細書"));

    const QStringList fonts = run("pdffonts", {path}).split('\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString &font : fonts) {
        QVERIFY2(!font.contains("Type 3"), qPrintable(font));
        // Columns: name, type, encoding, emb, sub, uni, object, generation.
        const QStringList columns = font.split(' ', Qt::SkipEmptyParts);
        QVERIFY2(columns.size() >= 8 && columns.at(columns.size() - 5) == "yes", qPrintable(font));
        QVERIFY2(columns.at(columns.size() - 3) == "yes", qPrintable(font));
    }
    if (!embedded.isEmpty())
        QVERIFY2(fonts.join('\n').contains(embedded), qPrintable(fonts.join('\n')));
}

void TestStatementWriter::callbacks()
{
    StatementList list = printedList();
    for (int n = 0; n < 4; ++n)
        list.append(order(n));
    QStringList events;
    StatementWriter writer(list, options(), company());
    writer.setProgressCallback([&] { events.append("page"); });
    writer.setSavingCallback([&] { events.append("saving"); });
    QVERIFY(writer.writeStatement(dir_.filePath("callbacks.pdf")));
    QCOMPARE(events, (QStringList{"page", "page", "page", "page", "saving", "page"}));
}

void TestStatementWriter::unwritablePathFails_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing folder") << dir_.filePath("no such folder/statement.pdf");
    QTest::newRow("path is a folder") << dir_.path();
    QTest::newRow("empty path") << QString();
}

void TestStatementWriter::unwritablePathFails()
{
    QFETCH(QString, path);
    const QStringList before = QDir(dir_.path()).entryList(QDir::Files);
    StatementList list = printedList();
    list.append(order(1));
    StatementWriter writer(list, options(), company());
    QVERIFY(!writer.writeStatement(path));
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), before);
}

void TestStatementWriter::replacesAnEarlierStatement()
{
    const QString path = dir_.filePath("again.pdf");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older statement that is much longer than nothing at all");
    }
    const QFileDevice::Permissions kept =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(path, kept));
    StatementList list = printedList();
    list.append(order(1));
    list.append(order(2));
    StatementWriter writer(list, options(), company());
    QVERIFY(writer.writeStatement(path));
    QCOMPARE(pageCount(path), 2);
    const QFileDevice::Permissions modeBits(0x7077); // owner, group, others
    QCOMPARE(QFileInfo(path).permissions() & modeBits, kept);

    // A new statement gets the permissions of any other new file.
    const QString plain = dir_.filePath("plain");
    {
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString fresh = dir_.filePath("fresh.pdf");
    QVERIFY(writer.writeStatement(fresh));
    QCOMPARE(QFileInfo(fresh).permissions(), QFileInfo(plain).permissions());
    const QStringList left = QDir(dir_.path()).entryList({"*.part", "*.new"}, QDir::Files);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(", ")));
}

QTEST_MAIN(TestStatementWriter)
#include "tst_statementwriter.moc"
