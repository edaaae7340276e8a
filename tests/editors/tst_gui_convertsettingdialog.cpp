#include "editors/ConvertSettingDialog.h"
#include "editors/DescriptionDelegate.h"
#include "editors/EditConditionsDialog.h"
#include "editors/EditOutputItemsDialog.h"
#include "editors/KeySelectDialog.h"
#include "editors/MergeDialog.h"
#include "editors/PdfRuleDialog.h"
#include "editors/RuleDialog.h"
#include "editors/models/InputModeModel.h"
#include "editors/models/ItemDragPayload.h"
#include "editors/models/OutputModeModel.h"
#include "editors/models/PdfSetModel.h"
#include "language/RuleDescription.h"
#include "settings/CompanyInfo.h"
#include "settings/ConvertSettingStore.h"
#include "statement/StatementFont.h"
#include "support/ChildWidget.h"
#include "support/FakeDesktop.h"
#include "support/SourceKinds.h"
#include "support/TestWorkingFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <memory>

namespace {

const QString demo = QStringLiteral(TEST_SOURCE_DIR "/examples/demo/");

void click(QWidget *parent, const char *button)
{
    child<QPushButton>(parent, button)->click();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The open (not yet closed) editors of a type under the dialog.
template <typename T> QList<T *> openEditors(QWidget *dialog)
{
    QList<T *> open;
    for (T *editor : dialog->findChildren<T *>()) {
        if (editor->isVisible())
            open.append(editor);
    }
    return open;
}

// A drop on a cell, delivered as a drag arrives: it enters the table, moves
// to the cell (scrolled into sight) and drops there.
bool dropOn(QTableView *view, const QModelIndex &cell, const QMimeData &mime)
{
    view->scrollTo(cell);
    const QPoint at = view->visualRect(cell).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    return drop.isAccepted();
}

bool dropOn(QTableView *view, const QModelIndex &cell, const QList<ItemDragEntry> &entries)
{
    QMimeData mime;
    mime.setData(ItemDragPayload::mimeType(), ItemDragPayload::encode(entries));
    return dropOn(view, cell, mime);
}

void clickCell(QTableView *view, const QModelIndex &cell)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
}

void doubleClickCell(QTableView *view, const QModelIndex &cell)
{
    const QPoint at = view->visualRect(cell).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

OutputItem namedItem(const QString &name)
{
    OutputItem item;
    item.name = name;
    return item;
}

ConvertSetting storedSetting(const QString &name, const QString &itemName)
{
    ConvertSetting setting;
    setting.name = name;
    setting.outputItems = {namedItem(itemName)};
    return setting;
}

// A dialog with its models, shown, answering through fakes.
struct Fixture
{
    explicit Fixture(const QStringList &names = {}) : model(names), dialog(&model, nullptr)
    {
        fake.modal = FakeDesktop::reject;
        dialog.setDesktop(&fake);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    void load(int row) { dialog.load(model.index(row)); }
    OutputModeModel *output() const
    {
        return qobject_cast<OutputModeModel *>(outputView()->model());
    }
    InputModeModel *input() const
    {
        return qobject_cast<InputModeModel *>(
            child<QTableView>(dialogPtr(), "InputModeView")->model());
    }
    PdfSetModel *statement() const
    {
        return qobject_cast<PdfSetModel *>(child<QTableView>(dialogPtr(), "pdfModelView")->model());
    }
    QTableView *outputView() const { return child<QTableView>(dialogPtr(), "outputModeView"); }
    QAbstractItemModel *preview() const
    {
        return child<QTableView>(dialogPtr(), "previewView")->model();
    }
    QWidget *dialogPtr() const { return const_cast<ConvertSettingDialog *>(&dialog); }
    QStringList comboEntries() const
    {
        auto *combo = child<QComboBox>(dialogPtr(), "inputFileComboBox");
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries << combo->itemText(i);
        return entries;
    }
    void addFiles(const QStringList &paths)
    {
        fake.openAnswers.enqueue(paths);
        click(&dialog, "addInputFileButton");
    }
    void setName(const QString &name)
    {
        child<QLineEdit>(&dialog, "settingNameEdit")->setText(name);
    }
    QStringList warnings() const { return FakeDesktop::texts(fake.warnings); }
    QStringList questions() const { return FakeDesktop::texts(fake.questions); }

    FakeDesktop fake;
    QStringListModel model;
    ConvertSettingDialog dialog;
};

} // namespace

class ConvertSettingDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void addSampleFiles_data();
    void addSampleFiles();
    void saving_data();
    void saving();
    void outputTable();
    void preview();
    void loadingAndStatement();
    void fontShownIsStored();
    void statementOptions_data();
    void statementOptions();
    void outputEncoding_data();
    void outputEncoding();
    void closing_data();
    void closing();

private:
    QTemporaryDir preferences_;
};

void ConvertSettingDialogTest::initTestCase()
{
    QVERIFY(preferences_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences_.path());
}

void ConvertSettingDialogTest::addSampleFiles_data()
{
    QTest::addColumn<QStringList>("files");
    // ok, cancel, none (nothing selected) or "pick e,n": click those rows, then OK
    QTest::addColumn<QString>("keyAnswer");
    QTest::addColumn<QString>("preselected");
    QTest::addColumn<QStringList>("combo");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("joinedOn"); // the second form's target key and key

    const QString orders = demo + "orders.csv";
    const QString lines = demo + "order-lines.csv";
    QTest::newRow("first file: header and two examples")
        << QStringList{orders} << "ok"
        << "" << QStringList{"orders.csv"} << 11 << ""
        << "";
    QTest::newRow("second file joined on the shared name")
        << QStringList{orders, lines} << "ok"
        << "0,0" << QStringList{"orders.csv", "order-lines.csv"} << 16 << ""
        << "0,0";
    QTest::newRow("key dialog cancelled") << QStringList{orders, lines} << "cancel"
                                          << "0,0" << QStringList{"orders.csv"} << 11 << ""
                                          << "";
    QTest::newRow("no key chosen")
        << QStringList{"a.csv", "other.csv"} << "none"
        << "-1,-1" << QStringList{"a.csv"} << 3 << "Matching key was not selected"
        << "";
    QTest::newRow("first shared name in header order")
        << QStringList{"a.csv", "b.csv"} << "ok"
        << "1,1" << QStringList{"a.csv", "b.csv"} << 5 << ""
        << "1,1";
    QTest::newRow("keys chosen by hand") << QStringList{"a.csv", "other.csv"} << "pick 0,0"
                                         << "-1,-1" << QStringList{"a.csv", "other.csv"} << 4 << ""
                                         << "0,0";
    QTest::newRow("preselection changed by hand")
        << QStringList{"a.csv", "b.csv"} << "pick 2,0"
        << "1,1" << QStringList{"a.csv", "b.csv"} << 5 << ""
        << "2,0";
    QTest::newRow("unreadable file, the next still added")
        << QStringList{"missing.csv", "a.csv"} << "ok"
        << "" << QStringList{"a.csv"} << 3 << "Cannot open file '%1/missing.csv':\n"
        << "";
    QTest::newRow("malformed record")
        << QStringList{"a.csv", "broken.csv"} << "ok"
        << "" << QStringList{"a.csv"} << 3
        << "Input file has a malformed record:\n%1/broken.csv (line 3)."
        << "";
    QTest::newRow("empty file") << QStringList{"empty.csv"} << "ok"
                                << "" << QStringList{} << 0
                                << "Input file has no header line:\n%1/empty.csv."
                                << "";
}

// Sample files build the input forms: the first keeps its header and two
// examples, each later one is joined on the key pair the user confirms.
void ConvertSettingDialogTest::addSampleFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QString, keyAnswer);
    QFETCH(QString, preselected);
    QFETCH(QStringList, combo);
    QFETCH(int, columns);
    QFETCH(QString, warning);
    QFETCH(QString, joinedOn);

    TestWorkingFolder folder;
    writeFile(folder.filePath("a.csv"), "x,y,k\n1,2,k1\n3,4,k2\n5,6,k3\n");
    writeFile(folder.filePath("b.csv"), "k,y,z\nk1,b1,c1\nk1,b2,c2\n");
    writeFile(folder.filePath("other.csv"), "p,q\n1,2\n");
    writeFile(folder.filePath("broken.csv"), "p,q\n1,2\n3,4,5\n");
    writeFile(folder.filePath("empty.csv"), "");
    for (QString &file : files) {
        if (QDir::isRelativePath(file))
            file = folder.filePath(file);
    }

    Fixture f;
    QString shownPreselection;
    f.fake.modal = [&](QDialog *dialog) {
        auto *keys = qobject_cast<KeySelectDialog *>(dialog);
        if (!keys)
            return int(QDialog::Rejected);
        shownPreselection =
            QStringLiteral("%1,%2").arg(keys->existingSelection()).arg(keys->newSelection());
        if (keyAnswer == "cancel")
            return int(QDialog::Rejected);
        if (!keyAnswer.startsWith("pick "))
            return int(QDialog::Accepted);
        // As the user chooses: a click in each list, then OK.
        keys->show();
        if (!QTest::qWaitForWindowExposed(keys))
            return int(QDialog::Rejected);
        const QStringList rows = keyAnswer.mid(5).split(',');
        const char *lists[] = {"originalDataListWidget", "newDataListWidget"};
        for (int k = 0; k < 2; ++k) {
            auto *list = child<QListWidget>(keys, lists[k]);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(rows.at(k).toInt())).center());
        }
        click(keys, "okButton");
        return keys->result();
    };
    f.addFiles(files);

    QCOMPARE(FakeDesktop::captions(f.fake.openDialogs), QStringList{"Load File(s)"});
    QCOMPARE(shownPreselection, preselected);
    QCOMPARE(f.comboEntries(), combo);
    QCOMPARE(f.input()->columnCount(), columns);
    QVERIFY(f.input()->rowCount() <= 3);
    QCOMPARE(f.input()->forms().size(), combo.size());
    if (warning.isEmpty()) {
        QCOMPARE(f.warnings(), QStringList());
    } else {
        QCOMPARE(f.fake.warnings.size(), 1);
        if (warning.contains("%1"))
            warning = warning.arg(folder.path());
        QVERIFY2(f.warnings().first().startsWith(warning), qPrintable(f.warnings().first()));
    }
    if (!joinedOn.isEmpty()) {
        const InputForm joined = f.input()->forms().at(1);
        QCOMPARE(QStringLiteral("%1,%2").arg(joined.targetKey).arg(joined.key), joinedOn);
    }
    if (combo.size() == 2 && columns == 16) {
        // The two examples are the first order joined with each of its lines.
        QCOMPARE(f.input()->row(1).value(0), QStringLiteral("MD-240501-001"));
        QCOMPARE(f.input()->row(2).value(12), QStringLiteral("ほうじ茶ティーバッグ"));
        QCOMPARE(f.input()->forms().at(1).name, QStringLiteral("order-lines"));
    }
    // Nothing reaches the settings file before Save.
    QVERIFY(!QFile::exists(folder.filePath("rowsmith.dat")));
}

