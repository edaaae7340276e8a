#include "support/SourceKinds.h"
#include "support/TestWorkingFolder.h"

#include "settings/CompanyInfo.h"
#include "settings/ConvertSettingStore.h"
#include "settings/Settings.h"
#include "settings/SettingsFileCheck.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QtTest>

namespace {

const QString dataFile = QStringLiteral("rowsmith.dat");

OutputItem fullItem(int seed)
{
    const QString s = QString::number(seed);
    OutputItem item;
    item.name = QStringLiteral("項目") + s;
    item.mapSources = kinds({1, 0, 1});
    item.mapNums = {3 + seed, 5, 12};
    item.mappings = QStringList{QStringLiteral("注文番号"), QStringLiteral("[電話番号]"),
                                QStringLiteral("a,b \"q\"")};
    item.separator = QStringLiteral(" / ");
    item.condSources = kinds({0, 1});
    item.condNums = {7, 2};
    item.conditions = QStringList{QStringLiteral("[전자우편]"), QStringLiteral("数量")};
    item.condRules = QStringList{QString(), QStringLiteral("range(1,10)")};
    item.condCombination = QStringLiteral("OR");
    item.rules = QStringList{QStringLiteral("cutLeft(2)"), QStringLiteral("replace(a,b)")};
    item.afterRules = QStringList{QStringLiteral("trim()")};
    item.distinct = QStringLiteral("YES");
    item.merge = QStringLiteral("STRING");
    item.mergeSeparator = QStringLiteral("\n") + s;
    return item;
}

ConvertSetting fullSetting(const QString &name)
{
    ConvertSetting setting;
    setting.name = name;
    StatementOptions &o = setting.statement;
    o.generate = true;
    o.title = QStringLiteral("納品書");
    o.ment = QStringLiteral("ありがとうございました");
    o.comment = QStringLiteral("line 1\nline 2");
    o.font = QStringLiteral("Noto Sans CJK JP");
    // Alternate the flags so that each one is checked against its own key.
    o.printCompanyName = true;
    o.printStoreName = false;
    o.printStorePostCode = true;
    o.printStoreAddress = false;
    o.printStoreTel = true;
    o.printStoreFax = false;
    o.printStoreEmail = true;
    o.printStoreSite = false;
    setting.heads = QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("K"),
                                QStringLiteral("C")};
    setting.ex1 = QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("x"),
                              QStringLiteral("c1")};
    setting.ex2 = QStringList{QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("y")};
    InputForm first;
    first.name = QStringLiteral("orders");
    first.heads = QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("K")};
    InputForm second;
    second.name = QStringLiteral("lines");
    second.heads = QStringList{QStringLiteral("K2"), QStringLiteral("C")};
    second.targetKey = 2;
    second.key = 0;
    setting.forms = {first, second};
    setting.outputItems = {fullItem(1), fullItem(2)};
    for (int i = 0; i < StatementFields::Count; ++i) {
        StatementField field;
        field.toPrint = i % 2 == 0;
        field.mapNums = {i, i + 1};
        field.mappings = QStringList{QStringLiteral("m%1").arg(i), QStringLiteral("n")};
        field.separator = QStringLiteral("-%1-").arg(i);
        field.rules = QStringList{QStringLiteral("rule%1").arg(i)};
        setting.statementFields.append(field);
    }
    return setting;
}

QSet<QString> expectedKeys(const ConvertSetting &setting)
{
    QSet<QString> keys;
    for (const char *key : {"generate", "title", "ment", "comment", "font", "printCompanyName",
                            "printStoreName", "printStorePostCode", "printStoreAddress",
                            "printStoreTel", "printStoreFax", "printStoreEmail", "printStoreSite"})
        keys.insert(QStringLiteral("PdfSetting/") + QLatin1String(key));
    for (const char *key :
         {"input/heads", "input/ex1", "input/ex2", "input/files/size", "output/size"})
        keys.insert(QLatin1String(key));
    for (int i = 1; i <= setting.forms.size(); ++i) {
        for (const char *key : {"name", "key", "targetKey", "heads"})
            keys.insert(QStringLiteral("input/files/%1/").arg(i) + QLatin1String(key));
    }
    for (int i = 1; i <= setting.outputItems.size(); ++i) {
        for (const char *key :
             {"name", "mapSources", "mapNums", "mappings", "separator", "condSources", "condNums",
              "conditions", "condRules", "condCombination", "rules", "afterRules", "distinct",
              "merge", "mergeSeparator"})
            keys.insert(QStringLiteral("output/%1/").arg(i) + QLatin1String(key));
    }
    for (const QString &field : StatementFields::keys()) {
        for (const char *key : {"toPrint", "mappings", "mapNums", "separator", "rules"})
            keys.insert(field + QLatin1Char('/') + QLatin1String(key));
    }
    return keys;
}

