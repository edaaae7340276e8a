#pragma once

#include "settings/InputTable.h"

#include <QAbstractTableModel>

struct ConvertSetting;

// The item model face of the combined input table: the header row can be
// dragged into output items and statement fields, example rows are shown
// disabled.
class InputModeModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit InputModeModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    const InputTable &table() const { return table_; }
    bool isEmpty() const { return table_.isEmpty(); }
    QStringList header() const { return table_.header(); }
    QStringList row(int i) const { return table_.row(i); }
    const QList<QStringList> &rows() const { return table_.rows(); }
    QList<InputForm> forms() const { return table_.forms(); }
    QStringList formNames() const { return table_.formNames(); }
    int firstColumnOfForm(int k) const { return table_.firstColumnOfForm(k); }

    void setFirstForm(QList<QStringList> fileRows, const QString &fileName);
    bool joinForm(const QList<QStringList> &fileRows, int targetKey, int key,
                  const QString &fileName);
    void appendDataRows(const QList<QStringList> &fileRows);
    void clear();

    // Writes the header, the two example rows and the forms into setting.
    void save(ConvertSetting &setting) const;
    // Appends the stored header, example rows and forms of setting.
    void load(const ConvertSetting &setting);

private:
    bool isCell(const QModelIndex &index) const;

    InputTable table_;
};
