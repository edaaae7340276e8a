#include "SigningKey.h"
#include "startup/ProgramFiles.h"
#include "startup/StartupTranslation.h"
#include "support/FakeDesktop.h"
#include "support/FolderSnapshot.h"
#include "support/LocalServer.h"
#include "support/TestWorkingFolder.h"
#include "updater/UpdateDialog.h"
#include "updater/VersionFetch.h"

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
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <memory>

namespace {

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

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A program folder, a working folder (the user's data, entered) and a system
// temporary folder of their own for one update.
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
    // What updates left in the temporary folder.
    QStringList updateFolders() const
    {
        return QDir(temp.path())
            .entryList({QStringLiteral("RowsmithUpdate*")},
                       QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir program;
    TestWorkingFolder working;
    QTemporaryDir temp;
    bool hadTemp;
    QByteArray previousTemp;
};

// The updater window after its version check.
struct Session
{
    explicit Session(const QString &current, bool withArgument = true,
                     const UpdateOptions &options = UpdateOptions(),
                     const QString &programFolder = QString())
    {
        auto fake = std::make_unique<FakeDesktop>();
        desktop = fake.get();
        dialog = std::make_unique<UpdateDialog>(std::move(fake), options);
        if (withArgument)
            dialog->setCurrentVersion(current);
        if (!programFolder.isEmpty())
            dialog->setProgramFolder(programFolder);
        QSignalSpy answered(dialog->findChild<VersionFetch *>(), &VersionFetch::finished);
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

    // The warnings as "title|text".
    QStringList warnings() const
    {
        QStringList warnings;
        for (const FakeDesktop::Warning &warning : desktop->warnings)
            warnings << warning.title + QLatin1Char('|') + warning.text;
        return warnings;
    }
    // Each program started: its working folder, the program, then its arguments.
    QList<QStringList> processes() const
    {
        QList<QStringList> processes;
        for (const FakeDesktop::Process &process : desktop->processes)
            processes << QStringList{process.workingFolder, process.program} + process.arguments;
        return processes;
    }

    FakeDesktop *desktop = nullptr;
    std::unique_ptr<UpdateDialog> dialog;
    bool checked = false;
};

UpdateOptions withKey(const QByteArray &publicKey)
{
    UpdateOptions options;
    options.publicKey = publicKey;
    return options;
}

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
    void signatures_data();
    void signatures();
    void longNotes();
    void silentServer_data();
    void silentServer();
    void cancelStaysCancelled();
    void japaneseTranslation();

private:
    // The version document, and its signature when one is given.
    void publish(const QByteArray &document, const QByteArray &signature = QByteArray());
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

void UpdateDialogTest::publish(const QByteArray &document, const QByteArray &signature)
{
    writeFile(web_.filePath(QStringLiteral("products/Rowsmith/latest")), document);
    const QString signatureFile = web_.filePath(QStringLiteral("products/Rowsmith/latest.sig"));
    if (signature.isEmpty())
        QFile::remove(signatureFile);
    else
        writeFile(signatureFile, signature);
}

// The update folder of version 1.01 on the FTP server.
QString UpdateDialogTest::release(const QString &name) const
{
    return ftp_.filePath(QStringLiteral("products/Rowsmith/updates/1.01/") + name);
}

void UpdateDialogTest::loadingAnimation()
{
    publish("<r><version>1.00</version></r>");
    UpdateDialog dialog(std::make_unique<FakeDesktop>());
    auto *movie = dialog.findChild<QMovie *>();
    QVERIFY(movie && movie->isValid());
    QCOMPARE(movie->frameCount(), 12);
    QCOMPARE(movie->state(), QMovie::Running);
    auto *loading = dialog.findChild<QLabel *>(QStringLiteral("loadingLabel"));
    QVERIFY(!loading->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("logoLabel"))
                 ->pixmap(Qt::ReturnByValue)
                 .isNull());
    QCOMPARE(dialog.size(), QSize(440, 350));
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
    // The new version on the FTP server, its document made and signed by the
    // publishing script with a key of this test's.
    const QByteArray program = filler(300000, 1);
    const QByteArray translation = filler(5000, 2);
    writeFile(release(QStringLiteral("Rowsmith")), program);
    writeFile(release(QStringLiteral("languages/lang_updater_jp.qm")), translation);
    const QString notes = box.temp.filePath(QStringLiteral("notes.txt"));
    writeFile(notes, "Faster conversion.\n");
    const QString script = QStringLiteral(TEST_SOURCE_DIR "/scripts/make-update-manifest");
    const QString secret = box.temp.filePath(QStringLiteral("update.key"));
    const QString signature = box.temp.filePath(QStringLiteral("latest.sig"));
    QProcess keys;
    keys.start(QStringLiteral(TEST_PYTHON3), {script, QStringLiteral("--new-key"), secret});
    QVERIFY(keys.waitForFinished(20000) && keys.exitCode() == 0);
    const QByteArray publicKey = QByteArray::fromBase64(keys.readAllStandardOutput().trimmed());
    QProcess manifest;
    manifest.start(QStringLiteral(TEST_PYTHON3),
                   {script, QStringLiteral("--key"), secret, QStringLiteral("--signature"),
                    signature, QStringLiteral("1.01"), release(), notes});
    QVERIFY(manifest.waitForFinished(20000) && manifest.exitCode() == 0);
    QFile signatureText(signature);
    QVERIFY(signatureText.open(QIODevice::ReadOnly));
    publish(manifest.readAllStandardOutput(), signatureText.readAll());

    // The installed version beside the updater; the user's data in the
    // working folder, which the update leaves alone.
    writeFile(box.program.filePath(QStringLiteral("Rowsmith")), "old program");
    writeFile(box.working.filePath(QStringLiteral("rowsmith.dat")), "[SettingInfo]\n");
    const QMap<QString, QByteArray> data = folderSnapshot(box.working.path());
    // Another user's shared folder under the old fixed name, with a link to
    // one of this user's files: neither is used nor touched.
    const QString shared = box.temp.filePath(QStringLiteral("RowsmithUpdate"));
    const QString victim = box.temp.filePath(QStringLiteral("victim.txt"));
    writeFile(victim, "mine");
    QVERIFY(QDir().mkpath(shared + QStringLiteral("/languages")));
    QVERIFY(QFile::setPermissions(shared, QFile::Permissions(0x7777)));
    QVERIFY(QFile::link(victim, shared + QStringLiteral("/Rowsmith")));
    QVERIFY(QFile::link(victim, shared + QStringLiteral("/languages/lang_updater_jp.qm")));

    Session s(QStringLiteral("1.00"), true, withKey(publicKey), box.program.path());
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
    const QMap<QString, QByteArray> installed{
        {"Rowsmith", program}, {"languages/", {}}, {"languages/lang_updater_jp.qm", translation}};
    QCOMPARE(folderSnapshot(box.program.path()), installed);
    QCOMPARE(folderSnapshot(box.working.path()), data);
    QCOMPARE(contents(victim), QByteArray("mine"));
    QCOMPARE(QFileInfo(shared + QStringLiteral("/Rowsmith")).symLinkTarget(), victim);
    // The private download folder went with the update.
    QCOMPARE(box.updateFolders(), QStringList{"RowsmithUpdate"});

    // The program restarts from its folder, in the user's data folder.
    s.click("doneButton");
    QCOMPARE(s.processes(),
             (QList<QStringList>{{box.working.path(), box.program.filePath("Rowsmith")}}));
    QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
}

void UpdateDialogTest::failures_data()
{
    // A file entry is a name, optionally followed by "#good" or "#bad" for a
    // right or wrong sha256 attribute, or "<unnamed>" for no name attribute.
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("message"); // ending in "*": its start
    // What stands in the program folder instead of an old Rowsmith: a folder
    // where the program file goes, or a file where a folder goes.
    QTest::addColumn<QString>("inTheWay");

    QTest::newRow("missing on the server")
        << QStringList{"Rowsmith", "missing.dll"} << "Failed to download file 'missing.dll': *"
        << "";
    QTest::newRow("damaged") << QStringList{"Rowsmith#good", "languages/lang_kr.qm#bad"}
                             << "Downloaded file 'languages/lang_kr.qm' is damaged."
                             << "";
    QTest::newRow("copy fails") << QStringList{"Rowsmith"}
                                << "Failed to copy downloaded file 'Rowsmith'"
                                << "Rowsmith/inside.txt";
    // The first file is ready when the second cannot be: neither is installed.
    QTest::newRow("second copy fails") << QStringList{"Rowsmith", "languages/lang_kr.qm"}
                                       << "Failed to copy downloaded file 'languages/lang_kr.qm'"
                                       << "languages";

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
            << QStringLiteral("Invalid file name in version information: '%1'").arg(name) << "";
    }
    QTest::newRow("refused: no name")
        << QStringList{"Rowsmith", "<unnamed>"} << "Invalid file name in version information: ''"
        << "";
}

void UpdateDialogTest::failures()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    QFETCH(QString, inTheWay);

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
                        (check == QLatin1String("good") ? sha256Hex(served.value(name))
                                                        : sha256Hex("something else")) +
                        '"';
        document += "/>";
    }
    publish(document + "</r>");
    if (!inTheWay.startsWith(QLatin1String("Rowsmith")))
        writeFile(box.program.filePath(QStringLiteral("Rowsmith")), "old program");
    if (!inTheWay.isEmpty())
        writeFile(box.program.filePath(inTheWay), "keep");
    const QMap<QString, QByteArray> before = folderSnapshot(box.program.path());