QSet<QString> storedKeys(const QString &name)
{
    QSettings raw(dataFile, QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("SettingInfo"));
    raw.beginGroup(name);
    const QStringList keys = raw.allKeys();
    return QSet<QString>(keys.begin(), keys.end());
}

QVariant rawValue(const QString &key)
{
    QSettings raw(dataFile, QSettings::IniFormat);
    return raw.value(key);
}

void writeRaw(const QString &key, const QVariant &value)
{
    QSettings raw(dataFile, QSettings::IniFormat);
    raw.setValue(key, value);
}

} // namespace

Q_DECLARE_METATYPE(ConvertSettingStore::Defaults)

class SettingsStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void freshInstallation();
    void roundTripsEveryKey_data();
    void roundTripsEveryKey();
    void writesTheRawEncoding();
    void outputFileOptions_data();
    void outputFileOptions();
    void integerLists_data();
    void integerLists();
    void emptyAndSingleEmptyLists_data();
    void emptyAndSingleEmptyLists();
    void defaultsOfMissingKeys_data();
    void defaultsOfMissingKeys();
    void resavingWithFewerEntries();
    void arraysWithMissingEntries_data();
    void arraysWithMissingEntries();
    void refusesNames_data();
    void refusesNames();
    void renameAndRemove();
    void readsAFileWrittenByHand();
    void unreadableFileIsKept_data();
    void unreadableFileIsKept();
};

void SettingsStoreTest::freshInstallation()
{
    TestWorkingFolder folder;
    QVERIFY(ConvertSettingStore::settingNames().isEmpty());
    const ConvertSetting loaded = ConvertSettingStore::load(QStringLiteral("none"));
    QVERIFY(loaded.forms.isEmpty());
    QVERIFY(loaded.outputItems.isEmpty());
    QCOMPARE(loaded.statementFields.size(), StatementFields::Count);
    QVERIFY(!QFile::exists(folder.filePath(dataFile)));
}

void SettingsStoreTest::roundTripsEveryKey_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ascii") << QStringLiteral("Shop A");
    QTest::newRow("japanese") << QStringLiteral("楽天 注文一覧");
    QTest::newRow("korean") << QStringLiteral("설정 1");
    QTest::newRow("ini specials") << QStringLiteral("a=b;c#d[e]%f,g \"h\"");
    QTest::newRow("spaces around") << QStringLiteral("  padded  ");
    QTest::newRow("group-like") << QStringLiteral("General");
}

void SettingsStoreTest::roundTripsEveryKey()
{
    QFETCH(QString, name);
    TestWorkingFolder folder;
    const ConvertSetting written = fullSetting(name);
    QVERIFY(ConvertSettingStore::save(written));

    QCOMPARE(ConvertSettingStore::settingNames(), QStringList{name});
    const ConvertSetting loaded = ConvertSettingStore::load(name);
    QCOMPARE(loaded.name, name);
    QVERIFY(loaded.statement == written.statement);
    QCOMPARE(loaded.heads, written.heads);
    QCOMPARE(loaded.ex1, written.ex1);
    QCOMPARE(loaded.ex2, written.ex2);
    QVERIFY(loaded.forms == written.forms);
    QCOMPARE(loaded.outputItems.size(), written.outputItems.size());
    for (int i = 0; i < written.outputItems.size(); ++i)
        QVERIFY2(loaded.outputItems.at(i) == written.outputItems.at(i),
                 qPrintable(QString::number(i)));
    QVERIFY(loaded.statementFields == written.statementFields);

    // A run reads the stored flags, not its own defaults.
    const ConvertSetting forRun =
        ConvertSettingStore::load(name, ConvertSettingStore::Defaults::Run);
    QVERIFY(forRun.statement == written.statement);

    QCOMPARE(storedKeys(name), expectedKeys(written));
}

