#pragma once

#include "editors/models/AbstractOutputModel.h"
#include "settings/StatementField.h"

#include <array>

struct ConvertSetting;

// The 19 statement fields of a setting, shown transposed: one column per
// field, rows Print, Output and Rule.
class PdfSetModel : public AbstractOutputModel
{
    Q_OBJECT
public:
    enum Row
    {
        PrintRow,
        OutputRow,
        RuleRow
    };

    explicit PdfSetModel(QObject *parent = nullptr);

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

    void togglePrint(int field);
    bool isPrinted(int field) const;
    StatementField field(int field) const;
    QList<StatementField> fields() const;
    int maxLineCount(int row) const;
    // Every source of a field is an input item: once the input forms are
    // cleared their column numbers name nothing, so they all go.
    void clearInputSources();
    void clear();
    // Writes the 19 fields into setting.
    void save(ConvertSetting &setting) const;
    // Replaces the fields by those of setting.
    void load(const ConvertSetting &setting);

private:
    bool isCell(const QModelIndex &index) const;

    std::array<StatementField, StatementFields::Count> fields_;
};
