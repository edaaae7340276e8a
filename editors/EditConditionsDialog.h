#pragma once

#include "editors/Dialog.h"

#include <QPersistentModelIndex>
#include <memory>

class OutputModeModel;

namespace Ui {
class EditConditionsDialog;
}

// Edits the tests of an output item's conditions and how they combine. Apply
// and delete write to the model at once; OK stores only the combination.
class EditConditionsDialog : public Dialog
{
    Q_OBJECT
public:
    EditConditionsDialog(OutputModeModel *model, const QModelIndex &index,
                         QWidget *parent = nullptr);
    ~EditConditionsDialog() override;

    // Selects the newest condition, the one a drop has just added.
    void selectLastRow();

private Q_SLOTS:
    void on_itemListWidget_currentRowChanged(int row);
    void on_findLineEdit_textChanged(const QString &text);
    void on_findComboBox_currentIndexChanged(int index);
    void on_typeComboBox_currentIndexChanged(int index);
    void numberConditionChanged();
    void on_saveButton_clicked();
    void on_delButton_clicked();
    void on_okButton_clicked();

private:
    void resetFields();
    void showCondition(const QString &condition);
    QString shownCondition() const;

    std::unique_ptr<Ui::EditConditionsDialog> ui;
    OutputModeModel *model_;
    QPersistentModelIndex index_;
};
