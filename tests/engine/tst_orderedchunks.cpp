#include "engine/OrderedChunks.h"

#include <QAtomicInt>
#include <QTest>
#include <QVector>

#include <stdexcept>

class TestOrderedChunks : public QObject
{
    Q_OBJECT

private slots:
    void takesInOrder_data();
    void takesInOrder();
    void failureReachesCaller_data();
    void failureReachesCaller();
};

void TestOrderedChunks::takesInOrder_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("many") << 500;
}

void TestOrderedChunks::takesInOrder()
{
    QFETCH(int, count);
    QVector<int> built(count, 0);
    QVector<int> taken;
    QAtomicInt builds(0);
    OrderedChunks::run(
        count,
        [&](int k) {
            built[k] = k * k;
            builds.fetchAndAddRelaxed(1);
        },
        [&](int k) {
            // Every chunk is built before it is taken.
            QCOMPARE(built.at(k), k * k);
            taken.append(k);
        });
    QCOMPARE(builds.loadRelaxed(), count);
    QVector<int> expected(count);
    for (int k = 0; k < count; ++k)
        expected[k] = k;
    QCOMPARE(taken, expected);
}

void TestOrderedChunks::failureReachesCaller_data()
{
    QTest::addColumn<int>("failing");
    QTest::newRow("first chunk") << 0;
    QTest::newRow("a later chunk") << 77;
}

void TestOrderedChunks::failureReachesCaller()
{
    QFETCH(int, failing);
    int taken = 0;
    bool caught = false;
    try {
        OrderedChunks::run(
            200,
            [&](int k) {
                if (k == failing)
                    throw std::runtime_error("out of memory");
            },
            [&](int) { ++taken; });
    } catch (const std::runtime_error &) {
        caught = true;
    }
    QVERIFY(caught);
    QVERIFY(taken <= failing);
}

QTEST_GUILESS_MAIN(TestOrderedChunks)
#include "tst_orderedchunks.moc"