void SettingsStoreTest::writesTheRawEncoding()
{
    TestWorkingFolder folder;
    const ConvertSetting written = fullSetting(QStringLiteral("S"));
    QVERIFY(ConvertSettingStore::save(written));

    const QString base = QStringLiteral("SettingInfo/S/");
    QCOMPARE(rawValue(base + "PdfSetting/generate").toString(), QStringLiteral("true"));
    QCOMPARE(rawValue(base + "PdfSetting/printStoreName").toString(), QStringLiteral("false"));
    QCOMPARE(rawValue(base + "PdfSetting/title").toString(), QStringLiteral("納品書"));
    QCOMPARE(rawValue(base + "input/files/size").toInt(), 2);
    QCOMPARE(rawValue(base + "input/files/1/key").toInt(), -1);
    QCOMPARE(rawValue(base + "input/files/2/targetKey").toInt(), 2);
    QCOMPARE(rawValue(base + "input/files/2/heads").toStringList(), (QStringList{"K2", "C"}));
    QCOMPARE(rawValue(base + "output/size").toInt(), 2);
    QCOMPARE(rawValue(base + "output/1/mapSources").toStringList(), (QStringList{"1", "0", "1"}));
    QCOMPARE(rawValue(base + "output/2/mapNums").toStringList(), (QStringList{"5", "5", "12"}));
    QCOMPARE(rawValue(base + "output/1/condNums").toStringList(), (QStringList{"7", "2"}));
    QCOMPARE(rawValue(base + "output/1/distinct").toString(), QStringLiteral("YES"));
    QCOMPARE(rawValue(base + "C.O.D.Charge/mapNums").toStringList(), (QStringList{"14", "15"}));
    QCOMPARE(rawValue(base + "C.O.D.Charge/toPrint").toString(), QStringLiteral("true"));
    QCOMPARE(rawValue(base + "Payment/separator").toString(), QStringLiteral("-18-"));
    // Arrays are numbered from 1 on disk.
    QVERIFY(!rawValue(base + "output/0/name").isValid());
    QCOMPARE(rawValue(base + "output/2/name").toString(), QStringLiteral("項目2"));
}

void SettingsStoreTest::outputFileOptions_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QStringList>("keys"); // beside those of every setting
    QTest::newRow("the system's codec") << QString() << false << QStringList();
    QTest::newRow("UTF-8") << "UTF-8" << false << QStringList{"outputEncoding"};
    QTest::newRow("Shift_JIS, replacing")
        << "Shift_JIS" << true << QStringList{"outputEncoding", "replaceUnencodable"};
    QTest::newRow("replacing only") << QString() << true << QStringList{"replaceUnencodable"};
}

// Stored only when they differ from their absence; saving them back to it
// removes them, so the stored setting is as before they existed.
void SettingsStoreTest::outputFileOptions()
{
    QFETCH(QString, encoding);
    QFETCH(bool, replace);
    QFETCH(QStringList, keys);
    TestWorkingFolder folder;
    ConvertSetting written = fullSetting(QStringLiteral("S"));
    written.outputEncoding = encoding;
    written.replaceUnencodable = replace;
    QVERIFY(ConvertSettingStore::save(written));
    QVERIFY(ConvertSettingStore::load(QStringLiteral("S")) == written);
    QCOMPARE(storedKeys(QStringLiteral("S")),
             expectedKeys(written) + QSet<QString>(keys.begin(), keys.end()));

    written.outputEncoding.clear();
    written.replaceUnencodable = false;
    QVERIFY(ConvertSettingStore::save(written));
    QCOMPARE(storedKeys(QStringLiteral("S")), expectedKeys(written));
}

void SettingsStoreTest::integerLists_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QList<int>>("read");
    QTest::newRow("numbers") << QStringList{"3", "12", "-1"} << QList<int>{3, 12, -1};
    QTest::newRow("not a number") << QStringList{"3", "x"} << QList<int>{3, 0};
    QTest::newRow("hex is no number") << QStringList{"0x10", "010"} << QList<int>{0, 10};
    QTest::newRow("empty string") << QStringList{""} << QList<int>{0};
    QTest::newRow("empty") << QStringList{} << QList<int>{};
}

