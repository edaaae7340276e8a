#pragma once

#include "editors/Dialog.h"

#include <QPersistentModelIndex>
#include <memory>

class QAbstractItemModel;
class QListWidget;

namespace Ui {
class RuleDialog;
}

// Edits the two rule lists of an output item: before merge (the cell's edit
// role) and after merge (its user role). Only OK writes them back.
class RuleDialog : public Dialog
{
    Q_OBJECT
public:
    RuleDialog(QAbstractItemModel *model, const QModelIndex &index, QWidget *parent = nullptr);
    ~RuleDialog() override;

    // The value the sample line starts with, such as the item's first example value.
    void setSampleValue(const QString &value);

private Q_SLOTS:
    void on_addBeforeButton_clicked();
    void on_addAfterButton_clicked();
    void on_delBeforeButton_clicked();
    void on_delAfterButton_clicked();
    void on_moveDownButton_clicked();
    void on_moveUpButton_clicked();
    void on_okButton_clicked();
    void updatePreview();

private:
    void addRule(QListWidget *list);

    std::unique_ptr<Ui::RuleDialog> ui;
    QAbstractItemModel *model_;
    QPersistentModelIndex index_;
};
