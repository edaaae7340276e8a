#include "csv/CsvReader.h"
#include "csv/CsvWriter.h"
#include "engine/ConversionRun.h"
#include "engine/OutputRowBuilder.h"
#include "support/SourceKinds.h"

#include "engine/EngineTestSupport.h"
#include "support/ListMerger.h"
#include "support/TestWorkingFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextCodec>
#include <QtTest>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace EngineTest;

namespace {

const QStringList OrderHeads{"OrderNo", "Date", "Name", "Kana", "Zip", "Address", "Note", "Total"};
const QStringList LineHeads{"OrderNo", "Product", "Qty", "Price"};

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

void writeCompany()
{
    CompanyInfo company;
    company.setValue(0, utf8("株式会社ロウスミス"));
    company.setValue(1, utf8("ロウスミス商店"));
    company.setValue(5, "03-1234-5678");
    company.write();
}

// The orders of orders.csv joined with their lines, one row per order.
ConvertSetting joinSetting(const QString &name = "orders")
{
    ConvertSetting s = setting(name);
    s.forms = {firstForm(OrderHeads), joinedForm(LineHeads, 0, 0)};
    s.heads = OrderHeads + LineHeads.mid(1);

    OutputItem number = inputItem(utf8("注文番号"), {0});
    number.distinct = "YES";
    OutputItem date = inputItem(utf8("受注日"), {1});
    date.rules = QStringList{"left(10)"};
    OutputItem buyer = inputItem(utf8("氏名"), {2, 3}, " / ");
    OutputItem address = inputItem(utf8("住所"), {4, 5}, " ");
    address.rules = QStringList{utf8("prepend(〒)")};
    OutputItem note = inputItem(utf8("備考"), {6});
    OutputItem product = inputItem(utf8("商品"), {8});
    product.merge = "STRING";
    product.mergeSeparator = utf8("、");
    product.afterRules = QStringList{"prepend([)", "append(])"};
    OutputItem quantity = inputItem(utf8("数量"), {9});
    quantity.merge = "NUMBER";
    OutputItem total = inputItem(utf8("合計"), {7});
    addCondition(total, 1, 7, "range(greaterThan(1000),unLimit)");
    total.condCombination = "AND";
    OutputItem store;
    store.name = utf8("店舗");
    store.mapSources = kinds({0, 0});
    store.mapNums = {1, 5};
    store.mappings = QStringList{"[store]", "[tel]"};
    store.separator = " TEL:";
    OutputItem kana = inputItem(utf8("カナ"), {3});
    kana.rules = QStringList{"charType(fullWidth)"};
    OutputItem mark;
    mark.name = utf8("区分");
    mark.rules = QStringList{utf8("append(対象)")};
    addCondition(mark, 1, 7, "equalTo(980)");
    addCondition(mark, 1, 0, "startsWith(1001)");
    mark.condCombination = "OR";
    s.outputItems = {number,   date,  buyer, address, note, product,
                     quantity, total, store, kana,    mark};
    return s;
}

// Two columns straight from a one-form file.
ConvertSetting simpleSetting(const QStringList &heads, const QString &name = "simple")
{
    ConvertSetting s = setting(name);
    s.forms = {firstForm(heads)};
    s.heads = heads;
    for (int c = 0; c < heads.size(); ++c)
        s.outputItems.append(inputItem(heads.at(c), {c}));
    return s;
}

void copyData(const QString &name, const QString &to)
{
    QFile::remove(to);
    QVERIFY(QFile::copy(dataPath(name), to));
}

const QByteArray OldOutput("old output, must survive\r\n");

} // namespace

class TestConversionRun : public QObject
{
    Q_OBJECT
private slots:
    void init() { QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106)); }
    void joinedOrders();
    void inputOrderOfSeveralForms();
    void singleFormConcatenatesFiles();
    void manyRowsAsRowByRow_data();
    void manyRowsAsRowByRow();
    void noOutputItems();
    void headerOnlyInput();
    void shiftJisInputAndOutput();
    void halfWidthKanaOrUtf8Input_data();
    void halfWidthKanaOrUtf8Input();
    void errors_data();
    void errors();
    void outputThatCannotBeWritten();
    void outputMustNotBeAnInput_data();
    void outputMustNotBeAnInput();
    void statementFileFor_data();
    void statementFileFor();
    void statement();
    void statementWithoutCsvExtension();
    void statementOfOneHugeOrder();
    void statementThatCannotBeWritten_data();
    void statementThatCannotBeWritten();
    void bothFilesOrNeither_data();
    void bothFilesOrNeither();
    void specialTargets();
    void replacedFilesKeepTheirOwner();
    void fullDisk_data();
    void fullDisk();
    void unencodable_data();
    void unencodable();
};

void TestConversionRun::joinedOrders()
{
    TestWorkingFolder folder;
    writeCompany();
    QVERIFY(ConvertSettingStore::save(joinSetting()));
    copyData("orders.csv", "orders.csv");
    copyData("lines.csv", "lines.csv");
    QVERIFY(writeBytes("out.csv", OldOutput));

    ConversionRun run;
    RecordingReporter reporter;
    const ConversionRun::Result result =
        run.convert({"orders.csv", "lines.csv"}, "out.csv", "orders", reporter);
    QVERIFY2(result.succeeded, qPrintable(reporter.errors.join('\n')));
    QVERIFY(!result.statementWritten);
    QCOMPARE(result.outputFile, QString("out.csv"));
    QCOMPARE(readBytes("out.csv"), platformLines(readBytes(dataPath("expected_join.csv"))));

    QCOMPARE(
        reporter.statuses,
        QStringList({"Checking all fields...", "Loading settings...", "Processing input file(s)...",
                     "Generating output file...", "Start converting...",
                     "Deleting duplication and merging items...", "Converting succeeded."}));
    QVERIFY(reporter.errors.isEmpty());
    // Four joined rows (1001 twice, 1002, 1003 unmatched), three after merging.
    // The table lets its rows go as they are converted and keeps its header.
    QCOMPARE(run.inputTable().rows(), QList<QStringList>{OrderHeads + LineHeads.mid(1)});
    QCOMPARE(run.outputRowCount(), 3);
    QCOMPARE(reporter.ranges, (QList<QPair<int, int>>{{0, 4}, {0, 4 + 3}}));
    QCOMPARE(reporter.value, 7);
    QVERIFY(!reporter.valueWentBack);
    QVERIFY(reporter.progressShown);
}