void ConvertSettingDialogTest::saving_data()
{
    QTest::addColumn<int>("loadRow"); // -1: a new setting
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("statementWithoutTitle");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("message"); // warning or question
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("stored"); // name=first item name

    const QStringList before{"A=itemA", "B=itemB"};
    QTest::newRow("new setting appended")
        << -1 << "C" << false << false << "" << QStringList{"A", "B", "C"}
        << QStringList{"A=itemA", "B=itemB", "C=typed"};
    QTest::newRow("blanks around the name go")
        << -1 << "  C " << false << false << "" << QStringList{"A", "B", "C"}
        << QStringList{"A=itemA", "B=itemB", "C=typed"};
    QTest::newRow("empty name") << -1 << "" << false << false << "Name field is required."
                                << QStringList{"A", "B"} << before;
    QTest::newRow("blank name") << -1 << "   " << false << false << "Name field is required."
                                << QStringList{"A", "B"} << before;
    QTest::newRow("slash") << -1 << "a/b" << false << false << "Name must not contain '/' or '\\'."
                           << QStringList{"A", "B"} << before;
    QTest::newRow("backslash") << -1 << "a\\b" << false << false
                               << "Name must not contain '/' or '\\'." << QStringList{"A", "B"}
                               << before;
    QTest::newRow("statement without title")
        << -1 << "C" << true << false << "PDF title field is required." << QStringList{"A", "B"}
        << before;
    QTest::newRow("new under an existing name, No")
        << -1 << "B" << false << false << "A convert setting named 'B' already exists.\nReplace it?"
        << QStringList{"A", "B"} << before;
    QTest::newRow("new under an existing name, Yes")
        << -1 << "B" << false << true << "A convert setting named 'B' already exists.\nReplace it?"
        << QStringList{"A", "B"} << QStringList{"A=itemA", "B=typed"};
    QTest::newRow("rename") << 0 << "C" << false << false << "" << QStringList{"C", "B"}
                            << QStringList{"B=itemB", "C=typed"};
    QTest::newRow("rename onto another, No")
        << 0 << "B" << false << false << "A convert setting named 'B' already exists.\nReplace it?"
        << QStringList{"A", "B"} << before;
    QTest::newRow("rename onto another, Yes")
        << 0 << "B" << false << true << "A convert setting named 'B' already exists.\nReplace it?"
        << QStringList{"B"} << QStringList{"B=typed"};
    QTest::newRow("same name") << 1 << "B" << false << false << "" << QStringList{"A", "B"}
                               << QStringList{"A=itemA", "B=typed"};
}

