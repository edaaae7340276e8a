#include "support/SourceKinds.h"
#include "support/TestWorkingFolder.h"

#include "editors/ModelStore.h"
#include "editors/models/ItemDragPayload.h"
#include "editors/models/OutputModeModel.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(OutputItem)
Q_DECLARE_METATYPE(QList<ItemDragEntry>)

namespace {

OutputItem sampleItem()
{
    OutputItem item;
    item.name = QStringLiteral("お届け先");
    item.mapSources = kinds({1, 0});
    item.mapNums = {4, 1};
    item.mappings = QStringList{QStringLiteral("住所"), QStringLiteral("[판매처명]")};
    item.separator = QStringLiteral(" ");
    item.condSources = kinds({1, 1});
    item.condNums = {2, 3};
    item.conditions = QStringList{QStringLiteral("c1"), QStringLiteral("c2")};
    item.condRules = QStringList{QStringLiteral("startsWith(a)"), QString()};
    item.condCombination = QStringLiteral("AND");
    item.rules = QStringList{QStringLiteral("r1"), QStringLiteral("r2")};
    item.afterRules = QStringList{QStringLiteral("a1")};
    item.distinct = QStringLiteral("YES");
    item.merge = QStringLiteral("STRING");
    item.mergeSeparator = QStringLiteral("/");
    return item;
}

OutputItem named(const QString &name)
{
    OutputItem item;
    item.name = name;
    return item;
}

std::unique_ptr<QMimeData> payload(const QList<ItemDragEntry> &entries)
{
    auto mime = std::make_unique<QMimeData>();
    mime->setData(ItemDragPayload::mimeType(), ItemDragPayload::encode(entries));
    return mime;
}

// A model holding these items, filled the way the editors do.
void fill(OutputModeModel &model, const QList<OutputItem> &items)
{
    for (const OutputItem &item : items)
        model.replaceItem(model.appendItem().column(), item);
}

} // namespace

class OutputModeModelTest : public QObject
{
    Q_OBJECT
private slots:
    void roles_data();
    void roles();
    void headers();
    void flags();
    void setData_data();
    void setData();
    void dropMimeData_data();
    void dropMimeData();
    void dropOnCompanyThenInput();
    void setMappings_data();
    void setMappings();
    void clearInputSources();
    void removeCondition_data();
    void removeCondition();
    void toggleDistinct();
    void separatorAndMerge();
    void insertRemoveMove();
    void keyAndMergeColumns();
    void maxLineCount_data();
    void maxLineCount();
    void saveAndLoad();
    void invalidIndexes();
    void passesTheModelTester();
};