void TestConversionRun::inputOrderOfSeveralForms()
{
    // Each file is recognised by its header, whatever the order of the paths.
    TestWorkingFolder folder;
    writeCompany();
    QVERIFY(ConvertSettingStore::save(joinSetting()));
    copyData("orders.csv", "orders.csv");
    copyData("lines.csv", "lines.csv");
    ConversionRun run;
    RecordingReporter reporter;
    QVERIFY(run.convert({"lines.csv", "orders.csv"}, "out.csv", "orders", reporter).succeeded);
    QCOMPARE(readBytes("out.csv"), platformLines(readBytes(dataPath("expected_join.csv"))));
}

void TestConversionRun::singleFormConcatenatesFiles()
{
    TestWorkingFolder folder;
    ConvertSetting s = simpleSetting(OrderHeads);
    s.outputItems = {inputItem("No", {0}), inputItem("Total", {7})};
    QVERIFY(ConvertSettingStore::save(s));
    copyData("orders.csv", "a.csv");
    copyData("orders_more.csv", "b.csv");
    ConversionRun run;
    RecordingReporter reporter;
    QVERIFY(run.convert({"b.csv", "a.csv"}, "out.csv", "simple", reporter).succeeded);
    QCOMPARE(readBytes("out.csv"),
             platformLines(QByteArray("No,Total\n1005,3000\n1001,1200\n1002,980\n"
                                      "1003,15000\n")));
}

void TestConversionRun::manyRowsAsRowByRow_data()
{
    QTest::addColumn<int>("keyEvery");  // a row's key repeats this many rows later; 0: no key
    QTest::addColumn<bool>("adjacent"); // rows of one key come together
    QTest::addColumn<int>("block");     // otherwise they mix within blocks this long; 0: the file
    QTest::newRow("no key") << 0 << true << 0;
    QTest::newRow("keys of neighbours") << 3 << true << 0;
    QTest::newRow("keys mixed within blocks") << 3 << false << 10;
    QTest::newRow("keys across the file") << 1500 << false << 0;
}

// Thousands of rows, so that they are built in several pieces, give the bytes
// of building, merging and writing them one by one.
void TestConversionRun::manyRowsAsRowByRow()
{
    QFETCH(int, keyEvery);
    QFETCH(bool, adjacent);
    QFETCH(int, block);
    TestWorkingFolder folder;
    const QStringList heads{"Key", "Name", "Qty", "Note"};
    ConvertSetting s = setting("many");
    s.forms = {firstForm(heads)};
    s.heads = heads;
    OutputItem key = inputItem("Key", {0});
    key.distinct = keyEvery > 0 ? "YES" : "NO";
    if (block > 0)
        key.rules = QStringList{"trim"}; // a key built by a rule, not a cell as it stands
    OutputItem name = inputItem("Name", {1});
    name.merge = "STRING";
    name.mergeSeparator = "/";
    name.afterRules = QStringList{"append(!)"};
    OutputItem quantity = inputItem("Qty", {2});
    quantity.merge = "NUMBER";
    OutputItem note = inputItem("Note", {3});
    note.rules = QStringList{"trim"};
    OutputItem last = inputItem("Last", {1, 3}, " ");
    s.outputItems = {key, name, note, quantity, last};
    QVERIFY(ConvertSettingStore::save(s));

    const QStringList notes{utf8("ふつう"), "a, b", "say \"hi\"", " blank ", "two\nlines", ""};
    QByteArray input = "Key,Name,Qty,Note\n";
    const int rows = 5000;
    for (int r = 0; r < rows; ++r) {
        const int k = keyEvery == 0 ? r
                      : adjacent    ? r / keyEvery
                      : block > 0   ? r / block * keyEvery + r % keyEvery
                                    : r % keyEvery;
        const QString value = notes.at(r % notes.size());
        input += QStringLiteral("K%1,%2,%3,\"%4\"\n")
                     .arg(k)
                     .arg(utf8("商品") + QString::number(r % 7), QString::number(r % 5),
                          QString(value).replace("\"", "\"\""))
                     .toUtf8();
    }
    QVERIFY(writeBytes("in.csv", input));

    ConversionRun run;
    RecordingReporter reporter;
    QVERIFY2(run.convert({"in.csv"}, "out.csv", "many", reporter).succeeded,
             qPrintable(reporter.errors.join('\n')));

    const CsvRows read = CsvReader::parse(QString::fromUtf8(input));
    QCOMPARE(read.records.size(), rows + 1);
    const OutputRowBuilder builder(s.outputItems, CompanyInfo());
    QList<QStringList> built;
    for (int r = 1; r <= rows; ++r)
        built.append(builder.buildOutputRow(InputRow(read.records.at(r))));
    ListMerger(s.outputItems).distinctAndMerge(built);
    QByteArray expected;
    QBuffer buffer(&expected);
    buffer.open(QIODevice::WriteOnly);
    CsvWriter writer(&buffer);
    QVERIFY(writer.open());
    writer.writeHeader({"Key", "Name", "Note", "Qty", "Last"});
    for (const QStringList &row : qAsConst(built))
        writer.writeRow(row);
    QVERIFY(writer.commit());
    QCOMPARE(run.outputRowCount(), built.size());
    QCOMPARE(readBytes("out.csv"), platformLines(expected));
    QCOMPARE(reporter.value, rows + built.size());
}