    Session s(QStringLiteral("1.00"), true, UpdateOptions(), box.program.path());
    QVERIFY(s.checked);
    s.click("updateButton");
    QVERIFY(s.waitUntilFinished());
    if (message.endsWith(QLatin1Char('*')))
        QVERIFY2(s.text("resultLabel").startsWith(message.chopped(1)),
                 qPrintable(s.text("resultLabel")));
    else
        QCOMPARE(s.text("resultLabel"), message);
    QVERIFY(!s.child<QPushButton>("cancelButton")->isEnabled());
    // Nothing copied, nothing half-written beside the program's files, and
    // nothing left of the downloads.
    QCOMPARE(folderSnapshot(box.program.path()), before);
    QCOMPARE(box.updateFolders(), QStringList());
}

void UpdateDialogTest::signatures_data()
{
    QTest::addColumn<QString>("change"); // what differs from a rightly signed document
    QTest::addColumn<bool>("accepted");

    QTest::newRow("signed") << "" << true;
    QTest::newRow("a byte changed after signing") << "byte" << false;
    QTest::newRow("no signature") << "unsigned" << false;
    QTest::newRow("signed by another key") << "other key" << false;
    QTest::newRow("not base64") << "garbage" << false;
    QTest::newRow("a file without sha256") << "no sha256" << false;
}

