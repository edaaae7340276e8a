#include "app/MainWindow.h"
#include "settings/ConvertSettingStore.h"
#include "support/FakeDesktop.h"
#include "support/TestWorkingFolder.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

QSettings userPreferences()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltra"),
                     QStringLiteral("Rowsmith"));
}

void saveSettingNamed(const QString &name)
{
    ConvertSetting setting;
    setting.name = name;
    QVERIFY(ConvertSettingStore::save(setting));
}

bool sameImage(const QIcon &icon, const QString &resource)
{
    return !icon.isNull() &&
           icon.pixmap(16, 16).toImage() == QIcon(resource).pixmap(16, 16).toImage();
}

// A window in a fresh working folder, with a fake desktop and, unless told
// otherwise, one convert setting in the settings file.
struct Fixture
{
    explicit Fixture(const QStringList &settingNames = {QStringLiteral("orders")})
    {
        for (const QString &name : settingNames)
            saveSettingNamed(name);
        auto fake = std::make_unique<FakeDesktop>();
        desktop = fake.get();
        window = std::make_unique<MainWindow>(std::move(fake));
    }

    // The window closed and opened again, as at the program's next start.
    void restart()
    {
        window.reset();
        auto fake = std::make_unique<FakeDesktop>();
        desktop = fake.get();
        window = std::make_unique<MainWindow>(std::move(fake));
    }

    template <typename T> T *child(const char *name) const
    {
        T *widget = window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    QListWidget *list() const { return child<QListWidget>("sourceFileList"); }
    QLineEdit *target() const { return child<QLineEdit>("targetFile"); }
    QString status() const { return window->statusBar()->currentMessage(); }

    void add(const QStringList &files)
    {
        desktop->openAnswers.enqueue(files);
        child<QToolButton>("addButton")->click();
    }
    void chooseOutput(const QString &path)
    {
        desktop->saveAnswers.enqueue(path);
        child<QToolButton>("setButton")->click();
    }
    void removeRow(int row)
    {
        list()->setCurrentRow(row);
        child<QToolButton>("removeButton")->click();
    }
    QString states() const
    {
        // C convert, c action_convert, P print, p action_print, O open folder; "-" off
        QString s;
        s += child<QPushButton>("convertButton")->isEnabled() ? 'C' : '-';
        s += child<QAction>("action_convert")->isEnabled() ? 'c' : '-';
        s += child<QPushButton>("printButton")->isEnabled() ? 'P' : '-';
        s += child<QAction>("action_print")->isEnabled() ? 'p' : '-';
        s += child<QPushButton>("openFolderButton")->isEnabled() ? 'O' : '-';
        return s;
    }

    TestWorkingFolder folder;
    FakeDesktop *desktop = nullptr;
    std::unique_ptr<MainWindow> window;
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void buttonsAndActions_data();
    void buttonsAndActions();
    void labelsAndBoxes_data();
    void labelsAndBoxes();
    void windowFrame();
    void menus();

    void addFiles_data();
    void addFiles();
    void fileDialogsRememberTheFolder();
    void removeFiles_data();
    void removeFiles();
    void chooseOutputFile();
    void typedOutputBecomesOutputFile();
    void enabledStates_data();
    void enabledStates();
    void reorderingKeepsInputFilesInStep_data();
    void reorderingKeepsInputFilesInStep();

    void settingNamesFromTheSettingsFile_data();
    void settingNamesFromTheSettingsFile();
    void errorChannel();
    void unreadableSettingsFile();
    void desktopCommands();
    void helpFile_data();
    void helpFile();

    void positionOnClose_data();
    void positionOnClose();
    void positionOnStart_data();
    void positionOnStart();

private:
    QTemporaryDir preferences_;
};

void MainWindowTest::initTestCase()
{
    // The user's real preference store stays untouched.
    QVERIFY(preferences_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences_.path());
}

void MainWindowTest::init()
{
    userPreferences().clear();
}

void MainWindowTest::buttonsAndActions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("enabled");

