#pragma once

#include "editors/models/AbstractOutputModel.h"
#include "settings/OutputItem.h"

#include <QList>

struct ConvertSetting;

// The output items of a setting, shown transposed: one column per item, six
// attribute rows (Name, Output, Conditions, Rules, Distinct, Merge).
class OutputModeModel : public AbstractOutputModel
{
    Q_OBJECT
public:
    enum Row
    {
        NameRow,
        OutputRow,
        ConditionsRow,
        RulesRow,
        DistinctRow,
        MergeRow
    };
    static constexpr int AfterRulesRole = Qt::UserRole;

    explicit OutputModeModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

    QString separator(const QModelIndex &index) const override;
    void setSeparator(const QModelIndex &index, const QString &text) override;
    void clearSeparator(const QModelIndex &index) override;
    void setMappings(const QModelIndex &index, const QStringList &names) override;

    QModelIndex appendItem();
    QModelIndex insertItem(int column);
    void removeItem(int column);
    void moveLeft(const QModelIndex &index);
    void moveRight(const QModelIndex &index);
    OutputItem item(int column) const;
    // All items, in column order, without copying them.
    const QList<OutputItem> &items() const;
    void replaceItem(int column, const OutputItem &item);
    int conditionCount(const QModelIndex &index) const;
    void removeCondition(const QModelIndex &index, int i);
    void toggleDistinct(int column);
    void setMerge(const QModelIndex &index, const QString &merge, const QString &mergeSeparator);
    QStringList mergeOption(const QModelIndex &index) const;
    QList<int> distinctColumns() const;
    QList<int> mergeColumns() const;
    int maxLineCount(int row) const;
    void clearInputSources();
    void clear();

    // Writes the items into setting.
    void save(ConvertSetting &setting) const;
    // Appends the items of setting; returns how many the setting has.
    int load(const ConvertSetting &setting);

Q_SIGNALS:
    void itemChanged(const QModelIndex &index);

private:
    bool isItemIndex(const QModelIndex &index) const;
    // Views learn of changes to stored values through these; itemChanged stays
    // reserved for the changes the setting dialog reacts to.
    void emitCellChanged(int row, int column);
    void emitColumnChanged(int column);

    QList<OutputItem> items_;
};