void SettingsStoreTest::integerLists()
{
    QFETCH(QStringList, stored);
    QFETCH(QList<int>, read);
    TestWorkingFolder folder;
    writeRaw(QStringLiteral("SettingInfo/S/output/size"), 1);
    writeRaw(QStringLiteral("SettingInfo/S/output/1/mapNums"), stored);
    writeRaw(QStringLiteral("SettingInfo/S/Quantity/mapNums"), stored);
    const ConvertSetting loaded = ConvertSettingStore::load(QStringLiteral("S"));
    QCOMPARE(loaded.outputItems.size(), 1);
    QCOMPARE(loaded.outputItems.first().mapNums, read);
    QCOMPARE(loaded.statementFields.at(StatementFields::Quantity).mapNums, read);
    QCOMPARE(ConvertSettingStore::toIntList(stored), read);
}

void SettingsStoreTest::emptyAndSingleEmptyLists_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::newRow("empty") << QStringList{};
    QTest::newRow("one empty string") << QStringList{QString()};
    QTest::newRow("two empty strings") << QStringList{QString(), QString()};
    QTest::newRow("one value") << QStringList{QStringLiteral("a")};
    QTest::newRow("looks like a marker") << QStringList{QStringLiteral("@Invalid()")};
    QTest::newRow("comma inside") << QStringList{QStringLiteral("a,b")};
}

void SettingsStoreTest::emptyAndSingleEmptyLists()
{
    QFETCH(QStringList, list);
    TestWorkingFolder folder;
    ConvertSetting setting;
    setting.name = QStringLiteral("S");
    OutputItem item;
    item.conditions = list;
    item.condRules = list;
    item.rules = list;
    setting.outputItems = {item};
    setting.heads = list;
    setting.ex1 = list;
    QVERIFY(ConvertSettingStore::save(setting));
    const ConvertSetting loaded = ConvertSettingStore::load(setting.name);
    QCOMPARE(loaded.outputItems.first().conditions, list);
    QCOMPARE(loaded.outputItems.first().condRules, list);
    QCOMPARE(loaded.outputItems.first().rules, list);
    QCOMPARE(loaded.outputItems.first().mapNums, QList<int>());
    QCOMPARE(loaded.heads, list);
    QCOMPARE(loaded.ex1, list);
    QCOMPARE(loaded.ex2, QStringList());
}

void SettingsStoreTest::defaultsOfMissingKeys_data()
{
    QTest::addColumn<ConvertSettingStore::Defaults>("defaults");
    QTest::addColumn<bool>("printFlag");
    QTest::newRow("editor") << ConvertSettingStore::Defaults::Editor << true;
    QTest::newRow("run") << ConvertSettingStore::Defaults::Run << false;
}

void SettingsStoreTest::defaultsOfMissingKeys()
{
    QFETCH(ConvertSettingStore::Defaults, defaults);
    QFETCH(bool, printFlag);
    TestWorkingFolder folder;
    // An older file: one output item with only a name, a statement group without flags.
    writeRaw(QStringLiteral("SettingInfo/Old/output/size"), 1);
    writeRaw(QStringLiteral("SettingInfo/Old/output/1/name"), QStringLiteral("only a name"));
    writeRaw(QStringLiteral("SettingInfo/Old/PdfSetting/title"), QStringLiteral("T"));
    writeRaw(QStringLiteral("SettingInfo/Old/input/files/size"), 1);
    writeRaw(QStringLiteral("SettingInfo/Old/input/files/1/name"), QStringLiteral("orders"));

    const ConvertSetting loaded = ConvertSettingStore::load(QStringLiteral("Old"), defaults);
    const StatementOptions &o = loaded.statement;
    QCOMPARE(o.generate, false);
    QCOMPARE(o.title, QStringLiteral("T"));
    for (bool flag :
         {o.printCompanyName, o.printStoreName, o.printStorePostCode, o.printStoreAddress,
          o.printStoreTel, o.printStoreFax, o.printStoreEmail, o.printStoreSite})
        QCOMPARE(flag, printFlag);

    QCOMPARE(loaded.outputItems.size(), 1);
    const OutputItem &item = loaded.outputItems.first();
    QCOMPARE(item.name, QStringLiteral("only a name"));
    QCOMPARE(item.distinct, QStringLiteral("NO"));
    QCOMPARE(item.merge, QString());
    QVERIFY(item.mapSources.isEmpty() && item.mappings.isEmpty() && item.afterRules.isEmpty());

    // A form without key numbers reads them as 0.
    QCOMPARE(loaded.forms.size(), 1);
    QCOMPARE(loaded.forms.first().key, 0);
    QCOMPARE(loaded.forms.first().targetKey, 0);

    QCOMPARE(loaded.statementFields.size(), StatementFields::Count);
    for (const StatementField &field : loaded.statementFields)
        QVERIFY(!field.toPrint);

    QCOMPARE(loaded.statement.printStoreSite, printFlag);
    QCOMPARE(loaded.outputEncoding, QString());
    QCOMPARE(loaded.replaceUnencodable, false);
}

