#include "statement/StatementBuilder.h"
#include "statement/StatementList.h"

#include <QtTest>

#include <limits>

Q_DECLARE_METATYPE(StatementField)
Q_DECLARE_METATYPE(StatementRecord)

namespace {

StatementField printedField(const QList<int> &mapNums, const QString &separator = QString(),
                            const QStringList &rules = QStringList())
{
    StatementField field;
    field.toPrint = true;
    field.mapNums = mapNums;
    for (const int n : mapNums)
        field.mappings.append(QString("col%1").arg(n));
    field.separator = separator;
    field.rules = rules;
    return field;
}

QList<StatementField> emptyFields()
{
    QList<StatementField> fields;
    for (int c = 0; c < StatementFields::Count; ++c)
        fields.append(StatementField());
    return fields;
}

// One product line, as a record built from one row has.
StatementRecord line(const QString &product, qint64 quantity, qint64 unitPrice, qint64 sum = 0)
{
    StatementRecord record;
    record.name = "name of " + product;
    record.productName = QStringList{product};
    record.productNumber = QStringList{"no-" + product};
    record.option = QStringList{"opt-" + product};
    record.quantity = {quantity};
    record.unitPrice = {unitPrice};
    record.subtotal = {0};
    record.sum = sum;
    return record;
}

void printAll(StatementList &list, bool printed = true)
{
    for (int c = 0; c < StatementFields::Count; ++c)
        list.setPrinted(c, printed);
}

} // namespace

class TestStatementList : public QObject
{
    Q_OBJECT
private slots:
    void buildsTextFields_data();
    void buildsTextFields();
    void buildsNumbers_data();
    void buildsNumbers();
    void unprintedFieldsStayEmpty();
    void mergeIntoAppendsFirstLine();
    void mergeIntoIgnoresBadIndexes();
    void mergeGroupsMatchesMergeInto_data();
    void mergeGroupsMatchesMergeInto();
    void totals_data();
    void totals();
    void totalsNeedAPrintedTotalField();
    void linesBeyondTheLimitCountInTotals_data();
    void linesBeyondTheLimitCountInTotals();
    void flags();
};

void TestStatementList::buildsTextFields_data()
{
    QTest::addColumn<StatementField>("field");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("expected");
    const QStringList row{"山田", "太郎", "  東京都  ", "2024-05-01 10:00"};
    QTest::newRow("one column") << printedField({0}) << row << "山田";
    QTest::newRow("joined with separator") << printedField({0, 1}, " ") << row << "山田 太郎";
    QTest::newRow("mapped order kept") << printedField({1, 0}, "・") << row << "太郎・山田";
    QTest::newRow("column beyond the row is empty") << printedField({0, 9}, "+") << row << "山田+";
    QTest::newRow("rules in order")
        << printedField({2}, QString(), {"trim", "cutLeft(1)"}) << row << "京都";
    QTest::newRow("no mapping") << printedField({}) << row << "";
}

void TestStatementList::buildsTextFields()
{
    QFETCH(StatementField, field);
    QFETCH(QStringList, row);
    QFETCH(QString, expected);
    QList<StatementField> fields = emptyFields();
    fields[StatementFields::Name] = field;
    fields[StatementFields::ProductName] = field;
    const StatementRecord record = StatementBuilder(fields).buildStatementRecord(row);
    QCOMPARE(record.name, expected);
    QCOMPARE(record.productName, QStringList{expected});
    QCOMPARE(record.option, QStringList{QString()});
}

void TestStatementList::buildsNumbers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<qint64>("quantity");
    QTest::addColumn<qint64>("amount");
    QTest::newRow("plain") << "12" << qint64(12) << qint64(12);
    QTest::newRow("blanks and sign") << " -7 " << qint64(-7) << qint64(-7);
    QTest::newRow("empty quantity is one") << "" << qint64(1) << qint64(0);
    QTest::newRow("thousands separator") << "1,000" << qint64(0) << qint64(0);
    QTest::newRow("fraction") << "12.5" << qint64(0) << qint64(0);
    QTest::newRow("full-width digits") << "１２" << qint64(0) << qint64(0);
    QTest::newRow("beyond 32 bits") << "2147483648" << qint64(0) << qint64(0);
    QTest::newRow("largest 32-bit") << "2147483647" << qint64(2147483647) << qint64(2147483647);
}