void OutputModeModelTest::roles_data()
{
    QTest::addColumn<OutputItem>("item");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    const OutputItem item = sampleItem();
    const QString name = item.name;
    auto tipRows = [&](const char *tag, const OutputItem &it, int row, const QString &tip) {
        QTest::addRow("%s tool tip", tag) << it << row << int(Qt::ToolTipRole) << QVariant(tip);
        QTest::addRow("%s status tip", tag) << it << row << int(Qt::StatusTipRole) << QVariant(tip);
    };

    QTest::newRow("name display") << item << 0 << int(Qt::DisplayRole) << QVariant(name);
    QTest::newRow("name edit") << item << 0 << int(Qt::EditRole) << QVariant(name);
    tipRows("name", item, 0, QStringLiteral("Double click to edit 'お届け先'"));
    OutputItem percent = item;
    percent.name = QStringLiteral("a%1 %2b");
    tipRows("name with markers", percent, 0, QStringLiteral("Double click to edit 'a%1 %2b'"));

    QTest::newRow("output display")
        << item << 1 << int(Qt::DisplayRole) << QVariant(QStringLiteral("住所+\n[판매처명]"));
    QTest::newRow("output edit") << item << 1 << int(Qt::EditRole) << QVariant(item.mappings);
    tipRows("output", item, 1, QStringLiteral("Double click to edit output items for 'お届け先'"));

    QTest::newRow("conditions display")
        << item << 2 << int(Qt::DisplayRole) << QVariant(QStringLiteral("c1\nAND\nc2"));
    OutputItem orItem = item;
    orItem.condCombination = QStringLiteral("OR");
    orItem.conditions.append(QStringLiteral("c3"));
    QTest::newRow("conditions display OR")
        << orItem << 2 << int(Qt::DisplayRole) << QVariant(QStringLiteral("c1\nOR\nc2\nOR\nc3"));
    QTest::newRow("conditions edit") << item << 2 << int(Qt::EditRole) << QVariant(item.conditions);
    tipRows("conditions", item, 2,
            QStringLiteral("Double click to edit conditions for 'お届け先'"));

    QTest::newRow("rules and after rules")
        << item << 3 << int(Qt::DisplayRole) << QVariant(QStringLiteral("r1+\nr2\na1"));
    OutputItem onlyRules = item;
    onlyRules.afterRules.clear();
    QTest::newRow("rules only") << onlyRules << 3 << int(Qt::DisplayRole)
                                << QVariant(QStringLiteral("r1+\nr2"));
    OutputItem onlyAfter = item;
    onlyAfter.rules.clear();
    onlyAfter.afterRules.append(QStringLiteral("a2"));
    QTest::newRow("after rules only")
        << onlyAfter << 3 << int(Qt::DisplayRole) << QVariant(QStringLiteral("a1+\na2"));
    QTest::newRow("no rules") << named(QStringLiteral("n")) << 3 << int(Qt::DisplayRole)
                              << QVariant(QString());
    QTest::newRow("rules edit") << item << 3 << int(Qt::EditRole) << QVariant(item.rules);
    QTest::newRow("rules user role") << item << 3 << int(Qt::UserRole) << QVariant(item.afterRules);
    tipRows("rules", item, 3, QStringLiteral("Double click to edit rules for 'お届け先'"));

    QTest::newRow("distinct YES") << item << 4 << int(Qt::CheckStateRole) << QVariant(2);
    OutputItem notKey = item;
    notKey.distinct = QStringLiteral("NO");
    QTest::newRow("distinct NO") << notKey << 4 << int(Qt::CheckStateRole) << QVariant(0);
    notKey.distinct = QStringLiteral("yes");
    QTest::newRow("distinct lower case") << notKey << 4 << int(Qt::CheckStateRole) << QVariant(0);
    QTest::newRow("distinct has no text") << item << 4 << int(Qt::DisplayRole) << QVariant();
    tipRows("distinct", item, 4, QStringLiteral("Check to delete duplication for 'お届け先'"));

    QTest::newRow("merge STRING") << item << 5 << int(Qt::DisplayRole)
                                  << QVariant(QStringLiteral("STRING"));
    OutputItem noMerge = item;
    noMerge.merge = QStringLiteral("NO");
    QTest::newRow("merge NO") << noMerge << 5 << int(Qt::DisplayRole) << QVariant(QString());
    noMerge.merge.clear();
    QTest::newRow("merge empty") << noMerge << 5 << int(Qt::DisplayRole) << QVariant(QString());
    QTest::newRow("merge edit") << item << 5 << int(Qt::EditRole) << QVariant();
    tipRows("merge", item, 5, QStringLiteral("Double click to edit merge option for 'お届け先'"));

    QTest::newRow("other role") << item << 0 << int(Qt::FontRole) << QVariant();
    QTest::newRow("check state elsewhere") << item << 0 << int(Qt::CheckStateRole) << QVariant();
    QTest::newRow("user role elsewhere") << item << 1 << int(Qt::UserRole) << QVariant();
}

void OutputModeModelTest::roles()
{
    QFETCH(OutputItem, item);
    QFETCH(int, row);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    OutputModeModel model;
    fill(model, {named(QStringLiteral("first")), item});
    const QVariant value = model.data(model.index(row, 1), role);
    QCOMPARE(value.isValid(), expected.isValid());
    if (expected.userType() == QMetaType::QStringList)
        QCOMPARE(value.toStringList(), expected.toStringList());
    else if (expected.isValid())
        QCOMPARE(value, expected);
}

