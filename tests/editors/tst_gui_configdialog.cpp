#include "editors/ConfigDialog.h"
#include "editors/ConvertSettingDialog.h"
#include "editors/KeySelectDialog.h"
#include "settings/CompanyInfo.h"
#include "settings/ConvertSettingStore.h"
#include "support/FakeDesktop.h"
#include "support/TestWorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QStringListModel>
#include <QTabWidget>
#include <QtTest>

namespace {

const char *const editNames[] = {"CompanyNameEdit", "StoreNameEdit", "StoreSiteEdit",
                                 "PostCodeEdit",    "AddressEdit",   "TelEdit",
                                 "FaxEdit",         "EmailEdit"};

QLineEdit *edit(QWidget *dialog, int code)
{
    return dialog->findChild<QLineEdit *>(QLatin1String(editNames[code]));
}

void click(QWidget *dialog, const char *button)
{
    dialog->findChild<QPushButton *>(QLatin1String(button))->click();
}

QStringList storedCompany()
{
    const CompanyInfo company = CompanyInfo::read();
    QStringList values;
    for (int code = 0; code < CompanyInfo::FieldCount; ++code)
        values << company.value(code);
    return values;
}

QList<ConvertSettingDialog *> openSettingDialogs(QWidget *parent)
{
    QList<ConvertSettingDialog *> open;
    for (ConvertSettingDialog *dialog : parent->findChildren<ConvertSettingDialog *>()) {
        if (dialog->isVisible())
            open << dialog;
    }
    return open;
}

} // namespace

class ConfigDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void buttons_data();
    void buttons();
    void company_data();
    void company();
    void settingsList_data();
    void settingsList();
    void unreadableSettingsFileIsKept_data();
    void unreadableSettingsFileIsKept();
};

void ConfigDialogTest::buttons_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("icon");

    auto row = [](const char *dialog, const char *name, const QString &text, const QString &tip,
                  const char *icon) {
        QTest::addRow("%s %s", dialog, name) << dialog << name << text << tip << icon;
    };
    row("config", "addButton", "추가", "새로운 설정을 추가합니다", "add");
    row("config", "setButton", "변경", "선택된 설정을 변경합니다", "table_edit");
    row("config", "deleteButton", "삭제", "선택된 설정을 삭제합니다", "delete");
    row("config", "okButton", "확인", "변경된 사항을 저장합니다", "tick");
    row("config", "cancelButton", "취소", "변경된 사항을 저장하지 않습니다", "cross");
    row("setting", "addInputFileButton", "입력양식 추가",
        "입력될 양식을 파일에서 불러와 추가합니다", "table_add");
    row("setting", "clearInputFileButton", "입력양식 비우기", "입력양식을 초기화 합니다",
        "table_delete");
    row("setting", "addItemButton", "항목 추가", "새로운 출력항목을 마지막에 추가합니다",
        "table_col_add");
    row("setting", "insertItemButton", "항목 삽입", "새로운 출력항목을 선택된 위치에 삽입합니다",
        "table_col_insert");
    row("setting", "deleteItemButton", "항목 삭제", "선택된 항목을 삭제합니다", "table_col_delete");
    row("setting", "leftButton", "", "선택된 항목을 왼쪽으로 이동합니다", "arrow_left");
    row("setting", "rightButton", "", "선택된 항목을 오른쪽으로 이동합니다", "arrow_right");
    row("setting", "saveButton", "저장", "변경된 사항을 저장합니다", "tick");
    row("setting", "cancelButton", "취소", "변경된 사항을 저장하지 않습니다", "cross");
    row("key", "okButton", "선택", "선택된 항목들로 매칭하여 입력양식을 추가합니다", "tick");
    row("key", "cancelButton", "취소", "입력양식을 추가하지 않습니다", "cross");
}

// The buttons of the three dialogs: text, tip (also the status tip) and icon.
void ConfigDialogTest::buttons()
{
    QFETCH(QString, dialog);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, tip);
    QFETCH(QString, icon);

    TestWorkingFolder folder;
    QStringListModel names;
    std::unique_ptr<QWidget> shown;
    if (dialog == "config")
        shown = std::make_unique<ConfigDialog>(&names);
    else if (dialog == "setting")
        shown = std::make_unique<ConvertSettingDialog>(&names);
    else
        shown = std::make_unique<KeySelectDialog>(QStringList{"a"}, QStringList{"a"}, 0, 0);
    auto *button = shown->findChild<QPushButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    QCOMPARE(button->toolTip(), tip);
    QCOMPARE(button->statusTip(), tip);
    const QImage expected = QIcon(":/icon/images/" + icon + ".png").pixmap(16, 16).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(button->icon().pixmap(16, 16).toImage(), expected);
    QCOMPARE(button->isDefault(), name == "okButton" || name == "saveButton");
}

