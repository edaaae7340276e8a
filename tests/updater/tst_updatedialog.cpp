#include "support/LocalServer.h"
#include "support/TestWorkingFolder.h"
#include "updater/UpdateDialog.h"
#include "updater/UpdaterDesktop.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMovie>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <memory>

namespace {

class FakeUpdaterDesktop : public UpdaterDesktop
{
public:
    QStringList warnings;         // "title|text"
    QList<QStringList> processes; // program, then its arguments

    void warning(QWidget *, const QString &title, const QString &text) override
    {
        warnings << title + QLatin1Char('|') + text;
    }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        processes << QStringList{program} + arguments;
        return true;
    }
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Bytes that differ from file to file and compress badly.
QByteArray filler(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes) {
        seed = seed * 1664525u + 1013904223u;
        c = char(seed >> 24);
    }
    return bytes;
}

QByteArray sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Every entry below a folder ("name/" for folders) with its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        QFile file(path);
        if (it.fileInfo().isDir())
            entries.insert(name + QLatin1Char('/'), QByteArray());
        else if (file.open(QIODevice::ReadOnly))
            entries.insert(name, file.readAll());
    }
    return entries;
}

// A program folder (the working folder) and a system temporary folder of
// its own for one update.
struct Sandbox
{
    Sandbox() : hadTemp(qEnvironmentVariableIsSet("TMPDIR")), previousTemp(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", temp.path().toUtf8());
    }
    ~Sandbox()
    {
        if (hadTemp)
            qputenv("TMPDIR", previousTemp);
        else
            qunsetenv("TMPDIR");
    }
    QString updateFolder() const { return temp.path() + QStringLiteral("/RowsmithUpdate"); }

    TestWorkingFolder program;
    QTemporaryDir temp;
    bool hadTemp;
    QByteArray previousTemp;
};

// The updater window after its version check.
struct Session
{
    explicit Session(const QString &current, bool withArgument = true)
    {
        auto fake = std::make_unique<FakeUpdaterDesktop>();
        desktop = fake.get();
        dialog = std::make_unique<UpdateDialog>(std::move(fake));
        if (withArgument)
            dialog->setCurrentVersion(current);
        QSignalSpy answered(dialog->findChild<QNetworkAccessManager *>(),
                            &QNetworkAccessManager::finished);
        checked = answered.wait(10000);
    }
    template <typename T> T *child(const char *name) const
    {
        T *widget = dialog->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    int page() const { return child<QStackedWidget>("stackedWidget")->currentIndex(); }
    QString text(const char *label) const { return child<QLabel>(label)->text(); }
    QProgressBar *bar(const char *name) const { return child<QProgressBar>(name); }
    void click(const char *button) const { child<QPushButton>(button)->click(); }
    bool waitUntilFinished() const
    {
        QPushButton *done = child<QPushButton>("doneButton");
        return QTest::qWaitFor([done] { return done->isEnabled(); }, 30000);
    }

    FakeUpdaterDesktop *desktop = nullptr;
    std::unique_ptr<UpdateDialog> dialog;
    bool checked = false;
};

} // namespace

class UpdateDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void loadingAnimation();
    void versionCheck_data();
    void versionCheck();
    void update();
    void failures_data();
    void failures();
    void cancelStaysCancelled();
    void japaneseTranslation();

private:
    void publish(const QByteArray &document);
    QString release(const QString &name = QString()) const;

    QTemporaryDir web_;
    QTemporaryDir ftp_;
    std::unique_ptr<LocalServer> http_;
    std::unique_ptr<LocalServer> ftpServer_;
};

void UpdateDialogTest::initTestCase()
{
    qRegisterMetaType<QNetworkReply *>();
    QVERIFY(web_.isValid() && ftp_.isValid());
    http_ = std::make_unique<LocalServer>(QStringLiteral("http_server.py"), web_.path());
    ftpServer_ = std::make_unique<LocalServer>(QStringLiteral("ftp_server.py"), ftp_.path());
    QVERIFY(http_->port() && ftpServer_->port());
}

void UpdateDialogTest::init()
{
    qputenv("ROWSMITH_UPDATE_URL",
            http_->url(QStringLiteral("http")).toUtf8() + "products/Rowsmith/latest");
    qputenv("ROWSMITH_UPDATE_FTP_URL", ftpServer_->url(QStringLiteral("ftp")).toUtf8());
}