// Save writes the whole setting and keeps one list row per name; a refused
// save writes nothing and keeps every typed text in the open dialog.
void ConvertSettingDialogTest::saving()
{
    QFETCH(int, loadRow);
    QFETCH(QString, name);
    QFETCH(bool, statementWithoutTitle);
    QFETCH(bool, answer);
    QFETCH(QString, message);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, stored);

    TestWorkingFolder folder;
    QVERIFY(ConvertSettingStore::save(storedSetting("A", "itemA")));
    QVERIFY(ConvertSettingStore::save(storedSetting("B", "itemB")));
    Fixture f(ConvertSettingStore::settingNames());
    if (loadRow >= 0) {
        f.load(loadRow);
        f.output()->replaceItem(0, namedItem("typed"));
    } else {
        // A name typed into the table and not yet committed counts too.
        click(&f.dialog, "addItemButton");
        QWidget *editor = f.outputView()->indexWidget(f.outputView()->currentIndex());
        QVERIFY(editor);
        QTest::keyClicks(editor, "typed");
    }
    if (statementWithoutTitle)
        child<QCheckBox>(&f.dialog, "pdfCheckBox")->setChecked(true);
    f.setName(name);
    f.fake.questionAnswers.enqueue(answer);
    click(&f.dialog, "saveButton");

    const bool refused = !message.isEmpty() && !answer;
    QCOMPARE(f.warnings().value(0) + f.questions().value(0), message);
    QCOMPARE(f.dialog.isVisible(), refused);
    QCOMPARE(f.model.stringList(), listed);
    QStringList inFile;
    for (const QString &setting : ConvertSettingStore::settingNames())
        inFile << setting + "=" + ConvertSettingStore::load(setting).outputItems.value(0).name;
    QCOMPARE(inFile, stored);
    if (refused) {
        QCOMPARE(child<QLineEdit>(&f.dialog, "settingNameEdit")->text(), name);
        QCOMPARE(f.output()->item(0).name, QStringLiteral("typed"));
    }
    if (statementWithoutTitle) {
        auto *tabs = child<QTabWidget>(&f.dialog, "outputTabWidget");
        QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("pdfTab"));
    }
}

