#include "editors/RuleDialog.h"

#include "editors/DescriptionDelegate.h"
#include "editors/ListWidgetTexts.h"
#include "editors/RulePreview.h"
#include "ui_RuleDialog.h"

#include <QAbstractItemModel>

namespace {

void removeCurrent(QListWidget *list)
{
    delete list->takeItem(list->currentRow());
}

// Moves the current rule of from to the end of to.
void moveCurrent(QListWidget *from, QListWidget *to)
{
    const QListWidgetItem *item = from->currentItem();
    if (!item)
        return;
    to->addItem(item->text());
    removeCurrent(from);
}

} // namespace

RuleDialog::RuleDialog(QAbstractItemModel *model, const QModelIndex &index, QWidget *parent)
    : Dialog(parent), ui(std::make_unique<Ui::RuleDialog>()), model_(model), index_(index)
{
    ui->setupUi(this);
    addStatusBar();
    ui->beforeListWidget->addItems(model->data(index, Qt::EditRole).toStringList());
    ui->afterListWidget->addItems(model->data(index, Qt::UserRole).toStringList());
    DescriptionDelegate::describeRuleList(ui->beforeListWidget);
    DescriptionDelegate::describeRuleList(ui->afterListWidget);

    onListWidgetChanged(ui->beforeListWidget, this, [this] { updatePreview(); });
    onListWidgetChanged(ui->afterListWidget, this, [this] { updatePreview(); });
    connect(ui->sampleLineEdit, &QLineEdit::textChanged, this, &RuleDialog::updatePreview);
    updatePreview();
}

RuleDialog::~RuleDialog()
{
    // The lists empty themselves after this dialog's members are gone.
    ui->beforeListWidget->model()->disconnect(this);
    ui->afterListWidget->model()->disconnect(this);
}

void RuleDialog::setSampleValue(const QString &value)
{
    ui->sampleLineEdit->setText(value);
    ui->sampleLineEdit->setCursorPosition(0);
}

void RuleDialog::on_addBeforeButton_clicked()
{
    addRule(ui->beforeListWidget);
}

void RuleDialog::on_addAfterButton_clicked()
{
    addRule(ui->afterListWidget);
}

void RuleDialog::on_delBeforeButton_clicked()
{
    removeCurrent(ui->beforeListWidget);
}

void RuleDialog::on_delAfterButton_clicked()
{
    removeCurrent(ui->afterListWidget);
}

void RuleDialog::on_moveDownButton_clicked()
{
    moveCurrent(ui->beforeListWidget, ui->afterListWidget);
}

void RuleDialog::on_moveUpButton_clicked()
{
    moveCurrent(ui->afterListWidget, ui->beforeListWidget);
}

void RuleDialog::on_okButton_clicked()
{
    model_->setData(index_, listWidgetTexts(ui->beforeListWidget), Qt::EditRole);
    model_->setData(index_, listWidgetTexts(ui->afterListWidget), Qt::UserRole);
    accept();
}

void RuleDialog::updatePreview()
{
    const QString before =
        RulePreview::apply(listWidgetTexts(ui->beforeListWidget), ui->sampleLineEdit->text());
    const QString after = RulePreview::apply(listWidgetTexts(ui->afterListWidget), before);
    RulePreview::show(ui->beforeResultLineEdit, before);
    RulePreview::show(ui->afterResultLineEdit, after);
}

void RuleDialog::addRule(QListWidget *list)
{
    const RuleToolBox::Rule rule = ui->ruleToolBox->currentRule();
    if (rule.refused) {
        warn(tr("Character ',' cannot be included."));
        rule.refused->setFocus();
        return;
    }
    if (!rule.text.isEmpty())
        list->addItem(rule.text);
}