    auto row = [](const char *name, const QString &text, const QString &tip, const char *icon,
                  bool enabled) {
        QTest::newRow(name) << QString::fromLatin1(name) << text << tip
                            << QStringLiteral(":/icon/images/") + QLatin1String(icon) << enabled;
    };
    row("addButton", "", "입력파일을 추가합니다", "add.png", true);
    row("removeButton", "", "선택된 입력파일을 제외합니다", "delete.png", true);
    row("configButton", "", "선택된 설정을 수정합니다", "cog.png", true);
    row("setButton", "", "출력파일을 지정합니다", "folder.png", true);
    row("convertButton", "변환", "파일을 변환합니다", "replace.png", false);
    row("printButton", "명세서\n출력", "생성된 명세서를 출력합니다.", "printer.png", false);
    row("openFolderButton", "출력폴더\n열기", "출력파일이 생성된 폴더를 탐색합니다.", "open.png",
        false);
    row("action_add", "입력파일 추가", "입력파일을 추가합니다", "add.png", true);
    row("action_set", "출력파일 지정", "출력파일을 지정합니다", "folder.png", true);
    row("action_convert", "파일 변환", "파일을 변환합니다", "replace.png", false);
    row("action_print", "명세서 출력", "생성된 명세서를 출력합니다.", "printer.png", false);
    row("action_exit", "프로그램 종료", "프로그램을 종료합니다", "exit.png", true);
    row("action_help", "도움말", "도움말을 실행합니다", "help.png", true);
    row("action_info", "로우스미스 정보", "로우스미스 정보를 보여줍니다", "information.png", true);
    // Hidden, and so disabled, in a build without the maker's address.
    row("action_veltra", "벨트라", "벨트라 홈페이지로 연결합니다", "veltra.png",
        !QStringLiteral(ROWSMITH_WEB_ADDRESS).isEmpty());
    row("action_company_config", "회사정보설정", "회사정보를 설정합니다", "cog.png", true);
    row("action_convert_config", "변환설정", "변환설정을 관리합니다", "table_gear.png", true);
}

void MainWindowTest::buttonsAndActions()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(QString, icon);
    QFETCH(bool, enabled);

    Fixture f(QStringList{});
    if (auto *action = f.window->findChild<QAction *>(name)) {
        QCOMPARE(action->text(), text);
        QCOMPARE(action->toolTip(), toolTip);
        QCOMPARE(action->statusTip(), toolTip);
        QVERIFY(sameImage(action->icon(), icon));
        QCOMPARE(action->isEnabled(), enabled);
        return;
    }
    auto *button = f.window->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QCOMPARE(button->text(), text);
    QCOMPARE(button->toolTip(), toolTip);
    QCOMPARE(button->statusTip(), toolTip);
    QVERIFY(sameImage(button->icon(), icon));
    QCOMPARE(button->isEnabled(), enabled);
    if (name.endsWith(QLatin1String("Button")) && text.isEmpty())
        QVERIFY(qobject_cast<QToolButton *>(button));
}

void MainWindowTest::labelsAndBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");

    auto row = [](const char *name, const QString &text, const QString &tip) {
        QTest::newRow(name) << QString::fromLatin1(name) << text << tip;
    };
    row("inputBox", "입력", "");
    row("outputBox", "출력", "");
    row("label", "입력파일:", "");
    row("label_2", "변환설정:", "");
    row("label_3", "출력파일:", "");
    row("convertSetting", "", "변환에 사용할 설정을 선택합니다");
    row("targetFile", "", "");
    row("sourceFileList", "", "");
}