void OutputModeModelTest::headers()
{
    OutputModeModel model;
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(model.columnCount(), 0);
    const QStringList rows{"Name", "Output", "Conditions", "Rules", "Distinct", "Merge"};
    for (int r = 0; r < rows.size(); ++r)
        QCOMPARE(model.headerData(r, Qt::Vertical).toString(), rows.at(r));
    QVERIFY(!model.headerData(6, Qt::Vertical).isValid());
    QVERIFY(!model.headerData(0, Qt::Vertical, Qt::ToolTipRole).isValid());

    for (int i = 0; i < 30; ++i)
        model.appendItem();
    QCOMPARE(model.columnCount(), 30);
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("A"));
    QCOMPARE(model.headerData(25, Qt::Horizontal).toString(), QStringLiteral("Z"));
    QCOMPARE(model.headerData(26, Qt::Horizontal).toString(), QStringLiteral("AA"));
    QCOMPARE(model.headerData(29, Qt::Horizontal).toString(), QStringLiteral("AD"));
    QVERIFY(!model.headerData(30, Qt::Horizontal).isValid());
}

void OutputModeModelTest::flags()
{
    OutputModeModel model;
    model.appendItem();
    const Qt::ItemFlags expected[] = {Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable,
                                      Qt::ItemIsEnabled | Qt::ItemIsDropEnabled,
                                      Qt::ItemIsEnabled | Qt::ItemIsDropEnabled,
                                      Qt::ItemIsEnabled,
                                      Qt::ItemIsEnabled | Qt::ItemIsUserCheckable,
                                      Qt::ItemIsEnabled};
    for (int r = 0; r < 6; ++r)
        QCOMPARE(model.flags(model.index(r, 0)), expected[r]);
    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
    QCOMPARE(model.supportedDropActions(), Qt::CopyAction | Qt::MoveAction);
    QCOMPARE(model.mimeTypes(), QStringList{ItemDragPayload::mimeType()});
}

void OutputModeModelTest::setData_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<OutputItem>("expected");

    const OutputItem item = sampleItem();
    OutputItem renamed = item;
    renamed.name = QStringLiteral("新");
    QTest::newRow("name by edit role")
        << 0 << int(Qt::EditRole) << QVariant(QStringLiteral("新")) << true << renamed;
    QTest::newRow("name by any role")
        << 0 << int(Qt::ToolTipRole) << QVariant(QStringLiteral("新")) << true << renamed;
    OutputItem rules = item;
    rules.rules = QStringList{QStringLiteral("x")};
    QTest::newRow("rules") << 3 << int(Qt::EditRole) << QVariant(QStringList{"x"}) << true << rules;
    OutputItem after = item;
    after.afterRules = QStringList{QStringLiteral("y"), QStringLiteral("z")};
    QTest::newRow("after rules") << 3 << int(Qt::UserRole) << QVariant(QStringList{"y", "z"})
                                 << true << after;
    QTest::newRow("rules, other role")
        << 3 << int(Qt::DisplayRole) << QVariant(QStringList{"x"}) << true << item;
    QTest::newRow("output") << 1 << int(Qt::EditRole) << QVariant(QStringList{"x"}) << false
                            << item;
    QTest::newRow("conditions") << 2 << int(Qt::EditRole) << QVariant(QStringList{"x"}) << false
                                << item;
    QTest::newRow("distinct") << 4 << int(Qt::CheckStateRole) << QVariant(0) << false << item;
    QTest::newRow("merge") << 5 << int(Qt::EditRole) << QVariant(QStringLiteral("NUMBER")) << false
                           << item;
}

void OutputModeModelTest::setData()
{
    QFETCH(int, row);
    QFETCH(int, role);
    QFETCH(QVariant, value);
    QFETCH(bool, answer);
    QFETCH(OutputItem, expected);
    OutputModeModel model;
    fill(model, {sampleItem()});
    QSignalSpy changed(&model, &OutputModeModel::itemChanged);
    const QModelIndex cell = model.index(row, 0);
    QCOMPARE(model.setData(cell, value, role), answer);
    QCOMPARE(model.item(0), expected);
    QCOMPARE(changed.count(), answer ? 1 : 0);
    if (answer)
        QCOMPARE(changed.first().first().toModelIndex(), cell);
}

