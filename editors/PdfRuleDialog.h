#pragma once

#include "editors/Dialog.h"

#include <QPersistentModelIndex>
#include <memory>

class QAbstractItemModel;

namespace Ui {
class PdfRuleDialog;
}

// Edits the rule list of a statement field (the cell's edit role). Only OK
// writes it back.
class PdfRuleDialog : public Dialog
{
    Q_OBJECT
public:
    PdfRuleDialog(QAbstractItemModel *model, const QModelIndex &index, QWidget *parent = nullptr);
    ~PdfRuleDialog() override;

    // The value the sample line starts with, such as the field's first example value.
    void setSampleValue(const QString &value);

private Q_SLOTS:
    void on_addButton_clicked();
    void on_delButton_clicked();
    void on_okButton_clicked();
    void updatePreview();

private:
    std::unique_ptr<Ui::PdfRuleDialog> ui;
    QAbstractItemModel *model_;
    QPersistentModelIndex index_;
};