void MainWindowTest::labelsAndBoxes()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);

    Fixture f(QStringList{});
    QWidget *widget = f.window->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(box->title(), text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    QCOMPARE(widget->toolTip(), toolTip);
    QCOMPARE(widget->statusTip(), toolTip);
    if (name == QLatin1String("label"))
        QCOMPARE(qobject_cast<QLabel *>(widget)->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    if (auto *list = qobject_cast<QListWidget *>(widget))
        QCOMPARE(list->dragDropMode(), QAbstractItemView::InternalMove);
}

void MainWindowTest::windowFrame()
{
    Fixture f(QStringList{});
    MainWindow &w = *f.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("로우스미스"));
    // The form's size at first, more where the contents or a status tip need it.
    QVERIFY(w.width() >= 500 && w.height() >= 300);
    QVERIFY(sameImage(w.windowIcon(), QStringLiteral(":/icon/images/logo.png")));
    QCOMPARE(w.statusBar()->objectName(), QStringLiteral("statusBar"));
    QVERIFY(!w.statusBar()->isSizeGripEnabled());

    QProgressBar *bar = w.progressBar();
    QCOMPARE(bar->parentWidget(), w.statusBar());
    QVERIFY(!bar->isTextVisible());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(bar->isHidden());
    // A permanent widget stays when a status message is shown.
    w.statusBar()->showMessage(QStringLiteral("x"));
    bar->show();
    QVERIFY(bar->isVisible());
}

void MainWindowTest::menus()
{
    Fixture f(QStringList{});
    const QList<QAction *> top = f.window->menuBar()->actions();
    QStringList titles;
    QStringList layout;
    for (QAction *entry : top) {
        QMenu *menu = entry->menu();
        QVERIFY(menu);
        titles << menu->objectName() + QLatin1Char('=') + menu->title();
        QStringList names;
        for (QAction *action : menu->actions())
            names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        layout << names.join(QLatin1Char(' '));
    }
    QCOMPARE(titles, (QStringList{"menu=파일", "menu_3=환경설정", "menu_2=정보"}));
    QCOMPARE(layout, (QStringList{"action_add action_set action_convert action_print - action_exit",
                                  "action_company_config action_convert_config",
                                  "action_help action_info - action_veltra"}));
}

void MainWindowTest::addFiles_data()
{
    // steps: "+a.csv|b.csv" adds the files in one dialog, "+" cancels the
    // dialog, "clear" empties targetFile by hand.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("inputFiles");
    QTest::addColumn<QString>("target");

    QTest::newRow("one file") << QStringList{"+/d/may.csv"} << QStringList{"/d/may.csv"}
                              << "/d/may_output.csv";
    QTest::newRow("several in the chosen order")
        << QStringList{"+/d/b.csv|/d/a.csv"} << QStringList{"/d/b.csv", "/d/a.csv"}
        << "/d/b_output.csv";
    QTest::newRow("same file twice, two dialogs")
        << QStringList{"+/d/a.csv", "+/d/a.csv"} << QStringList{"/d/a.csv"} << "/d/a_output.csv";
    QTest::newRow("same file twice, one dialog")
        << QStringList{"+/d/a.csv|/d/a.csv"} << QStringList{"/d/a.csv"} << "/d/a_output.csv";
    QTest::newRow("comparison is case-sensitive")
        << QStringList{"+/d/a.csv", "+/d/A.csv"} << QStringList{"/d/a.csv", "/d/A.csv"}
        << "/d/a_output.csv";
    QTest::newRow("later files keep the output name")
        << QStringList{"+/d/a.csv", "+/d/b.csv"} << QStringList{"/d/a.csv", "/d/b.csv"}
        << "/d/a_output.csv";
    QTest::newRow("known and new file, output empty: name from the new one")
        << QStringList{"+/d/a.csv", "clear", "+/d/a.csv|/d/b.csv"}
        << QStringList{"/d/a.csv", "/d/b.csv"} << "/d/b_output.csv";
    QTest::newRow("only known files, output empty")
        << QStringList{"+/d/a.csv", "clear", "+/d/a.csv"} << QStringList{"/d/a.csv"}
        << "_output.csv";
    QTest::newRow("cancelled dialog")
        << QStringList{"+/d/a.csv", "+"} << QStringList{"/d/a.csv"} << "/d/a_output.csv";
    QTest::newRow("cancelled first dialog") << QStringList{"+"} << QStringList{} << "";
    QTest::newRow("no extension") << QStringList{"+/d/orders"} << QStringList{"/d/orders"}
                                  << "/d/orders_output.csv";
    QTest::newRow("only the last extension goes")
        << QStringList{"+/d/may.2024.csv"} << QStringList{"/d/may.2024.csv"}
        << "/d/may.2024_output.csv";
    QTest::newRow("a dot in a folder name stays")
        << QStringList{"+/d/v1.2/orders"} << QStringList{"/d/v1.2/orders"}
        << "/d/v1.2/orders_output.csv";
    QTest::newRow("windows path") << QStringList{"+C:/orders/may.csv"}
                                  << QStringList{"C:/orders/may.csv"} << "C:/orders/may_output.csv";
}

