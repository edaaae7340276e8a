#include "editors/ModelStore.h"
#include "editors/models/ItemDragPayload.h"
#include "editors/models/PdfSetModel.h"
#include "support/SourceKinds.h"
#include "support/TestWorkingFolder.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(ItemDragEntry)

namespace {

const QStringList fieldHeaders{"Name",       "Address",         "Post code",      "Order number",
                               "Order date", "Product name",    "Product number", "Option",
                               "Quantity",   "Unit price",      "Subtotal",       "Sum",
                               "Tax",        "Shipping charge", "C.O.D charge",   "Total sum",
                               "Coupon",     "Point",           "Payment"};

QMimeData *payload(const QList<ItemDragEntry> &entries)
{
    auto *data = new QMimeData;
    data->setData(ItemDragPayload::mimeType(), ItemDragPayload::encode(entries));
    return data;
}

ItemDragEntry entry(qint32 kind, qint32 code, const QString &text)
{
    ItemDragEntry e;
    e.kind = SourceKind(kind);
    e.code = code;
    e.text = text;
    return e;
}

// A model whose field 0 has three mapped items a (4), b (7) and c (9).
void mapThree(PdfSetModel &model)
{
    QScopedPointer<QMimeData> data(payload({entry(1, 4, "a"), entry(1, 7, "b"), entry(1, 9, "c")}));
    QVERIFY(model.dropMimeData(data.data(), Qt::CopyAction, -1, -1,
                               model.index(PdfSetModel::OutputRow, 0)));
}

} // namespace

class TestPdfSetModel : public QObject
{
    Q_OBJECT
private slots:
    void passesModelTester();
    void headers_data();
    void headers();
    void freshCells_data();
    void freshCells();
    void flags_data();
    void flags();
    void tipsAndBackground_data();
    void tipsAndBackground();
    void setDataOnlyOnRuleRow_data();
    void setDataOnlyOnRuleRow();
    void drops_data();
    void drops();
    void setMappings_data();
    void setMappings();
    void separators();
    void togglePrint();
    void maxLineCount();
    void clearResetsEveryField();
    void saveAndLoadKeepEveryField();
};

void TestPdfSetModel::passesModelTester()
{
    PdfSetModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    mapThree(model);
    model.togglePrint(3);
    model.clear();
}

void TestPdfSetModel::headers_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("section");
    QTest::addColumn<QVariant>("expected");
    for (int c = 0; c < fieldHeaders.size(); ++c)
        QTest::addRow("column %d", c) << int(Qt::Horizontal) << c << QVariant(fieldHeaders.at(c));
    QTest::newRow("row 0") << int(Qt::Vertical) << 0 << QVariant("Print");
    QTest::newRow("row 1") << int(Qt::Vertical) << 1 << QVariant("Output");
    QTest::newRow("row 2") << int(Qt::Vertical) << 2 << QVariant("Rule");
    QTest::newRow("row 3 gives its number") << int(Qt::Vertical) << 3 << QVariant(4);
}

void TestPdfSetModel::headers()
{
    QFETCH(int, orientation);
    QFETCH(int, section);
    QFETCH(QVariant, expected);
    PdfSetModel model;
    const QVariant header = model.headerData(section, Qt::Orientation(orientation));
    QCOMPARE(header.toString(), expected.toString());
    QVERIFY(!model.headerData(section, Qt::Orientation(orientation), Qt::ToolTipRole).isValid());
}

void TestPdfSetModel::freshCells_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("output");
    for (int c = 0; c < fieldHeaders.size(); ++c) {
        const bool isAuto = c == 10 || c == 11 || c == 15 || c == 18;
        QTest::addRow("%s", qPrintable(fieldHeaders.at(c))) << c << (isAuto ? "[Auto]" : "");
    }
}

void TestPdfSetModel::freshCells()
{
    QFETCH(int, field);
    QFETCH(QString, output);
    PdfSetModel model;
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 19);
    QCOMPARE(model.data(model.index(0, field), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QCOMPARE(model.data(model.index(1, field)).toString(), output);
    QCOMPARE(model.data(model.index(1, field), Qt::EditRole).toStringList(), QStringList());
    QCOMPARE(model.data(model.index(2, field)).toString(), QString());
    QVERIFY(!model.data(model.index(0, field)).isValid());
}

void TestPdfSetModel::flags_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("expected");
    const int checkable = Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    const int droppable = Qt::ItemIsEnabled | Qt::ItemIsDropEnabled;
    QTest::newRow("print name") << 0 << 0 << checkable;
    QTest::newRow("print payment") << 0 << 18 << checkable;
    QTest::newRow("output name") << 1 << 0 << droppable;
    QTest::newRow("output sum") << 1 << 11 << droppable;
    QTest::newRow("rule option") << 2 << 7 << int(Qt::ItemIsEnabled);
    QTest::newRow("rule quantity") << 2 << 8 << int(Qt::NoItemFlags);
    QTest::newRow("rule payment") << 2 << 18 << int(Qt::NoItemFlags);
}

