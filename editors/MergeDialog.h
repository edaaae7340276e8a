#pragma once

#include "editors/Dialog.h"

#include <QPersistentModelIndex>
#include <memory>

class OutputModeModel;

namespace Ui {
class MergeDialog;
}

// Sets how an output item's values are merged when duplicate rows fold into
// one: not at all, as text with a separator, or summed as numbers.
class MergeDialog : public Dialog
{
    Q_OBJECT
public:
    MergeDialog(OutputModeModel *model, const QModelIndex &index, QWidget *parent = nullptr);
    ~MergeDialog() override;

private Q_SLOTS:
    void on_mergeTypeComboBox_currentIndexChanged(int index);
    void on_okButton_clicked();

private:
    std::unique_ptr<Ui::MergeDialog> ui;
    OutputModeModel *model_;
    QPersistentModelIndex index_;
};