void TestStatementList::buildsNumbers()
{
    QFETCH(QString, value);
    QFETCH(qint64, quantity);
    QFETCH(qint64, amount);
    QList<StatementField> fields = emptyFields();
    for (int c = StatementFields::Quantity; c <= StatementFields::Payment; ++c)
        fields[c] = printedField({0});
    const StatementRecord record = StatementBuilder(fields).buildStatementRecord({value});
    QCOMPARE(record.quantity, QList<qint64>{quantity});
    QCOMPARE(record.unitPrice, QList<qint64>{amount});
    QCOMPARE(record.subtotal, QList<qint64>{amount});
    for (const qint64 v : {record.sum, record.tax, record.shippingCharge, record.codCharge,
                           record.totalSum, record.coupon, record.point, record.payment})
        QCOMPARE(v, amount);
}

void TestStatementList::unprintedFieldsStayEmpty()
{
    QList<StatementField> fields = emptyFields();
    for (StatementField &field : fields) {
        field = printedField({0});
        field.toPrint = false;
    }
    const StatementRecord record = StatementBuilder(fields).buildStatementRecord({"42"});
    StatementRecord expected;
    expected.productName = QStringList{QString()};
    expected.productNumber = QStringList{QString()};
    expected.option = QStringList{QString()};
    expected.quantity = {1};
    expected.unitPrice = {0};
    expected.subtotal = {0};
    QVERIFY(record == expected);
}

void TestStatementList::mergeIntoAppendsFirstLine()
{
    StatementList list;
    list.append(line("a", 1, 100, 5000));
    list.append(line("x", 9, 9));
    StatementRecord b = line("b", 2, 200, 7000);
    b.productName.append("second line is dropped");
    list.append(b);
    list.append(line("c", 3, 300));
    list.mergeInto(0, 2);
    list.mergeInto(0, 2);
    QCOMPARE(list.count(), 2);
    const StatementRecord merged = list.record(0);
    QCOMPARE(merged.productName, (QStringList{"a", "b", "c"}));
    QCOMPARE(merged.productNumber, (QStringList{"no-a", "no-b", "no-c"}));
    QCOMPARE(merged.quantity, (QList<qint64>{1, 2, 3}));
    QCOMPARE(merged.unitPrice, (QList<qint64>{100, 200, 300}));
    QCOMPARE(merged.sum, qint64(5000));
    QCOMPARE(merged.name, QString("name of a"));
    QCOMPARE(list.record(1).productName, QStringList{"x"});

    StatementRecord empty;
    list.append(empty);
    list.mergeInto(1, 2);
    QCOMPARE(list.record(1).productName, (QStringList{"x", ""}));
    QCOMPARE(list.record(1).quantity, (QList<qint64>{9, 0}));
}

void TestStatementList::mergeIntoIgnoresBadIndexes()
{
    StatementList list;
    list.append(line("a", 1, 1));
    list.append(line("b", 1, 1));
    list.mergeInto(0, 0);
    list.mergeInto(0, 5);
    list.mergeInto(-1, 1);
    list.removeAt(7);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.record(9).productName, QStringList());
}

void TestStatementList::mergeGroupsMatchesMergeInto_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("no duplicates") << QStringList{"a", "b", "c"};
    QTest::newRow("all one order") << QStringList{"a", "a", "a", "a"};
    QTest::newRow("interleaved") << QStringList{"a", "b", "a", "c", "b", "a", "d", "c"};
    QTest::newRow("empty") << QStringList{};
    QStringList many;
    for (int i = 0; i < 300; ++i)
        many.append(QString::number((i * 7919) % 37));
    QTest::newRow("300 rows over 37 orders") << many;
}