void SettingsStoreTest::resavingWithFewerEntries()
{
    TestWorkingFolder folder;
    ConvertSetting setting = fullSetting(QStringLiteral("S"));
    setting.outputItems = {fullItem(1), fullItem(2), fullItem(3)};
    QVERIFY(ConvertSettingStore::save(setting));
    setting.outputItems = {fullItem(9)};
    setting.forms = {setting.forms.first()};
    QVERIFY(ConvertSettingStore::save(setting));

    const ConvertSetting loaded = ConvertSettingStore::load(setting.name);
    QCOMPARE(loaded.outputItems.size(), 1);
    QVERIFY(loaded.outputItems.first() == fullItem(9));
    QCOMPARE(loaded.forms.size(), 1);
    // Nothing of the longer arrays is left behind.
    QCOMPARE(storedKeys(setting.name), expectedKeys(setting));
}

void SettingsStoreTest::arraysWithMissingEntries_data()
{
    // The stored size, the entries present (entry n is named by the n-th
    // letter), and the names read back; "" is an entry read as defaults.
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("present");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("complete") << 3 << QList<int>{1, 2, 3} << QStringList{"A", "B", "C"};
    QTest::newRow("gap in the middle") << 3 << QList<int>{1, 3} << QStringList{"A", "", "C"};
    QTest::newRow("first missing") << 3 << QList<int>{2, 3} << QStringList{"", "B", "C"};
    QTest::newRow("two gaps") << 5 << QList<int>{2, 5} << QStringList{"", "B", "", "", "E"};
    QTest::newRow("last missing") << 3 << QList<int>{1, 2} << QStringList{"A", "B"};
    QTest::newRow("entries beyond the size") << 1 << QList<int>{1, 2} << QStringList{"A"};
    QTest::newRow("no entries") << 3 << QList<int>{} << QStringList{};
    // A damaged file may claim billions of entries: only as many are read as
    // the file holds.
    QTest::newRow("absurd size") << 2147483647 << QList<int>{1} << QStringList{"A"};
    QTest::newRow("absurd size with a gap")
        << 1000000000 << QList<int>{1, 3} << QStringList{"A", "", "C"};
}

void SettingsStoreTest::arraysWithMissingEntries()
{
    QFETCH(int, size);
    QFETCH(QList<int>, present);
    QFETCH(QStringList, names);
    TestWorkingFolder folder;
    const QString base = QStringLiteral("SettingInfo/S/");
    writeRaw(base + "output/size", size);
    writeRaw(base + "input/files/size", size);
    for (const int entry : present) {
        const QString name(QChar('A' + entry - 1));
        writeRaw(base + QStringLiteral("output/%1/name").arg(entry), name);
        writeRaw(base + QStringLiteral("output/%1/distinct").arg(entry), QStringLiteral("YES"));
        writeRaw(base + QStringLiteral("input/files/%1/name").arg(entry), name);
        writeRaw(base + QStringLiteral("input/files/%1/key").arg(entry), entry);
    }

    const ConvertSetting loaded = ConvertSettingStore::load(QStringLiteral("S"));
    QStringList itemNames;
    for (const OutputItem &item : loaded.outputItems) {
        itemNames << item.name;
        QCOMPARE(item.distinct, item.name.isEmpty() ? QStringLiteral("NO") : QStringLiteral("YES"));
    }
    QCOMPARE(itemNames, names);
    QStringList formNames;
    for (const InputForm &form : loaded.forms) {
        formNames << form.name;
        QCOMPARE(form.key, form.name.isEmpty() ? 0 : form.name.at(0).unicode() - 'A' + 1);
    }
    QCOMPARE(formNames, names);
}