void TestConversionRun::noOutputItems()
{
    TestWorkingFolder folder;
    ConvertSetting s = simpleSetting(OrderHeads);
    s.outputItems.clear();
    QVERIFY(ConvertSettingStore::save(s));
    copyData("orders.csv", "a.csv");
    ConversionRun run;
    RecordingReporter reporter;
    QVERIFY(run.convert({"a.csv"}, "out.csv", "simple", reporter).succeeded);
    QCOMPARE(readBytes("out.csv"), platformLines(QByteArray("\n\n\n")));
}

void TestConversionRun::headerOnlyInput()
{
    TestWorkingFolder folder;
    QVERIFY(ConvertSettingStore::save(simpleSetting({"A", "B"})));
    QVERIFY(writeBytes("a.csv", "A,B\r\n"));
    ConversionRun run;
    RecordingReporter reporter;
    QVERIFY(run.convert({"a.csv"}, "out.csv", "simple", reporter).succeeded);
    QCOMPARE(readBytes("out.csv"), platformLines(QByteArray("A,B\n")));
    QCOMPARE(reporter.ranges, (QList<QPair<int, int>>{{0, 0}, {0, 0}}));
}

void TestConversionRun::shiftJisInputAndOutput()
{
    TestWorkingFolder folder;
    const QStringList heads{utf8("名前"), utf8("記号"), utf8("金額")};
    QVERIFY(ConvertSettingStore::save(simpleSetting(heads)));
    copyData("cp932.csv", "in.csv");
    const QByteArray expected = utf8("名前,記号,金額\n髙橋①,～―－,￥1200\n"
                                     "\"渡辺, 様\",\"備考\n二行目\",￥980\n")
                                    .toUtf8();
    {
        ConversionRun run;
        RecordingReporter reporter;
        QVERIFY(run.convert({"in.csv"}, "out.csv", "simple", reporter).succeeded);
        QCOMPARE(readBytes("out.csv"), platformLines(expected));
    }
    // A Shift-JIS locale writes Shift-JIS (CP932) bytes.
    QTextCodec *shiftJis = QTextCodec::codecForName("Shift_JIS");
    QTextCodec::setCodecForLocale(shiftJis);
    ConversionRun run;
    RecordingReporter reporter;
    QVERIFY(run.convert({"in.csv"}, "sjis.csv", "simple", reporter).succeeded);
    QCOMPARE(readBytes("sjis.csv"),
             EngineTest::shiftJis(QString::fromUtf8(platformLines(expected))));
    QTextCodec::setCodecForLocale(QTextCodec::codecForMib(106));
}

void TestConversionRun::halfWidthKanaOrUtf8Input_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("heads");
    QTest::addColumn<QByteArray>("output");

    // Shift-JIS katakana whose bytes are valid UTF-8 as well.
    const QByteArray kana = shiftJis(utf8("No,A,B\n1,ﾕｷ,ﾐｶ\n"));
    QTest::newRow("Shift-JIS half-width kana")
        << kana << QStringList{"No", "A", "B"} << utf8("No,A,B\n1,ﾕｷ,ﾐｶ\n").toUtf8();
    // A file past the first lines that show a header: those pass for
    // katakana, a later line does not.
    const QByteArray utf8Lines =
        utf8("No,ж\n").toUtf8() + utf8("1,ж\n").toUtf8().repeated(20000) + utf8("2,é\n").toUtf8();
    QTest::newRow("large UTF-8 file, look-alikes only at the start")
        << utf8Lines << QStringList{"No", utf8("ж")} << utf8Lines;
}

void TestConversionRun::halfWidthKanaOrUtf8Input()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, heads);
    QFETCH(QByteArray, output);
    TestWorkingFolder folder;
    QVERIFY(ConvertSettingStore::save(simpleSetting(heads)));
    QVERIFY(writeBytes("in.csv", input));
    ConversionRun run;
    RecordingReporter reporter;
    QVERIFY2(run.convert({"in.csv"}, "out.csv", "simple", reporter).succeeded,
             qPrintable(reporter.errors.join('\n')));
    QCOMPARE(readBytes("out.csv"), platformLines(output));
}

