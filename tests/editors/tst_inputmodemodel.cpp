#include "support/SourceKinds.h"
#include "support/TestWorkingFolder.h"

#include "editors/ModelStore.h"
#include "editors/models/InputModeModel.h"
#include "editors/models/ItemDragPayload.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

using Rows = QList<QStringList>;
Q_DECLARE_METATYPE(Rows)

namespace {

// "a,b,,c" -> {"a", "b", "", "c"}; rows separated by "|". Keeps the tables short.
QStringList cells(const QString &text)
{
    return text.split(QLatin1Char(','));
}

Rows table(const QString &text)
{
    Rows rows;
    for (const QString &line : text.split(QLatin1Char('|')))
        rows.append(line == QLatin1String("<>") ? QStringList() : cells(line));
    return rows;
}

// The join written as the plain row-by-row comparison, inserting behind each row.
Rows joinByComparison(Rows rows, const Rows &file, int targetKey, int key)
{
    QStringList part = file.first();
    part.removeAt(key);
    rows[0] += part;
    for (int r = 1; r < rows.size(); ++r) {
        int count = 0;
        for (int j = 1; j < file.size(); ++j) {
            if (file.at(j).value(key) != rows.at(r).value(targetKey))
                continue;
            QStringList record = file.at(j);
            if (key < record.size())
                record.removeAt(key);
            ++count;
            rows.insert(r + count, rows.at(r) + record);
        }
        if (count > 0) {
            rows.removeAt(r);
            r += count - 1;
        }
    }
    return rows;
}

InputForm form(const QString &name, const QStringList &heads, int targetKey, int key)
{
    InputForm f;
    f.name = name;
    f.heads = heads;
    f.targetKey = targetKey;
    f.key = key;
    return f;
}

} // namespace

class InputModeModelTest : public QObject
{
    Q_OBJECT
private slots:
    void setFirstForm_data();
    void setFirstForm();
    void joinForm_data();
    void joinForm();
    void joinRefusesKeysOutOfRange_data();
    void joinRefusesKeysOutOfRange();
    void joinMatchesRowByRowComparison_data();
    void joinMatchesRowByRowComparison();
    void severalJoins();
    void largeJoin();
    void appendDataRows();
    void clear();
    void saveAndLoad();
    void loadKeepsWhatIsThere();
    void viewFace();
    void mimeData();
    void removeRows_data();
    void removeRows();
    void passesTheModelTester();
};

void InputModeModelTest::setFirstForm_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("formNames");
    QTest::newRow("csv") << QStringLiteral("orders.csv") << QStringList{"orders"};
    QTest::newRow("two dots") << QStringLiteral("orders.2024.csv") << QStringList{"orders.2024"};
    QTest::newRow("no dot") << QStringLiteral("orders") << QStringList{"orders"};
    QTest::newRow("japanese") << QStringLiteral("注文一覧.CSV") << QStringList{"注文一覧"};
    QTest::newRow("empty") << QString() << QStringList{};
}

void InputModeModelTest::setFirstForm()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, formNames);
    InputModeModel model;
    QVERIFY(model.isEmpty());
    QCOMPARE(model.header(), QStringList());
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    const Rows file = table("A,B,K|1,2,x|3,4,y");
    model.setFirstForm(file, fileName);
    QCOMPARE(resets.count(), 1);
    QVERIFY(!model.isEmpty());
    QCOMPARE(model.rows(), file);
    QCOMPARE(model.header(), cells("A,B,K"));
    QCOMPARE(model.row(2), cells("3,4,y"));
    QCOMPARE(model.row(3), QStringList());
    QCOMPARE(model.formNames(), formNames);
    if (!formNames.isEmpty()) {
        QCOMPARE(model.forms().first(), form(formNames.first(), cells("A,B,K"), -1, -1));
    }

    // A second first file replaces the rows; the forms stay.
    model.setFirstForm(table("Z|9"), QStringLiteral("next.csv"));
    QCOMPARE(model.rows(), table("Z|9"));
    QCOMPARE(model.formNames(), formNames + QStringList{"next"});

    // A file without any line reads as an empty header.
    model.setFirstForm(Rows(), QString());
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.header(), QStringList());
}

