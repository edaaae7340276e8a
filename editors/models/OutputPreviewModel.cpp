#include "editors/models/OutputPreviewModel.h"

OutputPreviewModel::OutputPreviewModel(QObject *parent) : QAbstractTableModel(parent) {}

int OutputPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_.size();
}

int OutputPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : header_.size();
}

QVariant OutputPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= rows_.size() ||
        index.column() >= header_.size())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return rows_.at(index.row()).value(index.column());
    return QVariant();
}

QVariant OutputPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return header_.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags OutputPreviewModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void OutputPreviewModel::setRows(const QStringList &header, const QList<QStringList> &rows)
{
    beginResetModel();
    header_ = header;
    rows_ = rows;
    endResetModel();
}