void MainWindowTest::addFiles()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, inputFiles);
    QFETCH(QString, target);

    Fixture f;
    for (const QString &step : steps) {
        if (step == QLatin1String("clear"))
            f.target()->clear();
        else
            f.add(step.mid(1).split(QLatin1Char('|'), Qt::SkipEmptyParts));
    }
    QCOMPARE(f.window->inputFiles(), inputFiles);
    // Each shows its name, the whole path as its tool tip.
    QStringList names;
    QStringList tips;
    for (int row = 0; row < f.list()->count(); ++row) {
        names << f.list()->item(row)->text();
        tips << QDir::fromNativeSeparators(f.list()->item(row)->toolTip());
    }
    QCOMPARE(tips, inputFiles);
    for (int row = 0; row < names.size(); ++row)
        QCOMPARE(names.at(row), QFileInfo(inputFiles.at(row)).fileName());
    QCOMPARE(f.target()->text(), target);
    QCOMPARE(f.window->outputFile(), target);
    QCOMPARE(f.states(), QString(target.isEmpty() ? "-----" : "Cc---"));
}

void MainWindowTest::fileDialogsRememberTheFolder()
{
    Fixture f;
    QDir(f.folder.path()).mkpath(QStringLiteral("in/sub"));
    const QString inFolder = QDir(f.folder.filePath(QStringLiteral("in"))).canonicalPath();
    QFile(inFolder + QStringLiteral("/a.csv")).open(QIODevice::WriteOnly);

    // A dialog cancelled before anything was stored starts at home and stores nothing.
    f.add({});
    QCOMPARE(f.desktop->openDialogs.size(), 1);
    QCOMPARE(f.desktop->openDialogs.at(0).caption, QStringLiteral("Input Files"));
    QCOMPARE(f.desktop->openDialogs.at(0).folder, QDir::homePath());
    QCOMPARE(f.desktop->openDialogs.at(0).filter,
             QStringLiteral("CSV Files (*.csv);;All Files (*.*)"));
    QVERIFY(!userPreferences().contains(QStringLiteral("last directory")));

    // The folder of the first chosen file, canonical.
    f.add({inFolder + QStringLiteral("/sub/../a.csv"), QStringLiteral("/elsewhere/b.csv")});
    QCOMPARE(userPreferences().value(QStringLiteral("last directory")).toString(), inFolder);
    f.add({});
    QCOMPARE(f.desktop->openDialogs.last().folder, inFolder);

    f.chooseOutput({});
    QCOMPARE(f.desktop->saveDialogs.at(0).caption, QStringLiteral("Output File"));
    QCOMPARE(f.desktop->saveDialogs.at(0).folder, f.window->outputFile()); // opens on it
    QCOMPARE(f.desktop->saveDialogs.at(0).filter, QStringLiteral("CSV File (*.csv)"));

    // The output file does not exist yet; its folder is remembered all the same.
    const QString outFolder = QDir(f.folder.filePath(QStringLiteral("in/sub"))).canonicalPath();
    f.chooseOutput(outFolder + QStringLiteral("/new.csv"));
    QCOMPARE(userPreferences().value(QStringLiteral("last directory")).toString(), outFolder);
    f.add({});
    QCOMPARE(f.desktop->openDialogs.last().folder, outFolder);

    // The next start opens where this one left off.
    f.restart();
    f.add({});
    QCOMPARE(f.desktop->openDialogs.size(), 1);
    QCOMPARE(f.desktop->openDialogs.at(0).folder, outFolder);
}