// The output table's gestures: drops on Output and Conditions, the Distinct
// toggle, double clicks opening the editors, and heights from line counts.
void ConvertSettingDialogTest::outputTable()
{
    TestWorkingFolder folder;
    Fixture f;
    f.fake.modal = [](QDialog *) { return int(QDialog::Accepted); };
    f.addFiles({demo + "orders.csv", demo + "order-lines.csv"});
    OutputModeModel *output = f.output();
    QTableView *view = f.outputView();
    click(&f.dialog, "addItemButton");
    click(&f.dialog, "addItemButton");
    QCOMPARE(output->columnCount(), 2);
    auto cell = [output](int row, int column) { return output->index(row, column); };

    // Two input items dragged at once, then a company field, on item 0's Output cell.
    QVERIFY(
        dropOn(view, cell(OutputModeModel::OutputRow, 0),
               {{SourceKind::InputItem, 2, "購入者名"}, {SourceKind::InputItem, 12, "商品名"}}));
    QVERIFY(dropOn(view, cell(OutputModeModel::OutputRow, 0),
                   {{SourceKind::CompanyField, 1, "판매처명"}}));
    QCOMPARE(output->item(0).mappings, (QStringList{"購入者名", "商品名", "[판매처명]"}));
    QCOMPARE(output->item(0).mapNums, (QList<int>{2, 12, 1}));
    const int lineHeight = QFontMetrics(view->font()).height();
    // Three lines, each as tall as the Japanese fallback font needs.
    QVERIFY(view->rowHeight(OutputModeModel::OutputRow) >= 3 * lineHeight + 4);
    QVERIFY(openEditors<EditConditionsDialog>(&f.dialog).isEmpty());
    // A drop elsewhere is refused.
    QVERIFY(!dropOn(view, cell(OutputModeModel::RulesRow, 0),
                    {{SourceKind::InputItem, 0, "受注番号"}}));

    // Conditions: nothing to edit before a drop; a drop opens the editor on the new condition.
    doubleClickCell(view, cell(OutputModeModel::ConditionsRow, 1));
    QVERIFY(openEditors<EditConditionsDialog>(&f.dialog).isEmpty());
    QVERIFY(dropOn(view, cell(OutputModeModel::ConditionsRow, 1),
                   {{SourceKind::InputItem, 9, "合計金額"}}));
    QVERIFY(dropOn(view, cell(OutputModeModel::ConditionsRow, 1),
                   {{SourceKind::InputItem, 8, "送料"}}));
    const QList<EditConditionsDialog *> conditions = openEditors<EditConditionsDialog>(&f.dialog);
    QCOMPARE(conditions.size(), 2);
    QCOMPARE(child<QListWidget>(conditions.last(), "itemListWidget")->currentRow(), 1);
    for (EditConditionsDialog *editor : conditions)
        editor->close();

    // Distinct: each click toggles.
    clickCell(view, cell(OutputModeModel::DistinctRow, 1));
    QCOMPARE(output->item(1).distinct, QStringLiteral("YES"));
    clickCell(view, cell(OutputModeModel::DistinctRow, 1));
    QCOMPARE(output->item(1).distinct, QStringLiteral("NO"));

    // The other double clicks open their editors without blocking the dialog.
    doubleClickCell(view, cell(OutputModeModel::RulesRow, 0));
    doubleClickCell(view, cell(OutputModeModel::MergeRow, 0));
    doubleClickCell(view, cell(OutputModeModel::OutputRow, 0));
    QCOMPARE(openEditors<RuleDialog>(&f.dialog).size(), 1);
    QCOMPARE(openEditors<MergeDialog>(&f.dialog).size(), 1);
    QCOMPARE(openEditors<EditOutputItemsDialog>(&f.dialog).size(), 1);
    // The rule editor starts from the item's first example value.
    QCOMPARE(child<QLineEdit>(openEditors<RuleDialog>(&f.dialog).first(), "sampleLineEdit")->text(),
             QStringLiteral("髙橋 一郎静岡煎茶 特上 100g"));

    // Moving keeps the item whole; the Conditions cell current does not reopen its editor.
    view->setCurrentIndex(cell(OutputModeModel::ConditionsRow, 1));
    click(&f.dialog, "leftButton");
    QCOMPARE(output->item(1).mappings.size(), 3);
    QCOMPARE(view->currentIndex(), cell(OutputModeModel::NameRow, 0));
    QCOMPARE(openEditors<EditConditionsDialog>(&f.dialog).size(), 0);
    // Insert before the current item, move the new one right, delete it.
    click(&f.dialog, "insertItemButton");
    QCOMPARE(output->columnCount(), 3);
    QVERIFY(output->item(0).mappings.isEmpty());
    QCOMPARE(output->item(1).conditions.size(), 2);
    click(&f.dialog, "rightButton");
    QVERIFY(output->item(1).mappings.isEmpty());
    QCOMPARE(view->currentIndex(), cell(OutputModeModel::NameRow, 1));
    click(&f.dialog, "deleteItemButton");
    QCOMPARE(output->columnCount(), 2);
    QVERIFY(!view->currentIndex().isValid());
    QCOMPARE(output->item(0).conditions.size(), 2);
    QCOMPARE(output->item(1).mappings.size(), 3);

    // Clearing the input forms drops every input source; the company field stays.
    click(&f.dialog, "clearInputFileButton");
    QCOMPARE(output->item(1).mappings, QStringList{"[판매처명]"});
    QCOMPARE(output->item(0).conditions, QStringList());
    QCOMPARE(f.comboEntries(), QStringList());
    QCOMPARE(view->rowHeight(OutputModeModel::OutputRow),
             view->verticalHeader()->minimumSectionSize());
}

