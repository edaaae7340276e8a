#include "editors/DragGroupBox.h"

#include "editors/models/ItemDragPayload.h"
#include "ui_DragGroupBox.h"

#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>

DragGroupBox::DragGroupBox(QWidget *parent)
    : QGroupBox(parent), ui(std::make_unique<Ui::DragGroupBox>())
{
    ui->setupUi(this);
}

DragGroupBox::~DragGroupBox() = default;

int DragGroupBox::sourceCode(const QString &labelName)
{
    // In the order of the company field codes 0..7.
    static const QStringList names = {QStringLiteral("companyName"), QStringLiteral("storeName"),
                                      QStringLiteral("storeSite"),   QStringLiteral("postCode"),
                                      QStringLiteral("address"),     QStringLiteral("phone"),
                                      QStringLiteral("fax"),         QStringLiteral("email")};
    return names.indexOf(labelName);
}

void DragGroupBox::mousePressEvent(QMouseEvent *event)
{
    auto *label = qobject_cast<QLabel *>(childAt(event->pos()));
    if (!label) {
        QGroupBox::mousePressEvent(event);
        return;
    }
    const ItemDragEntry entry{SourceKind::CompanyField, sourceCode(label->objectName()),
                              label->text()};
    auto *mimeData = new QMimeData;
    mimeData->setData(ItemDragPayload::mimeType(), ItemDragPayload::encode({entry}));
    mimeData->setText(label->text());

    auto *drag = new QDrag(this);
    drag->setMimeData(mimeData);
    drag->setPixmap(label->grab());
    drag->setHotSpot(event->pos() - label->pos());
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}