void MainWindowTest::removeFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("chosenOutput");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("states");

    const QStringList abc{"/d/a.csv", "/d/b.csv", "/d/c.csv"};
    QTest::newRow("first file, chosen output replaced")
        << abc << "/out/chosen.csv" << 0 << QStringList{"/d/b.csv", "/d/c.csv"} << "/d/b_output.csv"
        << "Cc---";
    QTest::newRow("middle file keeps the output")
        << abc << "/out/chosen.csv" << 1 << QStringList{"/d/a.csv", "/d/c.csv"} << "/out/chosen.csv"
        << "Cc---";
    QTest::newRow("last file keeps the output")
        << abc << "/out/chosen.csv" << 2 << QStringList{"/d/a.csv", "/d/b.csv"} << "/out/chosen.csv"
        << "Cc---";
    QTest::newRow("first file, default output follows")
        << abc << "" << 0 << QStringList{"/d/b.csv", "/d/c.csv"} << "/d/b_output.csv"
        << "Cc---";
    QTest::newRow("the only file")
        << QStringList{"/d/a.csv"} << "/out/chosen.csv" << 0 << QStringList{} << ""
        << "-----";
    QTest::newRow("no current row") << abc << "/out/chosen.csv" << -1 << abc << "/out/chosen.csv"
                                    << "Cc---";
}

void MainWindowTest::removeFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QString, chosenOutput);
    QFETCH(int, row);
    QFETCH(QStringList, remaining);
    QFETCH(QString, target);
    QFETCH(QString, states);

    Fixture f;
    f.add(files);
    if (!chosenOutput.isEmpty())
        f.chooseOutput(chosenOutput);
    f.removeRow(row);
    QCOMPARE(f.window->inputFiles(), remaining);
    QCOMPARE(f.list()->count(), remaining.size());
    QCOMPARE(f.target()->text(), target);
    QCOMPARE(f.window->outputFile(), target);
    QCOMPARE(f.states(), states);
}

void MainWindowTest::chooseOutputFile()
{
    Fixture f;
    f.chooseOutput(QStringLiteral("/out/x.csv"));
    QCOMPARE(f.target()->text(), QStringLiteral("/out/x.csv"));
    QCOMPARE(f.window->outputFile(), QStringLiteral("/out/x.csv"));
    QCOMPARE(f.states(), QStringLiteral("-----")); // no input file yet

    // A cancelled dialog changes nothing.
    f.add({QStringLiteral("/d/a.csv")});
    f.chooseOutput(QString());
    QCOMPARE(f.window->outputFile(), QStringLiteral("/out/x.csv"));
    QCOMPARE(f.states(), QStringLiteral("Cc---"));
    QCOMPARE(f.desktop->saveDialogs.last().folder, QStringLiteral("/out/x.csv"));

    // A name without an ending gets ".csv"; one with another ending keeps it.
    for (const auto &[typed, taken] :
         {std::pair{"/out/y", "/out/y.csv"}, std::pair{"/out/z.", "/out/z.csv"},
          std::pair{"/out/w.txt", "/out/w.txt"}}) {
        f.chooseOutput(QString::fromLatin1(typed));
        QCOMPARE(f.window->outputFile(), QString::fromLatin1(taken));
        QCOMPARE(f.target()->text(), QString::fromLatin1(taken));
    }
}

void MainWindowTest::typedOutputBecomesOutputFile()
{
    Fixture f;
    f.add({QStringLiteral("/d/a.csv")});
    f.target()->clear();
    QCOMPARE(f.window->outputFile(), QString());
    QTest::keyClicks(f.target(), QStringLiteral("/typed/out.csv"));
    QCOMPARE(f.window->outputFile(), QStringLiteral("/typed/out.csv"));
    QCOMPARE(f.states(), QStringLiteral("Cc---"));
}

