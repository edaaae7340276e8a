#include "app/MainWindow.h"
#include "engine/EngineTestSupport.h"
#include "settings/CompanyInfo.h"
#include "settings/ConvertSettingStore.h"
#include "support/FakeDesktop.h"
#include "support/ProcessRunner.h"
#include "support/SourceKinds.h"
#include "support/TestWorkingFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

const QStringList OrderHeads{"注文番号", "注文日時", "氏名",    "フリガナ",
                             "郵便番号", "住所",     "合計金額"};
const QStringList LineHeads{"注文番号", "商品名", "数量", "単価"};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

OutputItem item(const QString &name, const QList<int> &columns)
{
    OutputItem result;
    result.name = name;
    for (int column : columns) {
        result.mapSources << kind(1);
        result.mapNums << column;
        result.mappings << QString::number(column);
    }
    return result;
}

// Orders joined with their lines on the order number; one item of every kind
// the window has no part in: rules, a company field, a condition, a key with
// STRING and NUMBER merges.
ConvertSetting joinedOrders(const QString &name, bool statement)
{
    ConvertSetting s;
    s.name = name;
    s.forms = {InputForm{QStringLiteral("orders"), OrderHeads, -1, -1},
               InputForm{QStringLiteral("lines"), LineHeads, 0, 0}};
    s.heads = OrderHeads + LineHeads.mid(1);

    OutputItem number = item(QStringLiteral("注文番号"), {0});
    number.distinct = QStringLiteral("YES");
    OutputItem date = item(QStringLiteral("日付"), {1});
    date.rules = QStringList{QStringLiteral("left(10)")};
    OutputItem buyer = item(QStringLiteral("お客様"), {2, 3});
    buyer.separator = QStringLiteral(" / ");
    buyer.rules = QStringList{QStringLiteral("charType(fullWidth)")};
    OutputItem shop = item(QStringLiteral("店舗"), {});
    shop.mapSources << kind(0);
    shop.mapNums << 1;
    shop.mappings << QStringLiteral("[판매처명]");
    OutputItem products = item(QStringLiteral("商品"), {7});
    products.merge = QStringLiteral("STRING");
    products.mergeSeparator = QStringLiteral("、");
    OutputItem quantity = item(QStringLiteral("数量"), {8});
    quantity.merge = QStringLiteral("NUMBER");
    OutputItem large = item(QStringLiteral("高額"), {6});
    large.condSources << kind(1);
    large.condNums << 6;
    large.conditions << QStringLiteral("合計金額");
    large.condRules << QStringLiteral("range(notLessThan(5000),unLimit)");
    large.condCombination = QStringLiteral("AND");
    large.afterRules = QStringList{QStringLiteral("append(円)")};
    s.outputItems = {number, date, buyer, shop, products, quantity, large};

    s.statementFields = QList<StatementField>();
    for (int i = 0; i < StatementFields::Count; ++i)
        s.statementFields << StatementField();
    s.statement.generate = statement;
    if (statement) {
        s.statement.title = QStringLiteral("納品書");
        s.statementFields[StatementFields::Name] = {true, {2}, {"氏名"}, {}, {}};
        s.statementFields[StatementFields::OrderNumber] = {true, {0}, {"注文番号"}, {}, {}};
        s.statementFields[StatementFields::ProductName] = {true, {7}, {"商品名"}, {}, {}};
        s.statementFields[StatementFields::Quantity] = {true, {8}, {"数量"}, {}, {}};
    }
    return s;
}

void writeInputs(const TestWorkingFolder &folder)
{
    // The orders export comes from Windows (CP932), the lines from a web shop (UTF-8).
    const QString orders = QStringLiteral(
        "注文番号,注文日時,氏名,フリガナ,郵便番号,住所,合計金額\r\n"
        "A-1,2024/05/01 10:11:12,髙橋 一郎,ﾀｶﾊｼ ｲﾁﾛｳ,100-0001,東京都千代田区,5400\r\n"
        "A-2,2024/05/02 08:00:00,山田 花子,ﾔﾏﾀﾞ ﾊﾅｺ,530-0001,大阪府大阪市,1200\r\n");
    QVERIFY(writeFile(folder.filePath(QStringLiteral("orders.csv")), EngineTest::shiftJis(orders)));
    QVERIFY(writeFile(folder.filePath(QStringLiteral("lines.csv")),
                      QStringLiteral("注文番号,商品名,数量,単価\n"
                                     "A-1,緑茶,2,1200\n"
                                     "A-2,ほうじ茶,1,1200\n"
                                     "A-1,煎茶,3,1000\n")
                          .toUtf8()));
}

} // namespace

class MainWindowRunTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void sameBytesAsTheCommandLine_data();
    void sameBytesAsTheCommandLine();
    void failedRunsReportThroughTheErrorChannel_data();
    void failedRunsReportThroughTheErrorChannel();

private:
    QTemporaryDir preferences_;
};

void MainWindowRunTest::initTestCase()
{
    QVERIFY(preferences_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences_.path());
}