void OutputModeModelTest::dropMimeData_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<ItemDragEntry>>("entries");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<OutputItem>("expected");

    const OutputItem empty = named(QStringLiteral("n"));
    OutputItem output = empty;
    output.mapSources = kinds({1});
    output.mapNums = {3};
    output.mappings = QStringList{QStringLiteral("注文番号")};
    QTest::newRow("input item on output")
        << 1 << QList<ItemDragEntry>{{kind(1), 3, QStringLiteral("注文番号")}} << true << output;

    OutputItem twice = output;
    twice.mapSources.append(kind(1));
    twice.mapNums.append(3);
    twice.mappings.append(QStringLiteral("注文番号"));
    twice.mapSources.append(kind(0));
    twice.mapNums.append(0);
    twice.mappings.append(QStringLiteral("[회사명]"));
    QTest::newRow("several entries, the same one twice")
        << 1
        << QList<ItemDragEntry>{{kind(1), 3, QStringLiteral("注文番号")},
                                {kind(1), 3, QStringLiteral("注文番号")},
                                {kind(0), 0, QStringLiteral("회사명")}}
        << true << twice;

    OutputItem condition = empty;
    condition.condSources = kinds({0});
    condition.condNums = {0};
    condition.conditions = QStringList{QStringLiteral("[회사명]")};
    condition.condRules = QStringList{QString()};
    condition.condCombination = QStringLiteral("AND");
    QTest::newRow("company field on conditions")
        << 2 << QList<ItemDragEntry>{{kind(0), 0, QStringLiteral("회사명")}} << true << condition;

    QTest::newRow("empty payload") << 1 << QList<ItemDragEntry>{} << true << empty;
    for (int row : {0, 3, 4, 5}) {
        QTest::addRow("row %d refused", row)
            << row << QList<ItemDragEntry>{{kind(1), 3, QStringLiteral("x")}} << false << empty;
    }
}

void OutputModeModelTest::dropMimeData()
{
    QFETCH(int, row);
    QFETCH(QList<ItemDragEntry>, entries);
    QFETCH(bool, answer);
    QFETCH(OutputItem, expected);
    OutputModeModel model;
    fill(model, {named(QStringLiteral("other")), named(QStringLiteral("n"))});
    QSignalSpy changed(&model, &OutputModeModel::itemChanged);
    const QModelIndex target = model.index(row, 1);
    const auto mime = payload(entries);
    QCOMPARE(model.dropMimeData(mime.get(), Qt::CopyAction, -1, -1, target), answer);
    QCOMPARE(model.item(1), expected);
    QCOMPARE(model.item(0), named(QStringLiteral("other")));
    QCOMPARE(changed.count(), answer ? 1 : 0);
    if (answer)
        QCOMPARE(changed.first().first().toModelIndex(), target);
}

void OutputModeModelTest::dropOnCompanyThenInput()
{
    OutputModeModel model;
    model.appendItem();
    const QModelIndex conditions = model.index(2, 0);
    auto first = payload({{kind(0), 0, QStringLiteral("회사명")}});
    QVERIFY(model.dropMimeData(first.get(), Qt::MoveAction, 3, 7, conditions));
    QCOMPARE(model.item(0).condCombination, QStringLiteral("AND"));

    OutputItem item = model.item(0);
    item.condCombination = QStringLiteral("OR");
    model.replaceItem(0, item);
    auto second = payload({{kind(1), 2, QStringLiteral("数量")}});
    QVERIFY(model.dropMimeData(second.get(), Qt::CopyAction, -1, -1, conditions));
    QCOMPARE(model.item(0).condCombination, QStringLiteral("OR"));
    QCOMPARE(model.item(0).conditions, (QStringList{"[회사명]", "数量"}));
    QCOMPARE(model.item(0).condRules, (QStringList{QString(), QString()}));
    QCOMPARE(model.item(0).condSources, kinds({0, 1}));
    QCOMPARE(model.item(0).condNums, (QList<int>{0, 2}));
    QCOMPARE(model.data(conditions).toString(), QStringLiteral("[회사명]\nOR\n数量"));

    // The dropped names show joined in the Output cell.
    auto names = payload({{kind(1), 3, QStringLiteral("a")}, {kind(1), 4, QStringLiteral("b")}});
    QVERIFY(model.dropMimeData(names.get(), Qt::CopyAction, -1, -1, model.index(1, 0)));
    QCOMPARE(model.data(model.index(1, 0)).toString(), QStringLiteral("a+\nb"));

    // Beyond the items, without an index or without data nothing happens.
    QVERIFY(!model.dropMimeData(names.get(), Qt::CopyAction, -1, -1, QModelIndex()));
    QVERIFY(!model.dropMimeData(nullptr, Qt::CopyAction, -1, -1, model.index(1, 0)));
    OutputModeModel other;
    other.appendItem();
    other.appendItem();
    QVERIFY(!model.dropMimeData(names.get(), Qt::CopyAction, -1, -1, other.index(1, 1)));
    QCOMPARE(model.item(0).mappings.size(), 2);
}

