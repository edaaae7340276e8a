#include "app/InfoDialog.h"
#include "app/MainWindow.h"
#include "startup/ProgramFiles.h"
#include "startup/StartupTranslation.h"
#include "support/FakeDesktop.h"
#include "support/ProcessRunner.h"
#include "support/TestWorkingFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>
#include <memory>

namespace {

bool copyFolder(const QString &from, const QString &to, const QStringList &filters)
{
    if (!QDir().mkpath(to))
        return false;
    const QStringList names = QDir(from).entryList(filters, QDir::Files);
    for (const QString &name : names) {
        if (!QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name))
            return false;
    }
    return !names.isEmpty();
}

} // namespace

// The program started in a fresh data folder on a Japanese, a Korean and
// another system: the start-up picks the translation by the locale's language
// from languages/ beside the program, and the window, its dialogs, the run's
// messages and the statement's labels follow it; help opens the manual there.
class LocaleStartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startsInTheLocalesLanguage_data();
    void startsInTheLocalesLanguage();

private:
    QTemporaryDir preferences_;
};

void LocaleStartupTest::initTestCase()
{
    QVERIFY(preferences_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences_.path());
}

void LocaleStartupTest::startsInTheLocalesLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("windowTitle");
    QTest::addColumn<QString>("aboutTitle");
    QTest::addColumn<QString>("errorTitle");
    QTest::addColumn<QString>("runMessage");
    QTest::addColumn<QString>("statementLabel");
    QTest::addColumn<QString>("yesButton"); // Qt's own text, as the update question shows it

    QTest::newRow("Japanese") << "ja_JP"
                              << "Rowsmith"
                              << "Rowsmith について"
                              << "エラー"
                              << "変換が完了しました。"
                              << "ご注文明細"
                              << "はい(&Y)";
    QTest::newRow("Korean") << "ko_KR"
                            << "로우스미스"
                            << "로우스미스 정보"
                            << "오류"
                            << "변환이 완료되었습니다."
                            << "주문 내역"
                            << "예(&Y)";
    QTest::newRow("English: source texts") << "en_US"
                                           << "로우스미스"
                                           << "로우스미스 정보"
                                           << "Error"
                                           << "Converting succeeded."
                                           << "Order Detail"
                                           << "&Yes";
}

void LocaleStartupTest::startsInTheLocalesLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, windowTitle);
    QFETCH(QString, aboutTitle);
    QFETCH(QString, errorTitle);
    QFETCH(QString, runMessage);
    QFETCH(QString, statementLabel);
    QFETCH(QString, yesButton);

    // A data folder that holds the user's settings and exports only: this
    // test program lies beside the programs, with languages/ and manual/, as
    // an installation puts them.
    TestWorkingFolder folder;
    QVERIFY(copyFolder(QStringLiteral(TEST_SOURCE_DIR "/examples/demo"), folder.path(), {"*"}));
    QVERIFY(!QFileInfo::exists(folder.filePath("languages")));

    // As the program's start-up does it, for this locale.
    QTranslator translator;
    const QString language = QLocale::languageToString(QLocale(locale).language());
    QCOMPARE(loadTranslation(translator, language, programFileFolders()), locale != "en_US");
    QCoreApplication::installTranslator(&translator);
    QTranslator qtTranslator;
    QCOMPARE(loadQtTranslation(qtTranslator, language, programFileFolders()), locale != "en_US");
    QCoreApplication::installTranslator(&qtTranslator);
    auto removeTranslators = qScopeGuard([&translator, &qtTranslator] {
        QCoreApplication::removeTranslator(&qtTranslator);
        QCoreApplication::removeTranslator(&translator);
    });
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yesButton);

    auto fake = std::make_unique<FakeDesktop>();
    FakeDesktop *desktop = fake.get();
    MainWindow window(std::move(fake));
    window.show();
    QCOMPARE(window.windowTitle(), windowTitle);

    window.findChild<QAction *>(QStringLiteral("action_info"))->trigger();
    const auto *about = window.findChild<InfoDialog *>();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), aboutTitle);

    desktop->openAnswers.enqueue(
        {folder.filePath("orders.csv"), folder.filePath("order-lines.csv")});
    window.findChild<QToolButton *>(QStringLiteral("addButton"))->click();
    window.findChild<QPushButton *>(QStringLiteral("convertButton"))->click();
    QVERIFY2(desktop->warnings.isEmpty(),
             qPrintable(desktop->warnings.isEmpty() ? QString() : desktop->warnings.first().text));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("runResultLabel"))->text(), runMessage);

    const ProcessResult text =
        runProcess(QStringLiteral("pdftotext"), {window.statementFile(), "-"});
    QVERIFY2(text.exitCode == 0, text.err.constData());
    QVERIFY2(QString::fromUtf8(text.out).contains(statementLabel), text.out.constData());

    window.showError(QStringLiteral("x"));
    QCOMPARE(desktop->warnings.last().title, errorTitle);

    window.findChild<QAction *>(QStringLiteral("action_help"))->trigger();
#ifdef Q_OS_WIN
    const QString manual = QStringLiteral("rowsmith.chm");
#else
    const QString manual = QStringLiteral("manual/index.html");
#endif
    QCOMPARE(desktop->urls.last(),
             QUrl::fromLocalFile(QDir(QCoreApplication::applicationDirPath()).filePath(manual)));
}

QTEST_MAIN(LocaleStartupTest)
#include "tst_localestartup.moc"
