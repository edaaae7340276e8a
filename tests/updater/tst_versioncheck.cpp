#include "SigningKey.h"
#include "support/LocalServer.h"
#include "updater/UpdateServer.h"
#include "updater/Updater.h"
#include "updater/VersionFetch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The main program's version check against a web server on 127.0.0.1.
class VersionCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void check_data();
    void check();
    void signedDocument_data();
    void signedDocument();
    void noServer();

private:
    QTemporaryDir web_;
    std::unique_ptr<LocalServer> server_;
};

void VersionCheckTest::initTestCase()
{
    qRegisterMetaType<QNetworkReply *>();
    QVERIFY(web_.isValid());
    QVERIFY(QDir(web_.path()).mkpath(QStringLiteral("products/Rowsmith")));
    server_ = std::make_unique<LocalServer>(QStringLiteral("http_server.py"), web_.path());
    QVERIFY(server_->port());
}

void VersionCheckTest::check_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QByteArray>("document"); // empty: no server answers
    QTest::addColumn<QString>("offered");     // empty: no question
    QTest::addColumn<bool>("parseFailure");

    const QByteArray v101 = "<?xml version=\"1.0\"?><rowsmith><version>1.01</version>"
                            "<info>notes</info><file name=\"Rowsmith.exe\"/></rowsmith>";
    QTest::newRow("newer") << "1.00" << v101 << "1.01" << false;
    QTest::newRow("first version element counts")
        << "1.00" << QByteArray("<a><b><version>1.5</version></b><version>0.1</version></a>")
        << "1.5" << false;
    QTest::newRow("same") << "1.00" << QByteArray("<r><version>1.00</version></r>") << "" << false;
    QTest::newRow("older") << "1.00" << QByteArray("<r><version>0.99</version></r>") << "" << false;
    QTest::newRow("1.10 is lower than 1.9")
        << "1.9" << QByteArray("<r><version>1.10</version></r>") << "" << false;
    QTest::newRow("not a number") << "1.00" << QByteArray("<r><version>new</version></r>") << ""
                                  << false;
    QTest::newRow("no version") << "1.00" << QByteArray("<r><info>x</info></r>") << "" << false;
    QTest::newRow("empty version") << "1.00" << QByteArray("<r><version/></r>") << "" << false;
    QTest::newRow("HTML") << "1.00" << QByteArray("<html><body><p>Not here<br></body></html>") << ""
                          << true;
    QTest::newRow("no server") << "1.00" << QByteArray() << "" << true;
}

void VersionCheckTest::check()
{
    QFETCH(QString, current);
    QFETCH(QByteArray, document);
    QFETCH(QString, offered);
    QFETCH(bool, parseFailure);

    QCoreApplication::setApplicationVersion(current);
    if (document.isEmpty()) {
        qputenv("ROWSMITH_UPDATE_URL", "http://127.0.0.1:9/products/Rowsmith/latest");
    } else {
        QFile file(web_.filePath(QStringLiteral("products/Rowsmith/latest")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(document);
        file.close();
        qputenv("ROWSMITH_UPDATE_URL",
                server_->url(QStringLiteral("http")).toUtf8() + "products/Rowsmith/latest");
    }
    if (parseFailure)
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression(
                            QStringLiteral("^load xml failed\\. \".*\" Line \\d+, Column \\d+$")));

    Updater updater;
    QSignalSpy offers(&updater, &Updater::updateAvailable);
    updater.checkForUpdate();
    auto *fetch = updater.findChild<VersionFetch *>();
    QVERIFY(fetch);
    QSignalSpy answered(fetch, &VersionFetch::finished);
    QVERIFY(answered.wait(10000));

    if (offered.isEmpty()) {
        QCOMPARE(offers.count(), 0);
        return;
    }
    QCOMPARE(offers.count(), 1);
    QCOMPARE(offers.first().at(0).toString(), current);
    QCOMPARE(offers.first().at(1).toString(), offered);
}

void VersionCheckTest::signedDocument_data()
{
    QTest::addColumn<bool>("rightlySigned");
    QTest::newRow("signed: offered") << true;
    QTest::newRow("signature wrong: ignored") << false;
}

void VersionCheckTest::signedDocument()
{
    QFETCH(bool, rightlySigned);

    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    const SigningKey key;
    const SigningKey other;
    const QByteArray document = "<r><version>1.01</version></r>";
    const QByteArray signature = (rightlySigned ? key : other).sign(document);
    for (const auto &[name, bytes] :
         {std::make_pair("latest", document), std::make_pair("latest.sig", signature)}) {
        QFile file(web_.filePath(QStringLiteral("products/Rowsmith/") + QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    qputenv("ROWSMITH_UPDATE_URL",
            server_->url(QStringLiteral("http")).toUtf8() + "products/Rowsmith/latest");
    if (!rightlySigned)
        QTest::ignoreMessage(QtDebugMsg, "version document: signature missing or wrong");

    UpdateOptions options;
    options.publicKey = key.publicKey;
    Updater updater(options);
    QSignalSpy offers(&updater, &Updater::updateAvailable);
    updater.checkForUpdate();
    QSignalSpy answered(updater.findChild<VersionFetch *>(), &VersionFetch::finished);
    QVERIFY(answered.wait(10000));
    QCOMPARE(offers.count(), rightlySigned ? 1 : 0);
}

void VersionCheckTest::noServer()
{
    // A build that names no server asks nobody.
    const QByteArray configured = qgetenv("ROWSMITH_UPDATE_URL");
    qunsetenv("ROWSMITH_UPDATE_URL");
    if (!UpdateServer::versionDocumentUrl().isEmpty()) {
        qputenv("ROWSMITH_UPDATE_URL", configured);
        QSKIP("this build names an update server");
    }
    Updater updater;
    QTest::ignoreMessage(QtDebugMsg, "no update server: no version check");
    updater.checkForUpdate();
    qputenv("ROWSMITH_UPDATE_URL", configured);
    QVERIFY(!updater.findChild<VersionFetch *>());
}

QTEST_GUILESS_MAIN(VersionCheckTest)
#include "tst_versioncheck.moc"