void OutputModeModelTest::setMappings_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("sources");
    QTest::addColumn<QList<int>>("nums");
    QTest::addColumn<bool>("signalled");
    // Current: a (1,10), b (0,2), c (1,30).
    QTest::newRow("same list") << QStringList{"a", "b", "c"} << QList<int>{1, 0, 1}
                               << QList<int>{10, 2, 30} << false;
    QTest::newRow("reversed") << QStringList{"c", "b", "a"} << QList<int>{1, 0, 1}
                              << QList<int>{30, 2, 10} << true;
    QTest::newRow("one removed") << QStringList{"a", "c"} << QList<int>{1, 1} << QList<int>{10, 30}
                                 << true;
    QTest::newRow("all removed") << QStringList{} << QList<int>{} << QList<int>{} << true;
    QTest::newRow("repeated name takes the first")
        << QStringList{"b", "b"} << QList<int>{0, 0} << QList<int>{2, 2} << true;
    QTest::newRow("unknown name") << QStringList{"z", "a"} << QList<int>{0, 1} << QList<int>{0, 10}
                                  << true;
    QTest::newRow("case matters") << QStringList{"A"} << QList<int>{0} << QList<int>{0} << true;
}

void OutputModeModelTest::setMappings()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, sources);
    QFETCH(QList<int>, nums);
    QFETCH(bool, signalled);
    OutputItem item = named(QStringLiteral("n"));
    item.mappings = QStringList{"a", "b", "c"};
    item.mapSources = kinds({1, 0, 1});
    item.mapNums = {10, 2, 30};
    OutputModeModel model;
    fill(model, {item});
    QSignalSpy changed(&model, &OutputModeModel::itemChanged);
    model.setMappings(model.index(1, 0), names);
    QCOMPARE(model.item(0).mappings, names);
    QList<int> storedSources;
    for (const SourceKind source : model.item(0).mapSources)
        storedSources.append(int(source));
    QCOMPARE(storedSources, sources);
    QCOMPARE(model.item(0).mapNums, nums);
    QCOMPARE(changed.count(), signalled ? 1 : 0);
}

void OutputModeModelTest::clearInputSources()
{
    OutputItem item = named(QStringLiteral("n"));
    item.mappings = QStringList{"[회사명]", "x", "y", "[전화번호]"};
    item.mapSources = kinds({0, 1, 1, 0});
    item.mapNums = {0, 3, 4, 5};
    item.conditions = QStringList{"p", "[팩스번호]", "q"};
    item.condSources = kinds({1, 0, 1});
    item.condNums = {1, 6, 2};
    item.condRules = QStringList{"r1", "r2", "r3"};
    OutputItem inputOnly = named(QStringLiteral("m"));
    inputOnly.mappings = QStringList{"x"};
    inputOnly.mapSources = kinds({1});
    inputOnly.mapNums = {9};

    OutputModeModel model;
    fill(model, {item, inputOnly});
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &OutputModeModel::itemChanged);
    model.clearInputSources();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(changed.count(), 0);
    const OutputItem kept = model.item(0);
    QCOMPARE(kept.mappings, (QStringList{"[회사명]", "[전화번호]"}));
    QCOMPARE(kept.mapSources, kinds({0, 0}));
    QCOMPARE(kept.mapNums, (QList<int>{0, 5}));
    QCOMPARE(kept.conditions, QStringList{"[팩스번호]"});
    QCOMPARE(kept.condSources, kinds({0}));
    QCOMPARE(kept.condNums, QList<int>{6});
    QCOMPARE(kept.condRules, QStringList{"r2"});
    QVERIFY(model.item(1).mappings.isEmpty());
    QVERIFY(model.item(1).mapNums.isEmpty());

    OutputModeModel empty;
    QSignalSpy noReset(&empty, &QAbstractItemModel::modelAboutToBeReset);
    empty.clearInputSources();
    QCOMPARE(noReset.count(), 0);
}

