#include "settings/ConvertSettingStore.h"

#include "settings/Settings.h"
#include "settings/SettingsFileCheck.h"

#include <algorithm>

namespace {

const QString settingInfoGroup = QStringLiteral("SettingInfo");

// Enters SettingInfo/{name} (and optionally one more group) and leaves every
// group it entered when it goes, so a writer never leaves the store moved.
class SettingGroup
{
public:
    SettingGroup(QSettings &store, const QString &name, const QString &group = QString())
        : store_(store)
    {
        enter(settingInfoGroup);
        enter(name);
        if (!group.isEmpty())
            enter(group);
    }
    ~SettingGroup()
    {
        for (int i = 0; i < depth_; ++i)
            store_.endGroup();
    }
    SettingGroup(const SettingGroup &) = delete;
    SettingGroup &operator=(const SettingGroup &) = delete;

private:
    void enter(const QString &group)
    {
        store_.beginGroup(group);
        ++depth_;
    }

    QSettings &store_;
    int depth_ = 0;
};

QStringList readStringList(const QSettings &store, const QString &key)
{
    return store.value(key).toStringList();
}

QList<int> readIntList(const QSettings &store, const QString &key)
{
    return ConvertSettingStore::toIntList(readStringList(store, key));
}

QList<SourceKind> readKindList(const QSettings &store, const QString &key)
{
    QList<SourceKind> kinds;
    for (const int number : readIntList(store, key))
        kinds.append(SourceKind(number));
    return kinds;
}

QStringList kindStrings(const QList<SourceKind> &kinds)
{
    QList<int> numbers;
    numbers.reserve(kinds.size());
    for (const SourceKind kind : kinds)
        numbers.append(int(kind));
    return ConvertSettingStore::toStringList(numbers);
}

// The number of entries to read of the array begun on store: its stored size,
// but no more than the highest entry present. A damaged file may claim
// billions of entries; a missing entry before the last one reads as defaults,
// as the store gives any missing key, so the entries after it are kept.
int entriesToRead(const QSettings &store, const int storedSize)
{
    int highest = 0;
    for (const QString &group : store.childGroups()) {
        bool isNumber = false;
        const int number = group.toInt(&isNumber);
        if (isNumber && number > highest)
            highest = number;
    }
    return qMin(storedSize, highest);
}

const QString pdfSettingGroup = QStringLiteral("PdfSetting");
const QString inputGroup = QStringLiteral("input");
const QString outputArray = QStringLiteral("output");
const QString filesArray = QStringLiteral("files");

void writeStatementOptions(QSettings &store, const QString &name, const StatementOptions &options)
{
    if (!ConvertSettingStore::isValidName(name))
        return;
    const SettingGroup group(store, name, pdfSettingGroup);
    store.setValue(QStringLiteral("generate"), options.generate);
    store.setValue(QStringLiteral("title"), options.title);
    store.setValue(QStringLiteral("ment"), options.ment);
    store.setValue(QStringLiteral("comment"), options.comment);
    store.setValue(QStringLiteral("font"), options.font);
    store.setValue(QStringLiteral("printCompanyName"), options.printCompanyName);
    store.setValue(QStringLiteral("printStoreName"), options.printStoreName);
    store.setValue(QStringLiteral("printStorePostCode"), options.printStorePostCode);
    store.setValue(QStringLiteral("printStoreAddress"), options.printStoreAddress);
    store.setValue(QStringLiteral("printStoreTel"), options.printStoreTel);
    store.setValue(QStringLiteral("printStoreFax"), options.printStoreFax);
    store.setValue(QStringLiteral("printStoreEmail"), options.printStoreEmail);
    store.setValue(QStringLiteral("printStoreSite"), options.printStoreSite);
}

StatementOptions readStatementOptions(QSettings &store, const QString &name,
                                      ConvertSettingStore::Defaults defaults)
{
    StatementOptions options;
    const bool printDefault = defaults == ConvertSettingStore::Defaults::Editor;
    options.printCompanyName = printDefault;
    options.printStoreName = printDefault;
    options.printStorePostCode = printDefault;
    options.printStoreAddress = printDefault;
    options.printStoreTel = printDefault;
    options.printStoreFax = printDefault;
    options.printStoreEmail = printDefault;
    options.printStoreSite = printDefault;
    if (!ConvertSettingStore::isValidName(name))
        return options;

    const SettingGroup group(store, name, pdfSettingGroup);
    auto flag = [&store, printDefault](const char *key) {
        return store.value(QLatin1String(key), printDefault).toBool();
    };
    options.generate = store.value(QStringLiteral("generate"), false).toBool();
    options.title = store.value(QStringLiteral("title")).toString();
    options.ment = store.value(QStringLiteral("ment")).toString();
    options.comment = store.value(QStringLiteral("comment")).toString();
    options.font = store.value(QStringLiteral("font")).toString();
    options.printCompanyName = flag("printCompanyName");
    options.printStoreName = flag("printStoreName");
    options.printStorePostCode = flag("printStorePostCode");
    options.printStoreAddress = flag("printStoreAddress");
    options.printStoreTel = flag("printStoreTel");
    options.printStoreFax = flag("printStoreFax");
    options.printStoreEmail = flag("printStoreEmail");
    options.printStoreSite = flag("printStoreSite");
    return options;
}

void writeInput(QSettings &store, const QString &name, const QStringList &heads,
                const QStringList &ex1, const QStringList &ex2, const QList<InputForm> &forms)
{
    if (!ConvertSettingStore::isValidName(name))
        return;
    const SettingGroup group(store, name, inputGroup);
    store.setValue(QStringLiteral("heads"), heads);
    store.setValue(QStringLiteral("ex1"), ex1);
    store.setValue(QStringLiteral("ex2"), ex2);
    // Entries of a longer earlier array would linger beyond the new size.
    store.remove(filesArray);
    store.beginWriteArray(filesArray, forms.size());
    for (int i = 0; i < forms.size(); ++i) {
        const InputForm &form = forms.at(i);
        store.setArrayIndex(i);
        store.setValue(QStringLiteral("name"), form.name);
        store.setValue(QStringLiteral("key"), form.key);
        store.setValue(QStringLiteral("targetKey"), form.targetKey);
        store.setValue(QStringLiteral("heads"), form.heads);
    }
    store.endArray();
}

QList<InputForm> readInputForms(QSettings &store, const QString &name)
{
    QList<InputForm> forms;
    if (!ConvertSettingStore::isValidName(name))
        return forms;
    const SettingGroup group(store, name, inputGroup);
    const int count = entriesToRead(store, store.beginReadArray(filesArray));
    for (int i = 0; i < count; ++i) {
        store.setArrayIndex(i);
        InputForm form;
        form.name = store.value(QStringLiteral("name")).toString();
        form.key = store.value(QStringLiteral("key"), 0).toInt();
        form.targetKey = store.value(QStringLiteral("targetKey"), 0).toInt();
        form.heads = readStringList(store, QStringLiteral("heads"));
        forms.append(form);
    }
    store.endArray();
    return forms;
}

QList<QStringList> readInputRows(QSettings &store, const QString &name)
{
    QList<QStringList> rows{QStringList(), QStringList(), QStringList()};
    if (!ConvertSettingStore::isValidName(name))
        return rows;
    const SettingGroup group(store, name, inputGroup);
    rows[0] = readStringList(store, QStringLiteral("heads"));
    rows[1] = readStringList(store, QStringLiteral("ex1"));
    rows[2] = readStringList(store, QStringLiteral("ex2"));
    return rows;
}

void writeOutputItems(QSettings &store, const QString &name, const QList<OutputItem> &items)
{
    if (!ConvertSettingStore::isValidName(name))
        return;
    const SettingGroup group(store, name);
    // Entries of a longer earlier array would linger beyond the new size.
    store.remove(outputArray);
    store.beginWriteArray(outputArray, items.size());
    for (int i = 0; i < items.size(); ++i) {
        const OutputItem &item = items.at(i);
        store.setArrayIndex(i);
        store.setValue(QStringLiteral("name"), item.name);
        store.setValue(QStringLiteral("mapSources"), kindStrings(item.mapSources));
        store.setValue(QStringLiteral("mapNums"), ConvertSettingStore::toStringList(item.mapNums));
        store.setValue(QStringLiteral("mappings"), item.mappings);
        store.setValue(QStringLiteral("separator"), item.separator);
        store.setValue(QStringLiteral("condSources"), kindStrings(item.condSources));
        store.setValue(QStringLiteral("condNums"),
                       ConvertSettingStore::toStringList(item.condNums));
        store.setValue(QStringLiteral("conditions"), item.conditions);
        store.setValue(QStringLiteral("condRules"), item.condRules);
        store.setValue(QStringLiteral("condCombination"), item.condCombination);
        store.setValue(QStringLiteral("rules"), item.rules);
        store.setValue(QStringLiteral("afterRules"), item.afterRules);
        store.setValue(QStringLiteral("distinct"), item.distinct);
        store.setValue(QStringLiteral("merge"), item.merge);
        store.setValue(QStringLiteral("mergeSeparator"), item.mergeSeparator);
    }
    store.endArray();
}

QList<OutputItem> readOutputItems(QSettings &store, const QString &name)
{
    QList<OutputItem> items;
    if (!ConvertSettingStore::isValidName(name))
        return items;
    const SettingGroup group(store, name);
    const int count = entriesToRead(store, store.beginReadArray(outputArray));
    for (int i = 0; i < count; ++i) {
        store.setArrayIndex(i);
        OutputItem item;
        item.name = store.value(QStringLiteral("name")).toString();
        item.mapSources = readKindList(store, QStringLiteral("mapSources"));
        item.mapNums = readIntList(store, QStringLiteral("mapNums"));
        item.mappings = readStringList(store, QStringLiteral("mappings"));
        item.separator = store.value(QStringLiteral("separator")).toString();
        item.condSources = readKindList(store, QStringLiteral("condSources"));
        item.condNums = readIntList(store, QStringLiteral("condNums"));
        item.conditions = readStringList(store, QStringLiteral("conditions"));
        item.condRules = readStringList(store, QStringLiteral("condRules"));
        item.condCombination = store.value(QStringLiteral("condCombination")).toString();
        item.rules = readStringList(store, QStringLiteral("rules"));
        item.afterRules = readStringList(store, QStringLiteral("afterRules"));
        item.distinct = store.value(QStringLiteral("distinct"), QStringLiteral("NO")).toString();
        item.merge = store.value(QStringLiteral("merge")).toString();
        item.mergeSeparator = store.value(QStringLiteral("mergeSeparator")).toString();
        items.append(item);
    }
    store.endArray();
    return items;
}

const QString outputEncodingKey = QStringLiteral("outputEncoding");
const QString replaceUnencodableKey = QStringLiteral("replaceUnencodable");

// Written only when they differ from what their absence means, so that a
// setting made before they existed keeps its stored form when saved again.
void writeOutputFileOptions(QSettings &store, const ConvertSetting &setting)
{
    if (!ConvertSettingStore::isValidName(setting.name))
        return;
    const SettingGroup group(store, setting.name);
    if (setting.outputEncoding.isEmpty())
        store.remove(outputEncodingKey);
    else
        store.setValue(outputEncodingKey, setting.outputEncoding);
    if (setting.replaceUnencodable)
        store.setValue(replaceUnencodableKey, true);
    else
        store.remove(replaceUnencodableKey);
}

void readOutputFileOptions(QSettings &store, ConvertSetting &setting)
{
    if (!ConvertSettingStore::isValidName(setting.name))
        return;
    const SettingGroup group(store, setting.name);
    setting.outputEncoding = store.value(outputEncodingKey).toString();
    setting.replaceUnencodable = store.value(replaceUnencodableKey, false).toBool();
}

void writeStatementFields(QSettings &store, const QString &name,
                          const QList<StatementField> &fields)
{
    if (!ConvertSettingStore::isValidName(name))
        return;
    const SettingGroup group(store, name);
    const QStringList keys = StatementFields::keys();
    for (int i = 0; i < keys.size(); ++i) {
        const StatementField field = fields.value(i);
        store.beginGroup(keys.at(i));
        store.setValue(QStringLiteral("toPrint"), field.toPrint);
        store.setValue(QStringLiteral("mappings"), field.mappings);
        store.setValue(QStringLiteral("mapNums"), ConvertSettingStore::toStringList(field.mapNums));
        store.setValue(QStringLiteral("separator"), field.separator);
        store.setValue(QStringLiteral("rules"), field.rules);
        store.endGroup();
    }
}

QList<StatementField> readStatementFields(QSettings &store, const QString &name)
{
    const QStringList keys = StatementFields::keys();
    QList<StatementField> fields;
    fields.reserve(keys.size());
    if (!ConvertSettingStore::isValidName(name)) {
        for (int i = 0; i < keys.size(); ++i)
            fields.append(StatementField());
        return fields;
    }
    const SettingGroup group(store, name);
    for (const QString &key : keys) {
        store.beginGroup(key);
        StatementField field;
        field.toPrint = store.value(QStringLiteral("toPrint"), false).toBool();
        field.mappings = readStringList(store, QStringLiteral("mappings"));
        field.mapNums = readIntList(store, QStringLiteral("mapNums"));
        field.separator = store.value(QStringLiteral("separator")).toString();
        field.rules = readStringList(store, QStringLiteral("rules"));
        store.endGroup();
        fields.append(field);
    }
    return fields;
}

} // namespace