void TestStatementList::mergeGroupsMatchesMergeInto()
{
    QFETCH(QStringList, keys);
    StatementList quadratic;
    StatementList linear;
    for (int i = 0; i < keys.size(); ++i) {
        const StatementRecord record = line(QString("p%1").arg(i), i + 1, 10 * i, i);
        quadratic.append(record);
        linear.append(record);
    }

    // The row-by-row scan: every later duplicate of row i is removed and
    // merged into it at once.
    QStringList rows = keys;
    for (int i = 0; i < rows.size(); ++i) {
        for (int j = i + 1; j < rows.size();) {
            if (rows.at(j) == rows.at(i)) {
                rows.removeAt(j);
                quadratic.mergeInto(i, j);
            } else {
                ++j;
            }
        }
    }

    // The same groups found in one pass.
    QVector<QVector<int>> groups;
    QHash<QString, int> groupOf;
    for (int i = 0; i < keys.size(); ++i) {
        const auto found = groupOf.constFind(keys.at(i));
        if (found == groupOf.cend()) {
            groupOf.insert(keys.at(i), groups.size());
            groups.append(QVector<int>{i});
        } else {
            groups[found.value()].append(i);
        }
    }
    linear.mergeGroups(groups);

    QCOMPARE(linear.count(), quadratic.count());
    QCOMPARE(linear.count(), rows.size());
    for (int k = 0; k < linear.count(); ++k)
        QVERIFY2(linear.at(k) == quadratic.at(k), qPrintable(QString("record %1").arg(k)));
}

void TestStatementList::totals_data()
{
    QTest::addColumn<StatementRecord>("record");
    QTest::addColumn<QList<qint64>>("subtotals");
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<qint64>("totalSum");
    QTest::addColumn<qint64>("payment");

    StatementRecord lines = line("a", 3, 1200);
    lines.productName.append("b");
    lines.quantity.append(2);
    lines.unitPrice.append(500);
    lines.subtotal.append(0);
    lines.tax = 100;
    lines.shippingCharge = 600;
    lines.codCharge = 300;
    lines.point = 50;
    lines.coupon = 20;
    QTest::newRow("computed from lines")
        << lines << QList<qint64>{3600, 1000} << qint64(4600) << qint64(5600) << qint64(5530);

    StatementRecord mapped = line("a", 3, 1200, 9999);
    mapped.subtotal = {1};
    mapped.totalSum = 5;
    mapped.payment = -3;
    QTest::newRow("mapped values kept")
        << mapped << QList<qint64>{1} << qint64(9999) << qint64(5) << qint64(-3);

    StatementRecord missing = line("a", 3, 1200);
    missing.unitPrice.clear();
    QTest::newRow("missing unit price counts as 0")
        << missing << QList<qint64>{0} << qint64(0) << qint64(0) << qint64(0);

    const qint64 max32 = std::numeric_limits<qint32>::max();
    StatementRecord large = line("a", max32, max32);
    large.productName.append("b");
    large.quantity.append(2);
    large.unitPrice.append(max32);
    large.subtotal.append(0);
    large.shippingCharge = max32;
    const qint64 big = max32 * max32 + 2 * max32;
    QTest::newRow("beyond 32 bits")
        << large << QList<qint64>{max32 * max32, 2 * max32} << big << big + max32 << big + max32;

    StatementRecord huge = line("a", max32, max32);
    for (const char *name : {"b", "c"}) {
        huge.productName.append(name);
        huge.quantity.append(max32);
        huge.unitPrice.append(max32);
        huge.subtotal.append(0);
    }
    huge.point = -max32;
    const qint64 max64 = std::numeric_limits<qint64>::max();
    const qint64 square = max32 * max32;
    QTest::newRow("beyond 64 bits stops at the limit")
        << huge << QList<qint64>{square, square, square} << max64 << max64 << max64;
}

void TestStatementList::totals()
{
    QFETCH(StatementRecord, record);
    QFETCH(QList<qint64>, subtotals);
    QFETCH(qint64, sum);
    QFETCH(qint64, totalSum);
    QFETCH(qint64, payment);
    StatementList list;
    list.setPrinted(StatementFields::Payment, true);
    list.append(record);
    list.computeTotals();
    QCOMPARE(list.at(0).subtotal, subtotals);
    QCOMPARE(list.at(0).sum, sum);
    QCOMPARE(list.at(0).totalSum, totalSum);
    QCOMPARE(list.at(0).payment, payment);
}

