#include "editors/EditConditionsDialog.h"

#include "editors/DescriptionDelegate.h"
#include "editors/WordBox.h"
#include "editors/models/OutputModeModel.h"
#include "language/ConditionCombination.h"
#include "language/NumberBound.h"
#include "language/RuleDescription.h"
#include "language/RuleText.h"
#include "language/TextTest.h"
#include "ui_EditConditionsDialog.h"

#include <QSignalBlocker>
#include <QStatusBar>
#include <tuple>

namespace {

enum Type
{
    TextType,
    NumberType
};

bool isUnlimited(const QComboBox *combo, bool lower)
{
    return WordBox::currentKind(combo, NumberBound::words(lower), NumberBound::Kind::Unlimited) ==
           NumberBound::Kind::Unlimited;
}

// Shows a stored bound in its combo and spin box; an unknown bound leaves both as they are.
void showBound(const QString &bound, bool lower, QComboBox *combo, QSpinBox *spin)
{
    if (!WordBox::select(combo, ruleFunctionName(bound)))
        return;
    const bool unlimited = isUnlimited(combo, lower);
    spin->setEnabled(!unlimited);
    spin->setValue(unlimited ? 0 : ruleArgumentNumber(bound));
}

QString boundText(bool lower, const QComboBox *combo, const QSpinBox *spin)
{
    const QString name = combo->currentData().toString();
    if (isUnlimited(combo, lower))
        return name;
    return name + QLatin1Char('(') + QString::number(spin->value()) + QLatin1Char(')');
}

} // namespace

EditConditionsDialog::EditConditionsDialog(OutputModeModel *model, const QModelIndex &index,
                                           QWidget *parent)
    : Dialog(parent), ui(std::make_unique<Ui::EditConditionsDialog>()), model_(model), index_(index)
{
    ui->setupUi(this);
    // Before the status bar, which sizes the dialog to its contents.
    WordBox::addWords(ui->findComboBox, TextTest::words());
    WordBox::addWords(ui->minComboBox, NumberBound::words(true));
    WordBox::addWords(ui->maxComboBox, NumberBound::words(false));
    WordBox::addWords(ui->combinationComboBox, ConditionCombination::words());
    addStatusBar();
    ui->itemListWidget->addItems(model->data(index, Qt::EditRole).toStringList());
    // The tip reads the stored test, so it follows every apply at once.
    const auto describe = [this](const QModelIndex &row) {
        return RuleDescription::condition(row.data().toString(),
                                          model_->item(index_.column()).condRules.value(row.row()));
    };
    ui->itemListWidget->setItemDelegate(new DescriptionDelegate(
        describe, DescriptionDelegate::Shown::ToolTipOnly, ui->itemListWidget));
    // An unset combination shows as the first.
    WordBox::select(ui->combinationComboBox, model->item(index.column()).condCombination);

    const auto comboChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    const auto spinChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(ui->minComboBox, comboChanged, this, &EditConditionsDialog::numberConditionChanged);
    connect(ui->maxComboBox, comboChanged, this, &EditConditionsDialog::numberConditionChanged);
    connect(ui->minSpinBox, spinChanged, this, &EditConditionsDialog::numberConditionChanged);
    connect(ui->maxSpinBox, spinChanged, this, &EditConditionsDialog::numberConditionChanged);
    resetFields();
}

EditConditionsDialog::~EditConditionsDialog() = default;

void EditConditionsDialog::selectLastRow()
{
    ui->itemListWidget->setCurrentRow(ui->itemListWidget->count() - 1);
}

void EditConditionsDialog::on_itemListWidget_currentRowChanged(int row)
{
    resetFields();
    showCondition(model_->item(index_.column()).condRules.value(row));
    // Filling the fields is no change of the user's.
    ui->saveButton->setEnabled(false);
}

void EditConditionsDialog::on_findLineEdit_textChanged(const QString &text)
{
    // Clearing the text does not disable apply: an empty text can be stored.
    if (!text.isEmpty())
        ui->saveButton->setEnabled(true);
}