void InputModeModelTest::joinForm_data()
{
    QTest::addColumn<Rows>("current");
    QTest::addColumn<Rows>("file");
    QTest::addColumn<int>("targetKey");
    QTest::addColumn<int>("key");
    QTest::addColumn<Rows>("expected");

    QTest::newRow("fan-out in file order, unmatched kept, unmatched records dropped")
        << table("A,B,K|1,2,x|3,4,y") << table("K2,C|x,c1|x,c2|z,c3") << 2 << 0
        << table("A,B,K,C|1,2,x,c1|1,2,x,c2|3,4,y");
    QTest::newRow("key column in the middle")
        << table("A,K|1,x") << table("C,K2,D|c,x,d|e,y,f") << 1 << 1 << table("A,K,C,D|1,x,c,d");
    QTest::newRow("every row fans out, rows keep their order")
        << table("K,A|a,1|b,2|a,3") << table("K,C|a,p|b,q|a,r") << 0 << 0
        << table("K,A,C|a,1,p|a,1,r|b,2,q|a,3,p|a,3,r");
    QTest::newRow("an empty key cell matches an empty key cell")
        << table("A,K|1,|2,k|3,") << table("K,C|,e1|k,e2|,e3") << 1 << 0
        << table("A,K,C|1,,e1|1,,e3|2,k,e2|3,,e1|3,,e3");
    QTest::newRow("a missing key cell reads as empty")
        << table("A,K|5|6,k") << table("K,C|,e|k,f") << 1 << 0 << table("A,K,C|5,,e|6,k,f");
    QTest::newRow("a record without the key column is taken whole")
        << table("A,K|1,") << table("C,K|only") << 1 << 1 << table("A,K,C|1,,only");
    QTest::newRow("comparison is exact and case-sensitive")
        << table("A,K|1,x|2, x|3,X") << table("K,C|x,c") << 1 << 0 << table("A,K,C|1,x,c|2, x|3,X");
    QTest::newRow("no row matches")
        << table("A,K|1,x") << table("K,C|y,c") << 1 << 0 << table("A,K,C|1,x");
    QTest::newRow("header only file")
        << table("A,K|1,x") << table("K,C") << 1 << 0 << table("A,K,C|1,x");
    QTest::newRow("no data rows") << table("A,K") << table("K,C|x,c") << 1 << 0 << table("A,K,C");
    QTest::newRow("a short joined row is padded under its header")
        << table("A,B,K|1") << table("A2,C|1,c") << 0 << 0 << table("A,B,K,C|1,,,c");
    QTest::newRow("longer records keep their extra cells")
        << table("A,K|1,x") << table("K,C|x,c,extra") << 1 << 0 << table("A,K,C|1,x,c,extra");
}

void InputModeModelTest::joinForm()
{
    QFETCH(Rows, current);
    QFETCH(Rows, file);
    QFETCH(int, targetKey);
    QFETCH(int, key);
    QFETCH(Rows, expected);
    InputModeModel model;
    model.setFirstForm(current, QStringLiteral("orders.csv"));
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QVERIFY(model.joinForm(file, targetKey, key, QStringLiteral("lines.csv")));
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rows(), expected);
    QCOMPARE(model.forms().size(), 2);
    QCOMPARE(model.forms().at(1), form(QStringLiteral("lines"), file.first(), targetKey, key));

    // Without a file name no form is recorded.
    InputModeModel unnamed;
    unnamed.setFirstForm(current, QString());
    QVERIFY(unnamed.joinForm(file, targetKey, key, QString()));
    QCOMPARE(unnamed.rows(), expected);
    QVERIFY(unnamed.forms().isEmpty());
}

void InputModeModelTest::joinRefusesKeysOutOfRange_data()
{
    QTest::addColumn<Rows>("file");
    QTest::addColumn<int>("targetKey");
    QTest::addColumn<int>("key");
    QTest::newRow("targetKey equals the column count") << table("K,C|x,c") << 3 << 0;
    QTest::newRow("targetKey beyond") << table("K,C|x,c") << 100 << 0;
    QTest::newRow("key equals the header length") << table("K,C|x,c") << 2 << 2;
    QTest::newRow("negative targetKey") << table("K,C|x,c") << -1 << 0;
    QTest::newRow("negative key") << table("K,C|x,c") << 2 << -1;
    QTest::newRow("file without a line") << Rows() << 2 << 0;
    QTest::newRow("empty header") << table("<>|x,c") << 2 << 0;
}