void ConfigDialogTest::company_data()
{
    QTest::addColumn<QStringList>("stored"); // nothing stored when empty
    QTest::addColumn<QString>("typed");      // code=text
    QTest::addColumn<QString>("how");        // ok, cancel, escape
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("asked");

    const QStringList shop{"有限会社みどり茶園", "みどり茶園",          "https://shop.example.jp",
                           "422-8001",           "静岡県静岡市",        "054-123-4567",
                           "054-123-4568",       "info@shop.example.jp"};
    QStringList typed = shop;
    typed[1] = "みどり茶園 本店";
    QStringList empty;
    for (int i = 0; i < CompanyInfo::FieldCount; ++i)
        empty << QString();
    QStringList foreignTel = shop;
    foreignTel[5] = "0120-123-456";

    QTest::newRow("ok writes all eight") << shop << "1=みどり茶園 本店"
                                         << "ok" << false << typed << false;
    QTest::newRow("cancel keeps the stored values") << shop << "1=x"
                                                    << "cancel" << false << shop << false;
    QTest::newRow("escape asks, keep typing") << shop << "1=x"
                                              << "escape" << false << shop << true;
    QTest::newRow("escape asks, discard") << shop << "1=x"
                                          << "escape" << true << shop << true;
    QTest::newRow("escape untouched") << shop << ""
                                      << "escape" << false << shop << false;
    QTest::newRow("untouched masked fields store nothing") << QStringList{} << ""
                                                           << "ok" << false << empty << false;
    QTest::newRow("typed into the mask")
        << QStringList{} << "3=4228001"
        << "ok" << false << QStringList{"", "", "", "422-8001", "", "", "", ""} << false;
    // Telephone and fax take digits and hyphens in any grouping, as typed.
    QTest::newRow("numbers as they are written")
        << QStringList{} << "5=054-123-4567|6=09012345678"
        << "ok" << false << QStringList{"", "", "", "", "", "054-123-4567", "09012345678", ""}
        << false;
    QTest::newRow("no letters or spaces in numbers")
        << QStringList{} << "5=03 1234-56a78"
        << "ok" << false << QStringList{"", "", "", "", "", "031234-5678", "", ""} << false;
    QTest::newRow("a stored number kept as it is") << foreignTel << ""
                                                   << "ok" << false << foreignTel << false;
}

// Company information is edited in place and written by OK only; typed
// changes are never dropped without a word.
void ConfigDialogTest::company()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(bool, answer);
    QFETCH(QStringList, after);
    QFETCH(bool, asked);

    TestWorkingFolder folder;
    if (!stored.isEmpty()) {
        CompanyInfo company;
        for (int code = 0; code < stored.size(); ++code)
            company.setValue(code, stored.at(code));
        QVERIFY(company.write());
    }
    QStringListModel names;
    FakeDesktop fake;
    fake.modal = FakeDesktop::reject;
    ConfigDialog dialog(&names);
    dialog.setDesktop(&fake);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.findChild<QTabWidget *>("tabWidget")->currentIndex(), 0);
    for (int code = 0; code < stored.size(); ++code)
        QCOMPARE(edit(&dialog, code)->text(), stored.at(code));

    for (const QString &entry : typed.split('|', Qt::SkipEmptyParts)) {
        QLineEdit *target = edit(&dialog, entry.section('=', 0, 0).toInt());
        target->clear();
        target->setCursorPosition(0);
        const QString text = entry.section('=', 1);
        // Key events carry Latin-1 only; other text arrives as input does.
        if (text.toLatin1() == text.toUtf8())
            QTest::keyClicks(target, text);
        else
            target->insert(text);
    }
    fake.questionAnswers.enqueue(answer);
    if (how == "ok")
        click(&dialog, "okButton");
    else if (how == "cancel")
        click(&dialog, "cancelButton");
    else
        QTest::keyClick(&dialog, Qt::Key_Escape);

    QCOMPARE(fake.questions.size(), asked ? 1 : 0);
    QCOMPARE(dialog.isVisible(), asked && !answer);
    if (how == "ok" || !stored.isEmpty())
        QCOMPARE(storedCompany(), after);
    else
        QVERIFY(!QFile::exists(folder.filePath("rowsmith.dat")));
}

void ConfigDialogTest::settingsList_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("opened"); // name in the opened dialog; "-" when none opens

    QTest::newRow("delete the current row, asked")
        << "delete:yes" << 1 << QStringList{"A", "C"} << "-";
    QTest::newRow("delete answered No keeps it")
        << "delete:no" << 1 << QStringList{"A", "B", "C"} << "-";
    QTest::newRow("delete without a current row")
        << "delete:yes" << -1 << QStringList{"A", "B", "C"} << "-";
    QTest::newRow("copy opens the copy")
        << "copy" << 1 << QStringList{"A", "B", "B copy", "C"} << "B copy";
    QTest::newRow("copy without a current row")
        << "copy" << -1 << QStringList{"A", "B", "C"} << "-";
    QTest::newRow("change the current row") << "change" << 2 << QStringList{"A", "B", "C"} << "C";
    QTest::newRow("change without a current row")
        << "change" << -1 << QStringList{"A", "B", "C"} << "-";
    QTest::newRow("double click a row") << "doubleClick" << 0 << QStringList{"A", "B", "C"} << "A";
    QTest::newRow("double click the empty area")
        << "doubleClick" << -1 << QStringList{"A", "B", "C"} << "-";
    QTest::newRow("add opens an empty setting") << "add" << 0 << QStringList{"A", "B", "C"} << "";
}