// Under the output table the example rows show as the engine converts them:
// conditions, rules, company fields, distinct with merge, after-merge rules.
void ConvertSettingDialogTest::preview()
{
    TestWorkingFolder folder;
    CompanyInfo company;
    company.setValue(1, QStringLiteral("みどり茶園"));
    QVERIFY(company.write());
    writeFile(folder.filePath("orders.csv"),
              "no,item,price\nA1,tea,500\nA1,cup,1500\nA2,pot,900\n");

    Fixture f;
    f.addFiles({folder.filePath("orders.csv")});
    OutputModeModel *output = f.output();
    OutputItem number;
    number.name = "no";
    number.mapSources = kinds({1, 0});
    number.mapNums = {0, 1};
    number.mappings = QStringList{"no", "[판매처명]"};
    number.separator = "@";
    OutputItem items;
    items.name = "items";
    items.mapSources = kinds({1});
    items.mapNums = {1};
    items.mappings = QStringList{"item"};
    items.condSources = kinds({1});
    items.condNums = {2};
    items.conditions = QStringList{"price"};
    items.condRules = QStringList{"range(greaterThan(1000),unLimit)"};
    items.condCombination = "AND";
    items.rules = QStringList{"append(!)"};
    for (const OutputItem &item : {number, items})
        output->replaceItem(output->appendItem().column(), item);

    QAbstractItemModel *preview = f.preview();
    QCOMPARE(preview->headerData(1, Qt::Horizontal).toString(), QStringLiteral("items"));
    QCOMPARE(preview->rowCount(), 2);
    QCOMPARE(preview->index(0, 0).data().toString(), QStringLiteral("A1@みどり茶園"));
    QCOMPARE(preview->index(0, 1).data().toString(), QString());
    QCOMPARE(preview->index(1, 1).data().toString(), QStringLiteral("cup!"));

    // A key with a string merge on a new line folds the two rows into one,
    // and the after-merge rule runs on the merged value.
    output->toggleDistinct(0);
    output->setMerge(output->index(OutputModeModel::MergeRow, 1), "STRING", "\n");
    output->setData(output->index(OutputModeModel::RulesRow, 1), QStringList{"append(?)"},
                    OutputModeModel::AfterRulesRole);
    QCOMPARE(preview->rowCount(), 1);
    QCOMPARE(preview->index(0, 1).data().toString(), QStringLiteral("\ncup!?"));
    auto *previewView = child<QTableView>(&f.dialog, "previewView");
    QVERIFY(previewView->rowHeight(0) >= 2 * QFontMetrics(previewView->font()).height());
    // An item added later shows by its column letter until it is named.
    output->appendItem();
    QCOMPARE(preview->headerData(2, Qt::Horizontal).toString(), QStringLiteral("C"));
}

