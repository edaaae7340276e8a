#include "app/MainWindow.h"
#include "editors/ConfigDialog.h"
#include "editors/ConvertSettingDialog.h"
#include "editors/EditConditionsDialog.h"
#include "editors/KeySelectDialog.h"
#include "editors/MergeDialog.h"
#include "editors/RuleDialog.h"
#include "editors/models/ItemDragPayload.h"
#include "editors/models/OutputModeModel.h"
#include "settings/CompanyInfo.h"
#include "settings/ConvertSettingStore.h"
#include "support/ChildWidget.h"
#include "support/FakeDesktop.h"
#include "support/ProcessRunner.h"
#include "support/TestWorkingFolder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

const QString demo = QStringLiteral(TEST_SOURCE_DIR "/examples/demo/");

template <typename T> T *openDialog(QWidget *window)
{
    for (T *dialog : window->findChildren<T *>()) {
        if (dialog->isVisible())
            return dialog;
    }
    qFatal("no open %s", T::staticMetaObject.className());
    return nullptr;
}

void click(QWidget *parent, const char *button)
{
    child<QAbstractButton>(parent, button)->click();
}

QStringList comboEntries(const MainWindow &window)
{
    auto *combo = window.findChild<QComboBox *>("convertSetting");
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

// A drag from the input table or the company box, dropped on a cell.
void dropOn(QTableView *view, const QModelIndex &cell, const ItemDragEntry &entry)
{
    QMimeData mime;
    mime.setData(ItemDragPayload::mimeType(), ItemDragPayload::encode({entry}));
    const QPoint at = view->visualRect(cell).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    QVERIFY(drop.isAccepted());
}

void doubleClickCell(QTableView *view, const QModelIndex &cell)
{
    const QPoint at = view->visualRect(cell).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

// Adds an item by the button and types its name into the cell editor.
void addItem(ConvertSettingDialog *dialog, const QString &name)
{
    click(dialog, "addItemButton");
    QTableView *view = child<QTableView>(dialog, "outputModeView");
    auto *editor = qobject_cast<QLineEdit *>(view->indexWidget(view->currentIndex()));
    QVERIFY(editor);
    QTest::keyClicks(editor, name);
    QTest::keyClick(editor, Qt::Key_Return);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class MainWindowSettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void firstSettingFromNothing();
    void settingChooserFollowsTheList();

private:
    QTemporaryDir preferences_;
};

void MainWindowSettingsTest::initTestCase()
{
    QVERIFY(preferences_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences_.path());
}

// A new user, in an empty working folder, enters the company, builds a setting
// from the demo's sample files and converts with it: the window writes what
// the command line writes for the same setting.
void MainWindowSettingsTest::firstSettingFromNothing()
{
    TestWorkingFolder folder;
    const QStringList inputs{folder.filePath("orders.csv"), folder.filePath("order-lines.csv")};
    QVERIFY(QFile::copy(demo + "orders.csv", inputs.at(0)));
    QVERIFY(QFile::copy(demo + "order-lines.csv", inputs.at(1)));

    auto fake = std::make_unique<FakeDesktop>();
    FakeDesktop *desktop = fake.get();
    MainWindow window(std::move(fake));
    window.show();
    QVERIFY(comboEntries(window).isEmpty());

    // Company information.
    child<QAction>(&window, "action_company_config")->trigger();
    auto *config = openDialog<ConfigDialog>(&window);
    QCOMPARE(child<QTabWidget>(config, "tabWidget")->currentIndex(), 0);
    child<QLineEdit>(config, "StoreNameEdit")->insert(QStringLiteral("みどり茶園"));
    QTest::keyClicks(child<QLineEdit>(config, "TelEdit"), "054-123-4567");
    click(config, "okButton");
    QCOMPARE(CompanyInfo::read().value(1), QStringLiteral("みどり茶園"));
    QCOMPARE(CompanyInfo::read().value(5), QStringLiteral("054-123-4567"));

    // A new setting from the two sample files, joined on the shared order number.
    child<QAction>(&window, "action_convert_config")->trigger();
    config = openDialog<ConfigDialog>(&window);
    QCOMPARE(child<QTabWidget>(config, "tabWidget")->currentIndex(), 1);
    click(config, "addButton");
    auto *dialog = openDialog<ConvertSettingDialog>(config);
    child<QLineEdit>(dialog, "settingNameEdit")->setText(QStringLiteral("注文変換"));
    desktop->openAnswers.enqueue(inputs);
    QString preselected;
    QTimer::singleShot(0, [&preselected] {
        auto *keys = qobject_cast<KeySelectDialog *>(QApplication::activeModalWidget());
        QVERIFY(keys);
        preselected = child<QListWidget>(keys, "originalDataListWidget")->currentItem()->text();
        click(keys, "okButton");
    });
    click(dialog, "addInputFileButton");
    QCOMPARE(preselected, QStringLiteral("受注番号"));
    QVERIFY(desktop->warnings.isEmpty());

    QTableView *view = child<QTableView>(dialog, "outputModeView");
    auto *output = qobject_cast<OutputModeModel *>(view->model());
    auto cell = [output](int row, int column) { return output->index(row, column); };
    const QStringList names{"number", "customer", "products", "shop", "total"};
    for (const QString &name : names)
        addItem(dialog, name);
    dropOn(view, cell(OutputModeModel::OutputRow, 0), {SourceKind::InputItem, 0, "受注番号"});
    dropOn(view, cell(OutputModeModel::OutputRow, 1), {SourceKind::InputItem, 2, "購入者名"});
    dropOn(view, cell(OutputModeModel::OutputRow, 2), {SourceKind::InputItem, 12, "商品名"});
    dropOn(view, cell(OutputModeModel::OutputRow, 3), {SourceKind::CompanyField, 1, "판매처명"});
    dropOn(view, cell(OutputModeModel::OutputRow, 4), {SourceKind::InputItem, 9, "合計金額"});
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(cell(OutputModeModel::DistinctRow, 0)).center());

    // A rule on the customer.
    doubleClickCell(view, cell(OutputModeModel::RulesRow, 1));
    auto *rules = openDialog<RuleDialog>(dialog);
    child<QListWidget>(rules, "beforeListWidget")->addItem(QStringLiteral("append( 様)"));
    click(rules, "okButton");
    // The products merge as text.
    doubleClickCell(view, cell(OutputModeModel::MergeRow, 2));
    auto *merge = openDialog<MergeDialog>(dialog);
    child<QComboBox>(merge, "mergeTypeComboBox")->setCurrentIndex(1);
    child<QLineEdit>(merge, "separatorLineEdit")->setText(QStringLiteral("、"));
    click(merge, "okButton");
    // The total shows from 4000 yen on: the drop opens the conditions editor.
    dropOn(view, cell(OutputModeModel::ConditionsRow, 4), {SourceKind::InputItem, 9, "合計金額"});
    auto *conditions = openDialog<EditConditionsDialog>(dialog);
    child<QComboBox>(conditions, "typeComboBox")->setCurrentIndex(1);
    child<QComboBox>(conditions, "minComboBox")->setCurrentIndex(1);
    child<QSpinBox>(conditions, "minSpinBox")->setValue(4000);
    child<QComboBox>(conditions, "maxComboBox")->setCurrentIndex(2);
    click(conditions, "saveButton");
    click(conditions, "okButton");

    // The preview already shows what the conversion will write.
    QAbstractItemModel *preview = child<QTableView>(dialog, "previewView")->model();
    QCOMPARE(preview->rowCount(), 1);
    QCOMPARE(preview->index(0, 1).data().toString(), QStringLiteral("髙橋 一郎 様"));
    QCOMPARE(preview->index(0, 2).data().toString(),
             QStringLiteral("静岡煎茶 特上 100g、ほうじ茶ティーバッグ"));
    QCOMPARE(preview->index(0, 3).data().toString(), QStringLiteral("みどり茶園"));

    click(dialog, "saveButton");
    QVERIFY(!dialog->isVisible());
    QVERIFY(desktop->warnings.isEmpty());
    QCOMPARE(child<QListView>(config, "settingListView")->model()->rowCount(), 1);
    click(config, "cancelButton");
    QCOMPARE(comboEntries(window), QStringList{"注文変換"});
    const OutputItem total = ConvertSettingStore::load("注文変換").outputItems.value(4);
    QCOMPARE(total.condRules, QStringList{"range(notLessThan(4000),unLimit)"});

    // The run in the window and through the command line.
    desktop->openAnswers.enqueue(inputs);
    click(&window, "addButton");
    desktop->saveAnswers.enqueue(folder.filePath("window.csv"));
    click(&window, "setButton");
    click(&window, "convertButton");
    QVERIFY(desktop->warnings.isEmpty());
    ProcessOptions inFolder;
    inFolder.workingDirectory = folder.path();
    const ProcessResult cli = runCliProcess(
        QStringList{"convert", "--setting", "注文変換", "--output", "cli.csv"} + inputs, inFolder);
    QVERIFY2(cli.exitCode == 0, cli.err.constData());
    const QByteArray written = readFile(folder.filePath("window.csv"));
    QCOMPARE(written, readFile(folder.filePath("cli.csv")));
    QVERIFY(QString::fromLocal8Bit(written).contains(
        QStringLiteral("静岡煎茶 特上 100g、ほうじ茶ティーバッグ")));
}

// The chooser shows the shared list: renamed, deleted and added settings show
// at once, and the configure button opens the chosen one.
void MainWindowSettingsTest::settingChooserFollowsTheList()
{
    TestWorkingFolder folder;
    for (const QString name : {"A", "B"}) {
        ConvertSetting setting;
        setting.name = name;
        QVERIFY(ConvertSettingStore::save(setting));
    }
    auto fake = std::make_unique<FakeDesktop>();
    fake->questionAnswers << true << true; // yes, delete each
    MainWindow window(std::move(fake));
    window.show();
    auto *chooser = child<QComboBox>(&window, "convertSetting");
    QCOMPARE(comboEntries(window), (QStringList{"A", "B"}));

    // Rename the chosen setting through the configure button.
    chooser->setCurrentIndex(1);
    click(&window, "configButton");
    auto *dialog = openDialog<ConvertSettingDialog>(&window);
    QCOMPARE(child<QLineEdit>(dialog, "settingNameEdit")->text(), QStringLiteral("B"));
    child<QLineEdit>(dialog, "settingNameEdit")->setText("C");
    click(dialog, "saveButton");
    QCOMPARE(comboEntries(window), (QStringList{"A", "C"}));
    QCOMPARE(chooser->currentText(), QStringLiteral("C"));
    QCOMPARE(ConvertSettingStore::settingNames(), (QStringList{"A", "C"}));

    // Delete both in the settings list: the chooser empties, configure opens nothing.
    child<QAction>(&window, "action_convert_config")->trigger();
    auto *config = openDialog<ConfigDialog>(&window);
    auto *list = child<QListView>(config, "settingListView");
    for (int i = 0; i < 2; ++i) {
        list->setCurrentIndex(list->model()->index(0, 0));
        click(config, "deleteButton");
    }
    QVERIFY(comboEntries(window).isEmpty());
    QVERIFY(ConvertSettingStore::settingNames().isEmpty());
    click(config, "cancelButton");
    click(&window, "configButton");
    QVERIFY(window.findChildren<ConvertSettingDialog *>().isEmpty() ||
            !window.findChild<ConvertSettingDialog *>()->isVisible());

    // A setting added to the empty list becomes the chosen one.
    child<QAction>(&window, "action_convert_config")->trigger();
    config = openDialog<ConfigDialog>(&window);
    click(config, "addButton");
    dialog = openDialog<ConvertSettingDialog>(config);
    child<QLineEdit>(dialog, "settingNameEdit")->setText("N");
    click(dialog, "saveButton");
    QCOMPARE(comboEntries(window), QStringList{"N"});
    QCOMPARE(chooser->currentIndex(), 0);
}

QTEST_MAIN(MainWindowSettingsTest)
#include "tst_mainwindow_settings.moc"