void InputModeModelTest::joinRefusesKeysOutOfRange()
{
    QFETCH(Rows, file);
    QFETCH(int, targetKey);
    QFETCH(int, key);
    InputModeModel model;
    const Rows before = table("A,B,K|1,2,x|3,4,y");
    model.setFirstForm(before, QStringLiteral("orders.csv"));
    QSignalSpy resets(&model, &QAbstractItemModel::modelAboutToBeReset);
    QVERIFY(!model.joinForm(file, targetKey, key, QStringLiteral("lines.csv")));
    QCOMPARE(resets.count(), 0);
    QCOMPARE(model.rows(), before);
    QCOMPARE(model.formNames(), QStringList{"orders"});

    InputModeModel empty;
    QVERIFY(!empty.joinForm(table("K,C|x,c"), 0, 0, QStringLiteral("lines.csv")));
    QVERIFY(empty.isEmpty());
    QVERIFY(empty.forms().isEmpty());
}

void InputModeModelTest::joinMatchesRowByRowComparison_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 12; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void InputModeModelTest::joinMatchesRowByRowComparison()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    // Few distinct keys (the empty one among them) make fan-out and misses common.
    const QStringList keys{QString(), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("A")};
    auto anyKey = [&] { return keys.at(random.bounded(keys.size())); };
    const int width = 1 + random.bounded(4);
    const int targetKey = random.bounded(width);
    Rows rows{QStringList()};
    for (int c = 0; c < width; ++c)
        rows[0].append(QStringLiteral("H%1").arg(c));
    for (int r = random.bounded(30); r > 0; --r) {
        QStringList row;
        for (int c = 0; c < width; ++c)
            row.append(c == targetKey ? anyKey() : QStringLiteral("v%1").arg(r));
        rows.append(row);
    }
    const int fileWidth = 1 + random.bounded(4);
    const int key = random.bounded(fileWidth);
    Rows file{QStringList()};
    for (int c = 0; c < fileWidth; ++c)
        file[0].append(QStringLiteral("F%1").arg(c));
    for (int j = random.bounded(30); j > 0; --j) {
        QStringList record;
        // Records of any length, some without the key column.
        for (int c = random.bounded(fileWidth + 2); c > 0; --c)
            record.append(record.size() == key ? anyKey() : QStringLiteral("f%1").arg(j));
        file.append(record);
    }

    InputModeModel model;
    model.setFirstForm(rows, QString());
    QVERIFY(model.joinForm(file, targetKey, key, QString()));
    QCOMPARE(model.rows(), joinByComparison(rows, file, targetKey, key));
}

void InputModeModelTest::severalJoins()
{
    InputModeModel model;
    model.setFirstForm(table("No,Name|1,a|2,b|3,c"), QStringLiteral("orders.csv"));
    QCOMPARE(model.firstColumnOfForm(0), 0);

    // Lines: two for order 1, none for 2, one for 3; one for an unknown order.
    QVERIFY(model.joinForm(table("Item,No,Qty|p,1,1|q,1,2|r,3,5|s,9,9"), 0, 1,
                           QStringLiteral("lines.csv")));
    QCOMPARE(model.header(), cells("No,Name,Item,Qty"));
    QCOMPARE(model.firstColumnOfForm(1), 2);

    // Products joined on the item column of the first join (column 2 now).
    QVERIFY(model.joinForm(table("Code,Price,Stock|p,100,y|p,110,n|r,300,y"), 2, 0,
                           QStringLiteral("products.csv")));
    QCOMPARE(model.header(), cells("No,Name,Item,Qty,Price,Stock"));
    QCOMPARE(model.firstColumnOfForm(2), 2 + 3 - 1);
    QCOMPARE(model.firstColumnOfForm(2), 4);
    QCOMPARE(model.rows().mid(1), table("1,a,p,1,100,y|1,a,p,1,110,n|1,a,q,2|2,b|3,c,r,5,300,y"));
    QCOMPARE(model.formNames(), (QStringList{"orders", "lines", "products"}));
    QCOMPARE(model.forms().at(2),
             form(QStringLiteral("products"), cells("Code,Price,Stock"), 2, 0));

    // Rows longer than the header after a join still line up for the next form.
    QCOMPARE(model.columnCount(), 6);
}