void TestConversionRun::errors_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("settingName");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("lastStatus");

    const QString checking = "Checking all fields...";
    const QString processing = "Processing input file(s)...";
    const QString generating = "Generating output file...";
    QTest::newRow("no input file") << QStringList() << "out.csv"
                                   << "orders"
                                   << "Input file is required." << checking;
    QTest::newRow("no output file, no setting") << QStringList{"orders.csv"} << ""
                                                << ""
                                                << "Output file is required." << checking;
    QTest::newRow("no setting name") << QStringList{"orders.csv"} << "out.csv"
                                     << ""
                                     << "Choose a convert setting." << checking;
    QTest::newRow("setting without input forms")
        << QStringList{"orders.csv"} << "out.csv"
        << "unknown"
        << "There is no input file information in setting. Please check convert settings."
        << processing;
    QTest::newRow("input file missing") << QStringList{"missing.csv"} << "out.csv"
                                        << "simple"
                                        << "Cannot open input file:\n%system." << processing;
    QTest::newRow("header does not match")
        << QStringList{"orders.csv", "lines.csv"} << "out.csv"
        << "simple"
        << "Input file dose not match with setting.\nPlease check the input file(s)." << processing;
    // Known by its first line: the broken record at its end is never read.
    QTest::newRow("large file of another form")
        << QStringList{"large.csv"} << "out.csv"
        << "simple"
        << "Input file dose not match with setting.\nPlease check the input file(s)." << processing;
    QTest::newRow("malformed record")
        << QStringList{"orders.csv", "bad.csv"} << "out.csv"
        << "simple"
        << "Input file has a malformed record:\nbad.csv (line 4)." << processing;
    // Read in parts side by side, and again whole for the record's line.
    QTest::newRow("malformed record far into a large file")
        << QStringList{"large-bad.csv"} << "out.csv"
        << "simple"
        << "Input file has a malformed record:\nlarge-bad.csv (line 40002)." << processing;
    QTest::newRow("quote open at the end")
        << QStringList{"open.csv"} << "out.csv"
        << "simple"
        << "Input file has a malformed record:\nopen.csv (line 2)." << processing;
    QTest::newRow("mixed encodings")
        << QStringList{"mixed.csv"} << "out.csv"
        << "simple"
        << "Input file mixes text encodings:\nmixed.csv (line 3)." << processing;
    QTest::newRow("bytes that are not text")
        << QStringList{"nottext.csv"} << "out.csv"
        << "simple"
        << "Input file has bytes that are not text in Shift_JIS:\nnottext.csv (line 2)."
        << processing;
    QTest::newRow("number of files")
        << QStringList{"orders.csv"} << "out.csv"
        << "orders"
        << "Number of input files is not matched with setting." << processing;
    QTest::newRow("no file for a form") << QStringList{"orders.csv", "orders.csv"} << "out.csv"
                                        << "orders"
                                        << "Cannot find proper source file." << processing;
    QTest::newRow("second form missing a file")
        << QStringList{"orders.csv", "other.csv"} << "out.csv"
        << "orders"
        << "Cannot find proper source file." << processing;
    QTest::newRow("output folder missing") << QStringList{"orders.csv"} << "no/such/folder/out.csv"
                                           << "simple"
                                           << "Cannot open output file:\n%1." << generating;
}

void TestConversionRun::errors()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, output);
    QFETCH(QString, settingName);
    QFETCH(QString, error);
    QFETCH(QString, lastStatus);

    TestWorkingFolder folder;
    if (error.contains("%system")) {
        // The system's own reason, in a sentence that ends once: Windows'
        // reasons bring a full stop of their own ("File not found.").
        QFile missing(inputs.first());
        QVERIFY(!missing.open(QIODevice::ReadOnly));
        QString reason = missing.errorString();
        if (reason.endsWith('.'))
            reason.chop(1);
        error.replace("%system", reason);
    }
    QVERIFY(ConvertSettingStore::save(joinSetting()));
    QVERIFY(ConvertSettingStore::save(simpleSetting(OrderHeads)));
    copyData("orders.csv", "orders.csv");
    copyData("lines.csv", "lines.csv");
    QVERIFY(writeBytes("bad.csv", "OrderNo,Date,Name,Kana,Zip,Address,Note,Total\n"
                                  "1,2,3,4,5,6,7,8\n\n"
                                  "1,2,3,4,5,\"Tokyo, Chiyoda\",7,8,9\n"));
    QVERIFY(writeBytes("open.csv", "OrderNo,Date,Name,Kana,Zip,Address,Note,Total\n"
                                   "1,2,3,4,5,6,\"never closed\n"));
    QVERIFY(writeBytes("other.csv", "X,Y\n1,2\n"));
    QVERIFY(writeBytes("large.csv", "X,Y\n" + QByteArray("1,2\n").repeated(20000) + "1,2,3\n"));
    const QByteArray heads("OrderNo,Date,Name,Kana,Zip,Address,Note,Total\n");
    QVERIFY(writeBytes("mixed.csv", heads + QString::fromUtf8("1,2,山田,4,5,6,7,8\n").toUtf8() +
                                        shiftJis(QString::fromUtf8("2,2,田中,4,5,6,7,8\n"))));
    QVERIFY(writeBytes("nottext.csv", heads + "1,2,\x81\x20,4,5,6,7,8\n"));
    if (inputs.contains("large-bad.csv")) {
        const QByteArray record = "1,2,3,4,5,6," + QByteArray(220, 'x') + ",8\n";
        QVERIFY(
            writeBytes("large-bad.csv", heads + record.repeated(40000) + "1,2,3,4,5,6,7,8,9\n"));
    }
    QVERIFY(writeBytes("out.csv", OldOutput));
    const QByteArray inputBytes = readBytes("orders.csv");

    ConversionRun run;
    RecordingReporter reporter;
    const ConversionRun::Result result = run.convert(inputs, output, settingName, reporter);
    QVERIFY(!result.succeeded);
    QCOMPARE(reporter.errors.size(), 1);
    if (error.contains("%1"))
        QVERIFY2(reporter.errors.first().startsWith(error.left(error.indexOf("%1"))),
                 qPrintable(reporter.errors.first()));
    else
        QCOMPARE(reporter.errors.first(), error);
    QCOMPARE(reporter.events.last(), "error: " + reporter.errors.first());
    QCOMPARE(reporter.statuses.last(), lastStatus);
    QCOMPARE(readBytes("out.csv"), OldOutput);
    QCOMPARE(readBytes("orders.csv"), inputBytes);
    QVERIFY(!QFileInfo::exists("no/such/folder/out.csv"));
    QStringList files{"bad.csv",  "large.csv",  "lines.csv", "mixed.csv", "nottext.csv",
                      "open.csv", "orders.csv", "other.csv", "out.csv",   "rowsmith.dat"};
    if (inputs.contains("large-bad.csv"))
        files.insert(1, "large-bad.csv");
    QCOMPARE(QDir().entryList(QDir::Files), files);
}