void MainWindowTest::enabledStates_data()
{
    // steps: "add", "clear" (targetFile emptied), "type" (a path typed),
    // "remove" (first row), "progress" (the run's bar shown)
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("states");
    QTest::addColumn<bool>("progressVisible");

    const QStringList one{"orders"};
    QTest::newRow("start") << one << QStringList{} << "-----" << false;
    QTest::newRow("file added") << one << QStringList{"add"} << "Cc---" << false;
    QTest::newRow("target cleared") << one << QStringList{"add", "clear"} << "-----" << false;
    QTest::newRow("target typed again")
        << one << QStringList{"add", "clear", "type"} << "Cc---" << false;
    QTest::newRow("typed without files") << one << QStringList{"type"} << "-----" << false;
    QTest::newRow("last file removed") << one << QStringList{"add", "remove"} << "-----" << false;
    QTest::newRow("no setting") << QStringList{} << QStringList{"add"} << "-----" << false;
    QTest::newRow("checkFields hides the progress bar")
        << one << QStringList{"add", "progress", "type"} << "Cc---" << false;
    QTest::newRow("progress bar stays without checkFields")
        << one << QStringList{"add", "progress"} << "Cc---" << true;
}

void MainWindowTest::enabledStates()
{
    QFETCH(QStringList, settings);
    QFETCH(QStringList, steps);
    QFETCH(QString, states);
    QFETCH(bool, progressVisible);

    Fixture f(settings);
    f.window->show();
    for (const QString &step : steps) {
        if (step == QLatin1String("add"))
            f.add({QStringLiteral("/d/a.csv")});
        else if (step == QLatin1String("clear"))
            f.target()->clear();
        else if (step == QLatin1String("type"))
            QTest::keyClicks(f.target(), QStringLiteral("x"));
        else if (step == QLatin1String("remove"))
            f.removeRow(0);
        else if (step == QLatin1String("progress"))
            f.window->progressBar()->show();
    }
    QCOMPARE(f.states(), states);
    QCOMPARE(f.window->progressBar()->isVisible(), progressVisible);
}

void MainWindowTest::reorderingKeepsInputFilesInStep_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("model move") << "move";
    QTest::newRow("take and insert") << "take";
}

void MainWindowTest::reorderingKeepsInputFilesInStep()
{
    QFETCH(QString, how);

    Fixture f;
    f.add({QStringLiteral("/d/a.csv"), QStringLiteral("/d/b.csv"), QStringLiteral("/d/c.csv")});
    // The user drags c.csv to the top.
    if (how == QLatin1String("move")) {
        QVERIFY(f.list()->model()->moveRow(QModelIndex(), 2, QModelIndex(), 0));
    } else {
        QListWidgetItem *item = f.list()->takeItem(2);
        f.list()->insertItem(0, item);
    }
    QCOMPARE(f.window->inputFiles(), (QStringList{"/d/c.csv", "/d/a.csv", "/d/b.csv"}));

    // Removing the shown row removes that very path.
    f.removeRow(1);
    QCOMPARE(f.window->inputFiles(), (QStringList{"/d/c.csv", "/d/b.csv"}));
    f.removeRow(0);
    QCOMPARE(f.window->inputFiles(), (QStringList{"/d/b.csv"}));
    QCOMPARE(f.target()->text(), QStringLiteral("/d/b_output.csv"));
}

void MainWindowTest::settingNamesFromTheSettingsFile_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::newRow("none") << QStringList{};
    QTest::newRow("one") << QStringList{"orders"};
    QTest::newRow("several, Japanese") << QStringList{"注文", "楽天", "amazon"};
}

