#include "editors/ListWidgetTexts.h"

#include <QAbstractItemModel>
#include <QListWidget>

QStringList listWidgetTexts(const QListWidget *list)
{
    QStringList texts;
    texts.reserve(list->count());
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

void onListWidgetChanged(QListWidget *list, QObject *context, const std::function<void()> &onChange)
{
    const QAbstractItemModel *model = list->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, context, onChange);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, context, onChange);
    QObject::connect(model, &QAbstractItemModel::rowsMoved, context, onChange);
    QObject::connect(model, &QAbstractItemModel::dataChanged, context, onChange);
    QObject::connect(model, &QAbstractItemModel::layoutChanged, context, onChange);
    QObject::connect(model, &QAbstractItemModel::modelReset, context, onChange);
}