// Loading the demo setting fills every part of the dialog; the statement table's
// editors run modally; a font this system lacks is kept when saving.
void ConvertSettingDialogTest::loadingAndStatement()
{
    TestWorkingFolder folder;
    QVERIFY(QFile::copy(demo + "rowsmith.dat", folder.filePath("rowsmith.dat")));
    const QString name = ConvertSettingStore::settingNames().value(0);
    ConvertSetting stored = ConvertSettingStore::load(name);
    stored.statement.font = QStringLiteral("No Such Font Family");
    QVERIFY(ConvertSettingStore::save(stored));

    Fixture f({name});
    QStringList modal;
    f.fake.modal = [&modal](QDialog *dialog) {
        modal << dialog->metaObject()->className();
        return int(QDialog::Rejected);
    };
    f.load(0);
    QCOMPARE(child<QLineEdit>(&f.dialog, "settingNameEdit")->text(), name);
    QVERIFY(child<QCheckBox>(&f.dialog, "pdfCheckBox")->isChecked());
    auto *tabs = child<QTabWidget>(&f.dialog, "outputTabWidget");
    QVERIFY(tabs->isTabEnabled(1));
    QCOMPARE(f.comboEntries(), (QStringList{"orders", "order-lines"}));
    // Choosing a form goes to its first column.
    auto *inputView = child<QTableView>(&f.dialog, "InputModeView");
    child<QComboBox>(&f.dialog, "inputFileComboBox")->setCurrentIndex(1);
    QCOMPARE(inputView->currentIndex(), f.input()->index(0, 11));
    const QScrollBar *scroll = inputView->horizontalScrollBar();
    QCOMPARE(scroll->value(),
             qMin(inputView->horizontalHeader()->sectionPosition(11), scroll->maximum()));
    QVERIFY(scroll->value() > 0);
    QCOMPARE(f.output()->columnCount(), stored.outputItems.size());
    QCOMPARE(f.preview()->columnCount(), stored.outputItems.size());
    // Conditions, rules and merges read in words, in the cell and its tool tip.
    const auto *words = qobject_cast<DescriptionDelegate *>(f.outputView()->itemDelegate());
    QVERIFY(words);
    int described = 0;
    for (int column = 0; column < stored.outputItems.size(); ++column) {
        const OutputItem &item = stored.outputItems.at(column);
        const std::pair<int, QString> cells[] = {
            {OutputModeModel::ConditionsRow,
             RuleDescription::conditions(item.conditions, item.condRules, item.condCombination)},
            {OutputModeModel::RulesRow, RuleDescription::rules(item.rules, item.afterRules)},
            {OutputModeModel::MergeRow, RuleDescription::merge(item.merge, item.mergeSeparator)}};
        for (const auto &[row, text] : cells) {
            const QModelIndex cell = f.output()->index(row, column);
            QCOMPARE(words->description(cell), text);
            QVERIFY(words->toolTip(cell).endsWith(cell.data(Qt::ToolTipRole).toString()));
            described += text.isEmpty() ? 0 : 1;
        }
    }
    QVERIFY(described >= 3);
    QVERIFY(words->description(f.output()->index(OutputModeModel::NameRow, 0)).isEmpty());
    QVERIFY(f.preview()->rowCount() > 0);

    tabs->setCurrentIndex(1);
    auto *pdfView = child<QTableView>(&f.dialog, "pdfModelView");
    PdfSetModel *statement = f.statement();
    const bool printed = statement->isPrinted(StatementFields::Coupon);
    clickCell(pdfView, statement->index(PdfSetModel::PrintRow, StatementFields::Coupon));
    QCOMPARE(statement->isPrinted(StatementFields::Coupon), !printed);
    // An input item dragged from the input table joins a field's sources, as
    // its view hands the selected header cell over.
    const StatementField before = statement->field(StatementFields::Option);
    clickCell(inputView, f.input()->index(0, 13));
    const std::unique_ptr<QMimeData> dragged(
        f.input()->mimeData(inputView->selectionModel()->selectedIndexes()));
    QVERIFY(dragged);
    QVERIFY(dropOn(pdfView, statement->index(PdfSetModel::OutputRow, StatementFields::Option),
                   *dragged));
    QCOMPARE(statement->field(StatementFields::Option).mappings,
             before.mappings + QStringList{f.input()->row(0).value(13)});
    QCOMPARE(statement->field(StatementFields::Option).mapNums, before.mapNums + QList<int>{13});
    doubleClickCell(pdfView, statement->index(PdfSetModel::OutputRow, StatementFields::Name));
    doubleClickCell(pdfView, statement->index(PdfSetModel::RuleRow, StatementFields::Name));
    const auto *ruleWords = qobject_cast<DescriptionDelegate *>(pdfView->itemDelegate());
    QCOMPARE(ruleWords->description(statement->index(PdfSetModel::RuleRow, StatementFields::Name)),
             RuleDescription::rules(stored.statementFields.at(StatementFields::Name).rules));
    QCOMPARE(modal, (QStringList{"EditOutputItemsDialog", "PdfRuleDialog"}));

    f.fake.questionAnswers.enqueue(true);
    click(&f.dialog, "saveButton");
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.questions(), QStringList());
    const ConvertSetting saved = ConvertSettingStore::load(name);
    QCOMPARE(saved.statement.font, QStringLiteral("No Such Font Family"));
    QCOMPARE(saved.outputItems, stored.outputItems);
    QCOMPARE(saved.forms, stored.forms);
    QCOMPARE(saved.statementFields.at(StatementFields::Coupon).toPrint, !printed);
    QCOMPARE(saved.statementFields.at(StatementFields::Option).mappings,
             statement->field(StatementFields::Option).mappings);
}

