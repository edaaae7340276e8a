#include "editors/models/InputModeModel.h"

#include "editors/models/ColumnLetters.h"
#include "editors/models/ItemDragPayload.h"
#include "settings/ConvertSetting.h"

#include <QMimeData>

#include <utility>

InputModeModel::InputModeModel(QObject *parent) : QAbstractTableModel(parent) {}

int InputModeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : table_.rows().size();
}

int InputModeModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || table_.isEmpty())
        return 0;
    return table_.width();
}

QVariant InputModeModel::data(const QModelIndex &index, int role) const
{
    if (!isCell(index) || role != Qt::DisplayRole)
        return QVariant();
    return table_.rows().at(index.row()).value(index.column());
}

QVariant InputModeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        if (section >= columnCount())
            return QVariant();
        return columnLetters(section);
    }
    if (section >= rowCount())
        return QVariant();
    if (section == 0)
        return tr("Item");
    return tr("Ex %1").arg(section);
}

Qt::ItemFlags InputModeModel::flags(const QModelIndex &index) const
{
    if (!isCell(index) || index.row() != 0)
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
}

QStringList InputModeModel::mimeTypes() const
{
    return {ItemDragPayload::mimeType()};
}

QMimeData *InputModeModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    QList<ItemDragEntry> entries;
    entries.reserve(indexes.size());
    for (const QModelIndex &index : indexes) {
        if (!isCell(index))
            continue;
        entries.append({SourceKind::InputItem, index.column(),
                        table_.rows().at(index.row()).value(index.column())});
    }
    auto *mime = new QMimeData;
    mime->setData(ItemDragPayload::mimeType(), ItemDragPayload::encode(entries));
    return mime;
}

bool InputModeModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row > table_.rows().size() - count)
        return false;
    // Taking away the header changes the column count, which only a reset can tell.
    const bool header = row == 0;
    if (header)
        beginResetModel();
    else
        beginRemoveRows(QModelIndex(), row, row + count - 1);
    table_.removeRows(row, count);
    if (header)
        endResetModel();
    else
        endRemoveRows();
    return true;
}

bool InputModeModel::isCell(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() >= 0 &&
           index.row() < table_.rows().size() && index.column() >= 0 &&
           index.column() < columnCount();
}

void InputModeModel::setFirstForm(QList<QStringList> fileRows, const QString &fileName)
{
    beginResetModel();
    table_.setFirstForm(std::move(fileRows), fileName);
    endResetModel();
}

bool InputModeModel::joinForm(const QList<QStringList> &fileRows, int targetKey, int key,
                              const QString &fileName)
{
    const QStringList newHeader = fileRows.value(0);
    if (targetKey < 0 || targetKey >= table_.width() || key < 0 || key >= newHeader.size())
        return false;
    beginResetModel();
    const bool joined = table_.joinForm(fileRows, targetKey, key, fileName);
    endResetModel();
    return joined;
}

void InputModeModel::appendDataRows(const QList<QStringList> &fileRows)
{
    if (fileRows.size() < 2)
        return;
    if (table_.isEmpty()) {
        // The first appended row becomes the header: the column count changes.
        beginResetModel();
        table_.appendDataRows(fileRows);
        endResetModel();
        return;
    }
    const int first = table_.rows().size();
    beginInsertRows(QModelIndex(), first, first + fileRows.size() - 2);
    table_.appendDataRows(fileRows);
    endInsertRows();
}

void InputModeModel::clear()
{
    if (table_.isEmpty() && table_.forms().isEmpty())
        return;
    beginResetModel();
    table_.clear();
    endResetModel();
}

void InputModeModel::save(ConvertSetting &setting) const
{
    setting.heads = table_.header();
    setting.ex1 = table_.row(1);
    setting.ex2 = table_.row(2);
    setting.forms = table_.forms();
}

void InputModeModel::load(const ConvertSetting &setting)
{
    beginResetModel();
    table_.appendStored(setting.heads, setting.ex1, setting.ex2, setting.forms);
    endResetModel();
}
