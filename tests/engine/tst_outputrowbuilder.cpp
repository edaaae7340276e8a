#include "engine/OutputRowBuilder.h"
#include "support/SourceKinds.h"

#include "engine/EngineTestSupport.h"

#include <QtTest>

using EngineTest::addCondition;
using EngineTest::inputItem;

// One output item as a test column.
struct ItemCase
{
    OutputItem item;
};
Q_DECLARE_METATYPE(ItemCase)

namespace {
ItemCase itemCase(const OutputItem &item)
{
    return ItemCase{item};
}
} // namespace

class TestOutputRowBuilder : public QObject
{
    Q_OBJECT
private slots:
    void buildOutputRow_data();
    void buildOutputRow();
    void everyItemGivesOneValue();
};

void TestOutputRowBuilder::buildOutputRow_data()
{
    QTest::addColumn<ItemCase>("item");
    QTest::addColumn<QStringList>("inputRow");
    QTest::addColumn<QString>("value");

    const QStringList row{"a", "b", "", "d", " 42 "};
    QTest::newRow("no sources, no rules") << itemCase(inputItem("x", {})) << row << "";
    QTest::newRow("one input item") << itemCase(inputItem("x", {3})) << row << "d";
    QTest::newRow("two items joined") << itemCase(inputItem("x", {0, 1}, " / ")) << row << "a / b";
    QTest::newRow("a missing second value still gets the separator")
        << itemCase(inputItem("x", {0, 9}, " / ")) << row << "a / ";
    QTest::newRow("two empty parts joined") << itemCase(inputItem("x", {2, 9}, "-")) << row << "-";
    {
        OutputItem item = inputItem("x", {3});
        item.mapSources = kinds({0, 1});
        item.mapNums = {1, 3};
        item.separator = ":";
        QTest::newRow("company field and input item") << itemCase(item) << row << "Rowsmith Shop:d";
    }
    {
        OutputItem item = inputItem("x", {0});
        item.mapSources.clear(); // a kind missing from the list is a company field
        QTest::newRow("missing kind reads as company") << itemCase(item) << row << "Rowsmith Inc.";
    }
    {
        OutputItem item;
        item.mapSources = kinds({1, 2, 1});
        item.mapNums = {0, 0, 1};
        item.separator = "+";
        QTest::newRow("another kind adds no part") << itemCase(item) << row << "a+b";
    }
    {
        OutputItem item = inputItem("x", {8});
        item.mapSources = kinds({0});
        QTest::newRow("company code out of range") << itemCase(item) << row << "";
    }
    {
        OutputItem item = inputItem("x", {0});
        item.rules = QStringList{"append(!)", "prepend(<)"};
        QTest::newRow("rules in order") << itemCase(item) << row << "<a!";
    }
    {
        OutputItem item = inputItem("x", {0});
        item.rules = QStringList{"append(!)"};
        addCondition(item, 1, 1, "equalTo(zzz)");
        addCondition(item, 1, 1, "equalTo(b)");
        item.condCombination = "AND";
        QTest::newRow("AND with a failing first condition") << itemCase(item) << row << "";
        item.condCombination = "OR";
        QTest::newRow("OR passes on the second") << itemCase(item) << row << "a!";
        item.condCombination = "";
        QTest::newRow("no combination never passes") << itemCase(item) << row << "";
    }
    {
        OutputItem item = inputItem("x", {0});
        addCondition(item, 1, 1, "equalTo(b)");
        addCondition(item, 1, 3, "startsWith(d)");
        item.condCombination = "AND";
        QTest::newRow("AND with all passing") << itemCase(item) << row << "a";
    }
    {
        OutputItem item = inputItem("x", {0});
        addCondition(item, 1, 4, "range(greaterThan(41),lessThan(43))");
        item.condCombination = "AND";
        QTest::newRow("range on a padded number") << itemCase(item) << row << "a";
        item.condRules = QStringList{"range(greaterThan(0),unLimit)"};
        item.condNums = {1};
        QTest::newRow("range on text tests 0") << itemCase(item) << row << "";
    }
    {
        OutputItem item = inputItem("x", {0});
        addCondition(item, 0, 1, "equalTo(Rowsmith Shop)");
        item.condSources.clear(); // kind missing: company field
        item.condCombination = "AND";
        QTest::newRow("condition on a company field") << itemCase(item) << row << "a";
    }
    {
        OutputItem item = inputItem("x", {0});
        addCondition(item, 1, 1, "equalTo(b)");
        item.condRules.clear(); // no test yet: false
        item.condCombination = "OR";
        QTest::newRow("condition without a test") << itemCase(item) << row << "";
    }
    {
        OutputItem item = inputItem("x", {0});
        item.conditions = QStringList{"shown"};
        item.condCombination = "AND";
        QTest::newRow("conditions but no tested values") << itemCase(item) << row << "";
    }
    {
        OutputItem item = inputItem("x", {0});
        addCondition(item, 2, 0, "equalTo()");
        item.condCombination = "AND";
        QTest::newRow("another kind tests the empty string") << itemCase(item) << row << "a";
    }
}

void TestOutputRowBuilder::buildOutputRow()
{
    QFETCH(ItemCase, item);
    QFETCH(QStringList, inputRow);
    QFETCH(QString, value);

    CompanyInfo company;
    company.setValue(0, "Rowsmith Inc.");
    company.setValue(1, "Rowsmith Shop");
    const OutputRowBuilder builder({item.item}, company);
    QCOMPARE(builder.buildOutputRow(inputRow), QStringList{value});
}

void TestOutputRowBuilder::everyItemGivesOneValue()
{
    OutputItem failing = inputItem("x", {0});
    addCondition(failing, 1, 0, "equalTo(nothing)");
    failing.condCombination = "AND";
    const OutputRowBuilder builder({failing, failing, failing}, CompanyInfo());
    const QStringList row = builder.buildOutputRow({"a"});
    QCOMPARE(row, QStringList({"", "", ""}));
}

QTEST_GUILESS_MAIN(TestOutputRowBuilder)
#include "tst_outputrowbuilder.moc"