void TestPdfSetModel::flags()
{
    QFETCH(int, row);
    QFETCH(int, field);
    QFETCH(int, expected);
    PdfSetModel model;
    QCOMPARE(int(model.flags(model.index(row, field))), expected);
    QCOMPARE(int(model.flags(QModelIndex())), int(Qt::NoItemFlags));
}

void TestPdfSetModel::tipsAndBackground_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QVariant>("background");
    QTest::newRow("print") << 0 << 2 << "Check to print 'Post code'" << QVariant();
    QTest::newRow("output") << 1 << 13 << "Double click to edit output items for 'Shipping charge'"
                            << QVariant();
    QTest::newRow("rule of a text field")
        << 2 << 0 << "Double click to edit rules for 'Name'" << QVariant(QColor(255, 255, 255));
    QTest::newRow("rule of an amount")
        << 2 << 14 << "Cannot assign rules for 'C.O.D charge'" << QVariant(QColor(211, 211, 211));
}

void TestPdfSetModel::tipsAndBackground()
{
    QFETCH(int, row);
    QFETCH(int, field);
    QFETCH(QString, tip);
    QFETCH(QVariant, background);
    PdfSetModel model;
    const QModelIndex cell = model.index(row, field);
    QCOMPARE(model.data(cell, Qt::ToolTipRole).toString(), tip);
    QCOMPARE(model.data(cell, Qt::StatusTipRole).toString(), tip);
    QCOMPARE(model.data(cell, Qt::BackgroundRole), background);
}

void TestPdfSetModel::setDataOnlyOnRuleRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("print") << 0 << false;
    QTest::newRow("output") << 1 << false;
    QTest::newRow("rule") << 2 << true;
}

void TestPdfSetModel::setDataOnlyOnRuleRow()
{
    QFETCH(int, row);
    QFETCH(bool, accepted);
    PdfSetModel model;
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    const QStringList rules{"trim", "left(3)"};
    QCOMPARE(model.setData(model.index(row, 4), rules), accepted);
    QCOMPARE(changed.count(), accepted ? 1 : 0);
    QCOMPARE(model.field(4).rules, accepted ? rules : QStringList());
    if (accepted)
        QCOMPARE(model.data(model.index(2, 4)).toString(), QString("trim+\nleft(3)"));
}

void TestPdfSetModel::drops_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<ItemDragEntry>>("entries");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QList<int>>("mapNums");
    QTest::addColumn<QStringList>("mappings");

    QTest::newRow("one input item") << 1 << QList<ItemDragEntry>{entry(1, 3, "合計金額")} << true
                                    << QList<int>{3} << QStringList{"合計金額"};
    QTest::newRow("two input items in payload order")
        << 1 << QList<ItemDragEntry>{entry(1, 5, "商品名"), entry(1, 2, "オプション")} << true
        << QList<int>{5, 2} << QStringList{"商品名", "オプション"};
    QTest::newRow("company field refused") << 1 << QList<ItemDragEntry>{entry(0, 0, "회사명")}
                                           << false << QList<int>{} << QStringList{};
    QTest::newRow("payload holding a company field refused whole")
        << 1 << QList<ItemDragEntry>{entry(1, 5, "商品名"), entry(0, 1, "판매처명")} << false
        << QList<int>{} << QStringList{};
    QTest::newRow("print row refused")
        << 0 << QList<ItemDragEntry>{entry(1, 3, "x")} << false << QList<int>{} << QStringList{};
    QTest::newRow("rule row refused")
        << 2 << QList<ItemDragEntry>{entry(1, 3, "x")} << false << QList<int>{} << QStringList{};
}