void InputModeModelTest::largeJoin()
{
    // Each order has one line, every tenth has a second and every hundredth none;
    // the join must stay linear in rows + records + result.
    constexpr int orders = 200000;
    Rows main{cells("No,Name")};
    Rows lines{cells("No,Item")};
    main.reserve(orders + 1);
    lines.reserve(orders + orders / 10 + 1);
    int expected = 0;
    for (int i = 0; i < orders; ++i) {
        const QString no = QString::number(i);
        main.append({no, QStringLiteral("name") + no});
        if (i % 100 == 0) {
            ++expected;
            continue;
        }
        lines.append({no, QStringLiteral("first")});
        ++expected;
        if (i % 10 == 0) {
            lines.append({no, QStringLiteral("second")});
            ++expected;
        }
    }
    InputModeModel model;
    model.setFirstForm(std::move(main), QStringLiteral("orders.csv"));
    QVERIFY(model.joinForm(lines, 0, 0, QStringLiteral("lines.csv")));
    QCOMPARE(model.rowCount(), expected + 1);
    QCOMPARE(model.row(1), cells("0,name0"));
    QCOMPARE(model.row(2), cells("1,name1,first"));
    QCOMPARE(model.row(11), cells("10,name10,first"));
    QCOMPARE(model.row(12), cells("10,name10,second"));
    QCOMPARE(model.rows().last(), cells("199999,name199999,first"));
}

void InputModeModelTest::appendDataRows()
{
    InputModeModel model;
    model.setFirstForm(table("A,B|1,2"), QStringLiteral("a.csv"));
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.appendDataRows(table("A,B|3,4|5"));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.first().at(1).toInt(), 2);
    QCOMPARE(inserted.first().at(2).toInt(), 3);
    QCOMPARE(model.rows(), table("A,B|1,2|3,4|5"));
    QCOMPARE(model.formNames(), QStringList{"a"});

    model.appendDataRows(table("A,B"));
    model.appendDataRows(Rows());
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(model.rowCount(), 4);
}

void InputModeModelTest::clear()
{
    InputModeModel model;
    QSignalSpy resets(&model, &QAbstractItemModel::modelAboutToBeReset);
    model.clear();
    QCOMPARE(resets.count(), 0);

    model.setFirstForm(table("A|1"), QStringLiteral("a.csv"));
    resets.clear();
    model.clear();
    QCOMPARE(resets.count(), 1);
    QVERIFY(model.isEmpty());
    QVERIFY(model.formNames().isEmpty());
    model.clear();
    QCOMPARE(resets.count(), 1);

    // Forms alone still count.
    model.setFirstForm(Rows(), QStringLiteral("a.csv"));
    model.removeRows(0, 1);
    QVERIFY(model.isEmpty());
    resets.clear();
    model.clear();
    QCOMPARE(resets.count(), 1);
    QVERIFY(model.forms().isEmpty());
}

void InputModeModelTest::saveAndLoad()
{
    TestWorkingFolder folder;
    InputModeModel model;
    model.setFirstForm(table("A,B,K|1,2,x|3,4,y|5,6,z"), QStringLiteral("orders.csv"));
    QVERIFY(model.joinForm(table("K2,C|x,c1|x,c2"), 2, 0, QStringLiteral("lines.csv")));
    saveModel(model, QStringLiteral("S"));

    InputModeModel loaded;
    loaded.load(stored(QStringLiteral("S")));
    QCOMPARE(loaded.rows(), table("A,B,K,C|1,2,x,c1|1,2,x,c2"));
    QCOMPARE(loaded.forms(), model.forms());
    QCOMPARE(loaded.firstColumnOfForm(1), 3);

    // Only a header: the example rows are not added.
    InputModeModel headerOnly;
    headerOnly.setFirstForm(table("A,B"), QStringLiteral("a.csv"));
    saveModel(headerOnly, QStringLiteral("H"));
    InputModeModel back;
    back.load(stored(QStringLiteral("H")));
    QCOMPARE(back.rows(), table("A,B"));

    // Nothing stored: the empty header is still row 0.
    InputModeModel none;
    none.load(stored(QStringLiteral("missing")));
    QCOMPARE(none.rowCount(), 1);
    QCOMPARE(none.header(), QStringList());
    QVERIFY(none.forms().isEmpty());
}

void InputModeModelTest::loadKeepsWhatIsThere()
{
    TestWorkingFolder folder;
    InputModeModel model;
    model.setFirstForm(table("A|1|2"), QStringLiteral("a.csv"));
    saveModel(model, QStringLiteral("S"));
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.load(stored(QStringLiteral("S")));
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rows(), table("A|1|2|A|1|2"));
    QCOMPARE(model.formNames(), (QStringList{"a", "a"}));
}

