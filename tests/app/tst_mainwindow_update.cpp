#include "app/MainWindow.h"
#include "support/FakeDesktop.h"
#include "support/LocalServer.h"
#include "support/TestWorkingFolder.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The main window's update prompt, fed by a web server on 127.0.0.1.
class MainWindowUpdateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void prompt_data();
    void prompt();

private:
    QTemporaryDir preferences_;
    QTemporaryDir web_;
    std::unique_ptr<LocalServer> server_;
};

void MainWindowUpdateTest::initTestCase()
{
    QVERIFY(preferences_.isValid() && web_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences_.path());
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    QVERIFY(QDir(web_.path()).mkpath(QStringLiteral("products/Rowsmith")));
    QFile document(web_.filePath(QStringLiteral("products/Rowsmith/latest")));
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.write("<rowsmith><version>1.01</version><file name=\"Rowsmith.exe\"/></rowsmith>");
    document.close();
    server_ = std::make_unique<LocalServer>(QStringLiteral("http_server.py"), web_.path());
    QVERIFY(server_->port());
    qputenv("ROWSMITH_UPDATE_URL",
            server_->url(QStringLiteral("http")).toUtf8() + "products/Rowsmith/latest");
}

void MainWindowUpdateTest::prompt_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps the program running") << false;
    QTest::newRow("Yes starts the updater and ends") << true;
}

void MainWindowUpdateTest::prompt()
{
    QFETCH(bool, yes);

    TestWorkingFolder folder;
    auto fake = std::make_unique<FakeDesktop>();
    FakeDesktop *desktop = fake.get();
    desktop->questionAnswers.enqueue(yes);
    MainWindow window(std::move(fake));
    window.show();

    QTRY_COMPARE_WITH_TIMEOUT(desktop->questions.size(), 1, 10000);
    const FakeDesktop::Warning &question = desktop->questions.first();
    QCOMPARE(question.parent, &window);
    QCOMPARE(question.title, QStringLiteral("Update available"));
    QCOMPARE(question.text, QStringLiteral("There is newer version available.\nDo you want to "
                                           "update now?\n(Restart Rowsmith is required.\n\n"
                                           "Current version : 1.00\nLatest version : 1.01"));
    if (!yes) {
        QVERIFY(desktop->processes.isEmpty());
        QVERIFY(desktop->exitCodes.isEmpty());
        QVERIFY(window.isVisible());
        return;
    }
    const QString updater = QDir(QCoreApplication::applicationDirPath()).filePath("Updater");
    QCOMPARE(desktop->processes.size(), 1);
    QCOMPARE(desktop->processes.first().program, updater);
    QCOMPARE(desktop->processes.first().arguments, QStringList{"1.00"});
    QCOMPARE(desktop->exitCodes, QList<int>{0});
}

QTEST_MAIN(MainWindowUpdateTest)
#include "tst_mainwindow_update.moc"