void EditConditionsDialog::on_findComboBox_currentIndexChanged(int)
{
    ui->saveButton->setEnabled(!ui->findLineEdit->text().isEmpty());
}

void EditConditionsDialog::on_typeComboBox_currentIndexChanged(int index)
{
    ui->saveButton->setEnabled(index == NumberType || !ui->findLineEdit->text().isEmpty());
}

void EditConditionsDialog::numberConditionChanged()
{
    for (const auto &[combo, spin, lower] : {std::tuple{ui->minComboBox, ui->minSpinBox, true},
                                             std::tuple{ui->maxComboBox, ui->maxSpinBox, false}}) {
        const bool unlimited = isUnlimited(combo, lower);
        if (unlimited)
            spin->setValue(0);
        spin->setEnabled(!unlimited);
    }
    ui->saveButton->setEnabled(true);
}

void EditConditionsDialog::on_saveButton_clicked()
{
    const int row = ui->itemListWidget->currentRow();
    // Without a selected condition there is nothing to store the fields into.
    if (row < 0 || !index_.isValid())
        return;
    OutputItem item = model_->item(index_.column());
    while (item.condRules.size() <= row)
        item.condRules.append(QString());
    item.condRules[row] = shownCondition();
    model_->replaceItem(index_.column(), item);
    ui->saveButton->setEnabled(false);
    statusBar()->showMessage(tr("Setting has saved"));
}

void EditConditionsDialog::on_delButton_clicked()
{
    const int row = ui->itemListWidget->currentRow();
    if (row < 0)
        return;
    model_->removeCondition(index_, row);
    {
        // While the row goes, the list names the row below it by its old
        // number, which the model no longer has.
        const QSignalBlocker blocker(ui->itemListWidget);
        delete ui->itemListWidget->takeItem(row);
    }
    on_itemListWidget_currentRowChanged(ui->itemListWidget->currentRow());
}

void EditConditionsDialog::on_okButton_clicked()
{
    if (index_.isValid()) {
        OutputItem item = model_->item(index_.column());
        item.condCombination = ui->combinationComboBox->currentData().toString();
        model_->replaceItem(index_.column(), item);
    }
    accept();
}

void EditConditionsDialog::resetFields()
{
    ui->typeComboBox->setCurrentIndex(TextType);
    ui->findComboBox->setCurrentIndex(0);
    ui->findLineEdit->clear();
    // Unbounded both ways, so a number test applied as it comes holds every
    // number instead of none.
    const QString unlimited = NumberBound::words(true).name(NumberBound::Kind::Unlimited);
    WordBox::select(ui->minComboBox, unlimited);
    WordBox::select(ui->maxComboBox, unlimited);
    ui->saveButton->setEnabled(false);
}

void EditConditionsDialog::showCondition(const QString &condition)
{
    if (condition.isEmpty())
        return;
    if (ruleFunctionName(condition) == QLatin1String("range")) {
        ui->typeComboBox->setCurrentIndex(NumberType);
        const QStringList bounds = ruleArgumentText(condition).split(QLatin1Char(','));
        showBound(bounds.value(0), true, ui->minComboBox, ui->minSpinBox);
        showBound(bounds.value(1), false, ui->maxComboBox, ui->maxSpinBox);
        return;
    }
    ui->typeComboBox->setCurrentIndex(TextType);
    ui->findLineEdit->setText(ruleArgumentText(condition));
    if (!WordBox::select(ui->findComboBox, ruleFunctionName(condition)))
        ui->findComboBox->setCurrentIndex(0);
}

QString EditConditionsDialog::shownCondition() const
{
    if (ui->conditionPages->currentIndex() == TextType) {
        return ui->findComboBox->currentData().toString() + QLatin1Char('(') +
               ui->findLineEdit->text() + QLatin1Char(')');
    }
    return QStringLiteral("range(") + boundText(true, ui->minComboBox, ui->minSpinBox) +
           QLatin1Char(',') + boundText(false, ui->maxComboBox, ui->maxSpinBox) + QLatin1Char(')');
}