// List operations act on the shared name model and the settings file at once.
void ConfigDialogTest::settingsList()
{
    QFETCH(QString, action);
    QFETCH(int, currentRow);
    QFETCH(QStringList, listed);
    QFETCH(QString, opened);

    TestWorkingFolder folder;
    for (const QString name : {"A", "B", "C"}) {
        ConvertSetting setting;
        setting.name = name;
        QVERIFY(ConvertSettingStore::save(setting));
    }
    QStringListModel names(ConvertSettingStore::settingNames());
    FakeDesktop fake;
    fake.modal = FakeDesktop::reject;
    ConfigDialog dialog(&names);
    dialog.setDesktop(&fake);
    dialog.setCurrentPage(ConfigDialog::SettingsPage);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *list = dialog.findChild<QListView *>("settingListView");
    QVERIFY(list->isVisible());
    if (currentRow >= 0)
        list->setCurrentIndex(names.index(currentRow));

    if (action.startsWith("delete")) {
        fake.questionAnswers.enqueue(action.endsWith("yes"));
        click(&dialog, "deleteButton");
        QCOMPARE(FakeDesktop::texts(fake.questions),
                 currentRow < 0 ? QStringList{} : QStringList{"Delete the convert setting 'B'?"});
    } else if (action == "copy") {
        click(&dialog, "copyButton");
    } else if (action == "change") {
        click(&dialog, "setButton");
    } else if (action == "add") {
        click(&dialog, "addButton");
    } else {
        const QPoint at = currentRow >= 0 ? list->visualRect(names.index(currentRow)).center()
                                          : QPoint(5, list->viewport()->height() - 5);
        // A double click follows a first press and release at the same point.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    QCOMPARE(names.stringList(), listed);
    QStringList stored = listed;
    stored.sort(); // the store lists its groups in its own order
    QCOMPARE(ConvertSettingStore::settingNames(), stored);
    const QList<ConvertSettingDialog *> open = openSettingDialogs(&dialog);
    QCOMPARE(open.size(), opened == "-" ? 0 : 1);
    if (!open.isEmpty()) {
        QCOMPARE(open.first()->findChild<QLineEdit *>("settingNameEdit")->text(), opened);
        QVERIFY(open.first()->testAttribute(Qt::WA_DeleteOnClose));
    }
    // The list is not edited in place.
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void ConfigDialogTest::unreadableSettingsFileIsKept_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("company information") << "ok";
    QTest::newRow("delete a setting") << "delete";
    QTest::newRow("save a new setting") << "add";
    QTest::newRow("rename a setting") << "change";
}

// Saving over a settings file that was not read whole would drop what was
// not read: every save says why it cannot be done, and the file stays.
void ConfigDialogTest::unreadableSettingsFileIsKept()
{
    QFETCH(QString, action);
    TestWorkingFolder folder;
    for (const QString name : {"A", "B"}) {
        ConvertSetting setting;
        setting.name = name;
        QVERIFY(ConvertSettingStore::save(setting));
    }
    QStringListModel names(ConvertSettingStore::settingNames());
    QFile file(QStringLiteral("rowsmith.dat"));
    QVERIFY(file.open(QIODevice::Append));
    file.write("[CompanyInfo\nname=x\n");
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    FakeDesktop fake;
    fake.modal = FakeDesktop::reject;
    ConfigDialog dialog(&names);
    dialog.setDesktop(&fake);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.findChild<QListView *>("settingListView")->setCurrentIndex(names.index(1));
    QWidget *saving = &dialog;
    if (action == "ok" || action == "delete") {
        click(&dialog, action == "ok" ? "okButton" : "deleteButton");
    } else {
        click(&dialog, action == "add" ? "addButton" : "setButton");
        const QList<ConvertSettingDialog *> open = openSettingDialogs(&dialog);
        QCOMPARE(open.size(), 1);
        saving = open.first();
        saving->findChild<QLineEdit *>("settingNameEdit")->setText("N");
        click(saving, "saveButton");
    }

    QCOMPARE(FakeDesktop::texts(fake.warnings),
             QStringList{QStringLiteral("Cannot read the settings file:\n%1\n"
                                        "Some of its lines cannot be read as settings.")
                             .arg(QDir::toNativeSeparators(
                                 QDir::current().filePath(QStringLiteral("rowsmith.dat"))))});
    QVERIFY(saving->isVisible());
    QCOMPARE(names.stringList(), (QStringList{"A", "B"}));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

QTEST_MAIN(ConfigDialogTest)
#include "tst_gui_configdialog.moc"