void UpdateDialogTest::publish(const QByteArray &document)
{
    writeFile(web_.filePath(QStringLiteral("products/Rowsmith/latest")), document);
}

// The update folder of version 1.01 on the FTP server.
QString UpdateDialogTest::release(const QString &name) const
{
    return ftp_.filePath(QStringLiteral("products/Rowsmith/updates/1.01/") + name);
}

void UpdateDialogTest::loadingAnimation()
{
    publish("<r><version>1.00</version></r>");
    UpdateDialog dialog(std::make_unique<FakeUpdaterDesktop>());
    auto *movie = dialog.findChild<QMovie *>();
    QVERIFY(movie && movie->isValid());
    QCOMPARE(movie->frameCount(), 12);
    QCOMPARE(movie->state(), QMovie::Running);
    auto *loading = dialog.findChild<QLabel *>(QStringLiteral("loadingLabel"));
    QVERIFY(!loading->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("logoLabel"))
                 ->pixmap(Qt::ReturnByValue)
                 .isNull());
    QCOMPARE(dialog.size(), QSize(350, 250));
}

void UpdateDialogTest::versionCheck_data()
{
    QTest::addColumn<QString>("current"); // "-": started without argument
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("message"); // of versionCheckLabel on page 0

    const QString latest = QStringLiteral("You are using latest version of Rowsmith.");
    const QString failed =
        QStringLiteral("Failed to retrieve version information from the server.");
    const QByteArray v101 = "<r><version>1.01</version><info>Faster.\nSafer.</info></r>";
    QTest::newRow("newer, no file") << "1.00" << v101 << 1 << "";
    QTest::newRow("without argument") << "-" << v101 << 1 << "";
    QTest::newRow("same") << "1.01" << v101 << 0 << latest;
    QTest::newRow("1.10 is lower than 1.9")
        << "1.9" << QByteArray("<r><version>1.10</version></r>") << 0 << latest;
    QTest::newRow("no version") << "1.00" << QByteArray("<r><info>x</info></r>") << 0 << failed;
    QTest::newRow("HTML") << "1.00" << QByteArray("<html><body>Not Found<br></body></html>") << 0
                          << failed;
}

void UpdateDialogTest::versionCheck()
{
    QFETCH(QString, current);
    QFETCH(QByteArray, document);
    QFETCH(int, page);
    QFETCH(QString, message);

    publish(document);
    if (QTest::currentDataTag() == QLatin1String("HTML"))
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^load xml failed\\.")));
    const bool withArgument = current != QLatin1String("-");
    Session s(current, withArgument);
    QVERIFY(s.checked);
    QCOMPARE(s.page(), page);
    if (page == 0) {
        QCOMPARE(s.text("versionCheckLabel"), message);
        QVERIFY(s.child<QLabel>("loadingLabel")->isHidden());
        return;
    }
    QCOMPARE(s.text("currentVersionLabel"), withArgument ? current : QString());
    QCOMPARE(s.text("latestVersionLabel"), QStringLiteral("1.01"));
    QCOMPARE(s.child<QPlainTextEdit>("plainTextEdit")->toPlainText(),
             QStringLiteral("Faster.\nSafer."));
    // Without files there is nothing to update.
    s.click("updateButton");
    QCOMPARE(s.page(), 1);
}