namespace {

// Moves the output's folder away once the rows are being merged: the new file
// can then no longer replace the old one.
class FolderMovingReporter : public RecordingReporter
{
public:
    void showStatus(const QString &text) override
    {
        RecordingReporter::showStatus(text);
        if (text == QLatin1String("Deleting duplication and merging items..."))
            moved = QDir().rename("sub", "moved");
    }
    bool moved = false;
};

} // namespace

void TestConversionRun::outputThatCannotBeWritten()
{
    TestWorkingFolder folder;
    QVERIFY(ConvertSettingStore::save(simpleSetting(OrderHeads)));
    copyData("orders.csv", "orders.csv");
    QVERIFY(QDir().mkdir("sub"));
    QVERIFY(writeBytes("sub/out.csv", OldOutput));
    {
        // A folder where the file should be is refused, never replaced.
        QVERIFY(QDir().mkdir("taken.csv"));
        ConversionRun run;
        RecordingReporter reporter;
        QVERIFY(!run.convert({"orders.csv"}, "taken.csv", "simple", reporter).succeeded);
        QCOMPARE(reporter.errors.size(), 1);
        QVERIFY(reporter.errors.first().startsWith("Cannot write output file:\n"));
        QVERIFY(QFileInfo("taken.csv").isDir());
    }
    ConversionRun run;
    FolderMovingReporter reporter;
    const ConversionRun::Result result =
        run.convert({"orders.csv"}, "sub/out.csv", "simple", reporter);
    QVERIFY(reporter.moved);
    QVERIFY(!result.succeeded);
    QCOMPARE(reporter.errors.size(), 1);
    QVERIFY2(reporter.errors.first().startsWith("Cannot write output file:\n"),
             qPrintable(reporter.errors.first()));
    QVERIFY(reporter.errors.first().endsWith("."));
    QVERIFY(!reporter.statuses.contains("Converting succeeded."));
    QCOMPARE(readBytes("moved/out.csv"), OldOutput);
    QCOMPARE(QDir("moved").entryList(QDir::Files | QDir::Hidden), QStringList{"out.csv"});
}

void TestConversionRun::outputMustNotBeAnInput_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    const QString input = QStringLiteral("Output file must not be one of the input files.");
    const QString settings = QStringLiteral("Output file must not be the settings file.");
    QTest::newRow("same path") << "orders.csv" << input;
    QTest::newRow("another spelling") << "./sub/../orders.csv" << input;
    QTest::newRow("absolute path") << QString() << input;
    QTest::newRow("symbolic link") << "link.csv" << input;
    QTest::newRow("the settings file") << "rowsmith.dat" << settings;
    QTest::newRow("a link to the settings file") << "settings-link.csv" << settings;
}

void TestConversionRun::outputMustNotBeAnInput()
{
    QFETCH(QString, output);
    QFETCH(QString, error);
    TestWorkingFolder folder;
    if (output.isEmpty())
        output = folder.filePath("orders.csv");
    QVERIFY(ConvertSettingStore::save(simpleSetting(OrderHeads)));
    copyData("orders.csv", "orders.csv");
    QVERIFY(QDir().mkdir("sub"));
    QVERIFY(QFile::link("orders.csv", "link.csv"));
    QVERIFY(QFile::link("rowsmith.dat", "settings-link.csv"));
    const QByteArray inputBytes = readBytes("orders.csv");
    const QByteArray settingsBytes = readBytes("rowsmith.dat");

    ConversionRun run;
    RecordingReporter reporter;
    QVERIFY(!run.convert({"orders.csv"}, output, "simple", reporter).succeeded);
    QCOMPARE(reporter.errors, QStringList{error});
    QCOMPARE(reporter.statuses, QStringList{"Checking all fields..."});
    QCOMPARE(readBytes("orders.csv"), inputBytes);
    QCOMPARE(readBytes("rowsmith.dat"), settingsBytes);
}

void TestConversionRun::statementFileFor_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("statement");
    QTest::newRow("csv") << "out.csv"
                         << "out.pdf";
    QTest::newRow("folders stay") << "C:/a.csv/b.csv"
                                  << "C:/a.csv/b.pdf";
    QTest::newRow("only a folder has it") << "x.csv/notes.txt"
                                          << "x.csv/notes.txt.pdf";
    QTest::newRow("capital letters") << "out.CSV"
                                     << "out.pdf";
    QTest::newRow("inside the name") << "out.csv.bak"
                                     << "out.csv.bak.pdf";
    QTest::newRow("no extension") << "out"
                                  << "out.pdf";
    QTest::newRow("other extension") << "out.txt"
                                     << "out.txt.pdf";
}

void TestConversionRun::statementFileFor()
{
    QFETCH(QString, output);
    QFETCH(QString, statement);
    QCOMPARE(ConversionRun::statementFileFor(output), statement);
}

namespace {

// The join setting with the statement on: name, product and quantity printed.
ConvertSetting statementSetting()
{
    ConvertSetting s = joinSetting();
    s.statement.generate = true;
    s.statement.title = "Statement";
    s.statement.printStoreName = true;
    s.statementFields[StatementFields::Name].toPrint = true;
    s.statementFields[StatementFields::Name].mapNums = {2};
    s.statementFields[StatementFields::OrderNumber].toPrint = true;
    s.statementFields[StatementFields::OrderNumber].mapNums = {0};
    s.statementFields[StatementFields::ProductName].toPrint = true;
    s.statementFields[StatementFields::ProductName].mapNums = {8};
    s.statementFields[StatementFields::Quantity].toPrint = true;
    s.statementFields[StatementFields::Quantity].mapNums = {9};
    s.statementFields[StatementFields::UnitPrice].toPrint = true;
    s.statementFields[StatementFields::UnitPrice].mapNums = {10};
    s.statementFields[StatementFields::Sum].toPrint = true;
    return s;
}

} // namespace