void UpdateDialogTest::signatures()
{
    QFETCH(QString, change);
    QFETCH(bool, accepted);

    const SigningKey key;
    const SigningKey other;
    QByteArray document =
        "<r><version>1.01</version><file name=\"Rowsmith\" sha256=\"" + sha256Hex("x") + "\"/>";
    if (change == QLatin1String("no sha256"))
        document += "<file name=\"lang_jp.qm\"/>";
    document += "</r>";
    QByteArray signature = (change == QLatin1String("other key") ? other : key).sign(document);
    if (change == QLatin1String("byte"))
        document.replace("1.01", "1.02");
    else if (change == QLatin1String("unsigned"))
        signature.clear();
    else if (change == QLatin1String("garbage"))
        signature = "not a signature\n";
    publish(document, signature);
    if (!accepted)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^version document: ")));

    Session s(QStringLiteral("1.00"), true, withKey(key.publicKey));
    QVERIFY(s.checked);
    QCOMPARE(s.page(), accepted ? 1 : 0);
    if (!accepted) {
        QCOMPARE(s.text("versionCheckLabel"),
                 QStringLiteral("The version information from the server could not be verified."));
        QVERIFY(s.child<QLabel>("loadingLabel")->isHidden());
    }
}

void UpdateDialogTest::longNotes()
{
    // Five megabytes on one line: shown cut, so the window stays usable.
    const QByteArray notes(5 * 1024 * 1024, 'a');
    publish("<r><version>1.01</version><info>" + notes + "</info></r>");
    Session s(QStringLiteral("1.00"));
    QVERIFY(s.checked);
    const QString shown = s.child<QPlainTextEdit>("plainTextEdit")->toPlainText();
    QVERIFY(shown.startsWith(QString(64 * 1024, u'a') + QStringLiteral("\n\n")));
    QVERIFY(
        shown.endsWith(QStringLiteral("(The release notes are longer; the rest is not shown.)")));
    QVERIFY(shown.size() < 65 * 1024);
    s.child<QPushButton>("exitButton")->click();
    QCOMPARE(s.dialog->result(), int(QDialog::Rejected));
}

