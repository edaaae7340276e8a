#include "editors/PdfRuleDialog.h"

#include "editors/DescriptionDelegate.h"
#include "editors/ListWidgetTexts.h"
#include "editors/RulePreview.h"
#include "ui_PdfRuleDialog.h"

#include <QAbstractItemModel>

PdfRuleDialog::PdfRuleDialog(QAbstractItemModel *model, const QModelIndex &index, QWidget *parent)
    : Dialog(parent), ui(std::make_unique<Ui::PdfRuleDialog>()), model_(model), index_(index)
{
    ui->setupUi(this);
    addStatusBar();
    ui->listWidget->addItems(model->data(index, Qt::EditRole).toStringList());
    DescriptionDelegate::describeRuleList(ui->listWidget);

    onListWidgetChanged(ui->listWidget, this, [this] { updatePreview(); });
    connect(ui->sampleLineEdit, &QLineEdit::textChanged, this, &PdfRuleDialog::updatePreview);
    updatePreview();
}

PdfRuleDialog::~PdfRuleDialog()
{
    // The lists empty themselves after this dialog's members are gone.
    ui->listWidget->model()->disconnect(this);
}

void PdfRuleDialog::setSampleValue(const QString &value)
{
    ui->sampleLineEdit->setText(value);
    ui->sampleLineEdit->setCursorPosition(0);
}

void PdfRuleDialog::on_addButton_clicked()
{
    const RuleToolBox::Rule rule = ui->ruleToolBox->currentRule();
    if (rule.refused) {
        warn(tr("Character ',' cannot be included."));
        rule.refused->setFocus();
        return;
    }
    if (!rule.text.isEmpty())
        ui->listWidget->addItem(rule.text);
}

void PdfRuleDialog::on_delButton_clicked()
{
    delete ui->listWidget->takeItem(ui->listWidget->currentRow());
}

void PdfRuleDialog::on_okButton_clicked()
{
    model_->setData(index_, listWidgetTexts(ui->listWidget), Qt::EditRole);
    accept();
}

void PdfRuleDialog::updatePreview()
{
    RulePreview::show(ui->resultLineEdit, RulePreview::apply(listWidgetTexts(ui->listWidget),
                                                             ui->sampleLineEdit->text()));
}