void TestConversionRun::statement()
{
    TestWorkingFolder folder;
    writeCompany();
    QVERIFY(ConvertSettingStore::save(statementSetting()));
    copyData("orders.csv", "orders.csv");
    copyData("lines.csv", "lines.csv");
    ConversionRun run;
    RecordingReporter reporter;
    const ConversionRun::Result result =
        run.convert({"orders.csv", "lines.csv"}, "out.csv", "orders", reporter);
    QVERIFY2(result.succeeded, qPrintable(reporter.errors.join('\n')));
    QVERIFY(result.statementWritten);
    QCOMPARE(result.statementFile, QString("out.pdf"));
    QCOMPARE(readBytes("out.csv"), platformLines(readBytes(dataPath("expected_join.csv"))));
    QVERIFY(readBytes("out.pdf").startsWith("%PDF"));
    QCOMPARE(reporter.statuses.mid(5),
             QStringList({"Deleting duplication and merging items...", "Creating PDF file...",
                          "Saving PDF file...", "Converting succeeded."}));
    // Records follow the merged rows: order 1001 has both of its lines.
    const StatementList &statements = run.statements();
    QCOMPARE(statements.count(), 3);
    QCOMPARE(statements.at(0).orderNumber, QString("1001"));
    QCOMPARE(statements.at(0).productName, (QStringList{utf8("りんご"), utf8("ぶどう, 大粒")}));
    QCOMPARE(statements.at(0).sum, qint64(2 * 300 + 600));
    QCOMPARE(statements.at(2).orderNumber, QString("1003"));
    // 4 rows, then 3 CSV lines, 3 pages and the end of the file.
    QCOMPARE(reporter.ranges, (QList<QPair<int, int>>{{0, 4}, {0, 4 + 2 * 3 + 1}}));
    QCOMPARE(reporter.value, 4 + 2 * 3 + 1);
}

// Thousands of rows merge into one order: its record keeps the lines a page
// can show, in row order, and its sum still counts every line.
void TestConversionRun::statementOfOneHugeOrder()
{
    TestWorkingFolder folder;
    writeCompany();
    QVERIFY(ConvertSettingStore::save(statementSetting()));
    copyData("orders.csv", "orders.csv");
    const int lines = 5000;
    QByteArray bytes = "OrderNo,Product,Qty,Price\n";
    qint64 sum = 0;
    for (int k = 0; k < lines; ++k) {
        bytes += "1001,p" + QByteArray::number(k) + ",2," + QByteArray::number(100 + k % 7) + "\n";
        sum += 2 * (100 + k % 7);
    }
    QVERIFY(writeBytes("lines.csv", bytes));
    ConversionRun run;
    RecordingReporter reporter;
    const ConversionRun::Result result =
        run.convert({"orders.csv", "lines.csv"}, "out.csv", "orders", reporter);
    QVERIFY2(result.statementWritten, qPrintable(reporter.errors.join('\n')));
    const StatementList &statements = run.statements();
    QCOMPARE(statements.count(), 3); // orders 1002 and 1003 have no lines
    const StatementRecord &order = statements.at(0);
    QVERIFY(order.productName.size() < lines);
    QCOMPARE(order.productName.mid(0, 3), (QStringList{"p0", "p1", "p2"}));
    QCOMPARE(order.productName.last(), "p" + QString::number(order.productName.size() - 1));
    QCOMPARE(order.sum, sum);
}

void TestConversionRun::statementWithoutCsvExtension()
{
    TestWorkingFolder folder;
    QVERIFY(ConvertSettingStore::save(statementSetting()));
    copyData("orders.csv", "orders.csv");
    copyData("lines.csv", "lines.csv");
    ConversionRun run;
    RecordingReporter reporter;
    const ConversionRun::Result result =
        run.convert({"orders.csv", "lines.csv"}, "out.txt", "orders", reporter);
    QVERIFY(result.succeeded);
    QCOMPARE(result.statementFile, QString("out.txt.pdf"));
    QCOMPARE(
        readBytes("out.txt"),
        platformLines(readBytes(dataPath("expected_join.csv"))
                          .replace(utf8("ロウスミス商店 TEL:03-1234-5678").toUtf8(), " TEL:")));
    QVERIFY(readBytes("out.txt.pdf").startsWith("%PDF"));
}

void TestConversionRun::statementThatCannotBeWritten_data()
{
    QTest::addColumn<bool>("inputNamedLikeIt");
    QTest::newRow("a folder in its place") << false;
    QTest::newRow("an input file in its place") << true;
}

void TestConversionRun::statementThatCannotBeWritten()
{
    QFETCH(bool, inputNamedLikeIt);
    TestWorkingFolder folder;
    writeCompany();
    QVERIFY(ConvertSettingStore::save(statementSetting()));
    copyData("orders.csv", "orders.csv");
    copyData("lines.csv", inputNamedLikeIt ? "out.pdf" : "lines.csv");
    if (!inputNamedLikeIt)
        QVERIFY(QDir().mkdir("out.pdf"));
    QVERIFY(writeBytes("out.csv", OldOutput));
    ConversionRun run;
    RecordingReporter reporter;
    const ConversionRun::Result result = run.convert(
        {"orders.csv", inputNamedLikeIt ? "out.pdf" : "lines.csv"}, "out.csv", "orders", reporter);
    QVERIFY(!result.succeeded);
    QVERIFY(!result.statementWritten);
    QCOMPARE(reporter.errors, QStringList{"Cannot write statement file:\nout.pdf."});
    // Found out before any input was read: the old output and inputs stay as they were.
    QVERIFY(!reporter.statuses.contains("Processing input file(s)..."));
    QCOMPARE(readBytes("out.csv"), OldOutput);
    if (inputNamedLikeIt)
        QCOMPARE(readBytes("out.pdf"), readBytes(dataPath("lines.csv")));
}