void MainWindowTest::settingNamesFromTheSettingsFile()
{
    QFETCH(QStringList, names);

    Fixture f(names);
    const QStringList stored = ConvertSettingStore::settingNames();
    QCOMPARE(f.window->settingNames()->stringList(), stored);
    auto *combo = f.child<QComboBox>("convertSetting");
    QCOMPARE(combo->model(), f.window->settingNames());
    QCOMPARE(combo->count(), names.size());
    QCOMPARE(combo->currentIndex(), names.isEmpty() ? -1 : 0);
    if (!names.isEmpty())
        QCOMPARE(combo->currentText(), stored.first());
}

void MainWindowTest::errorChannel()
{
    Fixture f;
    f.window->statusBar()->showMessage(QStringLiteral("Loading settings..."));
    f.window->showError(QStringLiteral("Cannot open input file:\nNo such file."));

    QCOMPARE(f.desktop->warnings.size(), 1);
    const FakeDesktop::Warning &box = f.desktop->warnings.first();
    QCOMPARE(box.parent, f.window.get());
    QCOMPARE(box.title, QStringLiteral("Error"));
    QCOMPARE(box.text, QStringLiteral("Cannot open input file:\nNo such file."));
    // The status bar changes only after the box was closed.
    QCOMPARE(box.statusWhileShown, QStringLiteral("Loading settings..."));
    QCOMPARE(f.status(), QStringLiteral("An error has occurred"));
}

// A damaged settings file is no empty one: the window says so once it is up,
// and offers none of the settings it could read in part.
void MainWindowTest::unreadableSettingsFile()
{
    TestWorkingFolder folder;
    saveSettingNamed(QStringLiteral("orders"));
    QFile file(QStringLiteral("rowsmith.dat"));
    QVERIFY(file.open(QIODevice::Append));
    file.write("[CompanyInfo\nname=x\n");
    file.close();

    auto fake = std::make_unique<FakeDesktop>();
    FakeDesktop *desktop = fake.get();
    MainWindow window(std::move(fake));
    window.show();
    QTRY_COMPARE(desktop->warnings.size(), 1);
    const FakeDesktop::Warning &box = desktop->warnings.first();
    QCOMPARE(box.parent, &window);
    QCOMPARE(box.title, QStringLiteral("Error"));
    QCOMPARE(box.text, QStringLiteral("Cannot read the settings file:\n%1\n"
                                      "Some of its lines cannot be read as settings.")
                           .arg(QDir::toNativeSeparators(
                               QDir::current().filePath(QStringLiteral("rowsmith.dat")))));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("An error has occurred"));
    QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("convertSetting"))->count(), 0);
}

void MainWindowTest::desktopCommands()
{
    Fixture f;
    f.window->show();
    f.window->progressBar()->show();

    f.child<QAction>("action_help")->trigger();
    QCOMPARE(f.desktop->urls.size(), 1);
    QVERIFY(f.window->progressBar()->isVisible());

    // A build without the maker's address shows no link that goes nowhere.
    const QString address = QStringLiteral(ROWSMITH_WEB_ADDRESS);
    QCOMPARE(f.child<QAction>("action_veltra")->isVisible(), !address.isEmpty());
    f.child<QAction>("action_veltra")->trigger();
    QCOMPARE(f.desktop->urls.size(), address.isEmpty() ? 1 : 2);
    QCOMPARE(f.desktop->urls.last(), address.isEmpty() ? f.desktop->urls.first() : QUrl(address));
    QVERIFY(!f.window->progressBar()->isVisible());
    QVERIFY(f.desktop->processes.isEmpty());
}