void MainWindowRunTest::sameBytesAsTheCommandLine_data()
{
    QTest::addColumn<bool>("statement");
    QTest::addColumn<bool>("typedOutput");
    QTest::addColumn<bool>("filesInReverse");

    QTest::newRow("chosen output") << false << false << false;
    QTest::newRow("typed relative output") << false << true << false;
    QTest::newRow("files in any order") << false << false << true;
    QTest::newRow("with statement") << true << false << false;
}

void MainWindowRunTest::sameBytesAsTheCommandLine()
{
    QFETCH(bool, statement);
    QFETCH(bool, typedOutput);
    QFETCH(bool, filesInReverse);

    TestWorkingFolder folder;
    QVERIFY(folder.isValid());
    CompanyInfo company;
    company.setValue(1, QStringLiteral("ベルトラ本店"));
    company.write();
    const QString name = QStringLiteral("注文変換");
    QVERIFY(ConvertSettingStore::save(joinedOrders(name, statement)));
    writeInputs(folder);

    QStringList inputs{folder.filePath(QStringLiteral("orders.csv")),
                       folder.filePath(QStringLiteral("lines.csv"))};
    if (filesInReverse)
        std::reverse(inputs.begin(), inputs.end());

    auto fake = std::make_unique<FakeDesktop>();
    FakeDesktop *desktop = fake.get();
    MainWindow window(std::move(fake));
    window.show();
    desktop->openAnswers.enqueue(inputs);
    window.findChild<QToolButton *>(QStringLiteral("addButton"))->click();
    const QString output =
        typedOutput ? QStringLiteral("typed.csv") : folder.filePath(QStringLiteral("window.csv"));
    if (typedOutput) {
        auto *target = window.findChild<QLineEdit *>(QStringLiteral("targetFile"));
        target->clear();
        QTest::keyClicks(target, output);
    } else {
        desktop->saveAnswers.enqueue(output);
        window.findChild<QToolButton *>(QStringLiteral("setButton"))->click();
    }
    auto *convert = window.findChild<QPushButton *>(QStringLiteral("convertButton"));
    auto *print = window.findChild<QPushButton *>(QStringLiteral("printButton"));
    auto *openFolder = window.findChild<QPushButton *>(QStringLiteral("openFolderButton"));
    QVERIFY(convert->isEnabled());
    convert->click();

    for (const FakeDesktop::Warning &warning : desktop->warnings)
        qWarning() << "run error:" << warning.text;
    QVERIFY(desktop->warnings.isEmpty());
    // The result stays when a status tip passes over it, until the files change.
    auto *result = window.findChild<QLabel *>(QStringLiteral("runResultLabel"));
    QCOMPARE(result->text(), QStringLiteral("Converting succeeded."));
    QStatusTipEvent tip(QStringLiteral("a tool tip"));
    QCoreApplication::sendEvent(openFolder, &tip);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("a tool tip"));
    QCOMPARE(result->text(), QStringLiteral("Converting succeeded."));
    QVERIFY(openFolder->isEnabled());
    QCOMPARE(print->isEnabled(), statement);
    QCOMPARE(window.findChild<QAction *>(QStringLiteral("action_print"))->isEnabled(), statement);
    QVERIFY(window.progressBar()->isVisible());
    QCOMPARE(window.progressBar()->value(), window.progressBar()->maximum());

    const QString outputPath = QFileInfo(output).absoluteFilePath();
    const QByteArray written = readFile(outputPath);
    // In the locale's encoding: UTF-8 here, CP932 on a Japanese Windows.
    QVERIFY(
        QTextCodec::codecForLocale()->toUnicode(written).contains(QStringLiteral("緑茶、煎茶")));

    if (statement) {
        const QString pdf = QFileInfo(outputPath).absolutePath() + QStringLiteral("/window.pdf");
        QCOMPARE(QFileInfo(window.statementFile()).absoluteFilePath(), pdf);
        QVERIFY(readFile(pdf).startsWith("%PDF"));
        print->click();
        QCOMPARE(desktop->urls, QList<QUrl>{QUrl::fromLocalFile(window.statementFile())});
        QVERIFY(!window.progressBar()->isVisible());

        // A run whose statement cannot be written leaves nothing to print,
        // not even the statement of the run before.
        QVERIFY(QFile::remove(pdf) && QDir().mkdir(pdf));
        convert->click();
        QCOMPARE(desktop->warnings.size(), 1);
        QVERIFY(!print->isEnabled());
        QVERIFY(window.statementFile().isEmpty());
        QVERIFY(QDir().rmdir(pdf));
        desktop->warnings.clear();
    } else {
        QVERIFY(window.statementFile().isEmpty());
    }

    openFolder->click();
    const QString outputFolder = QFileInfo(outputPath).canonicalPath();
#ifdef Q_OS_WIN
    QCOMPARE(desktop->processes.last().program, QStringLiteral("explorer.exe"));
    QCOMPARE(desktop->processes.last().arguments,
             QStringList{QDir::toNativeSeparators(outputFolder)});