void OutputModeModelTest::removeCondition_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<QStringList>("conditions");
    QTest::addColumn<QStringList>("condRules");
    QTest::addColumn<QList<int>>("condNums");
    QTest::newRow("first") << 0 << QStringList{"c2", "c3"} << QStringList{"r2"} << QList<int>{2, 3};
    QTest::newRow("second") << 1 << QStringList{"c1", "c3"} << QStringList{"r1"}
                            << QList<int>{1, 3};
    // condRules is shorter here: only the lists that hold entry i lose it.
    QTest::newRow("third") << 2 << QStringList{"c1", "c2"} << QStringList{"r1", "r2"}
                           << QList<int>{1, 2};
    QTest::newRow("beyond") << 3 << QStringList{"c1", "c2", "c3"} << QStringList{"r1", "r2"}
                            << QList<int>{1, 2, 3};
    QTest::newRow("negative") << -1 << QStringList{"c1", "c2", "c3"} << QStringList{"r1", "r2"}
                              << QList<int>{1, 2, 3};
}

void OutputModeModelTest::removeCondition()
{
    QFETCH(int, i);
    QFETCH(QStringList, conditions);
    QFETCH(QStringList, condRules);
    QFETCH(QList<int>, condNums);
    OutputItem item = named(QStringLiteral("n"));
    item.conditions = QStringList{"c1", "c2", "c3"};
    item.condRules = QStringList{"r1", "r2"};
    item.condNums = {1, 2, 3};
    item.condSources = kinds({1, 1, 1});
    OutputModeModel model;
    fill(model, {item});
    QCOMPARE(model.conditionCount(model.index(2, 0)), 3);
    QSignalSpy changed(&model, &OutputModeModel::itemChanged);
    model.removeCondition(model.index(2, 0), i);
    QCOMPARE(model.item(0).conditions, conditions);
    QCOMPARE(model.item(0).condRules, condRules);
    QCOMPARE(model.item(0).condNums, condNums);
    QCOMPARE(model.item(0).condSources.size(), condNums.size());
    QCOMPARE(model.conditionCount(model.index(0, 0)), conditions.size());
    QCOMPARE(changed.count(), 0);
}

void OutputModeModelTest::toggleDistinct()
{
    OutputModeModel model;
    const QModelIndex first = model.appendItem();
    QCOMPARE(first, model.index(0, 0));
    QCOMPARE(model.item(0).distinct, QString());
    const QModelIndex check = model.index(4, 0);
    QCOMPARE(model.data(check, Qt::CheckStateRole).toInt(), 0);
    QSignalSpy changed(&model, &OutputModeModel::itemChanged);
    model.toggleDistinct(0);
    QCOMPARE(model.item(0).distinct, QStringLiteral("YES"));
    QCOMPARE(model.data(check, Qt::CheckStateRole).toInt(), 2);
    model.toggleDistinct(0);
    QCOMPARE(model.item(0).distinct, QStringLiteral("NO"));
    QCOMPARE(model.data(check, Qt::CheckStateRole).toInt(), 0);
    model.toggleDistinct(1);
    model.toggleDistinct(-1);
    QCOMPARE(changed.count(), 0);
}

