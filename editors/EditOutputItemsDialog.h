#pragma once

#include "editors/Dialog.h"

#include <QPersistentModelIndex>
#include <memory>

class AbstractOutputModel;

namespace Ui {
class EditOutputItemsDialog;
}

// Reorders and removes the sources of an output item or statement field and
// sets the text put between their values. Only OK changes the model.
class EditOutputItemsDialog : public Dialog
{
    Q_OBJECT
public:
    EditOutputItemsDialog(AbstractOutputModel *model, const QModelIndex &index,
                          QWidget *parent = nullptr);
    ~EditOutputItemsDialog() override;

private Q_SLOTS:
    void on_delButton_clicked();
    void on_okButton_clicked();
    void on_sepCheckBox_clicked(bool checked);

private:
    std::unique_ptr<Ui::EditOutputItemsDialog> ui;
    AbstractOutputModel *model_;
    QPersistentModelIndex index_;
};