namespace {

const QByteArray OldStatement("%PDF old statement, must survive");

// The statement run of the demo orders, over an old output and statement.
struct StatementRun
{
    StatementRun()
    {
        writeCompany();
        ConvertSettingStore::save(statementSetting());
        copyData("orders.csv", "orders.csv");
        copyData("lines.csv", "lines.csv");
        writeBytes("out.csv", OldOutput);
        writeBytes("out.pdf", OldStatement);
    }
    ConversionRun::Result convert(const QString &output = QStringLiteral("out.csv"))
    {
        return run.convert({"orders.csv", "lines.csv"}, output, "orders", reporter);
    }
    // Nothing but the files the test made is left in the folder.
    static QStringList files() { return QDir().entryList(QDir::Files | QDir::Hidden); }

    ConversionRun run;
    RecordingReporter reporter;
};

const QStringList StatementRunFiles{"lines.csv", "orders.csv", "out.csv", "out.pdf",
                                    "rowsmith.dat"};

} // namespace

void TestConversionRun::bothFilesOrNeither_data()
{
    // The moves of the commit: the old CSV aside (1), the new one in (2), the
    // old statement aside (3), the new one in (4).
    QTest::addColumn<int>("failingRename"); // 0: none fails
    QTest::addColumn<QString>("error");
    QTest::newRow("all moves succeed") << 0 << "";
    const QString csv = QStringLiteral("Cannot write output file:\nInput/output error.");
    const QString pdf = QStringLiteral("Cannot write statement file out.pdf:\nInput/output error.");
    QTest::newRow("old CSV cannot move aside") << 1 << csv;
    QTest::newRow("new CSV cannot move in") << 2 << csv;
    QTest::newRow("old statement cannot move aside") << 3 << pdf;
    QTest::newRow("new statement cannot move in") << 4 << pdf;
    // Its path passes the early check, then cannot be opened.
    QTest::newRow("statement behind a link into a missing folder") << -1 << "";
}

void TestConversionRun::bothFilesOrNeither()
{
    QFETCH(int, failingRename);
    QFETCH(QString, error);
    TestWorkingFolder folder;
    StatementRun r;
    QStringList files = StatementRunFiles;
    if (failingRename < 0) {
        QVERIFY(QFile::remove("out.pdf") && QFile::link("missing/out.pdf", "out.pdf"));
        files.removeOne("out.pdf"); // a dangling link, which entryList leaves out
    }
    int renames = 0;
    r.run.setRename([&](const QString &from, const QString &to, QString &reason) {
        if (++renames != failingRename)
            return FileReplacement::rename(from, to, reason);
        reason = QStringLiteral("Input/output error");
        return false;
    });

    const ConversionRun::Result result = r.convert();
    QCOMPARE(StatementRun::files(), files);
    if (failingRename == 0) {
        QVERIFY2(result.succeeded, qPrintable(r.reporter.errors.join('\n')));
        QCOMPARE(renames, 4);
        QCOMPARE(readBytes("out.csv"), platformLines(readBytes(dataPath("expected_join.csv"))));
        QVERIFY(readBytes("out.pdf").startsWith("%PDF-"));
        return;
    }
    QVERIFY(!result.succeeded);
    QCOMPARE(r.reporter.errors.size(), 1);
    if (failingRename < 0)
        QVERIFY2(r.reporter.errors.first().startsWith("Cannot write statement file out.pdf:\n"),
                 qPrintable(r.reporter.errors.first()));
    else
        QCOMPARE(r.reporter.errors.first(), error);
    QCOMPARE(readBytes("out.csv"), OldOutput);
    if (failingRename > 0)
        QCOMPARE(readBytes("out.pdf"), OldStatement);
}

void TestConversionRun::specialTargets()
{
#ifndef Q_OS_UNIX
    QSKIP("FIFOs and /dev/null are Unix's");
#else
    TestWorkingFolder folder;
    StatementRun r;
    // A FIFO where the statement goes takes it as it is written, and stays.
    QVERIFY(QFile::remove("out.pdf"));
    QVERIFY(::mkfifo("out.pdf", 0600) == 0);
    QProcess reader;
    reader.setStandardOutputFile(folder.filePath("read.pdf"));
    reader.start("cat", {"out.pdf"});
    QVERIFY(reader.waitForStarted());
    QVERIFY2(r.convert().succeeded, qPrintable(r.reporter.errors.join('\n')));
    QVERIFY(reader.waitForFinished(10000));
    QVERIFY(readBytes("read.pdf").startsWith("%PDF-"));
    struct stat status;
    QVERIFY(::stat("out.pdf", &status) == 0 && S_ISFIFO(status.st_mode));

    // A device as the output has no place beside it for the statement.
    QVERIFY(!QFileInfo::exists("/dev/null.pdf"));
    QVERIFY(!r.convert("/dev/null").succeeded);
    QCOMPARE(r.reporter.errors.last(), "The statement goes beside the output file, which must "
                                       "be a regular file:\n/dev/null.");
    QVERIFY(!QFileInfo::exists("/dev/null.pdf"));
#endif
}

