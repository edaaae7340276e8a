#include "statement/PageDocuments.h"

#include <QTextDocument>
#include <QThread>
#include <QtTest>

class TestPageDocuments : public QObject
{
    Q_OBJECT
private slots:
    void inPageOrder_data();
    void inPageOrder();
};

void TestPageDocuments::inPageOrder_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("taking"); // the pages taken before the documents go
    QTest::newRow("no pages") << 0 << 0;
    QTest::newRow("one page") << 1 << 1;
    QTest::newRow("more pages than are made ahead") << 40 << 40;
    QTest::newRow("stopped early") << 40 << 3;
}

// Each document comes in its page's place, belongs to the taking thread, and
// what nobody took is dropped without waiting for the rest to be made.
void TestPageDocuments::inPageOrder()
{
    QFETCH(int, count);
    QFETCH(int, taking);
    PageDocuments documents(count, [](int page) {
        auto document = std::make_unique<QTextDocument>();
        document->setHtml(QStringLiteral("<p>page %1</p>").arg(page));
        return document;
    });
    for (int page = 0; page < taking; ++page) {
        const std::unique_ptr<QTextDocument> document = documents.take();
        QVERIFY(document);
        QCOMPARE(document->toPlainText(), QStringLiteral("page %1").arg(page));
        QCOMPARE(document->thread(), QThread::currentThread());
    }
    if (taking == count)
        QVERIFY(!documents.take());
}

QTEST_MAIN(TestPageDocuments)
#include "tst_pagedocuments.moc"
