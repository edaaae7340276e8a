#include "app/InfoDialog.h"
#include "app/MainWindow.h"
#include "support/FakeDesktop.h"
#include "support/TestWorkingFolder.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class InfoDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void aboutBox();
};

void InfoDialogTest::initTestCase()
{
    static QTemporaryDir preferences;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences.path());
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
}

void InfoDialogTest::aboutBox()
{
    TestWorkingFolder folder;
    MainWindow window(std::make_unique<FakeDesktop>());
    window.show();
    window.progressBar()->show();

    auto *action = window.findChild<QAction *>(QStringLiteral("action_info"));
    action->trigger();
    QVERIFY(!window.progressBar()->isVisible());
    const QList<InfoDialog *> shown = window.findChildren<InfoDialog *>();
    QCOMPARE(shown.size(), 1);
    InfoDialog *about = shown.first();
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("로우스미스 정보"));
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    QCOMPARE(about->size(), QSize(350, 250));
    QVERIFY(!about->windowIcon().isNull());

    auto *tabs = about->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("프로그램 정보"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("저작권 정보"));
    auto label = [about](const char *name) {
        return about->findChild<QLabel *>(QString::fromLatin1(name));
    };
    QVERIFY(!label("logo")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(label("label")->text(), QStringLiteral("로우스미스"));
    QCOMPARE(label("versionLabel")->text(), QStringLiteral("Version : 1.00"));
    QCOMPARE(label("label_4")->text(), QStringLiteral("제작일 : 2011-10-04"));
    QVERIFY(label("urlLabel")->openExternalLinks());
    const QString address = QStringLiteral(ROWSMITH_WEB_ADDRESS);
    QCOMPARE(label("urlLabel")->isHidden(), address.isEmpty());
    QVERIFY(
        label("urlLabel")->text().contains(QStringLiteral("href=\"") + address + QLatin1Char('"')));

    auto *notice = about->findChild<QPlainTextEdit *>(QStringLiteral("copyrightEdit"));
    QVERIFY(notice->isReadOnly());
    QCOMPARE(notice->lineWrapMode(), QPlainTextEdit::NoWrap);
    for (const char *part : {"Rowsmith", "LGPL", "CC BY 2.5", "CC BY 3.0", "SIL Open Font"})
        QVERIFY2(notice->toPlainText().contains(QLatin1String(part)), part);

    // Each command makes a new box; OK closes one.
    action->trigger();
    QCOMPARE(window.findChildren<InfoDialog *>().size(), 2);
    auto *ok = about->findChild<QPushButton *>(QStringLiteral("okButton"));
    QCOMPARE(ok->text(), QStringLiteral("확인"));
    ok->click();
    QVERIFY(!about->isVisible());
}

QTEST_MAIN(InfoDialogTest)
#include "tst_infodialog.moc"