void InputModeModelTest::viewFace()
{
    InputModeModel model;
    model.setFirstForm(table("注文番号,B,C|1,2,3|4"), QString());
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    QCOMPARE(model.columnCount(model.index(0, 0)), 0);
    QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("注文番号"));
    QCOMPARE(model.data(model.index(2, 0)).toString(), QStringLiteral("4"));
    QCOMPARE(model.data(model.index(2, 2)).toString(), QString());
    QVERIFY(!model.data(model.index(1, 1), Qt::EditRole).isValid());
    QVERIFY(!model.data(model.index(1, 1), Qt::ToolTipRole).isValid());
    QVERIFY(!model.data(QModelIndex()).isValid());

    QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("Item"));
    QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QStringLiteral("Ex 1"));
    QCOMPARE(model.headerData(2, Qt::Vertical).toString(), QStringLiteral("Ex 2"));
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("A"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("C"));
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());

    QCOMPARE(model.flags(model.index(0, 1)),
             Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled);
    QCOMPARE(model.flags(model.index(1, 1)), Qt::NoItemFlags);
    QCOMPARE(model.flags(model.index(2, 2)), Qt::NoItemFlags);
    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
    QCOMPARE(model.mimeTypes(), QStringList{ItemDragPayload::mimeType()});

    InputModeModel wide;
    QStringList header;
    for (int i = 0; i < 30; ++i)
        header.append(QString::number(i));
    wide.setFirstForm({header}, QString());
    QCOMPARE(wide.headerData(26, Qt::Horizontal).toString(), QStringLiteral("AA"));
    QCOMPARE(wide.headerData(29, Qt::Horizontal).toString(), QStringLiteral("AD"));
}

void InputModeModelTest::mimeData()
{
    InputModeModel model;
    model.setFirstForm(table("注文番号,B,C,D|1,2,3,4"), QString());
    const QModelIndexList dragged{model.index(0, 3), model.index(0, 0)};
    std::unique_ptr<QMimeData> mime(model.mimeData(dragged));
    QVERIFY(mime);
    QCOMPARE(mime->formats(),
             QStringList{QStringLiteral("application/x-qabstractitemmodeldatalist")});
    const QList<ItemDragEntry> entries =
        ItemDragPayload::decode(mime->data(ItemDragPayload::mimeType()));
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).kind, kind(1));
    QCOMPARE(entries.at(0).code, 3);
    QCOMPARE(entries.at(0).text, QStringLiteral("D"));
    QCOMPARE(entries.at(1).kind, kind(1));
    QCOMPARE(entries.at(1).code, 0);
    QCOMPARE(entries.at(1).text, QStringLiteral("注文番号"));
    QVERIFY(!model.mimeData({}));
}

void InputModeModelTest::removeRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("done");
    QTest::addColumn<Rows>("left");
    const Rows all = table("H|1|2|3|4");
    QTest::newRow("cut back to three rows") << 3 << 2 << true << table("H|1|2");
    QTest::newRow("last row") << 4 << 1 << true << table("H|1|2|3");
    QTest::newRow("the header too") << 0 << 5 << true << Rows();
    QTest::newRow("ends beyond the last row") << 3 << 3 << false << all;
    QTest::newRow("starts beyond") << 5 << 1 << false << all;
    QTest::newRow("negative row") << -1 << 2 << false << all;
    QTest::newRow("nothing") << 1 << 0 << false << all;
}

void InputModeModelTest::removeRows()
{
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(bool, done);
    QFETCH(Rows, left);
    InputModeModel model;
    model.setFirstForm(table("H|1|2|3|4"), QString());
    QCOMPARE(model.removeRows(row, count), done);
    QCOMPARE(model.rows(), left);
}

void InputModeModelTest::passesTheModelTester()
{
    TestWorkingFolder folder;
    InputModeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setFirstForm(table("A,B,K|1,2,x|3,4,y"), QStringLiteral("orders.csv"));
    QVERIFY(model.joinForm(table("K2,C|x,c1|x,c2|z,c3"), 2, 0, QStringLiteral("lines.csv")));
    model.appendDataRows(table("A,B,K,C|5,6,z,d|7"));
    QVERIFY(model.removeRows(3, 2));
    saveModel(model, QStringLiteral("S"));
    model.clear();
    model.appendDataRows(table("ignored|A,B|1,2"));
    model.load(stored(QStringLiteral("S")));
    QVERIFY(model.removeRows(0, 1));
    model.clear();
    model.load(stored(QStringLiteral("S")));
}

QTEST_GUILESS_MAIN(InputModeModelTest)
#include "tst_inputmodemodel.moc"