void UpdateDialogTest::update()
{
    Sandbox box;
    // The new version on the FTP server, its document made by the publishing script.
    const QByteArray program = filler(300000, 1);
    const QByteArray translation = filler(5000, 2);
    writeFile(release(QStringLiteral("Rowsmith")), program);
    writeFile(release(QStringLiteral("languages/lang_updater_jp.qm")), translation);
    const QString notes = box.temp.filePath(QStringLiteral("notes.txt"));
    writeFile(notes, "Faster conversion.\n");
    QProcess script;
    script.start(QStringLiteral(TEST_PYTHON3),
                 {QStringLiteral(TEST_SOURCE_DIR "/scripts/make-update-manifest"),
                  QStringLiteral("1.01"), release(), notes});
    QVERIFY(script.waitForFinished(20000) && script.exitCode() == 0);
    publish(script.readAllStandardOutput());

    // The installed version, and what an earlier attempt left behind.
    writeFile(box.program.filePath(QStringLiteral("Rowsmith")), "old program");
    writeFile(box.program.filePath(QStringLiteral("rowsmith.dat")), "[SettingInfo]\n");
    writeFile(box.updateFolder() + QStringLiteral("/languages/lang_kr.qm"), "stale");

    Session s(QStringLiteral("1.00"));
    QVERIFY(s.checked);
    QCOMPARE(s.page(), 1);
    QCOMPARE(s.child<QPlainTextEdit>("plainTextEdit")->toPlainText(),
             QStringLiteral("Faster conversion."));
    s.click("updateButton");
    QCOMPARE(s.page(), 2);
    QCOMPARE(s.bar("totalProgressBar")->maximum(), 4);
    QVERIFY(s.waitUntilFinished());

    QCOMPARE(s.text("statusLabel"), QStringLiteral("Done."));
    QCOMPARE(s.text("resultLabel"), QStringLiteral("Successfully updated."));
    QVERIFY(!s.child<QPushButton>("cancelButton")->isEnabled());
    QCOMPARE(s.bar("totalProgressBar")->value(), 4);
    QVERIFY(s.bar("unitProgressBar")->maximum() > 0);
    QCOMPARE(s.bar("unitProgressBar")->value(), s.bar("unitProgressBar")->maximum());
    const QMap<QString, QByteArray> installed{{"Rowsmith", program},
                                              {"languages/", {}},
                                              {"languages/lang_updater_jp.qm", translation},
                                              {"rowsmith.dat", "[SettingInfo]\n"}};
    QCOMPARE(snapshot(box.program.path()), installed);
    QVERIFY(!QFile::exists(box.updateFolder() + QStringLiteral("/languages/lang_kr.qm")));

    s.click("doneButton");
    const QString main = QDir(QCoreApplication::applicationDirPath()).filePath("Rowsmith");
    QCOMPARE(s.desktop->processes, (QList<QStringList>{{main}}));
    QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
}

void UpdateDialogTest::failures_data()
{
    // A file entry is a name, optionally followed by "#good" or "#bad" for a
    // right or wrong sha256 attribute, or "<unnamed>" for no name attribute.
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("folderInTheWay"); // a folder where the program file goes

    QTest::newRow("missing on the server")
        << QStringList{"Rowsmith", "missing.dll"} << "Failed to save downloaded file 'missing.dll'"
        << false;
    QTest::newRow("damaged") << QStringList{"Rowsmith#good", "languages/lang_kr.qm#bad"}
                             << "Downloaded file 'languages/lang_kr.qm' is damaged." << false;
    QTest::newRow("copy fails") << QStringList{"Rowsmith"}
                                << "Failed to copy downloaded file 'Rowsmith'" << true;

    const QStringList refused{"",
                              "/Rowsmith",
                              "C:/Rowsmith.exe",
                              "C:Rowsmith.exe",
                              "languages\\lang_kr.qm",
                              "../Rowsmith",
                              "languages/../../Rowsmith",
                              "./Rowsmith",
                              "languages/./lang_kr.qm",
                              "languages//lang_kr.qm",
                              "languages/"};
    for (const QString &name : refused) {
        QTest::addRow("refused '%s'", qPrintable(name))
            << QStringList{"Rowsmith", name}
            << QStringLiteral("Invalid file name in version information: '%1'").arg(name) << false;
    }
    QTest::newRow("refused: no name") << QStringList{"Rowsmith", "<unnamed>"}
                                      << "Invalid file name in version information: ''" << false;
}

