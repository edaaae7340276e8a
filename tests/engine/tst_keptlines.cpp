#include "engine/KeptLines.h"

#include <QTemporaryDir>
#include <QTest>

class TestKeptLines : public QObject
{
    Q_OBJECT

private slots:
    void readsBackInOrder_data();
    void readsBackInOrder();
};

void TestKeptLines::readsBackInOrder_data()
{
    QTest::addColumn<qint64>("memoryBytes");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<bool>("spilled");
    QTest::newRow("in memory") << qint64(1 << 20) << true << false;
    QTest::newRow("spilled at once") << qint64(0) << true << true;
    QTest::newRow("spilled on the way") << qint64(500) << true << true;
    QTest::newRow("no folder: memory") << qint64(0) << false << false;
}

void TestKeptLines::readsBackInOrder()
{
    QFETCH(qint64, memoryBytes);
    QFETCH(bool, folderExists);
    QFETCH(bool, spilled);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    KeptLines lines(memoryBytes);
    lines.setFolder(folderExists ? dir.path() : dir.filePath(QStringLiteral("missing")));
    QList<QByteArray> written;
    for (int g = 0; g < 300; ++g) {
        written.append(g % 7 == 0 ? QByteArray()
                                  : QByteArray::number(g) + ",\"x\xE3\x81\x82\"\r\n");
        lines.append(written.last().constData(), written.last().size());
    }
    QCOMPARE(lines.size(), written.size());
    QCOMPARE(lines.isSpilled(), spilled);
    // Read back in blocks from the end first, as threads may.
    for (int first = 250; first >= 0; first -= 50) {
        QByteArray block;
        QVERIFY(lines.read(first, 50, block));
        for (int g = first; g < first + 50; ++g) {
            const qint64 at = lines.start(g) - lines.start(first);
            QCOMPARE(block.mid(int(at), int(lines.start(g + 1) - lines.start(g))), written.at(g));
        }
    }
    QVERIFY(lines.errorString().isEmpty());
}

QTEST_GUILESS_MAIN(TestKeptLines)
#include "tst_keptlines.moc"
