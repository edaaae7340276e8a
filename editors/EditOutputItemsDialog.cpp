#include "editors/EditOutputItemsDialog.h"

#include "editors/ListWidgetTexts.h"
#include "editors/models/AbstractOutputModel.h"
#include "ui_EditOutputItemsDialog.h"

EditOutputItemsDialog::EditOutputItemsDialog(AbstractOutputModel *model, const QModelIndex &index,
                                             QWidget *parent)
    : Dialog(parent), ui(std::make_unique<Ui::EditOutputItemsDialog>()), model_(model),
      index_(index)
{
    ui->setupUi(this);
    addStatusBar();
    ui->listWidget->addItems(model->data(index, Qt::EditRole).toStringList());
    const QString separator = model->separator(index);
    if (!separator.isEmpty()) {
        ui->sepCheckBox->setChecked(true);
        ui->sepLineEdit->setEnabled(true);
        ui->sepLineEdit->setText(separator);
    }
}

EditOutputItemsDialog::~EditOutputItemsDialog() = default;

void EditOutputItemsDialog::on_delButton_clicked()
{
    delete ui->listWidget->takeItem(ui->listWidget->currentRow());
}

void EditOutputItemsDialog::on_okButton_clicked()
{
    model_->setMappings(index_, listWidgetTexts(ui->listWidget));
    if (ui->sepCheckBox->isChecked())
        model_->setSeparator(index_, ui->sepLineEdit->text());
    else
        model_->clearSeparator(index_);
    accept();
}

void EditOutputItemsDialog::on_sepCheckBox_clicked(bool checked)
{
    ui->sepLineEdit->setEnabled(checked);
}