void UpdateDialogTest::failures()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    QFETCH(bool, folderInTheWay);

    Sandbox box;
    const QMap<QString, QByteArray> served{{"Rowsmith", filler(20000, 3)},
                                           {"languages/lang_kr.qm", filler(3000, 4)}};
    for (auto it = served.begin(); it != served.end(); ++it)
        writeFile(release(it.key()), it.value());
    QFile::remove(release(QStringLiteral("missing.dll")));
    QByteArray document = "<r><version>1.01</version>";
    for (const QString &entry : entries) {
        if (entry == QLatin1String("<unnamed>")) {
            document += "<file/>";
            continue;
        }
        const QString name = entry.section(QLatin1Char('#'), 0, 0);
        const QString check = entry.section(QLatin1Char('#'), 1);
        document += "<file name=\"" + name.toHtmlEscaped().toUtf8() + '"';
        if (!check.isEmpty())
            document += " sha256=\"" +
                        (check == QLatin1String("good") ? sha256(served.value(name))
                                                        : sha256("something else")) +
                        '"';
        document += "/>";
    }
    publish(document + "</r>");
    if (folderInTheWay)
        writeFile(box.program.filePath(QStringLiteral("Rowsmith/inside.txt")), "keep");
    else
        writeFile(box.program.filePath(QStringLiteral("Rowsmith")), "old program");
    const QMap<QString, QByteArray> before = snapshot(box.program.path());

    Session s(QStringLiteral("1.00"));
    QVERIFY(s.checked);
    s.click("updateButton");
    QVERIFY(s.waitUntilFinished());
    QCOMPARE(s.text("resultLabel"), message);
    QVERIFY(!s.child<QPushButton>("cancelButton")->isEnabled());
    // Nothing copied, nothing half-written beside the program's files.
    QCOMPARE(snapshot(box.program.path()), before);
    if (message.startsWith(QLatin1String("Invalid")))
        QVERIFY(!QFileInfo::exists(box.updateFolder())); // refused before anything was written
}

void UpdateDialogTest::cancelStaysCancelled()
{
    Sandbox box;
    // A server slow enough that the user can cancel in the middle of a file.
    QTemporaryDir slowRoot;
    const QString folder = slowRoot.filePath(QStringLiteral("products/Rowsmith/updates/1.01/"));
    writeFile(folder + QStringLiteral("Rowsmith"), filler(400000, 5));
    writeFile(folder + QStringLiteral("languages/lang_kr.qm"), filler(1000, 6));
    LocalServer slow(QStringLiteral("ftp_server.py"), slowRoot.path(),
                     {QStringLiteral("--throttle"), QStringLiteral("32768")});
    QVERIFY(slow.port());
    qputenv("ROWSMITH_UPDATE_FTP_URL", slow.url(QStringLiteral("ftp")).toUtf8());
    publish("<r><version>1.01</version><file name=\"Rowsmith\"/>"
            "<file name=\"languages/lang_kr.qm\"/></r>");
    writeFile(box.program.filePath(QStringLiteral("Rowsmith")), "old program");
    const QMap<QString, QByteArray> before = snapshot(box.program.path());

    Session s(QStringLiteral("1.00"));
    QVERIFY(s.checked);
    s.click("updateButton");
    QTRY_VERIFY_WITH_TIMEOUT(s.bar("unitProgressBar")->value() > 0, 15000);
    s.click("cancelButton");
    QCOMPARE(s.desktop->warnings, QStringList{"Cancel|You canceled update process."});
    QCOMPARE(s.page(), 1);

    // The broken-off transfer is neither saved nor continued.
    QTest::qWait(1500);
    QCOMPARE(snapshot(box.program.path()), before);
    QVERIFY(!QFileInfo::exists(box.updateFolder() + QStringLiteral("/Rowsmith")));
    QVERIFY(!QFileInfo::exists(box.updateFolder() + QStringLiteral("/languages")));

    // Update again starts from the whole list.
    s.click("updateButton");
    QCOMPARE(s.page(), 2);
    QCOMPARE(s.text("statusLabel"), QStringLiteral("Downloading file 'Rowsmith'..."));
    QCOMPARE(s.bar("totalProgressBar")->maximum(), 4);
    QCOMPARE(s.bar("totalProgressBar")->value(), 0);
    s.click("cancelButton");
    QCOMPARE(s.desktop->warnings.size(), 2);
}

void UpdateDialogTest::japaneseTranslation()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(TEST_BUILD_DIR "/languages/lang_updater_jp")));
    QCoreApplication::installTranslator(&translator);
    publish("<r><version>1.00</version></r>");
    Session s(QStringLiteral("1.00"));
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(s.checked);
    QCOMPARE(s.dialog->windowTitle(), QStringLiteral("Rowsmith アップデーター"));
    QCOMPARE(s.child<QPushButton>("updateButton")->text(), QStringLiteral("アップデート"));
    QCOMPARE(s.text("versionCheckLabel"),
             QStringLiteral("最新バージョンの Rowsmith をお使いです。"));
}

QTEST_MAIN(UpdateDialogTest)
#include "tst_updatedialog.moc"
