#include "editors/models/ItemDragPayload.h"
#include "support/SourceKinds.h"

#include <QDataStream>
#include <QtTest>

Q_DECLARE_METATYPE(QList<ItemDragEntry>)

class ItemDragPayloadTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void streamLayout();
    void truncatedPayload();
};

void ItemDragPayloadTest::roundTrip_data()
{
    QTest::addColumn<QList<ItemDragEntry>>("entries");
    QTest::newRow("none") << QList<ItemDragEntry>{};
    QTest::newRow("one input item")
        << QList<ItemDragEntry>{{kind(1), 3, QStringLiteral("注文番号")}};
    QTest::newRow("company field")
        << QList<ItemDragEntry>{{kind(0), 5, QStringLiteral("전화번호")}};
    QTest::newRow("several, empty text")
        << QList<ItemDragEntry>{{kind(1), 0, QString()},
                                {kind(0), 0, QStringLiteral("회사명")},
                                {kind(1), 70000, QStringLiteral("x")},
                                {kind(-1), -2, QStringLiteral("y")}};
}

void ItemDragPayloadTest::roundTrip()
{
    QFETCH(QList<ItemDragEntry>, entries);
    const QList<ItemDragEntry> back = ItemDragPayload::decode(ItemDragPayload::encode(entries));
    QCOMPARE(back.size(), entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(back.at(i).kind, entries.at(i).kind);
        QCOMPARE(back.at(i).code, entries.at(i).code);
        QCOMPARE(back.at(i).text, entries.at(i).text);
    }
}

void ItemDragPayloadTest::streamLayout()
{
    QCOMPARE(ItemDragPayload::mimeType(),
             QStringLiteral("application/x-qabstractitemmodeldatalist"));
    // Written by hand the way a peer would: two 32-bit numbers and a string per entry.
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << qint32(1) << qint32(7) << QStringLiteral("商品名");
        out << qint32(0) << qint32(2) << QStringLiteral("판매사이트");
    }
    QCOMPARE(bytes.size(), 2 * (4 + 4 + 4) + 2 * 3 + 2 * 5);
    const QList<ItemDragEntry> entries = ItemDragPayload::decode(bytes);
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).code, 7);
    QCOMPARE(entries.at(1).text, QStringLiteral("판매사이트"));
    QCOMPARE(ItemDragPayload::encode(entries), bytes);
}

void ItemDragPayloadTest::truncatedPayload()
{
    const QByteArray bytes = ItemDragPayload::encode(
        {{kind(1), 2, QStringLiteral("a")}, {kind(1), 3, QStringLiteral("bcd")}});
    const QList<ItemDragEntry> entries = ItemDragPayload::decode(bytes.left(bytes.size() - 3));
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().code, 2);
    QVERIFY(ItemDragPayload::decode(QByteArray("\x00\x00", 2)).isEmpty());
}

QTEST_GUILESS_MAIN(ItemDragPayloadTest)
#include "tst_itemdragpayload.moc"
