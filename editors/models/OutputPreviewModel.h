#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// A read-only table of output rows under a header of item names.
class OutputPreviewModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit OutputPreviewModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void setRows(const QStringList &header, const QList<QStringList> &rows);
    QStringList header() const { return header_; }
    QList<QStringList> rows() const { return rows_; }

private:
    QStringList header_;
    QList<QStringList> rows_;
};
