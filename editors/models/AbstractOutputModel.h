#pragma once

#include <QAbstractTableModel>
#include <QStringList>

// Common base of the output item and statement field tables: the cell
// operations that the output items dialog uses on either.
class AbstractOutputModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    virtual QString separator(const QModelIndex &index) const = 0;
    virtual void setSeparator(const QModelIndex &index, const QString &text) = 0;
    virtual void clearSeparator(const QModelIndex &index) = 0;
    virtual void setMappings(const QModelIndex &index, const QStringList &names) = 0;
};