void UpdateDialogTest::silentServer_data()
{
    QTest::addColumn<bool>("duringDownload"); // else during the version check
    QTest::newRow("version check") << false;
    QTest::newRow("download") << true;
}

void UpdateDialogTest::silentServer()
{
    QFETCH(bool, duringDownload);

    Sandbox box;
    // Takes connections and never says a word.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    const QByteArray address = "://127.0.0.1:" + QByteArray::number(silent.serverPort()) + '/';
    if (duringDownload) {
        publish("<r><version>1.01</version><file name=\"Rowsmith\"/></r>");
        qputenv("ROWSMITH_UPDATE_FTP_URL", "ftp" + address);
    } else {
        qputenv("ROWSMITH_UPDATE_URL", "http" + address + "products/Rowsmith/latest");
    }
    UpdateOptions options;
    options.stallTimeoutMs = 300;

    Session s(QStringLiteral("1.00"), true, options, box.program.path());
    QVERIFY(s.checked);
    if (!duringDownload) {
        QCOMPARE(s.page(), 0);
        QCOMPARE(s.text("versionCheckLabel"),
                 QStringLiteral("Failed to retrieve version information from the server."));
        return;
    }
    s.click("updateButton");
    QVERIFY(s.waitUntilFinished());
    QCOMPARE(s.text("resultLabel"),
             QStringLiteral("Failed to download file 'Rowsmith': The server stopped responding."));
    QCOMPARE(folderSnapshot(box.program.path()), (QMap<QString, QByteArray>{}));
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
    const QMap<QString, QByteArray> before = folderSnapshot(box.program.path());

    Session s(QStringLiteral("1.00"), true, UpdateOptions(), box.program.path());
    QVERIFY(s.checked);
    s.click("updateButton");
    QTRY_VERIFY_WITH_TIMEOUT(s.bar("unitProgressBar")->value() > 0, 15000);
    s.click("cancelButton");
    QCOMPARE(s.warnings(), QStringList{"Cancel|You canceled update process."});
    QCOMPARE(s.page(), 1);
    // The transfer stops at once, not when it would have ended.
    const QList<QNetworkReply *> replies = s.dialog->findChildren<QNetworkReply *>();
    for (const QNetworkReply *reply : replies)
        QVERIFY(!reply->isRunning());

    // The broken-off transfer is neither saved nor continued.
    QTest::qWait(1500);
    QCOMPARE(folderSnapshot(box.program.path()), before);
    QCOMPARE(box.updateFolders(), QStringList());

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
    // Started in a data folder on a Japanese system: its translations and
    // Qt's come from beside the program, where this test lies too.
    TestWorkingFolder data;
    const QString japanese = QLocale::languageToString(QLocale::Japanese);
    QTranslator translator;
    QVERIFY(loadTranslation(translator, japanese, programFileFolders(),
                            QStringLiteral("lang_updater")));
    QCoreApplication::installTranslator(&translator);
    QTranslator qtTranslator;
    QVERIFY(loadQtTranslation(qtTranslator, japanese, programFileFolders()));
    QCoreApplication::installTranslator(&qtTranslator);
    publish("<r><version>1.00</version></r>");
    Session s(QStringLiteral("1.00"));
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QCoreApplication::removeTranslator(&qtTranslator);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(s.checked);
    QCOMPARE(s.dialog->windowTitle(), QStringLiteral("Rowsmith アップデーター"));
    QCOMPARE(s.child<QPushButton>("updateButton")->text(), QStringLiteral("アップデート"));
    QCOMPARE(s.text("versionCheckLabel"),
             QStringLiteral("最新バージョンの Rowsmith をお使いです。"));
    QCOMPARE(cancel, QStringLiteral("キャンセル"));
}

QTEST_MAIN(UpdateDialogTest)
#include "tst_updatedialog.moc"