void ConvertSettingDialogTest::closing_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("how"); // cancel, escape or close
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");

    QTest::newRow("cancel discards without a question")
        << true << "cancel" << false << false << true;
    QTest::newRow("escape, untouched") << false << "escape" << false << false << true;
    QTest::newRow("escape with changes, keep them") << true << "escape" << false << true << false;
    QTest::newRow("escape with changes, discard") << true << "escape" << true << true << true;
    QTest::newRow("window closed with changes, keep them")
        << true << "close" << false << true << false;
}

// Typed work is never dropped without a word: only Cancel discards it silently.
void ConvertSettingDialogTest::closing()
{
    QFETCH(bool, edit);
    QFETCH(QString, how);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);

    TestWorkingFolder folder;
    Fixture f;
    if (edit)
        child<QLineEdit>(&f.dialog, "titleLineEdit")->setText("納品書");
    f.fake.questionAnswers.enqueue(answer);
    if (how == "cancel")
        click(&f.dialog, "cancelButton");
    else if (how == "escape")
        QTest::keyClick(&f.dialog, Qt::Key_Escape);
    else
        f.dialog.close();
    QCOMPARE(f.fake.questions.size(), asked ? 1 : 0);
    QCOMPARE(!f.dialog.isVisible(), closed);
    QVERIFY(!QFile::exists(folder.filePath("rowsmith.dat")));
}

// A setting without a stored font shows the font its statement is printed
// in, and saving stores that one.
void ConvertSettingDialogTest::fontShownIsStored()
{
    TestWorkingFolder folder;
    QVERIFY(QFile::copy(demo + "rowsmith.dat", folder.filePath("rowsmith.dat")));
    const QString name = ConvertSettingStore::settingNames().value(0);
    ConvertSetting stored = ConvertSettingStore::load(name);
    stored.statement.font.clear();
    QVERIFY(ConvertSettingStore::save(stored));

    Fixture f({name});
    f.load(0);
    const QString printed = statementFont(QString()).family();
    QCOMPARE(child<QFontComboBox>(&f.dialog, "fontComboBox")->currentFont().family(), printed);
    f.fake.questionAnswers.enqueue(true);
    click(&f.dialog, "saveButton");
    QCOMPARE(ConvertSettingStore::load(name).statement.font, printed);
}

void ConvertSettingDialogTest::statementOptions_data()
{
    // Which of the eight company lines are printed, as flags in field order.
    QTest::addColumn<QList<bool>>("printed");
    QTest::newRow("none") << QList<bool>{false, false, false, false, false, false, false, false};
    QTest::newRow("all") << QList<bool>{true, true, true, true, true, true, true, true};
    QTest::newRow("every other") << QList<bool>{true, false, true, false, true, false, true, false};
    QTest::newRow("the others") << QList<bool>{false, true, false, true, false, true, false, true};
}

