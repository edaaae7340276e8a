#include "editors/DragGroupBox.h"
#include "editors/models/ItemDragPayload.h"
#include "editors/models/OutputModeModel.h"
#include "support/SourceKinds.h"

#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QtTest>

namespace {

// What a press on the box started: the drag the box made, captured before the
// event loop deletes it.
struct StartedDrag
{
    QByteArray payload;
    QString text;
    QSize pixmapSize;
    QPoint hotSpot;
};

bool pressAndCapture(DragGroupBox &box, const QPoint &at, StartedDrag *started)
{
    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, at);
    const QList<QDrag *> drags = box.findChildren<QDrag *>();
    if (drags.isEmpty())
        return false;
    const QDrag *drag = drags.last();
    started->payload = drag->mimeData()->data(ItemDragPayload::mimeType());
    started->text = drag->mimeData()->text();
    started->pixmapSize = drag->pixmap().size();
    started->hotSpot = drag->hotSpot();
    qDeleteAll(drags);
    return true;
}

} // namespace

class DragGroupBoxTest : public QObject
{
    Q_OBJECT
private slots:
    void labelStartsDrag_data();
    void labelStartsDrag();
    void pressOutsideLabelsStartsNoDrag();
};

void DragGroupBoxTest::labelStartsDrag_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("companyName") << "companyName" << 0 << QStringLiteral("회사명");
    QTest::newRow("storeName") << "storeName" << 1 << QStringLiteral("판매처명");
    QTest::newRow("storeSite") << "storeSite" << 2 << QStringLiteral("판매사이트");
    QTest::newRow("postCode") << "postCode" << 3 << QStringLiteral("우편번호");
    QTest::newRow("address") << "address" << 4 << QStringLiteral("주소");
    QTest::newRow("phone") << "phone" << 5 << QStringLiteral("전화번호");
    QTest::newRow("fax") << "fax" << 6 << QStringLiteral("팩스번호");
    QTest::newRow("email") << "email" << 7 << QStringLiteral("전자우편");
}

// The drag carries one company entry, which the output model stores as a
// bracketed source of kind 0.
void DragGroupBoxTest::labelStartsDrag()
{
    QFETCH(QString, label);
    QFETCH(int, code);
    QFETCH(QString, text);

    DragGroupBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const auto *target = box.findChild<QLabel *>(label);
    QVERIFY(target);
    const QPoint inLabel(3, 2);

    StartedDrag started;
    QVERIFY(pressAndCapture(box, target->pos() + inLabel, &started));
    QCOMPARE(started.text, text);
    QCOMPARE(started.pixmapSize, target->size());
    QCOMPARE(started.hotSpot, inLabel);
    const QList<ItemDragEntry> entries = ItemDragPayload::decode(started.payload);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().kind, kind(0));
    QCOMPARE(entries.first().code, code);
    QCOMPARE(entries.first().text, text);

    OutputModeModel model;
    const QModelIndex item = model.appendItem();
    QMimeData mime;
    mime.setData(ItemDragPayload::mimeType(), started.payload);
    QVERIFY(model.dropMimeData(&mime, Qt::CopyAction, -1, -1,
                               model.index(OutputModeModel::OutputRow, item.column())));
    const OutputItem stored = model.item(item.column());
    QCOMPARE(stored.mappings, QStringList(QLatin1Char('[') + text + QLatin1Char(']')));
    QCOMPARE(stored.mapSources, kinds({0}));
    QCOMPARE(stored.mapNums, QList<int>{code});
}

void DragGroupBoxTest::pressOutsideLabelsStartsNoDrag()
{
    DragGroupBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    StartedDrag started;
    QVERIFY(!pressAndCapture(box, QPoint(1, 1), &started));
    QVERIFY(!pressAndCapture(box, QPoint(box.width() - 2, box.height() - 2), &started));
}

QTEST_MAIN(DragGroupBoxTest)
#include "tst_gui_draggroupbox.moc"