void SettingsStoreTest::refusesNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("slash") << QStringLiteral("a/b");
    QTest::newRow("backslash") << QStringLiteral("a\\b");
    QTest::newRow("leading slash") << QStringLiteral("/a");
    QTest::newRow("trailing backslash") << QStringLiteral("a\\");
}

void SettingsStoreTest::refusesNames()
{
    QFETCH(QString, name);
    TestWorkingFolder folder;
    QVERIFY(ConvertSettingStore::save(fullSetting(QStringLiteral("keep"))));
    QFile file(folder.filePath(dataFile));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    QVERIFY(!ConvertSettingStore::isValidName(name));
    QVERIFY(!ConvertSettingStore::save(fullSetting(name)));
    QVERIFY(!ConvertSettingStore::rename(fullSetting(name), QStringLiteral("keep")));
    QVERIFY(!ConvertSettingStore::remove(name));

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(ConvertSettingStore::settingNames(), QStringList{QStringLiteral("keep")});
    QCOMPARE(ConvertSettingStore::load(QStringLiteral("keep")).outputItems.size(), 2);
}

void SettingsStoreTest::renameAndRemove()
{
    TestWorkingFolder folder;
    const ConvertSetting a = fullSetting(QStringLiteral("A"));
    QVERIFY(ConvertSettingStore::save(a));
    QVERIFY(ConvertSettingStore::save(fullSetting(QStringLiteral("Other"))));

    ConvertSetting b = a;
    b.name = QStringLiteral("B");
    QVERIFY(ConvertSettingStore::rename(b, QStringLiteral("A")));
    QCOMPARE(ConvertSettingStore::settingNames(), (QStringList{"B", "Other"}));
    QCOMPARE(storedKeys(QStringLiteral("A")), QSet<QString>());
    const ConvertSetting loaded = ConvertSettingStore::load(QStringLiteral("B"));
    QVERIFY(loaded.statement == a.statement);
    QVERIFY(loaded.forms == a.forms);
    QVERIFY(loaded.outputItems == a.outputItems);
    QVERIFY(loaded.statementFields == a.statementFields);
    QCOMPARE(storedKeys(QStringLiteral("B")), expectedKeys(a));

    // Renaming to the same name keeps the setting.
    QVERIFY(ConvertSettingStore::rename(b, QStringLiteral("B")));
    QCOMPARE(ConvertSettingStore::settingNames(), (QStringList{"B", "Other"}));

    QVERIFY(ConvertSettingStore::remove(QStringLiteral("B")));
    QCOMPARE(ConvertSettingStore::settingNames(), QStringList{QStringLiteral("Other")});
    QCOMPARE(storedKeys(QStringLiteral("B")), QSet<QString>());
    QCOMPARE(storedKeys(QStringLiteral("Other")), expectedKeys(a));
}

void SettingsStoreTest::readsAFileWrittenByHand()
{
    TestWorkingFolder folder;
    QVERIFY(QFile::copy(QStringLiteral(TEST_DATA_DIR "/settings/stored.dat"),
                        folder.filePath(dataFile)));
    QCOMPARE(ConvertSettingStore::settingNames(), (QStringList{"Old", "Second"}));

    const ConvertSetting editor = ConvertSettingStore::load(QStringLiteral("Old"));
    QCOMPARE(editor.heads, (QStringList{"No", "Price", "Qty", "Name"}));
    QCOMPARE(editor.ex1, (QStringList{"1", "100", "2", QStringLiteral("山田")}));
    QCOMPARE(editor.ex2, QStringList());
    QCOMPARE(editor.forms.size(), 1);
    QCOMPARE(editor.forms.first().key, -1);
    QCOMPARE(editor.forms.first().heads, editor.heads);
    QCOMPARE(editor.outputItems.size(), 2);
    const OutputItem &first = editor.outputItems.at(0);
    QCOMPARE(first.mapSources, kinds({1}));
    QCOMPARE(first.mapNums, QList<int>{0});
    QCOMPARE(first.mappings, QStringList{"No"});
    QCOMPARE(first.distinct, QStringLiteral("NO"));
    const OutputItem &sum = editor.outputItems.at(1);
    QCOMPARE(sum.mapNums, (QList<int>{1, 0}));
    QCOMPARE(sum.mappings, (QStringList{"Price", "Qty"}));
    QCOMPARE(sum.separator, QStringLiteral(" "));
    QCOMPARE(sum.rules, QStringList());
    QCOMPARE(sum.afterRules, (QStringList{"insertLeft(\\)", "replace(a,b)"}));
    QCOMPARE(sum.distinct, QStringLiteral("YES"));
    QCOMPARE(sum.merge, QStringLiteral("NUMBER"));
    QVERIFY(editor.statement.generate);
    QCOMPARE(editor.statement.title, QStringLiteral("Statement"));
    QVERIFY(editor.statement.printStoreSite);
    QVERIFY(!editor.statement.printStoreTel);
    const StatementField &quantity = editor.statementFields.at(StatementFields::Quantity);
    QVERIFY(quantity.toPrint);
    QCOMPARE(quantity.mapNums, QList<int>{2});
    QCOMPARE(quantity.mappings, QStringList{"Qty"});

    const ConvertSetting run =
        ConvertSettingStore::load(QStringLiteral("Old"), ConvertSettingStore::Defaults::Run);
    QVERIFY(run.statement.generate);
    QVERIFY(!run.statement.printStoreSite);
    QVERIFY(ConvertSettingStore::load(QStringLiteral("Second")).outputItems.isEmpty());
}