// The statement options show in their widgets as stored, every change there
// is stored, and the statement tab is open only while the statement is made.
void ConvertSettingDialogTest::statementOptions()
{
    QFETCH(QList<bool>, printed);
    const char *boxes[] = {"companyNameCheckBox",  "storeNameCheckBox", "storePostCodeCheckBox",
                           "storeAddressCheckBox", "storeTelCheckBox",  "storeFaxCheckBox",
                           "storeEmailCheckBox",   "storeSiteCheckBox"};
    auto flags = [](StatementOptions &o) {
        return QList<bool *>{&o.printCompanyName,  &o.printStoreName, &o.printStorePostCode,
                             &o.printStoreAddress, &o.printStoreTel,  &o.printStoreFax,
                             &o.printStoreEmail,   &o.printStoreSite};
    };
    TestWorkingFolder folder;
    QVERIFY(QFile::copy(demo + "rowsmith.dat", folder.filePath("rowsmith.dat")));
    const QString name = ConvertSettingStore::settingNames().value(0);
    ConvertSetting stored = ConvertSettingStore::load(name);
    StatementOptions &options = stored.statement;
    options.title = QStringLiteral("納品書");
    options.ment = QStringLiteral("いつもありがとうございます。\n二行目");
    options.comment = QStringLiteral("返品は7日以内に。");
    for (int i = 0; i < 8; ++i)
        *flags(options).at(i) = printed.at(i);
    QVERIFY(ConvertSettingStore::save(stored));

    Fixture f({name});
    auto *tabs = child<QTabWidget>(&f.dialog, "outputTabWidget");
    QVERIFY(!tabs->isTabEnabled(1)); // a new dialog makes no statement yet
    f.load(0);
    QVERIFY(tabs->isTabEnabled(1));
    QCOMPARE(child<QLineEdit>(&f.dialog, "titleLineEdit")->text(), options.title);
    QCOMPARE(child<QPlainTextEdit>(&f.dialog, "mentTextEdit")->toPlainText(), options.ment);
    QCOMPARE(child<QPlainTextEdit>(&f.dialog, "commentTextEdit")->toPlainText(), options.comment);
    for (int i = 0; i < 8; ++i) {
        auto *box = child<QCheckBox>(&f.dialog, boxes[i]);
        QCOMPARE(box->isChecked(), printed.at(i));
        box->setChecked(!printed.at(i)); // every flag turned over
    }
    child<QLineEdit>(&f.dialog, "titleLineEdit")->setText(QStringLiteral("お買上げ明細書"));
    auto *generate = child<QCheckBox>(&f.dialog, "pdfCheckBox");
    generate->setChecked(false);
    QVERIFY(!tabs->isTabEnabled(1));
    generate->setChecked(true);
    QVERIFY(tabs->isTabEnabled(1));

    f.fake.questionAnswers.enqueue(true);
    click(&f.dialog, "saveButton");
    StatementOptions saved = ConvertSettingStore::load(name).statement;
    QCOMPARE(saved.title, QStringLiteral("お買上げ明細書"));
    QCOMPARE(saved.ment, options.ment);
    QCOMPARE(saved.comment, options.comment);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(*flags(saved).at(i), !printed.at(i));
}

void ConvertSettingDialogTest::outputEncoding_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QStringList>("entries"); // of the combo box, once loaded
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("chosen"); // -1: left as shown
    QTest::addColumn<QString>("saved");

    const QStringList all{QString::fromUtf8("시스템 기본값"), "UTF-8",
                          QString::fromUtf8("UTF-8 (BOM 포함)"), "Shift_JIS (CP932)"};
    QTest::newRow("none stored, Shift_JIS chosen")
        << QString() << false << all << 0 << 3 << "Shift_JIS";
    QTest::newRow("UTF-8-BOM stored, the system's chosen")
        << "UTF-8-BOM" << true << all << 2 << 0 << QString();
    QTest::newRow("another letter case") << "utf-8" << false << all << 1 << -1 << "UTF-8";
    QTest::newRow("unknown name kept")
        << "EUC-JP" << false << all + QStringList{"EUC-JP"} << 4 << -1 << "EUC-JP";
}

// The encoding and the replacement box show as stored, and what is shown is stored.
void ConvertSettingDialogTest::outputEncoding()
{
    QFETCH(QString, stored);
    QFETCH(bool, replace);
    QFETCH(QStringList, entries);
    QFETCH(int, shown);
    QFETCH(int, chosen);
    QFETCH(QString, saved);
    TestWorkingFolder folder;
    QVERIFY(QFile::copy(demo + "rowsmith.dat", folder.filePath("rowsmith.dat")));
    const QString name = ConvertSettingStore::settingNames().value(0);
    ConvertSetting setting = ConvertSettingStore::load(name);
    setting.outputEncoding = stored;
    setting.replaceUnencodable = replace;
    QVERIFY(ConvertSettingStore::save(setting));

    Fixture f({name});
    f.load(0);
    auto *combo = child<QComboBox>(&f.dialog, "encodingComboBox");
    auto *box = child<QCheckBox>(&f.dialog, "replaceCheckBox");
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    QCOMPARE(texts, entries);
    QCOMPARE(combo->currentIndex(), shown);
    QCOMPARE(box->isChecked(), replace);
    if (chosen >= 0)
        combo->setCurrentIndex(chosen);
    box->setChecked(!replace);

    f.fake.questionAnswers.enqueue(true);
    click(&f.dialog, "saveButton");
    const ConvertSetting loaded = ConvertSettingStore::load(name);
    QCOMPARE(loaded.outputEncoding, saved);
    QCOMPARE(loaded.replaceUnencodable, !replace);
}

QTEST_MAIN(ConvertSettingDialogTest)
#include "tst_gui_convertsettingdialog.moc"