#else
    QVERIFY(desktop->processes.isEmpty());
    QCOMPARE(desktop->urls.last(), QUrl::fromLocalFile(outputFolder));
#endif

    // A new file list clears the last result.
    QVERIFY(!result->text().isEmpty());
    auto *list = window.findChild<QListWidget *>(QStringLiteral("sourceFileList"));
    list->setCurrentRow(list->count() - 1);
    window.findChild<QToolButton *>(QStringLiteral("removeButton"))->click();
    QVERIFY(result->text().isEmpty());

    // Emptying the output field takes every command back.
    window.findChild<QLineEdit *>(QStringLiteral("targetFile"))->clear();
    QVERIFY(!convert->isEnabled());
    QVERIFY(!print->isEnabled());
    QVERIFY(!openFolder->isEnabled());

    // The command line writes the same bytes for the same inputs and setting.
    ProcessOptions inFolder;
    inFolder.workingDirectory = folder.path();
    const ProcessResult cli = runCliProcess(
        QStringList{"convert", "--setting", name, "--output", "cli.csv"} + inputs, inFolder);
    QVERIFY2(cli.exitCode == 0, cli.err.constData());
    QCOMPARE(written, readFile(folder.filePath(QStringLiteral("cli.csv"))));
}

void MainWindowRunTest::failedRunsReportThroughTheErrorChannel_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");

    QTest::newRow("setting without input forms")
        << "noForms"
        << "There is no input file information in setting. Please check convert settings.";
    QTest::newRow("a missing input file") << "missingInput"
                                          << "Cannot open input file:\n";
    QTest::newRow("wrong number of files") << "oneFile"
                                           << "Number of input files is not matched with setting.";
    QTest::newRow("output path names an input file")
        << "outputIsInput"
        << "Output file must not be one of the input files.";
    QTest::newRow("settings file damaged after the start") << "damagedSettings"
                                                           << "Cannot read the settings file:\n";
}

void MainWindowRunTest::failedRunsReportThroughTheErrorChannel()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);

    TestWorkingFolder folder;
    ConvertSetting setting = joinedOrders(QStringLiteral("orders"), false);
    if (fault == QLatin1String("noForms"))
        setting.forms.clear();
    QVERIFY(ConvertSettingStore::save(setting));
    writeInputs(folder);
    QStringList inputs{folder.filePath(QStringLiteral("orders.csv")),
                       folder.filePath(QStringLiteral("lines.csv"))};
    if (fault == QLatin1String("missingInput"))
        inputs[1] = folder.filePath(QStringLiteral("orders.csv")).replace("orders", "gone");
    if (fault == QLatin1String("oneFile"))
        inputs.removeLast();
    QString output = folder.filePath(QStringLiteral("out.csv"));
    if (fault == QLatin1String("outputIsInput"))
        output = inputs.last();
    const QByteArray before("an older output\r\n");
    if (fault != QLatin1String("outputIsInput"))
        QVERIFY(writeFile(output, before));
    const QByteArray outputBefore = readFile(output);

    auto fake = std::make_unique<FakeDesktop>();
    FakeDesktop *desktop = fake.get();
    MainWindow window(std::move(fake));
    window.show();
    desktop->openAnswers.enqueue(inputs);
    window.findChild<QToolButton *>(QStringLiteral("addButton"))->click();
    desktop->saveAnswers.enqueue(output);
    window.findChild<QToolButton *>(QStringLiteral("setButton"))->click();
    const QString settingsFile = folder.filePath(QStringLiteral("rowsmith.dat"));
    if (fault == QLatin1String("damagedSettings"))
        QVERIFY(writeFile(settingsFile, readFile(settingsFile) + "[CompanyInfo\nname=x\n"));
    const QByteArray settingsBefore = readFile(settingsFile);
    window.findChild<QAction *>(QStringLiteral("action_convert"))->trigger();

    QCOMPARE(desktop->warnings.size(), 1);
    QCOMPARE(desktop->warnings.first().title, QStringLiteral("Error"));
    QVERIFY2(desktop->warnings.first().text.startsWith(message),
             qPrintable(desktop->warnings.first().text));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("runResultLabel"))->text(),
             QStringLiteral("An error has occurred"));
    QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("openFolderButton"))->isEnabled());
    QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("printButton"))->isEnabled());
    QCOMPARE(readFile(output), outputBefore);
    QCOMPARE(readFile(settingsFile), settingsBefore);

    // The command line reports the same error for the same inputs.
    ProcessOptions inFolder;
    inFolder.workingDirectory = folder.path();
    const ProcessResult cli = runCliProcess(
        QStringList{"convert", "--setting", "orders", "--output", output} + inputs, inFolder);
    QCOMPARE(cli.exitCode, 1);
    QVERIFY2(QString::fromUtf8(cli.err).contains(desktop->warnings.first().text),
             cli.err.constData());
}

QTEST_MAIN(MainWindowRunTest)
#include "tst_mainwindow_run.moc"
