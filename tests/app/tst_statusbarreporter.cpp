#include "app/StatusBarReporter.h"

#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <QtTest>

class StatusBarReporterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void statusTextReplacesThePrevious();
    void progressEndsOnTheLastValue_data();
    void progressEndsOnTheLastValue();
    void errorsGoToTheErrorChannel();
    void worksWhileTheWindowIsHidden();

private:
    QMainWindow *window_ = nullptr;
    QProgressBar *bar_ = nullptr;
    QStringList errors_;
    StatusBarReporter reporter()
    {
        return StatusBarReporter(window_->statusBar(), bar_,
                                 [this](const QString &text) { errors_ << text; });
    }
};

void StatusBarReporterTest::init()
{
    window_ = new QMainWindow;
    bar_ = new QProgressBar;
    window_->statusBar()->addPermanentWidget(bar_);
    bar_->hide();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    errors_.clear();
}

void StatusBarReporterTest::cleanup()
{
    delete window_;
}

void StatusBarReporterTest::statusTextReplacesThePrevious()
{
    StatusBarReporter r = reporter();
    r.showStatus(QStringLiteral("Checking all fields..."));
    QCOMPARE(window_->statusBar()->currentMessage(), QStringLiteral("Checking all fields..."));
    r.showStatus(QStringLiteral("Loading settings..."));
    QCOMPARE(window_->statusBar()->currentMessage(), QStringLiteral("Loading settings..."));
    // A notice completes the status it follows.
    r.showStatus(QStringLiteral("Converting succeeded."));
    r.showNotice(QStringLiteral("1 character(s) were replaced."));
    QCOMPARE(window_->statusBar()->currentMessage(),
             QStringLiteral("Converting succeeded. 1 character(s) were replaced."));
}

void StatusBarReporterTest::progressEndsOnTheLastValue_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("no row") << 0;
    QTest::newRow("one row") << 1;
    QTest::newRow("many rows") << 100000;
}

void StatusBarReporterTest::progressEndsOnTheLastValue()
{
    QFETCH(int, rows);

    StatusBarReporter r = reporter();
    r.setProgressRange(0, rows);
    r.showProgress();
    QVERIFY(bar_->isVisible());
    for (int i = 0; i <= rows; ++i)
        r.setProgressValue(i);
    r.setProgressRange(0, 2 * rows); // the write stage extends the range
    for (int i = rows + 1; i <= 2 * rows; ++i)
        r.setProgressValue(i);
    r.finish();
    QCOMPARE(bar_->maximum(), 2 * rows);
    QCOMPARE(bar_->value(), 2 * rows);
    QVERIFY(bar_->isVisible());
}

void StatusBarReporterTest::errorsGoToTheErrorChannel()
{
    StatusBarReporter r = reporter();
    r.setProgressRange(0, 10);
    r.setProgressValue(1);
    r.setProgressValue(4);
    r.showError(QStringLiteral("Choose a convert setting."));
    QCOMPARE(errors_, QStringList{QStringLiteral("Choose a convert setting.")});
    // The bar shows how far the run came before the box opened.
    QCOMPARE(bar_->value(), 4);
}

void StatusBarReporterTest::worksWhileTheWindowIsHidden()
{
    window_->hide();
    StatusBarReporter r = reporter();
    r.showStatus(QStringLiteral("Start converting..."));
    r.setProgressRange(0, 3);
    r.setProgressValue(3);
    r.finish();
    QCOMPARE(window_->statusBar()->currentMessage(), QStringLiteral("Start converting..."));
    QCOMPARE(bar_->value(), 3);
}

QTEST_MAIN(StatusBarReporterTest)
#include "tst_statusbarreporter.moc"