void MainWindowTest::helpFile_data()
{
    // Files below the program's folder ("program/...") and the working folder
    // ("work/..."); the one opened, or "" for the warning that none was found.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("opened");
#ifdef Q_OS_WIN
    const QString pages = QStringLiteral("program/rowsmith.chm");
#else
    const QString pages = QStringLiteral("program/manual/index.html");
#endif
    QTest::newRow("compiled help only")
        << QStringList{"program/rowsmith.chm"} << "program/rowsmith.chm";
    QTest::newRow("manual folder")
        << QStringList{"program/rowsmith.chm", "program/manual/index.html"} << pages;
    QTest::newRow("manual folder without its first page")
        << QStringList{"program/rowsmith.chm", "program/manual/statement.html"}
        << "program/rowsmith.chm";
    QTest::newRow("beside the program first")
        << QStringList{"program/rowsmith.chm", "work/rowsmith.chm"} << "program/rowsmith.chm";
    QTest::newRow("else in the working folder")
        << QStringList{"work/rowsmith.chm"} << "work/rowsmith.chm";
    QTest::newRow("nowhere: said so") << QStringList{} << "";
}

void MainWindowTest::helpFile()
{
    QFETCH(QStringList, files);
    QFETCH(QString, opened);

    Fixture f;
    QTemporaryDir program;
    QVERIFY(QDir::current().mkpath(QStringLiteral("work")));
    const QDir root = QDir::current();
    auto place = [&](const QString &name) {
        return name.startsWith(QLatin1String("program/")) ? program.filePath(name.mid(8))
                                                          : root.filePath(name);
    };
    f.desktop->programFolderList = QStringList{program.path(), root.filePath("work")};
    for (const QString &name : files) {
        QVERIFY(QDir().mkpath(QFileInfo(place(name)).path()));
        QFile file(place(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    f.child<QAction>("action_help")->trigger();
    if (opened.isEmpty()) {
        QVERIFY(f.desktop->urls.isEmpty());
        QCOMPARE(f.desktop->warnings.size(), 1);
        QCOMPARE(f.desktop->warnings.first().title, QStringLiteral("Help"));
        QCOMPARE(f.desktop->warnings.first().text,
                 QStringLiteral("The manual was not found. It was looked for in:\n%1\n%2")
                     .arg(QDir::toNativeSeparators(program.path()),
                          QDir::toNativeSeparators(root.filePath(QStringLiteral("work")))));
        return;
    }
    QCOMPARE(f.desktop->urls, QList<QUrl>{QUrl::fromLocalFile(place(opened))});
    QVERIFY(f.desktop->warnings.isEmpty());
}

void MainWindowTest::positionOnClose_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("written");
    QTest::newRow("normal") << "normal" << true;
    QTest::newRow("maximized") << "maximized" << false;
    QTest::newRow("minimized") << "minimized" << false;
}

void MainWindowTest::positionOnClose()
{
    QFETCH(QString, state);
    QFETCH(bool, written);

    const QPoint previous(7, 9);
    userPreferences().setValue(QStringLiteral("pos"), previous);
    Fixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    f.window->move(40, 60);
    const QPoint moved = f.window->pos();
    if (state == QLatin1String("maximized"))
        f.window->showMaximized();
    else if (state == QLatin1String("minimized"))
        f.window->showMinimized();
    QTRY_COMPARE(f.window->isMaximized(), state == QLatin1String("maximized"));
    QCOMPARE(f.window->isMinimized(), state == QLatin1String("minimized"));

    QVERIFY(f.window->close());
    QCOMPARE(userPreferences().value(QStringLiteral("pos")).toPoint(), written ? moved : previous);
}

void MainWindowTest::positionOnStart_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("used");
    QTest::newRow("stored") << true << QPoint(30, 40) << true;
    QTest::newRow("none stored") << false << QPoint() << false;
    QTest::newRow("partly off the screen edge") << true << QPoint(-7, 0) << true;
    QTest::newRow("on no screen any more") << true << QPoint(-30000, -30000) << false;
}

void MainWindowTest::positionOnStart()
{
    QFETCH(bool, stored);
    QFETCH(QPoint, position);
    QFETCH(bool, used);

    if (stored)
        userPreferences().setValue(QStringLiteral("pos"), position);
    const QPoint unplaced = Fixture().window->pos();
    Fixture f;
    QCOMPARE(f.window->pos(), used ? position : unplaced);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