void OutputModeModelTest::separatorAndMerge()
{
    OutputModeModel model;
    model.appendItem();
    QSignalSpy changed(&model, &OutputModeModel::itemChanged);
    const QModelIndex cell = model.index(3, 0);
    QCOMPARE(model.separator(cell), QString());
    model.setSeparator(cell, QStringLiteral("・"));
    QCOMPARE(model.separator(model.index(0, 0)), QStringLiteral("・"));
    model.clearSeparator(cell);
    QCOMPARE(model.item(0).separator, QString());

    QCOMPARE(model.mergeOption(cell), (QStringList{QString(), QString()}));
    model.setMerge(cell, QStringLiteral("NUMBER"), QStringLiteral(","));
    QCOMPARE(model.mergeOption(cell), (QStringList{"NUMBER", ","}));
    QCOMPARE(model.data(model.index(5, 0)).toString(), QStringLiteral("NUMBER"));
    QCOMPARE(changed.count(), 0);
}

void OutputModeModelTest::insertRemoveMove()
{
    OutputModeModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::columnsInserted);
    QSignalSpy changed(&model, &OutputModeModel::itemChanged);
    fill(model, {named("a"), named("b"), named("c")});
    QCOMPARE(inserted.count(), 3);

    const QModelIndex inserted1 = model.insertItem(1);
    QCOMPARE(inserted1, model.index(0, 1));
    QCOMPARE(model.item(1).name, QString());
    QCOMPARE(model.item(2).name, QStringLiteral("b"));
    const QModelIndex appended = model.insertItem(99);
    QCOMPARE(appended, model.index(0, 4));
    QCOMPARE(model.columnCount(), 5);
    model.removeItem(4);
    model.removeItem(1);
    model.removeItem(7);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(changed.count(), 0);

    QSignalSpy moved(&model, &QAbstractItemModel::columnsMoved);
    model.moveLeft(model.index(2, 0)); // the first column stays
    QCOMPARE(moved.count(), 0);
    model.moveLeft(model.index(2, 2));
    QCOMPARE(model.item(1).name, QStringLiteral("c"));
    QCOMPARE(model.item(2).name, QStringLiteral("b"));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).first().toModelIndex(), model.index(2, 2));
    QCOMPARE(changed.at(1).first().toModelIndex(), model.index(2, 1));

    model.moveRight(model.index(0, 2)); // the last column stays
    QCOMPARE(moved.count(), 1);
    model.moveRight(model.index(0, 0));
    QCOMPARE(model.item(0).name, QStringLiteral("c"));
    QCOMPARE(model.item(1).name, QStringLiteral("a"));
    QCOMPARE(changed.count(), 4);
    QCOMPARE(changed.at(2).first().toModelIndex(), model.index(0, 0));
    QCOMPARE(changed.at(3).first().toModelIndex(), model.index(0, 1));

    QCOMPARE(model.items().size(), 3);
    QCOMPARE(model.items().at(2).name, QStringLiteral("b"));

    QSignalSpy resets(&model, &QAbstractItemModel::modelAboutToBeReset);
    model.clear();
    model.clear();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.columnCount(), 0);
}

void OutputModeModelTest::keyAndMergeColumns()
{
    OutputModeModel model;
    QList<OutputItem> items;
    const char *distinct[] = {"YES", "NO", "", "YES", "yes"};
    const char *merge[] = {"NO", "STRING", "NUMBER", "", "string"};
    for (int i = 0; i < 5; ++i) {
        OutputItem item = named(QString::number(i));
        item.distinct = QLatin1String(distinct[i]);
        item.merge = QLatin1String(merge[i]);
        items.append(item);
    }
    fill(model, items);
    QCOMPARE(model.distinctColumns(), (QList<int>{0, 3}));
    QCOMPARE(model.mergeColumns(), (QList<int>{1, 2}));
}

void OutputModeModelTest::maxLineCount_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("lines");
    QTest::newRow("name") << 0 << 1;
    QTest::newRow("output") << 1 << 3;
    QTest::newRow("conditions") << 2 << 2;
    QTest::newRow("rules") << 3 << 4;
    QTest::newRow("distinct") << 4 << 1;
    QTest::newRow("merge") << 5 << 1;
}