void TestConversionRun::replacedFilesKeepTheirOwner()
{
#ifndef Q_OS_UNIX
    QSKIP("owners are Unix's");
#else
    if (::geteuid() != 0)
        QSKIP("only root can give files to another user");
    TestWorkingFolder folder;
    StatementRun r;
    for (const char *name : {"out.csv", "out.pdf"}) {
        QVERIFY(::chown(name, 1234, 5678) == 0);
        QVERIFY(::chmod(name, 0600) == 0);
    }
    QVERIFY2(r.convert().succeeded, qPrintable(r.reporter.errors.join('\n')));
    for (const char *name : {"out.csv", "out.pdf"}) {
        struct stat status;
        QVERIFY(::stat(name, &status) == 0);
        QCOMPARE(int(status.st_uid), 1234);
        QCOMPARE(int(status.st_gid), 5678);
        QCOMPARE(int(status.st_mode & 07777), 0600);
    }
    QVERIFY(readBytes("out.pdf").startsWith("%PDF-"));
#endif
}

void TestConversionRun::fullDisk_data()
{
    QTest::addColumn<QString>("full"); // what lies on a full disk
    QTest::newRow("the output") << "csv";
    QTest::newRow("the statement") << "pdf";
}

void TestConversionRun::fullDisk()
{
    QFETCH(QString, full);
#ifndef Q_OS_LINUX
    QSKIP("the full disk is Linux's /dev/full");
#else
    TestWorkingFolder folder;
    StatementRun r;
    // Writing to /dev/full fails as a full disk does.
    const QString target = full == QLatin1String("csv") ? "full.csv" : "out.pdf";
    QFile::remove(target);
    QVERIFY(QFile::link("/dev/full", target));
    if (full == QLatin1String("csv")) {
        QVERIFY(ConvertSettingStore::save(simpleSetting(OrderHeads)));
        QVERIFY(!r.run.convert({"orders.csv"}, "full.csv", "simple", r.reporter).succeeded);
        QCOMPARE(r.reporter.errors,
                 QStringList{"Cannot write output file:\nNo space left on device."});
        return;
    }
    QVERIFY(!r.convert().succeeded);
    QCOMPARE(r.reporter.errors,
             QStringList{"Cannot write statement file out.pdf:\nNo space left on device."});
    QCOMPARE(readBytes("out.csv"), OldOutput);
#endif
}

// What the golden runs leave out: item names, groups merged across many rows,
// the command line's choice, and a stored name no encoding has.
void TestConversionRun::unencodable_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("override"); // -1: none
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("notice");

    const QStringList names{"No", "Note"};
    const QByteArray few = QString::fromUtf8("No,Note\n1,a\n2,b😀\n").toUtf8();
    // Key 1 begins and ends the file: its group's merged note is written
    // after the thousands of lines between.
    QByteArray many = "No,Note\n1,a\n";
    for (int i = 2; i < 3000; ++i)
        many += QByteArray::number(i) + ",x\n";
    many += QString::fromUtf8("1,b😀\n").toUtf8();
    const QString refused("Output file cannot hold the character '%1' (U+%2) in item '%3', row "
                          "%4, in out.csv.");
    QTest::newRow("item name") << QStringList{"No", QString::fromUtf8("備考😀")} << "Shift_JIS"
                               << false << few << -1
                               << refused.arg(QString::fromUtf8("😀"), "1F600",
                                              QString::fromUtf8("備考😀"), "1")
                               << QString();
    QTest::newRow("item name replaced")
        << QStringList{"No", QString::fromUtf8("備考😀")} << "Shift_JIS" << true << few << -1
        << QString()
        << QString::fromUtf8("2 character(s) that Shift_JIS cannot hold were written as 〓 in 2 "
                             "row(s): 1, 3.");
    QTest::newRow("merged across chunks")
        << names << "Shift_JIS" << false << many << -1
        << refused.arg(QString::fromUtf8("😀"), "1F600", "Note", "2") << QString();
    QTest::newRow("merged across chunks, replaced")
        << names << "Shift_JIS" << true << many << -1 << QString()
        << QString::fromUtf8("1 character(s) that Shift_JIS cannot hold were written as 〓 in 1 "
                             "row(s): 2.");
    QTest::newRow("the command line's encoding")
        << names << "Shift_JIS" << false << few << int(OutputEncoding::Utf8) << QString()
        << QString();
    QTest::newRow("unknown stored name")
        << names << "EUC-JP" << false << few << -1
        << "The convert setting names an unknown output encoding: EUC-JP." << QString();
    QTest::newRow("stored in another letter case")
        << names << "shift_jis" << true << few << -1 << QString()
        << QString::fromUtf8("1 character(s) that Shift_JIS cannot "
                             "hold were written as 〓 in 1 row(s): 3.");
}

void TestConversionRun::unencodable()
{
    QFETCH(QStringList, names);
    QFETCH(QString, encoding);
    QFETCH(bool, replace);
    QFETCH(QByteArray, input);
    QFETCH(int, override);
    QFETCH(QString, error);
    QFETCH(QString, notice);

    TestWorkingFolder folder;
    ConvertSetting s = simpleSetting({"No", "Note"});
    s.outputItems[0].distinct = "YES";
    s.outputItems[1].merge = "STRING";
    for (int c = 0; c < names.size(); ++c)
        s.outputItems[c].name = names.at(c);
    s.outputEncoding = encoding;
    s.replaceUnencodable = replace;
    QVERIFY(ConvertSettingStore::save(s));
    QVERIFY(writeBytes("in.csv", input));
    QVERIFY(writeBytes("out.csv", OldOutput));

    ConversionRun run;
    if (override >= 0)
        run.setOutputEncoding(OutputEncoding::Kind(override));
    RecordingReporter reporter;
    const ConversionRun::Result result = run.convert({"in.csv"}, "out.csv", "simple", reporter);
    QCOMPARE(reporter.errors, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(reporter.notices, notice.isEmpty() ? QStringList() : QStringList{notice});
    QCOMPARE(result.succeeded, error.isEmpty());
    if (!result.succeeded)
        QCOMPARE(readBytes("out.csv"), OldOutput);
}

QTEST_MAIN(TestConversionRun)
#include "tst_conversionrun.moc"