void TestPdfSetModel::drops()
{
    QFETCH(int, row);
    QFETCH(QList<ItemDragEntry>, entries);
    QFETCH(bool, accepted);
    QFETCH(QList<int>, mapNums);
    QFETCH(QStringList, mappings);
    PdfSetModel model;
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QScopedPointer<QMimeData> data(payload(entries));
    QCOMPARE(model.dropMimeData(data.data(), Qt::CopyAction, -1, -1, model.index(row, 11)),
             accepted);
    QCOMPARE(changed.count(), accepted ? 1 : 0);
    QCOMPARE(model.field(11).mapNums, mapNums);
    QCOMPARE(model.field(11).mappings, mappings);
    QCOMPARE(model.data(model.index(1, 11)).toString(),
             mappings.isEmpty() ? QString("[Auto]") : mappings.join("+\n"));
}

void TestPdfSetModel::setMappings_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("mapNums");
    QTest::addColumn<int>("changes");
    QTest::newRow("same list") << QStringList{"a", "b", "c"} << QList<int>{4, 7, 9} << 0;
    QTest::newRow("reversed") << QStringList{"c", "b", "a"} << QList<int>{9, 7, 4} << 1;
    QTest::newRow("one removed") << QStringList{"a", "c"} << QList<int>{4, 9} << 1;
    QTest::newRow("unknown name") << QStringList{"b", "z"} << QList<int>{7, 0} << 1;
    QTest::newRow("case matters") << QStringList{"A"} << QList<int>{0} << 1;
    QTest::newRow("all removed") << QStringList{} << QList<int>{} << 1;
}

void TestPdfSetModel::setMappings()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, mapNums);
    QFETCH(int, changes);
    PdfSetModel model;
    mapThree(model);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setMappings(model.index(1, 0), names);
    QCOMPARE(changed.count(), changes);
    QCOMPARE(model.field(0).mappings, names);
    QCOMPARE(model.field(0).mapNums, mapNums);
}

void TestPdfSetModel::separators()
{
    PdfSetModel model;
    const QModelIndex cell = model.index(1, 5);
    model.setSeparator(cell, " / ");
    QCOMPARE(model.separator(cell), QString(" / "));
    QCOMPARE(model.field(5).separator, QString(" / "));
    QCOMPARE(model.separator(QModelIndex()), QString());
    model.clearSeparator(cell);
    QCOMPARE(model.separator(cell), QString());
}

void TestPdfSetModel::togglePrint()
{
    PdfSetModel model;
    model.togglePrint(8);
    QVERIFY(model.isPrinted(8));
    QCOMPARE(model.data(model.index(0, 8), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    model.togglePrint(8);
    QVERIFY(!model.isPrinted(8));
    model.togglePrint(19);
    QVERIFY(!model.isPrinted(19));
}

void TestPdfSetModel::maxLineCount()
{
    PdfSetModel model;
    QCOMPARE(model.maxLineCount(1), 1);
    QCOMPARE(model.maxLineCount(2), 1);
    mapThree(model);
    model.setData(model.index(2, 6), QStringList{"trim", "left(3)"});
    QCOMPARE(model.maxLineCount(0), 1);
    QCOMPARE(model.maxLineCount(1), 3);
    QCOMPARE(model.maxLineCount(2), 2);
    QCOMPARE(model.maxLineCount(5), 1);
}

void TestPdfSetModel::clearResetsEveryField()
{
    PdfSetModel model;
    mapThree(model);
    model.togglePrint(0);
    model.setSeparator(model.index(1, 0), "-");
    model.setData(model.index(2, 0), QStringList{"trim"});
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.clear();
    QCOMPARE(reset.count(), 1);
    QVERIFY(model.field(0) == StatementField());
}

void TestPdfSetModel::saveAndLoadKeepEveryField()
{
    TestWorkingFolder folder;
    QVERIFY(folder.isValid());
    PdfSetModel model;
    mapThree(model);
    model.togglePrint(0);
    model.togglePrint(18);
    model.setSeparator(model.index(1, 0), "、");
    model.setData(model.index(2, 0), QStringList{"cutLeft(1)", "trim", "left(2)"});
    saveModel(model, "楽天 受注");

    PdfSetModel loaded;
    QSignalSpy reset(&loaded, &QAbstractItemModel::modelReset);
    loaded.load(stored("楽天 受注"));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(loaded.fields(), model.fields());
    QCOMPARE(loaded.field(0).mapNums, (QList<int>{4, 7, 9}));

    PdfSetModel missing;
    missing.load(stored("no such setting"));
    QList<StatementField> empty;
    for (int c = 0; c < 19; ++c)
        empty.append(StatementField());
    QCOMPARE(missing.fields(), empty);
}

QTEST_GUILESS_MAIN(TestPdfSetModel)
#include "tst_pdfsetmodel.moc"