void OutputModeModelTest::maxLineCount()
{
    QFETCH(int, row);
    QFETCH(int, lines);
    OutputModeModel model;
    QCOMPARE(model.maxLineCount(row), 1);
    OutputItem a = named("a");
    a.mappings = QStringList{"1", "2", "3"};
    a.rules = QStringList{"r"};
    OutputItem b = named("b");
    b.mappings = QStringList{"1"};
    b.conditions = QStringList{"c", "d"};
    b.rules = QStringList{"1", "2", "3", "4"};
    fill(model, {a, b, named("c")});
    QCOMPARE(model.maxLineCount(row), lines);
}

void OutputModeModelTest::saveAndLoad()
{
    TestWorkingFolder folder;
    OutputModeModel model;
    OutputItem fresh = named(QStringLiteral("fresh"));
    fresh.distinct.clear();
    fill(model, {sampleItem(), fresh});
    saveModel(model, QStringLiteral("S"));

    OutputModeModel loaded;
    QSignalSpy resets(&loaded, &QAbstractItemModel::modelReset);
    QCOMPARE(loaded.load(stored(QStringLiteral("S"))), 2);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(loaded.items(), model.items());

    // Loading appends; it does not clear.
    QCOMPARE(loaded.load(stored(QStringLiteral("S"))), 2);
    QCOMPARE(loaded.columnCount(), 4);
    QCOMPARE(loaded.item(3), fresh);
    QCOMPARE(loaded.load(stored(QStringLiteral("missing"))), 0);
    QCOMPARE(loaded.columnCount(), 4);

    // Re-saving fewer items leaves exactly those.
    model.removeItem(0);
    saveModel(model, QStringLiteral("S"));
    OutputModeModel again;
    QCOMPARE(again.load(stored(QStringLiteral("S"))), 1);
    QCOMPARE(again.item(0), fresh);
}

void OutputModeModelTest::invalidIndexes()
{
    OutputModeModel model;
    fill(model, {sampleItem()});
    const OutputItem before = model.item(0);
    QSignalSpy changed(&model, &OutputModeModel::itemChanged);
    const QModelIndex none;
    QVERIFY(!model.data(none).isValid());
    QVERIFY(!model.setData(none, QStringLiteral("x")));
    QCOMPARE(model.separator(none), QString());
    model.setSeparator(none, QStringLiteral("x"));
    model.clearSeparator(none);
    model.setMappings(none, {});
    model.moveLeft(none);
    model.moveRight(none);
    model.removeCondition(none, 0);
    model.setMerge(none, QStringLiteral("NUMBER"), QString());
    model.replaceItem(1, OutputItem());
    model.replaceItem(-1, OutputItem());
    QCOMPARE(model.conditionCount(none), 0);
    QCOMPARE(model.item(0), before);
    QCOMPARE(model.item(5), OutputItem());
    QCOMPARE(changed.count(), 0);
}

void OutputModeModelTest::passesTheModelTester()
{
    TestWorkingFolder folder;
    OutputModeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(model, {sampleItem(), named("b"), named("c")});
    model.insertItem(0);
    model.setData(model.index(0, 0), QStringLiteral("renamed"));
    model.setData(model.index(3, 1), QStringList{"r"});
    auto mime = payload({{kind(1), 2, QStringLiteral("x")}, {kind(0), 1, QStringLiteral("y")}});
    QVERIFY(model.dropMimeData(mime.get(), Qt::CopyAction, -1, -1, model.index(1, 2)));
    QVERIFY(model.dropMimeData(mime.get(), Qt::CopyAction, -1, -1, model.index(2, 2)));
    model.setMappings(model.index(1, 2), QStringList{"[y]"});
    model.moveRight(model.index(0, 0));
    model.moveLeft(model.index(0, 3));
    model.toggleDistinct(2);
    model.setMerge(model.index(5, 1), QStringLiteral("STRING"), QStringLiteral(" "));
    model.removeCondition(model.index(2, 2), 0);
    model.clearInputSources();
    saveModel(model, QStringLiteral("S"));
    model.removeItem(1);
    model.clear();
    QCOMPARE(model.load(stored(QStringLiteral("S"))), 4);
    model.load(stored(QStringLiteral("S")));
    QCOMPARE(model.columnCount(), 8);
}

QTEST_GUILESS_MAIN(OutputModeModelTest)
#include "tst_outputmodemodel.moc"