void TestStatementList::totalsNeedAPrintedTotalField()
{
    StatementList list;
    printAll(list);
    for (const int c : {StatementFields::Subtotal, StatementFields::Sum, StatementFields::TotalSum,
                        StatementFields::Payment})
        list.setPrinted(c, false);
    list.append(line("a", 2, 300));
    list.computeTotals();
    QCOMPARE(list.at(0).subtotal, QList<qint64>{0});
    QCOMPARE(list.at(0).sum, qint64(0));

    list.setPrinted(StatementFields::Subtotal, true);
    list.computeTotals();
    QCOMPARE(list.at(0).subtotal, QList<qint64>{600});
    QCOMPARE(list.at(0).payment, qint64(600));
}

void TestStatementList::linesBeyondTheLimitCountInTotals_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QList<qint64>>("quantities");
    QTest::addColumn<QList<qint64>>("subtotals"); // 0: quantity times the unit price
    const qint64 max32 = std::numeric_limits<qint32>::max();
    const qint64 min32 = std::numeric_limits<qint32>::min();
    QTest::newRow("within the limit") << 5 << QList<qint64>{1, 2, 3} << QList<qint64>{0, 0, 0};
    QTest::newRow("beyond the limit") << 3 << QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                                      << QList<qint64>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("mapped subtotals beyond the limit")
        << 2 << QList<qint64>{1, 2, 3, 4} << QList<qint64>{0, 7, 0, -11};
    // Saturating sums depend on their order: the lines count in line order.
    QTest::newRow("sums at the end of 64 bits")
        << 1 << QList<qint64>{max32, max32, max32, 1} << QList<qint64>{0, 0, 0, min32};
}

// A record keeps as many lines as a page can show; the rest are dropped but
// count towards the totals as they would kept.
void TestStatementList::linesBeyondTheLimitCountInTotals()
{
    QFETCH(int, limit);
    QFETCH(QList<qint64>, quantities);
    QFETCH(QList<qint64>, subtotals);
    StatementList kept;
    StatementList limited;
    limited.setLineLimit(limit);
    for (StatementList *list : {&kept, &limited}) {
        list->setPrinted(StatementFields::Payment, true);
        for (int k = 0; k < quantities.size(); ++k) {
            StatementRecord record =
                line(QString::number(k), quantities.at(k), std::numeric_limits<qint32>::max());
            record.subtotal = {subtotals.at(k)};
            if (k == 0)
                list->append(record);
            else
                list->appendFirstLine(0, record);
        }
        list->computeTotals();
    }
    const StatementRecord &all = kept.at(0);
    const StatementRecord &some = limited.at(0);
    const int shown = qMin(limit, int(quantities.size()));
    QCOMPARE(some.productName, all.productName.mid(0, shown));
    QCOMPARE(some.subtotal, all.subtotal.mid(0, shown));
    QCOMPARE(some.hiddenLines, int(quantities.size()) - shown);
    QCOMPARE(some.sum, all.sum);
    QCOMPARE(some.totalSum, all.totalSum);
    QCOMPARE(some.payment, all.payment);
}

void TestStatementList::flags()
{
    StatementList list;
    list.setPrinted(3, true);
    list.setPrinted(40, true);
    QVERIFY(list.isPrinted(3));
    QVERIFY(!list.isPrinted(4));
    QVERIFY(!list.isPrinted(40));

    StatementOptions options;
    options.printStoreSite = true;
    options.printStoreFax = true;
    list.setCompanyFlags(options);
    // company name, store name, postal code, address, store site, tel, fax, e-mail
    const QList<bool> expected{false, false, false, false, true, false, true, false};
    for (int line = 0; line < expected.size(); ++line)
        QCOMPARE(list.companyFlag(line), expected.at(line));

    list.append(StatementRecord());
    list.clear();
    QCOMPARE(list.count(), 0);
    QVERIFY(list.isPrinted(3));
}

QTEST_GUILESS_MAIN(TestStatementList)
#include "tst_statementlist.moc"