void SettingsStoreTest::unreadableFileIsKept_data()
{
    // How the settings file is spoiled, its bytes, and why it cannot be read
    // ("" when it can).
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QByteArray stored("[SettingInfo]\nA\\output\\size=1\nA\\output\\1\\name=a\n");
    const QString damaged = QStringLiteral("Some of its lines cannot be read as settings.");
    QTest::newRow("missing: a fresh start") << "missing" << QByteArray() << QString();
    QTest::newRow("empty") << "" << QByteArray() << QString();
    QTest::newRow("sound") << "" << stored << QString();
    // The folder's reason is the system's own ("Access denied." on Windows).
    QTest::newRow("a folder in its place") << "folder" << QByteArray() << QString();
    QTest::newRow("no read permission")
        << "unreadable" << stored << QStringLiteral("Permission denied");
    QTest::newRow("section header not closed") << "" << stored + "[CompanyInfo\nname=x\n"
                                               << damaged;
    // Found only when the section is parsed, which the store leaves for later.
    QTest::newRow("line without a value") << "" << stored + "A\\output\\1\n" << damaged;
    QTest::newRow("binary") << "" << stored + QByteArray("\xff\x00\x01\n", 4) << damaged;
}

// A file the store cannot read whole is reported, never read as empty, and no
// save, rename or removal writes over it.
void SettingsStoreTest::unreadableFileIsKept()
{
    QFETCH(QString, fault);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TestWorkingFolder folder;
    const QString path = folder.filePath(dataFile);
    if (fault == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(dataFile));
        QFile probe(path);
        QVERIFY(!probe.open(QIODevice::ReadOnly));
        reason = probe.errorString();
    } else if (fault != QLatin1String("missing")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }
    if (fault == QLatin1String("unreadable")) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("this user reads the file all the same (root)");
    }
    // A reader before the check: the store reports a parse fault only to the
    // first one, and the check must not miss it for that.
    ConvertSettingStore::settingNames();

    const SettingsFileCheck check = SettingsFileCheck::now();
    QCOMPARE(check.isReadable(), reason.isEmpty());
    if (reason.isEmpty()) {
        QVERIFY(ConvertSettingStore::save(fullSetting(QStringLiteral("S"))));
        return;
    }
    QCOMPARE(check.message(),
             QStringLiteral("Cannot read the settings file:\n%1\n%2")
                 .arg(QDir::toNativeSeparators(QDir::current().filePath(dataFile)), reason));

    QVERIFY(!ConvertSettingStore::save(fullSetting(QStringLiteral("S"))));
    QVERIFY(!ConvertSettingStore::rename(fullSetting(QStringLiteral("S")), QStringLiteral("A")));
    QVERIFY(!ConvertSettingStore::remove(QStringLiteral("A")));
    CompanyInfo company;
    company.setValue(0, QStringLiteral("name"));
    QVERIFY(!company.write());

    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (fault == QLatin1String("folder")) {
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(QDir(path).isEmpty());
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