QStringList ConvertSettingStore::settingNames()
{
    Settings store;
    store.beginGroup(settingInfoGroup);
    return store.childGroups();
}

bool ConvertSettingStore::isValidName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

bool ConvertSettingStore::contains(const QString &name)
{
    const QStringList names = settingNames();
    return std::any_of(names.cbegin(), names.cend(),
                       [&name](const QString &stored) { return sameName(stored, name); });
}

// The settings file on Windows does not tell letter case apart in group names.
bool ConvertSettingStore::sameName(const QString &a, const QString &b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

bool ConvertSettingStore::save(const ConvertSetting &setting)
{
    if (!isValidName(setting.name))
        return false;
    // A save writes back the whole file: one the store could not read whole
    // would lose what it did not read.
    if (!SettingsFileCheck::now().isReadable())
        return false;
    Settings store;
    writeStatementOptions(store, setting.name, setting.statement);
    writeInput(store, setting.name, setting.heads, setting.ex1, setting.ex2, setting.forms);
    writeOutputItems(store, setting.name, setting.outputItems);
    writeOutputFileOptions(store, setting);
    writeStatementFields(store, setting.name, setting.statementFields);
    store.sync();
    return store.status() == QSettings::NoError;
}

ConvertSetting ConvertSettingStore::load(const QString &name, Defaults defaults)
{
    ConvertSetting setting;
    setting.name = name;
    Settings store;
    setting.statement = readStatementOptions(store, name, defaults);
    const QList<QStringList> rows = readInputRows(store, name);
    setting.heads = rows.at(0);
    setting.ex1 = rows.at(1);
    setting.ex2 = rows.at(2);
    setting.forms = readInputForms(store, name);
    setting.outputItems = readOutputItems(store, name);
    readOutputFileOptions(store, setting);
    setting.statementFields = readStatementFields(store, name);
    return setting;
}

bool ConvertSettingStore::rename(const ConvertSetting &setting, const QString &oldName)
{
    if (!save(setting))
        return false;
    if (!sameName(oldName, setting.name))
        remove(oldName);
    return true;
}

bool ConvertSettingStore::remove(const QString &name)
{
    // An empty name would remove every setting at once.
    if (!isValidName(name))
        return false;
    if (!SettingsFileCheck::now().isReadable())
        return false;
    Settings store;
    store.beginGroup(settingInfoGroup);
    store.remove(name);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

QStringList ConvertSettingStore::toStringList(const QList<int> &numbers)
{
    QStringList strings;
    strings.reserve(numbers.size());
    for (const int number : numbers)
        strings.append(QString::number(number, 10));
    return strings;
}

QList<int> ConvertSettingStore::toIntList(const QStringList &strings)
{
    QList<int> numbers;
    numbers.reserve(strings.size());
    for (const QString &text : strings)
        numbers.append(text.toInt(nullptr, 10)); // 0 when it is no number
    return numbers;
}
